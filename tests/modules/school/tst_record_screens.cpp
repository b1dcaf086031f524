// ECI010, ECI020, ECI030, ECI060, ECI070 and ECI080 on the demo database, opened as the menu opens
// them, searched, edited and saved on both back ends.
#include "core/startupvalues.h"
#include "database/datamodule.h"
#include "database/schema.h"
#include "framework/dialogs/zzh000.h"
#include "framework/screenregistry.h"
#include "modules/school/eci010.h"
#include "modules/school/eci020.h"
#include "modules/school/eci030.h"
#include "modules/school/eci060.h"
#include "modules/school/eci070.h"
#include "modules/school/eci080.h"
#include "modules/school/screens.h"
#include "refdata/codes.h"
#include "support/messagerecorder.h"
#include "support/screens.h"
#include "support/testdatabase.h"
#include "support/typing.h"
#include "widgets/countmatrix.h"
#include <QApplication>
#include <QGroupBox>
#include <QDate>
#include <QPlainTextEdit>
#include <QLabel>
#include <QtTest>

using namespace db;
using testing::typeInto;

namespace {

// A unit shown as a label right after its field, on the same line (not as the field's tooltip).
bool unitBeside(QWidget *field, const QString &unit)
{
    const QRect f(field->mapTo(field->window(), QPoint(0, 0)), field->size());
    for (QLabel *l : field->window()->findChildren<QLabel *>()) {
        const QRect r(l->mapTo(field->window(), QPoint(0, 0)), l->size());
        if (l->text() == unit && r.left() >= f.right() && r.left() - f.right() < 40 && qAbs(r.center().y() - f.center().y()) < 6)
            return field->toolTip().isEmpty();
    }
    return false;
}
QString day(int offset) { return QDate::currentDate().addDays(offset).toString("yyyyMMdd"); }

// Typed and left, as a user tabs on.
void enter(QWidget *w, const QString &text)
{
    typeInto(w, text);
    if (text.isEmpty())
        QTest::keyClick(w, Qt::Key_Backspace);   // the selected text goes
    w->clearFocus();
}
} // namespace

