// ECI040 and ECI050 opened as the menu opens them and driven as the ski school and a desk would.
#include "core/startupvalues.h"
#include "database/datamodule.h"
#include "framework/dialogs/lookupdialogs.h"
#include "framework/screenregistry.h"
#include "modules/school/eci040.h"
#include "modules/school/eci050.h"
#include "modules/school/screens.h"
#include "refdata/codes.h"
#include "support/messagerecorder.h"
#include "support/screens.h"
#include "support/testdatabase.h"
#include "support/typing.h"
#include <QApplication>
#include <QDate>
#include <QPlainTextEdit>
#include <QtTest>

using namespace db;

namespace {

QString day(int offset) { return QDate::currentDate().addDays(offset).toString("yyyyMMdd"); }

const char *kCodes = R"SQL(
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0022', '01', '스키');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0022', '02', '스노보드');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0023', '01', '개인강습');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0023', '02', '단체강습');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0024', '01', '초급');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0024', '02', '중급');
INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE) VALUES ('S1', '김사원', '10');
INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE) VALUES ('S2', '이사원', '10');
INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE) VALUES ('S3', '박사원', '10');
INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE) VALUES ('S4', '최사원', '10');
INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE) VALUES ('M1', '홍회원', '30');
)SQL";

// Tomorrow: 스키/개인/초급 for 10 with 8 booked (S1 3, S2 5), 스노보드/단체/중급 for 4; today: one
// lesson S1 holds.
QString lessons()
{
    return QString("INSERT INTO EC040MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, YAEYAK_ABILITY_CNT, REMARK) VALUES ('%1', '01', '01', '01', 10, '오전 9시 집결');\n"
                   "INSERT INTO EC040MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, YAEYAK_ABILITY_CNT) VALUES ('%1', '02', '02', '02', 4);\n"
                   "INSERT INTO EC040MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, YAEYAK_ABILITY_CNT) VALUES ('%2', '01', '01', '01', 10);\n"
                   "INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, EMP_NO, EMP_NAME, YAEYAK_CNT) VALUES ('%1', '01', '01', '01', 'S1  ', '김사원', 3);\n"
                   "INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, EMP_NO, EMP_NAME, YAEYAK_CNT) VALUES ('%1', '01', '01', '01', 'S2', '이사원', 5);\n"
                   "INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, EMP_NO, EMP_NAME, YAEYAK_CNT) VALUES ('%2', '01', '01', '01', 'S1', '김사원', 2);\n")
        .arg(day(1), day(0));
}

// The reason dialog: typed and confirmed, or closed with Esc when the reason is null.
void answerReason(const QString &reason)
{
    TfrmZZH000::setModalRunner([reason](TfrmZZH000 *d) {
        if (reason.isNull())
            return int(QDialog::Rejected);
        d->show();
        if (!QTest::qWaitForWindowExposed(d))
            qWarning("dialog not shown");
        d->findChild<QLineEdit *>("edtCancelRemark")->setText(reason);
        d->bbtOKClick();
        if (d->isVisible())
            d->reject();
        return d->result();
    });
}

QDate date(int offset) { return QDate::currentDate().addDays(offset); }
} // namespace

class TestReservationScreens : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestDatabase> t;
    std::unique_ptr<testing::MessageRecorder> rec;

    bool open(int backend)
    {
        t = std::make_unique<testing::TestDatabase>(static_cast<Backend>(backend));
        if (!t->ok() || !t->run(kCodes) || !t->run(lessons()))
            return false;
        DM()->attach(t->database());
        rec = std::make_unique<testing::MessageRecorder>();
        return true;
    }


