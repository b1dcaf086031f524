// The accident cross-tables on the demo database of both back ends: every table's figures, footer and
// chart against a direct count of the accidents, a period without accidents, the bucket bounds of hour,
// age and month, the calendar's gaps, and the printed table with its chart.
#include "modules/patrol/screens.h"
#include "modules/patrol/ees020.h"
#include "modules/patrol/ees120.h"
#include "modules/patrol/ees030.h"
#include "modules/patrol/ees040.h"
#include "modules/patrol/ees140.h"
#include "modules/patrol/ees050.h"
#include "modules/patrol/ees060.h"
#include "modules/patrol/ees070.h"
#include "modules/patrol/ees080.h"
#include "modules/patrol/ees090.h"
#include "database/datamodule.h"
#include "database/query.h"
#include "database/schema.h"
#include "framework/screenregistry.h"
#include "widgets/inputs.h"
#include "report/preview.h"
#include "support/messagerecorder.h"
#include "support/screens.h"
#include "support/testdatabase.h"
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QProcess>
#include <QTimer>
#include <QtTest>

namespace {
using crosstab::Columns;
using crosstab::Rows;

QList<QStringList> rows(db::Database *d, const QString &sql)
{
    QList<QStringList> out;
    db::Query q(d);
    q.setSql(sql);
    if (!q.open())
        return out;
    while (q.next()) {
        QStringList r;
        for (int i = 0; i < q.fieldCount(); ++i)
            r << q.value(i);
        out << r;
    }
    return out;
}

// The bucket of one accident (date, time, sex, age, kind of injury, weekday), -1 for none.
int bucketOf(Columns c, const QStringList &a)
{
    bool ok = false;
    switch (c) {
    case Columns::Weekday: return a[5].isEmpty() ? -1 : (a[5].toInt() + 5) % 7;
    case Columns::Month: { const int m = a[0].mid(4, 2).toInt(); return m == 12 ? 0 : m; }
    case Columns::Sex: return a[2] == "1" ? 0 : a[2] == "2" ? 1 : -1;
    case Columns::Age: {
        const int age = a[3].toInt(&ok);
        return !ok ? -1 : age < 60 ? age / 10 : age <= 159 ? 6 : -1;
    }
    }
    return -1;
}

// Accidents in the 1998/99 season only the bound tests use (the calendar knows two of their days).
const char *kBounds = R"SQL(
INSERT INTO EE010MS (TROB_DATE, TROB_NO, TROB_TIME, IN_SEX, IN_AGE, IN_STAT_GUBUN) VALUES ('19981201', 1, '0905', '1', '9', '01');
INSERT INTO EE010MS (TROB_DATE, TROB_NO, TROB_TIME, IN_SEX, IN_AGE, IN_STAT_GUBUN) VALUES ('19981201', 2, '0959', '2', '10', '02');
INSERT INTO EE010MS (TROB_DATE, TROB_NO, TROB_TIME, IN_SEX, IN_AGE, IN_STAT_GUBUN) VALUES ('19981202', 1, '0330', '', '60', '03');
INSERT INTO EE010MS (TROB_DATE, TROB_NO, TROB_TIME, IN_SEX, IN_AGE, IN_STAT_GUBUN) VALUES ('19990115', 1, '2210', '1', '105', 'Z9');
INSERT INTO EE010MS (TROB_DATE, TROB_NO, TROB_TIME, IN_SEX, IN_AGE, IN_STAT_GUBUN) VALUES ('19990131', 1, '1000', '2', '', '01');
INSERT INTO ZX020MS (CALN_DATE, YOIL_CODE) VALUES ('19981201', '3');
INSERT INTO ZX020MS (CALN_DATE, YOIL_CODE) VALUES ('19990115', '6');
)SQL";

// What the preview of a list screen saves as PDF, as text.
QString previewText(TfrmZZS010 &s, const QString &name)
{
    return testing::previewText(s, QDir::temp().filePath(name));
}
} // namespace

