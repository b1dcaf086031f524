// The storage counter: items taken in and given back, one storage ticket per newly stored item.
#include "modules/equipment/ebi050.h"
#include "core/cp949.h"
#include "database/datamodule.h"
#include "core/startupvalues.h"
#include "database/procedure.h"
#include "support/messagerecorder.h"
#include "support/pseudoterminal.h"
#include "support/testdatabase.h"
#include "support/typing.h"
#include "framework/dialogs/lookupdialogs.h"
#include <QApplication>
#include <QDate>
#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

using testing::PseudoTerminal;
using testing::typeInto;

namespace {

const char *kFixture =
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0004', '26', '2026/2027 시즌');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0017', 'M', '메인');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0017', 'S', '스키하우스');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0015', 'K', '보관중');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0015', 'R', '불출');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('E0016', '01', '시즌보관', '90');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('E0016', '02', '주간보관', '7');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0009', 'CS', '카빙스키');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0009', 'SB', '스노보드');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0021', '01', '스키');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0021', '02', '스노보드');\n"
    // three items already in storage at the main counter, one at the ski house
    "INSERT INTO EB050MS (SEASON_GUBUN, AREA_GUBUN, KEEP_NO, KEEP_STAT, IPGO_DATE, KEEP_GUBUN, EQUIP_GUBUN, "
    "EQUIP_NAME_GUBUN, NATIVE_NO, POELS_YN, KEEP_NAME, TEL_NO, KEEP_BOX_NO) VALUES "
    "('26', 'M', 1, 'K', '20261201', '01', 'CS', '01', 'A-1', 'Y', '가보관', '02-1', 'B1');\n"
    "INSERT INTO EB050MS (SEASON_GUBUN, AREA_GUBUN, KEEP_NO, KEEP_STAT, IPGO_DATE, KEEP_GUBUN, EQUIP_GUBUN, "
    "EQUIP_NAME_GUBUN, NATIVE_NO, POELS_YN, KEEP_NAME, TEL_NO, KEEP_BOX_NO) VALUES "
    "('26', 'M', 2, 'K', '20261202', '01', 'SB', '02', 'B-2', 'N', '나보관', '02-2', 'B2');\n"
    "INSERT INTO EB050MS (SEASON_GUBUN, AREA_GUBUN, KEEP_NO, KEEP_STAT, IPGO_DATE, KEEP_GUBUN, EQUIP_GUBUN, "
    "EQUIP_NAME_GUBUN, NATIVE_NO, POELS_YN, KEEP_NAME, TEL_NO, KEEP_BOX_NO) VALUES "
    "('26', 'M', 3, 'K', '20261203', '02', 'CS', '01', 'C-3', 'N', '다보관', '02-3', 'B3');\n"
    "INSERT INTO EB050MS (SEASON_GUBUN, AREA_GUBUN, KEEP_NO, KEEP_STAT, IPGO_DATE, KEEP_GUBUN, EQUIP_GUBUN, "
    "EQUIP_NAME_GUBUN, NATIVE_NO, POELS_YN, KEEP_NAME, TEL_NO, KEEP_BOX_NO) VALUES "
    "('26', 'S', 9, 'K', '20261203', '02', 'CS', '01', 'D-9', 'N', '라보관', '02-9', 'S9');\n";

// Another counter stores an item of the same season and area while this screen has its list open.
void storeElsewhere(db::Database *db, const QString &name)
{
    db::StoredProc p(db, "PR_EBI050_01");
    p.setParam("ASEASON_GUBUN", "26");
    p.setParam("AAREA_GUBUN", "M");
    p.setParam("AKEEP_STAT", "K");
    p.setParam("AIPGO_DATE", "20261209");
    p.setParam("AKEEP_GUBUN", "01");
    p.setParam("AEQUIP_GUBUN", "CS");
    p.setParam("AEQUIP_NAME_GUBUN", "01");
    p.setParam("ANATIVE_NO", "X-1");
    p.setParam("AKEEP_NAME", name);
    p.setParam("ATEL_NO", "02-0");
    p.setParam("AKEEP_BOX_NO", "B0");
    p.setParam("AEDITSTATUS", "2");
    QVERIFY2(p.exec(), qPrintable(p.lastError()));
}

} // namespace

// A fresh database with the fixture, the message boxes recorded and the counter screen shown.
#define OPEN_COUNTER(port)                                                                        \
    TEST_DB_FETCH(t);                                                                             \
    QVERIFY(t.run(kFixture));                                                                     \
    DM()->attach(t.database());                                                                   \
    testing::MessageRecorder messages;                                                            \
    Counter c(port);                                                                              \
    TfrmEBI050 &s = c.screen

class TestEBI050 : public QObject {
    Q_OBJECT

    struct Counter {
        explicit Counter(const QString &port) : screen(nullptr, port)
        {
            screen.resize(1100, 760);
            screen.show();
            QTest::qWaitForWindowActive(&screen);
        }
        TfrmEBI050 screen;
    };

