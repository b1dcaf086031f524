#pragma once
// The database side of the program: one connection on one of two back ends, statements with named
// parameters, transactions and the catalog of stored procedures that the screens call by name.
#include <QString>
#include <QSqlDatabase>
#include <QHash>
#include <QSet>
#include <QVariant>
#include <memory>
#include <stdexcept>

class QSqlQuery;

namespace db {

enum class Backend { SQLite, PostgreSQL };

struct ConnectionSettings {
    Backend backend = Backend::SQLite;
    QString database;      // SQLite: file path; PostgreSQL: database name
    QString host;          // PostgreSQL only; "db1,db2": the first of them that accepts writes
    int port = 5432;       // PostgreSQL only
    QString ports;         // PostgreSQL: "5432,5433", one port for all hosts or one for each; empty: port
    QString user;          // PostgreSQL only
    QString password;      // PostgreSQL only
    QString schema;        // PostgreSQL: first schema of the search path (tests use a fresh one)
    // PostgreSQL: the kind of server the connection must reach (libpq's target_session_attrs); empty:
    // "read-write" when several hosts are named, any server when one is.
    QString targetSession;
    QString sslMode;       // PostgreSQL: libpq's sslmode (disable … verify-full); empty: libpq's default
    QString sslRootCert;   // PostgreSQL: the root certificate that vouches for the server
    QString readHosts;     // PostgreSQL: replicas for the screens that only read; empty: none
    QString readPorts;     // their ports as in `ports`; empty: those of the primary
};

// The libpq options of a PostgreSQL connection (Qt's connect options): the ports of several hosts, the
// kind of server to reach, encryption and the keepalives that notice a silent server.
QString postgresConnectOptions(const ConnectionSettings &settings);
// The same connection pointed at the replicas for reading, the primary's hosts after them: a standby
// when one answers, else the primary. The settings themselves when no replica is named.
ConnectionSettings readReplicaSettings(const ConnectionSettings &settings);

// A failure on the database side, carrying the text a server would send.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }
private:
    QString m_message;
};

class Database {
public:
    explicit Database(const QString &connectionName = QString());
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    bool open(const ConnectionSettings &settings);  // false with lastError() on failure
    void close();                                   // closed on purpose: not opened again by itself
    bool isOpen() const;
    // Open, or opened again when the connection went away since open() however that happened (the
    // server dropped it, or the driver closed it after a failed statement of its own): the next
    // action after a loss reconnects. A unit of work that was running on the lost connection is lost
    // with it: that action fails with connectionLostMessage() and the one after reconnects. False
    // with lastError() when it is not open afterwards.
    bool ensureOpen();
    // After a failed statement: when the connection itself is gone, closes it (to be opened again by
    // ensureOpen) and replaces *error with the message that says so; true then.
    bool noteFailure(QString *error);
    static QString connectionLostMessage();      // the unit of work is known not to be stored
    static QString outcomeUnknownMessage();      // lost while committing: stored or not, unknown
    static QString notConnectedMessage();        // never connected, or closed on purpose
    static QString readOnlyServerMessage();   // a save refused by a server that only reads (a standby)
    // The message of a failed save: "not saved" with the reason, or the reason alone when the outcome
    // is unknown (it may have been saved).
    static QString saveFailedMessage(const QString &error);
    Backend backend() const { return m_settings.backend; }
    const ConnectionSettings &settings() const { return m_settings; }
    QString lastError() const { return m_lastError; }
    QSqlDatabase sql() const;
    QString connectionName() const { return m_name; }
    // Names this connection's work among all connections to the database (the counter's holds); the
    // same for the life of the object, across reconnections.
    QString sessionId() const { return m_sessionId; }
    // A counter that holds pieces says that it is alive: from the first call on, a thread of its own
    // (on a connection of its own) marks the session alive in EB020TS every beat and frees the holds
    // of sessions that have stopped doing so (killed, crashed, switched off). Ends with the object,
    // whose holds are then free at once.
    void keepSessionAlive();
    void endSession();                  // stops beating and gives the session's holds back (program end)
    // Whether a hold should mark the session alive itself: true unless this connection did within the
    // last beat (then noted as done now).
    bool sessionMarkDue();
    static int sessionBeatSeconds();    // 30; SPORTS_HOLD_BEAT_SECONDS for tests
    static int sessionStaleSeconds();   // 120: a session silent that long is gone; SPORTS_HOLD_STALE_SECONDS
    // The condition under which a hold of EB020TM (named `alias` in the statement) still keeps its piece
    // from the others: its session marked itself alive within the stale time (a hold without a session
    // always). A dead counter's hold is gone at once for every list and check, whether or not a beat has
    // removed it yet.
    static QString liveHold(const QString &alias);

