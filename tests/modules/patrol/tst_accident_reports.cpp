// The accident report screens on the demo database, both back ends: EES001 moving through the list
// of reports, the year-before figures of the first against a direct count, a number without a report,
// and EES003/EES004 with their one report from the local folder and from the report server.
#include "modules/patrol/ees001.h"
#include "modules/patrol/ees003.h"
#include "modules/patrol/ees004.h"
#include "modules/patrol/screens.h"
#include "core/settings.h"
#include "database/datamodule.h"
#include "database/schema.h"
#include "framework/reportviewer.h"
#include "framework/screenregistry.h"
#include "report/preview.h"
#include "report/report.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include "widgets/inputs.h"
#include <QApplication>
#include <QDate>
#include <QtTest>

class TestAccidentReports : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestDatabase> t;
    std::unique_ptr<QWidget> w;
    std::unique_ptr<testing::MessageRecorder> rec;

    TfrmAccidentReports *open(int backend, const QString &programId)
    {
        w.reset();
        t = std::make_unique<testing::TestDatabase>(static_cast<db::Backend>(backend));
        QString error;
        if (!t->ok() || !db::loadDemoData(*t->database(), QDate::currentDate(), &error))
            return nullptr;
        DM()->attach(t->database());
        rec = std::make_unique<testing::MessageRecorder>();
        w.reset(ScreenRegistry::instance().create(programId));
        auto *s = qobject_cast<TfrmAccidentReports *>(w.get());
        if (!s)
            return nullptr;
        s->resize(1200, 760);
        s->show();
        return QTest::qWaitForWindowActive(s) ? s : nullptr;
    }
    static QString file(TfrmAccidentReports *s) { return s->viewer->openedLocation().section('/', -1); }

private slots:
    void initTestCase()
    {
        RegisterPatrolScreens();
        Settings().reportFolder = qEnvironmentVariable("SPORTS_SOURCE_DIR") + "/reports/";
        Settings().localReportFolder = Settings().reportFolder;
    }
    void cleanup() { w.reset(); rec.reset(); t.reset(); }

    void comparisonReports_data() { testing::addBackendColumn(); }
    void comparisonReports()
    {
        QFETCH(int, backend);
        auto *s = open(backend, "EES001");
        QVERIFY(s);
        QVERIFY(!s->bbtPrint->isVisibleTo(s) && !s->bbtExcel->isVisibleTo(s));
        const QString today = QDate::currentDate().toString("yyyyMMdd");
        s->dtpFromDate->setDateText("20000101");
        s->bbtSearchClick();
        QCOMPARE(s->cdsQuery->rowCount(), 14);
        QCOMPARE(file(s), QString("01.전년대비부상자전체현황.mrd"));
        QVERIFY2(s->viewer->errorText().isEmpty(), qPrintable(s->viewer->errorText()));
        QCOMPARE(s->viewer->openedValues(), (QStringList{"20000101", today}));
        // This period beside the same period a year before.
        report::DataSource *src = s->viewer->report()->dataSource();
        QVERIFY(src->reset() && src->next());
        const QString yearBefore = QDate::currentDate().addYears(-1).toString("yyyyMMdd");
        QCOMPARE(src->value("THIS_CNT").toInt(), t->count("EE010MS", "TROB_DATE BETWEEN '20000101' AND '" + today + "'"));
        QCOMPARE(src->value("LAST_CNT").toInt(), t->count("EE010MS", "TROB_DATE BETWEEN '19990101' AND '" + yearBefore + "'"));
        QVERIFY(src->value("LAST_CNT").toInt() > 0);
        // Every report of the list opens on the demo accidents.
        for (int row = 1; row < 14; ++row) {
            s->rgrGrid->setCurrentRow(row);
            QVERIFY2(s->viewer->errorText().isEmpty(), qPrintable(file(s) + ": " + s->viewer->errorText()));
            QCOMPARE(file(s), TfrmAccidentReports::reportFile(QString("%1").arg(row + 1, 2, 10, QChar('0'))));
        }
        // Dates alone do not refresh the report shown; moving to a report does, with the new period.
        s->dtpFromDate->setDateText("20100101");
        QCOMPARE(s->viewer->openedValues().value(0), QString("20000101"));
        s->rgrGrid->setCurrentRow(0);
        QCOMPARE(s->viewer->openedValues().value(0), QString("20100101"));
        // A number without a report leaves the viewer as it was.
        QVERIFY(t->run("INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0054', '15', '준비중');\n"));
        s->bbtSearchClick();
        QCOMPARE(s->cdsQuery->rowCount(), 15);
        s->rgrGrid->setCurrentRow(1);
        const int fifteen = s->cdsQuery->text(14, "DETAIL") == "15" ? 14 : -1;
        QVERIFY(fifteen >= 0);
        s->rgrGrid->setCurrentRow(fifteen);
        QCOMPARE(file(s), QString("02.시간대별부상자현황.mrd"));
    }

    void firstReportOnly_data() { testing::addBackendColumn(); }
    void firstReportOnly()
    {
        QFETCH(int, backend);
        const QString saved = Settings().reportFolder;
        Settings().reportFolder = "/nonexistent/REPORT/";
        auto *local = open(backend, "EES003");
        QVERIFY(local);
        local->bbtSearchClick();
        QVERIFY2(local->viewer->errorText().isEmpty(), qPrintable(local->viewer->errorText()));
        QCOMPARE(file(local), QString("01.전년대비부상자전체현황.mrd"));
        local->dtpFromDate->setDateText("20200101");   // eight digits, and the report follows the date
        QCOMPARE(local->viewer->openedValues().value(0), QString("20200101"));
        local->rgrGrid->setCurrentRow(1);
        QCOMPARE(local->viewer->openedValues().value(0), QString("20200101"));
        QCOMPARE(file(local), QString("01.전년대비부상자전체현황.mrd"));
        auto *server = open(backend, "EES004");
        QVERIFY(server);
        server->bbtSearchClick();
        QVERIFY(server->viewer->openedLocation().startsWith("/nonexistent/REPORT/"));
        QVERIFY(server->viewer->errorText().startsWith("보고서 정의 파일을 찾을 수 없습니다."));
        Settings().reportFolder = saved;
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestAccidentReports t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_accident_reports.moc"
