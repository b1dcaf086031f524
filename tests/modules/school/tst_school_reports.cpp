// The ski-school reports opened as the menu opens them: enrolments of a season by number, trainees
// of a season by receipt date or number (each receipt over its own trainees), staff reservations of
// a day, private lessons of a day, lesson accidents of a day, the lessons of a partner group; their
// counts against the tables and their printed conditions.
#include "database/datamodule.h"
#include "database/schema.h"
#include "framework/dialogs/zzh000.h"
#include "modules/school/ecs120.h"
#include "modules/school/ecs150.h"
#include "modules/school/ecs160.h"
#include "modules/school/ecs090.h"
#include "modules/school/ecs100.h"
#include "modules/school/ecs110.h"
#include "modules/school/ecs130.h"
#include "modules/school/ecs140.h"
#include "modules/school/screens.h"
#include "refdata/codes.h"
#include "support/messagerecorder.h"
#include "support/screens.h"
#include "support/testdatabase.h"
#include "support/xlsreader.h"
#include "widgets/inputs.h"
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QHeaderView>
#include <QtTest>

using namespace db;

namespace {

// Receipt 0000000002 is entered before 0000000001's second trainee, so only an ordered list keeps
// each receipt's trainees together.
const char *kFixture = R"SQL(
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0004', '26', '2026/2027 시즌');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('Z0008', '1', '남');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0022', '01', '스키');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0023', '01', '개인강습');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0024', '01', '초급');
INSERT INTO EC010MS (SEASON_GUBUN, LECTURE_NO, TRAINER_NAME, ENTER_DATE, SEX, ID_NO, LECTURE_ITEM_GUBUN) VALUES ('26', 50, '가', '20261201', '1', '8503151234567', '01');
INSERT INTO EC010MS (SEASON_GUBUN, LECTURE_NO, TRAINER_NAME) VALUES ('26', 100, '나');
INSERT INTO EC010MS (SEASON_GUBUN, LECTURE_NO, TRAINER_NAME) VALUES ('26', 150, '다');
INSERT INTO EC010MS (SEASON_GUBUN, LECTURE_NO, TRAINER_NAME) VALUES ('25', 120, '라');
INSERT INTO EC020MS (SEASON_GUBUN, RECEIPT_NO, ENTER_DATE, RECEIPT_NAME) VALUES ('26', '0000000001', '20261201', '홍');
INSERT INTO EC020MS (SEASON_GUBUN, RECEIPT_NO, ENTER_DATE, RECEIPT_NAME) VALUES ('26', '0000000002', '20261205', '김');
INSERT INTO EC020DT (SEASON_GUBUN, RECEIPT_NO, RECEIPT_SEQ, TRAINER_NAME, LECTURE_ITEM_GUBUN) VALUES ('26', '0000000001', 1, '홍1', '01');
INSERT INTO EC020DT (SEASON_GUBUN, RECEIPT_NO, RECEIPT_SEQ, TRAINER_NAME) VALUES ('26', '0000000002', 1, '김1');
INSERT INTO EC020DT (SEASON_GUBUN, RECEIPT_NO, RECEIPT_SEQ, TRAINER_NAME) VALUES ('26', '0000000001', 2, '홍2');
INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, EMP_NO, EMP_NAME, YAEYAK_CNT) VALUES ('20261209', '01', '01', '01', 'E2  ', '둘', 2);
INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, EMP_NO, EMP_NAME, YAEYAK_CNT) VALUES ('20261209', '01', '01', '01', 'E1', '하나', 1);
INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, EMP_NO, EMP_NAME, YAEYAK_CNT) VALUES ('20261210', '01', '01', '01', 'E1', '하나', 1);
INSERT INTO EC060MS (LECTURE_DATE, SEQ_NO, LECTURER_NAME, LECTURE_REC_GUBUN, LECTURE_AMT) VALUES ('20261209', 1, '외부', '01', 1234567);
INSERT INTO EC060MS (LECTURE_DATE, SEQ_NO, LECTURER_NAME) VALUES ('20261209', 2, '무료');
INSERT INTO ZX900DT (GRP_NO, CODE_NO, CODE_NAME) VALUES ('Q043', '01', '1조');
INSERT INTO EC030MS (LECTURE_DATE, LECTURER_EMP_NO, AREA_GUBUN, LECTURE_DETAIL_GUBUN, LECTURER_NAME, TEAM, LECTURE_CNT) VALUES ('20261209', 'L2', 'M', '01', '둘', '01', 3);
INSERT INTO EC030MS (LECTURE_DATE, LECTURER_EMP_NO, AREA_GUBUN, LECTURE_DETAIL_GUBUN, LECTURER_NAME) VALUES ('20261209', 'L1', 'M', '01', '하나');
INSERT INTO EC030MS (LECTURE_DATE, LECTURER_EMP_NO, AREA_GUBUN, LECTURE_DETAIL_GUBUN, LECTURER_NAME, LECTURE_ITEM_GUBUN) VALUES ('20261210', 'L1', 'M', '01', '하나', '01');
INSERT INTO EC030MS (LECTURE_DATE, LECTURER_EMP_NO, AREA_GUBUN, LECTURE_DETAIL_GUBUN, LECTURER_NAME) VALUES ('20261211', 'L1', 'M', '01', '하나');
INSERT INTO EC030MS (LECTURE_DATE, LECTURER_EMP_NO, AREA_GUBUN, LECTURE_DETAIL_GUBUN, LECTURER_NAME) VALUES ('20261220', 'L1', 'M', '01', '하나');
INSERT INTO EC070MS (TROB_DATE, SEQ_NO, TROB_NAME, TROB_TIME, TROB_PLACE, LOSS_NAME, LOSS_ID_NO, LOSS_ZIP_CODE, LOSS_ADDR1, OFFENSE_NAME) VALUES ('20261209', 1, '충돌', '0905', '초급', '피해일', '8503151234567', '232811', '평창', '가해일');
INSERT INTO EC070MS (TROB_DATE, SEQ_NO, TROB_NAME, TROB_TIME, LOSS_NAME) VALUES ('20261209', 2, '넘어짐', '1430', '피해이');
INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE) VALUES ('4400000009', '제휴여행', '44');
INSERT INTO EC080MS (EVENT_NO, LECTURE_DATE, TRAINER_CNT_SKI_AM, TRAINER_CNT_BABY_DN, LECTURER_CNT_SKI_AM, LECTURER_CNT_BOARD_NT) VALUES ('4400000009', '20261209', 10, 3, 2, 1);
INSERT INTO EC080MS (EVENT_NO, LECTURE_DATE, TRAINER_CNT_SKI_AM, TRAINER_CNT_SKI_PM, LECTURER_CNT_SKI_AM) VALUES ('4400000009', '20261210', 5, 7, 1);
INSERT INTO EC080MS (EVENT_NO, LECTURE_DATE, TRAINER_CNT_SKI_AM) VALUES ('4400000008', '20261209', 99);
)SQL";

