// Start-up and round-trip figures on the demo database.
#include "database/query.h"
#include "database/schema.h"
#include "support/testdatabase.h"
#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

static QTextStream out(stdout);

static double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

static void startup(const QString &demoFile, int runs)
{
    QList<double> wall, inside;
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SPORTS_REPORT_STARTUP", "1");
        if (!env.contains("QT_QPA_PLATFORM"))
            env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        p.start(QStringLiteral(SPORTS_EXE), {demoFile, "DEMO", "1001", "홍길동"});
        QString line;
        while (p.waitForReadyRead(10000)) {
            line += QString::fromUtf8(p.readAllStandardOutput());
            if (line.contains('\n'))
                break;
        }
        const double ms = t.nsecsElapsed() / 1e6;
        p.waitForFinished(10000);
        if (!line.startsWith("startup-ms")) {
            out << "startup: the program did not report (" << p.readAllStandardError() << ")\n";
            return;
        }
        wall << ms;
        inside << line.section(' ', 1, 1).toDouble();
        if (i == 0)
            out << "  first run: " << line.trimmed() << "\n";
    }
    out << QString("startup to main window with full menu (SQLite demo, %1 runs): median %2 ms wall, %3 ms in process\n")
               .arg(runs).arg(median(wall), 0, 'f', 1).arg(median(inside), 0, 'f', 1);
}

static void roundTrip(db::Database *d, const QString &name, int n)
{
    db::Query q(d);
    q.setSql("SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :HEAD AND DETAIL = :DETAIL");
    QElapsedTimer t;
    t.start();
    int found = 0;
    for (int i = 0; i < n; ++i) {
        q.bind("HEAD", "E0009");
        q.bind("DETAIL", "SB");
        if (q.open() && q.next())
            ++found;
        q.close();
    }
    out << QString("statement round trip on %1: %2 us (%3 statements, %4 rows)\n")
               .arg(name).arg(t.nsecsElapsed() / 1e3 / n, 0, 'f', 1).arg(n).arg(found);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString demo = dir.filePath("demo.db");
    QString error;
    if (!db::buildDemoDatabase(demo, &error)) {
        out << "demo database: " << error << "\n";
        return 1;
    }
    startup(demo, 9);
    {
        db::Database d;
        db::ConnectionSettings s;
        s.database = demo;
        d.open(s);
        roundTrip(&d, "SQLite", 2000);
    }
    if (!qEnvironmentVariableIsEmpty("SPORTS_TEST_PG")) {
        testing::TestDatabase pg(db::Backend::PostgreSQL);
        if (!pg.ok() || !db::loadDemoData(*pg.database(), QDate::currentDate(), &error))
            out << "PostgreSQL: " << pg.error() << error << "\n";
        else
            roundTrip(pg.database(), "PostgreSQL (127.0.0.1)", 2000);
    } else {
        out << "PostgreSQL: SPORTS_TEST_PG not set, skipped\n";
    }
    return 0;
}
