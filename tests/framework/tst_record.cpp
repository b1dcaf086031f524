// The record input screen driven as a user would: a small screen over a test table and procedure.
#include "database/datamodule.h"
#include "core/startupvalues.h"
#include "database/procedure.h"
#include "framework/ezh999.h"
#include "framework/ezi000.h"
#include <QListWidget>
#include <QTableWidget>
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include "support/typing.h"
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QtTest>

using namespace db;

namespace {
QStringList g_calls;   // "status:item" per procedure call
int g_failAt = 0;      // the call number that fails (0: none)

const char *kTable = R"(
CREATE TABLE T_REC (KIND VARCHAR(2) NOT NULL, ITEM_NO VARCHAR(10) NOT NULL, ITEM_NAME VARCHAR(30),
  QTY INTEGER, U_EMP_NO VARCHAR(10), U_IP VARCHAR(15), U_DATE VARCHAR(14), PRIMARY KEY (KIND, ITEM_NO));
)";

void registerProcedure()
{
    ProcedureCatalog::instance().add({"PR_TST011_01",
        {in("AAREA"), in("ANO"), in("ANAME"), in("AX"), in("AY"), in("AU_EMP_NO"), in("AU_IP"), in("AEDITSTATUS")},
        [](ProcedureCall &call) { call.saveByEditStatus("T_POS", {"AREA", "NO"}, {"NAME", "X", "Y"}); }});
    ProcedureCatalog::instance().add({"PR_TST010_01",
        {in("AKIND"), in("AITEM_NO"), in("AITEM_NAME"), in("AQTY"), in("AU_EMP_NO"), in("AU_IP"), in("AEDITSTATUS")},
        [](ProcedureCall &call) {
            g_calls.append(call.param("AEDITSTATUS") + ":" + call.param("AITEM_NO"));
            call.saveByEditStatus("T_REC", {"KIND", "ITEM_NO"}, {"ITEM_NAME", "QTY"});
            if (g_failAt && g_calls.size() == g_failAt)
                call.fail("테스트 실패");
        }});
}

class TfrmTST010 : public TfrmEZI000 {
public:
    TfrmTST010()
    {
        setObjectName("frmTST010");
        grid()->addColumn("종류", TColumn::Text, 60).pickList({"01", "02"}, {"스키", "보드"}).key();
        grid()->addColumn("품번", TColumn::Text, 80).key();
        grid()->addColumn("품명", TColumn::Text, 150);
        grid()->addColumn("수량", TColumn::Number, 60);
        cboKind = body()->addCodeCombo("cboKind", "*종류", "종류");
        edtItemNo = body()->addEdit("edtItemNo", "*품번", "품번", 10);
        edtName = body()->addEdit("edtName", "품명", "품명", 30);
        wneQty = body()->addNumericEdit("wneQty", "수량", "수량", 4);
        edtCond = conditions()->addEdit("edtCond", "품명");
        qryQuery->setSql("SELECT KIND, ITEM_NO, ITEM_NAME, QTY FROM T_REC ORDER BY ITEM_NO");
        prcSaveData->setProcedure("PR_TST010_01");
    }
    bool validateRow() override
    {
        if (edtItemNo->text().isEmpty())
            return refuse(edtItemNo, enterFirst("*품번"));
        if (IsDuplicateKey())
            return refuse(edtItemNo, "기존 등록된 자료와 중복됩니다. 다시 입력하십시오.");
        return true;
    }
    TCodeCombo *cboKind;
    TEdit *edtItemNo, *edtName, *edtCond;
    TNumericEdit *wneQty;
};

// A picture marker: one control showing two columns, bound through its USER property.
class TMarker : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QStringList position READ position WRITE setPosition NOTIFY positionChanged USER true)
public:
    QStringList position() const { return m_position; }
    void setPosition(const QStringList &p) { if (p != m_position) { m_position = p; emit positionChanged(); } }
signals:
    void positionChanged();
private:
    QStringList m_position;
};

const char *kPosTable = R"(
CREATE TABLE T_POS (AREA VARCHAR(2) NOT NULL, NO VARCHAR(4) NOT NULL, NAME VARCHAR(20), X VARCHAR(4), Y VARCHAR(4),
  PRIMARY KEY (AREA, NO));
INSERT INTO T_POS VALUES ('1', '01', '매표소', '10', '20');
INSERT INTO T_POS VALUES ('2', '02', '렌탈샵', '30', '40');
)";

