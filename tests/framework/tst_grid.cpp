// The grid table screens driven as a user would: small screens over a test table and procedure.
#include "core/startupvalues.h"
#include "database/datamodule.h"
#include "database/procedure.h"
#include "framework/ezi020.h"
#include "framework/zzi090.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include "support/typing.h"
#include <QApplication>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QtTest>

using namespace db;

namespace {
QStringList g_calls;   // "status:code" per procedure call
int g_failAt = 0;      // the call number that fails (0: none)

const char *kTable = R"(
CREATE TABLE T_GRID (CODE VARCHAR(10) NOT NULL PRIMARY KEY, NAME VARCHAR(20), KIND VARCHAR(2), AMOUNT INTEGER,
  NOTE VARCHAR(20), U_EMP_NO VARCHAR(10), U_IP VARCHAR(15), U_DATE VARCHAR(14));
INSERT INTO T_GRID (CODE, NAME, KIND, AMOUNT, NOTE) VALUES ('A', '가', '01', 1000, 'x');
INSERT INTO T_GRID (CODE, NAME, KIND, AMOUNT, NOTE) VALUES ('B', '나', '02', 2500000, 'y');
INSERT INTO T_GRID (CODE, NAME, KIND, AMOUNT, NOTE) VALUES ('C', '다', '01', -300, 'z');
)";

void registerProcedure()
{
    // A new row without code gets the next "G" number from the database.
    ProcedureCatalog::instance().add({"PR_TST020_01",
        {in("ACODE"), in("ANAME"), in("AKIND"), in("AAMOUNT"), in("AU_EMP_NO"), in("AU_IP"), in("AEDITSTATUS")},
        [](ProcedureCall &call) {
            if (call.param("AEDITSTATUS") == "2" && call.isEmpty("ACODE"))
                call.setOut("ACODE", QString("G%1").arg(call.scalar("SELECT COUNT(*) FROM T_GRID").toInt() + 1));
            g_calls.append(call.param("AEDITSTATUS") + ":" + call.param("ACODE"));
            call.saveByEditStatus("T_GRID", {"CODE"}, {"NAME", "KIND", "AMOUNT"});
            if (g_failAt && g_calls.size() == g_failAt)
                call.fail("테스트 실패");
        }});
}

// Columns: 코드, 이름, 구분 (pick list), 금액 (summed), 비고 (read-only); a header panel with inputs.
template <class Base>
class TestScreen : public Base {
public:
    TestScreen()
    {
        this->setObjectName("frmTST020");
        TEditGrid *g = this->rgrGrid;
        g->addColumn("코드", TColumn::Text, 60).bytes(10);
        g->addColumn("이름", TColumn::Text, 100).bytes(20);
        g->addColumn("구분", TColumn::Text, 60).pickList({"01", "02"}, {"개인", "법인"});
        g->addColumn("금액", TColumn::Number, 90).summed();
        g->addColumn("비고", TColumn::Text, 60).readOnly();
        g->setFooterCaption(0, "합계");
        edtCond = this->conditions()->addEdit("edtCond", "이름");
        this->panMaster->show();
        auto *row = new QHBoxLayout(this->panMaster);
        wmeJoinDate = new TMaskEdit("9999-99-99", this->panMaster);
        wmeJoinDate->setObjectName("wmeJoinDate");
        wlbJoinDate = new QLabel(this->panMaster);
        wlbJoinDate->setObjectName("wlbJoinDate");
        sbtJoinDate = new QToolButton(this->panMaster);
        sbtJoinDate->setObjectName("sbtJoinDate");
        sbtJoinDate->setFocusPolicy(Qt::NoFocus);
        edtNote = new TEdit(this->panMaster);
        edtNote->setObjectName("edtNote");
        bbtNote = new QPushButton("...", this->panMaster);
        bbtNote->setObjectName("bbtNote");
        wneCount = new TNumericEdit(this->panMaster);
        wneCount->setObjectName("wneCount");
        cboKind = new TCodeCombo(this->panMaster);
        cboKind->setObjectName("cboKind");
        cboKind->setItems({"01", "02"}, {"개인", "법인"});
        for (QWidget *w : std::initializer_list<QWidget *>{wmeJoinDate, wlbJoinDate, sbtJoinDate, edtNote, bbtNote, wneCount, cboKind})
            row->addWidget(w);
        this->qryQuery->setSql("SELECT CODE, NAME, KIND, AMOUNT, NOTE FROM T_GRID ORDER BY CODE");
        this->prcProc->setProcedure("PR_TST020_01");
    }
    bool ExecuteRow() override
    {
        savedRowIds.append(this->savingRowId());
        return Base::ExecuteRow();
    }
    QStringList savedRowIds;
    TEdit *edtCond, *edtNote;
    TMaskEdit *wmeJoinDate;
    QLabel *wlbJoinDate;
    QToolButton *sbtJoinDate;
    QPushButton *bbtNote;
    TNumericEdit *wneCount;
    TCodeCombo *cboKind;
};
using TfrmTST020 = TestScreen<TfrmEZI020>;
using TfrmTST090 = TestScreen<TfrmZZI090>;

