// The main window on both back ends: the menu from the rights tables, the open-screen limit, tabs and
// the window menu, closing; and the code lists of the common code table.
#include "database/datamodule.h"
#include "app/application.h"
#include "app/mainwindow.h"
#include "framework/screenregistry.h"
#include "core/startupvalues.h"
#include "refdata/codes.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QMenuBar>
#include <QTabWidget>
#include <QtTest>

namespace {
const char *kFixture = R"SQL(
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('Z9999', 'DEMO', '데모 리조트');
INSERT INTO ZA040MS (PROJECT_ID, MENU_ID, MENU_NAME, DISPLAY_SEQ) VALUES ('SPORTS', 'M1', '장비', 10);
INSERT INTO ZA040MS (PROJECT_ID, MENU_ID, MENU_NAME, DISPLAY_SEQ) VALUES ('SPORTS', 'M2', '회원', 20);
INSERT INTO ZA040MS (PROJECT_ID, MENU_ID, MENU_NAME, DISPLAY_SEQ) VALUES ('SPORTS', 'M3', '숨김', 0);
INSERT INTO ZA040MS (PROJECT_ID, MENU_ID, MENU_NAME, DISPLAY_SEQ) VALUES ('SPORTS', 'M4', '대회', 15);
INSERT INTO ZA040MS (PROJECT_ID, MENU_ID, MENU_NAME, DISPLAY_SEQ) VALUES ('OTHER', 'M9', '다른 시스템', 1);
INSERT INTO ZA050MS (PROJECT_ID, MENU_ID, PROGRAM_ID, PROGRAM_NAME, DISPLAY_SEQ) VALUES ('SPORTS', 'M1', 'EBI050', '장비 보관', 2);
INSERT INTO ZA050MS (PROJECT_ID, MENU_ID, PROGRAM_ID, PROGRAM_NAME, DISPLAY_SEQ) VALUES ('SPORTS', 'M1', 'EBI040', '장비 대여(&R)', 1);
INSERT INTO ZA050MS (PROJECT_ID, MENU_ID, PROGRAM_ID, PROGRAM_NAME, DISPLAY_SEQ) VALUES ('SPORTS', 'M1', 'EBI020', '장비등록', 0);
INSERT INTO ZA050MS (PROJECT_ID, MENU_ID, PROGRAM_ID, PROGRAM_NAME, DISPLAY_SEQ) VALUES ('SPORTS', 'M1', 'ECS160', '미구현', 3);
INSERT INTO ZA050MS (PROJECT_ID, MENU_ID, PROGRAM_ID, PROGRAM_NAME, DISPLAY_SEQ) VALUES ('SPORTS', 'M2', 'EGI020', '회원 등록', 1);
INSERT INTO ZA050MS (PROJECT_ID, MENU_ID, PROGRAM_ID, PROGRAM_NAME, DISPLAY_SEQ) VALUES ('SPORTS', 'M3', 'ECI010', '스키클럽', 1);
INSERT INTO ZA050MS (PROJECT_ID, MENU_ID, PROGRAM_ID, PROGRAM_NAME, DISPLAY_SEQ) VALUES ('SPORTS', 'M4', 'EDI010', '스키대회 등록', 1);
INSERT INTO ZA130MS (EMP_NO, PROJECT_ID, PROJECT_LEVEL) VALUES ('1001', 'SPORTS', 'ADMIN');
INSERT INTO ZA130MS (EMP_NO, PROJECT_ID, PROJECT_LEVEL) VALUES ('1002', 'SPORTS', 'RENT');
INSERT INTO ZA130MS (EMP_NO, PROJECT_ID, PROJECT_LEVEL) VALUES ('1003', 'OTHER', 'ADMIN');
INSERT INTO ZA140MS (PROJECT_ID, PROJECT_LEVEL, PROGRAM_ID) VALUES ('SPORTS', 'ADMIN', 'EBI040');
INSERT INTO ZA140MS (PROJECT_ID, PROJECT_LEVEL, PROGRAM_ID) VALUES ('SPORTS', 'ADMIN', 'EBI050');
INSERT INTO ZA140MS (PROJECT_ID, PROJECT_LEVEL, PROGRAM_ID) VALUES ('SPORTS', 'ADMIN', 'EBI020');
INSERT INTO ZA140MS (PROJECT_ID, PROJECT_LEVEL, PROGRAM_ID) VALUES ('SPORTS', 'ADMIN', 'ECS160');
INSERT INTO ZA140MS (PROJECT_ID, PROJECT_LEVEL, PROGRAM_ID) VALUES ('SPORTS', 'ADMIN', 'EGI020');
INSERT INTO ZA140MS (PROJECT_ID, PROJECT_LEVEL, PROGRAM_ID) VALUES ('SPORTS', 'ADMIN', 'ECI010');
INSERT INTO ZA140MS (PROJECT_ID, PROJECT_LEVEL, PROGRAM_ID) VALUES ('SPORTS', 'ADMIN', 'EDI010');
INSERT INTO ZA140MS (PROJECT_ID, PROJECT_LEVEL, PROGRAM_ID) VALUES ('SPORTS', 'RENT', 'EBI040');
INSERT INTO ZA140MS (PROJECT_ID, PROJECT_LEVEL, PROGRAM_ID) VALUES ('SPORTS', 'RENT', 'EBI050');
INSERT INTO ZA140MS (PROJECT_ID, PROJECT_LEVEL, PROGRAM_ID) VALUES ('OTHER', 'ADMIN', 'EGI020');
INSERT INTO ZA150MS (EMP_NO, PROJECT_ID, PROGRAM_ID, ADD_YN) VALUES ('1002', 'SPORTS', 'EBI050', 'N');
INSERT INTO ZA150MS (EMP_NO, PROJECT_ID, PROGRAM_ID, ADD_YN) VALUES ('1002', 'SPORTS', 'EGI020', 'Y');
INSERT INTO ZA150MS (EMP_NO, PROJECT_ID, PROGRAM_ID, ADD_YN) VALUES ('1002', 'OTHER', 'EDI010', 'Y');
INSERT INTO ZA150MS (EMP_NO, PROJECT_ID, PROGRAM_ID, ADD_YN) VALUES ('1003', 'SPORTS', 'EBI040', 'N');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM3) VALUES ('T0001', '03', '셋', 'Y', 'N');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM3) VALUES ('T0001', '01', '하나', 'Y', 'Y');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM3) VALUES ('T0001', '  ', '빈코드', 'Y', 'Y');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM3) VALUES ('T0001', '02', '둘', 'N', 'Y');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM3) VALUES ('T0001', ' 05', '다섯', 'N', 'N');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('T0002', '01', '다른 그룹');
)SQL";