class TestStatistics : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestDatabase> t;
    std::unique_ptr<testing::MessageRecorder> rec;

    bool prepare(int backend)
    {
        t = std::make_unique<testing::TestDatabase>(static_cast<db::Backend>(backend));
        QString error;
        if (!t->ok() || !db::loadDemoData(*t->database(), QDate::currentDate(), &error) || !t->run(kBounds))
            return false;
        DM()->attach(t->database());
        rec = std::make_unique<testing::MessageRecorder>();
        return true;
    }
    std::unique_ptr<TAccidentCrossTable> open(const QString &id)
    {
        std::unique_ptr<TAccidentCrossTable> s(qobject_cast<TAccidentCrossTable *>(ScreenRegistry::instance().create(id)));
        if (s) {
            s->resize(1400, 800);
            s->show();
            if (!QTest::qWaitForWindowActive(s.get()))
                s.reset();
        }
        return s;
    }
    static void search(TAccidentCrossTable *s, const QString &from, const QString &to)
    {
        s->wmeDateFrom->setText(from);
        s->wmeDateTo->setText(to);
        s->bbtSearchClick();
    }

private slots:
    void initTestCase() { RegisterPatrolScreens(); }
    void cleanup() { rec.reset(); t.reset(); }

    // Each table over all accidents against a count of its own: rows, buckets, footer, total and chart.
    void everyTableMatchesADirectCount_data() { testing::addBackendColumn(); }
    void everyTableMatchesADirectCount()
    {
        QFETCH(int, backend);
        QVERIFY(prepare(backend));
        const QList<QStringList> accidents = rows(t->database(),
            "SELECT T.TROB_DATE, T.TROB_TIME, T.IN_SEX, T.IN_AGE, T.IN_STAT_GUBUN, C.YOIL_CODE "
            "FROM EE010MS T LEFT JOIN ZX020MS C ON C.CALN_DATE = T.TROB_DATE");
        QVERIFY(accidents.size() > 300);
        for (const QString &id : {"EES030", "EES040", "EES140", "EES050", "EES060", "EES070", "EES080", "EES090"}) {
            auto s = open(id);
            QVERIFY2(s, qPrintable(id));
            search(s.get(), "", "");
            const crosstab::Description d = s->description();
            const QList<QStringList> entries = rows(t->database(), d.rows == Rows::Hour
                ? "SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'E0052' ORDER BY DETAIL_NAME"
                : "SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'E0036' ORDER BY DETAIL");
            QVector<QVector<qlonglong>> expected(entries.size(), QVector<qlonglong>(s->buckets().size(), 0));
            QVector<qlonglong> columns(s->buckets().size(), 0);
            qlonglong counted = 0;
            for (const QStringList &a : accidents) {
                const int b = bucketOf(d.columns, a);
                const bool inCalendar = d.columns != Columns::Weekday || !a[5].isEmpty();
                counted += inCalendar ? 1 : 0;
                if (b < 0)
                    continue;
                columns[b]++;
                const QString key = d.rows == Rows::Hour ? a[1].left(2) : a[4];
                for (int r = 0; r < entries.size(); ++r)
                    if (entries[r][0] == key)
                        expected[r][b]++;
            }
            QStringList labels;
            for (const QStringList &e : entries)
                labels << e[1];
            QCOMPARE(s->rowLabels(), labels);
            QCOMPARE(s->counts(), expected);
            QCOMPARE(s->columnTotals(), columns);
            QCOMPARE(s->periodTotal(), counted);
            QCOMPARE(s->rgrGrid->footerText(s->rgrGrid->columnCount() - 1), QString("%1(100.00%)").arg(counted));
            for (int r = 0; r < expected.size(); ++r)   // the chart holds the grid's numbers
                for (int b = 0; b < expected[r].size(); ++b)
                    QCOMPARE(s->chtAccidents->value(r, b), expected[r][b]);
            QCOMPARE(s->chtAccidents->seriesCount(), int(s->buckets().size()));
            // every category and every series is named on the chart in full
            QCoreApplication::processEvents();
            const QStringList shown = s->chtAccidents->shownTexts();
            QStringList missing;
            for (const QString &label : labels)
                if (!shown.contains(TAccidentChart::categoryLabel(label)))
                    missing << TAccidentChart::categoryLabel(label);
            for (const crosstab::Bucket &b : s->buckets())
                if (!shown.contains(b.title))
                    missing << b.title;
            for (const QString &text : shown)
                if (text.contains(QStringLiteral("…")) || text.contains(QStringLiteral("...")))
                    missing << text;
            QVERIFY2(missing.isEmpty(), qPrintable(id + ": " + missing.join(", ") + " / " + shown.join(", ")));
        }
    }

    // The bounds: 09:05 in the "09" row, 03:30 only in the totals, 1 December in the first month, ages 9,
    // 10, 60, 105 and empty; a day the calendar lacks leaves the weekday table short of 100 %.
    void bucketBoundsAndCalendarGaps_data() { testing::addBackendColumn(); }
    void bucketBoundsAndCalendarGaps()
    {
        QFETCH(int, backend);
        QVERIFY(prepare(backend));
        auto ages = open("EES090");
        search(ages.get(), "19981101", "19990228");
        QCOMPARE(ages->columnTotals(), (QVector<qlonglong>{1, 1, 0, 0, 0, 0, 2}));
        QCOMPARE(ages->periodTotal(), 5);
        const int nine = int(ages->rowLabels().indexOf("09:00 - 09:59"));
        QCOMPARE(ages->counts()[nine], (QVector<qlonglong>{1, 1, 0, 0, 0, 0, 0}));
        QCOMPARE(ages->cdsQuery->text(nine, ages->buckets().size() + 1), QString("2 (40.00 %)"));
        QCOMPARE(ages->rgrGrid->footerText(1), QString("1(20.00%)"));
        QCOMPARE(ages->rgrGrid->columnCount(), int(ages->buckets().size()) + 2);   // the footer's figures unseen
        // a period whose only accident lies outside every row still has its footer
        search(ages.get(), "19981202", "19981202");
        QCOMPARE(ages->counts()[nine], (QVector<qlonglong>(7, 0)));
        QCOMPARE(ages->columnTotals(), (QVector<qlonglong>{0, 0, 0, 0, 0, 0, 1}));
        QCOMPARE(ages->rgrGrid->footerText(8), QString("1(100.00%)"));

        auto months = open("EES050");
        search(months.get(), "19981101", "19990228");
        QCOMPARE(months->columnTotals(), (QVector<qlonglong>{3, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(months->cdsQuery->text(nine, months->buckets().size() + 1), QString("2(40.00%)"));   // tight here
        auto kinds = open("EES080");
        search(kinds.get(), "19981101", "19990228");
        QCOMPARE(kinds->cdsQuery->text(0, kinds->buckets().size() + 1), QString("2(40.00%)"));

        auto weekdays = open("EES030");
        search(weekdays.get(), "19981101", "19990228");
        QCOMPARE(weekdays->periodTotal(), 3);   // the calendar knows two of the four days
        QCOMPARE(weekdays->columnTotals(), (QVector<qlonglong>{0, 2, 0, 0, 1, 0, 0}));
        QCOMPARE(weekdays->cdsQuery->text(nine, weekdays->buckets().size() + 1), QString("2 (40.00 %)"));
        QCOMPARE(weekdays->rgrGrid->footerText(2), QString("2(66.67%)"));
    }

    // A period without accidents: every row with zeros, nothing yellow, the footer "0( 00.00 %)"; a date
    // that is none is refused; both dates empty print as "[처음]" and "[끝]".
    void emptyPeriodAndConditions_data() { testing::addBackendColumn(); }
    void emptyPeriodAndConditions()
    {
        QFETCH(int, backend);
        QVERIFY(prepare(backend));
        auto s = open("EES070");
        search(s.get(), "19000101", "19000131");
        QCOMPARE(s->rowLabels().size(), 15);
        QCOMPARE(s->cdsQuery->text(0, 3), QString("0 (00.00 %)"));
        QVERIFY(!s->cdsQuery->rowBackground(0).isValid());
        QCOMPARE(s->rgrGrid->footerText(0), QString("계 (%)"));
        QCOMPARE(s->rgrGrid->footerText(1), QString("0(00.00%)"));
        QCOMPARE(s->rgrGrid->footerText(3), QString("0( 00.00 %)"));
        search(s.get(), "", "");
        QVERIFY(s->cdsQuery->rowBackground(1).isValid());
        rec->clear();
        search(s.get(), "20260230", "");
        QCOMPARE(rec->texts(), QStringList{"사고일자을(를) 정확히 입력하십시오."});
        QCOMPARE(QApplication::focusWidget(), s->wmeDateFrom);
    }

    // The day's list: the temperature, the secondary transport named from the group it is entered from,
    // the registration number masked; the area narrows it; the period list starts with the day.
    void dayAndPeriodLists_data() { testing::addBackendColumn(); }
    void dayAndPeriodLists()
    {
        QFETCH(int, backend);
        QVERIFY(prepare(backend));
        const QString today = QDate::currentDate().toString("yyyyMMdd");
        std::unique_ptr<TfrmEES020> day(qobject_cast<TfrmEES020 *>(ScreenRegistry::instance().create("EES020")));
        QVERIFY(day);
        day->show();
        day->bbtSearchClick();
        const int todays = t->count("EE010MS", QString("TROB_DATE = '%1'").arg(today));
        QCOMPARE(day->cdsQuery->rowCount(), todays);
        QCOMPARE(day->cdsQuery->text(0, "TEMPERATURE"), t->scalar(QString("SELECT TEMPERATURE FROM EE010MS WHERE TROB_DATE = '%1' AND TROB_NO = 1").arg(today)));
        const QString means = t->scalar(QString("SELECT Z.DETAIL_NAME FROM EE010MS T JOIN ZX010MS Z ON Z.HEAD = 'E0049' AND Z.DETAIL = T.TE_MEANS_GUBUN "
                                                "WHERE T.TROB_DATE = '%1' AND T.TROB_NO = 1").arg(today));
        QCOMPARE(day->cdsQuery->text(0, "TE_MEANS_GUBUN_NAME"), means);
        QVERIFY(QRegularExpression("^\\d{6}-\\d\\*{6}$").match(day->cdsQuery->text(0, "IN_ID_NO")).hasMatch());
        day->bbtCancelClick();
        day->cboPeak->setCode("P1");
        day->bbtSearchClick();
        QCOMPARE(day->cdsQuery->rowCount(), t->count("EE010MS", QString("TROB_DATE = '%1' AND PEAK_GUBUN = 'P1'").arg(today)));

        std::unique_ptr<TfrmEES120> period(qobject_cast<TfrmEES120 *>(ScreenRegistry::instance().create("EES120")));
        QVERIFY(period);
        period->show();
        period->dtpfromDate->setDateText("19981201");
        period->dtptoDate->setDateText("19990131");
        period->bbtSearchClick();
        QCOMPARE(period->cdsQuery->rowCount(), 5);
        QCOMPARE(period->cdsQuery->text(0, "TROB_DATE") + " " + period->cdsQuery->text(0, "TROB_TIME"), QString("1998-12-01 09:05"));
        const QString printed = previewText(*period, "tst_statistics_ees120.pdf");
        QVERIFY2(printed.contains("일일 사고현황") && printed.contains("건수: 5"), qPrintable(printed.left(400)));
        QVERIFY(printed.contains(QRegularExpression("\\*사고일자: 1998-12-01\\s+∼\\s+1999-01-31")));

        // More accidents than the grid reads at first: the print counts them all, under the conditions
        // of the search that listed them, though the inputs were changed since.
        QVERIFY(t->run("INSERT INTO EE010MS (TROB_DATE, TROB_NO, TROB_TIME, IN_SEX, IN_AGE) "
                       "WITH RECURSIVE N(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM N WHERE I < 412) "
                       "SELECT '20000110', I, '1000', '1', '30' FROM N;"));
        period->dtpfromDate->setDateText("20000101");
        period->dtptoDate->setDateText("20000131");
        period->bbtSearchClick();
        period->dtpfromDate->setDateText("20000105");
        const QString all = previewText(*period, "tst_statistics_ees120_all.pdf");
        QVERIFY2(all.contains("건수: 412"), qPrintable(all.right(300)));
        QVERIFY(all.contains(QRegularExpression("\\*사고일자: 2000-01-01\\s+∼\\s+2000-01-31")));
    }

    // The printed table: its title, the open period, the footer line, and the chart on a page of its own.
    void printedWithItsChart()
    {
        QVERIFY(prepare(int(db::Backend::SQLite)));
        auto s = open("EES050");
        search(s.get(), "", "");
        const QString text = previewText(*s, "tst_statistics_ees050.pdf");
        QVERIFY2(text.contains("월별 부상 발생시간 현황"), qPrintable(text));
        QVERIFY(text.contains(QRegularExpression("사고일자: \\[처음\\]\\s+∼\\s+\\[끝\\]")));
        QVERIFY(text.contains("계( %)"));
        QVERIFY(text.contains(QString("%1(100.00%)").arg(s->periodTotal())));
        QVERIFY(!s->chtAccidents->image(QSize(400, 200)).isNull());
        // the chart has the last page to itself
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY(pages.size() >= 2);
        QVERIFY(pages.at(pages.size() - 2).contains("계( %)"));
        QVERIFY2(!pages.last().contains("계( %)") && !pages.last().contains("사고일자"), qPrintable(pages.last()));
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestStatistics t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_statistics.moc"
