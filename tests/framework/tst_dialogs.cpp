// The lookup dialogs driven as a user would: typed names, keys, double clicks, results handed back.
#include "database/datamodule.h"
#include "framework/dialogs/lookupdialogs.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include <QApplication>
#include <QDate>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {

// Replaces the modal loop: shows the dialog, lets its activation run, then plays the user's part.
void drive(std::function<void(TfrmZZH000 *)> script)
{
    TfrmZZH000::setModalRunner([script](TfrmZZH000 *d) {
        d->show();
        if (!QTest::qWaitForWindowActive(d))
            qWarning("dialog not active");
        QCoreApplication::processEvents();
        script(d);
        if (d->isVisible())
            d->reject();
        return d->result();
    });
}

TResultSet *rows(TfrmZZH000 *d) { return d->findChild<QTableView *>("rgrGrid") ? static_cast<TfrmZZH020 *>(d)->cdsQuery : nullptr; }
QTableView *grid(TfrmZZH000 *d) { return d->findChild<QTableView *>("rgrGrid"); }

void selectRow(TfrmZZH000 *d, int row)
{
    QTableView *g = grid(d);
    g->setCurrentIndex(g->model()->index(row, 0));
}

void doubleClickRow(TfrmZZH000 *d, int row)
{
    QTableView *g = grid(d);
    selectRow(d, row);
    const QRect r = g->visualRect(g->model()->index(row, 1));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, r.center());
}

void typeText(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(edit, &event);
}

