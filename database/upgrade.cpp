#include "upgrade.h"
#include "database.h"
#include "query.h"
#include "schema.h"
#include "sqlfunctions.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

static void initUpgradeResources() { Q_INIT_RESOURCE(database); }

namespace db {

namespace {

const QString kVersionTable = QStringLiteral("SCHEMA_VERSION");

QString now() { return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss")); }

bool tableExists(Database &database, const QString &table, bool *exists, QString *error)
{
    const QString sql = database.backend() == Backend::SQLite
        ? QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND UPPER(name) = :NAME")
        : QStringLiteral("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = current_schema() "
                         "AND UPPER(table_name) = :NAME");
    QList<QStringList> rows;
    if (!Query::run(&database, sql, {{QStringLiteral("NAME"), table}}, &rows, nullptr, error))
        return false;
    *exists = rows.value(0).value(0).toInt() > 0;
    return true;
}

bool createVersionTable(Database &database, QString *error)
{
    if (database.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS SCHEMA_VERSION (\n"
                                        "  VERSION      INTEGER      NOT NULL,\n"
                                        "  DESCRIPTION  VARCHAR(200),\n"
                                        "  APPLIED      VARCHAR(14),\n"
                                        "  PRIMARY KEY (VERSION))")))
        return true;
    *error = database.lastError();
    return false;
}

bool recordStep(Database &database, int version, const QString &description, const QString &applied, QString *error)
{
    return Query::run(&database,
                      QStringLiteral("INSERT INTO SCHEMA_VERSION (VERSION, DESCRIPTION, APPLIED) "
                                     "VALUES (:VERSION, :DESCRIPTION, :APPLIED)"),
                      {{QStringLiteral("VERSION"), version},
                       {QStringLiteral("DESCRIPTION"), description},
                       {QStringLiteral("APPLIED"), applied}},
                      nullptr, nullptr, error);
}

// A unit of work on the whole database: rolled back unless finished.
class Unit {
public:
    explicit Unit(Database &database) : m_db(database) {}
    ~Unit()
    {
        if (m_db.inTransaction())
            m_db.rollback();
    }
    bool begin(QString *error)
    {
        if (m_db.beginTransaction())
            return true;
        *error = m_db.lastError();
        return false;
    }
    bool commit(QString *error)
    {
        if (m_db.commit())
            return true;
        *error = m_db.lastError();
        return false;
    }

private:
    Database &m_db;
};

} // namespace

QList<UpgradeStep> upgradeSteps()
{
    initUpgradeResources();
    static const QRegularExpression name(QStringLiteral("^(\\d{4})_(\\w+)\\.sql$"));
    QList<UpgradeStep> steps;
    QDir dir(QStringLiteral(":/database/upgrade"));
    for (const QString &file : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
        const auto m = name.match(file);
        if (!m.hasMatch())
            continue;
        steps.append({m.captured(1).toInt(), m.captured(2), dir.filePath(file)});
    }
    return steps;
}

int programSchemaVersion()
{
    const QList<UpgradeStep> steps = upgradeSteps();
    return steps.isEmpty() ? 1 : steps.constLast().version;
}

int databaseSchemaVersion(Database &database, QString *error)
{
    bool versioned = false, programTables = false;
    if (!tableExists(database, kVersionTable, &versioned, error))
        return -1;
    if (!versioned) {
        // The first release kept no versions: its menu table tells it from an empty database.
        if (!tableExists(database, QStringLiteral("ZA040MS"), &programTables, error))
            return -1;
        return programTables ? 1 : 0;
    }
    QList<QStringList> rows;
    if (!Query::run(&database, QStringLiteral("SELECT MAX(VERSION) FROM SCHEMA_VERSION"), {}, &rows, nullptr, error))
        return -1;
    return qMax(1, rows.value(0).value(0).toInt());
}

bool recordSchemaVersion(Database &database, QString *error)
{
    return createVersionTable(database, error)
        && recordStep(database, programSchemaVersion(), QStringLiteral("created"), now(), error);
}

bool initDatabase(Database &database, bool withDemo, QString *error)
{
    const int version = databaseSchemaVersion(database, error);
    if (version < 0)
        return false;
    if (version > 0) {
        *error = QStringLiteral("이 데이터베이스에는 이미 프로그램의 테이블이 있습니다(%1판). 판을 올리려면 upgrade를 쓰십시오.")
                     .arg(version);
        return false;
    }
    Unit unit(database);
    if (!unit.begin(error) || !createSchema(database, error))
        return false;
    if (withDemo && !loadDemoData(database, QDate::currentDate(), error))
        return false;
    return unit.commit(error);
}

bool upgradeDatabase(Database &database, QString *error, QStringList *applied, int target)
{
    if (applied)
        applied->clear();
    const int program = programSchemaVersion();
    if (target <= 0 || target > program)
        target = program;
    const int from = databaseSchemaVersion(database, error);
    if (from < 0)
        return false;
    if (from == 0) {
        *error = QStringLiteral("이 데이터베이스에는 프로그램의 테이블이 없습니다. init으로 만드십시오.");
        return false;
    }
    if (from > program) {
        *error = QStringLiteral("데이터베이스(%1판)가 이 프로그램(%2판)보다 새 판입니다.").arg(from).arg(program);
        return false;
    }
    if (from >= target)
        return true;

    Unit unit(database);
    if (!unit.begin(error))
        return false;
    bool versioned = false;
    if (!tableExists(database, kVersionTable, &versioned, error))
        return false;
    if (!versioned && !(createVersionTable(database, error)
                        && recordStep(database, 1, QStringLiteral("first release"), QString(), error)))
        return false;
    QStringList done;
    for (const UpgradeStep &step : upgradeSteps()) {
        if (step.version <= from || step.version > target)
            continue;
        QFile f(step.file);
        if (!f.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1").arg(step.file);
            return false;
        }
        const QString name = QFileInfo(step.file).fileName();
        if (!database.executeScript(QString::fromUtf8(f.readAll()))) {
            *error = name + QStringLiteral(": ") + database.lastError();
            return false;
        }
        if (!recordStep(database, step.version, step.description, now(), error)) {
            *error = name + QStringLiteral(": ") + *error;
            return false;
        }
        done << name;
    }
    // The database functions of this program replace those of the earlier one.
    if (database.backend() == Backend::PostgreSQL && !database.executeScript(postgresFunctionsScript())) {
        *error = database.lastError();
        return false;
    }
    if (!installServerProcedures(database, error))
        return false;
    if (!unit.commit(error))
        return false;
    if (applied)
        *applied = done;
    return true;
}

bool describeSchema(Database &database, SchemaShape *shape, QString *error)
{
    *shape = SchemaShape();
    const bool sqlite = database.backend() == Backend::SQLite;
    QList<QStringList> rows;
    auto read = [&](const QString &sql) {
        rows.clear();
        return Query::run(&database, sql, {}, &rows, nullptr, error);
    };
    if (!read(sqlite ? QStringLiteral("SELECT UPPER(name) FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%'")
                     : QStringLiteral("SELECT UPPER(table_name) FROM information_schema.tables WHERE table_schema = "
                                      "current_schema() AND table_type = 'BASE TABLE'")))
        return false;
    for (const QStringList &row : std::as_const(rows))
        shape->tables.insert(row.value(0), {});

    if (sqlite) {
        for (auto it = shape->tables.begin(); it != shape->tables.end(); ++it) {
            // cid, name, type, notnull, default, pk: a key column is never NULL, as on the server
            if (!read(QStringLiteral("PRAGMA table_info(\"%1\")").arg(it.key())))
                return false;
            for (const QStringList &c : std::as_const(rows))
                it.value() << c.value(1).toUpper() + (c.value(3) == QLatin1String("1") || c.value(5).toInt() > 0
                                                           ? QStringLiteral(" NOT NULL") : QString());
        }
    } else {
        if (!read(QStringLiteral("SELECT UPPER(table_name), UPPER(column_name), is_nullable FROM information_schema.columns "
                                 "WHERE table_schema = current_schema()")))
            return false;
        for (const QStringList &c : std::as_const(rows)) {
            auto it = shape->tables.find(c.value(0));
            if (it != shape->tables.end())
                it.value() << c.value(1) + (c.value(2) == QLatin1String("NO") ? QStringLiteral(" NOT NULL") : QString());
        }
    }
    for (QStringList &columns : shape->tables)
        columns.sort();

    // Indexes the schema makes itself (not those of the keys, which each back end names its own way).
    if (!read(sqlite ? QStringLiteral("SELECT UPPER(name) FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL")
                     : QStringLiteral("SELECT UPPER(indexname) FROM pg_indexes WHERE schemaname = current_schema() AND "
                                      "indexname NOT IN (SELECT c.conname FROM pg_constraint c JOIN pg_namespace n ON "
                                      "n.oid = c.connamespace WHERE n.nspname = current_schema())")))
        return false;
    for (const QStringList &row : std::as_const(rows))
        shape->indexes << row.value(0);
    if (!read(sqlite ? QStringLiteral("SELECT UPPER(name) FROM sqlite_master WHERE type = 'view'")
                     : QStringLiteral("SELECT UPPER(table_name) FROM information_schema.views WHERE table_schema = "
                                      "current_schema()")))
        return false;
    for (const QStringList &row : std::as_const(rows))
        shape->views << row.value(0);
    shape->indexes.sort();
    shape->views.sort();
    return true;
}

QStringList compareSchemas(const SchemaShape &expected, const SchemaShape &actual)
{
    QStringList out;
    for (auto it = expected.tables.constBegin(); it != expected.tables.constEnd(); ++it) {
        if (!actual.tables.contains(it.key())) {
            out << QStringLiteral("table %1 is missing").arg(it.key());
            continue;
        }
        const QStringList have = actual.tables.value(it.key());
        auto names = [](const QStringList &columns) {
            QHash<QString, QString> byName;
            for (const QString &c : columns)
                byName.insert(c.section(QLatin1Char(' '), 0, 0), c);
            return byName;
        };
        const auto want = names(it.value()), got = names(have);
        for (auto c = want.constBegin(); c != want.constEnd(); ++c) {
            if (!got.contains(c.key()))
                out << QStringLiteral("column %1.%2 is missing").arg(it.key(), c.key());
            else if (got.value(c.key()) != c.value())
                out << QStringLiteral("column %1.%2 is \"%3\", not \"%4\"").arg(it.key(), c.key(), got.value(c.key()), c.value());
        }
        for (auto c = got.constBegin(); c != got.constEnd(); ++c)
            if (!want.contains(c.key()))
                out << QStringLiteral("column %1.%2 is not in the program's schema").arg(it.key(), c.key());
    }
    for (auto it = actual.tables.constBegin(); it != actual.tables.constEnd(); ++it)
        if (!expected.tables.contains(it.key()))
            out << QStringLiteral("table %1 is not in the program's schema").arg(it.key());
    auto compareNames = [&out](const QString &kind, const QStringList &want, const QStringList &got) {
        const QSet<QString> w(want.cbegin(), want.cend()), g(got.cbegin(), got.cend());
        for (const QString &n : want)
            if (!g.contains(n))
                out << QStringLiteral("%1 %2 is missing").arg(kind, n);
        for (const QString &n : got)
            if (!w.contains(n))
                out << QStringLiteral("%1 %2 is not in the program's schema").arg(kind, n);
    };
    compareNames(QStringLiteral("index"), expected.indexes, actual.indexes);
    compareNames(QStringLiteral("view"), expected.views, actual.views);
    return out;
}

QString schemaVersionMessage(int databaseVersion, const QString &alias)
{
    const int program = programSchemaVersion();
    if (databaseVersion == program)
        return QString();
    if (databaseVersion > program)
        return QStringLiteral("데이터베이스의 구조가 이 프로그램보다 새 판입니다(데이터베이스 %1판, 프로그램 %2판).\r"
                              "새 판의 프로그램을 설치한 뒤에 다시 시작하십시오.")
            .arg(databaseVersion)
            .arg(program);
    return QStringLiteral("데이터베이스의 구조가 이 프로그램보다 이전 판입니다(데이터베이스 %1판, 프로그램 %2판).\r"
                          "관리자가 다음 명령으로 데이터베이스를 올린 뒤에 다시 시작하십시오.\r\rsports-db upgrade %3")
        .arg(databaseVersion)
        .arg(program)
        .arg(alias);
}

} // namespace db
