#include "database.h"
#include "sqlfunctions.h"
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace db {

Database::Database(const QString &connectionName)
    : m_name(connectionName.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : connectionName),
      m_sessionId(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

Database::~Database()
{
    close();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase Database::sql() const
{
    return QSqlDatabase::database(m_name, false);
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_name) && sql().isOpen();
}

static QString errorText(const QSqlError &error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    return text;
}

bool Database::open(const ConnectionSettings &settings)
{
    close();
    m_settings = settings;
    m_lastError.clear();
    m_inTransaction = false;
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);

    if (settings.backend == Backend::SQLite) {
        // A missing file is a failed connection, never a new empty database.
        if (settings.database.isEmpty() || !QFileInfo(settings.database).isFile()) {
            m_lastError = QStringLiteral("database file not found: %1").arg(settings.database);
            return false;
        }
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        d.setDatabaseName(settings.database);
        d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        if (!d.open()) {
            m_lastError = errorText(d.lastError());
            return false;
        }
        if (!registerSqliteFunctions(d, &m_lastError)) {
            d.close();
            return false;
        }
        QSqlQuery pragma(d);
        pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        pragma.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
        return true;
    }

    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
    d.setDatabaseName(settings.database);
    d.setHostName(settings.host);
    d.setPort(settings.port);
    d.setUserName(settings.user);
    d.setPassword(settings.password);
    d.setConnectOptions(QStringLiteral("connect_timeout=10"));
    if (!d.open()) {
        m_lastError = errorText(d.lastError());
        return false;
    }
    QSqlQuery q(d);
    if (!settings.schema.isEmpty()
        && !q.exec(QStringLiteral("SET search_path TO \"%1\", public").arg(settings.schema))) {
        m_lastError = errorText(q.lastError());
        d.close();
        return false;
    }
    q.exec(QStringLiteral("SET client_encoding TO 'UTF8'"));
    return true;
}

void Database::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    QSqlDatabase d = sql();
    if (d.isOpen()) {
        if (m_inTransaction)
            rollback();
        m_statements.clear();
        d.close();
    }
    m_inTransaction = false;
}

std::shared_ptr<QSqlQuery> Database::preparedStatement(const QString &positionalSql, QString *error)
{
    if (m_inTransaction) {
        auto it = m_statements.constFind(positionalSql);
        if (it != m_statements.constEnd())
            return it.value();
    }
    auto q = std::make_shared<QSqlQuery>(sql());
    q->setForwardOnly(true);
    q->setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    if (!q->prepare(positionalSql)) {
        *error = errorText(q->lastError());
        return nullptr;
    }
    if (m_inTransaction)
        m_statements.insert(positionalSql, q);
    return q;
}

bool Database::execute(const QString &statement)
{
    QSqlQuery q(sql());
    if (!q.exec(statement)) {
        m_lastError = errorText(q.lastError());
        return false;
    }
    return true;
}

bool Database::beginTransaction()
{
    if (m_inTransaction) {
        m_lastError = QStringLiteral("a transaction is already active");
        return false;
    }
    // SQLite takes the write lock at once so two workstations on one file queue instead of deadlocking.
    const QString begin = backend() == Backend::SQLite ? QStringLiteral("BEGIN IMMEDIATE")
                                                       : QStringLiteral("BEGIN ISOLATION LEVEL READ COMMITTED");
    if (!execute(begin))
        return false;
    m_inTransaction = true;
    m_spoiled.clear();
    return true;
}

bool Database::commit()
{
    if (!m_inTransaction)
        return true;
    m_statements.clear();
    if (!m_spoiled.isEmpty()) {
        const QString why = m_spoiled;
        rollback();
        m_lastError = why;
        return false;
    }
    if (!execute(QStringLiteral("COMMIT"))) {
        rollback();
        return false;
    }
    m_inTransaction = false;
    return true;
}

void Database::spoilTransaction(const QString &why)
{
    if (m_inTransaction && m_spoiled.isEmpty())
        m_spoiled = why.isEmpty() ? QStringLiteral("a step of the transaction failed") : why;
}

bool Database::rollback()
{
    if (!m_inTransaction)
        return true;
    m_inTransaction = false;
    m_statements.clear();
    return execute(QStringLiteral("ROLLBACK"));
}

bool Database::executeScript(const QString &script)
{
    // Statements end with ';' at the end of a line. Lines starting with "--" are comments.
    // A PostgreSQL function body between $$ markers may hold ';' of its own.
    QString current;
    bool inDollar = false;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString trimmed = line.trimmed();
        if (!inDollar && (trimmed.startsWith(QLatin1String("--")) || trimmed.isEmpty()))
            continue;
        current += line + QLatin1Char('\n');
        if (line.count(QLatin1String("$$")) % 2 == 1)
            inDollar = !inDollar;
        if (!inDollar && trimmed.endsWith(QLatin1Char(';'))) {
            QString statement = current.trimmed();
            statement.chop(1);
            current.clear();
            if (!execute(statement)) {
                m_lastError = m_lastError + QStringLiteral("\nin: ") + statement.left(200);
                return false;
            }
        }
    }
    if (!current.trimmed().isEmpty() && !execute(current.trimmed()))
        return false;
    return true;
}

} // namespace db
