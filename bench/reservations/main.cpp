// A reservation race: 8 desks, each a process with a connection of its own, reserve one place at a time
// into lessons of capacity 10 (two staff members per desk and lesson, so every lesson is asked for 16
// places) for 1,000 lessons, on SQLite (processes on one file) and, when SPORTS_TEST_PG names a
// server, PostgreSQL. Prints reservations and calls per second and the overbooked lessons (must be 0).
//   bench_reservations [rounds]
#include "database/procedure.h"
#include "support/childprocesses.h"
#include "support/testdatabase.h"
#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>

namespace {

const int kDesks = 8;
const int kCapacity = 10;

QString day(int offset) { return QDate::currentDate().addDays(offset).toString("yyyyMMdd"); }

// One desk: prints "reserved refused failed".
int desk(const QStringList &a)
{
    const db::ConnectionSettings s = testing::connectionFromArgs(a, 2);
    const int rounds = a.value(8).toInt();
    const QString name = a.value(9);
    db::Database d;
    if (!d.open(s))
        return 2;
    int reserved = 0, refused = 0, failed = 0;
    db::StoredProc p(&d, "PR_ECI050_01");
    for (int r = 0; r < rounds; ++r) {
        for (const QString &emp : {name + "A", name + "B"}) {
            p.clearParams();
            p.setParam("AYAEYAK_DATE", day(1 + r));
            p.setParam("ALECTURE_ITEM_GUBUN", "01");
            p.setParam("ALECTURE_REC_GUBUN", "01");
            p.setParam("ALECTURE_DETAIL_GUBUN", "01");
            p.setParam("AEMP_NO", emp);
            p.setParam("AEMP_NAME", emp);
            p.setParam("AYAEYAK_CNT", "1");
            p.setParam("AU_EMP_NO", name);
            p.setParam("AU_IP", "127.0.0.1");
            p.setParam("AEDITSTATUS", "1");
            if (p.exec())
                ++reserved;
            else if (p.lastError().contains(QStringLiteral("예약가능 인원을 초과했습니다")))
                ++refused;
            else if (++failed <= 3)
                std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(p.lastError()));
        }
    }
    std::printf("%d %d %d\n", reserved, refused, failed);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--desk"))
        return desk(args);
    const int rounds = args.value(1).toInt() > 0 ? args.value(1).toInt() : 1000;
    testing::prepareTestEnvironment();

    for (db::Backend backend : testing::testBackends()) {
        const QString name = testing::backendName(backend);
        testing::TestDatabase t(backend);
        QStringList rows;
        for (int r = 0; r < rounds; ++r)
            rows << QString("INSERT INTO EC040MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
                            "YAEYAK_ABILITY_CNT) VALUES ('%1', '01', '01', '01', %2);")
                        .arg(day(1 + r))
                        .arg(kCapacity);
        if (!t.ok() || !t.run(rows.join("\n"))) {
            std::printf("%s: no database: %s\n", qPrintable(name), qPrintable(t.error()));
            continue;
        }
        const db::ConnectionSettings s = t.settings();
        QElapsedTimer timer;
        timer.start();
        testing::ChildProcesses desks;
        for (int k = 0; k < kDesks; ++k)
            desks.start("--desk", s, {QString::number(rounds), QString("D%1").arg(k)});
        desks.finish(3600 * 1000);
        int malformed = 0;
        const QVector<int> sums = desks.totals(3, &malformed);
        const int reserved = sums[0], refused = sums[1], failed = sums[2] + malformed;
        const double seconds = timer.elapsed() / 1000.0;
        const int overbooked = t.scalar(QString("SELECT COUNT(*) FROM (SELECT YAEYAK_DATE FROM EC050MS GROUP BY YAEYAK_DATE, "
                                                "LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN "
                                                "HAVING SUM(YAEYAK_CNT) > %1) X").arg(kCapacity)).toInt();
        const int twice = t.scalar("SELECT COUNT(*) FROM (SELECT YAEYAK_DATE FROM EC050MS GROUP BY YAEYAK_DATE, "
                                   "LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, TRIM(EMP_NO) "
                                   "HAVING COUNT(*) > 1) X").toInt();
        std::printf("%s: %d desks, %d lessons of %d: %d reserved, %d refused as full, %d failed in %.1f s: "
                    "%.0f reservations/s, %.0f calls/s; overbookings %d, staff twice %d\n",
                    qPrintable(name), kDesks, rounds, kCapacity, reserved, refused, failed, seconds, reserved / seconds,
                    (reserved + refused + failed) / seconds, overbooked, twice);
        std::fflush(stdout);
    }
    return 0;
}