// A screen described by its field table only, with a marker of its own.
class TfrmTST011 : public TfrmEZI000 {
public:
    TfrmTST011()
    {
        setFields({
            Condition("AREA", "*구역", BIND(cboArea)).code({"1", "2"}, {"동", "서"}),
            Field("NO", "번호", BIND(wlbNo)),
            Field("NAME", "*이름", BIND(edtName)).bytes(20),
            Column("X", "X좌표").hidden(),
            Column("Y", "Y좌표").hidden(),
        });
        marker = new TMarker;
        BindByUserProperty(marker, {"X좌표", "Y좌표"});
        body()->addControl("위치", marker);
        setLoadQuery("FROM T_POS WHERE AREA = :AREA ORDER BY NO");
        prcSaveData->setProcedure("PR_TST011_01");
    }
    TCodeCombo *cboArea;
    TLabel *wlbNo;
    TEdit *edtName;
    TMarker *marker;
};

using testing::typeInto;
} // namespace

class TestRecordScreen : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestDatabase> t;
    std::unique_ptr<TfrmTST010> s;
    std::unique_ptr<testing::MessageRecorder> rec;

    bool open(int backend, const QString &rows)
    {
        t = std::make_unique<testing::TestDatabase>(static_cast<Backend>(backend));
        if (!t->ok() || !t->run(kTable) || (!rows.isEmpty() && !t->run(rows)))
            return false;
        DM()->attach(t->database());
        rec = std::make_unique<testing::MessageRecorder>();
        s = std::make_unique<TfrmTST010>();
        s->resize(900, 600);
        s->show();
        g_calls.clear();
        g_failAt = 0;
        return QTest::qWaitForWindowActive(s.get());
    }
    QString rows() const
    {
        db::Query q(t->database());
        q.setSql("SELECT KIND, ITEM_NO, ITEM_NAME, QTY FROM T_REC ORDER BY ITEM_NO");
        QStringList out;
        if (q.open())
            while (q.next())
                out.append(q.value(0) + q.value(1) + "=" + q.value(2) + "/" + q.value(3));
        return out.join(',');
    }
    static QString threeRows()
    {
        return "INSERT INTO T_REC (KIND, ITEM_NO, ITEM_NAME, QTY) VALUES ('01', 'A', '스키A', 1);\n"
               "INSERT INTO T_REC (KIND, ITEM_NO, ITEM_NAME, QTY) VALUES ('02', 'B', '보드B', 2);\n"
               "INSERT INTO T_REC (KIND, ITEM_NO, ITEM_NAME, QTY) VALUES ('01', 'C', '스키C', 3);\n"
               "INSERT INTO T_REC (KIND, ITEM_NO, ITEM_NAME, QTY) VALUES ('01', 'D', '스키D', 4);\n";
    }

