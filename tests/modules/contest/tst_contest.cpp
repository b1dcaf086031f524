// The competition and badge-test screens opened as the menu opens them: competitions of a day,
// applicants of a season, judging sheets of an examination day, and the reports that compute the
// judging results.
#include "core/startupvalues.h"
#include "database/datamodule.h"
#include "database/schema.h"
#include "framework/screenregistry.h"
#include "modules/contest/edi010.h"
#include "modules/contest/edi020.h"
#include "modules/contest/edi030.h"
#include "modules/contest/judgegroup.h"
#include "modules/contest/eds040.h"
#include "modules/contest/eds050.h"
#include "modules/contest/eds060.h"
#include "modules/contest/screens.h"
#include "refdata/codes.h"
#include "support/messagerecorder.h"
#include "support/screens.h"
#include "support/testdatabase.h"
#include "support/typing.h"
#include "report/preview.h"
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QLabel>
#include <QtTest>

using namespace db;

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

const QDate kDay(2026, 12, 9);
const QStringList kAsked{"저장 하시겠습니까?"};   // all a save that passes shows

// Ten points from every judge for receipt 1 (60 each, 180, 60); receipt 2 totals 200 (66.7);
// receipt 20, whose class is no code of E0026, has one score of judge B left empty; receipt 12 was
// judged the next day.
const char *kFixture = R"SQL(
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0004', '26', '2026/2027 시즌');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0006', 'C01', '레드');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0006', 'C02', '블루');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0026', '1', '1급');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0026', '2', '2급');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0026', '3', '3급');
INSERT INTO ED010MS (GAME_DATE, SEQ_NO, GAME_NAME, SOCIETY_NAME, SLOPE, SLOPE_AMT) VALUES ('20261209', 1, '알파인 선수권', '스키협회', 'C02', 150000);
INSERT INTO ED010MS (GAME_DATE, SEQ_NO, GAME_NAME) VALUES ('20261209', 2, '어린이 대회');
INSERT INTO ED010MS (GAME_DATE, SEQ_NO, GAME_NAME) VALUES ('20261210', 1, '다음날 대회');
INSERT INTO ED020MS (SEASON_GUBUN, RECV_NO, APPLY_DATE, ENTRY_NAME_KOR, ID_NO, MOBILE_NO, APPLY_CLASS, APPLY_AMT) VALUES ('26', 1, '20261201', '서지원', '9001012345678', '010-1', '3', 50000);
INSERT INTO ED020MS (SEASON_GUBUN, RECV_NO, APPLY_DATE, ENTRY_NAME_KOR, ID_NO, MOBILE_NO, APPLY_CLASS, APPLY_AMT) VALUES ('26', 2, '20261202', '문태호', '8505051234567', '010-2', '2', 70000);
INSERT INTO ED020MS (SEASON_GUBUN, RECV_NO, APPLY_DATE, ENTRY_NAME_KOR, ID_NO, MOBILE_NO, APPLY_CLASS, APPLY_AMT) VALUES ('26', 12, '20261203', '김민수', '9207071234567', '010-3', '1', 90000);
INSERT INTO ED020MS (SEASON_GUBUN, RECV_NO, APPLY_DATE, ENTRY_NAME_KOR, ID_NO, MOBILE_NO, APPLY_CLASS, APPLY_AMT) VALUES ('26', 20, '20261205', '이민정', '9411112345678', '010-4', 'X', 50000);
INSERT INTO ED020DT (SEASON_GUBUN, EXAMINE_DATE, RECV_NO, EXAMINER_A, PFLUG_BOGEN_A, STEM_TURN_A, PARALLEL_TURN_A, WEDERN_TURN_A, MIDDLE_TURN_A, GEN_DESCENT_A, EXAMINER_B, PFLUG_BOGEN_B, STEM_TURN_B, PARALLEL_TURN_B, WEDERN_TURN_B, MIDDLE_TURN_B, GEN_DESCENT_B, EXAMINER_C, PFLUG_BOGEN_C, STEM_TURN_C, PARALLEL_TURN_C, WEDERN_TURN_C, MIDDLE_TURN_C, GEN_DESCENT_C) VALUES ('26', '20261209', 1, '가', 10, 10, 10, 10, 10, 10, '나', 10, 10, 10, 10, 10, 10, '다', 10, 10, 10, 10, 10, 10);
INSERT INTO ED020DT (SEASON_GUBUN, EXAMINE_DATE, RECV_NO, EXAMINER_A, PFLUG_BOGEN_A, STEM_TURN_A, PARALLEL_TURN_A, WEDERN_TURN_A, MIDDLE_TURN_A, GEN_DESCENT_A, EXAMINER_B, PFLUG_BOGEN_B, STEM_TURN_B, PARALLEL_TURN_B, WEDERN_TURN_B, MIDDLE_TURN_B, GEN_DESCENT_B, EXAMINER_C, PFLUG_BOGEN_C, STEM_TURN_C, PARALLEL_TURN_C, WEDERN_TURN_C, MIDDLE_TURN_C, GEN_DESCENT_C) VALUES ('26', '20261209', 2, '가', 10, 10, 10, 10, 10, 10, '나', 10, 10, 10, 10, 10, 10, '다', 13, 13, 13, 13, 14, 14);
INSERT INTO ED020DT (SEASON_GUBUN, EXAMINE_DATE, RECV_NO, EXAMINER_A, PFLUG_BOGEN_A, STEM_TURN_A, PARALLEL_TURN_A, WEDERN_TURN_A, MIDDLE_TURN_A, GEN_DESCENT_A, EXAMINER_B, PFLUG_BOGEN_B, STEM_TURN_B, PARALLEL_TURN_B, WEDERN_TURN_B, MIDDLE_TURN_B, GEN_DESCENT_B, EXAMINER_C, PFLUG_BOGEN_C, STEM_TURN_C, PARALLEL_TURN_C, WEDERN_TURN_C, MIDDLE_TURN_C, GEN_DESCENT_C) VALUES ('26', '20261209', 20, '가', 7, 7, 7, 7, 7, 7, '나', 7, NULL, 7, 7, 7, 7, '다', 7, 7, 7, 7, 7, 7);
INSERT INTO ED020DT (SEASON_GUBUN, EXAMINE_DATE, RECV_NO, EXAMINER_A, EXAMINER_B, EXAMINER_C) VALUES ('26', '20261210', 12, '가', '나', '다');
)SQL";