// A screen that remembers whether the main window asked it to close.
class FakeScreen : public QWidget {
public:
    bool refuse = false;
protected:
    void closeEvent(QCloseEvent *e) override
    {
        if (refuse) e->ignore(); else e->accept();
    }
};

struct Menu {
    QString title;
    QStringList programs;
};

QList<Menu> menusOf(TfrmZZMain &w)
{
    QList<Menu> out;
    for (QAction *a : w.menuBar()->actions()) {
        if (!a->menu() || a->menu() == w.mnuWindow)
            continue;
        Menu m{a->text(), {}};
        for (QAction *p : a->menu()->actions())
            m.programs << p->data().toString();
        out << m;
    }
    return out;
}

class ComboTarget : public CodeListTarget {
public:
    QStringList pairs;
    void addCode(const QString &label, const QString &code) override { pairs << label + "=" + code; }
};
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const char *id : {"EBI040", "EBI050", "EGI020", "EDI010", "ECI010"})
            ScreenRegistry::instance().add(id, [id] {
                auto *s = new FakeScreen;
                s->setObjectName(id);
                return s;
            });
        Startup().databaseUser = "demo";
    }
    void cleanup() { DM()->attach(nullptr); }

    void rights_data()
    {
        QTest::addColumn<int>("backend");
        QTest::addColumn<QString>("employee");
        QTest::addColumn<QStringList>("expected");
        for (db::Backend b : testing::testBackends()) {
            const QString n = testing::backendName(b);
            QTest::newRow(qPrintable(n + " full level")) << int(b) << "1001"
                << QStringList{"장비:EBI040,EBI050,ECS160", "대회:EDI010", "회원:EGI020"};
            QTest::newRow(qPrintable(n + " exceptions")) << int(b) << "1002"
                << QStringList{"장비:EBI040", "회원:EGI020"};
            QTest::newRow(qPrintable(n + " no level")) << int(b) << "1003" << QStringList{};
        }
    }
    void rights()
    {
        QFETCH(QString, employee);
        QFETCH(QStringList, expected);
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        DM()->attach(t.database());
        Startup().employeeNumber = employee;
        TfrmE0Main w;
        w.setProjectId("SPORTS");
        QVERIFY(w.Initialize());
        QStringList got;
        for (const Menu &m : menusOf(w))
            got << m.title + ":" + m.programs.join(",");
        QCOMPARE(got, expected);
        QCOMPARE(w.menuBar()->actions().last(), w.mnuWindow->menuAction());
        QCOMPARE(w.windowTitle(), QString("스포츠관리(데모 리조트)"));
        // Qt appends a display name the caption does not end with; none is set, so the caption is all.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
        QVERIFY(!DM()->qryQuery.isOpen());
        QVERIFY(!DM()->qryQuery2.isOpen());
    }

    // The local "open" message opens only what the employee's menu offers.
    void openRequests_data() { testing::addBackendColumn(); }
    void openRequests()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        DM()->attach(t.database());
        Startup().employeeNumber = "1002";
        TfrmE0Main w;
        w.setProjectId("SPORTS");
        QVERIFY(w.Initialize());
        QTest::ignoreMessage(QtWarningMsg, "open request for EBI050 refused: not in the menu of employee 1002");
        QVERIFY(!w.OpenRequested("장비 보관", "EBI050"));
        QTest::ignoreMessage(QtWarningMsg, "open request for EDI010 refused: not in the menu of employee 1002");
        QVERIFY(!w.OpenRequested("스키대회 등록", "EDI010"));   // granted in another project only
        QCOMPARE(w.screenCount(), 0);
        QVERIFY(w.OpenRequested("장비 대여", "EBI040"));
        QCOMPARE(w.programIdAt(0), QString("EBI040"));
    }

    // Qt's standard buttons speak Korean.
    void koreanButtons()
    {
        QMessageBox box(QMessageBox::Question, ApplicationTitle(), "?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok);
        QVERIFY(box.button(QMessageBox::Yes)->text().startsWith("예"));
        QVERIFY(box.button(QMessageBox::No)->text().startsWith("아니요"));
        QVERIFY(box.button(QMessageBox::Ok)->text().startsWith("확인"));
    }

    void openingScreens_data() { testing::addBackendColumn(); }
    void openingScreens()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        DM()->attach(t.database());
        Startup().employeeNumber = "1001";
        TfrmE0Main w;
        w.setProjectId("SPORTS");
        QVERIFY(w.Initialize());
        w.setProgramCount(2);
        testing::MessageRecorder rec;

        QVERIFY(!w.pgcMain->isVisible() || w.pgcMain->count() == 0);
        // From the menu entry: the tab text stops before the accelerator suffix.
        QAction *rental = w.menuBar()->actions().first()->menu()->actions().first();
        rental->trigger();
        QCOMPARE(w.screenCount(), 1);
        QCOMPARE(w.pgcMain->tabText(0), QString("장비 대여"));
        QCOMPARE(w.programIdAt(0), QString("EBI040"));
        QCOMPARE(w.ActiveScreen()->objectName(), QString("EBI040"));
        QVERIFY(w.OpenProgram("회원 등록", "EGI020"));
        QCOMPARE(w.pgcMain->currentIndex(), 1);
        // The window menu lists the open screens after its hidden close entry.
        QStringList entries;
        for (QAction *a : w.mnuWindow->actions()) entries << a->text();
        QCOMPARE(entries, QStringList({"종료", "장비 대여", "회원 등록"}));
        QVERIFY(!w.mniClose->isVisible());

        // An open program only switches, even at the limit.
        QVERIFY(!w.OpenProgram("장비 대여(&R)", "EBI040"));
        QCOMPARE(w.pgcMain->currentIndex(), 0);
        QCOMPARE(w.screenCount(), 2);
        QCOMPARE(rec.count(), 0);
        // A third, different program: the limit message.
        QVERIFY(!w.OpenProgram("스키대회 등록", "EDI010"));
        QCOMPARE(rec.texts(), QStringList{"최대 2개의 프로그램만 동시에 실행할 수 있습니다."});
        QCOMPARE(w.screenCount(), 2);

        // An ID without a screen opens nothing and says nothing.
        w.setProgramCount(10);
        rec.clear();
        QVERIFY(!w.OpenProgram("미구현", "ECS160"));
        QVERIFY(!w.OpenProgram("없는 프로그램", "ZZZ999"));
        QCOMPARE(w.screenCount(), 2);
        QCOMPARE(rec.count(), 0);
        QCOMPARE(w.mnuWindow->actions().size(), 3);

        // Every screen fills its page, also the one behind.
        w.resize(1200, 800);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(1300, 900);
        QTRY_COMPARE(w.screenAt(0)->size(), w.pgcMain->widget(0)->size());
        w.pgcMain->setCurrentIndex(1);
        QTRY_COMPARE(w.screenAt(1)->size(), w.pgcMain->widget(1)->size());
        QCOMPARE(w.screenAt(0)->size(), w.screenAt(1)->size());
    }

    void closing_data() { testing::addBackendColumn(); }
    void closing()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        DM()->attach(t.database());
        Startup().employeeNumber = "1001";
        TfrmE0Main w;
        w.setProjectId("SPORTS");
        QVERIFY(w.Initialize());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.OpenProgram("장비 대여", "EBI040"));
        QVERIFY(w.OpenProgram("장비 보관", "EBI050"));
        QVERIFY(w.OpenProgram("회원 등록", "EGI020"));
        QPointer<QWidget> first = w.screenAt(0);

        // F12 closes the active screen; its page and window-menu entry go.
        w.pgcMain->setCurrentIndex(1);
        QTest::keyClick(&w, Qt::Key_F12);
        QCOMPARE(w.screenCount(), 2);
        QCOMPARE(w.programIdAt(0), QString("EBI040"));
        QCOMPARE(w.programIdAt(1), QString("EGI020"));
        QCOMPARE(w.mnuWindow->actions().size(), 3);

        // A screen that refuses keeps the main window open.
        static_cast<FakeScreen *>(w.screenAt(0))->refuse = true;
        QVERIFY(!w.close());
        QCOMPARE(w.screenCount(), 1);
        static_cast<FakeScreen *>(w.screenAt(0))->refuse = false;
        QVERIFY(w.close());
        QCOMPARE(w.screenCount(), 0);
        QVERIFY(!w.pgcMain->isVisible());
        QTRY_VERIFY(first.isNull());   // destroyed with its page
    }

    void notConnected()
    {
        DM()->attach(nullptr);
        DM()->Disconnect();
        DM()->settings = db::ConnectionSettings();
        DM()->settings.database = QDir::temp().filePath("sports-no-such.db");
        testing::MessageRecorder rec;
        TfrmE0Main w;
        QVERIFY(!w.Initialize());
        QCOMPARE(rec.count(), 1);
        QVERIFY(rec.last().startsWith("데이터베이스와 연결할 수 없습니다."));
        QVERIFY(!w.isVisible());
    }

    void codeLists_data() { testing::addBackendColumn(); }
    void codeLists()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        DM()->attach(t.database());

        QComboBox combo;
        combo.addItem("[전체]", "[전체]");
        QVERIFY(FillCodeCombo(&combo, "T0001"));
        QStringList shown;
        for (int i = 0; i < combo.count(); ++i)
            shown << combo.itemText(i) + "=" + combo.itemData(i).toString();
        // Ordered by DETAIL; the blank code never appears; "[전체]" stays in front.
        QCOMPARE(shown, QStringList({"[전체]=[전체]", "다섯= 05", "하나=01", "둘=02", "셋=03"}));

        ComboTarget filtered;
        QVERIFY(FillCodeCombo(&filtered, "T0001", {"Y"}));
        QCOMPARE(filtered.pairs, QStringList({"하나=01", "셋=03"}));
        ComboTarget third;
        QVERIFY(FillCodeCombo(&third, "T0001", {"", "", "Y"}));
        QCOMPARE(third.pairs, QStringList({"하나=01", "둘=02"}));
        QVERIFY(FillCodeCombo(&third, "T0001", {"", "", "Y"}));
        QCOMPARE(third.pairs.size(), 4);   // filled twice, listed twice
        ComboTarget quoted;
        QVERIFY(FillCodeCombo(&quoted, "T0001", {"O'K"}));
        QVERIFY(quoted.pairs.isEmpty());

        QStringList labels, codes;
        QVERIFY(FillCodeColumn(&labels, &codes, "T0002"));
        QCOMPARE(labels, QStringList{"다른 그룹"});
        QCOMPARE(codes, QStringList{"01"});
        QComboBox none;
        QVERIFY(FillCodeCombo(&none, "NONE"));
        QCOMPARE(none.count(), 0);
        QCOMPARE(none.currentIndex(), -1);

        QCOMPARE(GetCodeName("T0001", "02"), QString("둘"));
        QCOMPARE(GetCodeName("T0001", "05"), QString("다섯"));   // the stored code is trimmed
        QCOMPARE(GetCodeName("T0001", "02", {"Y"}), QString());
        QCOMPARE(GetCodeName("T0001", "99"), QString());
        QCOMPARE(GetCodeName("T0002", "02"), QString());
        QVERIFY(!DM()->qryQuery.isOpen());
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    TApplication app(argc, argv);
    TestMainWindow t;
    const int rc = QTest::qExec(&t, argc, argv);
    DM()->Shutdown();
    return rc;
}
#include "tst_mainwindow.moc"
