// The rental counter end to end: pieces picked from the free list, the rental saved, tickets on the line.
#include "modules/equipment/ebi040.h"
#include "database/datamodule.h"
#include "core/startupvalues.h"
#include "support/messagerecorder.h"
#include "support/pseudoterminal.h"
#include "support/testdatabase.h"
#include "support/typing.h"
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const char *kFixture =
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0017', 'M', '메인');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0013', '01', '신발');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('I0005', '01', '대인');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0012', 'D', '일일대여');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0012', 'S', '연일대여');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0012', 'R', '반납');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0009', 'CS', '카빙스키');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0009', 'SB', '스노보드');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0011', '270', '270mm');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2, ITEM3) VALUES ('E0010', '150', '150', 'Y', 'N', 'Y');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2, ITEM3) VALUES ('E0010', '160', '160', 'Y', 'Y', 'Y');\n"
    "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, SVRL_RENT_YN) VALUES ('M', 'CS', '00001', '150', 'Y', 'N');\n"
    "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, SVRL_RENT_YN) VALUES ('M', 'CS', '00002', '150', 'Y', 'N');\n"
    "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, SVRL_RENT_YN) VALUES ('M', 'CS', '00003', '150', 'Y', 'N');\n";

using testing::PseudoTerminal;
using testing::typeInto;

} // namespace

// A fresh database with the fixture, the message boxes recorded and the rental counter shown.
#define OPEN_RENTAL_COUNTER(port)                                                                 \
    TEST_DB_FETCH(t);                                                                             \
    QVERIFY(t.run(kFixture));                                                                     \
    DM()->attach(t.database());                                                                   \
    testing::MessageRecorder messages;                                                            \
    TfrmEBI040 s(nullptr, port);                                                                  \
    s.resize(1000, 700);                                                                          \
    s.show();                                                                                     \
    QVERIFY(QTest::qWaitForWindowActive(&s))

class TestEBI040 : public QObject {
    Q_OBJECT
    void fillRow(TfrmEBI040 &s, const QString &name)
    {
        s.cboRentEquip->setCode("CS");
        QVERIFY2(!s.freeEquipment().isEmpty(), qPrintable(QString("%1/%2/%3/%4/%5").arg(s.cboArea->code(), s.cboRentEquip->code(), s.cboEquipSizeGubun->code()).arg(s.isSearchMode()).arg(s.cboRentEquip->count())));
        s.sbtEquipOk->click();
        QVERIFY(!s.edtRentEquipNo->text().isEmpty());
        typeInto(s.edtRentName, name);
        s.cboRentBootsSize->setCode("270");
        s.sbtRentDay->click();
    }

    // The free list's footer: the count it shows, on screen right under the list.
    static void verifyFreeCount(TfrmEBI040 &s, const QString &count)
    {
        QCOMPARE(s.rgrEquipNoFooter->text(), count);
        QVERIFY(s.rgrEquipNoFooter->isVisible());
        const QRect footer(s.rgrEquipNoFooter->mapTo(&s, QPoint(0, 0)), s.rgrEquipNoFooter->size());
        const QRect list(s.rgrEquipNo->mapTo(&s, QPoint(0, 0)), s.rgrEquipNo->size());
        QVERIFY(s.rect().contains(footer));
        QVERIFY(footer.top() > list.bottom() && footer.top() - list.bottom() < 8);
        QVERIFY(footer.height() >= s.rgrEquipNoFooter->fontMetrics().height());
    }

    // A new rental: searched, with its handler and box.
    static void startRental(TfrmEBI040 &s)
    {
        s.bbtSearch->click();
        typeInto(s.edtDealName, "김취급");
        typeInto(s.edtKeepBoxNo, "A1");
    }

private slots:
    void initTestCase()
    {
        Startup().employeeNumber = "E01";
        Startup().workstationAddress = "10.0.0.9";
    }

