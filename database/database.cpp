#include "database.h"
#include "sqlfunctions.h"
#include "query.h"
#include <QDateTime>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QMutex>
#include <QRegularExpression>
#include <QThread>
#include <QUuid>
#include <QWaitCondition>

namespace db {

// Marks the session alive every beat and frees the holds of sessions that stopped; runs on a
// connection of its own so that a busy or waiting counter keeps beating.
class Database::Heartbeat : public QThread {
public:
    Heartbeat(const ConnectionSettings &settings, const QString &session) : m_settings(settings), m_session(session) {}
    ~Heartbeat() override
    {
        {
            QMutexLocker lock(&m_mutex);
            m_stop = true;
            m_wake.wakeAll();
        }
        wait();
    }

    static void beat(Database &d, const QString &session)
    {
        QString error;
        const QHash<QString, QVariant> b{{QStringLiteral("SESSION_ID"), session},
                                         {QStringLiteral("STALE"), Database::sessionStaleSeconds()}};
        Query::run(&d, QStringLiteral("INSERT INTO EB020TS (SESSION_ID, LAST_SEEN) VALUES (:SESSION_ID, FN_NOW_SECONDS()) "
                                      "ON CONFLICT (SESSION_ID) DO UPDATE SET LAST_SEEN = FN_NOW_SECONDS()"),
                   b, nullptr, nullptr, &error);
        Query::run(&d, QStringLiteral("DELETE FROM EB020TM WHERE SESSION_ID IS NOT NULL AND NOT EXISTS (SELECT 1 FROM "
                                      "EB020TS S WHERE S.SESSION_ID = EB020TM.SESSION_ID AND S.LAST_SEEN >= "
                                      "FN_NOW_SECONDS() - :STALE)"),
                   b, nullptr, nullptr, &error);
        Query::run(&d, QStringLiteral("DELETE FROM EB020TS WHERE LAST_SEEN < FN_NOW_SECONDS() - :STALE"), b, nullptr,
                   nullptr, &error);
    }

protected:
    void run() override
    {
        Database d;
        for (;;) {
            if (d.ensureOpen() || d.open(m_settings))
                beat(d, m_session);
            QMutexLocker lock(&m_mutex);
            if (!m_stop)
                m_wake.wait(&m_mutex, Database::sessionBeatSeconds() * 1000UL);
            if (m_stop)
                break;
        }
        // a counter that ends in order gives its holds back at once
        if (d.isOpen()) {
            QString error;
            const QHash<QString, QVariant> b{{QStringLiteral("SESSION_ID"), m_session}};
            Query::run(&d, QStringLiteral("DELETE FROM EB020TM WHERE SESSION_ID = :SESSION_ID"), b, nullptr, nullptr, &error);
            Query::run(&d, QStringLiteral("DELETE FROM EB020TS WHERE SESSION_ID = :SESSION_ID"), b, nullptr, nullptr, &error);
        }
    }

private:
    const ConnectionSettings m_settings;
    const QString m_session;
    QMutex m_mutex;
    QWaitCondition m_wake;
    bool m_stop = false;
};

static int secondsFromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue(name, &ok);
    return ok && n > 0 ? n : fallback;
}

int Database::sessionBeatSeconds() { return secondsFromEnvironment("SPORTS_HOLD_BEAT_SECONDS", 30); }
int Database::sessionStaleSeconds() { return secondsFromEnvironment("SPORTS_HOLD_STALE_SECONDS", 120); }

QString Database::liveHold(const QString &alias)
{
    return QStringLiteral("(%1.SESSION_ID IS NULL OR EXISTS (SELECT 1 FROM EB020TS WHERE EB020TS.SESSION_ID = "
                          "%1.SESSION_ID AND EB020TS.LAST_SEEN >= FN_NOW_SECONDS() - %2))")
        .arg(alias)
        .arg(sessionStaleSeconds());
}

bool Database::sessionMarkDue()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (m_sessionMarkedAt && now >= m_sessionMarkedAt && now - m_sessionMarkedAt < sessionBeatSeconds() * 1000LL)
        return false;
    m_sessionMarkedAt = now;
    return true;
}