    // Read-committed transactions; one at a time on the connection.
    bool inTransaction() const { return m_inTransaction; }
    bool beginTransaction();
    bool commit();
    bool rollback();
    // A failed step inside the transaction (a procedure that raised) spoils it: commit() then rolls
    // back and fails, so half of a unit of work is never stored.
    void spoilTransaction(const QString &why);

    // SQLite: a statement prepared once for the rest of the running transaction (the procedures'
    // statements, so that a save of many rows prepares each text once); outside a transaction a fresh
    // one each time, owned by the caller's holder. Every kept statement is released at commit and
    // rollback. (PostgreSQL runs its statements through runPrepared.)
    std::shared_ptr<QSqlQuery> preparedStatement(const QString &positionalSql, QString *error);
    // PostgreSQL: runs a statement (positional "?" text, its values in order) on q as one of this
    // connection's prepared statements, each text prepared by its first run and kept for the life of the
    // connection (no DEALLOCATE). The running transaction's BEGIN goes with its first statement. Either
    // travels with the statement, so a run is one round trip. q is left on the statement's result.
    bool runPrepared(QSqlQuery &q, const QString &positionalSql, const QVariantList &values, QString *error);
    // A failed statement of the running transaction, released only once the transaction has ended (on
    // PostgreSQL a statement cannot be released inside a failed transaction).
    void releaseAfterTransaction(std::shared_ptr<QSqlQuery> statement);

    // Lists on PostgreSQL are read through cursors (see Query::setPaged) declared WITH HOLD inside a
    // read block: a transaction of reads only, begun with the first cursor and committed when the last
    // one closes. Outside a transaction the other statements run in it as well, each read inside a
    // savepoint so that a failing lookup leaves the lists open; anything else (a write transaction, a
    // statement of execute()) first commits the block, and the cursors still open keep their rest.
    bool inReadBlock() const { return m_readBlock != 0; }
    quint64 readBlock() const { return m_readBlock; }
    quint64 joinReadBlock(QString *error);   // begins the block when there is none; counts one cursor
    // The same, leaving a new block's BEGIN to the caller: *begin is the text to send first in the
    // same message as the cursor's DECLARE (empty when the block was open already).
    quint64 joinReadBlockDeferred(QString *begin);
    void leaveReadBlock(quint64 block);      // one cursor of the block closed
    // Whether closing one cursor of the block ends the block (its last cursor): the caller then sends
    // the COMMIT with its CLOSE and reports with readBlockEnded.
    bool closingEndsReadBlock(quint64 block) const { return block && block == m_readBlock && m_readCursors <= 1; }
    void readBlockEnded(bool committed);     // the block's COMMIT was sent by the caller
    int readBlockCursors() const { return m_readCursors; }
    bool cursorAlive(quint64 block) const;   // whether the cursors declared in that block still exist
    void endReadBlock();                     // commits the block
    void abortReadBlock();                   // rolls the block back after a failed statement; its cursors go
    bool readSavepoint();                    // SAVEPOINT inside the read block
    void endReadSavepoint(bool keep);        // RELEASE, or ROLLBACK TO after a failure

    bool execute(const QString &statement);        // a statement without parameters (DDL)
    bool executeScript(const QString &script);     // statements separated by ';' at line ends

private:
    QString m_name;
    QString m_sessionId;
    ConnectionSettings m_settings;
    QString m_lastError;
    bool m_inTransaction = false;
    QString m_spoiled;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_statements;
    QHash<QString, QString> m_prepared;   // PostgreSQL: statement text → its prepared name
    int m_preparedCount = 0;
    bool m_beginPending = false;     // PostgreSQL: in a transaction whose BEGIN is not sent yet
    bool m_serverReadOnly = false;   // PostgreSQL: the server only read when last asked
    qint64 m_sessionMarkedAt = 0;    // ms since the epoch of this connection's last mark, 0: none
    QList<std::shared_ptr<QSqlQuery>> m_failedStatements;
    bool m_lost = false;
    bool m_connected = false;      // opened and not closed on purpose since
    class Heartbeat;
    std::unique_ptr<Heartbeat> m_heartbeat;
    void releaseStatements();
    void markLost();
    bool openConnection(const ConnectionSettings &settings);
    void resetReadBlocks();
    bool runInternal(const QString &statement);
    quint64 m_readBlock = 0;       // the open read block, 0 when none
    quint64 m_nextBlock = 1;
    quint64 m_firstLiveBlock = 1;  // blocks before it belong to an earlier connection
    int m_readCursors = 0;         // cursors open in m_readBlock
    QSet<quint64> m_lostBlocks;    // rolled back: their cursors are gone
};

} // namespace db