    void rentThreePiecesAndReturnOne_data() { testing::addBackendColumn(); }
    void rentThreePiecesAndReturnOne()
    {
        PseudoTerminal pty;
        OPEN_RENTAL_COUNTER(pty.slave());
        QVERIFY(!s.cptPrinter.isConnected());   // the first ticket opens the port
        startRental(s);
        QVERIFY(!s.isSearchMode());
        QCOMPARE(s.headerEditStatus(), 2);   // no rental of that number yet: a new header
        for (const QString &name : {"가", "나", "다"}) {
            if (name != "가")
                s.bbtAdd->click();
            fillRow(s, name);
        }
        QCOMPARE(s.grid()->rowCount(), 3);
        QCOMPARE(t.count("EB020TM"), 3);
        QVERIFY(s.freeEquipment().isEmpty());
        s.bbtSave->click();
        QVERIFY2(s.lastUnprinted().isEmpty(), qPrintable(messages.texts().join('|')));
        QVERIFY2(t.count("EB040MS") == 1, qPrintable(messages.texts().join("|")));
        QCOMPARE(t.count("EB040DT"), 3);
        QCOMPARE(t.count("EB020TM"), 0);
        QCOMPARE(s.edtRentNo->text(), QString("1"));
        const QByteArray line = pty.readAll();
        QCOMPARE(line.count("<CB><RR>"), 3);
        QCOMPARE(line.count("<RC20,830><HW2,2><F2>0000000001   A1"), 3);

        // a return is a changed row: saved, nothing printed, the piece listed again
        s.grid()->setCurrentRow(0);
        s.sbtRentReturn->click();
        QVERIFY(!s.sbtEquipCancel->isEnabled());
        s.bbtSave->click();
        QCOMPARE(t.count("EB040DT", "RENT_STAT = 'R'"), 1);
        QVERIFY(pty.readAll().isEmpty());
        s.grid()->setCurrentRow(0);
        QCOMPARE(s.freeEquipment().size(), 1);
    }

    void cancelReleasesEveryHold_data() { testing::addBackendColumn(); }
    void cancelReleasesEveryHold()
    {
        OPEN_RENTAL_COUNTER("/dev/sports-no-printer");
        verifyFreeCount(s, "0");   // closed
        startRental(s);
        fillRow(s, "가");
        verifyFreeCount(s, "2");
        s.bbtAdd->click();
        fillRow(s, "나");
        QCOMPARE(t.count("EB020TM"), 2);
        // snowboards come only in the sizes marked for them
        s.bbtAdd->click();
        s.cboRentEquip->setCode("SB");
        QCOMPARE(s.cboEquipSizeGubun->codes(), QStringList{"160"});
        s.bbtCancel->click();
        QVERIFY(s.isSearchMode());
        QCOMPARE(t.count("EB020TM"), 0);
        QVERIFY(s.heldPieces().isEmpty());
        verifyFreeCount(s, "0");
    }

    void unprintedTicketsLeaveTheRentalSaved_data() { testing::addBackendColumn(); }
    void unprintedTicketsLeaveTheRentalSaved()
    {
        OPEN_RENTAL_COUNTER("/dev/sports-no-printer");
        startRental(s);
        fillRow(s, "가");
        s.bbtSave->click();
        QCOMPARE(t.count("EB040DT"), 1);
        QCOMPARE(s.lastUnprinted().size(), 1);
        QVERIFY(messages.texts().join('|').contains("대여증 재발급(F99)"));
        QVERIFY(!messages.texts().join('|').contains("자료를 저장하지 못했습니다"));
    }

