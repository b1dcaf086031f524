// Every screen the menu can open, built on the demo database: every detail control of a record screen
// shows a column of its grid (a hint naming none would leave the control silently unbound).
#include "app/main/allscreens.h"
#include "app/mainwindow.h"
#include "core/startupvalues.h"
#include "database/datamodule.h"
#include "database/schema.h"
#include "framework/ezi000.h"
#include "framework/zzi010.h"
#include "framework/screenregistry.h"
#include "framework/zzs010.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include "support/typing.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QtTest>

namespace {
bool isControl(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w)
           || qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QAbstractButton *>(w)
           || qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QTextEdit *>(w)
           || qobject_cast<const QPlainTextEdit *>(w);
}

// Part of a control (the edit of a combo, a grid's corner button), not a control of its own.
bool insideControl(const QWidget *w, const QWidget *top)
{
    for (const QWidget *p = w->parentWidget(); p && p != top; p = p->parentWidget())
        if (isControl(p))
            return true;
    return false;
}

// Where a widget is seen in the screen: its rectangle clipped by every parent's.
QRect seen(const QWidget *w, const QWidget *top)
{
    QRect r(w->mapTo(top, QPoint(0, 0)), w->size());
    for (const QWidget *p = w->parentWidget(); p && p != top; p = p->parentWidget())
        r &= QRect(p->mapTo(top, QPoint(0, 0)), p->size());
    return r & top->rect();
}

// The part of a label its text takes.
QRect textArea(const QLabel *l, const QWidget *top)
{
    const QRect r = seen(l, top);
    const QRect inner = l->contentsRect();
    const int width = qMin(inner.width(), l->fontMetrics().horizontalAdvance(l->text()));
    const QPoint origin = l->mapTo(top, inner.topLeft());
    int x = origin.x();
    if (l->alignment() & Qt::AlignRight)
        x += inner.width() - width;
    else if (l->alignment() & Qt::AlignHCenter)
        x += (inner.width() - width) / 2;
    return QRect(x, origin.y(), width, inner.height()) & r;
}

// "label ↔ control" for every caption drawn over a control.
QStringList overlaps(QWidget *screen)
{
    QStringList out;
    const QList<QWidget *> all = screen->findChildren<QWidget *>();
    for (QWidget *w : all) {
        auto *label = qobject_cast<QLabel *>(w);
        if (!label || !label->isVisible() || label->text().trimmed().isEmpty() || insideControl(label, screen))
            continue;
        const QRect text = textArea(label, screen);
        if (text.isEmpty())
            continue;
        for (QWidget *c : all) {
            if (!isControl(c) || !c->isVisible() || insideControl(c, screen) || c->isAncestorOf(label))
                continue;
            const QRect both = text & seen(c, screen);
            if (both.width() > 2 && both.height() > 2)
                out << label->text() + " ↔ " + c->objectName();
        }
    }
    return out;
}
// The demo database on the process's connection.
bool openDemo(testing::TestDatabase &t)
{
    QString error;
    if (!t.ok() || !db::loadDemoData(*t.database(), QDate::currentDate(), &error))
        return false;
    DM()->attach(t.database());
    return true;
}

QStringList screenIds()
{
    QStringList ids;
    for (const QString &id : ScreenRegistry::programIds())
        if (ScreenRegistry::instance().has(id))
            ids << id;
    return ids;
}
} // namespace

class TestAllScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RegisterAllScreens(); }

    void everyHintNamesAColumn()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY2(openDemo(t), qPrintable(t.error()));
        testing::MessageRecorder messages;
        int records = 0;
        QStringList unversioned;
        for (const QString &id : screenIds()) {
            std::unique_ptr<QWidget> w(ScreenRegistry::instance().create(id));
            QVERIFY2(w, qPrintable(id));
            if (auto *record = qobject_cast<TfrmEZI000 *>(w.get())) {
                QCOMPARE(id + ": " + record->unboundHints().join(", "), id + ": ");
                ++records;
                // a screen that changes stored rows reads their versions, so it never writes over
                // another workstation's save (reservations are only added and cancelled)
                const auto &fields = record->fields();
                const bool versioned = std::any_of(fields.begin(), fields.end(),
                                                   [](const TField &f) { return f.name == "ROW_VERSION"; });
                if (!record->prcSaveData->procedureName().isEmpty() && !versioned && id != "ECI050")
                    unversioned << id;
            }
        }
        QVERIFY(records >= 5);
        QVERIFY2(unversioned.isEmpty(), qPrintable(unversioned.join(", ")));
    }

    // Every screen opens with the keyboard on its first input, never nowhere nor on its close button;
    // in the main window, switching tabs gives the focus back to where it was on that page.
    void everyScreenOpensOnItsFirstInput()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY2(openDemo(t), qPrintable(t.error()));
        testing::MessageRecorder messages;
        QStringList faults;
        for (const QString &id : screenIds()) {
            std::unique_ptr<QWidget> w(ScreenRegistry::instance().create(id));
            w->show();
            QVERIFY(QTest::qWaitForWindowActive(w.get()));
            QWidget *focus = QApplication::focusWidget();
            if (!focus || !w->isAncestorOf(focus) || focus->objectName() == "bbtClose")
                faults << id + ": " + (focus ? focus->objectName() : QString("nothing"));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));

        Startup().employeeNumber = "1001";
        TfrmE0Main main;
        QVERIFY(main.Initialize());
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QVERIFY(main.OpenProgram("장비 대여", "EBI040"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("dtpDate"));
        QWidget *rentNo = main.screenAt(0)->findChild<QWidget *>("edtRentNo");
        rentNo->setFocus();
        QVERIFY(main.OpenProgram("회원 등록", "EGI020"));
        QVERIFY(main.screenAt(1)->isAncestorOf(QApplication::focusWidget()));
        main.pgcMain->setCurrentIndex(0);
        QCOMPARE(QApplication::focusWidget(), rentNo);
        QVERIFY(!main.OpenProgram("회원 등록", "EGI020"));
        QVERIFY(main.screenAt(1)->isAncestorOf(QApplication::focusWidget()));
    }

    // In the main window the keyboard never leaves a screen: from its first input Tab goes round the
    // screen's own stops, 조회 before 종료, and never reaches the tabs; Shift+Tab the same way back; and
    // again once searched, passing over what cannot be typed into. A function key pressed while the
    // keyboard is nowhere acts on the screen in front.
    void tabStaysInsideEveryScreen()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY2(openDemo(t), qPrintable(t.error()));
        testing::MessageRecorder messages;
        Startup().employeeNumber = "1001";
        TfrmE0Main main;
        QVERIFY(main.Initialize());
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QStringList faults;
        auto walk = [&](const QString &id, TfrmZZI000 *screen, bool searched) {
            const int stops = int(screen->tabStops().size());
            for (bool back : {false, true}) {
                screen->focusFirstInput();
                QStringList visited;
                for (int i = 0; i < stops + 2; ++i) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
                    QWidget *f = QApplication::focusWidget();
                    if (!f || !screen->isAncestorOf(f)) {
                        faults << id + ": Tab went to " + (f ? f->metaObject()->className() : "nothing");
                        return;
                    }
                    auto *edit = qobject_cast<QLineEdit *>(f);
                    auto *memo = qobject_cast<QPlainTextEdit *>(f);
                    if ((edit && edit->isReadOnly()) || (memo && memo->isReadOnly()))
                        faults << id + ": Tab stops on the read-only " + f->objectName();
                    visited << f->objectName();
                }
                const auto search = visited.indexOf("bbtSearch"), close = visited.indexOf("bbtClose");
                if (!searched && !back && search >= 0 && close >= 0 && close < search)
                    faults << id + ": 종료 before 조회";
            }
        };
        int walked = 0;
        for (const QString &id : screenIds()) {
            if (!main.OpenProgram(id, id)) {
                faults << id + ": not opened";
                continue;
            }
            auto *screen = qobject_cast<TfrmZZI000 *>(main.ActiveScreen());
            if (!screen)
                continue;
            ++walked;
            walk(id, screen, false);
            // Enter in the last condition searches (or says which condition is missing)
            const QList<QWidget *> stops = screen->tabStops();
            const auto search = stops.indexOf(screen->findChild<QWidget *>("bbtSearch"));
            auto *editing = qobject_cast<TfrmZZI010 *>(screen);
            auto *list = qobject_cast<TfrmZZS010 *>(screen);
            if (search > 0 && (editing || list)) {
                const int shown = messages.count();
                stops.at(search - 1)->setFocus();
                QTest::keyClick(stops.at(search - 1), Qt::Key_Return);
                // a list run shows its rows, or its report beside (the keyboard then rests on 조회)
                const bool searched = editing ? !editing->isSearchMode()
                                              : !list->qryQuery->sql().isEmpty() || list->bbtSearch->hasFocus();
                if (!searched && messages.count() == shown)
                    faults << id + ": Enter in " + stops.at(search - 1)->objectName() + " did not search";
            }
            if (editing) {
                if (editing->isSearchMode())
                    editing->bbtSearchClick();
                if (!editing->isSearchMode())
                    walk(id, screen, true);
            }
            main.CloseActiveScreen();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY(walked >= 50);

        QVERIFY(main.OpenProgram("장비 대여", "EBI040"));
        auto *rental = qobject_cast<TfrmZZI010 *>(main.ActiveScreen());
        QApplication::focusWidget()->clearFocus();
        QTest::keyClick(&main, Qt::Key_F3);
        QVERIFY(!rental->isSearchMode());
        QVERIFY(rental->isAncestorOf(QApplication::focusWidget()));
    }

    // The accident screens show every input whole on each of their pages in the smallest main window.
    void accidentInputsShowWhole()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY2(openDemo(t), qPrintable(t.error()));
        testing::MessageRecorder messages;
        QStringList faults;
        for (const QString &id : {"EEI010", "EEI021", "EES010"}) {
            std::unique_ptr<QWidget> w(ScreenRegistry::instance().create(id));
            w->setMinimumSize(1, 1);
            w->resize(1024, 768 - 60);
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            auto *pages = w->findChild<QTabBar *>("tabPages");
            QVERIFY(pages);
            for (int p = 0; p < pages->count(); ++p) {
                pages->setCurrentIndex(p);
                QCoreApplication::processEvents();
                for (QWidget *c : w->findChildren<QWidget *>()) {
                    if (!isControl(c) || !c->isVisible() || insideControl(c, w.get())
                        || qobject_cast<QAbstractItemView *>(c))
                        continue;
                    const QRect whole(c->mapTo(w.get(), QPoint(0, 0)), c->size());
                    auto *edit = qobject_cast<QLineEdit *>(c);
                    const int text = edit ? edit->fontMetrics().horizontalAdvance(edit->displayText()) + 8 : 0;
                    const int least = qobject_cast<QAbstractButton *>(c) ? 0 : c->minimumSizeHint().width();
                    if (seen(c, w.get()) != whole || c->width() < qMax(text, least))
                        faults << id + "/" + pages->tabText(p) + ": " + c->objectName();
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // A screen reader names every condition input by its caption.
    void everyConditionIsNamed()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY2(openDemo(t), qPrintable(t.error()));
        testing::MessageRecorder messages;
        QStringList faults;
        for (const QString &id : screenIds()) {
            std::unique_ptr<QWidget> w(ScreenRegistry::instance().create(id));
            auto *list = qobject_cast<TfrmZZS010 *>(w.get());
            if (!list)
                continue;
            for (QWidget *c : list->panSearch->findChildren<QWidget *>()) {
                const bool input = qobject_cast<QLineEdit *>(c) || qobject_cast<QComboBox *>(c)
                                   || qobject_cast<QAbstractSpinBox *>(c);
                if (input && !insideControl(c, list->panSearch) && c->accessibleName().trimmed().isEmpty())
                    faults << id + ": " + c->objectName();
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // Searching and looking through the rows is no work to lose: on every editing screen of the demo
    // database no way out then asks.
    void browsingAsksNothing()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY2(openDemo(t), qPrintable(t.error()));
        testing::MessageRecorder messages;
        QStringList faults;
        int searched = 0;
        for (const QString &id : screenIds()) {
            std::unique_ptr<QWidget> w(ScreenRegistry::instance().create(id));
            auto *screen = qobject_cast<TfrmZZI010 *>(w.get());
            if (!screen)
                continue;
            screen->show();
            QVERIFY(QTest::qWaitForWindowExposed(screen));
            screen->bbtSearchClick();
            if (screen->isSearchMode())
                continue;   // conditions of its own to fill first
            ++searched;
            for (const char *name : {"sbtLast", "sbtFirst"})
                if (auto *b = screen->findChild<QAbstractButton *>(name); b && b->isEnabled())
                    b->click();
            messages.clear();
            if (screen->hasUnsavedWork())   // what 종료, F12 and the main window's close ask on
                faults << id + ": unsaved work";
            screen->bbtCancelClick();
            if (messages.count() > 0 || !screen->isSearchMode())
                faults << id + ": " + messages.texts().join('|');
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY2(searched >= 10, qPrintable(QString::number(searched)));
    }

    // Closing the main window with work typed on two screens asks over each screen in turn, as F12 does:
    // the one the clerk lets go closes, the one kept keeps its work and keeps the program open.
    void closingTheMainWindowAsksPerScreen_data() { testing::addBackendColumn(); }
    void closingTheMainWindowAsksPerScreen()
    {
        TEST_DB_FETCH(t);
        QVERIFY2(openDemo(t), qPrintable(t.error()));
        testing::MessageRecorder messages;
        Startup().employeeNumber = "1001";
        TfrmE0Main main;
        QVERIFY(main.Initialize());
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        const QString closeQ = "변경된 자료가 있습니다.\r정말 종료하시겠습니까?";
        QVERIFY(main.OpenProgram("장비 대여", "EBI040"));
        QVERIFY(main.OpenProgram("스키대회 등록", "EDI010"));
        for (int i = 0; i < 2; ++i) {
            auto *screen = qobject_cast<TfrmEZI000 *>(main.screenAt(i));
            QVERIFY(screen);
            screen->bbtSearchClick();
            QVERIFY(!screen->isSearchMode());
        }
        auto *rental = qobject_cast<TfrmEZI000 *>(main.screenAt(0));
        testing::typeInto(rental->findChild<QLineEdit *>("edtDealName"), "김취급");
        auto *contest = qobject_cast<TfrmEZI000 *>(main.screenAt(1));
        QLineEdit *name = contest->findChild<QLineEdit *>("edtGameName");
        testing::typeInto(name, "타이핑한 대회");

        messages.answer(false);
        QTest::keyClick(&main, Qt::Key_F12);
        QCOMPARE(messages.texts(), QStringList{closeQ});
        QCOMPARE(main.screenCount(), 2);

        messages.clear();
        messages.answer(true);    // the rental counter goes
        messages.answer(false);   // the competition stays
        QVERIFY(!main.close());
        QCOMPARE(messages.texts(), (QStringList{closeQ, closeQ}));
        QCOMPARE(main.screenCount(), 1);
        QCOMPARE(main.programIdAt(0), QString("EDI010"));
        QCOMPARE(name->text(), QString("타이핑한 대회"));
        QVERIFY(main.isVisible());

        messages.clear();
        QVERIFY(main.close());
        QCOMPARE(messages.texts(), QStringList{closeQ});
        QCOMPARE(main.screenCount(), 0);
    }

    // No caption is drawn over a control, at the smallest main window and at a larger one.
    void noLabelCoversAControl_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("1024x768") << QSize(1024, 768 - 60);   // less the menu bar and the tabs
        QTest::newRow("1280x1024") << QSize(1280, 1024 - 60);
    }
    void noLabelCoversAControl()
    {
        QFETCH(QSize, size);
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY2(openDemo(t), qPrintable(t.error()));
        testing::MessageRecorder messages;
        QStringList faults;
        for (const QString &id : screenIds()) {
            std::unique_ptr<QWidget> w(ScreenRegistry::instance().create(id));
            w->setMinimumSize(1, 1);   // the page of a maximised main window has this size, whatever the screen asks
            w->resize(size);
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            for (const QString &o : overlaps(w.get()))
                faults << id + ": " + o;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestAllScreens t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_screens.moc"
