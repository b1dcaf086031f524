// Sets up, upgrades and checks a database of the program:
//   sports-db init ALIAS [--demo] [--user NAME]    the schema and its functions (and the demo data) on an empty database
//   sports-db upgrade ALIAS [--user NAME]          an earlier version brought up to the program's, in one transaction
//   sports-db check ALIAS [--user NAME]            the version and every table, column, index and view compared
// ALIAS is a section of sports-db.ini beside the program, or an SQLite file (init creates it). On
// PostgreSQL the tool signs in as the program does: the user (--user, else the command's user), the
// password from TQUpdate.ini or the user name; PGPASSWORD, when set, is used instead.
#include "app/password.h"
#include "app/startup.h"
#include "database/database.h"
#include "database/schema.h"
#include "database/upgrade.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}
QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

int usage()
{
    err() << "usage: sports-db init|upgrade|check ALIAS [--demo] [--user NAME]\n"
             "  ALIAS: a section of sports-db.ini beside the program, or an SQLite database file\n";
    return 2;
}

int fail(const QString &text)
{
    err() << "sports-db: " << QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')) << "\n";
    err().flush();
    return 1;
}

// The shape of the program's own schema, made on a scratch SQLite file.
bool programShape(db::SchemaShape *shape, QString *error)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shape.db"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) {
            *error = QStringLiteral("cannot create %1").arg(path);
            return false;
        }
    }
    db::Database scratch;
    db::ConnectionSettings s;
    s.database = path;
    return scratch.open(s) && db::createSchema(scratch, error) && db::describeSchema(scratch, shape, error);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool demo = args.removeAll(QStringLiteral("--demo")) > 0;
    QString user;
    const int userAt = args.indexOf(QStringLiteral("--user"));
    if (userAt >= 0) {
        user = args.value(userAt + 1);
        args.remove(userAt, qMin(2, int(args.size()) - userAt));
    }
    if (args.size() != 2 || user.startsWith(QLatin1String("--")))
        return usage();
    const QString command = args.at(0), alias = args.at(1);
    if (command != QLatin1String("init") && command != QLatin1String("upgrade") && command != QLatin1String("check"))
        return usage();

    const QString programDirectory = QCoreApplication::applicationDirPath();
    db::ConnectionSettings settings;
    QString error;
    if (!ResolveDatabase(alias, programDirectory, &settings, &error))
        return fail(error);
    if (settings.backend == db::Backend::PostgreSQL) {
        if (user.isEmpty())
            user = qEnvironmentVariable("PGUSER", qEnvironmentVariable("USER"));
        settings.user = user;
        if (!qEnvironmentVariableIsEmpty("PGPASSWORD"))
            settings.password = qEnvironmentVariable("PGPASSWORD");
        else if (!ResolvePassword(programDirectory, user, &settings.password, &error))
            return fail(error);
    } else if (command == QLatin1String("init") && !QFileInfo::exists(settings.database)) {
        QFile f(settings.database);   // a new SQLite database is a new file
        if (!f.open(QIODevice::WriteOnly))
            return fail(QStringLiteral("cannot create %1").arg(settings.database));
    }

    db::Database database;
    if (!database.open(settings))
        return fail(QStringLiteral("데이터베이스와 연결할 수 없습니다.\r") + database.lastError());
    const int program = db::programSchemaVersion();

    if (command == QLatin1String("init")) {
        // the alias's schema is made when it is not there yet (else the tables would go to the next one
        // of the search path)
        if (settings.backend == db::Backend::PostgreSQL && !settings.schema.isEmpty()
            && !database.execute(QStringLiteral("CREATE SCHEMA IF NOT EXISTS \"%1\"").arg(settings.schema)))
            return fail(database.lastError());
        if (!db::initDatabase(database, demo, &error))
            return fail(error);
        out() << alias << ": " << program << "판의 테이블과 함수를 만들었습니다" << (demo ? " (시연 자료 포함)" : "") << ".\n";
        return 0;
    }
    if (command == QLatin1String("upgrade")) {
        const int from = db::databaseSchemaVersion(database, &error);
        QStringList applied;
        if (!db::upgradeDatabase(database, &error, &applied))
            return fail(error);
        if (applied.isEmpty())
            out() << alias << ": 이미 " << program << "판입니다. 바꾼 것이 없습니다.\n";
        else
            out() << alias << ": " << from << "판에서 " << program << "판으로 올렸습니다 (" << applied.join(QStringLiteral(", "))
                  << ").\n";
        return 0;
    }

    // check: the version, then the structure against the program's
    const int version = db::databaseSchemaVersion(database, &error);
    if (version < 0)
        return fail(error);
    out() << alias << ": 데이터베이스 " << version << "판, 프로그램 " << program << "판\n";
    if (version == 0)
        return fail(QStringLiteral("프로그램의 테이블이 없습니다: sports-db init %1").arg(alias));
    db::SchemaShape expected, actual;
    if (!programShape(&expected, &error) || !db::describeSchema(database, &actual, &error))
        return fail(error);
    const QStringList differences = db::compareSchemas(expected, actual);
    for (const QString &line : differences)
        out() << "  " << line << "\n";
    out().flush();
    if (version < program)
        return fail(QStringLiteral("이전 판입니다: sports-db upgrade %1").arg(alias));
    if (version > program)
        return fail(QStringLiteral("이 프로그램보다 새 판입니다."));
    if (!differences.isEmpty())
        return fail(QStringLiteral("구조가 프로그램의 것과 %1군데 다릅니다.").arg(differences.size()));
    out() << "구조가 프로그램의 것과 같습니다.\n";
    return 0;
}