class TestRecordScreens : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestDatabase> t;
    std::unique_ptr<testing::MessageRecorder> rec;

    bool open(int backend)
    {
        t = std::make_unique<testing::TestDatabase>(static_cast<Backend>(backend));
        QString error;
        if (!t->ok() || !loadDemoData(*t->database(), QDate::currentDate(), &error)) {
            qWarning("%s", qPrintable(error + t->error()));
            return false;
        }
        DM()->attach(t->database());
        rec = std::make_unique<testing::MessageRecorder>();
        return true;
    }

    template <class T> std::unique_ptr<T> openScreen(const QString &id)
    {
        return testing::openScreen<T>(id, QSize(1100, 760));
    }

    QString cell(TfrmEZI000 *s, int row, const QString &title) { return s->grid()->cell(row, s->grid()->columnByTitle(title)); }

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

    // The season is checked before the search; a member is edited twice and stays the same person, a
    // masked registration number sent back keeps the stored one, a new member arrives with the number
    // typed and the instructor's name.
    void clubMembers_data() { testing::addBackendColumn(); }
    void clubMembers()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = openScreen<TfrmECI010>("ECI010");
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), QString("스키클럽 수강,기록 등록"));
        QCOMPARE(QApplication::focusWidget(), s->edtSeason);
        s->bbtSearchClick();
        QCOMPARE(rec->last(), QString("*시즌을(를) 먼저 입력하십시오."));
        enter(s->edtSeason, "26");
        QCOMPARE(s->wlbSeason->text(), QString("2026/2027 시즌"));
        QVERIFY(s->isSearchMode());   // leaving the season only names it
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 3);
        QCOMPARE(cell(s.get(), 0, "수강번호"), QString("00000001"));
        QCOMPARE(s->edtTrainerName->text(), QString("홍길동"));
        QCOMPARE(s->wmeIdNo->value(), QString("8001011******"));   // shown masked

        enter(s->edtJob, "교사");
        s->bbtSaveClick();
        QCOMPARE(rec->last(), QString("저장 하시겠습니까?"));
        QCOMPARE(t->scalar("SELECT JOB || '/' || ID_NO || '/' || U_EMP_NO FROM EC010MS WHERE SEASON_GUBUN = '26' AND LECTURE_NO = 1"),
                 QString("교사/8001011234567/E77"));
        QCOMPARE(s->edtTrainerName->text(), QString("홍길동"));   // back on the same member
        enter(s->edtRemark, "두 번째 수정");
        s->bbtSaveClick();
        QCOMPARE(t->scalar("SELECT REMARK FROM EC010MS WHERE SEASON_GUBUN = '26' AND LECTURE_NO = 1"), QString("두 번째 수정"));
        QCOMPARE(t->count("EC010MS", "REMARK = '두 번째 수정'"), 1);

        // a new member: the checks in their order, then saved with what was typed
        s->bbtAddClick();
        QCOMPARE(s->grid()->rowCount(), 4);
        QVERIFY(s->wlbLectureNo->text().isEmpty());
        enter(s->edtTrainerName, "신입생");
        s->bbtSaveClick();
        QCOMPARE(rec->last(), QString("*등록일자을(를) 먼저 입력하십시오."));
        enter(s->wmeEnterDate, "20050229");
        s->bbtSaveClick();
        QCOMPARE(rec->last(), QString("*등록일자을(를) 정확히 입력하십시오."));
        QCOMPARE(QApplication::focusWidget(), s->wmeEnterDate);
        enter(s->wmeEnterDate, "20040229");
        s->bbtSaveClick();
        QCOMPARE(rec->last(), QString("*주민등록번호을(를) 먼저 입력하십시오."));
        enter(s->wmeIdNo, "0404294123456");
        enter(s->edtTel, "033-123-4567");
        enter(s->edtAge, "22");
        enter(s->edtLecturerEmpNo, "20030215");
        QCOMPARE(s->edtLecturerName->text(), QString("이정훈"));
        enter(s->edtLecturerEmpNo, "");
        QVERIFY(s->edtLecturerName->text().isEmpty());
        enter(s->edtLecturerEmpNo, "20030215");
        enter(s->edtMemberNo, "3000000002");   // a cancelled member is not found
        QVERIFY(s->edtTrainerName->text().isEmpty());
        enter(s->edtMemberNo, "");
        enter(s->edtTrainerName, "신입생");
        const int saved = rec->count();
        s->bbtSaveClick();
        QCOMPARE(rec->count(), saved + 1);   // only the question
        QCOMPARE(t->scalar("SELECT TO_CHAR(LECTURE_NO) || '/' || ID_NO || '/' || ENTER_DATE || '/' || LECTURER_NAME FROM EC010MS "
                           "WHERE TRAINER_NAME = '신입생'"),
                 QString("4/0404294123456/20040229/이정훈"));
        QCOMPARE(cell(s.get(), 3, "수강번호"), QString("00000004"));
    }

    // A receipt is found by season and number whatever its booker name; two trainees are numbered.
    void schoolTrainees_data() { testing::addBackendColumn(); }
    void schoolTrainees()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        QVERIFY(t->run("INSERT INTO EC020MS (SEASON_GUBUN, RECEIPT_NO, ENTER_DATE, RECEIPT_NAME) VALUES ('26', '0000000009', '20261201', NULL);"));
        auto s = openScreen<TfrmECI020>("ECI020");
        QVERIFY(s);
        enter(s->edtSeason, "25");
        enter(s->edtReceiptNo, "0000000003");   // a receipt of another season
        QVERIFY(s->wlbReceiptName->text().isEmpty());
        s->bbtSearchClick();
        QCOMPARE(rec->last(), QString("*접수번호을(를) 정확히 입력하십시오."));
        QVERIFY(s->isSearchMode());

        enter(s->edtSeason, "26");
        enter(s->edtReceiptNo, "0000000009");   // no booker name, but there
        s->bbtSearchClick();
        QVERIFY(!s->isSearchMode());
        s->bbtCancelClick();

        enter(s->edtReceiptNo, "3");   // typed short: padded as the stored numbers are
        QCOMPARE(s->edtReceiptNo->text(), QString("0000000003"));
        QCOMPARE(s->wlbReceiptName->text(), QString("한빛여행사"));
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 1);   // one new, empty trainee
        enter(s->edtTrainerName, "가이드");
        typeInto(s->memTrainTest, "기초 턴 가능");
        s->bbtAddClick();
        enter(s->edtTrainerName, "관광객");
        s->cboLectureItem->setCurrentIndex(1);
        s->bbtSaveClick();
        QCOMPARE(t->scalar("SELECT TRAINER_NAME || TO_CHAR(RECEIPT_SEQ) || '/' || NVL(TRAIN_TEST, '-') FROM EC020DT WHERE SEASON_GUBUN = '26' "
                           "AND RECEIPT_NO = '0000000003' ORDER BY RECEIPT_SEQ"),
                 QString("가이드1/기초 턴 가능"));
        QCOMPARE(t->count("EC020DT", "RECEIPT_NO = '0000000003' AND RECEIPT_SEQ = 2 AND LECTURE_ITEM_GUBUN = '02'"), 1);
        QCOMPARE(cell(s.get(), 1, "순번"), QString("0002"));
    }

    // One instructor twice on a day in another detail, not twice in the same; a number that is nobody's
    // is refused.
    void assignments_data() { testing::addBackendColumn(); }
    void assignments()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = openScreen<TfrmECI030>("ECI030");
        QVERIFY(s);
        QCOMPARE(s->dtpDate->date(), QDate::currentDate());
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 4);
        QCOMPARE(s->edtLecturerTeamName->text(), QString("강습 1조"));
        s->bbtAddClick();
        s->bbtSaveClick();   // an empty instructor number is refused where the user stands
        QCOMPARE(rec->last(), QString("*강사사번을(를) 먼저 입력하십시오."));
        QCOMPARE(QApplication::focusWidget(), s->bbtSave);
        enter(s->edtLecturerEmpNo, "12345678");
        QVERIFY(s->edtLecturerName->text().isEmpty());
        s->bbtSaveClick();
        QCOMPARE(rec->last(), QString("*강사사번을(를) 정확히 입력하십시오."));
        enter(s->edtLecturerEmpNo, "19990101");
        QCOMPARE(s->edtLecturerTeam->text(), QString("01"));
        s->cboArea->setCode("M");
        s->cboLectureDetail->setCode("01");
        s->bbtSaveClick();
        QCOMPARE(rec->last(), QString("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
        QVERIFY(unitBeside(s->wneLectureCnt, "명"));
        s->cboLectureDetail->setCode("03");
        enter(s->wneLectureCnt, "");   // "*강습인원" cleared is no refusal
        s->bbtSaveClick();
        QVERIFY(!rec->texts().contains("*강습인원을(를) 먼저 입력하십시오."));
        QCOMPARE(t->scalar(QString("SELECT LECTURER_NAME || TEAM || LECTURER_GUBUN || TO_CHAR(LECTURE_CNT) FROM EC030MS "
                                   "WHERE LECTURE_DATE = '%1' AND LECTURER_EMP_NO = '19990101' AND LECTURE_DETAIL_GUBUN = '03'").arg(day(0))),
                 QString("김강사01010"));   // stored as the procedure stores no count
        QCOMPARE(t->count("EC030MS", QString("LECTURE_DATE = '%1'").arg(day(0))), 5);
    }

    // A private lesson with a name and nothing else is saved and numbered.
    void privateLessons_data() { testing::addBackendColumn(); }
    void privateLessons()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = openScreen<TfrmECI060>("ECI060");
        QVERIFY(s);
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 2);
        s->bbtAddClick();
        s->bbtSaveClick();   // a blank new row goes unasked
        s->bbtAddClick();
        enter(s->edtLecturerName, "새강사");
        enter(s->wneLectureAmt, "");   // "*금액" may stay empty: nothing checks it
        s->bbtSaveClick();
        QVERIFY(!rec->texts().contains("*금액을(를) 먼저 입력하십시오."));
        QCOMPARE(t->scalar(QString("SELECT TO_CHAR(SEQ_NO) || '/' || NVL(TO_CHAR(LECTURE_AMT), '-') FROM EC060MS "
                                   "WHERE LECTURE_DATE = '%1' AND LECTURER_NAME = '새강사'").arg(day(0))),
                 QString("3/0"));
        QCOMPARE(s->grid()->rowCount(), 3);
        QCOMPARE(s->lblLectureSeq->text(), QString("3"));
    }

    // The accident's checks, its time as four digits, both registration numbers typed on a new record
    // and a masked one sent back.
    void lessonAccidents_data() { testing::addBackendColumn(); }
    void lessonAccidents()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = openScreen<TfrmECI070>("ECI070");
        QVERIFY(s);
        QCOMPARE(s->edtTrobName->maxBytes(), 40);
        QCOMPARE(s->edtOffenseName->maxBytes(), 30);
        for (auto [field, group] : {std::pair<QWidget *, QString>{s->edtLossName, "피해자"}, {s->wlbLossAddr2, "피해자"},
                                    {s->edtOffenseIdNo, "가해자"}}) {
            auto *box = qobject_cast<QGroupBox *>(field->parentWidget());
            QVERIFY(box);
            QCOMPARE(box->title(), group);
        }
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 1);
        enter(s->edtTrobWitnesses, "박지민, 김강사");
        s->bbtSaveClick();
        QCOMPARE(t->scalar("SELECT LOSS_ID_NO || '/' || OFFENSE_ID_NO || '/' || TROB_WITNESSES FROM EC070MS WHERE SEQ_NO = 1"),
                 QString("1701013123456/8811111234567/박지민, 김강사"));

        s->bbtAddClick();
        enter(s->edtTrobName, "리프트 하차 중 넘어짐");
        enter(s->edtTrobTime, "1475");
        s->bbtSaveClick();
        QCOMPARE(rec->last(), QString("*사고시간을(를) 정확히 입력하십시오."));
        enter(s->edtTrobTime, "1415");
        enter(s->edtTrobPlace, "2번 리프트");
        s->bbtSaveClick();
        QCOMPARE(rec->last(), QString("*담당강사사번을(를) 먼저 입력하십시오."));
        enter(s->edtLecturerEmpNo, "20050310");
        QCOMPARE(s->edtLecturerName->text(), QString("박서연"));
        enter(s->edtLossIdNo, "1501014123456");
        enter(s->edtOffenseName, "가나다라마바사아자차카타파하");
        enter(s->edtOffenseIdNo, "8001011234567");
        s->bbtSaveClick();
        QCOMPARE(t->scalar(QString("SELECT TO_CHAR(SEQ_NO) || '/' || TROB_TIME || '/' || LOSS_ID_NO || '/' || OFFENSE_ID_NO || '/' || "
                                   "OFFENSE_NAME FROM EC070MS WHERE TROB_DATE = '%1' AND TROB_PLACE = '2번 리프트'").arg(day(0))),
                 QString("2/1415/1501014123456/8001011234567/가나다라마바사아자차카타파하"));
    }

    // The partner group is checked; a day twice and 31 April are refused; the counts of a day in the
    // two matrices are saved and shown again after reopening.
    void partnerLessons_data() { testing::addBackendColumn(); }
    void partnerLessons()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = openScreen<TfrmECI080>("ECI080");
        QVERIFY(s);
        s->bbtSearchClick();
        QCOMPARE(rec->last(), QString("*제휴단체번호을(를) 먼저 입력하십시오."));
        enter(s->edtEventNo, "4400000003");   // cancelled
        s->bbtSearchClick();
        QCOMPARE(rec->last(), QString("*제휴단체번호을(를) 정확히 입력하십시오."));
        enter(s->edtEventNo, "4400000001");
        QCOMPARE(s->wlbEventNo->text(), QString("한빛여행사"));
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 2);
        QCOMPARE(s->mtxTrainerCnt->values().value(0), QString("20"));
        QVERIFY(s->findChild<TNumericEdit *>("wneTrainerCntBoardAmNt"));
        QVERIFY(s->findChild<TNumericEdit *>("wneLecturerCntBabyDn"));

        s->bbtAddClick();
        enter(s->wmeLectureDate, QString("%10431").arg(QDate::currentDate().year()));
        s->bbtSaveClick();
        QCOMPARE(rec->last(), QString("*강습일자을(를) 정확히 입력하십시오."));
        enter(s->wmeLectureDate, day(0));
        s->bbtSaveClick();
        QCOMPARE(rec->last(), QString("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
        enter(s->wmeLectureDate, day(7));
        enter(s->findChild<TNumericEdit *>("wneTrainerCntSkiAm"), "30");
        enter(s->findChild<TNumericEdit *>("wneTrainerCntBoardAmNt"), "4");
        enter(s->findChild<TNumericEdit *>("wneLecturerCntBabyDn"), "2");
        s->bbtSaveClick();
        QCOMPARE(t->scalar(QString("SELECT TO_CHAR(TRAINER_CNT_SKI_AM) || '/' || TO_CHAR(TRAINER_CNT_BOARD_NT) || '/' || "
                                   "TO_CHAR(LECTURER_CNT_BABY_DN) || '/' || TO_CHAR(TRAINER_CNT_SKI_PM) FROM EC080MS "
                                   "WHERE EVENT_NO = '4400000001' AND LECTURE_DATE = '%1'").arg(day(7))),
                 QString("30/4/2/0"));

        s.reset();
        s = openScreen<TfrmECI080>("ECI080");
        enter(s->edtEventNo, "4400000001");
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 3);
        s->grid()->setCurrentRow(2);
        QCOMPARE(s->mtxTrainerCnt->cell(1, 2)->value(), 4);
        QCOMPARE(s->mtxLecturerCnt->cell(2, 3)->value(), 2);

        // a number typed with a blank after it is the group's number: searched, stored and found again
        QVERIFY(t->run("INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE) VALUES ('44123', '짧은번호', '44');"));
        s.reset();
        s = openScreen<TfrmECI080>("ECI080");
        enter(s->edtEventNo, "44123 ");
        s->bbtSearchClick();
        QCOMPARE(s->wlbEventNo->text(), QString("짧은번호"));
        enter(s->wmeLectureDate, day(0));
        enter(s->findChild<TNumericEdit *>("wneTrainerCntSkiAm"), "9");
        s->bbtSaveClick();
        QCOMPARE(t->count("EC080MS", "EVENT_NO = '44123' AND TRAINER_CNT_SKI_AM = 9"), 1);
        s->bbtCancelClick();
        enter(s->edtEventNo, "44123 ");
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 1);
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestRecordScreens t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_record_screens.moc"
