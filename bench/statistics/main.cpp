// Accident cross-table figures over 100,000 generated accidents (bench data, not the demo) on SQLite:
// the search and first paint of EES030 (hours by weekday, through the calendar) and EES090 (hours by age
// band), each beside the bare GROUP BY statement of the same counts run on the same connection.
#include "modules/patrol/screens.h"
#include "modules/patrol/accidentcrosstable.h"
#include "database/datamodule.h"
#include "database/query.h"
#include "database/schema.h"
#include "framework/screenregistry.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include "widgets/inputs.h"
#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <cstdio>

namespace {
const int kAccidents = 100000;
const int kDays = 1000;   // from 2010-01-01

bool fill(db::Database *d)
{
    const QString day = QStringLiteral("FN_ADD_DAYS('20100101', MOD(I, %1))").arg(kDays);
    return d->execute(QStringLiteral(
               "WITH RECURSIVE N(I) AS (SELECT 0 UNION ALL SELECT I + 1 FROM N WHERE I < %1) "
               "INSERT INTO EE010MS (TROB_DATE, TROB_NO, TROB_TIME, IN_SEX, IN_AGE, IN_STAT_GUBUN) "
               "SELECT %2, I / %3 + 1, LPAD(CAST(8 + MOD(I * 7, 15) AS VARCHAR(2)), 2, '0') || LPAD(CAST(MOD(I * 11, 60) AS VARCHAR(2)), 2, '0'), "
               "CAST(1 + MOD(I, 2) AS VARCHAR(1)), CAST(5 + MOD(I * 13, 75) AS VARCHAR(3)), '0' || CAST(1 + MOD(I * 3, 6) AS VARCHAR(1)) FROM N")
                          .arg(kAccidents - 1).arg(day).arg(kDays))
        && d->execute(QStringLiteral(
               "WITH RECURSIVE N(I) AS (SELECT 0 UNION ALL SELECT I + 1 FROM N WHERE I < %1) "
               "INSERT INTO ZX020MS (CALN_DATE, YOIL_CODE) "
               "SELECT FN_ADD_DAYS('20100101', I), CAST(MOD(I + 5, 7) + 1 AS VARCHAR(1)) FROM N")   // 2010-01-01 was a Friday
                          .arg(kDays - 1));
}

double bare(db::Database *d, const QString &sql, int *rows)
{
    QElapsedTimer t;
    t.start();
    db::Query q(d);
    q.setSql(sql);
    *rows = 0;
    if (q.open())
        while (q.next())
            ++*rows;
    return t.nsecsElapsed() / 1e6;
}
} // namespace

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    testing::TestDatabase t(db::Backend::SQLite);
    QString error;
    if (!t.ok() || !db::loadDemoData(*t.database(), QDate::currentDate(), &error) || !fill(t.database())) {
        std::fprintf(stderr, "no bench database: %s %s\n", qPrintable(t.error()), qPrintable(error));
        return 1;
    }
    t.database()->execute("DELETE FROM EE010MS WHERE TROB_DATE > '20121231'");   // the demo accidents out
    DM()->attach(t.database());
    testing::MessageRecorder messages;
    RegisterPatrolScreens();
    std::printf("accidents: %s\n", qPrintable(t.scalar("SELECT COUNT(*) FROM EE010MS")));

    const QString period = "T.TROB_DATE BETWEEN '20100101' AND '20121231'";
    const struct {
        const char *id;
        QString groupBy;
    } runs[] = {
        {"EES030", "SELECT SUBSTR(T.TROB_TIME, 1, 2), C.YOIL_CODE, COUNT(*) FROM EE010MS T JOIN ZX020MS C ON C.CALN_DATE = T.TROB_DATE "
                   "WHERE " + period + " GROUP BY SUBSTR(T.TROB_TIME, 1, 2), C.YOIL_CODE"},
        {"EES090", "SELECT SUBSTR(T.TROB_TIME, 1, 2), CAST(T.IN_AGE AS INTEGER) / 10, COUNT(*) FROM EE010MS T "
                   "WHERE " + period + " GROUP BY SUBSTR(T.TROB_TIME, 1, 2), CAST(T.IN_AGE AS INTEGER) / 10"},
    };
    for (const auto &run : runs) {
        std::unique_ptr<TAccidentCrossTable> s(qobject_cast<TAccidentCrossTable *>(ScreenRegistry::instance().create(run.id)));
        s->resize(1400, 800);
        s->show();
        QApplication::processEvents();
        s->wmeDateFrom->setText("20100101");
        s->wmeDateTo->setText("20121231");
        for (int pass = 0; pass < 2; ++pass) {   // the second pass with the statements prepared and the pages cached
            QElapsedTimer timer;
            timer.start();
            s->bbtSearchClick();
            s->rgrGrid->viewport()->repaint();
            s->chtAccidents->repaint();
            const double screen = timer.nsecsElapsed() / 1e6;
            int rows = 0;
            const double groupBy = bare(t.database(), run.groupBy, &rows);
            std::printf("%s pass %d: search and first paint %.1f ms (%d rows, total %lld) | bare GROUP BY %.1f ms (%d groups)\n",
                        run.id, pass + 1, screen, int(s->rowLabels().size()), s->periodTotal(), groupBy, rows);
        }
    }
    return 0;
}