void Database::endSession()
{
    m_heartbeat.reset();
}

void Database::keepSessionAlive()
{
    if (m_heartbeat || !isOpen())
        return;
    m_heartbeat = std::make_unique<Heartbeat>(m_settings, m_sessionId);
    m_heartbeat->start();
}

Database::Database(const QString &connectionName)
    : m_name(connectionName.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : connectionName),
      m_sessionId(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

Database::~Database()
{
    m_heartbeat.reset();
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

QString Database::connectionLostMessage()
{
    return QStringLiteral("데이터베이스와의 연결이 끊어졌습니다. 이번 작업의 내용은 하나도 저장되지 않았습니다.\r"
                          "다음 작업 때 다시 연결합니다.");
}

QString Database::outcomeUnknownMessage()
{
    return QStringLiteral("데이터베이스와의 연결이 끊어졌습니다. 이번 작업이 저장되었는지 확인할 수 없습니다.\r"
                          "다시 조회하여 확인한 후 작업하십시오.\r다음 작업 때 다시 연결합니다.");
}

QString Database::saveFailedMessage(const QString &error)
{
    if (error == outcomeUnknownMessage())
        return error;
    return QStringLiteral("자료를 저장하지 못했습니다.\r\r에러내용:\r") + error;
}

QString Database::notConnectedMessage()
{
    return QStringLiteral("데이터베이스에 연결되어 있지 않습니다.");
}

// The connection is gone: whatever ran on it is dropped with it, and the next ensureOpen connects again.
void Database::markLost()
{
    m_inTransaction = false;
    m_spoiled.clear();
    m_statements.clear();
    m_prepared.clear();
    m_beginPending = false;
    m_failedStatements.clear();
    resetReadBlocks();
    if (QSqlDatabase::contains(m_name))
        sql().close();
    m_lost = true;
}

bool Database::ensureOpen()
{
    if (isOpen())
        return true;
    if (!m_lost && !m_connected) {
        m_lastError = notConnectedMessage();
        return false;
    }
    if (!m_lost) {
        // Closed behind the layer's back (the driver gives up a connection whose statement failed on a
        // broken socket): lost all the same. A unit of work that was running is gone with it, and this
        // action, which belongs to it, fails; on its own, the action simply runs on a new connection.
        const bool inWork = m_inTransaction;
        markLost();
        if (inWork) {
            m_lastError = connectionLostMessage();
            return false;
        }
    }
    if (open(m_settings)) {
        m_lost = false;
        return true;
    }
    m_lost = true;   // tried again at the next action
    m_lastError = QStringLiteral("데이터베이스와의 연결이 끊어졌고 다시 연결하지 못했습니다. 이번 작업의 내용은 "
                                 "하나도 저장되지 않았습니다.\r\r") + m_lastError;
    return false;
}

bool Database::noteFailure(QString *error)
{
    if (!QSqlDatabase::contains(m_name) || (!m_connected && !m_lost))
        return false;
    if (isOpen()) {
        if (m_settings.backend != Backend::PostgreSQL)
            return false;
        // A statement that failed on a live connection leaves it able to answer (perhaps only that the
        // transaction has failed, which carries a state code); a lost one answers nothing.
        QSqlQuery probe(sql());
        if (probe.exec(QStringLiteral("SELECT 1")))
            return false;
        const QString code = probe.lastError().nativeErrorCode();
        if (!code.isEmpty() && !code.startsWith(QLatin1String("08")) && !code.startsWith(QLatin1String("57P")))
            return false;
    }
    markLost();
    *error = connectionLostMessage();
    m_lastError = *error;
    return true;
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
    // A connection that was lost stays lost while no new one opens (whoever tries), so that the next
    // action tries again and says why it could not.
    const bool lost = m_lost || (m_connected && !isOpen());
    if (openConnection(settings))
        return true;
    m_lost = lost;
    return false;
}

static bool serverOnlyReads(const QSqlDatabase &d);

bool Database::openConnection(const ConnectionSettings &settings)
{
    close();
    m_settings = settings;
    m_prepared.clear();
    m_beginPending = false;
    m_lost = false;
    m_lastError.clear();
    m_inTransaction = false;
    resetReadBlocks();
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
        {
            // SQLite reads the file only when asked: a file that is no database (or a damaged one, or
            // one it may not read) fails here rather than at the first statement.
            QSqlQuery probe(d);
            if (!probe.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"))) {
                m_lastError = errorText(probe.lastError());
                probe = QSqlQuery();
                d.close();
                return false;
            }
        }
        QSqlQuery pragma(d);
        pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        pragma.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
        pragma.exec(QStringLiteral("PRAGMA case_sensitive_like=ON"));   // LIKE as on the server
        m_connected = true;
        return true;
    }

    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
    d.setDatabaseName(settings.database);
    d.setHostName(settings.host);
    d.setPort(settings.ports.isEmpty() ? settings.port : -1);   // a list of ports is an option of its own
    d.setUserName(settings.user);
    d.setPassword(settings.password);
    d.setConnectOptions(postgresConnectOptions(settings));
    if (!d.open()) {
        m_lastError = errorText(d.lastError());
        return false;
    }
    QSqlQuery q(d);
    // The program's functions (and its LIKE, which takes a backslash literally as SQLite does) come
    // before the server's own of the same name and arguments.
    // The schema is a name, never SQL: written as a quoted identifier, its quotes doubled.
    if (settings.schema.contains(QChar(0))) {
        m_lastError = QStringLiteral("스키마 이름에 사용할 수 없는 문자(NUL)가 들어 있습니다.");
        d.close();
        return false;
    }
    const QString first = settings.schema.isEmpty()
        ? QStringLiteral("\"$user\"")
        : QLatin1Char('"') + QString(settings.schema).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
    if (!q.exec(QStringLiteral("SET search_path TO %1, public, pg_catalog").arg(first))) {
        m_lastError = errorText(q.lastError());
        d.close();
        return false;
    }
    q.exec(QStringLiteral("SET client_encoding TO 'UTF8'"));
    m_serverReadOnly = serverOnlyReads(d);
    m_connected = true;
    return true;
}

void Database::close()
{
    m_connected = false;
    m_lost = false;
    if (!QSqlDatabase::contains(m_name))
        return;
    QSqlDatabase d = sql();
    if (d.isOpen()) {
        if (m_inTransaction)
            rollback();
        releaseStatements();
        d.close();
    }
    m_inTransaction = false;
    resetReadBlocks();
}

std::shared_ptr<QSqlQuery> Database::preparedStatement(const QString &positionalSql, QString *error)
{
    if (m_inTransaction) {
        auto it = m_statements.constFind(positionalSql);
        if (it != m_statements.constEnd() && it.value().use_count() == 1)
            return it.value();
    }
    auto q = std::make_shared<QSqlQuery>(sql());
    q->setForwardOnly(true);
    q->setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    if (!q->prepare(positionalSql)) {
        *error = errorText(q->lastError());
        return nullptr;
    }
    if (m_inTransaction && !m_statements.contains(positionalSql))
        m_statements.insert(positionalSql, q);
    return q;
}

// ---- PostgreSQL: statements prepared for the life of the connection ----

// The text with each "?" outside quotes and comments numbered as the server's "$1", "$2" ….
static QString numberedParameters(const QString &sql)
{
    QString out;
    out.reserve(sql.size() + 16);
    int n = 0;
    QChar quote;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            out += c;
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            out += c;
        } else if (c == QLatin1Char('-') && i + 1 < sql.size() && sql.at(i + 1) == QLatin1Char('-')) {
            int j = sql.indexOf(QLatin1Char('\n'), i);
            if (j < 0)
                j = sql.size();
            out += sql.mid(i, j - i);
            i = j - 1;
        } else if (c == QLatin1Char('?')) {
            out += QLatin1Char('$') + QString::number(++n);
        } else {
            out += c;
        }
    }
    return out;
}

