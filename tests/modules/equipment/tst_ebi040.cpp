// The rental counter end to end: pieces picked from the free list, the rental saved, tickets on the line.
#include "modules/equipment/ebi040.h"
#include "database/datamodule.h"
#include "database/procedure.h"
#include "core/startupvalues.h"
#include "support/messagerecorder.h"
#include "support/pseudoterminal.h"
#include "support/testdatabase.h"
#include "support/typing.h"
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include "framework/dialogs/zzh000.h"
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

    // A three-piece rental from an empty counter to three tickets, by key presses alone: the screen opens
    // on its first condition, Enter moves on, Enter on the free list picks, no grid keeps Tab.
    // Two counters on one rental: the second returns the piece; the first, still showing the rental as
    // it read it, is refused when it saves its change, and the return stays.
    void staleRentalRefused_data() { testing::addBackendColumn(); }
    void staleRentalRefused()
    {
        PseudoTerminal pty;
        OPEN_RENTAL_COUNTER(pty.slave());
        startRental(s);
        fillRow(s, "가");
        s.bbtSave->click();
        QCOMPARE(t.count("EB040DT"), 1);

        TfrmEBI040 other(nullptr, pty.slave());
        other.resize(1000, 700);
        other.show();
        other.edtRentNo->setText("1");
        other.bbtSearch->click();
        QCOMPARE(other.grid()->rowCount(), 1);
        other.sbtRentReturn->click();
        other.bbtSave->click();
        QCOMPARE(t.scalar("SELECT RENT_STAT FROM EB040DT"), QString("R"));

        s.grid()->setCurrentRow(0);
        typeInto(s.edtRentName, "나");
        messages.clear();
        s.bbtSave->click();
        QVERIFY2(messages.last().endsWith(db::ProcedureCall::staleRowMessage()), qPrintable(messages.last()));
        QCOMPARE(t.scalar("SELECT RENT_STAT || RENT_NAME FROM EB040DT"), QString("R가"));
        QCOMPARE(s.edtRentName->text(), QString("나"));
    }

    void threePiecesByKeyboardAlone_data() { testing::addBackendColumn(); }
    void threePiecesByKeyboardAlone()
    {
        PseudoTerminal pty;
        OPEN_RENTAL_COUNTER(pty.slave());
        QVERIFY(t.run("INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, "
                      "SVRL_RENT_YN) VALUES ('M', 'CS', '00004', '160', 'Y', 'N');"));
        QVERIFY(s.dtpDate->hasFocus());
        int presses = 0;
        auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
            ++presses;
        };
        auto type = [](const QString &text) {   // Hangul arrives from the input method, the rest as keys
            QWidget *w = QApplication::focusWidget();
            text.front().unicode() < 128 ? QTest::keyClicks(w, text) : typeInto(w, text);
        };

        press(Qt::Key_F3);
        QVERIFY(s.edtDealName->hasFocus());
        type("김취급");
        press(Qt::Key_Return);
        press(Qt::Key_Return);
        type("A1");
        press(Qt::Key_Return);
        for (const QString &name : {"가", "나", "다"}) {
            if (name != "가")
                press(Qt::Key_F4);
            QVERIFY2(s.edtEquipNoScan->hasFocus(), qPrintable(QApplication::focusWidget()->objectName()));
            press(Qt::Key_Return);   // no number: on to the ticket kind and the free list
            QVERIFY2(s.cboRentTicketKind->hasFocus(), qPrintable(QApplication::focusWidget()->objectName()));
            press(Qt::Key_Return);
            press(Qt::Key_Return);
            QVERIFY(s.cboEquipSizeGubun->hasFocus());
            press(Qt::Key_Return);
            QVERIFY(s.rgrEquipNo->hasFocus());
            press(Qt::Key_Return);   // picks the first free piece
            QVERIFY(!s.edtRentEquipNo->text().isEmpty());
            QVERIFY(s.edtRentName->hasFocus());
            type(name);
            press(Qt::Key_Tab);   // the required boots size right after the name
            QVERIFY2(s.cboRentBootsSize->hasFocus(), qPrintable(QApplication::focusWidget()->objectName()));
            type("2");
            press(Qt::Key_F5);
        }
        press(Qt::Key_F2);
        ++presses;   // Enter on "저장 하시겠습니까?"
        QCOMPARE(t.count("EB040DT"), 3);
        QCOMPARE(pty.readAll().count("<CB><RR>"), 3);
        QVERIFY2(presses <= 45, qPrintable(QString::number(presses)));
        qInfo("key presses: %d", presses);

        // the size list of a new row starts at a size that still has a piece; Tab and Shift+Tab leave the grid
        press(Qt::Key_F4);
        QCOMPARE(s.cboEquipSizeGubun->code(), QString("160"));
        s.grid()->setFocus();
        press(Qt::Key_Tab);
        QVERIFY(!s.grid()->hasFocus());
        s.grid()->setFocus();
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(!s.grid()->hasFocus());
    }

    // The counter at scanner speed, by key events alone: the handler, the box and the guest typed once,
    // each piece scanned (a scan is its text and the scanner's own Enter). The counts go to the README.
    void threePiecesByScanning_data() { testing::addBackendColumn(); }
    void threePiecesByScanning()
    {
        PseudoTerminal pty;
        OPEN_RENTAL_COUNTER(pty.slave());
        int presses = 0, texts = 0;
        auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
            ++presses;
        };
        auto type = [&](const QString &text) {   // Hangul arrives from the input method, the rest as keys
            QWidget *w = QApplication::focusWidget();
            text.front().unicode() < 128 ? QTest::keyClicks(w, text) : typeInto(w, text);
            ++texts;
        };
        auto scan = [&](const QString &number) {
            QTest::keyClicks(QApplication::focusWidget(), number);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            ++texts;
        };
        QVERIFY(s.dtpDate->hasFocus());
        press(Qt::Key_F3);
        type("김취급");
        press(Qt::Key_Return);
        press(Qt::Key_Return);
        type("A1");
        press(Qt::Key_Return);
        for (const QString &number : {"00001", "00002", "00003"}) {
            if (number != QLatin1String("00001"))
                press(Qt::Key_F4);
            QVERIFY2(s.edtEquipNoScan->hasFocus(), qPrintable(QApplication::focusWidget()->objectName()));
            scan(number);
            QCOMPARE(s.edtRentEquipNo->text(), QString(number));
            if (number == QLatin1String("00001")) {
                type("가");
                press(Qt::Key_Tab);
                QVERIFY2(s.cboRentBootsSize->hasFocus(), qPrintable(QApplication::focusWidget()->objectName()));
                type("2");
            }
            press(Qt::Key_F5);
        }
        press(Qt::Key_F2);
        ++presses;   // Enter on "저장 하시겠습니까?"
        QCOMPARE(t.count("EB040DT", "RENT_NAME = '가' AND SHOES_SIZE = '270' AND RENT_STAT = 'D'"), 3);
        QCOMPARE(pty.readAll().count("<CB><RR>"), 3);
        QVERIFY2(presses <= 20 && texts <= 10, qPrintable(QString("%1 presses, %2 texts").arg(presses).arg(texts)));
        qInfo("three pieces by scanning: %d key presses, %d typed texts (3 scans)", presses, texts);
    }

    // A number typed or scanned picks exactly that piece, whatever kind and size the row shows, or is
    // refused with its reason and nothing held; typed on the free list it is a number too (never the
    // listed piece the list's own search stopped at). A number two kinds carry is chosen in one key.
    void piecePickedByItsNumber_data() { testing::addBackendColumn(); }
    void piecePickedByItsNumber()
    {
        PseudoTerminal pty;
        OPEN_RENTAL_COUNTER(pty.slave());
        QVERIFY(t.run("INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, SVRL_RENT_YN) "
                      "VALUES ('M', 'CS', '00010', '160', 'Y', 'N');\n"
                      "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, SVRL_RENT_YN) "
                      "VALUES ('M', 'SB', '00002', '160', 'Y', 'N');\n"
                      "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, SVRL_RENT_YN) "
                      "VALUES ('M', 'CS', '00005', '150', 'N', 'N');"));
        startRental(s);
        s.cboRentEquip->setCode("CS");
        s.cboEquipSizeGubun->setCode("160");
        QCOMPARE(s.freeEquipment(), QStringList{"00010"});
        auto scan = [&](QWidget *where, const QString &number) {
            messages.clear();
            where->setFocus();
            QTest::keyClicks(where, number);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        };
        scan(s.rgrEquipNo, "00001");   // a 150, typed on the list of the 160s
        QCOMPARE(s.heldPieces(), QStringList{"CS/00001"});
        QCOMPARE(s.edtRentEquipNo->text(), QString("00001"));
        QCOMPARE(s.cboEquipSizeGubun->code(), QString("150"));
        QVERIFY(s.edtRentName->hasFocus());
        scan(s.edtEquipNoScan, "00003");   // the row has its piece
        QCOMPARE(messages.last(), QString("현재 행에는 이미 선택된 장비가 있습니다. 신규(F4)로 행을 추가한 후 입력하십시오."));
        typeInto(s.edtRentName, "가");
        s.cboRentBootsSize->setCode("270");
        s.sbtRentDay->click();

        QTest::keyClick(s.edtRentName, Qt::Key_F4);
        QVERIFY(s.edtEquipNoScan->hasFocus());
        QCOMPARE(s.edtRentName->text(), QString("가"));   // the same guest, still editable
        const QStringList refusals[] = {
            {"99999", "장비번호[99999]에 해당하는 장비가 없습니다"},
            {"00005", "선택하신 장비는 이미 대여되었거나 작업중입니다"},   // not for rent
            {"00001", "선택하신 장비는 이미 대여되었거나 작업중입니다"},   // held for the first row
        };
        for (const QStringList &r : refusals) {
            scan(s.edtEquipNoScan, r[0]);
            QCOMPARE(messages.texts(), QStringList{r[1]});
            QVERIFY(s.edtRentEquipNo->text().isEmpty());
            QVERIFY(s.edtEquipNoScan->hasFocus() && s.edtEquipNoScan->selectedText() == r[0]);
        }
        QCOMPARE(s.heldPieces(), QStringList{"CS/00001"});

        // 00002 is a carving ski and a snowboard: the second entry, by its digit
        QStringList entries;
        TfrmZZH000::setModalRunner([&](TfrmZZH000 *d) {
            auto *list = d->findChild<QListWidget *>("lstKinds");
            for (int i = 0; list && i < list->count(); ++i)
                entries << list->item(i)->text();
            if (list)
                QTest::keyClick(list, Qt::Key_2);
            return d->result();
        });
        scan(s.edtEquipNoScan, "2");
        TfrmZZH000::setModalRunner({});
        QCOMPARE(entries, (QStringList{"1. 카빙스키 150", "2. 스노보드 160"}));
        QCOMPARE(s.heldPieces(), (QStringList{"CS/00001", "SB/00002"}));
        QCOMPARE(s.cboRentEquip->code(), QString("SB"));
        QCOMPARE(s.grid()->cell(1, 3), QString("SB"));
        QCOMPARE(s.grid()->cell(1, 4), QString("00002"));

        // after the save the next guest starts with one key: the handler stays, the number goes
        QTest::keyClick(s.edtRentName, Qt::Key_F5);
        QTest::keyClick(s.edtRentName, Qt::Key_F2);
        QCOMPARE(t.count("EB040DT", "RENT_NAME = '가' AND SHOES_SIZE = '270'"), 2);
        QCOMPARE(s.edtRentNo->text(), QString("1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ShiftModifier);
        QVERIFY(!s.isSearchMode());
        QVERIFY(s.edtRentNo->text().isEmpty());
        QCOMPARE(s.headerEditStatus(), 2);
        QCOMPARE(s.grid()->rowCount(), 1);
        QCOMPARE(s.edtDealName->text(), QString("김취급"));
        QVERIFY(s.edtKeepBoxNo->hasFocus() && s.edtKeepBoxNo->text().isEmpty());
        QVERIFY(s.edtRentName->text().isEmpty());
    }

    // The row checks in their order, each with its text and where the focus goes; then the row's keys.
    void rowChecksInTheirOrder_data() { testing::addBackendColumn(); }
    void rowChecksInTheirOrder()
    {
        PseudoTerminal pty;
        OPEN_RENTAL_COUNTER(pty.slave());
        startRental(s);
        auto refusal = [&](QWidget *focus) {
            messages.clear();
            s.edtRentRemark->setFocus();
            QTest::keyClick(s.edtRentRemark, Qt::Key_F4);
            if (focus && QApplication::focusWidget() != focus)
                return QString("focus on ") + QApplication::focusWidget()->objectName();
            return messages.last();
        };
        const QString first = "을(를) 먼저 입력하십시오.", correctly = "을(를) 정확히 입력하십시오.";
        typeInto(s.edtRentRemark, "비고");   // a row with nothing in it is only left, never checked
        s.cboRentEquip->setCurrentIndex(-1);
        QCOMPARE(refusal(s.cboRentEquip), "*장비구분" + first);
        s.cboRentEquip->setCode("CS");
        QCOMPARE(refusal(s.edtRentRemark), "*장비번호" + first);   // read-only: the focus stays
        QTest::keyClick(s.edtRentRemark, Qt::Key_F10);
        QCOMPARE(s.edtRentEquipNo->text(), QString("00001"));
        QCOMPARE(refusal(s.edtRentName), "*대여자명" + first);
        typeInto(s.edtRentName, "가");
        s.cboRentBootsSize->setCurrentIndex(-1);
        QCOMPARE(refusal(s.cboRentBootsSize), "*부츠사이즈" + first);
        s.cboRentBootsSize->setCode("270");
        s.cboRentTicketKind->setCurrentIndex(-1);
        QCOMPARE(refusal(s.cboRentTicketKind), "*권종" + first);
        s.cboRentTicketKind->setCode("01");
        s.wmeRentZipCode->setValue("999999");
        QCOMPARE(refusal(s.wmeRentZipCode), "주소" + correctly);
        s.wmeRentZipCode->setValue({});
        s.wmeRentSvrlDateFrom->setValue("20261301");
        QCOMPARE(refusal(nullptr), "연일대여기간" + correctly);
        s.wmeRentSvrlDateFrom->setValue("20261201");
        s.wmeRentSvrlDateTo->setValue("20260230");
        QCOMPARE(refusal(nullptr), "연일대여기간" + correctly);
        s.wmeRentSvrlDateTo->setValue({});
        QTest::keyClick(s.edtRentRemark, Qt::Key_F6);   // 연일대여 with the start date only: rule 12 first
        QCOMPARE(refusal(s.wmeRentSvrlDateTo), "연일대여기간" + correctly);
        s.wmeRentSvrlDateTo->setValue("20261203");
        QTest::keyClick(s.edtRentRemark, Qt::Key_F5);
        QCOMPARE(refusal(nullptr), QString("연일대여기간 등록시 대여상태는 [연일대여]만 설정가능합니다"));
        s.wmeRentSvrlDateFrom->setValue({});
        s.wmeRentSvrlDateTo->setValue({});
        QTest::keyClick(s.edtRentRemark, Qt::Key_F6);
        QCOMPARE(refusal(s.wmeRentSvrlDateFrom), QString("대여상태가 [연일대여]일 경우 연일대여기간을 입력하십시요"));
        QTest::keyClick(s.edtRentRemark, Qt::Key_F5);
        QCOMPARE(s.grid()->cell(0, 2), QString("D"));

        // F11 gives the piece back and F10 takes it again; the save prints, the saved row stays
        QTest::keyClick(s.edtRentRemark, Qt::Key_F11);
        QVERIFY(s.edtRentEquipNo->text().isEmpty());
        QCOMPARE(t.count("EB020TM"), 0);
        QTest::keyClick(s.edtRentRemark, Qt::Key_F10);
        QTest::keyClick(s.edtRentRemark, Qt::Key_F2);
        QCOMPARE(t.count("EB040DT"), 1);
        QCOMPARE(pty.readAll().count("<CB><RR>"), 1);
        s.grid()->setCurrentRow(0);
        QVERIFY(!s.bbtDelete->isEnabled());
        QVERIFY(!s.sbtEquipCancel->isEnabled());
        QTest::keyClick(s.edtRentRemark, Qt::Key_F9);
        QCOMPARE(s.grid()->rowCount(), 1);
        s.bbtReissue->click();
        QCOMPARE(pty.readAll().count("<CB><RR>"), 1);

        // closing with a piece held gives it back
        QTest::keyClick(s.edtRentRemark, Qt::Key_F4);
        s.cboRentEquip->setCode("CS");
        QTest::keyClick(s.edtRentRemark, Qt::Key_F10);
        QCOMPARE(t.count("EB020TM"), 1);
        messages.answer(true);
        s.bbtClose->click();
        QCOMPARE(t.count("EB020TM"), 0);
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

    // A piece picked and a guest typed, nothing else: Cancel, 종료 and the close request (F12, the main
    // window) ask first; "아니요" keeps the row, the guest and the hold for the other counters.
    void pickedPieceIsNeverDroppedUnasked_data() { testing::addBackendColumn(); }
    void pickedPieceIsNeverDroppedUnasked()
    {
        OPEN_RENTAL_COUNTER("/dev/sports-no-printer");
        s.bbtSearch->click();
        s.cboRentEquip->setCode("CS");
        s.sbtEquipOk->click();
        typeInto(s.edtRentName, "가");
        QVERIFY(!s.isHeaderModified());
        messages.clear();
        for (int i = 0; i < 3; ++i)
            messages.answer(false);
        s.bbtCancel->click();
        s.bbtClose->click();
        QVERIFY(!s.close());
        QCOMPARE(messages.texts(), (QStringList{"변경된 자료가 있습니다.\r정말 취소하시겠습니까?",
                                               "변경된 자료가 있습니다.\r정말 종료하시겠습니까?",
                                               "변경된 자료가 있습니다.\r정말 종료하시겠습니까?"}));
        QVERIFY(!s.isSearchMode() && s.isVisible());
        QCOMPARE(s.edtRentName->text(), QString("가"));
        QCOMPARE(s.edtRentEquipNo->text(), QString("00001"));
        QCOMPARE(s.heldPieces(), QStringList{"CS/00001"});
        QCOMPARE(t.count("EB020TM"), 1);
        messages.clear();
        s.bbtCancel->click();   // "예": the work goes, and the piece back to the other counters
        QCOMPARE(messages.count(), 1);
        QVERIFY(s.isSearchMode());
        QCOMPARE(t.count("EB020TM"), 0);
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
        // F1 in the rental number: the day's rentals, F10 takes the chosen one and searches it
        TfrmZZH000::setModalRunner([](TfrmZZH000 *d) {
            d->show();
            if (QTest::qWaitForWindowActive(d)) {
                QCoreApplication::processEvents();
                QTest::keyClick(d->findChild<QTableView *>("rgrGrid"), Qt::Key_F10);
            }
            return d->result();
        });
        s.edtRentNo->setFocus();
        QTest::keyClick(s.edtRentNo, Qt::Key_F1);
        TfrmZZH000::setModalRunner({});
        s.activateWindow();   // as when the modal dialog ends
        QVERIFY(QTest::qWaitForWindowActive(&s));
        QCOMPARE(s.edtRentNo->text(), QString("1"));
        QCOMPARE(s.headerEditStatus(), 1);
        QVERIFY(!s.isHeaderModified());
        // the search leaves the handler's name selected: typing replaces it
        QTRY_COMPARE(QApplication::focusWidget(), s.edtDealName);
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
