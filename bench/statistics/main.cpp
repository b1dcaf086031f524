// Accident cross-table figures over generated accidents (bench data, not the demo): every cross-table's
// search and first paint (EES030 … EES090, EES140) beside the bare GROUP BY of the same counts run on the
// same connection, at 100,000 and 1,000,000 accidents (or the sizes given), on SQLite and, when
// SPORTS_TEST_PG names a server, on PostgreSQL. Each figure is the best of three, the screen's and the
// bare statement's runs taking turns.
//   bench_statistics [sqlite|postgresql] [accidents …]
#include "modules/patrol/screens.h"
#include "modules/patrol/accidentcrosstable.h"
#include "database/datamodule.h"
#include "database/database.h"
#include "database/schema.h"
#include "framework/screenregistry.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include "widgets/inputs.h"
#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <cstdio>

namespace {
const int kDays = 1000;   // from 2010-01-01
const int kRuns = 3;

bool fill(testing::TestDatabase &t, int accidents)
{
    db::Database *d = t.database();
    const QString day = QStringLiteral("FN_ADD_DAYS('20100101', MOD(I, %1))").arg(kDays);
    return d->execute("DELETE FROM EE010MS")   // the demo accidents out
        && d->execute(QStringLiteral(
               "WITH RECURSIVE N(I) AS (SELECT 0 UNION ALL SELECT I + 1 FROM N WHERE I < %1) "
               "INSERT INTO EE010MS (TROB_DATE, TROB_NO, TROB_TIME, IN_SEX, IN_AGE, IN_STAT_GUBUN) "
               "SELECT %2, I / %3 + 1, LPAD(CAST(8 + MOD(I * 7, 15) AS VARCHAR(2)), 2, '0') || LPAD(CAST(MOD(I * 11, 60) AS VARCHAR(2)), 2, '0'), "
               "CAST(1 + MOD(I, 2) AS VARCHAR(1)), CAST(5 + MOD(I * 13, 75) AS VARCHAR(3)), '0' || CAST(1 + MOD(I * 3, 6) AS VARCHAR(1)) FROM N")
                          .arg(accidents - 1).arg(day).arg(kDays))
        && d->execute("DELETE FROM ZX020MS")
        && d->execute(QStringLiteral(
               "WITH RECURSIVE N(I) AS (SELECT 0 UNION ALL SELECT I + 1 FROM N WHERE I < %1) "
               "INSERT INTO ZX020MS (CALN_DATE, YOIL_CODE) "
               "SELECT FN_ADD_DAYS('20100101', I), CAST(MOD(I + 5, 7) + 1 AS VARCHAR(1)) FROM N")   // 2010-01-01 was a Friday
                          .arg(kDays - 1))
        && d->execute("ANALYZE EE010MS") && d->execute("ANALYZE ZX020MS");   // as the server would have it after such a load
}

// The same counts as the database's own GROUP BY: accidents by row key and column key.
QString bareGroupBy(const crosstab::Description &d)
{
    using crosstab::Columns;
    const QString row = d.rows == crosstab::Rows::Hour ? "SUBSTR(T.TROB_TIME, 1, 2)" : "T.IN_STAT_GUBUN";
    QString column, join;
    switch (d.columns) {
    case Columns::Weekday: column = "C.YOIL_CODE"; join = " JOIN ZX020MS C ON C.CALN_DATE = T.TROB_DATE"; break;
    case Columns::Month: column = "SUBSTR(T.TROB_DATE, 5, 2)"; break;
    case Columns::Sex: column = "T.IN_SEX"; break;
    case Columns::Age: column = "CAST(T.IN_AGE AS INTEGER) / 10"; break;
    }
    return QStringLiteral("SELECT %1, %2, COUNT(*) FROM EE010MS T%3 WHERE T.TROB_DATE BETWEEN '20100101' AND '20121231' "
                          "GROUP BY %1, %2").arg(row, column, join);
}

double bare(db::Database *d, const QString &sql, int *groups)
{
    QElapsedTimer t;
    t.start();
    QSqlQuery q(d->sql());
    q.setForwardOnly(true);
    *groups = 0;
    if (q.exec(sql))
        while (q.next())
            ++*groups;
    return t.nsecsElapsed() / 1e6;
}
} // namespace

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    QList<int> sizes;
    QString only;   // one back end
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]).toInt() > 0)
            sizes << QByteArray(argv[i]).toInt();
        else
            only = QString::fromLocal8Bit(argv[i]);
    }
    if (sizes.isEmpty())
        sizes = {100000, 1000000};
    RegisterPatrolScreens();
    testing::MessageRecorder messages;
    const char *ids[] = {"EES030", "EES040", "EES140", "EES050", "EES060", "EES070", "EES080", "EES090"};
    for (db::Backend backend : testing::testBackends()) {
        if (!only.isEmpty() && testing::backendName(backend) != only)
            continue;
        for (int size : sizes) {
            testing::TestDatabase t(backend);
            QString error;
            QElapsedTimer loading;
            loading.start();
            if (!t.ok() || !db::loadDemoData(*t.database(), QDate::currentDate(), &error) || !fill(t, size)) {
                std::fprintf(stderr, "no bench database: %s %s %s\n", qPrintable(t.error()), qPrintable(error),
                             qPrintable(t.database()->lastError()));
                return 1;
            }
            DM()->attach(t.database());
            std::printf("%s, %s accidents (loaded in %.0f s):\n", qPrintable(testing::backendName(backend)),
                        qPrintable(QLocale::c().toString(t.scalar("SELECT COUNT(*) FROM EE010MS").toLongLong())),
                        loading.elapsed() / 1e3);
            for (const char *id : ids) {
                std::unique_ptr<TAccidentCrossTable> s(qobject_cast<TAccidentCrossTable *>(ScreenRegistry::instance().create(id)));
                s->resize(1400, 800);
                s->show();
                QApplication::processEvents();
                s->wmeDateFrom->setText("20100101");
                s->wmeDateTo->setText("20121231");
                const QString groupBy = bareGroupBy(s->description());
                double screen = 1e99, groupByMs = 1e99;
                int groups = 0;
                for (int run = 0; run < kRuns; ++run) {
                    QElapsedTimer timer;
                    timer.start();
                    s->bbtSearchClick();
                    s->rgrGrid->viewport()->repaint();
                    s->chtAccidents->repaint();
                    screen = qMin(screen, timer.nsecsElapsed() / 1e6);
                    groupByMs = qMin(groupByMs, bare(t.database(), groupBy, &groups));
                }
                std::printf("  %s search and first paint %8.1f ms (%d rows, total %lld) | bare GROUP BY %8.1f ms (%d groups) | ratio %.2f\n",
                            id, screen, int(s->rowLabels().size()), s->periodTotal(), groupByMs, groups, screen / groupByMs);
                std::fflush(stdout);
            }
            DM()->attach(nullptr);
        }
    }
    return 0;
}
