#pragma once
// The database side of the program: one connection on one of two back ends, statements with named
// parameters, transactions and the catalog of stored procedures that the screens call by name.
#include <QString>
#include <QSqlDatabase>
#include <stdexcept>

namespace db {

enum class Backend { SQLite, PostgreSQL };

struct ConnectionSettings {
    Backend backend = Backend::SQLite;
    QString database;      // SQLite: file path; PostgreSQL: database name
    QString host;          // PostgreSQL only
    int port = 5432;       // PostgreSQL only
    QString user;          // PostgreSQL only
    QString password;      // PostgreSQL only
    QString schema;        // PostgreSQL: first schema of the search path (tests use a fresh one)
};

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
    void close();
    bool isOpen() const;
    Backend backend() const { return m_settings.backend; }
    const ConnectionSettings &settings() const { return m_settings; }
    QString lastError() const { return m_lastError; }
    QSqlDatabase sql() const;
    QString connectionName() const { return m_name; }

    // Read-committed transactions; one at a time on the connection.
    bool inTransaction() const { return m_inTransaction; }
    bool beginTransaction();
    bool commit();
    bool rollback();

    bool execute(const QString &statement);        // a statement without parameters (DDL)
    bool executeScript(const QString &script);     // statements separated by ';' at line ends

private:
    QString m_name;
    ConnectionSettings m_settings;
    QString m_lastError;
    bool m_inTransaction = false;
};

} // namespace db