enum { Code, Name, Kind, Amount, Note };
} // namespace

class TestGridScreen : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestDatabase> t;
    std::unique_ptr<TGridTableScreen> s;
    std::unique_ptr<testing::MessageRecorder> rec;

    template <class Screen = TfrmTST020>
    Screen *open(int backend)
    {
        t = std::make_unique<testing::TestDatabase>(static_cast<Backend>(backend));
        if (!t->ok() || !t->run(kTable))
            return nullptr;
        DM()->attach(t->database());
        rec = std::make_unique<testing::MessageRecorder>();
        auto *screen = new Screen;
        s.reset(screen);
        s->resize(900, 600);
        s->show();
        g_calls.clear();
        g_failAt = 0;
        return QTest::qWaitForWindowActive(s.get()) ? screen : nullptr;
    }
    TEditGrid *grid() const { return s->rgrGrid; }
    QString rows() const
    {
        db::Query q(t->database());
        q.setSql("SELECT CODE, NAME, KIND, AMOUNT FROM T_GRID ORDER BY CODE");
        QStringList out;
        if (q.open())
            while (q.next())
                out.append(q.value(0) + "=" + q.value(1) + "/" + q.value(2) + "/" + q.value(3));
        return out.join(',');
    }
    // Types into a cell as a user does: the first key opens the editor, Enter hands the text over.
    void typeCell(int row, int column, const QString &text)
    {
        grid()->setCurrentCell(row, column);
        grid()->setFocus();
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    int rowOf(const QString &code) const
    {
        for (int r = 0; r < grid()->rowCount(); ++r)
            if (grid()->cell(r, Code) == code)
                return r;
        return -1;
    }

private slots:
    void initTestCase()
    {
        registerProcedure();
        Startup().employeeNumber = "E77";
        Startup().workstationAddress = "10.0.0.7";
    }
    void cleanup() { s.reset(); rec.reset(); t.reset(); }

    void saveEditSaveSendsEachRowOnce_data() { testing::addBackendColumn(); }
    void saveEditSaveSendsEachRowOnce()
    {
        QFETCH(int, backend);
        auto *scr = open(backend);
        QVERIFY(scr);
        QCOMPARE(QApplication::focusWidget(), scr->edtCond);   // the screen opens on its first condition
        s->bbtSearchClick();
        QCOMPARE(grid()->rowCount(), 3);
        QCOMPARE(grid()->cell(2, "RowID"), QString("3"));
        QVERIFY(grid()->isColumnHidden(grid()->columnByTitle("RowID")));
        QCOMPARE(grid()->cellLabel(1, Kind), QString("법인"));
        QCOMPARE(grid()->rowState(0), 1);

        // a row typed in at the end (Down on the last row opens it), then saved
        grid()->setCurrentCell(2, Code);
        QTest::keyClick(grid(), Qt::Key_Down);
        QCOMPARE(grid()->rowCount(), 4);
        QCOMPARE(grid()->rowState(3), 2);
        typeCell(3, Code, "N1");
        typeCell(3, Amount, "50");
        QVERIFY(s->isModified());
        s->bbtSaveClick();
        QCOMPARE(rec->texts(), QStringList{"저장 하시겠습니까?"});
        QCOMPARE(g_calls, QStringList{"2:N1"});
        QCOMPARE(t->scalar("SELECT U_EMP_NO || '@' || U_IP FROM T_GRID WHERE CODE = 'N1'"), QString("E77@10.0.0.7"));
        QCOMPARE(s->statusMessage(), QString("자료를 저장했습니다."));
        QVERIFY(s->isSaved());
        QCOMPARE(grid()->rowCount(), 4);              // not reloaded
        QCOMPARE(grid()->cell(3, "RowID"), QString("4"));
        QCOMPARE(grid()->rowState(3), 1);             // stored now

        // edited after saving: changed, not inserted a second time
        grid()->editCell(3, Name, "새이름");
        rec->clear();
        g_calls.clear();
        s->bbtSaveClick();
        QCOMPARE(rec->texts(), QStringList{"저장 하시겠습니까?"});
        QCOMPARE(g_calls, QStringList{"1:N1"});
        QCOMPARE(t->count("T_GRID"), 4);
        QCOMPARE(t->scalar("SELECT NAME FROM T_GRID WHERE CODE = 'N1'"), QString("새이름"));

        // nothing changed since: said so, and nothing sent
        rec->clear();
        s->bbtSaveClick();
        QCOMPARE(rec->texts(), QStringList{"변경된 자료가 없습니다."});
        QCOMPARE(rec->kinds(), QList<MessageKind>{MessageKind::Error});

        // one entry per row however often it is changed; a changed row deleted sends both; a row
        // added and deleted again sends nothing; an empty new row goes when it is left
        g_calls.clear();
        for (const QString &name : {"하나", "둘", "셋"}) {
            grid()->editCell(0, Name, name);
            grid()->setCurrentRow(1);
            grid()->setCurrentRow(0);
        }
        grid()->editCell(1, Amount, "7");
        grid()->setCurrentRow(2);
        grid()->setCurrentRow(1);
        s->bbtDeleteClick();
        QCOMPARE(rec->last(), QString("자료를 삭제하시겠습니까?"));
        s->bbtAddClick();
        grid()->editCell(grid()->currentRow(), Code, "X");
        grid()->setCurrentRow(0);
        grid()->setCurrentRow(grid()->rowCount() - 1);
        s->bbtDeleteClick();
        s->bbtAddClick();
        QCOMPARE(grid()->rowCount(), 4);
        grid()->setCurrentRow(0);
        QCOMPARE(grid()->rowCount(), 3);
        QCOMPARE(s->changeBuffer().size(), 3);
        s->bbtSaveClick();
        QCOMPARE(g_calls, (QStringList{"1:A", "1:B", "3:B"}));
        QCOMPARE(rows(), QString("A=셋/01/1000,C=다/01/-300,N1=새이름//50"));
    }

    void keysGivenByTheDatabaseAreSearchedAgain_data() { testing::addBackendColumn(); }
    void keysGivenByTheDatabaseAreSearchedAgain()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        s->setSearchAfterSave(true);
        s->bbtSearchClick();
        grid()->sortBy(Code);
        grid()->sortBy(Code);                              // descending: C, B, A
        s->bbtAddClick();
        grid()->editCell(3, Name, "자동");
        s->bbtSaveClick();
        QCOMPARE(g_calls, QStringList{"2:G4"});
        QCOMPARE(grid()->rowCount(), 4);
        QCOMPARE(grid()->currentRow(), 3);                 // the same row number
        QCOMPARE(grid()->cell(0, Code), QString("G4"));    // read again in the chosen order
        QCOMPARE(grid()->cell(3, Code), QString("A"));
        QCOMPARE(s->statusMessage(), QString("자료를 저장했습니다."));
        grid()->editCell(0, Amount, "9");
        g_calls.clear();
        s->bbtSaveClick();
        QCOMPARE(g_calls, QStringList{"1:G4"});
        QCOMPARE(t->count("T_GRID"), 4);
    }

    void failedSaveKeepsEveryChangeForTheRetry_data() { testing::addBackendColumn(); }
    void failedSaveKeepsEveryChangeForTheRetry()
    {
        QFETCH(int, backend);
        auto *scr = open(backend);
        QVERIFY(scr);
        const QString before = rows();
        s->bbtSearchClick();
        grid()->editCell(0, Amount, "11");
        grid()->editCell(1, Amount, "22");
        s->bbtAddClick();
        grid()->editCell(3, Code, "N");
        g_failAt = 2;
        s->bbtSaveClick();
        QCOMPARE(g_calls, (QStringList{"1:A", "1:B"}));
        QCOMPARE(rec->last(), QString("자료를 저장하지 못했습니다.\r\r에러내용:\r테스트 실패"));
        QCOMPARE(rows(), before);                       // the first call was rolled back too
        QVERIFY(!t->database()->inTransaction());
        QVERIFY(!s->isSaved() && s->isModified());
        QCOMPARE(s->changeBuffer().size(), 3);
        QCOMPARE(grid()->rowState(3), 2);
        g_failAt = 0;
        g_calls.clear();
        scr->savedRowIds.clear();
        s->bbtSaveClick();
        QCOMPARE(g_calls, (QStringList{"1:A", "1:B", "2:N"}));
        QCOMPARE(scr->savedRowIds, (QStringList{"1", "2", "4"}));   // the hook knows the row being saved
        QCOMPARE(rows(), QString("A=가/01/11,B=나/02/22,C=다/01/-300,N=//"));
    }

    void blockFillCopiesTheSourceCells_data() { testing::addBackendColumn(); }
    void blockFillCopiesTheSourceCells()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        s->bbtSearchClick();
        grid()->setCurrentCell(0, Name);
        grid()->setFocus();
        // Ctrl stays held: each press sends the Ctrl key down again, never up
        QTest::keyPress(grid(), Qt::Key_Right, Qt::ControlModifier);
        QTest::keyPress(grid(), Qt::Key_Right, Qt::ControlModifier);
        QTest::keyPress(grid(), Qt::Key_Right, Qt::ControlModifier);   // 이름 … 비고 (read-only)
        const QModelIndex source = grid()->gridModel()->index(0, Amount);
        QVERIFY(source.data(Qt::BackgroundRole).isValid());
        QVERIFY(!grid()->gridModel()->index(0, Code).data(Qt::BackgroundRole).isValid());
        for (int i = 0; i < 3; ++i)   // the third finds no row below: none is added
            QTest::keyPress(grid(), Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(grid()->rowCount(), 3);
        QVERIFY(grid()->isBlockActive());
        QTest::keyRelease(grid(), Qt::Key_Control);
        QVERIFY(!grid()->isBlockActive());
        QVERIFY(!source.data(Qt::BackgroundRole).isValid());
        for (int r : {1, 2}) {
            QCOMPARE(grid()->cell(r, Name), QString("가"));
            QCOMPARE(grid()->cell(r, Kind), QString("01"));
            QCOMPARE(grid()->cell(r, Amount), QString("1000"));
        }
        QCOMPARE(grid()->cell(1, Note), QString("y"));
        QCOMPARE(grid()->cell(1, Code), QString("B"));
        QCOMPARE(grid()->footerText(Amount), QString("3,000"));
        QVERIFY(s->isModified());
        s->bbtSaveClick();
        QCOMPARE(g_calls, (QStringList{"1:B", "1:C"}));
        QCOMPARE(rows(), QString("A=가/01/1000,B=가/01/1000,C=가/01/1000"));
    }

    void sortingKeepsPendingChanges_data() { testing::addBackendColumn(); }
    void sortingKeepsPendingChanges()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        s->bbtSearchClick();
        QHeaderView *header = grid()->horizontalHeader();
        auto clickTitle = [&](int column) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        };
        grid()->editCell(1, Name, "바뀜");
        grid()->setCurrentRow(0);                          // posted: B has its entry
        QCOMPARE(s->changeBuffer().size(), 1);
        clickTitle(Amount);
        QCOMPARE(grid()->sortColumn(), Amount);
        QCOMPARE(grid()->sortOrder(), Qt::AscendingOrder);
        QVERIFY(header->isSortIndicatorShown());
        QCOMPARE(header->sortIndicatorSection(), int(Amount));
        QCOMPARE(grid()->cell(0, Code), QString("C"));
        QCOMPARE(grid()->cell(grid()->currentRow(), Code), QString("A"));   // the cursor stays on its record
        clickTitle(Amount);
        QCOMPARE(grid()->sortOrder(), Qt::DescendingOrder);
        QCOMPARE(grid()->cell(0, Code), QString("B"));
        clickTitle(Name);                                  // only that column shows the mark
        QCOMPARE(header->sortIndicatorSection(), int(Name));
        QCOMPARE(grid()->sortOrder(), Qt::AscendingOrder);
        // the same record changed again at its new place, another one deleted
        grid()->editCell(rowOf("B"), Amount, "5");
        grid()->setCurrentRow(rowOf("C"));
        QCOMPARE(s->changeBuffer().size(), 1);             // B's entry, updated in place
        s->bbtDeleteClick();
        QCOMPARE(s->changeBuffer().size(), 2);
        s->bbtSaveClick();
        QCOMPARE(g_calls, (QStringList{"1:B", "3:C"}));
        QCOMPARE(rows(), QString("A=가/01/1000,B=바뀜/02/5"));
    }

    void footerSumsFollowTheRows_data() { testing::addBackendColumn(); }
    void footerSumsFollowTheRows()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        QCOMPARE(FormatThousands(-1234567), QString("-1,234,567"));
        QCOMPARE(FormatThousands(0), QString("0"));
        s->bbtSearchClick();
        QCOMPARE(grid()->footerText(Amount), QString("2,500,700"));
        QCOMPARE(grid()->footerText(Code), QString("합계"));
        QCOMPARE(grid()->footerText(Name), QString());
        typeCell(2, Amount, "1234");
        QCOMPARE(grid()->footerText(Amount), QString("2,502,234"));
        grid()->setCurrentRow(1);
        s->bbtDeleteClick();
        QCOMPARE(grid()->footerText(Amount), QString("2,234"));
    }

    void cancelOfTheMemberScreenEmptiesTheDataArea_data() { testing::addBackendColumn(); }
    void cancelOfTheMemberScreenEmptiesTheDataArea()
    {
        QFETCH(int, backend);
        auto *scr = open(backend);
        QVERIFY(scr);
        s->bbtSearchClick();
        scr->edtNote->setText("메모");
        scr->wneCount->setValue(5);
        scr->cboKind->setCurrentIndex(1);
        scr->wmeJoinDate->setValue("20261209");
        QCOMPARE(scr->wlbJoinDate->text(), QString("수요일"));
        grid()->sortBy(Name);
        s->bbtCancelClick();                                // nothing changed: no question
        QCOMPARE(rec->count(), 0);
        QVERIFY(s->isSearchMode());
        QCOMPARE(scr->edtNote->text(), QString());
        QCOMPARE(scr->wneCount->value(), 0);
        QCOMPARE(scr->cboKind->currentIndex(), 0);
        QCOMPARE(scr->wlbJoinDate->text(), QString());
        QVERIFY(!grid()->horizontalHeader()->isSortIndicatorShown());
        QCOMPARE(grid()->rowCount(), 0);
        QCOMPARE(s->rowCounter(), 0);
        QVERIFY(!scr->edtNote->isEnabled() && scr->edtCond->isEnabled());

        s->bbtSearchClick();
        QCOMPARE(grid()->cell(0, "RowID"), QString("1"));   // the counter starts again
        grid()->editCell(0, Name, "x");
        rec->answer(false);
        s->bbtCancelClick();
        QCOMPARE(rec->texts(), QStringList{"변경된 자료가 있습니다. 자료를 취소하시겠습니까?"});
        QVERIFY(!s->isSearchMode());
        QCOMPARE(grid()->rowCount(), 3);
        s->bbtCancelClick();
        QVERIFY(s->isSearchMode());
        QCOMPARE(s->changeBuffer().size(), 0);
        QVERIFY(g_calls.isEmpty());
    }

    // A cell just typed, its editor still open, is a change: Cancel, 종료 and the close request (F12, the
    // main window) ask first, and "아니요" keeps the text. Down on the last row adds a row only where Add
    // may.
    void typedCellAsksAndDownAddsOnlyWhereAddMay_data() { testing::addBackendColumn(); }
    void typedCellAsksAndDownAddsOnlyWhereAddMay()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        s->bbtSearchClick();
        grid()->setCurrentCell(1, Name);
        grid()->setFocus();
        QTest::keyClick(grid(), 'q');   // the editor opens with the key; nothing handed over yet
        QVERIFY(!s->isModified());
        for (int i = 0; i < 3; ++i)
            rec->answer(false);
        s->bbtCancelClick();
        s->bbtClose->click();
        QVERIFY(!s->close());
        QCOMPARE(rec->texts(), (QStringList{"변경된 자료가 있습니다. 자료를 취소하시겠습니까?",
                                            "변경된 자료가 있습니다. 정말 종료하시겠습니까?",
                                            "변경된 자료가 있습니다. 정말 종료하시겠습니까?"}));
        QVERIFY(!s->isSearchMode() && s->isVisible());
        QCOMPARE(grid()->cell(1, Name), QString("q"));

        grid()->setCurrentCell(2, Code);
        QTest::keyClick(grid(), Qt::Key_Down);
        QCOMPARE(grid()->rowCount(), 4);
        QCOMPARE(grid()->rowState(3), 2);
        QTest::keyClick(grid(), Qt::Key_Up);   // left empty: it goes
        QCOMPARE(grid()->rowCount(), 3);
        s->bbtAdd->hide();
        grid()->setCurrentCell(2, Code);
        QTest::keyClick(grid(), Qt::Key_Down);
        QCOMPARE(grid()->rowCount(), 3);
        s->bbtAdd->show();
        s->bbtAdd->setEnabled(false);
        QTest::keyClick(grid(), Qt::Key_Down);
        QCOMPARE(grid()->rowCount(), 3);
    }

    void lockerScreenTextsCancelAndBulkRows_data() { testing::addBackendColumn(); }
    void lockerScreenTextsCancelAndBulkRows()
    {
        QFETCH(int, backend);
        auto *scr = open<TfrmTST090>(backend);
        QVERIFY(scr);
        s->bbtSearchClick();
        s->bbtSaveClick();
        QCOMPARE(rec->texts(), QStringList{"변경된 데이타가 존재하지 않습니다."});
        rec->answer(false);
        s->bbtDeleteClick();
        QCOMPARE(rec->last(), QString("현재 자료를 삭제하시겠습니까?"));
        QCOMPARE(grid()->rowCount(), 3);
        // rows the program adds are sent as new records, and as changed ones after that
        const int row = s->appendRecord({"L1", "사물함", "01", "30000"});
        QCOMPARE(grid()->rowState(row), 0);
        QCOMPARE(grid()->cell(row, "RowID"), QString("4"));
        g_calls.clear();
        s->bbtSaveClick();
        QCOMPARE(g_calls, QStringList{"2:L1"});
        grid()->editCell(row, Amount, "40000");
        g_calls.clear();
        s->bbtSaveClick();
        QCOMPARE(g_calls, QStringList{"1:L1"});
        QCOMPARE(t->scalar("SELECT AMOUNT FROM T_GRID WHERE CODE = 'L1'"), QString("40000"));

        scr->edtNote->setText("그대로");
        grid()->editCell(0, Name, "y");
        rec->clear();
        s->bbtCancelClick();
        QCOMPARE(rec->texts(), QStringList{"변경된 자료가 있습니다. 정말 취소하시겠습니까?"});
        QVERIFY(s->isSearchMode());
        QCOMPARE(grid()->rowCount(), 0);
        QCOMPARE(scr->edtNote->text(), QString("그대로"));   // only the grid rows go
        QVERIFY(!scr->edtNote->isEnabled());
    }

    void inputsFollowTheirNames_data() { testing::addBackendColumn(); }
    void inputsFollowTheirNames()
    {
        QFETCH(int, backend);
        auto *scr = open(backend);
        QVERIFY(scr);
        int lookups = 0, notes = 0;
        connect(scr->sbtJoinDate, &QToolButton::clicked, this, [&] { ++lookups; });
        connect(scr->bbtNote, &QPushButton::clicked, this, [&] { ++notes; });
        QCOMPARE(scr->edtCond->palette().color(QPalette::Base), QColor(255, 255, 204));
        // in search mode the data area is disabled and looks it: not a white field to type in
        QVERIFY(!scr->edtNote->isEnabled());
        const QColor disabled = scr->edtNote->palette().color(QPalette::Disabled, QPalette::Base);
        QCOMPARE(disabled, QApplication::palette().color(QPalette::Disabled, QPalette::Window));
        QVERIFY(disabled != QColor(Qt::white));
        s->bbtSearchClick();
        QVERIFY(scr->edtCond->palette().color(QPalette::Base) != QColor(255, 255, 204));

        scr->wmeJoinDate->setFocus();
        QCOMPARE(scr->wmeJoinDate->palette().color(QPalette::Base), QColor(255, 255, 204));
        QTest::keyClicks(scr->wmeJoinDate, "2026a12x09");     // letters are refused
        QCOMPARE(scr->wmeJoinDate->value(), QString("20261209"));
        QCOMPARE(scr->wlbJoinDate->text(), QString("수요일"));
        scr->wmeJoinDate->setValue("20261340");
        QCOMPARE(scr->wlbJoinDate->text(), QString());
        QTest::keyClick(scr->wmeJoinDate, Qt::Key_F1);        // sbt + suffix
        QCOMPARE(lookups, 1);
        QTest::keyClick(scr->wmeJoinDate, Qt::Key_Return);   // Enter moves on
        QCOMPARE(QApplication::focusWidget(), scr->edtNote);
        QCOMPARE(scr->wmeJoinDate->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
        QTest::keyClick(scr->edtNote, Qt::Key_F1);           // no sbtNote: bbt + suffix
        QCOMPARE(notes, 1);
        scr->bbtNote->setEnabled(false);
        QTest::keyClick(scr->edtNote, Qt::Key_F1);
        QCOMPARE(notes, 1);

        // Tab leaves the grid instead of moving between its cells
        grid()->setCurrentCell(0, Code);
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != grid());
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_Return);              // Enter: the next cell
        QCOMPARE(grid()->currentIndex().column(), int(Name));
    }

    void missingStatementAndEmptyResult_data() { testing::addBackendColumn(); }
    void missingStatementAndEmptyResult()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        s->qryQuery->setSql(QString());
        s->bbtSearchClick();
        QCOMPARE(rec->texts(), QStringList{"qryQuery의 쿼리문이 없습니다."});
        QVERIFY(s->isSearchMode());
        s->qryQuery->setSql("SELECT CODE, NAME, KIND, AMOUNT, NOTE FROM T_GRID WHERE CODE = 'none'");
        s->bbtSearchClick();
        QVERIFY(!s->isSearchMode());
        QCOMPARE(s->statusMessage(), QString("조회할 내용이 없습니다."));
        QCOMPARE(grid()->rowCount(), 0);
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestGridScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_grid.moc"