private slots:
    void initTestCase()
    {
        registerProcedure();
        Startup().employeeNumber = "E77";
        Startup().workstationAddress = "10.0.0.7";
        Startup().userName = "홍길동";
    }
    void cleanup() { s.reset(); rec.reset(); t.reset(); }

    void emptySearchOpensOneNewRecord_data() { testing::addBackendColumn(); }
    void emptySearchOpensOneNewRecord()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend, {}));
        QVERIFY(s->edtCond->isEnabled());
        QVERIFY(!s->edtName->isEnabled() && !s->bbtSave->isEnabled());
        QTest::keyClick(s.get(), Qt::Key_F2);   // disabled in search mode: nothing at all
        QCOMPARE(rec->count(), 0);
        QTest::keyClick(s.get(), Qt::Key_F3);
        QCOMPARE(s->grid()->rowCount(), 1);
        QVERIFY(s->edtItemNo->isEnabled() && s->cboKind->isEnabled());
        QVERIFY(!s->edtCond->isEnabled() && !s->bbtSearch->isEnabled());
        QCOMPARE(s->grid()->cellLabel(0, 0), QString("스키"));   // a new record takes the first code
        QCOMPARE(s->wneQty->text(), QString("0"));
        // Add on the blank row adds nothing.
        s->bbtAdd->click();
        QCOMPARE(s->grid()->rowCount(), 1);
        // Saving without the key asks for it.
        s->bbtSave->click();
        QCOMPARE(rec->last(), QString("*품번을(를) 먼저 입력하십시오."));
        QVERIFY(g_calls.isEmpty());
        typeInto(s->edtItemNo, "N1");
        typeInto(s->edtName, "새장비");
        typeInto(s->wneQty, "12");
        s->cboKind->setCurrentIndex(1);
        QCOMPARE(s->grid()->cell(0, "품명"), QString("새장비"));
        rec->clear();
        QTest::keyClick(s->edtName, Qt::Key_F2);
        QCOMPARE(rec->texts(), QStringList{"저장 하시겠습니까?"});
        QCOMPARE(g_calls, QStringList{"2:N1"});
        QCOMPARE(rows(), QString("02N1=새장비/12"));
        QCOMPARE(t->scalar("SELECT U_EMP_NO || '@' || U_IP FROM T_REC"), QString("E77@10.0.0.7"));
        QCOMPARE(s->statusMessage(), QString("자료를 저장했습니다."));
        // Reloaded: a loaded row with its key locked, nothing pending.
        QCOMPARE(s->grid()->rowCount(), 1);
        QCOMPARE(s->grid()->cell(0, "TEMP"), QString("Y"));
        QVERIFY(!s->edtItemNo->isEnabled());
        QCOMPARE(s->pendingCount(), 0);
    }

    void changesAndDeleteSaveInOrder_data() { testing::addBackendColumn(); }
    void changesAndDeleteSaveInOrder()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend, threeRows()));
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 4);
        QCOMPARE(s->grid()->cellLabel(1, 0), QString("보드"));
        QCOMPARE(s->cboKind->currentText(), QString("스키"));
        typeInto(s->edtName, "바뀐A");
        QTest::keyClick(s->edtName, Qt::Key_Down);    // leaving the row posts it
        QCOMPARE(s->grid()->currentRow(), 1);
        QCOMPARE(s->edtName->text(), QString("보드B"));
        typeInto(s->wneQty, "9");
        s->sbtNext->click();
        QCOMPARE(s->pendingCount(), 2);
        // Delete row C (asks), then add a row and delete it again: it leaves no entry.
        s->bbtDelete->click();
        QCOMPARE(rec->last(), QString("현재 자료를 삭제하시겠습니까?"));
        QCOMPARE(s->grid()->rowCount(), 3);
        s->bbtAdd->click();
        QCOMPARE(s->grid()->currentRow(), 3);
        QVERIFY(s->edtItemNo->isEnabled());
        typeInto(s->edtItemNo, "X");
        s->bbtDelete->click();
        QCOMPARE(s->pendingCount(), 3);
        s->bbtAdd->click();
        typeInto(s->edtItemNo, "E");
        typeInto(s->edtName, "새");
        s->grid()->setCurrentRow(1);   // the row to come back to after the reload
        s->bbtSave->click();
        QCOMPARE(g_calls, (QStringList{"1:A", "1:B", "3:C", "2:E"}));
        QCOMPARE(rows(), QString("01A=바뀐A/1,02B=보드B/9,01D=스키D/4,01E=새/0"));
        QCOMPARE(s->grid()->rowCount(), 4);
        QCOMPARE(s->grid()->currentRow(), 1);
        QCOMPARE(s->edtName->text(), QString("보드B"));
    }

    void failedSaveRollsBackAndRetriesEachOnce_data() { testing::addBackendColumn(); }
    void failedSaveRollsBackAndRetriesEachOnce()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend, threeRows()));
        const QString before = rows();
        s->bbtSearchClick();
        for (int r = 0; r < 4; ++r) {
            s->grid()->setCurrentRow(r);
            typeInto(s->wneQty, QString::number(50 + r));
        }
        s->bbtAdd->click();
        typeInto(s->edtItemNo, "F");
        g_failAt = 3;
        rec->clear();
        s->bbtSave->click();
        QCOMPARE(g_calls.size(), 3);
        QCOMPARE(rec->last(), QString("자료를 저장하지 못했습니다.\r\r에러내용:\r테스트 실패"));
        QCOMPARE(rows(), before);                       // the first two calls were rolled back too
        QVERIFY(!t->database()->inTransaction());
        QCOMPARE(s->pendingCount(), 4);                 // every change is still pending
        QCOMPARE(s->grid()->rowCount(), 5);
        QCOMPARE(s->grid()->cell(0, "수량"), QString("50"));
        // The repeated save sends every change once.
        g_failAt = 0;
        g_calls.clear();
        s->bbtSave->click();
        QCOMPARE(g_calls, (QStringList{"1:A", "1:B", "1:C", "1:D", "2:F"}));
        QCOMPARE(rows(), QString("01A=스키A/50,02B=보드B/51,01C=스키C/52,01D=스키D/53,01F=/0"));
        QCOMPARE(s->statusMessage(), QString("자료를 저장했습니다."));
    }

    // Whatever was typed and not saved makes every way out ask (Cancel, 종료, the close request that F12
    // and the main window send): an edit of the row on screen not yet left, a typed new record.
    // "아니요" keeps every value; rows only looked at ask nothing.
    void everyWayOutAsksForTypedWork_data() { testing::addBackendColumn(); }
    void everyWayOutAsksForTypedWork()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend, threeRows()));
        const QString cancelQ = "변경된 자료가 있습니다.\r정말 취소하시겠습니까?";
        const QString closeQ = "변경된 자료가 있습니다.\r정말 종료하시겠습니까?";
        s->bbtSearchClick();
        s->sbtLast->click();
        s->bbtCancelClick();
        QCOMPARE(rec->count(), 0);
        QVERIFY(s->isSearchMode());
        QCOMPARE(s->grid()->rowCount(), 0);
        QVERIFY(s->edtCond->isEnabled() && !s->bbtCancel->isEnabled());

        auto everyWayOut = [&] {
            rec->clear();
            for (int i = 0; i < 3; ++i)
                rec->answer(false);
            s->bbtCancelClick();
            s->bbtClose->click();
            const bool closed = s->close();
            return closed ? QStringList{"closed"} : rec->texts();
        };
        s->bbtSearchClick();
        typeInto(s->edtName, "변경");   // the row is not left: nothing is pending yet
        QCOMPARE(s->pendingCount(), 0);
        QCOMPARE(everyWayOut(), (QStringList{cancelQ, closeQ, closeQ}));
        QVERIFY(!s->isSearchMode() && s->isVisible());
        QCOMPARE(s->edtName->text(), QString("변경"));
        s->sbtLast->click();   // posted: pending now
        QCOMPARE(s->pendingCount(), 1);
        QCOMPARE(everyWayOut(), (QStringList{cancelQ, closeQ, closeQ}));
        QCOMPARE(s->grid()->cell(0, "품명"), QString("변경"));
        s->bbtCancelClick();
        QVERIFY(s->isSearchMode());
        s->bbtSearchClick();
        typeInto(s->edtName, "변경");
        typeInto(s->edtName, "스키A");   // typed back as it was: nothing to lose
        rec->clear();
        s->bbtCancelClick();
        QCOMPARE(rec->count(), 0);
        QVERIFY(s->isSearchMode());

        s->bbtSearchClick();
        s->bbtAdd->click();
        typeInto(s->edtItemNo, "Z");
        QCOMPARE(everyWayOut(), (QStringList{cancelQ, closeQ, closeQ}));
        QCOMPARE(s->grid()->rowCount(), 5);
        QCOMPARE(s->edtItemNo->text(), QString("Z"));
        s->sbtFirst->click();   // the new record left for another row still counts
        QCOMPARE(everyWayOut(), (QStringList{cancelQ, closeQ, closeQ}));
        QCOMPARE(s->grid()->cell(4, "품번"), QString("Z"));
        rec->clear();
        s->bbtCancelClick();   // "예": the work goes
        QCOMPARE(rec->texts(), QStringList{cancelQ});
        QVERIFY(s->isSearchMode());
        QCOMPARE(s->grid()->rowCount(), 0);

        // Duplicate key of a new row.
        s->bbtSearchClick();
        s->bbtAdd->click();
        typeInto(s->edtItemNo, "B");
        s->cboKind->setCurrentIndex(1);
        s->bbtSave->click();
        QCOMPARE(rec->last(), QString("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
        QCOMPARE(QApplication::focusWidget(), s->edtItemNo);
    }

    void rowsCheckedWhenLeft_data() { testing::addBackendColumn(); }
    void rowsCheckedWhenLeft()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend, threeRows()));
        s->setRowLeaveChecks(true);
        s->bbtSearchClick();
        TEditGrid *g = s->grid();

        // a new row nobody filled in goes when it is left, without a word
        s->bbtAddClick();
        QCOMPARE(g->rowCount(), 5);
        g->setCurrentRow(1);
        QCOMPARE(g->rowCount(), 4);
        QCOMPARE(g->currentRow(), 1);
        QCOMPARE(rec->count(), 0);

        // a row that fails its check keeps the cursor, whether left by keys, buttons or the mouse
        s->bbtAddClick();
        typeInto(s->edtName, "이름만");
        g->setCurrentRow(0);
        QCOMPARE(g->currentRow(), 4);
        QCOMPARE(rec->last(), QString("*품번을(를) 먼저 입력하십시오."));
        s->sbtFirst->click();
        QCOMPARE(g->currentRow(), 4);
        const QRect first = g->visualRect(g->gridModel()->index(0, 1));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(g->currentRow(), 4);
        QCOMPARE(g->selectionModel()->selectedRows().value(0).row(), 4);
        // nor does "신규(F4)" add another row behind it
        s->bbtAddClick();
        QCOMPARE(g->rowCount(), 5);

        typeInto(s->edtItemNo, "E");
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(g->currentRow(), 0);
        QCOMPARE(s->edtItemNo->text(), QString("A"));
        // Cancel still throws the unsaved row away
        s->bbtCancelClick();
        QVERIFY(s->isSearchMode());
        QCOMPARE(rows(), QString("01A=스키A/1,02B=보드B/2,01C=스키C/3,01D=스키D/4"));
    }


    void fieldTableBindsConditionsMarkerAndChecks_data() { testing::addBackendColumn(); }
    void fieldTableBindsConditionsMarkerAndChecks()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend, {}));
        QVERIFY(t->run(kPosTable));
        TfrmTST011 f;
        f.resize(900, 600);
        f.show();
        QVERIFY(f.unboundHints().isEmpty());
        QVERIFY(f.cboArea->setCode("2"));
        f.bbtSearch->click();
        QCOMPARE(f.grid()->rowCount(), 1);   // the condition reached the load query
        QCOMPARE(f.wlbNo->text(), QString("02"));
        QCOMPARE(f.marker->position(), QStringList({"30", "40"}));
        f.marker->setPosition({"31", "41"});   // the marker writes both of its columns
        f.edtName->clear();
        f.bbtSave->click();
        QCOMPARE(rec->last(), QString("*이름을(를) 먼저 입력하십시오."));   // refused with the standard text
        QCOMPARE(f.focusWidget(), static_cast<QWidget *>(f.edtName));
        typeInto(f.edtName, "대여소");
        f.bbtSave->click();
        QCOMPARE(t->scalar("SELECT NAME || ':' || X || ',' || Y FROM T_POS WHERE AREA = '2'"), QString("대여소:31,41"));
        QCOMPARE(t->count("T_POS"), 2);   // updated in place: the area went to the procedure as AAREA
        // a control naming no column is reported, never bound silently
        auto *stray = f.body()->addEdit("edtStray", "잘못", "없는컬럼");
        QCOMPARE(f.unboundHints(), QStringList({"edtStray: 없는컬럼"}));
        delete stray;

        // a select list in another order: each column takes the field it names, and saves it so
        TfrmTST011 g;
        g.qryQuery->setSql("SELECT Y, X, NAME, NO FROM T_POS WHERE AREA = :AREA ORDER BY NO");
        g.show();
        QVERIFY(g.cboArea->setCode("2"));
        g.bbtSearch->click();
        QCOMPARE(g.wlbNo->text(), QString("02"));
        QCOMPARE(g.edtName->text(), QString("대여소"));
        QCOMPARE(g.marker->position(), QStringList({"31", "41"}));
        typeInto(g.edtName, "보관소");
        g.bbtSave->click();
        QCOMPARE(t->scalar("SELECT NAME || ':' || X || ',' || Y FROM T_POS WHERE AREA = '2'"), QString("보관소:31,41"));
    }

    void missingParameterAndProcedure_data() { testing::addBackendColumn(); }
    void missingParameterAndProcedure()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend, threeRows()));
        s->qryQuery->setSql("SELECT KIND, ITEM_NO, ITEM_NAME, QTY FROM T_REC WHERE KIND = :KIND");
        s->bbtSearchClick();
        QCOMPARE(s->statusMessage(), QString("KIND 파라미터가 없습니다."));
        QVERIFY(s->isSearchMode());
        s->qryQuery->bind("KIND", "02");
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 1);
        typeInto(s->edtName, "x");
        s->prcSaveData->setProcedure(QString());
        s->bbtSave->click();
        QCOMPARE(s->statusMessage(), QString("스토어드 프로시져가 지정되지 않았습니다."));
        QVERIFY(g_calls.isEmpty());
        QCOMPARE(s->pendingCount(), 1);
        // The pending-change viewer shows the entry and the parameters it would fill.
        TfrmEZH999 viewer(s->pendingFields(), s->pendingEntries());
        QCOMPARE(viewer.windowTitle(), QString("GridBack DisPlay"));
        QCOMPARE(viewer.rgrGridBack->rowCount(), 1);
        QCOMPARE(viewer.rgrGridBack->horizontalHeaderItem(4)->text(), QString("EDITSTATUS"));
        QCOMPARE(viewer.rgrGridBack->item(0, 4)->text(), QString("1"));
        QCOMPARE(viewer.rgrGridBack->item(0, 2)->text(), QString("x"));
        QCOMPARE(viewer.rgrGridBack->columnWidth(0), 130);
        QCOMPARE(viewer.lstParams->item(0)->text(), QString("AKIND"));
        QCOMPARE(s->statusPanelText(0), QString("TST010"));
        QCOMPARE(s->statusPanelText(2), QString("사용자 : 홍길동"));
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestRecordScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_record.moc"