    // A stored rental's header: editing it is a change, and every save checks it.
    void savedHeaderIsCheckedAtEverySave_data() { testing::addBackendColumn(); }
    void savedHeaderIsCheckedAtEverySave()
    {
        OPEN_RENTAL_COUNTER("/dev/sports-no-printer");
        startRental(s);
        fillRow(s, "가");
        s.bbtSave->click();
        QCOMPARE(t.count("EB040MS"), 1);
        s.bbtCancel->click();
        s.edtRentNo->setText("1");
        s.bbtSearch->click();
        QCOMPARE(s.headerEditStatus(), 1);
        QVERIFY(!s.isHeaderModified());
        // the search leaves the handler's name selected: typing replaces it
        QCOMPARE(QApplication::focusWidget(), s.edtDealName);
        QCOMPARE(s.edtDealName->selectedText(), QString("김취급"));
        for (QLineEdit *e : {static_cast<QLineEdit *>(s.edtDealName), static_cast<QLineEdit *>(s.edtKeepBoxNo)}) {
            e->setFocus();
            e->selectAll();
            QTest::keyClick(e, Qt::Key_Backspace);
        }
        QVERIFY(s.isHeaderModified());
        messages.clear();
        s.bbtSave->click();
        QCOMPARE(messages.texts(), QStringList{"*취급자을(를) 먼저 입력하십시오."});
        QCOMPARE(QApplication::focusWidget(), s.edtDealName);
        QCOMPARE(t.count("EB040MS", "DEAL_NAME = '김취급' AND KEEP_BOX_NO = 'A1'"), 1);
        messages.clear();
        messages.answer(false);
        s.bbtCancel->click();
        QVERIFY(messages.last().contains("정말 취소하시겠습니까"));
        QVERIFY(!s.isSearchMode());
    }

    // Cancel clears the work only once every hold is released; otherwise all stays as it was.
    void cancelKeepsTheWorkWhileHoldsStay_data() { testing::addBackendColumn(); }
    void cancelKeepsTheWorkWhileHoldsStay()
    {
        OPEN_RENTAL_COUNTER("/dev/sports-no-printer");
        startRental(s);
        fillRow(s, "가");
        s.bbtAdd->click();
        fillRow(s, "나");
        QVERIFY(t.run("ALTER TABLE EB020TM RENAME TO EB020TX;"));
        messages.clear();
        s.bbtCancel->click();
        QVERIFY(messages.texts().join('|').contains("자료를 저장하지 못했습니다"));
        QVERIFY(!s.isSearchMode());
        QCOMPARE(s.grid()->rowCount(), 2);
        QCOMPARE(s.heldPieces().size(), 2);
        QCOMPARE(s.edtKeepBoxNo->text(), QString("A1"));
        QVERIFY(t.run("ALTER TABLE EB020TX RENAME TO EB020TM;"));
        QCOMPARE(t.count("EB020TM"), 2);
        s.bbtCancel->click();
        QVERIFY(s.isSearchMode());
        QCOMPARE(t.count("EB020TM"), 0);
    }

    // Another kind or size for a row holding a piece gives the piece back and clears its number.
    void anotherKindOrSizeGivesThePieceBack_data() { testing::addBackendColumn(); }
    void anotherKindOrSizeGivesThePieceBack()
    {
        OPEN_RENTAL_COUNTER("/dev/sports-no-printer");
        startRental(s);
        s.cboRentEquip->setCode("CS");
        s.sbtEquipOk->click();
        QCOMPARE(s.edtRentEquipNo->text(), QString("00001"));
        s.cboRentEquip->setCode("SB");
        QVERIFY(s.edtRentEquipNo->text().isEmpty());
        QCOMPARE(s.grid()->cell(0, 4), QString());
        QCOMPARE(s.grid()->cell(0, 3), QString("SB"));
        QCOMPARE(t.count("EB020TM"), 0);
        QVERIFY(s.statusMessage().contains("00001"));
        QVERIFY(s.sbtEquipOk->isEnabled());

        s.cboRentEquip->setCode("CS");
        s.sbtEquipOk->click();
        QCOMPARE(t.count("EB020TM"), 1);
        s.cboEquipSizeGubun->setCode("160");
        QVERIFY(s.edtRentEquipNo->text().isEmpty());
        QCOMPARE(t.count("EB020TM"), 0);
        QVERIFY(s.heldPieces().isEmpty());
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestEBI040 t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_ebi040.moc"
