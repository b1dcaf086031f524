// Eight rental counters, each a process of its own, rent on one database for a fixed time, as the resort
// runs them: hold a free piece, save the rental and its row in one unit, now and then return a row. On
// SQLite and (when SPORTS_TEST_PG names a server) PostgreSQL; prints rentals per second, failed saves
// (must be 0) and double rentals (must be 0).
//   bench_counters [seconds per back end, default 10] [counters, default 8] [pieces, default 40]
#include "database/procedure.h"
#include "database/query.h"
#include "support/childprocesses.h"
#include "support/testdatabase.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>

using namespace db;

namespace {

const QString kDay = QStringLiteral("20261209");
const QString kTaken = QStringLiteral("선택하신 장비는 이미 대여되었거나 작업중입니다");

StoredProc call(Database *d, const QString &name, const QHash<QString, QString> &values)
{
    StoredProc p(d, name);
    p.setParam("ARENT_DATE", kDay);
    p.setParam("AAREA_GUBUN", "M");
    p.setParam("AU_EMP_NO", "BENCH");
    p.setParam("AU_IP", "127.0.0.1");
    for (auto it = values.begin(); it != values.end(); ++it)
        p.setParam(it.key(), it.value());
    return p;
}

// One counter: prints "rentals failed" after the given number of milliseconds.
int counter(const QStringList &a)
{
    const ConnectionSettings s = testing::connectionFromArgs(a, 2);
    const qint64 ms = a.value(8).toLongLong();
    const int pieces = a.value(9).toInt();
    Database d;
    if (!d.open(s))
        return 2;
    int rentals = 0, failed = 0;
    QList<QPair<QString, QString>> out;
    quint32 seed = quint32(QCoreApplication::applicationPid());
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        seed = seed * 1103515245u + 12345u;
        QString piece;
        for (int tries = 0; tries < pieces && piece.isEmpty(); ++tries) {
            const QString no = QStringLiteral("%1").arg(1 + (seed / 7 + tries) % pieces, 5, 10, QChar('0'));
            StoredProc h = call(&d, "PR_EBI040_03", {{"AEQUIP_GUBUN", "CS"}, {"AEQUIP_NO", no}, {"AEDITSTATUS", "2"}});
            if (h.exec())
                piece = no;
            else if (h.lastError() != kTaken)
                ++failed;
        }
        if (piece.isEmpty()) {   // every piece out: give one back
            if (!out.isEmpty()) {
                const auto r = out.takeFirst();
                StoredProc back = call(&d, "PR_EBI040_02", {{"ARENT_NO", r.first}, {"ARENT_SEQ", "1"}, {"ARENT_STAT", "R"},
                                                           {"AEQUIP_GUBUN", "CS"}, {"AEQUIP_NO", r.second},
                                                           {"ARENT_NAME", "반납"}, {"AEDITSTATUS", "1"}});
                if (!back.exec())
                    ++failed;
            }
            continue;
        }
        d.beginTransaction();
        StoredProc header = call(&d, "PR_EBI040_01", {{"ADEAL_NAME", "벤치"}, {"AKEEP_KIND_GUBUN", "01"},
                                                      {"AKEEP_BOX_NO", "B1"}, {"AEDITSTATUS", "2"}});
        bool ok = header.exec();
        const QString rent = header.param("ANEW_RENT_NO");
        if (ok) {
            StoredProc row = call(&d, "PR_EBI040_02", {{"ARENT_NO", rent}, {"ATICKET_KIND", "01"}, {"ARENT_STAT", "D"},
                                                      {"AEQUIP_GUBUN", "CS"}, {"AEQUIP_NO", piece},
                                                      {"ARENT_NAME", "벤치"}, {"AEDITSTATUS", "2"}});
            ok = row.exec();
        }
        ok = ok ? d.commit() : (d.rollback(), false);
        if (ok) {
            ++rentals;
            out << qMakePair(rent, piece);
        } else {
            ++failed;
        }
        if (out.size() > 2) {   // a guest comes back
            const auto r = out.takeFirst();
            StoredProc back = call(&d, "PR_EBI040_02", {{"ARENT_NO", r.first}, {"ARENT_SEQ", "1"}, {"ARENT_STAT", "R"},
                                                       {"AEQUIP_GUBUN", "CS"}, {"AEQUIP_NO", r.second},
                                                       {"ARENT_NAME", "반납"}, {"AEDITSTATUS", "1"}});
            if (!back.exec())
                ++failed;
        }
    }
    std::printf("%d %d\n", rentals, failed);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--counter"))
        return counter(args);
    testing::prepareTestEnvironment();
    const int seconds = args.value(1, "10").toInt();
    const int counters = args.value(2, "8").toInt();
    const int pieces = args.value(3, "40").toInt();
    for (Backend backend : testing::testBackends()) {
        testing::TestDatabase t(backend);
        QString sql;
        for (int i = 1; i <= pieces; ++i)
            sql += QStringLiteral("INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, "
                                  "SVRL_RENT_YN) VALUES ('M', 'CS', '%1', '150', 'Y', 'N');\n").arg(i, 5, 10, QChar('0'));
        if (!t.ok() || !t.run(sql)) {
            std::printf("%s: no database: %s\n", qPrintable(testing::backendName(backend)), qPrintable(t.error()));
            continue;
        }
        testing::ChildProcesses running;
        for (int c = 0; c < counters; ++c)
            running.start("--counter", t.settings(), {QString::number(seconds * 1000), QString::number(pieces)});
        running.finish(seconds * 1000 + 120000);
        int failed = 0;
        const QVector<int> sums = running.totals(2, &failed);
        const int rentals = sums[0];
        failed += sums[1];
        const QString doubles = t.scalar(
            "SELECT COUNT(*) FROM (SELECT EQUIP_NO FROM EB040DT WHERE RENT_STAT IN ('D', 'S') "
            "GROUP BY RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO HAVING COUNT(*) > 1) X");
        std::printf("%-10s %d counters, %d s, %d pieces: %.1f rentals/s (%d rentals), failed saves %d, double rentals %s\n",
                    qPrintable(testing::backendName(backend)), counters, seconds, pieces, double(rentals) / seconds,
                    rentals, failed, qPrintable(doubles));
    }
    return 0;
}