// The values of an EXECUTE, written as the driver writes those of a prepared statement of its own.
static QString executeArguments(const QSqlDriver *driver, const QVariantList &values)
{
    QStringList args;
    args.reserve(values.size());
    QSqlField f;
    for (const QVariant &v : values) {
        f.setMetaType(v.metaType());
        if (!v.isValid() || v.isNull())
            f.clear();
        else
            f.setValue(v);
        args << driver->formatValue(f);
    }
    return args.join(QStringLiteral(", "));
}

bool Database::runPrepared(QSqlQuery &q, const QString &positionalSql, const QVariantList &values, QString *error)
{
    // Whatever has to go first travels in the same message: the running transaction's BEGIN when no
    // statement has been sent in it yet, and the PREPARE of a text this connection has not run before.
    // Prepared statements outlive a rolled back transaction: a PREPARE that succeeded is kept whatever
    // follows it.
    QString text;
    int results = 0, prepareAt = -1;
    if (m_beginPending) {
        text = QStringLiteral("BEGIN ISOLATION LEVEL READ COMMITTED;\n");
        ++results;
        m_beginPending = false;
    }
    QString name = m_prepared.value(positionalSql);
    if (name.isEmpty()) {
        name = QStringLiteral("sports_%1").arg(++m_preparedCount);
        text += QStringLiteral("PREPARE %1 AS %2;\n").arg(name, numberedParameters(positionalSql));
        prepareAt = results++;
    }
    text += QStringLiteral("EXECUTE ") + name;
    if (!values.isEmpty())
        text += QStringLiteral(" (") + executeArguments(sql().driver(), values) + QLatin1Char(')');
    bool ok = q.exec(text);
    int at = 0;   // the result q is on
    while (ok && at < results) {
        ok = q.nextResult();
        ++at;
    }
    if (prepareAt >= 0 && (ok || at > prepareAt)) {
        // Texts built from a search's conditions are many: past a bound the names are forgotten (their
        // statements stay on the server until the connection ends).
        if (m_prepared.size() >= 5000)
            m_prepared.clear();
        m_prepared.insert(positionalSql, name);
    }
    if (!ok)
        *error = errorText(q.lastError());
    return ok;
}