// Opens the protected layout step of a report for the test.
template <class Screen>
class Exposed : public Screen {
public:
    using Screen::Screen;
    QStringList lines() { return this->conditionLines(); }
};

QString column(TListGrid *grid, int row, const QString &field)
{
    return grid->model()->text(row, field);
}

// Previews the last search and returns the text of its pages (saved as a PDF in dir).
QString previewText(TfrmEZS000 &s, const QTemporaryDir &dir)
{
    return testing::previewText(s, dir.filePath(s.objectName() + QStringLiteral(".pdf")));
}

} // namespace

class TestContest : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestDatabase> t;
    std::unique_ptr<testing::MessageRecorder> rec;

    bool open(int backend)
    {
        t = std::make_unique<testing::TestDatabase>(static_cast<Backend>(backend));
        if (!t->ok() || !t->run(kFixture))
            return false;
        DM()->attach(t->database());
        rec = std::make_unique<testing::MessageRecorder>();
        return true;
    }

    template <class T> std::unique_ptr<T> openScreen(const QString &id)
    {
        return testing::openScreen<T>(id, QSize(1100, 750));
    }

    // Saves the screen's work; the messages shown since the last clear.
    template <class T> QStringList saved(T &s)
    {
        rec->clear();
        s.bbtSaveClick();
        return rec->texts();
    }

