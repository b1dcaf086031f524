// Loads the weather stations' observation files into EA010MS:
//   sports-weather-import [-d DATABASE] [-u USER] [-p PASSWORD] FILE…
// DATABASE is an alias of sports-db.ini or an SQLite file (default DEMO). Each file is loaded whole
// or not at all; the exit code is 1 when any file was refused.
#include "app/startup.h"
#include "database/database.h"
#include "modules/weather/observationimport.h"
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString name = QStringLiteral("DEMO"), user, password = qEnvironmentVariable("PGPASSWORD");
    QStringList files;
    QTextStream err(stderr), out(stdout);
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if ((a == "-d" || a == "-u" || a == "-p") && i + 1 < args.size()) {
            (a == "-d" ? name : a == "-u" ? user : password) = args.at(++i);
        } else if (a.startsWith('-')) {
            files.clear();
            break;
        } else {
            files << a;
        }
    }
    if (files.isEmpty()) {
        err << "usage: sports-weather-import [-d DATABASE] [-u USER] [-p PASSWORD] FILE...\n";
        return 2;
    }
    db::ConnectionSettings settings;
    QString error;
    if (!ResolveDatabase(name, QCoreApplication::applicationDirPath(), &settings, &error)) {
        err << "sports-weather-import: " << error << "\n";
        return 1;
    }
    if (!user.isEmpty())
        settings.user = user;
    if (!password.isEmpty())
        settings.password = password;
    db::Database database;
    if (!database.open(settings)) {
        err << "sports-weather-import: " << database.lastError() << "\n";
        return 1;
    }
    int failed = 0;
    for (const QString &file : files) {
        int count = 0;
        if (weather::importObservationFile(&database, file, &count, &error)) {
            out << file << ": " << count << " observations loaded\n";
        } else {
            err << "sports-weather-import: " << error << " (nothing of the file loaded)\n";
            ++failed;
        }
        out.flush();
        err.flush();
    }
    return failed ? 1 : 0;
}
