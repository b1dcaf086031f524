// The import of observation lines (default 1,000,000): lines per second of sports-weather-import's
// own path (read, check, store in one transaction) beside a bare loader on the same connection in the
// same run (split the lines, bind the texts to the same prepared statement, one transaction), and on
// PostgreSQL beside `psql \copy` of the same file into EA010MS (psql of the PostgreSQL client).
// SQLite always, PostgreSQL when SPORTS_TEST_PG names a server.
#include "modules/weather/observationimport.h"
#include "database/database.h"
#include "support/testdatabase.h"
#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Seven places every ten minutes, day after day from the first of December.
QByteArray observationFile(int lines)
{
    QByteArray text = weather::importColumns().join(',').toLatin1() + '\n';
    text.reserve(lines * 64);
    const QDate first(2025, 12, 1);
    for (int i = 0; i < lines; ++i) {
        const int slot = i / 7, place = i % 7;
        const QDate day = first.addDays(slot / 144);
        const int minutes = (slot % 144) * 10;
        text += QString::asprintf("%s,%02d%02d,A%d,%.1f,%d,%.1f,%d,%d,%.1f,%s\n",
                                  qPrintable(day.toString("yyyyMMdd")), minutes / 60, minutes % 60, place + 1,
                                  -10.0 + (i % 150) / 10.0, 40 + i % 50, (i % 120) / 10.0, (i * 7) % 360, i % 800,
                                  900.0 + (i % 100) / 10.0, i % 5 == 0 ? "0.5" : "")
                    .toLatin1();
    }
    return text;
}

// Resident memory of the process from /proc (Linux): now, and its peak since resetPeak().
qint64 statusKb(const char *key)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLongLong();
    return -1;
}
qint64 residentKb() { return statusKb("VmRSS:"); }
qint64 peakKb() { return statusKb("VmHWM:"); }
void resetPeak()
{
    QFile clear("/proc/self/clear_refs");
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

int bareImport(db::Database *database, const QByteArray &content, bool *ok)
{
    QSqlDatabase d = database->sql();
    QSqlQuery q(d);
    *ok = d.transaction()
          && q.prepare("INSERT INTO EA010MS (OBSE_DATE, OBSE_TIME, OBSE_PLACE_GUBUN, TEMPERATURE, HUMIDITY, "
                       "WIND_VELOCITY, WIND_DIRECTION, RADIATION, ATMOSPHERIC, SNOWFALL, U_EMP_NO, U_IP, U_DATE) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (OBSE_DATE, OBSE_PLACE_GUBUN, "
                       "OBSE_TIME) DO NOTHING");
    int n = 0;
    const QList<QByteArray> lines = content.split('\n');
    for (int i = 1; *ok && i < lines.size(); ++i) {
        if (lines.at(i).isEmpty())
            continue;
        const QList<QByteArray> f = lines.at(i).split(',');
        for (int c = 0; c < 10; ++c)
            q.bindValue(c, f.value(c).isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(QString::fromLatin1(f.value(c))));
        q.bindValue(10, "BARE");
        q.bindValue(11, "127.0.0.1");
        q.bindValue(12, "20260101000000");
        *ok = q.exec();
        ++n;
    }
    *ok = *ok && d.commit();
    return n;
}

// `psql \copy` of the file into EA010MS of the connection's schema: seconds, or -1 when psql failed.
double psqlCopy(db::Database *database, const QString &path, QString *error)
{
    QProcess psql;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!database->settings().schema.isEmpty())
        env.insert("PGOPTIONS", "-c search_path=" + database->settings().schema);
    psql.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    psql.start("psql", {qEnvironmentVariable("SPORTS_TEST_PG"), "-X", "-q", "-v", "ON_ERROR_STOP=1", "-c",
                        "\\copy EA010MS (" + weather::importColumns().join(", ") + ") FROM '" + path
                            + "' WITH (FORMAT csv, HEADER true)"});
    if (!psql.waitForFinished(-1) || psql.exitStatus() != QProcess::NormalExit || psql.exitCode() != 0) {
        *error = QString::fromLocal8Bit(psql.readAllStandardError()).trimmed() + psql.errorString();
        return -1;
    }
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    testing::prepareTestEnvironment();
    const int lines = argc > 1 ? QByteArray(argv[1]).toInt() : 1000000;
    QByteArray content = observationFile(lines);
    QTemporaryDir dir;
    const QString path = dir.filePath("observations.csv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return 1;
    file.close();
    content = QByteArray();   // the import reads the file; the bare loader reads it again itself

    for (db::Backend backend : testing::testBackends()) {
        testing::TestDatabase t(backend);
        QString places;
        for (int p = 1; p <= 7; ++p)
            places += QString("INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0001', 'A%1', '%1');\n").arg(p);
        if (!t.ok() || !t.run(places)) {
            std::printf("%s: no database: %s\n", qPrintable(testing::backendName(backend)), qPrintable(t.error()));
            continue;
        }
        const qint64 residentBefore = residentKb();
        resetPeak();
        QElapsedTimer timer;
        timer.start();
        int count = 0;
        QString error;
        const bool imported = weather::importObservationFile(t.database(), path, &count, &error);
        const double ours = timer.nsecsElapsed() / 1e9;
        // The import keeps one line at a time: its peak is the resident memory it started from.
        std::printf("%-10s resident memory: %lld MB before the import, peak %lld MB during it (the file: %lld MB)\n",
                    qPrintable(testing::backendName(backend)), residentBefore >> 10, peakKb() >> 10,
                    static_cast<long long>(QFileInfo(path).size() >> 20));
        t.run("DELETE FROM EA010MS;");
        bool ok = false;
        QFile again(path);
        const QByteArray whole = again.open(QIODevice::ReadOnly) ? again.readAll() : QByteArray();
        timer.restart();
        const int bare = bareImport(t.database(), whole, &ok);
        const double bareSeconds = timer.nsecsElapsed() / 1e9;
        std::printf("%-10s import of %d lines: ours %.0f lines/s (%.2f s%s), bare %.0f lines/s (%.2f s%s), ratio %.2f\n",
                    qPrintable(testing::backendName(backend)), lines, count / ours, ours,
                    imported ? "" : qPrintable(", failed: " + error), bare / bareSeconds, bareSeconds,
                    ok ? "" : ", failed", ours / bareSeconds);
        if (backend == db::Backend::PostgreSQL) {
            t.run("DELETE FROM EA010MS;");
            QString psqlError;
            const double copy = psqlCopy(t.database(), path, &psqlError);
            const qint64 copied = t.scalar("SELECT COUNT(*) FROM EA010MS").toLongLong();
            if (copy < 0)
                std::printf("%-10s psql \\copy failed: %s\n", qPrintable(testing::backendName(backend)), qPrintable(psqlError));
            else
                std::printf("%-10s psql \\copy of the same file: %.0f lines/s (%.2f s, %lld rows), ours / \\copy %.2f\n",
                            qPrintable(testing::backendName(backend)), copied / copy, copy, copied, ours / copy);
        }
    }
    return 0;
}