const char *kCodes =
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('B0001', '30', '시즌회원');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('B0001', '10', '임직원');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('Z0008', '1', '남');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('Z0008', '2', '여');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0026', '1', '1급');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0022', '01', '스키');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('Q043', '01', '강습 1조');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('Q044', '02', '정강사');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0004', '26', '2026/2027 시즌');\n"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0004', ' ', '빈 코드');\n"
    "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, ID_NO, MEMBER_GROUP_CODE, SEX_CODE, CANCEL_DATE) VALUES ('M1', '홍길동', '8001011234567', '30', '1', NULL);\n"
    "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, ID_NO, MEMBER_GROUP_CODE, SEX_CODE, CANCEL_DATE) VALUES ('M2', '홍해약', '7702022345678', '30', '2', '20250301');\n"
    "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, ID_NO, MEMBER_GROUP_CODE, SEX_CODE, CANCEL_DATE) VALUES ('M3', '김영희', NULL, '30', '2', NULL);\n"
    "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE, CANCEL_DATE) VALUES ('E1', '한빛여행사', '44', NULL);\n"
    "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE, CANCEL_DATE) VALUES ('E2', '옛여행사', '44', '20240101');\n"
    "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE, SEX_CODE) VALUES ('S1', '김사원', '10', '1');\n"
    "INSERT INTO ZX030MS (ZIP_CODE, SEQ_NO, ADDRESS1, ADDRESS2, ADDRESS3) VALUES ('232811', 1, '강원도', '평창군 대관령면', '횡계리');\n"
    "INSERT INTO ZX030MS (ZIP_CODE, SEQ_NO, ADDRESS1, ADDRESS2, ADDRESS3) VALUES ('100100', 1, '서울', '100%_구', 'O''Neil동');\n";

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TfrmZZH000::setModalRunner({}); }

    void memberPreTypedAndCancelled_data() { testing::addBackendColumn(); }
    void memberPreTypedAndCancelled()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t.run(kCodes));
        testing::MessageRecorder messages;
        int shownAtOnce = -1;
        QStringList cells;
        drive([&](TfrmZZH000 *d) {
            shownAtOnce = rows(d)->rowCount();
            cells = {rows(d)->field(0, 0), rows(d)->field(0, 2), rows(d)->field(0, 3), rows(d)->field(0, 4),
                     grid(d)->model()->headerData(5, Qt::Horizontal).toString()};
            doubleClickRow(d, 1);                      // 홍해약, cancelled
            QVERIFY(d->isVisible());
            QTest::keyClick(grid(d), Qt::Key_Return);
            QTest::keyClick(d, Qt::Key_F10);
            QVERIFY(d->isVisible());
            doubleClickRow(d, 0);
        });
        QString no = "OLD", name = "홍";
        QVERIFY(SelectMember(no, name));
        QCOMPARE(shownAtOnce, 2);
        QCOMPARE(cells, QStringList({"M1", "8001011******", "시즌회원", "남", "해약일자"}));
        QCOMPARE(messages.texts(), QStringList(3, "해약된 회원입니다"));
        QCOMPARE(no + "/" + name, QString("M1/홍길동"));
    }

    void escAndF12LeaveFieldsUnchanged_data() { testing::addBackendColumn(); }
    void escAndF12LeaveFieldsUnchanged()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t.run(kCodes));
        testing::MessageRecorder messages;
        drive([](TfrmZZH000 *d) { QTest::keyClick(grid(d), Qt::Key_Escape); });
        QString no = "OLD", name = "홍";
        QVERIFY(!SelectMember(no, name));
        QCOMPARE(no + "/" + name, QString("OLD/홍"));

        drive([](TfrmZZH000 *d) {
            typeText(d->findChild<QLineEdit *>("edtAddress"), "횡계");
            QTest::keyClick(d->findChild<QLineEdit *>("edtAddress"), Qt::Key_Return);
            QTest::keyClick(d, Qt::Key_F12);
        });
        QString zip = "111111", address = "옛 주소";
        QVERIFY(!SelectZipCode(zip, address));
        QCOMPARE(zip + address, QString("111111옛 주소"));
        QCOMPARE(messages.count(), 0);
    }

    void zipCodeWithoutDash_data() { testing::addBackendColumn(); }
    void zipCodeWithoutDash()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t.run(kCodes));
        testing::MessageRecorder messages;
        QString shown, idPanel;
        drive([&](TfrmZZH000 *d) {
            QCOMPARE(rows(d)->rowCount(), 0);   // nothing typed: no search at opening
            auto *edit = d->findChild<QLineEdit *>("edtAddress");
            typeText(edit, "대관령");
            QTest::keyClick(edit, Qt::Key_Return);
            shown = rows(d)->field(0, 0);
            idPanel = static_cast<TfrmZZH020 *>(d)->statusPanelText(0);
            QTest::keyClick(grid(d), Qt::Key_Return);
        });
        QString zip, address;
        QVERIFY(SelectZipCode(zip, address));
        QCOMPARE(shown, QString("232-811"));
        QCOMPARE(idPanel, QString("EZH010"));
        QCOMPARE(zip, QString("232811"));
        QVERIFY(address.startsWith("강원도 평창군 대관령면 횡계리 "));
        QCOMPARE(messages.count(), 0);
    }

    // Wildcards and quotes are searched as typed; no match keeps the dialog open with an empty result.
    void specialTextsAndNoMatch_data() { testing::addBackendColumn(); }
    void specialTextsAndNoMatch()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t.run(kCodes));
        testing::MessageRecorder messages;
        int quoteRows = -1, percentRows = -1;
        bool focusBack = false, openAfterOk = false;
        drive([&](TfrmZZH000 *d) {
            auto *edit = d->findChild<QLineEdit *>("edtAddress");
            auto *dlg = static_cast<TfrmZZH020 *>(d);
            edit->setText("O'Neil");
            dlg->bbtSearchClick();
            quoteRows = dlg->cdsQuery->rowCount();
            edit->setText("100%_");
            dlg->bbtSearchClick();
            percentRows = dlg->cdsQuery->rowCount();
            edit->setText("없는 주소");
            QTest::keyClick(edit, Qt::Key_Return);
            focusBack = QApplication::focusWidget() == edit;
            QTest::keyClick(d, Qt::Key_F10);
            openAfterOk = d->isVisible();
        });
        QString zip = "x", address = "y";
        QVERIFY(!SelectZipCode(zip, address));
        QCOMPARE(quoteRows, 1);
        QCOMPARE(percentRows, 1);
        QCOMPARE(messages.texts(), QStringList({"조회할 내용이 없습니다."}));
        QVERIFY(focusBack);
        QVERIFY(openAfterOk);
        QCOMPARE(zip + address, QString("xy"));
    }

    void partnerGroupsEmptySearchAndCodes_data() { testing::addBackendColumn(); }
    void partnerGroupsEmptySearchAndCodes()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t.run(kCodes));
        testing::MessageRecorder messages;
        drive([](TfrmZZH000 *d) {
            QTest::keyClick(d, Qt::Key_F3);       // empty text lists what the fixed conditions allow
            QCOMPARE(rows(d)->rowCount(), 1);
            QTest::keyClick(d, Qt::Key_F10);
        });
        QString no, name;
        QVERIFY(SelectEvent(no, name));
        QCOMPARE(no + "/" + name, QString("E1/한빛여행사"));

        QString title;
        drive([&](TfrmZZH000 *d) {
            title = d->windowTitle();
            QCOMPARE(rows(d)->rowCount(), 1);     // searched at opening; the blank code is left out
            QTest::keyClick(grid(d), Qt::Key_Return);
        });
        QString code, codeName;
        QVERIFY(SelectCode("시즌", "E0004", code, codeName));
        QCOMPARE(title, QString("시즌"));
        QCOMPARE(code + "/" + codeName, QString("26/2026/2027 시즌"));

        drive([&](TfrmZZH000 *d) { QTest::keyClick(d, Qt::Key_F3); QTest::keyClick(d, Qt::Key_F10); });
        QString empNo, empName;
        QVERIFY(SelectEmployee(empNo, empName));
        QCOMPARE(empNo + "/" + empName, QString("S1/김사원"));
        QCOMPARE(messages.count(), 0);
    }

    void receiptTraineesFollowCurrentRow_data() { testing::addBackendColumn(); }
    void receiptTraineesFollowCurrentRow()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t.run(kCodes));
        QVERIFY(t.run(
            "INSERT INTO EC020MS (SEASON_GUBUN, RECEIPT_NO, ENTER_DATE, RECEIPT_NAME) VALUES ('26', '0001', '20261201', '홍길동');\n"
            "INSERT INTO EC020MS (SEASON_GUBUN, RECEIPT_NO, ENTER_DATE, RECEIPT_NAME) VALUES ('26', '0002', '20261202', '김영희');\n"
            "INSERT INTO EC020MS (SEASON_GUBUN, RECEIPT_NO, ENTER_DATE, RECEIPT_NAME) VALUES ('25', '0003', '20251202', '이철수');\n"
            "INSERT INTO EC020DT (SEASON_GUBUN, RECEIPT_NO, RECEIPT_SEQ, TRAINER_NAME, SEX, AGE, LECTURE_ITEM_GUBUN) VALUES ('26', '0001', 1, '홍길동', '1', '35', '01');\n"
            "INSERT INTO EC020DT (SEASON_GUBUN, RECEIPT_NO, RECEIPT_SEQ, TRAINER_NAME, SEX, AGE, LECTURE_ITEM_GUBUN) VALUES ('26', '0001', 2, '홍아들', '1', '9', '01');\n"
            "INSERT INTO EC020DT (SEASON_GUBUN, RECEIPT_NO, RECEIPT_SEQ, TRAINER_NAME, SEX, AGE) VALUES ('26', '0002', 1, '김영희', '2', '28');\n"));
        testing::MessageRecorder messages;
        QList<int> detailRows;
        QStringList firstTrainee;
        drive([&](TfrmZZH000 *d) {
            auto *dlg = static_cast<TfrmEZH050 *>(d);
            QTest::keyClick(d, Qt::Key_F3);
            QCOMPARE(dlg->cdsQuery->rowCount(), 2);
            detailRows << dlg->cdsDetail->rowCount();
            firstTrainee = {dlg->cdsDetail->field(1, 1), dlg->cdsDetail->field(1, 2), dlg->cdsDetail->field(1, 4)};
            QTest::mouseClick(dlg->bbtNext, Qt::LeftButton);
            detailRows << dlg->cdsDetail->rowCount();
            QTest::mouseClick(dlg->bbtFirst, Qt::LeftButton);
            detailRows << dlg->cdsDetail->rowCount();
            QTest::mouseClick(dlg->bbtLast, Qt::LeftButton);
            QTest::keyClick(d, Qt::Key_F10);
        });
        QString no, date, name;
        QVERIFY(SelectReceipt("26", no, date, name));
        QCOMPARE(detailRows, QList<int>({2, 1, 2}));
        QCOMPARE(firstTrainee, QStringList({"홍아들", "남", "스키"}));
        QCOMPARE(QStringList({no, date, name}), QStringList({"0002", "2026-12-02", "김영희"}));
    }

    void applicantInStoredForm_data() { testing::addBackendColumn(); }
    void applicantInStoredForm()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t.run(kCodes));
        QVERIFY(t.run("INSERT INTO ED020MS (SEASON_GUBUN, RECV_NO, APPLY_DATE, ENTRY_NAME_KOR, ID_NO, APPLY_CLASS) VALUES ('26', 42, '20261205', '배수진', '9503032345678', '1');\n"));
        QStringList shown;
        drive([&](TfrmZZH000 *d) {
            typeText(d->findChild<QLineEdit *>("edtAddress"), "수진");
            QTest::keyClick(d, Qt::Key_F3);
            for (int c = 0; c < 5; ++c)
                shown << rows(d)->field(0, c);
            QTest::keyClick(grid(d), Qt::Key_Enter);
        });
        QString recv, name, date, id, cls;
        QVERIFY(SelectApplicant("26", recv, name, date, id, cls));
        QCOMPARE(shown, QStringList({"000042", "배수진", "2026-12-05", "950303-2345678", "1급"}));
        QCOMPARE(QStringList({recv, name, date, id, cls}),
                 QStringList({"000042", "배수진", "20261205", "9503032345678", "1급"}));
    }

    void instructorUnion_data() { testing::addBackendColumn(); }
    void instructorUnion()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t.run(kCodes));
        const QString yesterday = QDate::currentDate().addDays(-1).toString("yyyyMMdd");
        const QString today = QDate::currentDate().toString("yyyyMMdd");
        QVERIFY(t.run(QString(
            "INSERT INTO QA010MS (EMP_NO, EMP_K_NAME, EMP_WORK_GRP_CODE, EMP_WORK_GRP_DUTY_CODE, EMP_WORK_CODE, EMP_STAY_CODE, EMP_POS_CODE) VALUES ('A1', '강정규', '01', '02', '81', '01', '11');\n"
            "INSERT INTO QA010MS (EMP_NO, EMP_K_NAME, EMP_WORK_GRP_CODE, EMP_WORK_GRP_DUTY_CODE, EMP_WORK_CODE, EMP_STAY_CODE, EMP_POS_CODE) VALUES ('A2', '강상용', '01', '02', '81', '01', '21');\n"
            "INSERT INTO QA010MS (EMP_NO, EMP_K_NAME, EMP_WORK_GRP_CODE, EMP_WORK_GRP_DUTY_CODE, EMP_WORK_CODE, EMP_STAY_CODE, EMP_POS_CODE) VALUES ('A3', '강퇴직', '01', '02', '81', '02', '11');\n"
            "INSERT INTO QG010MS (LAB_NO, LAB_K_NAME, LAB_WORK_GRP, LAB_WORK_DUTY, LAB_WORK_CODE, LAB_END_DATE) VALUES ('L1', '강계약', '01', '02', '81', '%1');\n"
            "INSERT INTO QG010MS (LAB_NO, LAB_K_NAME, LAB_WORK_GRP, LAB_WORK_DUTY, LAB_WORK_CODE, LAB_END_DATE) VALUES ('L2', '강만료', '01', '02', '81', '%2');\n")
            .arg(today, yesterday)));
        QStringList listed;
        bool codesHidden = false;
        drive([&](TfrmZZH000 *d) {
            for (int r = 0; r < rows(d)->rowCount(); ++r)
                listed << rows(d)->field(r, 1) + ":" + rows(d)->field(r, 4);
            codesHidden = grid(d)->isColumnHidden(5) && grid(d)->isColumnHidden(6) && !grid(d)->isColumnHidden(4);
            selectRow(d, 0);
            QTest::keyClick(d, Qt::Key_F10);
        });
        QString no = "x", name = "강", grp, grpName, duty, dutyName;
        QVERIFY(SelectLecturer(no, name, grp, grpName, duty, dutyName));
        QCOMPARE(listed, QStringList({"강계약:A/B", "강상용:상용직", "강정규:정규직"}));
        QVERIFY(codesHidden);
        QCOMPARE(QStringList({no, name, grp, grpName, duty, dutyName}),
                 QStringList({"L1", "강계약", "01", "강습 1조", "02", "정강사"}));
    }

    void rentalRowsFollowCurrentRental_data() { testing::addBackendColumn(); }
    void rentalRowsFollowCurrentRental()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t.run(
            "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0012', 'D', '일일대여');\n"
            "INSERT INTO EB040MS (RENT_DATE, AREA_GUBUN, RENT_NO, DEAL_NAME) VALUES ('20261209', 'M', 7, '박직원');\n"
            "INSERT INTO EB040MS (RENT_DATE, AREA_GUBUN, RENT_NO, DEAL_NAME) VALUES ('20261209', 'M', 17, '박직원');\n"
            "INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, RENT_STAT, EQUIP_NO, RENT_NAME) VALUES ('20261209', 'M', 7, 1, 'D', '00001', '홍길동');\n"
            "INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, RENT_STAT, EQUIP_NO, RENT_NAME) VALUES ('20261209', 'M', 7, 2, 'D', '00002', '홍아들');\n"
            "INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, RENT_STAT, EQUIP_NO, RENT_NAME) VALUES ('20261209', 'M', 17, 1, 'D', '00003', '김영희');\n"));
        testing::MessageRecorder messages;
        QList<int> found;
        QString state;
        drive([&](TfrmZZH000 *d) {
            auto *dlg = static_cast<TfrmEZH020 *>(d);
            found << dlg->cdsQuery->rowCount();      // "7" typed by the caller: both 7 and 17 contain it
            state = dlg->cdsDetail->field(0, 2);
            found << dlg->cdsDetail->rowCount();
            QTest::mouseClick(dlg->bbtNext, Qt::LeftButton);
            found << dlg->cdsDetail->rowCount();
            typeText(dlg->edtRentName, "아들");
            dlg->bbtSearchClick();
            found << dlg->cdsQuery->rowCount();
            QTest::keyClick(d, Qt::Key_F10);
        });
        QString rentNo = "7";
        QVERIFY(SelectRentNo("20261209", "M", rentNo));
        QCOMPARE(found, QList<int>({2, 2, 1, 1}));
        QCOMPARE(state, QString("일일대여"));
        QCOMPARE(rentNo, QString("7"));
    }

    void cancelRemark()
    {
        drive([](TfrmZZH000 *d) {
            typeText(d->findChild<QLineEdit *>("edtCancelRemark"), "일정 변경");
            QTest::keyClick(d, Qt::Key_F10);
        });
        QString remark;
        QVERIFY(InputCancelRemark(remark));
        QCOMPARE(remark, QString("일정 변경"));
        drive([](TfrmZZH000 *d) { QTest::keyClick(d, Qt::Key_Escape); });
        QVERIFY(!InputCancelRemark(remark));
        QCOMPARE(remark, QString("일정 변경"));
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestDialogs test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogs.moc"