private slots:
    void initTestCase()
    {
        RegisterSchoolScreens();
        Startup().employeeNumber = "E77";
        Startup().workstationAddress = "10.0.0.7";
    }
    void cleanup()
    {
        TfrmZZH000::setModalRunner({});
        rec.reset();
        t.reset();
    }

    void standardScreen_data() { testing::addBackendColumn(); }
    void standardScreen()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = testing::openScreen<TfrmECI040>("ECI040");
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), QString("직원예약 기준정보 등록"));
        QCOMPARE(s->conditions()->captionOf(s->dtpDate)->text(), QString("*기준일자"));
        QCOMPARE(s->dtpDate->date(), QDate::currentDate());
        s->dtpDate->setDate(date(1));
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 2);
        QCOMPARE(s->grid()->cellLabel(0, 0), QString("스키"));
        QCOMPARE(s->memMessage->toPlainText(), QString("오전 9시 집결"));
        QVERIFY(!s->cboLectureItem->isEnabled());

        // raise the capacity of the first lesson
        s->wneYaeyakAbilityCnt->setFocus();
        testing::typeInto(s->wneYaeyakAbilityCnt, "12");
        s->bbtSaveClick();
        QCOMPARE(t->scalar(QString("SELECT YAEYAK_ABILITY_CNT || U_EMP_NO || U_IP FROM EC040MS WHERE YAEYAK_DATE = '%1' "
                                   "AND LECTURE_ITEM_GUBUN = '01'").arg(day(1))),
                 QString("12E7710.0.0.7"));

        // a new row repeating a stored lesson of the day is refused; changed, it is saved with the day
        s->bbtAddClick();
        QCOMPARE(s->grid()->rowCount(), 3);
        s->bbtAddClick();   // F4 on a blank row adds nothing
        QCOMPARE(s->grid()->rowCount(), 3);
        QVERIFY(s->cboLectureItem->isEnabled());
        s->memMessage->setPlainText("새 강습");
        rec->clear();
        s->bbtSaveClick();
        QCOMPARE(rec->texts(), QStringList({"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."}));
        QCOMPARE(QApplication::focusWidget(), s->cboLectureItem);
        s->cboLectureDetail->setCode("02");
        testing::typeInto(s->wneYaeyakAbilityCnt, "6");
        s->bbtSaveClick();
        QCOMPARE(t->scalar(QString("SELECT YAEYAK_DATE || YAEYAK_ABILITY_CNT || REMARK FROM EC040MS WHERE LECTURE_DETAIL_GUBUN = '02' "
                                   "AND LECTURE_ITEM_GUBUN = '01'")),
                 day(1) + "6새 강습");

        // not below the 8 booked, and not deleted while they stand
        s->grid()->setCurrentRow(0);
        testing::typeInto(s->wneYaeyakAbilityCnt, "5");
        rec->clear();
        s->bbtSaveClick();
        QVERIFY2(rec->last().startsWith("자료를 저장하지 못했습니다.\r\r에러내용:\r") && rec->last().contains("[8 명]"),
                 qPrintable(rec->last()));
        s->bbtCancelClick();
        s->bbtSearchClick();
        s->grid()->setCurrentRow(0);
        s->bbtDeleteClick();
        rec->clear();
        s->bbtSaveClick();
        QVERIFY2(rec->last().contains("[8 명]"), qPrintable(rec->last()));
        QCOMPARE(t->count("EC040MS", QString("YAEYAK_DATE = '%1'").arg(day(1))), 3);
    }

    void emptyDayLeavesOneNewRow_data() { testing::addBackendColumn(); }
    void emptyDayLeavesOneNewRow()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = testing::openScreen<TfrmECI040>("ECI040");
        s->dtpDate->setDate(date(1));
        s->bbtSearchClick();
        s->grid()->setCurrentRow(1);   // the lesson nobody booked
        s->bbtDeleteClick();
        s->bbtSaveClick();
        QCOMPARE(t->count("EC040MS", QString("YAEYAK_DATE = '%1'").arg(day(1))), 1);
        s->bbtCancelClick();
        s->dtpDate->setDate(date(7));
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 1);   // one new record
        s->bbtAddClick();
        QCOMPARE(s->grid()->rowCount(), 1);
        // an entirely empty new row is dropped when it is left; saving everything deleted leaves one blank row
        s->cboLectureItem->setCode("02");
        s->bbtAddClick();
        QCOMPARE(s->grid()->rowCount(), 2);
        s->grid()->setCurrentRow(0);
        QCOMPARE(s->grid()->rowCount(), 1);
        s->bbtDeleteClick();
        s->bbtSaveClick();
        QCOMPARE(s->grid()->rowCount(), 1);
        QVERIFY(s->cboLectureItem->isEnabled());
        QCOMPARE(t->count("EC040MS", QString("YAEYAK_DATE = '%1'").arg(day(7))), 0);
    }

    void reservationScreen_data() { testing::addBackendColumn(); }
    void reservationScreen()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = testing::openScreen<TfrmECI050>("ECI050");
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), QString("직원예약 등록"));
        QCOMPARE(s->bbtSave->text(), QString("예약(F2)"));
        // today is refused, and so is a day without a standard; tomorrow opens
        s->bbtSearchClick();
        QCOMPARE(rec->last(), QString("지난일자[오늘일자 포함]는 예약할 수 없습니다"));
        QCOMPARE(QApplication::focusWidget(), s->dtpDate);
        s->dtpDate->setDate(date(2));
        s->bbtSearchClick();
        QCOMPARE(rec->last(), QString("선택하신 일자는 예약할 수 없습니다"));
        QVERIFY(s->isSearchMode());
        s->dtpDate->setDate(date(1));
        s->bbtSearchClick();
        QVERIFY(!s->isSearchMode());
        QVERIFY(!s->dtpDate->isEnabled());
        QCOMPARE(s->rgrGrid->rowCount(), 2);
        QCOMPARE(s->rgrGrid->cell(0, TfrmECI050::LcItemName) + s->rgrGrid->cell(0, TfrmECI050::LcBooked),
                 QString("스키8"));
        QCOMPARE(s->detLectureRec->text(), QString("개인강습"));
        QCOMPARE(s->detRemark->toPlainText(), QString("오전 9시 집결"));
        QVERIFY(s->detRemark->isEnabled() && !s->tabStops().contains(s->detRemark));   // read only: no Tab stop

        // the checks in their order
        rec->clear();
        s->bbtSaveClick();
        testing::typeInto(s->edtEmpNo, "M1");
        s->wneLectureCnt->setFocus();   // leaving the number looks the staff member up
        s->bbtSaveClick();
        testing::typeInto(s->edtEmpNo, "S1");
        s->wneLectureCnt->setFocus();
        QCOMPARE(s->wlbEmpName->text(), QString("김사원"));
        s->bbtSaveClick();
        s->wneLectureCnt->setValue(1);
        s->bbtSaveClick();
        QCOMPARE(rec->texts(), QStringList({"사번을(를) 먼저 입력하십시오.", "사번을(를) 정확히 입력하십시오.",
                                            "강습인원을(를) 먼저 입력하십시오.", "선택한신 강습은 이미 예약이 되었습니다"}));
        // S1's reservations from today on, today's included
        QCOMPARE(s->rgrGridYaeyak->rowCount(), 2);
        QCOMPARE(s->rgrGridYaeyak->cell(0, TfrmECI050::YcMarker), QString("예약취소"));
        QCOMPARE(s->rgrGridYaeyak->cell(0, TfrmECI050::YcDate), QDate::currentDate().toString("yyyy-MM-dd"));

        // S3: three places are too many, two fit
        testing::typeInto(s->edtEmpNo, "S3");
        QVERIFY(s->wlbEmpName->text().isEmpty());
        QCOMPARE(s->rgrGridYaeyak->rowCount(), 0);
        s->wneLectureCnt->setFocus();
        s->wneLectureCnt->setValue(3);
        rec->clear();
        s->bbtSaveClick();
        QCOMPARE(rec->last(), QString("예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [2 명]입니다"));
        QCOMPARE(QApplication::focusWidget(), s->wneLectureCnt);
        s->wneLectureCnt->setValue(2);
        s->edtRemark->setText("가족");
        s->bbtSaveClick();
        QCOMPARE(rec->last(), QString("예약이 정상적으로 처리되었습니다"));
        QCOMPARE(t->scalar(QString("SELECT EMP_NAME || YAEYAK_CNT || REMARK || U_EMP_NO FROM EC050MS WHERE EMP_NO = 'S3' "
                                   "AND YAEYAK_DATE = '%1'").arg(day(1))),
                 QString("박사원2가족E77"));
        QCOMPARE(s->rgrGrid->cell(0, TfrmECI050::LcBooked), QString("10"));
        QCOMPARE(s->rgrGridYaeyak->rowCount(), 1);
        QCOMPARE(s->wneLectureCnt->value(), 2);   // the inputs keep their values

        // another desk takes the last places of the snowboard lesson after this screen read the counts
        // (inside this call, so it goes with the call's rollback): the database refuses, the screen
        // shows a failed reservation
        s->rgrGrid->setCurrentRow(1);
        const Procedure original = *ProcedureCatalog::instance().find("PR_ECI050_01");
        ProcedureCatalog::instance().add({original.name, original.parameters, [original, this](ProcedureCall &call) {
            call.exec(QString("INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
                              "EMP_NO, EMP_NAME, YAEYAK_CNT) VALUES ('%1', '02', '02', '02', 'S2', '이사원', 3)").arg(day(1)));
            original.body(call);
        }});
        s->bbtSaveClick();
        ProcedureCatalog::instance().add(original);
        QCOMPARE(rec->last(), QString("자료를 저장하지 못했습니다.\r\r에러내용:\r"
                                      "예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [1 명]입니다"));
        QCOMPARE(rec->kinds().last(), MessageKind::Error);
        QCOMPARE(t->count("EC050MS", "LECTURE_ITEM_GUBUN = '02'"), 0);

        // a capacity lowered below the 10 booked shows its negative count
        QVERIFY(t->run(QString("UPDATE EC040MS SET YAEYAK_ABILITY_CNT = 7 WHERE YAEYAK_DATE = '%1' AND LECTURE_ITEM_GUBUN = '01';").arg(day(1))));
        s->rgrGrid->setCurrentRow(0);
        testing::typeInto(s->edtEmpNo, "S4");
        s->wneLectureCnt->setFocus();
        s->wneLectureCnt->setValue(1);
        s->bbtSaveClick();
        QCOMPARE(rec->last(), QString("예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [-3 명]입니다"));

        // F8: back to the search mode with the staff member gone
        s->bbtCancelClick();
        QVERIFY(s->isSearchMode());
        QVERIFY(s->edtEmpNo->text().isEmpty() && s->wlbEmpName->text().isEmpty());
        QCOMPARE(s->wneLectureCnt->value(), 0);
        QCOMPARE(s->rgrGrid->rowCount() + s->rgrGridYaeyak->rowCount(), 0);
    }

    void cancelReservations_data() { testing::addBackendColumn(); }
    void cancelReservations()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = testing::openScreen<TfrmECI050>("ECI050");
        s->dtpDate->setDate(date(3));
        QVERIFY(t->run(QString("INSERT INTO EC040MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
                               "YAEYAK_ABILITY_CNT) VALUES ('%1', '02', '01', '01', 4);").arg(day(3))));
        s->bbtSearchClick();
        QVERIFY(!s->isSearchMode());
        QVERIFY(s->bbtEmpNo->isEnabled());
        // the staff member comes from the lookup dialog
        TfrmZZH000::setModalRunner([](TfrmZZH000 *d) {
            d->show();
            if (!QTest::qWaitForWindowActive(d))
                qWarning("dialog not active");
            static_cast<TfrmEZH090 *>(d)->edtEmpName->setText("김");
            static_cast<TfrmEZH090 *>(d)->bbtSearchClick();
            d->bbtOKClick();
            if (d->isVisible())
                d->reject();
            return d->result();
        });
        s->bbtEmpNo->click();
        QCOMPARE(s->edtEmpNo->text() + s->wlbEmpName->text(), QString("S1김사원"));
        QCOMPARE(QApplication::focusWidget(), s->wneLectureCnt);
        QCOMPARE(s->rgrGridYaeyak->rowCount(), 2);

        // No to the question keeps it; the dialog closed without OK still cancels, with no reason
        rec->answer(false);
        s->rgrGridYaeyakMarkerClick(0);
        QCOMPARE(t->count("EC050MS", "TRIM(EMP_NO) = 'S1'"), 2);
        answerReason(QString());
        rec->clear();
        s->rgrGridYaeyakMarkerClick(0);   // today's, whatever day the picker shows
        QCOMPARE(rec->texts(), QStringList({"정말 예약취소 하시겠습니까?", "예약취소가 정상적으로 처리되었습니다"}));
        QCOMPARE(t->count("EC050MS", QString("YAEYAK_DATE = '%1'").arg(day(0))), 0);
        QCOMPARE(t->scalar(QString("SELECT NVL(CANCEL_REMARK, '-') || CANCEL_EMP_NO || YAEYAK_CNT FROM EC050HT WHERE YAEYAK_DATE = '%1'").arg(day(0))),
                 QString("-E772"));
        QCOMPARE(s->rgrGridYaeyak->rowCount(), 1);

        // tomorrow's with a reason that stays recorded
        answerReason("일정 변경");
        s->rgrGridYaeyakMarkerClick(0);
        QCOMPARE(t->scalar(QString("SELECT CANCEL_REMARK || '/' || TRIM(EMP_NO) || '/' || EMP_NAME FROM EC050HT WHERE YAEYAK_DATE = '%1'").arg(day(1))),
                 QString("일정 변경/S1/김사원"));
        QCOMPARE(t->count("EC050MS", "TRIM(EMP_NO) = 'S1'"), 0);
        QCOMPARE(s->rgrGridYaeyak->rowCount(), 0);

        // a reservation another desk cancelled meanwhile is reported, not "cancelled"
        QVERIFY(t->run(QString("INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
                               "EMP_NO, EMP_NAME, YAEYAK_CNT) VALUES ('%1', '02', '01', '01', 'S1', '김사원', 1);").arg(day(3))));
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.get()));
        s->edtEmpNo->clear();
        testing::typeInto(s->edtEmpNo, "S1");
        s->wneLectureCnt->setFocus();
        QCOMPARE(s->rgrGridYaeyak->rowCount(), 1);
        QVERIFY(t->run("DELETE FROM EC050MS;"));
        rec->clear();
        s->rgrGridYaeyakMarkerClick(0);
        QCOMPARE(rec->kinds().last(), MessageKind::Error);
        QVERIFY2(rec->last().contains("취소할 예약이 없습니다"), qPrintable(rec->last()));
        QCOMPARE(s->rgrGridYaeyak->rowCount(), 0);
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestReservationScreens t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_reservation_screens.moc"