// The condition lines a report prints.
struct Lines : TfrmECS100 {
    static QStringList of(TfrmECS100 &s) { return (s.*(&Lines::conditionLines))(); }
};
struct PeriodLines : TfrmECS120 {
    static QStringList of(TfrmECS120 &s) { return (s.*(&PeriodLines::conditionLines))(); }
};

QString cell(TfrmReportList &s, int row, const QString &field) { return s.rgrGrid->model()->text(row, field); }
int rows(TfrmReportList &s) { return s.rgrGrid->model()->rowCount(); }

} // namespace

class TestSchoolReports : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestDatabase> t;
    std::unique_ptr<testing::MessageRecorder> rec;
    QTemporaryDir dir;

    bool open(int backend)
    {
        t = std::make_unique<testing::TestDatabase>(static_cast<Backend>(backend));
        if (!t->ok() || !t->run(kFixture))
            return false;
        DM()->attach(t->database());
        rec = std::make_unique<testing::MessageRecorder>();
        return true;
    }
    QStringList searched(TfrmReportList &s)
    {
        rec->clear();
        s.bbtSearchClick();
        return rec->texts();
    }

private slots:
    void initTestCase()
    {
        RegisterSchoolScreens();
    }
    void cleanup()
    {
        rec.reset();
        t.reset();
    }

    // ECS090: the season is required; an empty bound is open and prints as "[전체]"; the
    // registration number is masked; the preview counts its lines.
    void enrolments_data() { testing::addBackendColumn(); }
    void enrolments()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = testing::openScreen<TfrmECS090>("ECS090");
        QVERIFY(s);
        QCOMPARE(searched(*s), QStringList({"*시즌을(를) 먼저 입력하십시오."}));
        s->edtSeason->setText("26");
        s->bbtSearchClick();
        QCOMPARE(rows(*s), t->scalar("SELECT COUNT(*) FROM EC010MS WHERE SEASON_GUBUN = '26'").toInt());
        QCOMPARE(cell(*s, 0, "LECTURE_NO"), QString("00000050"));
        QCOMPARE(cell(*s, 0, "ID_NO"), QString("850315-1******"));
        QCOMPARE(cell(*s, 0, "SEX"), QString("남"));
        QCOMPARE(cell(*s, 0, "ENTER_DATE"), QString("2026-12-01"));
        s->edtLectureNoFrom->setText("100");
        s->bbtSearchClick();
        QCOMPARE(rows(*s), 2);
        const QString page = testing::previewText(*s, dir.filePath("ecs090.pdf"));
        QVERIFY2(page.contains("스키클럽 수강현황") && page.contains(QRegularExpression("수강번호: 100 +∼ +\\[전체\\]"))
                     && page.contains("건수:"), qPrintable(page));
        QVERIFY(page.contains("00000150"));
        s->edtLectureNoFrom->clear();
        QTest::keyClicks(s->edtLectureNoFrom, "1x0");   // digits only, typed or set
        QCOMPARE(s->edtLectureNoFrom->text(), QString("10"));
        s->edtLectureNoTo->setText("2x");
        QCOMPARE(searched(*s), QStringList({"수강번호을(를) 정확히 입력하십시오."}));
    }

    // ECS100: each receipt heads its own trainees; date bounds are checked as dates; a typed
    // receipt number finds the ten-digit receipt.
    void trainees_data() { testing::addBackendColumn(); }
    void trainees()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = testing::openScreen<TfrmECS100>("ECS100");
        QVERIFY(s);
        s->edtSeason->setText("26");
        s->bbtSearchClick();
        QCOMPARE(rows(*s), t->scalar("SELECT COUNT(*) FROM EC020DT WHERE SEASON_GUBUN = '26'").toInt());
        QStringList order;
        for (int r = 0; r < rows(*s); ++r)
            order << cell(*s, r, "TRAINER_NAME");
        QCOMPARE(order, QStringList({"홍1", "홍2", "김1"}));
        QCOMPARE(cell(*s, 0, "LECTURE_ITEM_GUBUN"), QString("스키"));
        QCOMPARE(Lines::of(*s), QStringList({"*시즌: 2026/2027 시즌", "검색조건: [ 전 체 ]", ""}));

        // in print too, the receipt heads its trainees: its number and date once; the sixteen columns
        // fit the page, the last one included
        const QString page = testing::previewText(*s, dir.filePath("ecs100.pdf"));
        QVERIFY2(page.contains("홍2") && page.count("0000000001") == 1 && page.count("2026-12-01") == 1
                     && page.contains("담당강사명"), qPrintable(page));

        s->cboCondition->setCurrentIndex(1);
        QVERIFY(s->wmeEnterDateFrom->isVisibleTo(s.get()) && !s->edtReceiptNoFrom->isVisibleTo(s.get()));
        s->bbtSearchClick();
        QCOMPARE(rows(*s), 3);
        QCOMPARE(Lines::of(*s).last(), QString("[전체]  ∼  [전체]"));
        s->wmeEnterDateFrom->setValue("20261301");
        QCOMPARE(searched(*s), QStringList({"접수일자을(를) 정확히 입력하십시오."}));
        s->wmeEnterDateFrom->setValue("20261202");
        s->bbtSearchClick();
        QCOMPARE(rows(*s), 1);
        QCOMPARE(Lines::of(*s).last(), QString("2026-12-02  ∼  [전체]"));

        s->cboCondition->setCurrentIndex(2);
        s->edtReceiptNoTo->setText("1");
        s->bbtSearchClick();
        QCOMPARE(rows(*s), 2);
        QCOMPARE(cell(*s, 1, "RECEIPT_NO"), QString("0000000001"));
    }

    // ECS130: the reservations of the day, staff numbers without their padding.
    void reservations_data() { testing::addBackendColumn(); }
    void reservations()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = testing::openScreen<TfrmECS130>("ECS130");
        QVERIFY(s);
        s->dtpDate->setDate(QDate(2026, 12, 9));
        s->bbtSearchClick();
        QCOMPARE(rows(*s), t->scalar("SELECT COUNT(*) FROM EC050MS WHERE YAEYAK_DATE = '20261209'").toInt());
        QCOMPARE(cell(*s, 1, "EMP_NO"), QString("E2"));
        QCOMPARE(cell(*s, 0, "LECTURE_REC_NAME"), QString("개인강습"));
        const QString page = testing::previewText(*s, dir.filePath("ecs130.pdf"));
        QVERIFY2(page.contains("직원예약 현황") && page.contains("*예약일자: 2026-12-09"), qPrintable(page));

        // ECS140: the fee with thousands separators, an empty fee left empty
        auto p = testing::openScreen<TfrmECS140>("ECS140");
        QVERIFY(p);
        p->dtpDate->setDate(QDate(2026, 12, 9));
        p->bbtSearchClick();
        QCOMPARE(rows(*p), 2);
        QCOMPARE(cell(*p, 0, "LECTURE_AMT"), QString("1,234,567"));
        QCOMPARE(cell(*p, 0, "LECTURE_REC_GUBUN"), QString("개인강습"));
        QCOMPARE(cell(*p, 1, "LECTURE_AMT"), QString());

        // ECS110: the assignments of the day by instructor, the team from the personnel codes
        auto a = testing::openScreen<TfrmECS110>("ECS110");
        QVERIFY(a);
        a->dtpDate->setDate(QDate(2026, 12, 9));
        a->bbtSearchClick();
        QCOMPARE(rows(*a), 2);
        QCOMPARE(cell(*a, 0, "LECTURER_EMP_NO"), QString("L1"));
        QCOMPARE(cell(*a, 1, "TEAM_NAME"), QString("1조"));
    }

    // ECS120: each instructor's assignments of the period, then a yellow subtotal row counting them;
    // the footer and the print count every assignment; a bound that is not a date is refused.
    void attendance_data() { testing::addBackendColumn(); }
    void attendance()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = testing::openScreen<TfrmECS120>("ECS120");
        QVERIFY(s);
        s->wmeDateFrom->setValue("20261209");
        s->wmeDateTo->setValue("20261211");
        QCOMPARE(searched(*s), QStringList());
        QStringList shown;
        for (int r = 0; r < rows(*s); ++r)
            shown << cell(*s, r, "DIS_LECTURER_EMP_NO") + "|" + cell(*s, r, "LECTURE_ITEM_GUBUN_NAME") + "|"
                         + cell(*s, r, "LECTURE_REC_GUBUN_NAME");
        QCOMPARE(shown, QStringList({"L1||", "L1|스키|", "L1||", " |소계|3", "L2||", " |소계|1"}));
        auto yellow = [&](int row) {
            return s->rgrGrid->model()->index(row, 0).data(Qt::BackgroundRole).value<QColor>() == QColor(Qt::yellow);
        };
        QVERIFY(yellow(3) && yellow(5) && !yellow(0) && !yellow(2) && !yellow(4));
        const QString total = t->scalar("SELECT COUNT(*) FROM EC030MS WHERE LECTURE_DATE BETWEEN '20261209' AND '20261211'");
        QCOMPARE(s->rgrGrid->footerText(0), QString("합  계"));
        QCOMPARE(s->rgrGrid->footerText(7), total);
        s->wmeDateTo->clear();
        QCOMPARE(PeriodLines::of(*s), QStringList({"*출역일자: 2026-12-09  ∼  [전체]"}));
        s->bbtSearchClick();
        const QString page = testing::previewText(*s, dir.filePath("ecs120.pdf"));
        QVERIFY2(page.contains("기간별 강사출역현황") && page.contains(QRegularExpression("합계 +5\\s"))
                     && !page.contains("건수:"), qPrintable(page));

        s->wmeDateFrom->clear();
        s->bbtSearchClick();   // both bounds open: every assignment and a subtotal per instructor
        QCOMPARE(rows(*s), t->scalar("SELECT COUNT(*) + COUNT(DISTINCT LECTURER_EMP_NO) FROM EC030MS").toInt());

        s->wmeDateFrom->setValue("20261309");
        QCOMPARE(searched(*s), QStringList({"*출역일자을(를) 정확히 입력하십시오."}));
        QCOMPARE(rec->kinds(), QList<MessageKind>({MessageKind::Info}));
        QCOMPARE(s->focusWidget(), static_cast<QWidget *>(s->wmeDateFrom));
    }

    // ECS150: the time as hh:mm; the victim of the accident under the cursor below the grid, its zip
    // code with a dash; the print leaves the time out.
    void accidents_data() { testing::addBackendColumn(); }
    void accidents()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = testing::openScreen<TfrmECS150>("ECS150");
        QVERIFY(s);
        s->dtpDate->setDate(QDate(2026, 12, 9));
        s->bbtSearchClick();
        QCOMPARE(rows(*s), 2);
        QCOMPARE(cell(*s, 0, "TROB_TIME"), QString("09:05"));
        auto shown = [&](const char *name) { return s->findChild<QLineEdit *>(name)->text(); };
        QCOMPARE(shown("edtLossName"), QString("피해일"));
        QCOMPARE(shown("edtLossZipCode"), QString("232-811"));
        QCOMPARE(shown("edtLossAddr1"), QString("평창"));
        QCOMPARE(shown("edtOffenseName"), QString("가해일"));
        QVERIFY(shown("edtLossIdNo").startsWith("8503151") && !shown("edtLossIdNo").contains('-'));
        s->sbtNextClick();
        QCOMPARE(shown("edtLossName"), QString("피해이"));
        QCOMPARE(shown("edtLossZipCode"), QString());
        const QString page = testing::previewText(*s, dir.filePath("ecs150.pdf"));
        QVERIFY2(page.contains("강습사고 현황") && page.contains("*사고일자: 2026-12-09") && page.contains("피해자")
                     && page.contains("넘어짐") && page.contains("건수:"), qPrintable(page));
        QVERIFY(!page.contains("09:05"));
        s->dtpDate->setDate(QDate(2026, 12, 10));
        s->bbtSearchClick();
        QCOMPARE(shown("edtLossName"), QString());
    }

    // The demo database has an accident today and lessons of its first partner group.
    void demoData_data() { testing::addBackendColumn(); }
    void demoData()
    {
        QFETCH(int, backend);
        t = std::make_unique<testing::TestDatabase>(static_cast<Backend>(backend));
        QString error;
        QVERIFY2(t->ok() && db::loadDemoData(*t->database(), QDate::currentDate(), &error), qPrintable(error));
        DM()->attach(t->database());
        rec = std::make_unique<testing::MessageRecorder>();
        auto accidents = testing::openScreen<TfrmECS150>("ECS150");
        accidents->dtpDate->setDate(QDate::currentDate());
        accidents->bbtSearchClick();
        QVERIFY(rows(*accidents) > 0);
        auto lessons = testing::openScreen<TfrmECS160>("ECS160");
        lessons->edtEventNo->setText("4400000001");
        lessons->bbtSearchClick();
        QVERIFY(rows(*lessons) > 0);
        QCOMPARE(rec->texts(), QStringList());
    }

    // ECS160: the partner group is checked first; each sum counts an empty count as none and the sums
    // agree with the table; the export and the print carry the bands over the titles.
    void partnerGroupLessons_data() { testing::addBackendColumn(); }
    void partnerGroupLessons()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        auto s = testing::openScreen<TfrmECS160>("ECS160");
        QVERIFY(s);
        QCOMPARE(searched(*s), QStringList({"*제휴단체번호을(를) 먼저 입력하십시오."}));
        QCOMPARE(QApplication::focusWidget(), s->edtEventNo);
        s->edtEventNo->setText("4400000008");   // lessons, but no such partner group
        QCOMPARE(searched(*s), QStringList({"*제휴단체번호을(를) 정확히 입력하십시오."}));
        QCOMPARE(rows(*s), 0);
        // F1 opens the partner groups once; the one taken is listed at once
        QStringList opened;
        TfrmZZH000::setModalRunner([&](TfrmZZH000 *d) {
            opened << d->windowTitle();
            d->show();
            if (QTest::qWaitForWindowActive(d)) {
                d->findChild<QPushButton *>("bbtSearch")->click();   // every partner group
                QTest::keyClick(d->findChild<QTableView *>("rgrGrid"), Qt::Key_Return);
            }
            return d->result();
        });
        s->edtEventNo->clear();
        s->edtEventNo->setFocus();
        rec->clear();
        QTest::keyClick(s->edtEventNo, Qt::Key_F1);
        TfrmZZH000::setModalRunner({});
        QCOMPARE(opened, QStringList({"제휴단체"}));
        QCOMPARE(rec->texts(), QStringList());
        QCOMPARE(s->edtEventNo->text(), QString("4400000009"));
        QCOMPARE(s->wlbEventNo->text(), QString("제휴여행"));
        QCOMPARE(rows(*s), 2);
        QCOMPARE(cell(*s, 0, "LECTURE_DATE"), QString("2026-12-09"));
        QCOMPARE(cell(*s, 0, "TRAINER_SUM"), QString("13"));
        QCOMPARE(cell(*s, 0, "LECTURER_SUM"), QString("3"));
        QCOMPARE(cell(*s, 1, "TRAINER_SUM"), QString("12"));
        int listed = 0;
        for (int r = 0; r < rows(*s); ++r)
            listed += cell(*s, r, "TOT_SUM").toInt();
        QStringList sums;
        for (const char *who : {"TRAINER", "LECTURER"})
            for (const char *d : {"SKI", "BOARD", "BABY"})
                for (const char *t : {"AM", "PM", "NT", "DN"})
                    sums << QString("COALESCE(SUM(%1_CNT_%2_%3), 0)").arg(who, d, t);
        QCOMPARE(listed, t->scalar("SELECT " + sums.join(" + ") + " FROM EC080MS WHERE EVENT_NO = '4400000009'").toInt());

        const QString file = dir.filePath("ecs160.xls");
        QVERIFY(s->writeSpreadsheet(file));
        QVector<testing::Cell> cells;
        QVERIFY(testing::parseXls(file, &cells));
        auto text = [&](int row, int col) {
            const testing::Cell *c = testing::find(cells, row, col);
            return c ? c->text : QString("(none)");
        };
        // three heading levels: band, discipline, time of day; each heading once over its run
        QCOMPARE(QStringList({text(1, 0), text(1, 1), text(1, 2), text(1, 14), text(1, 27)}),
                 QStringList({"(none)", "강습생", "(none)", "강사", "(none)"}));
        QCOMPARE(QStringList({text(2, 1), text(2, 2), text(2, 5), text(2, 9), text(2, 13), text(2, 14), text(2, 22)}),
                 QStringList({"스키", "(none)", "보드", "유아", "(none)", "스키", "유아"}));
        QCOMPARE(QStringList({text(3, 0), text(3, 1), text(3, 4), text(3, 5), text(3, 13), text(3, 26), text(3, 27)}),
                 QStringList({"강습일자", "오전", "새벽", "오전", "계", "계", "합계"}));
        QCOMPARE(testing::find(cells, 4, 13)->number, 13.0);
        // the grid's heading: three rows over the counts
        const TColumn &am = s->rgrGrid->column(1);
        QCOMPARE(am.bandLevels() << am.title, QStringList({"강습생", "스키", "오전"}));
        QCOMPARE(s->rgrGrid->column(13).bandLevels() << s->rgrGrid->column(13).title, QStringList({"강습생", "계"}));
        QVERIFY(s->rgrGrid->horizontalHeader()->sizeHint().height() >= 3 * s->rgrGrid->horizontalHeader()->fontMetrics().height());

        const QString page = testing::previewText(*s, dir.filePath("ecs160.pdf"));
        QVERIFY2(page.contains("제휴 단체 강습현황") && page.contains("제휴단체명: 제휴여행") && page.contains("강습생")
                     && page.contains("강사") && page.contains("건수:"), qPrintable(page));
        for (const char *heading : {"스키", "보드", "유아", "오전", "새벽"})
            QVERIFY2(page.count(QString::fromUtf8(heading)) >= 2, heading);   // under both bands
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestSchoolReports t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_school_reports.moc"