private slots:
    void initTestCase()
    {
        RegisterContestScreens();
        Startup().employeeNumber = "E23";
        Startup().workstationAddress = "10.0.0.23";
    }
    void cleanup()
    {
        rec.reset();
        t.reset();
    }

    // EDI010 keeps the competitions of a day; a new one takes the next number of its day and needs
    // nothing but its name. EDS040 lists the day with the slope's label and the fee grouped.
    void competitions_data() { testing::addBackendColumn(); }
    void competitions()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = openScreen<TfrmEDI010>("EDI010");
        QVERIFY(s);
        QCOMPARE(QApplication::focusWidget(), s->dtpDate);
        s->dtpDate->setDate(kDay);
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 2);
        QCOMPARE(s->edtGameName->text(), QString("알파인 선수권"));
        QCOMPARE(s->cboSlope->currentText(), QString("블루"));

        s->bbtAddClick();
        QCOMPARE(s->grid()->rowCount(), 3);
        s->edtSocietyName->setText("협회만");
        QCOMPARE(saved(*s), QStringList({"*대회명을(를) 먼저 입력하십시오."}));
        QCOMPARE(QApplication::focusWidget(), s->edtGameName);
        s->edtGameName->setText("새 대회");
        QCOMPARE(saved(*s), kAsked);
        QCOMPARE(t->scalar("SELECT SEQ_NO || '/' || SOCIETY_NAME || '/' || U_EMP_NO FROM ED010MS "
                           "WHERE GAME_DATE = '20261209' AND GAME_NAME = '새 대회'"),
                 QString("3/협회만/E23"));
        QCOMPARE(s->grid()->rowCount(), 3);

        // a competition stored without a slope shows none, and saving its remark stores none either
        s->grid()->setCurrentRow(1);
        QCOMPARE(s->cboSlope->currentIndex(), -1);
        QCOMPARE(s->grid()->cell(1, "슬로프"), QString());
        testing::typeInto(s->edtRemark, "비고만");
        QCOMPARE(saved(*s), kAsked);
        QCOMPARE(t->count("ED010MS", "GAME_DATE = '20261209' AND SEQ_NO = 2 AND REMARK = '비고만' AND SLOPE IS NULL "
                                     "AND SLOPE_AMT IS NULL"),
                 1);

        Exposed<TfrmEDS040> r;
        r.dtpDate->setDate(kDay);
        r.bbtSearchClick();
        QCOMPARE(r.rgrGrid->model()->rowCount(), 3);
        QCOMPARE(column(r.rgrGrid, 0, "SLOPE_AMT"), QString("150,000"));
        QCOMPARE(column(r.rgrGrid, 0, "SLOPE"), QString("블루"));
        QCOMPARE(r.lines(), QStringList({"*대회일자: 2026-12-09"}));
    }

    // EDI020: the registration number is listed masked and an unchanged one keeps the stored number;
    // a new applicant is checked in the order of the screen and numbered within the season; one who
    // has judging sheets is not deleted.
    void applicants_data() { testing::addBackendColumn(); }
    void applicants()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = openScreen<TfrmEDI020>("EDI020");
        QVERIFY(s);
        QVERIFY(unitBeside(s->wneApplyAmt, "원"));
        QCOMPARE(QApplication::focusWidget(), s->edtSeason);
        for (QWidget *name : {static_cast<QWidget *>(s->edtEntryNameKor), static_cast<QWidget *>(s->edtEntryNameEng)})
            QCOMPARE(qobject_cast<QGroupBox *>(name->parentWidget())->title(), QString("참가자명"));
        rec->clear();
        s->bbtSearchClick();
        QCOMPARE(rec->texts(), QStringList({"*시즌을(를) 먼저 입력하십시오."}));
        s->edtSeason->setText("27");
        rec->clear();
        s->bbtSearchClick();
        QCOMPARE(rec->texts(), QStringList({"*시즌을(를) 정확히 입력하십시오."}));
        s->edtSeason->setText("26");
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 4);
        QCOMPARE(s->grid()->cell(0, "접수번호"), QString("000001"));
        QCOMPARE(s->grid()->cell(0, "주민등록번호"), QString("9001012******"));

        s->edtMobileNo->setText("010-9999");
        s->edtHomeTelNo->setText("02-1");
        QCOMPARE(saved(*s), kAsked);
        QCOMPARE(t->scalar("SELECT ID_NO || '/' || MOBILE_NO || '/' || HOME_TEL_NO FROM ED020MS WHERE RECV_NO = 1"),
                 QString("9001012345678/010-9999/02-1"));

        s->bbtAddClick();
        s->wmeApplyDate->setValue("20260431");
        QCOMPARE(saved(*s), QStringList({"*신청일을(를) 정확히 입력하십시오."}));
        s->wmeApplyDate->setValue("20261208");
        QCOMPARE(saved(*s), QStringList({"참가자명을(를) 먼저 입력하십시오."}));
        QCOMPARE(QApplication::focusWidget(), s->edtEntryNameKor);
        s->edtEntryNameKor->setText("최신입");
        QCOMPARE(saved(*s), QStringList({"*주민등록번호을(를) 먼저 입력하십시오."}));
        s->wmeIdNo->setValue("9912312345678");
        QCOMPARE(saved(*s), QStringList({"*핸드폰번호을(를) 먼저 입력하십시오."}));
        s->edtMobileNo->setText("010-5");
        QCOMPARE(saved(*s), kAsked);
        QCOMPARE(t->scalar("SELECT RECV_NO || '/' || ID_NO || '/' || APPLY_CLASS FROM ED020MS "
                           "WHERE ENTRY_NAME_KOR = '최신입'"),
                 QString("21/9912312345678/1"));

        // receipt 2 has a judging sheet: the refusal says why and the applicant stays
        s->grid()->setCurrentRow(1);
        QCOMPARE(s->grid()->cell(1, "참가자명"), QString("문태호"));
        s->bbtDeleteClick();
        const QStringList refused = saved(*s);
        QCOMPARE(refused.size(), 2);
        QVERIFY2(refused.last().contains("심사 자료[1 건]가 등록된 참가자는 삭제할 수 없습니다."), qPrintable(refused.last()));
        QCOMPARE(t->count("ED020MS", "RECV_NO = 2"), 1);
    }

    // EDS050: the season's applicants, by part of the name, a receipt range or an application period
    // (a date that is no date refused); receipt numbers as stored, registration numbers dashed in their
    // display form.
    void applicantReport_data() { testing::addBackendColumn(); }
    void applicantReport()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        Exposed<TfrmEDS050> r;
        r.edtSeason->setText("26");
        r.bbtSearchClick();
        QCOMPARE(r.rgrGrid->model()->rowCount(), 4);
        QCOMPARE(column(r.rgrGrid, 2, "RECV_NO"), QString("12"));
        QCOMPARE(column(r.rgrGrid, 0, "ID_NO"), QString("900101-2******"));
        QCOMPARE(column(r.rgrGrid, 3, "APPLY_CLASS"), QString());
        QCOMPARE(column(r.rgrGrid, 1, "APPLY_AMT"), QString("70,000"));
        QStringList boxes;   // the current applicant's other fields below the grid, in their groups
        for (QGroupBox *box : r.findChildren<QGroupBox *>())
            if (box->findChild<QLineEdit *>("edtHomeTelNo") || box->findChild<QLineEdit *>("edtEntryNameEng")
                || box->findChild<QLineEdit *>("edtOfficeZipCode"))
                boxes << box->title();
        QCOMPARE(boxes, QStringList({"자택정보", "참가자명", "직장정보"}));

        r.cboCondition->setCurrentIndex(2);   // 참가자명
        QVERIFY(r.edtEntryNameKor->isVisibleTo(&r) && !r.edtRecvNoFrom->isVisibleTo(&r));
        r.edtEntryNameKor->setText("민");
        r.bbtSearchClick();
        QCOMPARE(r.rgrGrid->model()->rowCount(), 2);   // 김민수, 이민정
        QCOMPARE(r.lines(), QStringList({"*시즌: 2026/2027 시즌", "검색조건: 참가자명", "민"}));

        r.cboCondition->setCurrentIndex(1);   // 접수번호
        r.edtRecvNoTo->setText("10");
        r.bbtSearchClick();
        QCOMPARE(r.rgrGrid->model()->rowCount(), 2);
        QCOMPARE(r.lines().last(), QString("[전체]  ∼  10"));

        // an application date that is no date is refused on its page only, not searched
        r.cboCondition->setCurrentIndex(3);   // 신청일
        r.wmeApplyDateFrom->setValue("20261301");
        rec->clear();
        r.bbtSearchClick();
        QCOMPARE(rec->texts(), QStringList({"신청일을(를) 정확히 입력하십시오."}));
        QCOMPARE(r.rgrGrid->model()->rowCount(), 2);   // the last search's rows stay
        r.cboCondition->setCurrentIndex(0);
        r.bbtSearchClick();
        QCOMPARE(r.rgrGrid->model()->rowCount(), 4);
        QCOMPARE(r.lines(), QStringList({"*시즌: 2026/2027 시즌", "검색조건: [ 전 체 ]"}));
    }

    // EDI030: a typed receipt number is looked up and rewritten with six digits; one nobody has
    // empties the applicant; a second sheet of the day is refused, another day accepted; a score left
    // empty stays empty, on the sheet and in the results (no sum, total or average for that judge).
    // An applicant whose class is no code still lists.
    void judging_data() { testing::addBackendColumn(); }
    void judging()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = openScreen<TfrmEDI030>("EDI030");
        QVERIFY(s);
        s->edtSeason->setText("26");
        s->dtpDate->setDate(kDay);
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 3);
        QCOMPARE(s->grid()->cell(2, "접수번호"), QString("000020"));
        QCOMPARE(s->grid()->cell(2, "신청급수"), QString());
        for (int r = 0; r < 3; ++r)   // listed as the other lists show personal numbers
            QVERIFY2(s->grid()->cell(r, "주민등록번호").endsWith("******"), qPrintable(s->grid()->cell(r, "주민등록번호")));
        QCOMPARE(s->edtExaminerA->text(), QString("가"));
        QCOMPARE(s->grpExaminerA->scores.first()->text(), QString("10"));
        QVERIFY(s->wmeApplyDate->isReadOnly() && s->wmeIdNo->isReadOnly() && s->edtApplyClass->isReadOnly());

        s->bbtAddClick();
        QCOMPARE(s->grid()->rowCount(), 4);
        s->edtRecvNo->setFocus();
        s->edtRecvNo->setText("77");
        s->edtRecvNo->setModified(true);
        emit s->edtRecvNo->editingFinished();
        QCOMPARE(s->edtRecvNo->text() + s->edtEntryNameKor->text(), QString());
        QCOMPARE(saved(*s), QStringList({"*접수번호을(를) 먼저 입력하십시오."}));

        s->edtRecvNo->setText("12");
        s->edtRecvNo->setModified(true);
        emit s->edtRecvNo->editingFinished();
        QCOMPARE(QStringList({s->edtRecvNo->text(), s->edtEntryNameKor->text(), s->wmeApplyDate->value(),
                              s->wmeIdNo->value(), s->edtApplyClass->text()}),
                 QStringList({"000012", "김민수", "20261203", "9207071234567", "1급"}));
        QCOMPARE(saved(*s), QStringList({"심사자 A을(를) 먼저 입력하십시오."}));
        QCOMPARE(QApplication::focusWidget(), s->edtExaminerA);
        for (TJudgeGroup *g : {s->grpExaminerA, s->grpExaminerB, s->grpExaminerC}) {
            g->edtExaminer->setText("심사" + g->objectName().right(1));
            for (int i = 0; i < 5; ++i)   // the last score stays empty
                g->scores[i]->setValue(20 + i);
        }
        QCOMPARE(saved(*s), kAsked);
        QCOMPARE(t->scalar("SELECT EXAMINER_B || '/' || PFLUG_BOGEN_B || '/' || MIDDLE_TURN_C || '/' || NVL(CAST(GEN_DESCENT_C "
                           "AS VARCHAR(3)), '-') FROM ED020DT WHERE EXAMINE_DATE = '20261209' AND RECV_NO = 12"),
                 QString("심사B/20/24/-"));
        QCOMPARE(t->count("ED020DT", "RECV_NO = 12"), 2);   // and the sheet of the next day

        // the same applicant again on that day
        s->bbtAddClick();
        s->edtRecvNo->setText("1");
        s->edtRecvNo->setModified(true);
        emit s->edtRecvNo->editingFinished();
        for (TJudgeGroup *g : {s->grpExaminerA, s->grpExaminerB, s->grpExaminerC})
            g->edtExaminer->setText("또");
        QCOMPARE(saved(*s), QStringList({"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."}));
        QCOMPARE(QApplication::focusWidget(), s->edtRecvNo);

        // the sheet of 000012 with an empty score: no sum for that judge, no total, no average
        {
            Exposed<TfrmEDS060> r;
            r.edtSeason->setText("26");
            r.dtpDate->setDate(kDay);
            r.edtRecvNoFrom->setText("12");
            r.edtRecvNoTo->setText("12");
            r.bbtSearchClick();
            QCOMPARE(r.rgrGrid->model()->rowCount(), 1);
            QStringList shown;
            for (const char *f : {"MIDDLE_TURN_A", "GEN_DESCENT_A", "A_SCORE", "TOT_SCORE", "AVG_SCORE"})
                shown << column(r.rgrGrid, 0, f);
            QCOMPARE(shown.join(QLatin1Char('|')), QString("24||||"));
            QTemporaryDir dir;
            const QString text = previewText(r, dir);
            QVERIFY2(text.contains("24") && !text.contains(QRegularExpression("\\b0\\b")), qPrintable(text));
        }

        // a stored sheet is never moved onto another applicant: its receipt number and the number's
        // lookup are locked together, and open together only for a new sheet
        s->bbtCancelClick();
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 4);
        bool lookedUp = false;
        QTimer closer;
        closer.setSingleShot(true);
        connect(&closer, &QTimer::timeout, [&] {
            if (QWidget *d = QApplication::activeModalWidget()) {
                lookedUp = true;
                d->close();
            }
        });
        closer.start(0);
        QVERIFY(!s->edtRecvNo->isEnabled() && !s->bbtRecvNo->isEnabled());
        s->bbtRecvNo->click();
        QVERIFY(!lookedUp);
        s->bbtAddClick();
        QVERIFY(s->edtRecvNo->isEnabled() && s->bbtRecvNo->isEnabled());
        s->grid()->setCurrentRow(0);
        QVERIFY(!s->bbtRecvNo->isEnabled());
        QCOMPARE(s->edtRecvNo->text(), QString("000001"));
    }

    // The demo database: today's competitions, the season's applicants and today's judging results.
    void demo_data() { testing::addBackendColumn(); }
    void demo()
    {
        TEST_DB_FETCH(d);
        QString error;
        QVERIFY2(db::loadDemoData(*d.database(), QDate::currentDate(), &error), qPrintable(error));
        DM()->attach(d.database());
        rec = std::make_unique<testing::MessageRecorder>();
        auto competitions = openScreen<TfrmEDI010>("EDI010");
        competitions->bbtSearchClick();
        QCOMPARE(competitions->grid()->rowCount(), 2);
        auto applicants = openScreen<TfrmEDI020>("EDI020");
        applicants->edtSeason->setText("26");
        applicants->bbtSearchClick();
        QCOMPARE(applicants->grid()->rowCount(), 8);
        auto sheets = openScreen<TfrmEDI030>("EDI030");
        sheets->edtSeason->setText("26");
        sheets->bbtSearchClick();
        QCOMPARE(sheets->grid()->rowCount(), 4);
        TfrmEDS060 results;
        results.edtSeason->setText("26");
        results.bbtSearchClick();
        QCOMPARE(results.rgrGrid->model()->rowCount(), 4);
        QCOMPARE(column(results.rgrGrid, 0, "TOT_SCORE"), QString("1248"));
        QCOMPARE(column(results.rgrGrid, 0, "AVG_SCORE"), QString("416"));
        QCOMPARE(rec->texts(), QStringList());
    }

    // EDS060: each judge's sum, the total and the average, against figures worked out by hand.
    void results_data() { testing::addBackendColumn(); }
    void results()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        Exposed<TfrmEDS060> r;
        r.edtSeason->setText("26");
        r.dtpDate->setDate(kDay);
        r.bbtSearchClick();
        TListGrid *g = r.rgrGrid;
        QCOMPARE(g->model()->rowCount(), 3);
        auto results = [&](int row) {
            QStringList v;
            for (const char *f : {"RECV_NO", "APPLY_NAME", "A_SCORE", "B_SCORE", "C_SCORE", "TOT_SCORE", "AVG_SCORE"})
                v << column(g, row, f);
            return v.join('|');
        };
        QCOMPARE(results(0), QString("1|서지원|60|60|60|180|60"));
        QCOMPARE(results(1), QString("2|문태호|60|60|80|200|66.7"));
        QCOMPARE(results(2), QString("20|이민정|42||42||"));

        r.edtRecvNoTo->setText("10");
        r.bbtSearchClick();
        QCOMPARE(g->model()->rowCount(), 2);
        QTemporaryDir dir;
        const QString text = previewText(r, dir);
        for (const char *printed : {"뱃지테스트 심사 현황", "EDP060", "심 사 자(A)", "심 사 자(C)", "슈텐턴", "66.7", "건수:"})
            QVERIFY2(text.contains(QString::fromUtf8(printed)), printed);
        QVERIFY(text.contains(QRegularExpression("건수:\\s+2\\b")));
        QCOMPARE(r.lines(), QStringList({"*시즌: 2026/2027 시즌", "*심사일자: 2026-12-09", "접수번호: [전체]  ∼  10"}));
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestContest t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_contest.moc"
