// Start-up and round-trip figures on the demo database: the program from its start to the main window
// shown with its full menu, beside a bare Qt window built with the same menus (read from the same file
// in one statement), and one statement round trip on each back end.
#include "database/query.h"
#include "database/schema.h"
#include "support/testdatabase.h"
#include <QApplication>
#include <QDate>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
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

// The bare window: a process that opens the file, reads the menus and their entries in one statement,
// builds the menu bar and shows the window maximised; it reports as the program does.
static int bareWindow(int argc, char **argv)
{
    QElapsedTimer started;
    started.start();
    QApplication app(argc, argv);
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    d.setDatabaseName(app.arguments().value(2));
    if (!d.open())
        return 1;
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("스포츠관리"));
    QSqlQuery q(d);
    q.exec(QStringLiteral("SELECT M.MENU_ID, M.MENU_NAME, P.PROGRAM_ID, P.PROGRAM_NAME FROM ZA040MS M JOIN ZA050MS P "
                          "ON P.PROJECT_ID = M.PROJECT_ID AND P.MENU_ID = M.MENU_ID WHERE M.PROJECT_ID = 'SPORTS' "
                          "AND M.DISPLAY_SEQ > 0 AND P.DISPLAY_SEQ > 0 ORDER BY M.DISPLAY_SEQ, P.DISPLAY_SEQ"));
    QMenu *menu = nullptr;
    QString menuId;
    while (q.next()) {
        if (!menu || q.value(0).toString() != menuId) {
            menuId = q.value(0).toString();
            menu = window.menuBar()->addMenu(q.value(1).toString());
        }
        menu->addAction(q.value(3).toString())->setData(q.value(2));
    }
    window.menuBar()->addMenu(QStringLiteral("창(&W)"))->addAction(QStringLiteral("종료"));
    window.showMaximized();
    QTimer::singleShot(0, &window, [&] {
        QTextStream(stdout) << "startup-ms " << started.nsecsElapsed() / 1e6 << " menus "
                            << window.menuBar()->actions().size() << "\n";
        window.close();
    });
    return app.exec();
}

// One start of a process that reports as the program does: wall and in-process milliseconds, and its
// line; false when it did not report.
static bool startOnce(const QString &program, const QStringList &arguments, double *wall, double *inside, QString *line)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SPORTS_REPORT_STARTUP", "1");
    if (!env.contains("QT_QPA_PLATFORM"))
        env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(program, arguments);
    line->clear();
    while (p.waitForReadyRead(10000)) {
        *line += QString::fromUtf8(p.readAllStandardOutput());
        if (line->contains('\n'))
            break;
    }
    *wall = t.nsecsElapsed() / 1e6;
    p.waitForFinished(10000);
    if (!line->startsWith("startup-ms")) {
        out << "startup: " << program << " did not report (" << p.readAllStandardError() << ")\n";
        return false;
    }
    *inside = line->section(' ', 1, 1).toDouble();
    return true;
}

// The program and the bare window started by turns, so that both meet the same load of the machine;
// the ratio is given per pair of starts (its median and range) and of the medians.
static void startups(const QString &demo, int runs)
{
    QList<double> wall[2], inside[2], ratios;
    const QString programs[2] = {QStringLiteral(SPORTS_EXE), QCoreApplication::applicationFilePath()};
    const QStringList arguments[2] = {{demo, "DEMO", "1001", "홍길동"}, {"--bare", demo}};
    for (int i = 0; i < runs; ++i) {
        double w[2], in[2];
        for (int k = 0; k < 2; ++k) {
            QString line;
            if (!startOnce(programs[k], arguments[k], &w[k], &in[k], &line))
                return;
            if (i == 0)
                out << "  first run: " << line.trimmed() << "\n";
            wall[k] << w[k];
            inside[k] << in[k];
        }
        ratios << in[0] / qMax(0.001, in[1]);
    }
    const char *labels[2] = {"program to main window with full menu", "bare window with the same menus"};
    for (int k = 0; k < 2; ++k)
        out << QString("%1 (SQLite demo, %2 runs): median %3 ms wall, %4 ms in process\n")
                   .arg(QLatin1String(labels[k])).arg(runs).arg(median(wall[k]), 0, 'f', 1).arg(median(inside[k]), 0, 'f', 1);
    std::sort(ratios.begin(), ratios.end());
    out << QString("program / bare (in process), pair by pair: median %1, %2 to %3; of the medians %4 (goal <= 1.5)\n")
               .arg(median(ratios), 0, 'f', 2).arg(ratios.first(), 0, 'f', 2).arg(ratios.last(), 0, 'f', 2)
               .arg(median(inside[0]) / qMax(0.001, median(inside[1])), 0, 'f', 2);
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
    if (argc > 2 && QByteArray(argv[1]) == "--bare")
        return bareWindow(argc, argv);
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString demo = dir.filePath("demo.db");
    QString error;
    if (!db::buildDemoDatabase(demo, &error)) {
        out << "demo database: " << error << "\n";
        return 1;
    }
    const int runs = app.arguments().value(1, QStringLiteral("9")).toInt();
    startups(demo, runs);
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
