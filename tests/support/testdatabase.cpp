#include "testdatabase.h"
#include "database/query.h"
#include "database/schema.h"
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTest>
#include <QUuid>

namespace testing {

static db::ConnectionSettings postgresSettings()
{
    db::ConnectionSettings s;
    s.backend = db::Backend::PostgreSQL;
    const QString connection = qEnvironmentVariable("SPORTS_TEST_PG");
    for (const QString &part : connection.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = part.section(QLatin1Char('='), 0, 0);
        const QString value = part.section(QLatin1Char('='), 1);
        if (key == QLatin1String("host")) s.host = value;
        else if (key == QLatin1String("port")) s.port = value.toInt();
        else if (key == QLatin1String("user")) s.user = value;
        else if (key == QLatin1String("password")) s.password = value;
        else if (key == QLatin1String("dbname")) s.database = value;
    }
    if (s.database.isEmpty()) s.database = QStringLiteral("postgres");
    if (s.host.isEmpty()) s.host = QStringLiteral("127.0.0.1");
    return s;
}

QList<db::Backend> testBackends()
{
    QList<db::Backend> list{db::Backend::SQLite};
    if (!qEnvironmentVariableIsEmpty("SPORTS_TEST_PG"))
        list << db::Backend::PostgreSQL;
    return list;
}

QString backendName(db::Backend backend)
{
    return backend == db::Backend::SQLite ? QStringLiteral("sqlite") : QStringLiteral("postgresql");
}

void addBackendColumn()
{
    QTest::addColumn<int>("backend");
    for (db::Backend b : testBackends())
        QTest::newRow(qPrintable(backendName(b))) << static_cast<int>(b);
}

TestDatabase::TestDatabase(db::Backend backend, bool withSchema)
{
    if (backend == db::Backend::SQLite) {
        m_settings.backend = db::Backend::SQLite;
        m_settings.database = m_dir.filePath(QStringLiteral("test.db"));
        QFile f(m_settings.database);
        f.open(QIODevice::WriteOnly);
        f.close();
    } else {
        m_settings = postgresSettings();
        db::Database admin;
        if (!admin.open(m_settings)) {
            m_error = admin.lastError();
            return;
        }
        m_settings.schema = QStringLiteral("t_") + QUuid::createUuid().toString(QUuid::Id128).left(16);
        if (!admin.execute(QStringLiteral("CREATE SCHEMA \"%1\"").arg(m_settings.schema))) {
            m_error = admin.lastError();
            return;
        }
    }
    if (!m_db.open(m_settings)) {
        m_error = m_db.lastError();
        return;
    }
    if (withSchema && !db::createSchema(m_db, &m_error))
        return;
    m_ok = true;
}

TestDatabase::~TestDatabase()
{
    m_db.close();
    if (m_settings.backend == db::Backend::PostgreSQL && !m_settings.schema.isEmpty()) {
        db::ConnectionSettings s = m_settings;
        s.schema.clear();
        db::Database admin;
        if (admin.open(s))
            admin.execute(QStringLiteral("DROP SCHEMA \"%1\" CASCADE").arg(m_settings.schema));
    }
}

bool TestDatabase::run(const QString &script)
{
    if (!m_db.executeScript(script)) {
        m_error = m_db.lastError();
        qWarning("%s", qPrintable(m_error));
        return false;
    }
    return true;
}

std::unique_ptr<db::Database> TestDatabase::openAnother() const
{
    auto other = std::make_unique<db::Database>();
    if (!other->open(m_settings))
        qWarning("second connection: %s", qPrintable(other->lastError()));
    return other;
}

QString TestDatabase::scalar(const QString &sql) const
{
    return db::Query::scalar(const_cast<db::Database *>(&m_db), sql);
}

int TestDatabase::count(const QString &table, const QString &where) const
{
    return scalar(QStringLiteral("SELECT COUNT(*) FROM %1%2").arg(table, where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where)).toInt();
}

void prepareTestEnvironment()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString runtime = QDir::temp().filePath(QStringLiteral("sports-test-runtime-") + qEnvironmentVariable("USER", QStringLiteral("u")));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
}

db::ConnectionSettings connectionFromArgs(const QStringList &args, int first)
{
    db::ConnectionSettings s;
    s.backend = static_cast<db::Backend>(args.value(first).toInt());
    s.database = args.value(first + 1);
    s.host = args.value(first + 2);
    s.port = args.value(first + 3).toInt();
    s.user = args.value(first + 4);
    s.schema = args.value(first + 5);
    return s;
}

} // namespace testing
