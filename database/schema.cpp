#include "schema.h"
#include "database.h"
#include "sqlfunctions.h"
#include "upgrade.h"
#include <QDir>
#include <QFile>
#include <QRegularExpression>

static void initDatabaseResources() { Q_INIT_RESOURCE(database); }

namespace db {

static QStringList resourceFiles(const QString &folder)
{
    initDatabaseResources();
    QDir dir(QStringLiteral(":/database/") + folder);
    QStringList files;
    for (const QString &name : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name))
        files << dir.filePath(name);
    return files;
}

QStringList schemaFiles() { return resourceFiles(QStringLiteral("schema")); }
QStringList demoFiles() { return resourceFiles(QStringLiteral("demo")); }
QStringList serverProcedureFiles() { return resourceFiles(QStringLiteral("procedures/server")); }

static bool runFiles(Database &database, const QStringList &files, const QDate *today, QString *error)
{
    for (const QString &path : files) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1").arg(path);
            return false;
        }
        QString text = QString::fromUtf8(f.readAll());
        if (today)
            text = expandDemoTokens(text, *today);
        if (!database.executeScript(text)) {
            *error = QFileInfo(path).fileName() + QStringLiteral(": ") + database.lastError();
            return false;
        }
    }
    return true;
}

bool createSchema(Database &database, QString *error)
{
    if (database.backend() == Backend::PostgreSQL && !database.executeScript(postgresFunctionsScript())) {
        *error = database.lastError();
        return false;
    }
    return runFiles(database, schemaFiles(), nullptr, error) && installServerProcedures(database, error)
        && recordSchemaVersion(database, error);
}

bool installServerProcedures(Database &database, QString *error)
{
    return database.backend() != Backend::PostgreSQL || runFiles(database, serverProcedureFiles(), nullptr, error);
}

QString expandDemoTokens(const QString &text, const QDate &today)
{
    static const QRegularExpression token(QStringLiteral("\\{TODAY(?:([+-])(\\d+))?\\}"));
    QString out;
    qsizetype last = 0;
    auto it = token.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        qint64 days = m.captured(2).toLongLong();
        if (m.captured(1) == QLatin1String("-"))
            days = -days;
        out += today.addDays(days).toString(QStringLiteral("yyyyMMdd"));
        last = m.capturedEnd();
    }
    out += text.mid(last);
    out.replace(QLatin1String("{YEAR}"), QString::number(today.year()));
    return out;
}

bool loadDemoData(Database &database, const QDate &today, QString *error)
{
    if (database.inTransaction())   // part of a larger unit (the set-up of a new database)
        return runFiles(database, demoFiles(), &today, error);
    if (!database.beginTransaction()) {
        *error = database.lastError();
        return false;
    }
    if (!runFiles(database, demoFiles(), &today, error)) {
        database.rollback();
        return false;
    }
    if (!database.commit()) {
        *error = database.lastError();
        return false;
    }
    return true;
}

bool buildDemoDatabase(const QString &path, QString *error)
{
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    {
        QFile create(path);
        if (!create.open(QIODevice::WriteOnly)) {
            *error = QStringLiteral("cannot create %1").arg(path);
            return false;
        }
    }
    Database database;
    ConnectionSettings s;
    s.backend = Backend::SQLite;
    s.database = path;
    if (!database.open(s)) {
        *error = database.lastError();
        return false;
    }
    return createSchema(database, error) && loadDemoData(database, QDate::currentDate(), error);
}

} // namespace db
