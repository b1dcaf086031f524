// The weather screens opened as the menu opens them and searched, their averages with missing
// readings, the printed period, and the import of observation files, on both back ends.
#include "modules/weather/screens.h"
#include "modules/weather/observationimport.h"
#include "modules/weather/weatherchart.h"
#include "modules/weather/eas010.h"
#include "modules/weather/eas020.h"
#include "modules/weather/eas030.h"
#include "database/datamodule.h"
#include "database/schema.h"
#include "framework/screenregistry.h"
#include "report/preview.h"
#include "support/messagerecorder.h"
#include "support/screens.h"
#include "support/testdatabase.h"
#include "widgets/inputs.h"
#include <QApplication>
#include <QDate>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// A1 misses one temperature at 09:30 and every precipitation reading on the 9th; A3 sent nothing.
const char *kFixture = R"SQL(
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0001', 'A1', '베이스1');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0001', 'A2', '베이스2');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0001', 'A3', '점프대');
INSERT INTO EA010MS (OBSE_DATE, OBSE_TIME, OBSE_PLACE_GUBUN, TEMPERATURE, HUMIDITY, WIND_VELOCITY, WIND_DIRECTION, RADIATION, ATMOSPHERIC, SNOWFALL) VALUES ('20261209', '1000', 'A1', -4, 60, 1, 180, 300, 904, NULL);
INSERT INTO EA010MS (OBSE_DATE, OBSE_TIME, OBSE_PLACE_GUBUN, TEMPERATURE, HUMIDITY, WIND_VELOCITY, WIND_DIRECTION, RADIATION, ATMOSPHERIC, SNOWFALL) VALUES ('20261209', '0900', 'A1', -2, 80, 3, 90, 100, 900, NULL);
INSERT INTO EA010MS (OBSE_DATE, OBSE_TIME, OBSE_PLACE_GUBUN, TEMPERATURE, HUMIDITY, WIND_VELOCITY, WIND_DIRECTION, RADIATION, ATMOSPHERIC, SNOWFALL) VALUES ('20261209', '0930', 'A1', NULL, 70, 5, 270, NULL, 902, NULL);
INSERT INTO EA010MS (OBSE_DATE, OBSE_TIME, OBSE_PLACE_GUBUN, TEMPERATURE, HUMIDITY, WIND_VELOCITY, WIND_DIRECTION, RADIATION, ATMOSPHERIC, SNOWFALL) VALUES ('20261209', '0900', 'A2', 1, 50, 2, 10, 50, 950, 0.5);
INSERT INTO EA010MS (OBSE_DATE, OBSE_TIME, OBSE_PLACE_GUBUN, TEMPERATURE, HUMIDITY, WIND_VELOCITY, WIND_DIRECTION, RADIATION, ATMOSPHERIC, SNOWFALL) VALUES ('20261208', '1200', 'A1', 2, 40, 6, 0, 500, 910, 1.5);
)SQL";

using testing::previewText;

template <class Screen>
std::unique_ptr<Screen> open(const QString &id)
{
    std::unique_ptr<Screen> s(qobject_cast<Screen *>(ScreenRegistry::instance().create(id)));
    if (s) {
        s->resize(1200, 760);
        s->show();
    }
    return s;
}

void enterPlace(TfrmEASPlaceReport &s, const QString &code)
{
    s.edtObsePlace->setText(code);
    emit s.edtObsePlace->editingFinished();
}

double footer(TfrmEZS000 &s, const QString &field)
{
    return s.rgrGrid->footerText(s.rgrGrid->columnByField(field)).toDouble();
}

QString cell(TfrmEZS000 &s, int row, const QString &field) { return s.cdsQuery->text(row, field); }

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

const QByteArray kHeader =
    "OBSE_DATE,OBSE_TIME,OBSE_PLACE_GUBUN,TEMPERATURE,HUMIDITY,WIND_VELOCITY,WIND_DIRECTION,RADIATION,ATMOSPHERIC,SNOWFALL\n";

} // namespace