    static void search(TfrmEBI050 &s, const QString &area = "M")
    {
        typeInto(s.edtSeason, "26");
        emit s.edtSeason->editingFinished();
        s.cboArea->setCode(area);
        s.bbtSearch->click();
    }

    // What a clerk fills in for a new item; the status is pressed by the caller.
    static void fillItem(TfrmEBI050 &s, const QString &serial, const QString &owner)
    {
        s.cboKeep->setCode("01");
        s.cboKeepEquip->setCode("SB");
        s.cboKeepEquipName->setCode("02");
        typeInto(s.edtKeepEquipID, serial);
        s.wmeKeepInDate->setValue("20261209");
        typeInto(s.edtKeepName, owner);
        typeInto(s.edtKeepTel, "033-1");
        typeInto(s.edtKeepBoxNo, "C7");
    }

private slots:
    void initTestCase()
    {
        Startup().employeeNumber = "E01";
        Startup().workstationAddress = "10.0.0.9";
    }

    void seasonMustBeKnown_data() { testing::addBackendColumn(); }
    void seasonMustBeKnown()
    {
        OPEN_COUNTER("/dev/sports-no-printer");
        s.bbtSearch->click();
        QCOMPARE(messages.last(), QString("*시즌을(를) 먼저 입력하십시오."));
        typeInto(s.edtSeason, "9z");
        QCOMPARE(s.edtSeason->text(), QString("9Z"));
        emit s.edtSeason->editingFinished();
        s.bbtSearch->click();
        QCOMPARE(messages.last(), QString("*시즌을(를) 정확히 입력하십시오."));
        QVERIFY(s.isSearchMode());
        // F3 straight from the season field: the typed season is looked up before it is judged
        s.edtSeason->clear();
        typeInto(s.edtSeason, "26");
        QVERIFY(s.wlbSeason->text().isEmpty());
        messages.clear();
        s.edtSeason->setFocus();
        QTest::keyClick(s.edtSeason, Qt::Key_F3);
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('|')));
        QVERIFY(!s.isSearchMode());
        s.bbtCancel->click();
        search(s);
        QCOMPARE(s.wlbSeason->text(), QString("2026/2027 시즌"));
        QVERIFY(!s.isSearchMode());
        QCOMPARE(s.grid()->rowCount(), 3);
        QCOMPARE(s.grid()->cell(0, 0), QString("0000000001"));
        QCOMPARE(s.grid()->cellLabel(0, 1), QString("보관중"));
        QCOMPARE(s.grpKeepLoss->title(), QString("보관증 분실시 확인 질문/답변"));
    }

    void newItemsGetTheirOwnTickets_data() { testing::addBackendColumn(); }
    void newItemsGetTheirOwnTickets()
    {
        PseudoTerminal pty;
        OPEN_COUNTER(pty.slave());
        QVERIFY(!s.cptPrinter.isConnected());   // the first ticket opens the port
        search(s);
        // the first item goes back out of the list in the same save
        s.grid()->setCurrentRow(0);
        s.bbtDelete->click();
        s.bbtAdd->click();
        fillItem(s, "N-100", "신보관");
        s.cboKeepPoles->setCode("N");
        s.sbtKeepIn->click();
        s.bbtAdd->click();
        QVERIFY2(s.grid()->rowCount() == 4, qPrintable(messages.texts().join('|')));
        fillItem(s, "N-200", "후보관");
        s.sbtKeepIn->click();
        // meanwhile another counter stores an item: it takes number 4
        storeElsewhere(t.database(), "타창구");
        s.bbtSave->click();
        QVERIFY2(s.lastUnprinted().isEmpty(), qPrintable(messages.texts().join('|')));

        QCOMPARE(t.count("EB050MS", "AREA_GUBUN = 'M'"), 5);
        QCOMPARE(t.scalar("SELECT KEEP_NAME FROM EB050MS WHERE AREA_GUBUN = 'M' AND KEEP_NO = 5"), QString("신보관"));
        QCOMPARE(t.scalar("SELECT KEEP_NAME FROM EB050MS WHERE AREA_GUBUN = 'M' AND KEEP_NO = 6"), QString("후보관"));
        QCOMPARE(t.scalar("SELECT POELS_YN FROM EB050MS WHERE KEEP_NO = 5"), QString("N"));
        QCOMPARE(t.scalar("SELECT U_EMP_NO FROM EB050MS WHERE KEEP_NO = 5"), QString("E01"));

        // two tickets, each with the number its own item received, not the other counter's
        const QByteArray line = pty.readAll();
        QCOMPARE(line.count(ToCp949("<RC5,150><HW2,2><F3>장비보관증")), 2);
        QVERIFY(line.contains(ToCp949("<RC70,400><HW1,1><F5>NO: 26-0000000005")));
        QVERIFY(line.contains(ToCp949("<RC70,400><HW1,1><F5>NO: 26-0000000006")));
        QVERIFY(!line.contains("26-0000000004"));
        QVERIFY(line.contains(ToCp949("<RC150,10><HW2,2><F2>고객명    : 신보관")));
        QVERIFY(line.contains(ToCp949("<RC190,10><HW2,2><F2>장비명    : 스노보드")));
        QVERIFY(line.contains(ToCp949("<RC230,10><HW2,2><F2>          (N-100)")));
        QVERIFY(line.contains(ToCp949("<RC270,10><HW2,2><F2>보관종류  : 시즌보관")));
        QVERIFY(line.contains(ToCp949("<RC310,10><HW2,2><F2>보관일자  : 2026/12/09")));
        QVERIFY(line.indexOf("26-0000000005") < line.indexOf("26-0000000006"));

        // the list comes back in number order; "무" survives the round trip
        QStringList numbers;
        for (int r = 0; r < s.grid()->rowCount(); ++r)
            numbers << s.grid()->cell(r, 0);
        QCOMPARE(numbers, (QStringList{"0000000002", "0000000003", "0000000004", "0000000005", "0000000006"}));
        s.grid()->setCurrentRow(3);
        QCOMPARE(s.cboKeepPoles->currentText(), QString("무"));
        QCOMPARE(s.wlbKeepNo->text(), QString("0000000005"));

        // reissue prints the current saved item again; a new row prints nothing
        s.bbtReissue->click();
        QCOMPARE(pty.readAll().count("26-0000000005"), 2);
        s.bbtAdd->click();
        s.bbtReissue->click();
        QVERIFY(pty.readAll().isEmpty());
    }

    void releaseNeedsAReleaseDate_data() { testing::addBackendColumn(); }
    void releaseNeedsAReleaseDate()
    {
        PseudoTerminal pty;
        OPEN_COUNTER(pty.slave());
        search(s);
        s.grid()->setCurrentRow(1);
        QVERIFY(s.sbtKeepIn->isChecked());
        s.edtKeepRemark->setFocus();
        QTest::keyClick(s.edtKeepRemark, Qt::Key_F6);
        QVERIFY(s.sbtKeepOut->isChecked() && !s.sbtKeepIn->isChecked());
        s.bbtSave->click();
        QCOMPARE(messages.last(), QString("보관상태가 [불출]일 경우 출고일을 입력하십시요"));
        QCOMPARE(t.count("EB050MS", "KEEP_STAT = 'R'"), 0);
        // nor can the clerk walk away from the row as it is
        s.grid()->setCurrentRow(0);
        QCOMPARE(s.grid()->currentRow(), 1);

        s.wmeKeepOutDate->setValue("20261340");
        s.bbtSave->click();
        QCOMPARE(messages.last(), QString("출고일을(를) 정확히 입력하십시오."));
        s.sbtKeepIn->click();
        s.bbtSave->click();
        QCOMPARE(messages.last(), QString("출고일을(를) 정확히 입력하십시오."));

        s.sbtKeepOut->click();
        s.wmeKeepOutDate->setValue("20261209");
        messages.clear();
        s.bbtSave->click();
        QVERIFY2(!messages.texts().join('|').contains("하십시"), qPrintable(messages.texts().join('|')));
        QCOMPARE(t.scalar("SELECT KEEP_STAT FROM EB050MS WHERE AREA_GUBUN = 'M' AND KEEP_NO = 2"), QString("R"));
        QCOMPARE(t.scalar("SELECT CHULGO_DATE FROM EB050MS WHERE AREA_GUBUN = 'M' AND KEEP_NO = 2"), QString("20261209"));
        QCOMPARE(s.grid()->cellLabel(1, 1), QString("불출"));
        QVERIFY(pty.readAll().isEmpty());   // a release prints nothing

        // "보관" without a release date is fine
        s.bbtAdd->click();
        fillItem(s, "N-300", "보관만");
        s.sbtKeepIn->click();
        s.wmeKeepOutDate->setValue(QString());
        messages.clear();
        s.bbtSave->click();
        QVERIFY2(t.count("EB050MS", "KEEP_NAME = '보관만' AND CHULGO_DATE IS NULL") == 1,
                 qPrintable(messages.texts().join('|')));
    }

    void rowChecksInOrder_data() { testing::addBackendColumn(); }
    void rowChecksInOrder()
    {
        OPEN_COUNTER("/dev/sports-no-printer");
        search(s);
        s.bbtAdd->click();
        QCOMPARE(s.grid()->rowCount(), 4);
        QCOMPARE(s.wmeKeepInDate->value(), QDate::currentDate().toString("yyyyMMdd"));   // an item comes in today
        // an untouched new row is not worth a message: leaving it removes it
        s.grid()->setCurrentRow(0);
        QCOMPARE(s.grid()->rowCount(), 3);
        QCOMPARE(s.grid()->currentRow(), 0);
        QCOMPARE(messages.count(), 0);

        s.bbtAdd->click();
        typeInto(s.edtKeepWoodaeNo, "G-1");
        s.bbtAdd->click();
        QCOMPARE(messages.last(), QString("우대번호을(를) 정확히 입력하십시오."));
        QCOMPARE(s.grid()->rowCount(), 4);
        s.edtKeepWoodaeNo->clear();
        s.bbtSave->click();
        QCOMPARE(messages.last(), QString("*고유번호을(를) 먼저 입력하십시오."));
        typeInto(s.edtKeepEquipID, "Z-1");
        s.wmeKeepInDate->setValue({});
        s.bbtSave->click();
        QCOMPARE(messages.last(), QString("*입고일을(를) 먼저 입력하십시오."));
        s.wmeKeepInDate->setValue("20260231");
        s.bbtSave->click();
        QCOMPARE(messages.last(), QString("*입고일을(를) 정확히 입력하십시오."));
        s.wmeKeepInDate->setValue("20261209");
        s.bbtSave->click();
        QCOMPARE(messages.last(), QString("*보관자명을(를) 먼저 입력하십시오."));
        typeInto(s.edtKeepName, "홍길동");
        s.bbtSave->click();
        QCOMPARE(messages.last(), QString("*연락처(자택)을(를) 먼저 입력하십시오."));
        typeInto(s.edtKeepTel, "02-9");
        s.bbtSave->click();
        QCOMPARE(messages.last(), QString("*보관함번호을(를) 먼저 입력하십시오."));
        typeInto(s.edtKeepBoxNo, "Q1");
        // a new item takes no status over from the item before (a released one, say): the clerk chooses
        QVERIFY(!s.sbtKeepIn->isChecked() && !s.sbtKeepOut->isChecked());
        s.bbtSave->click();
        QCOMPARE(messages.last(), QString("보관상태를 선택하십시요"));
        s.grid()->setCurrentRow(0);
        QCOMPARE(s.grid()->currentRow(), 3);
        s.sbtKeepOut->click();
        QCOMPARE(s.grid()->cell(3, 1), QString("R"));
        s.bbtCancel->click();
        QVERIFY(s.isSearchMode());
        QVERIFY(!s.sbtKeepIn->isChecked() && !s.sbtKeepOut->isChecked());
        QCOMPARE(t.count("EB050MS"), 4);
    }

    void releaseDateProposedFromIntake_data() { testing::addBackendColumn(); }
    void releaseDateProposedFromIntake()
    {
        OPEN_COUNTER("/dev/sports-no-printer");
        QVERIFY(QTest::qWaitForWindowActive(&s));
        search(s);
        // the season's name stands right beside its field and button
        const QRect field(s.edtSeason->mapTo(&s, QPoint(0, 0)), s.edtSeason->size());
        const QRect name(s.wlbSeason->mapTo(&s, QPoint(0, 0)), s.wlbSeason->size());
        QVERIFY(name.left() > field.right() && name.left() - field.right() < 50);
        // walking through a stored item's fields changes nothing
        s.wmeKeepInDate->setFocus();
        s.edtKeepMemberNo->setFocus();
        s.wmeKeepZipCode->setFocus();
        s.edtKeepName->setFocus();
        QVERIFY(s.wmeKeepOutDate->value().isEmpty());
        QVERIFY(!s.isModified());

        s.bbtAdd->click();
        s.cboKeep->setCode("01");
        s.wmeKeepInDate->setFocus();
        QTest::keyClicks(s.wmeKeepInDate, "20261209");
        s.edtKeepName->setFocus();   // leaving the intake date
        const QString ninety = QDate(2026, 12, 9).addDays(90).toString("yyyyMMdd");
        QCOMPARE(s.wmeKeepOutDate->value(), ninety);
        s.cboKeep->setCode("02");
        QCOMPARE(s.wmeKeepOutDate->value(), ninety);
        QCOMPARE(s.grid()->cell(s.grid()->currentRow(), 3), ninety);
        s.wmeKeepInDate->setFocus();   // leaving the typed intake date again: the new kind's period
        s.edtKeepName->setFocus();
        QCOMPARE(s.wmeKeepOutDate->value(), QString("20261216"));

        // the member's name comes with the member number; typing another number clears it
        QVERIFY(t.run("INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME) VALUES ('M0001', '회원일');"));
        s.edtKeepMemberNo->setFocus();
        QTest::keyClicks(s.edtKeepMemberNo, "M0001");
        s.edtKeepTel->setFocus();
        QCOMPARE(s.edtKeepName->text(), QString("회원일"));
        QTest::keyClick(s.edtKeepMemberNo, Qt::Key_Backspace);
        QVERIFY(s.edtKeepName->text().isEmpty());
    }

    void unprintedTicketsKeepTheItemsSaved_data() { testing::addBackendColumn(); }
    void unprintedTicketsKeepTheItemsSaved()
    {
        OPEN_COUNTER("/dev/sports-no-printer");
        QVERIFY(!s.cptPrinter.isConnected());
        search(s, "S");
        s.bbtAdd->click();
        fillItem(s, "P-1", "출력안됨");
        s.sbtKeepIn->click();
        s.bbtSave->click();
        QCOMPARE(t.count("EB050MS", "AREA_GUBUN = 'S' AND KEEP_NO = 10 AND KEEP_NAME = '출력안됨'"), 1);
        QCOMPARE(s.lastUnprinted(), QStringList{"26-0000000010 출력안됨"});
        const QString all = messages.texts().join('|');
        QVERIFY2(all.contains("자료는 저장되었으나 보관증을 출력하지 못했습니다.") && all.contains("보관증 재발급"),
                 qPrintable(all));
        QVERIFY(!all.contains("자료를 저장하지 못했습니다"));
        QCOMPARE(s.grid()->rowCount(), 2);
    }

    // A mistyped or half-typed intake date proposes nothing: the row check names the field instead.
    void mistypedIntakeDateIsRefusedByTheRowCheck_data() { testing::addBackendColumn(); }
    void mistypedIntakeDateIsRefusedByTheRowCheck()
    {
        OPEN_COUNTER("/dev/sports-no-printer");
        search(s);
        s.bbtAdd->click();
        fillItem(s, "Z-9", "오타");
        s.sbtKeepIn->click();
        s.wmeKeepOutDate->setValue("20270101");
        for (const char *typed : {"20261340", "2026120"}) {
            s.wmeKeepInDate->setFocus();
            s.wmeKeepInDate->clear();
            QTest::keyClicks(s.wmeKeepInDate, typed);
            s.edtKeepName->setFocus();   // leaving the intake date
            QCOMPARE(s.wmeKeepOutDate->value(), QString("20270101"));
            s.wmeKeepInDate->setFocus();
            messages.clear();
            QTest::keyClick(s.wmeKeepInDate, Qt::Key_F2);   // saving straight from the field
            QCOMPARE(messages.texts(), QStringList{"*입고일을(를) 정확히 입력하십시오."});
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(s.wmeKeepInDate));
        }
        QCOMPARE(t.count("EB050MS"), 4);
    }

    // When printing stops, every ticket left over is named with its owner, so the clerk finds each one.
    void everyUnprintedTicketNamesItsOwner_data() { testing::addBackendColumn(); }
    void everyUnprintedTicketNamesItsOwner()
    {
        OPEN_COUNTER("/dev/sports-no-printer");
        search(s, "S");
        s.bbtAdd->click();
        fillItem(s, "P-1", "첫손님");
        s.sbtKeepIn->click();
        s.bbtAdd->click();
        fillItem(s, "P-2", "둘째손님");
        s.sbtKeepIn->click();
        s.bbtSave->click();
        QCOMPARE(t.count("EB050MS", "AREA_GUBUN = 'S'"), 3);
        QCOMPARE(s.lastUnprinted(), (QStringList{"26-0000000010 첫손님", "26-0000000011 둘째손님"}));
    }

    // The rows below a deleted first row keep their edits.
    void editAfterDeletingTheFirstRowIsSaved_data() { testing::addBackendColumn(); }
    void editAfterDeletingTheFirstRowIsSaved()
    {
        OPEN_COUNTER("/dev/sports-no-printer");
        search(s);
        s.grid()->setCurrentRow(0);
        s.bbtDelete->click();
        QCOMPARE(s.grid()->currentRow(), 0);
        QCOMPARE(s.wlbKeepNo->text(), QString("0000000002"));
        typeInto(s.edtKeepRemark, "사물함 옆");
        s.bbtSave->click();
        QCOMPARE(t.count("EB050MS", "AREA_GUBUN = 'M' AND KEEP_NO = 1"), 0);
        QCOMPARE(t.scalar("SELECT REMARK FROM EB050MS WHERE AREA_GUBUN = 'M' AND KEEP_NO = 2"), QString("사물함 옆"));
    }

    // A half-filled new item stays checked when the clerk declines a delete and goes to another row.
    void declinedDeleteKeepsTheRowCheck_data() { testing::addBackendColumn(); }
    void declinedDeleteKeepsTheRowCheck()
    {
        OPEN_COUNTER("/dev/sports-no-printer");
        search(s);
        s.bbtAdd->click();
        typeInto(s.edtKeepEquipID, "H-1");
        s.bbtDelete->setFocus();   // a click on the button takes the focus
        messages.answer(false);
        s.bbtDelete->click();
        QCOMPARE(s.grid()->rowCount(), 4);
        s.sbtFirst->click();   // the navigator never takes the focus
        QCOMPARE(s.grid()->currentRow(), 3);
        s.bbtSave->click();
        QCOMPARE(t.count("EB050MS", "NATIVE_NO = 'H-1'"), 0);
    }

    // A storage number once given is never given again: a ticket of a deleted item names no other item.
    void deletedNumbersAreNotGivenAgain_data() { testing::addBackendColumn(); }
    void deletedNumbersAreNotGivenAgain()
    {
        PseudoTerminal pty;
        OPEN_COUNTER(pty.slave());
        search(s);
        s.grid()->setCurrentRow(2);
        s.bbtDelete->click();   // item 3, whose ticket its owner may still hold
        s.bbtAdd->click();
        fillItem(s, "N-3", "새손님");
        s.sbtKeepIn->click();
        s.bbtSave->click();
        QCOMPARE(t.count("EB050MS", "AREA_GUBUN = 'M' AND KEEP_NAME = '다보관'"), 0);
        const QByteArray line = pty.readAll();
        QVERIFY(!line.contains("26-0000000003"));
        QVERIFY(line.contains("26-0000000004"));
        QCOMPARE(t.scalar("SELECT KEEP_NO FROM EB050MS WHERE KEEP_NAME = '새손님'"), QString("4"));
    }

    // The counter works from the keyboard: Up/Down walk the items from any field (a combo included),
    // Enter goes on to the next field and leaves the intake date like a click would, F5/F6 choose the
    // status.
    void keyboardWalk_data() { testing::addBackendColumn(); }
    void keyboardWalk()
    {
        OPEN_COUNTER("/dev/sports-no-printer");
        search(s);
        QCOMPARE(s.grid()->currentRow(), 0);
        QTest::keyClick(s.edtKeepRemark, Qt::Key_Down);
        QCOMPARE(s.wlbKeepNo->text(), QString("0000000002"));
        s.cboKeep->setFocus();
        QTest::keyClick(s.cboKeep, Qt::Key_Down);
        QCOMPARE(s.wlbKeepNo->text(), QString("0000000003"));
        QCOMPARE(s.cboKeep->code(), QString("02"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);   // already the last item
        QCOMPARE(s.grid()->currentRow(), 2);
        QVERIFY(!s.isModified());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QVERIFY(s.sbtKeepOut->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);   // released without a date: stays
        QCOMPARE(messages.last(), QString("보관상태가 [불출]일 경우 출고일을 입력하십시요"));
        QCOMPARE(s.grid()->currentRow(), 2);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(s.wmeKeepOutDate));
        QTest::keyClick(s.wmeKeepOutDate, Qt::Key_F5);
        QTest::keyClick(s.wmeKeepOutDate, Qt::Key_Up);
        QCOMPARE(s.grid()->currentRow(), 1);
        QCOMPARE(s.pendingCount(), 1);
        QCOMPARE(s.pendingEntries().first().value(1), QString("K"));

        // a new item: the intake date typed and left with Enter proposes the release date
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
        QCOMPARE(s.grid()->rowCount(), 4);
        s.cboKeep->setCode("02");
        s.wmeKeepInDate->setFocus();
        QTest::keyClicks(s.wmeKeepInDate, "20261209");
        QTest::keyClick(s.wmeKeepInDate, Qt::Key_Return);
        QVERIFY(QApplication::focusWidget() != s.wmeKeepInDate);
        QCOMPARE(s.wmeKeepOutDate->value(), QString("20261216"));
    }

    // F1 in the member number and in the zip code: the chosen values go into the item shown and the
    // focus moves on; a cancelled lookup leaves the field as it was.
    void lookupsFillTheItem_data() { testing::addBackendColumn(); }
    void lookupsFillTheItem()
    {
        OPEN_COUNTER("/dev/sports-no-printer");
        search(s);
        s.grid()->setCurrentRow(1);
        QStringList titles;
        bool accept = false;
        TfrmZZH000::setModalRunner([&](TfrmZZH000 *d) {
            titles << d->metaObject()->className();
            if (!accept)
                return int(QDialog::Rejected);
            if (auto *m = qobject_cast<TfrmEZH030 *>(d)) {
                m->MemberNo = "M0007";
                m->MemberName = "칠회원";
            } else if (auto *z = qobject_cast<TfrmEZH010 *>(d)) {
                z->ZipCode = "123456";
                z->Address = "강원 평창군 ";
            }
            return int(QDialog::Accepted);
        });
        s.edtKeepMemberNo->setFocus();
        QTest::keyClick(s.edtKeepMemberNo, Qt::Key_F1);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(s.edtKeepMemberNo));
        QCOMPARE(s.edtKeepName->text(), QString("나보관"));
        accept = true;
        QTest::keyClick(s.edtKeepMemberNo, Qt::Key_F1);
        QCOMPARE(s.edtKeepName->text(), QString("칠회원"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(s.wmeKeepZipCode));
        QTest::keyClick(s.wmeKeepZipCode, Qt::Key_F1);
        TfrmZZH000::setModalRunner({});
        QCOMPARE(titles, (QStringList{"TfrmEZH030", "TfrmEZH030", "TfrmEZH010"}));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(s.wlbKeepAddr2));
        QCOMPARE(s.edtKeepAddr1->text(), QString("강원 평창군 "));
        s.bbtSave->click();
        QCOMPARE(t.scalar("SELECT MEMBER_NO || '/' || KEEP_NAME || '/' || ZIP_CODE FROM EB050MS "
                          "WHERE AREA_GUBUN = 'M' AND KEEP_NO = 2"),
                 QString("M0007/칠회원/123456"));
        QCOMPARE(s.wmeKeepZipCode->text(), QString("123-456"));
    }

    // A stored guest name goes with its number only: typing another number drops the name, and the
    // item is refused until the number is taken away as well.
    void guestNameFollowsItsNumber_data() { testing::addBackendColumn(); }
    void guestNameFollowsItsNumber()
    {
        OPEN_COUNTER("/dev/sports-no-printer");
        QVERIFY(t.run("UPDATE EB050MS SET GUEST_NO = 'G-1', GUEST_NAME = '우대일' WHERE KEEP_NO = 2;"));
        search(s);
        s.grid()->setCurrentRow(1);
        QCOMPARE(s.wlbKeepWoodaeNo->text(), QString("우대일"));
        typeInto(s.edtKeepWoodaeNo, "G-2");
        QVERIFY(s.wlbKeepWoodaeNo->text().isEmpty());
        s.bbtSave->click();
        QCOMPARE(messages.last(), QString("우대번호을(를) 정확히 입력하십시오."));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(s.edtKeepWoodaeNo));
        QCOMPARE(t.scalar("SELECT GUEST_NO || '/' || GUEST_NAME FROM EB050MS WHERE KEEP_NO = 2"), QString("G-1/우대일"));
        s.edtKeepWoodaeNo->selectAll();
        QTest::keyClick(s.edtKeepWoodaeNo, Qt::Key_Delete);
        s.bbtSave->click();
        QCOMPARE(t.count("EB050MS", "KEEP_NO = 2 AND GUEST_NO IS NULL AND GUEST_NAME IS NULL"), 1);
    }

    // A storage kind without a period, or with one that is no number, proposes no release date.
    void kindWithoutPeriodProposesNothing_data() { testing::addBackendColumn(); }
    void kindWithoutPeriodProposesNothing()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        QVERIFY(t.run("INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0016', '03', '임시보관');"));
        QVERIFY(t.run("INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('E0016', '04', '기타', 'X');"));
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        Counter c("/dev/sports-no-printer");
        TfrmEBI050 &s = c.screen;
        search(s);
        s.bbtAdd->click();
        s.wmeKeepOutDate->setValue("20270101");
        s.cboKeep->setCode("04");   // its period is no number
        s.wmeKeepInDate->setFocus();
        QTest::keyClicks(s.wmeKeepInDate, "20261209");
        s.edtKeepName->setFocus();
        QVERIFY(s.wmeKeepOutDate->value().isEmpty());
        QCOMPARE(messages.count(), 0);
        s.cboKeep->setCode("03");   // no period at all
        s.wmeKeepInDate->setFocus();
        s.edtKeepName->setFocus();
        QVERIFY(s.wmeKeepOutDate->value().isEmpty());
    }

    // Two items of one guest taken in and the first given back by its ticket, by key events alone: F4
    // starts at the storage kind with today's intake date, the second item with the guest's name,
    // telephones and box; the ticket as printed, scanned, finds the item, so does the owner's name (item
    // after item). A scan is its text and the scanner's own Enter. The counts go to the README.
    void storageAndReleaseByKeys_data() { testing::addBackendColumn(); }
    void storageAndReleaseByKeys()
    {
        PseudoTerminal pty;
        OPEN_COUNTER(pty.slave());
        int presses = 0, texts = 0;
        auto press = [&](int key, int times = 1) {
            for (int i = 0; i < times; ++i, ++presses)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        };
        auto type = [&](const QString &text) {
            QWidget *w = QApplication::focusWidget();
            text.front().unicode() < 128 ? QTest::keyClicks(w, text) : typeInto(w, text);
            ++texts;
        };
        auto scan = [&](const QString &text) {
            messages.clear();
            QTest::keyClicks(QApplication::focusWidget(), text);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            ++texts;
        };
        QVERIFY(s.edtSeason->hasFocus());
        type("26");
        press(Qt::Key_Return, 2);   // the area, then 조회
        QVERIFY(!s.isSearchMode());
        QVERIFY(s.edtKeepFind->hasFocus());
        const QString today = QDate::currentDate().toString("yyyyMMdd");
        for (const QString &serial : {"N-1", "N-2"}) {
            press(Qt::Key_F4);
            QVERIFY2(s.cboKeep->hasFocus(), qPrintable(QApplication::focusWidget()->objectName()));
            QCOMPARE(s.wmeKeepInDate->value(), today);
            press(Qt::Key_Return, 7);   // past the dates (the release date proposed), to the serial number
            QVERIFY2(s.edtKeepEquipID->hasFocus(), qPrintable(QApplication::focusWidget()->objectName()));
            QCOMPARE(s.wmeKeepOutDate->value(), QDate::currentDate().addDays(90).toString("yyyyMMdd"));
            type(serial);
            if (serial == QLatin1String("N-1")) {
                press(Qt::Key_Return, 4);
                QVERIFY(s.edtKeepName->hasFocus());
                type("신손님");
                press(Qt::Key_Return, 3);
                QVERIFY(s.edtKeepTel->hasFocus());
                type("033-1");
                press(Qt::Key_Return, 2);
                QVERIFY(s.edtKeepBoxNo->hasFocus());
                type("C7");
            } else {
                QCOMPARE(s.edtKeepName->text() + s.edtKeepTel->text() + s.edtKeepBoxNo->text(), QString("신손님033-1C7"));
            }
            press(Qt::Key_F5);
        }
        press(Qt::Key_F2);
        ++presses;   // Enter on "저장 하시겠습니까?"
        const int storing = presses, storingTexts = texts;
        QCOMPARE(t.count("EB050MS", "KEEP_NAME = '신손님' AND TEL_NO = '033-1' AND KEEP_BOX_NO = 'C7' AND IPGO_DATE = '" + today + "'"), 2);
        const QByteArray line = pty.readAll();
        QVERIFY(line.contains("26-0000000004") && line.contains("26-0000000005"));
        QVERIFY(s.edtKeepFind->hasFocus());

        scan("26-0000000004");
        QCOMPARE(s.wlbKeepNo->text(), QString("0000000004"));
        press(Qt::Key_F6);
        press(Qt::Key_F2);
        ++presses;   // Enter on "저장 하시겠습니까?"
        const int release = presses - storing;
        QCOMPARE(t.scalar("SELECT KEEP_STAT FROM EB050MS WHERE KEEP_NO = 4 AND AREA_GUBUN = 'M'"), QString("R"));
        QVERIFY2(release <= 4, qPrintable(QString::number(release)));
        qInfo("two items stored: %d key presses, %d typed texts; released by its ticket: %d key presses and the scan",
              storing, storingTexts, release);

        // the owner's name finds each of the owner's items in turn; what is not there is said so
        QVERIFY(s.edtKeepFind->hasFocus());
        typeInto(s.edtKeepFind, "신손님");
        QTest::keyClick(s.edtKeepFind, Qt::Key_Return);
        const QString first = s.wlbKeepNo->text();
        QTest::keyClick(s.edtKeepFind, Qt::Key_Return);
        QStringList found{first, s.wlbKeepNo->text()};
        found.sort();
        QCOMPARE(found, (QStringList{"0000000004", "0000000005"}));
        scan("2");   // the number alone
        QCOMPARE(s.wlbKeepNo->text(), QString("0000000002"));
        const QStringList refusals[] = {
            {"25-0000000001", "보관증의 시즌[25]이 조회한 시즌[26]과 다릅니다"},
            {"26-0000000099", "보관번호[0000000099]에 해당하는 보관자료가 없습니다"},
            {"없는손님", "보관자명[없는손님]에 해당하는 보관자료가 없습니다"},
        };
        for (const QStringList &r : refusals) {
            messages.clear();
            typeInto(s.edtKeepFind, r[0]);
            QTest::keyClick(s.edtKeepFind, Qt::Key_Return);
            QCOMPARE(messages.texts(), QStringList{r[1]});
            QCOMPARE(s.wlbKeepNo->text(), QString("0000000002"));
        }
    }

    // Saving away the last item of an area leaves one fresh item to fill in; with no status shown yet
    // the clerk is asked to choose one.
    void emptiedListOpensAFreshItem_data() { testing::addBackendColumn(); }
    void emptiedListOpensAFreshItem()
    {
        OPEN_COUNTER("/dev/sports-no-printer");
        search(s, "S");
        QCOMPARE(s.grid()->rowCount(), 1);
        s.bbtDelete->click();
        s.bbtSave->click();
        QCOMPARE(t.count("EB050MS", "AREA_GUBUN = 'S'"), 0);
        QCOMPARE(s.grid()->rowCount(), 1);
        QVERIFY(!s.isLoadedRow(0));
        QVERIFY(s.wlbKeepNo->text().isEmpty() && s.edtKeepName->text().isEmpty());
        QCOMPARE(s.cboKeep->code(), QString("01"));

        s.bbtCancel->click();
        search(s, "S");   // nothing stored: a new item, no status chosen
        QCOMPARE(s.grid()->rowCount(), 1);
        QVERIFY(!s.sbtKeepIn->isChecked() && !s.sbtKeepOut->isChecked());
        fillItem(s, "S-1", "새보관");
        messages.clear();
        s.bbtSave->click();
        QCOMPARE(messages.texts(), QStringList{"보관상태를 선택하십시요"});
        QTest::keyClick(s.edtKeepBoxNo, Qt::Key_F5);
        s.bbtSave->click();
        QCOMPARE(t.count("EB050MS", "AREA_GUBUN = 'S' AND KEEP_STAT = 'K' AND KEEP_NAME = '새보관'"), 1);
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestEBI050 t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_ebi050.moc"