void Database::releaseAfterTransaction(std::shared_ptr<QSqlQuery> statement)
{
    if (statement)
        m_failedStatements.append(std::move(statement));
}

void Database::releaseStatements()
{
    m_statements.clear();
    m_failedStatements.clear();
}

bool Database::execute(const QString &statement)
{
    if (m_readBlock && !m_inTransaction)
        endReadBlock();
    // A table changed under a prepared statement may change what it returns: texts are prepared afresh.
    static const QRegularExpression ddl(QStringLiteral("^\\s*(CREATE|ALTER|DROP)\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (m_settings.backend == Backend::PostgreSQL && statement.contains(ddl))
        m_prepared.clear();
    QSqlQuery q(sql());
    bool ok;
    if (m_beginPending) {
        // the transaction's BEGIN, not sent yet, goes with the statement
        m_beginPending = false;
        ok = q.exec(QStringLiteral("BEGIN ISOLATION LEVEL READ COMMITTED;\n") + statement) && q.nextResult();
    } else {
        ok = q.exec(statement);
    }
    if (!ok) {
        m_lastError = errorText(q.lastError());
        if (m_lastError.isEmpty())
            m_lastError = q.lastError().text().trimmed();
        q = QSqlQuery();
        noteFailure(&m_lastError);
        return false;
    }
    return true;
}

// ---- the options of a PostgreSQL connection ----

static QString conninfoValue(QString value)
{
    value.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    value.replace(QLatin1String("'"), QLatin1String("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

static QStringList listOf(const QString &text)
{
    QStringList items;
    for (const QString &item : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (!item.trimmed().isEmpty())
            items << item.trimmed();
    return items;
}

// One port for each host: a single port serves them all, a shorter list repeats its last.
static QStringList portsFor(int hosts, const QString &ports, int port)
{
    QStringList given = listOf(ports);
    if (given.isEmpty())
        given << QString::number(port);
    QStringList out;
    for (int i = 0; i < hosts; ++i)
        out << given.value(i, given.constLast());
    return out;
}

QString postgresConnectOptions(const ConnectionSettings &s)
{
    QStringList options;
    if (!s.ports.isEmpty())
        options << QStringLiteral("port=") + listOf(s.ports).join(QLatin1Char(','));
    // Of several servers only the one that accepts writes (the primary, or the standby promoted in its
    // place); one server named is taken as it is.
    QString target = s.targetSession;
    if (target.isEmpty() && listOf(s.host).size() > 1)
        target = QStringLiteral("read-write");
    if (!target.isEmpty())
        options << QStringLiteral("target_session_attrs=") + target;
    if (!s.sslMode.isEmpty())
        options << QStringLiteral("sslmode=") + conninfoValue(s.sslMode);
    if (!s.sslRootCert.isEmpty())
        options << QStringLiteral("sslrootcert=") + conninfoValue(s.sslRootCert);
    // A server that stops answering (a broken network) is noticed within about a minute; a host that
    // does not answer at all is given up after 10 seconds for the next one.
    options << QStringLiteral("connect_timeout=10;keepalives=1;keepalives_idle=30;keepalives_interval=10;keepalives_count=3");
    return options.join(QLatin1Char(';'));
}

ConnectionSettings readReplicaSettings(const ConnectionSettings &s)
{
    const QStringList replicas = listOf(s.readHosts), primaries = listOf(s.host);
    if (s.backend != Backend::PostgreSQL || replicas.isEmpty())
        return s;
    ConnectionSettings r = s;
    r.host = (replicas + primaries).join(QLatin1Char(','));
    r.ports = (portsFor(replicas.size(), s.readPorts.isEmpty() ? s.ports : s.readPorts, s.port)
               + portsFor(qMax(1, int(primaries.size())), s.ports, s.port))
                  .join(QLatin1Char(','));
    r.targetSession = QStringLiteral("prefer-standby");
    r.readHosts.clear();
    r.readPorts.clear();
    return r;
}

QString Database::readOnlyServerMessage()
{
    return QStringLiteral("연결된 데이터베이스 서버는 읽기만 하는 대기 서버이므로 저장할 수 없습니다. "
                          "이번 작업의 내용은 하나도 저장되지 않았습니다.\r관리자에게 연락하십시오.");
}

// A server that only reads (a standby reached by mistake, or one not yet promoted) refuses every write
// of the transaction; it is told before the first one, in the program's words.
static bool serverOnlyReads(const QSqlDatabase &d)
{
    QSqlQuery q(d);
    return q.exec(QStringLiteral("SELECT current_setting('transaction_read_only')")) && q.next()
        && q.value(0).toString() == QLatin1String("on");
}

bool Database::beginTransaction()
{
    if (m_inTransaction) {
        m_lastError = QStringLiteral("a transaction is already active");
        return false;
    }
    if (!ensureOpen())
        return false;
    endReadBlock();
    // SQLite takes the write lock at once so two workstations on one file queue instead of deadlocking.
    const QString begin = backend() == Backend::SQLite ? QStringLiteral("BEGIN IMMEDIATE")
                                                       : QStringLiteral("BEGIN ISOLATION LEVEL READ COMMITTED");
    // On PostgreSQL the BEGIN goes with the transaction's first statement, in its round trip. A standby
    // is known from the connection's start; a server that only read then is asked again (it may have
    // been promoted since). A primary that turns read-only later refuses the first write, which reaches
    // the user in the same words.
    if (backend() == Backend::PostgreSQL && !m_serverReadOnly) {
        m_inTransaction = true;
        m_beginPending = true;
        m_spoiled.clear();
        return true;
    }
    if (!execute(begin))
        return false;
    if (backend() == Backend::PostgreSQL && (m_serverReadOnly = serverOnlyReads(sql()))) {
        execute(QStringLiteral("ROLLBACK"));
        m_lastError = readOnlyServerMessage();
        return false;
    }
    m_inTransaction = true;
    m_spoiled.clear();
    return true;
}

bool Database::commit()
{
    if (!m_inTransaction)
        return true;
    if (!m_spoiled.isEmpty()) {
        const QString why = m_spoiled;
        rollback();
        m_lastError = why;
        return false;
    }
    if (m_beginPending) {   // not a statement was sent: nothing to commit
        m_beginPending = false;
        m_inTransaction = false;
        releaseStatements();
        return true;
    }
    if (!isOpen()) {   // gone before the COMMIT was sent: nothing of the unit was stored
        markLost();
        m_lastError = connectionLostMessage();
        return false;
    }
    if (!execute(QStringLiteral("COMMIT"))) {
        // A connection lost while committing leaves the outcome with the server: the COMMIT may have
        // been carried out before the answer was lost.
        const QString why = m_lost ? outcomeUnknownMessage() : m_lastError;
        rollback();
        m_lastError = why;
        return false;
    }
    m_inTransaction = false;
    releaseStatements();
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
    m_sessionMarkedAt = 0;   // a mark of the session made in the transaction is gone with it
    if (m_beginPending) {    // nothing was sent: nothing to roll back
        m_beginPending = false;
        releaseStatements();
        return true;
    }
    // Statements are released after the rollback: inside a failed transaction the server refuses to.
    const bool ok = execute(QStringLiteral("ROLLBACK"));
    releaseStatements();
    return ok;
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

// ---- read blocks of the paged lists ----

bool Database::runInternal(const QString &statement)
{
    QSqlQuery q(sql());
    if (q.exec(statement))
        return true;
    m_lastError = errorText(q.lastError());
    return false;
}

void Database::resetReadBlocks()
{
    m_readBlock = 0;
    m_readCursors = 0;
    m_firstLiveBlock = m_nextBlock;
    m_lostBlocks.clear();
}

quint64 Database::joinReadBlock(QString *error)
{
    if (!m_readBlock) {
        if (!runInternal(QStringLiteral("BEGIN ISOLATION LEVEL READ COMMITTED"))) {
            *error = m_lastError;
            return 0;
        }
        m_readBlock = m_nextBlock++;
        m_readCursors = 0;
    }
    ++m_readCursors;
    return m_readBlock;
}

quint64 Database::joinReadBlockDeferred(QString *begin)
{
    begin->clear();
    if (!m_readBlock) {
        *begin = QStringLiteral("BEGIN ISOLATION LEVEL READ COMMITTED;\n");
        m_readBlock = m_nextBlock++;
        m_readCursors = 0;
    }
    ++m_readCursors;
    return m_readBlock;
}

void Database::readBlockEnded(bool committed)
{
    if (!m_readBlock)
        return;
    if (!committed)
        m_lostBlocks.insert(m_readBlock);
    m_readBlock = 0;
    m_readCursors = 0;
}

void Database::leaveReadBlock(quint64 block)
{
    if (block && block == m_readBlock && --m_readCursors <= 0)
        endReadBlock();
}

bool Database::cursorAlive(quint64 block) const
{
    return block >= m_firstLiveBlock && !m_lostBlocks.contains(block) && isOpen();
}

void Database::endReadBlock()
{
    if (!m_readBlock)
        return;
    const quint64 block = m_readBlock;
    m_readBlock = 0;
    m_readCursors = 0;
    if (!runInternal(QStringLiteral("COMMIT")))
        m_lostBlocks.insert(block);
}

void Database::abortReadBlock()
{
    if (!m_readBlock)
        return;
    m_lostBlocks.insert(m_readBlock);
    m_readBlock = 0;
    m_readCursors = 0;
    runInternal(QStringLiteral("ROLLBACK"));
}

bool Database::readSavepoint()
{
    return m_readBlock && runInternal(QStringLiteral("SAVEPOINT sports_read"));
}

void Database::endReadSavepoint(bool keep)
{
    if (!m_readBlock)
        return;
    const bool ok = keep ? runInternal(QStringLiteral("RELEASE SAVEPOINT sports_read"))
                         : runInternal(QStringLiteral("ROLLBACK TO SAVEPOINT sports_read"))
                               && runInternal(QStringLiteral("RELEASE SAVEPOINT sports_read"));
    if (!ok)
        abortReadBlock();
}

} // namespace db