class TestWeather : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RegisterWeatherScreens(); }

    void hourlyDay_data() { testing::addBackendColumn(); }
    void hourlyDay()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        auto s = open<TfrmEAS010>("EAS010");
        QVERIFY(s);
        // the column groups: TIME, then A1 with its minimum and maximum, then four per place
        QCOMPARE(s->rgrGrid->columnCount(), 31);
        QStringList groups;
        for (int i = 0; i < s->rgrGrid->columnCount(); ++i)
            if (groups.isEmpty() || groups.last() != s->rgrGrid->column(i).band)
                groups << s->rgrGrid->column(i).band;
        QCOMPARE(groups, (QStringList{"TIME", "BASE1", "BASE2", "JUMP", "PEAK1", "MIDPEAK1", "HALLINCC", "NEWPEAK2"}));
        QCOMPARE(s->rgrGrid->column(1).title, QStringLiteral("최소온도"));
        QCOMPARE(s->rgrGrid->column(7).field, QStringLiteral("TEMPERATURE_A2"));

        s->dtpDate->setDateText("20261209");
        s->bbtSearchClick();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(s->cdsQuery->rowCount(), 2);
        QCOMPARE(cell(*s, 0, "OBSE_TIME"), QStringLiteral("09"));   // hours in order
        QCOMPARE(cell(*s, 1, "OBSE_TIME"), QStringLiteral("10"));
        // the missing reading of 09:30 is left out, not counted as 0 °C
        QCOMPARE(cell(*s, 0, "TEMPERATURE_A1").toDouble(), -2.0);
        QCOMPARE(cell(*s, 0, "TEMPERATURE_MAX_A1").toDouble(), -2.0);
        QCOMPARE(cell(*s, 0, "HUMIDITY_A1").toDouble(), 75.0);
        QCOMPARE(cell(*s, 0, "TEMPERATURE_A2").toDouble(), 1.0);
        QVERIFY(cell(*s, 1, "TEMPERATURE_A2").isEmpty());   // A2 sent nothing at 10
        QVERIFY(cell(*s, 0, "TEMPERATURE_A3").isEmpty());
        QCOMPARE(footer(*s, "TEMPERATURE_MIN_A1"), -4.0);
        QCOMPARE(footer(*s, "TEMPERATURE_MAX_A1"), -2.0);
        QCOMPARE(footer(*s, "TEMPERATURE_A1"), -3.0);
        QCOMPARE(footer(*s, "WIND_VELOCITY_A1"), 3.0);
        QCOMPARE(footer(*s, "HUMIDITY_A2"), 50.0);
        QVERIFY(s->rgrGrid->footerText(s->rgrGrid->columnByField("TEMPERATURE_A3")).isEmpty());
        // the chart beside the grid shows the place of the current column: A1 at first, then A2
        QCOMPARE(s->chartPlace(), QString("A1"));
        QCOMPARE(s->chtWeather->pointCount(0), 2);
        s->rgrGrid->setCurrentIndex(s->rgrGrid->model()->index(0, s->rgrGrid->columnByField("HUMIDITY_A2")));
        QCOMPARE(s->chartPlace(), QString("A2"));
        QCOMPARE(s->chtWeather->pointCount(0), 1);   // no point for the missing reading

        s->dtpDate->setDateText("20261201");
        s->bbtSearchClick();
        QCOMPARE(messages.last(), QStringLiteral("조회할 내용이 없습니다."));
        for (int i = 1; i < s->rgrGrid->columnCount(); ++i)
            QVERIFY(s->rgrGrid->footerText(i).isEmpty());
    }

    void dayAndPeriod_data() { testing::addBackendColumn(); }
    void dayAndPeriod()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        auto day = open<TfrmEAS020>("EAS020");
        QVERIFY(day);
        QCOMPARE(day->windowTitle(), QStringLiteral("기상정보 현황 조회,출력"));
        day->dtpDate->setDateText("20261209");
        day->bbtSearchClick();
        QCOMPARE(messages.last(), QStringLiteral("*관측장소을(를) 먼저 입력하십시오."));
        enterPlace(*day, "Z9");
        day->bbtSearchClick();
        QCOMPARE(messages.last(), QStringLiteral("*관측장소을(를) 정확히 입력하십시오."));
        QCOMPARE(day->focusWidget(), day->edtObsePlace);
        messages.clear();
        enterPlace(*day, "A1");
        QCOMPARE(day->wlbObsePlace->text(), QStringLiteral("베이스1"));
        day->bbtSearchClick();
        QCOMPARE(messages.count(), 0);
        // the place heads the print, though its input follows the date's
        QCOMPARE(day->printedConditions(), QStringList({"*관측장소: 베이스1", "*관측일자: 2026-12-09"}));
        QCOMPARE(day->cdsQuery->rowCount(), 3);
        QCOMPARE(cell(*day, 0, "OBSE_TIME"), QStringLiteral("10:00"));   // the latest first
        QCOMPARE(day->rgrGrid->footerText(0), QStringLiteral("평 균"));
        QCOMPARE(footer(*day, "TEMPERATURE"), -3.0);         // not -2 with the missing reading as 0
        QCOMPARE(footer(*day, "RADIATION"), 200.0);
        QCOMPARE(footer(*day, "ATMOSPHERIC"), 902.0);
        QCOMPARE(day->rgrGrid->footerText(day->rgrGrid->columnByField("SNOWFALL")).toDouble(), 0.0);
        QVERIFY(!day->rgrGrid->footerText(day->rgrGrid->columnByField("SNOWFALL")).isEmpty());
        QCOMPARE(day->chtWeather->pointCount(0), 2);   // the missing temperature leaves no point
        QCOMPARE(day->chtWeather->pointCount(1), 3);

        auto period = open<TfrmEAS030>("EAS030");
        QVERIFY(period);
        QCOMPARE(period->FFromDate, QDate::currentDate().toString("yyyyMMdd"));
        enterPlace(*period, "A1");
        period->dtpFromDate->setDateText("20261209");
        period->dtpToDate->setDateText("20261207");
        period->bbtSearchClick();
        QCOMPARE(messages.last(), QStringLiteral("조회할 내용이 없습니다."));   // FROM after TO
        messages.clear();
        period->dtpFromDate->setDateText("20261207");
        period->dtpToDate->setDateText("20261209");
        period->bbtSearchClick();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(period->cdsQuery->rowCount(), 2);
        QCOMPARE(cell(*period, 0, "OBSE_DATE"), QStringLiteral("20261208"));   // days in order
        QCOMPARE(cell(*period, 1, "TEMPERATURE").toDouble(), -3.0);
        QCOMPARE(footer(*period, "TEMPERATURE"), -1.333);
        QCOMPARE(footer(*period, "SNOWFALL"), 2.0);
        QCOMPARE(period->chtWeather->pointCount(2), 1);

        // the print names and lists the period searched, even after the pickers moved on
        period->dtpToDate->setDateText("20261231");
        QCOMPARE(period->printedConditions().value(1), QStringLiteral("*관측일자: 20261207 ~ 20261209"));
        QTemporaryDir dir;
        const QString text = previewText(*period, dir.filePath("eap020.pdf"));
        QVERIFY2(text.contains("기상정보 현황"), qPrintable(text));
        QVERIFY(text.contains("20261207 ~ 20261209"));
        QVERIFY(text.contains("*관측장소: 베이스1"));
        QVERIFY(text.contains("관측일") && text.contains("적설량") && text.contains("EAP020"));
        QVERIFY(text.contains("20261208") && text.contains("-1.333"));
        QVERIFY(!text.contains("20261231"));
        const QString dayText = previewText(*day, dir.filePath("eap020-day.pdf"));
        QVERIFY(dayText.contains("*관측일자: 2026-12-09") && dayText.contains("10:00") && dayText.contains("관측시간"));
    }

    void demoSearches_data() { testing::addBackendColumn(); }
    void demoSearches()
    {
        TEST_DB_FETCH(t);
        QString error;
        QVERIFY2(db::loadDemoData(*t.database(), QDate::currentDate(), &error), qPrintable(error));
        DM()->attach(t.database());
        QVERIFY(t.count("EA010MS") > 7 * 48 * 100);
        testing::MessageRecorder messages;
        auto hourly = open<TfrmEAS010>("EAS010");
        hourly->bbtSearchClick();
        QCOMPARE(hourly->cdsQuery->rowCount(), 24);
        auto day = open<TfrmEAS020>("EAS020");
        enterPlace(*day, "A7");
        day->bbtSearchClick();
        QCOMPARE(day->cdsQuery->rowCount(), 48);
        auto period = open<TfrmEAS030>("EAS030");
        enterPlace(*period, "A4");
        period->dtpFromDate->setDate(QDate::currentDate().addDays(-30));
        period->bbtSearchClick();
        QCOMPARE(period->cdsQuery->rowCount(), 31);
        QVERIFY2(messages.count() == 0, qPrintable(messages.texts().join('|')));
    }

    void import_data() { testing::addBackendColumn(); }
    void import()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        QTemporaryDir dir;
        const QString good = dir.filePath("good.csv"), bad = dir.filePath("bad.csv");
        QVERIFY(writeFile(good, "# station export\n" + kHeader
                                    + "20261210,0800,A1,-5.5,80,2.5,45,0,905,\r\n"
                                      "\n"
                                      "20261210,0810,a2,,81,2.0,50,,906,0.5\n"
                                      "20261209,0900,A1,-2.50000000000000001,80,3,90,100,900,\n"));
        int count = 0;
        QString error;
        QVERIFY2(weather::importObservationFile(t.database(), good, &count, &error), qPrintable(error));
        QCOMPARE(count, 3);
        QCOMPARE(t.count("EA010MS"), 7);   // the 09:00 of A1 replaced, not doubled
        QCOMPARE(t.scalar("SELECT TEMPERATURE FROM EA010MS WHERE OBSE_DATE = '20261209' AND OBSE_TIME = '0900' AND OBSE_PLACE_GUBUN = 'A1'").toDouble(), -2.5);
        QCOMPARE(t.count("EA010MS", "OBSE_PLACE_GUBUN = 'A2' AND TEMPERATURE IS NULL"), 1);
        QVERIFY(weather::importObservationFile(t.database(), good, &count, &error));
        QCOMPARE(t.count("EA010MS"), 7);
        QCOMPARE(t.count("EA010MS", "OBSE_DATE = '20261209' AND OBSE_TIME = '0900' AND OBSE_PLACE_GUBUN = 'A1' "
                                    "AND ROW_VERSION = 2"), 1);   // replaced twice

        const struct { QByteArray lines; QString message; } refused[] = {
            {"20261211,0800,A1,-5,80,2,45,0,905,0\n20261211,0810,A1,abc,80,2,45,0,905,0\n",
             "bad.csv, line 3, field TEMPERATURE: \"abc\" is not a number"},
            {"20261211,0800,A1,-5,80,2,45,0,905,0\n20261211,0800,A1,-5,80,2,45,0,905,0\n",
             "bad.csv, line 3: the observation of A1 20261211 at 0800 is already on line 2"},
            {"20261209,0900,A1,-5,80,2,45,0,905,0\n20261209,0900,A1,-5,80,2,45,0,905,0\n",   // one already stored
             "bad.csv, line 3: the observation of A1 20261209 at 0900 is already on line 2"},
            // the first line given twice is named, before a later line that is refused
            {"20261211,0800,A1,-5,80,2,45,0,905,0\n20261211,0810,A1,-5,80,2,45,0,905,0\n20261211,0810,A1,-5,80,2,45,0,905,0\n"
             "20261211,0800,A1,-5,80,2,45,0,905,0\n20261211,0820,A1,abc,80,2,45,0,905,0\n",
             "bad.csv, line 4: the observation of A1 20261211 at 0810 is already on line 3"},
            {"20261311,0800,A1,-5,80,2,45,0,905,0\n", "bad.csv, line 2, field OBSE_DATE: \"20261311\" is not a date yyyymmdd"},
            {"20261211,2460,A1,-5,80,2,45,0,905,0\n", "bad.csv, line 2, field OBSE_TIME: \"2460\" is not a time hhmm"},
            {"20261211,0800,B9,-5,80,2,45,0,905,0\n", "bad.csv, line 2, field OBSE_PLACE_GUBUN: \"B9\" is not an observation place (code group E0001)"},
            {"20261211,0800,A1,-5,180,2,45,0,905,0\n", "bad.csv, line 2, field HUMIDITY: 180 lies outside 0 … 100"},
            {"20261211,0800,A1,-5,80,2,45,0,905\n", "bad.csv, line 2: 10 fields expected, 9 found"},
            // numbers only as the stations write them, places in ASCII
            {"20261211,0800,A1,5.,80,2,45,0,905,0\n", "bad.csv, line 2, field TEMPERATURE: \"5.\" is not a number"},
            {"20261211,0800,A1,.5,80,2,45,0,905,0\n", "bad.csv, line 2, field TEMPERATURE: \".5\" is not a number"},
            {"20261211,0800,A1,-5,+5,2,45,0,905,0\n", "bad.csv, line 2, field HUMIDITY: \"+5\" is not a number"},
            {"20261211,0800,A1,-5,80,1e1,45,0,905,0\n", "bad.csv, line 2, field WIND_VELOCITY: \"1e1\" is not a number"},
            {"20261211,0800,\xC3\x9F,-5,80,2,45,0,905,0\n",
             QString::fromUtf8("bad.csv, line 2, field OBSE_PLACE_GUBUN: \"\xC3\x9F\" is not an observation place (code group E0001)")},
            {QByteArray("20261211,0800,A1,-5,8\0000,2,45,0,905,0\n", 37),
             "bad.csv, line 2, field HUMIDITY: the field holds a NUL character"},
            {"20261211,0800,A1,-5,80,2,45,0,905,\xFF\n", "bad.csv, line 2: the line is not UTF-8 text"},
            {"20261211,0800,A1,-5,80,2,45,0,905,0\n# " + QByteArray(1100, 'x') + "\n",
             "bad.csv, line 3: the line is longer than 1024 bytes"},
        };
        for (const auto &r : refused) {
            QVERIFY(writeFile(bad, kHeader + r.lines));
            QVERIFY(!weather::importObservationFile(t.database(), bad, &count, &error));
            QCOMPARE(error, r.message);
            QCOMPARE(t.count("EA010MS", "OBSE_DATE = '20261211'"), 0);
        }
        // a valid UTF-8 file may hold U+FFFD (here in a comment)
        QVERIFY(writeFile(good, kHeader + "# \xEF\xBF\xBD\n20261211,0800,A1,-5,80,2,45,0,905,0\n"));
        QVERIFY2(weather::importObservationFile(t.database(), good, &count, &error), qPrintable(error));
        QCOMPARE(count, 1);
        QVERIFY(t.run("DELETE FROM EA010MS WHERE OBSE_DATE = '20261211';"));
        // a directory, or a file that is not there, is named
        QVERIFY(!weather::importObservationFile(t.database(), dir.path(), &count, &error));
        QVERIFY2(error.startsWith(QFileInfo(dir.path()).fileName() + ": the file cannot be read"), qPrintable(error));
        QVERIFY(!weather::importObservationFile(t.database(), dir.filePath("none.csv"), &count, &error));
        QVERIFY2(error.startsWith("none.csv: the file cannot be read"), qPrintable(error));

        QVERIFY(writeFile(bad, "20261211,0800,A1,-5,80,2,45,0,905,0\n"));
        QVERIFY(!weather::importObservationFile(t.database(), bad, &count, &error));
        QVERIFY(error.startsWith("bad.csv, line 1: the first line must name the columns"));

        // a failure of the database half-way through leaves nothing of the file either
        QVector<weather::Observation> obs(2);
        obs[0].date = obs[1].date = "20261212";
        obs[0].time = "0800";
        obs[1].time = "08000";   // longer than the column
        obs[0].place = obs[1].place = "A1";
        if (t->backend() == db::Backend::PostgreSQL) {
            QVERIFY(!weather::storeObservations(t.database(), "x.csv", obs, &error));
            QVERIFY(error.startsWith("x.csv: "));
            QCOMPARE(t.count("EA010MS", "OBSE_DATE = '20261212'"), 0);
        }
    }

    // A generated stream of observations, read as it comes: the import holds one line at a time, so
    // a stream of any length passes in the same memory (the figure for a large file is in the README).
    void importStreams_data() { testing::addBackendColumn(); }
    void importStreams()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        class Generated : public QIODevice {
        public:
            explicit Generated(int lines) : m_lines(lines) { open(QIODevice::ReadOnly); }
            bool isSequential() const override { return true; }
            bool atEnd() const override { return m_next > m_lines && m_pending.isEmpty() && QIODevice::atEnd(); }
            qint64 bytesAvailable() const override { return m_pending.size() + QIODevice::bytesAvailable(); }
            int produced = 0;
        protected:
            qint64 readData(char *data, qint64 max) override
            {
                while (m_pending.size() < max && m_next <= m_lines) {
                    const int i = m_next++;
                    if (i == 0) {
                        m_pending += weather::importColumns().join(',').toLatin1() + '\n';
                        continue;
                    }
                    const int slot = i - 1;
                    m_pending += QString::asprintf("%s,%02d%02d,A%d,-%d.5,50,3,90,10,900,\n",
                                                   qPrintable(QDate(2025, 1, 1).addDays(slot / 2880).toString("yyyyMMdd")),
                                                   slot / 2 % 1440 / 60, slot / 2 % 60, 1 + slot % 2, slot % 20)
                                     .toLatin1();
                    ++produced;
                }
                const qint64 n = qMin<qint64>(max, m_pending.size());
                std::memcpy(data, m_pending.constData(), size_t(n));
                m_pending.remove(0, n);
                return n;
            }
            qint64 writeData(const char *, qint64) override { return -1; }
        private:
            int m_lines;
            int m_next = 0;
            QByteArray m_pending;
        };
        Generated stream(20000);
        int count = 0;
        QString error;
        QVERIFY2(weather::importObservations(t.database(), "stream.csv", &stream, &count, &error), qPrintable(error));
        QCOMPARE(count, 20000);
        QCOMPARE(stream.produced, 20000);
        QCOMPARE(t.count("EA010MS", "OBSE_DATE >= '20250101' AND OBSE_DATE <= '20250131'"), 20000);
        QCOMPARE(t.count("EA010MS", "U_EMP_NO = 'IMPORT'"), 20000);
    }

    void sampleFileImports()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY(t.ok());
        QString error;
        QVERIFY2(db::loadDemoData(*t.database(), QDate::currentDate(), &error), qPrintable(error));
        int count = 0;
        const QString sample = qEnvironmentVariable("SPORTS_SOURCE_DIR") + "/docs/weather-sample.csv";
        QVERIFY2(weather::importObservationFile(t.database(), sample, &count, &error), qPrintable(error));
        QCOMPARE(count, 7 * 48);
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestWeather t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_weather.moc"
