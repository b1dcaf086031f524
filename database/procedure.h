#pragma once
// Stored procedures: declared once with their parameter list as the screens know it, and run on the
// connection they are called on, inside the caller's transaction.
#include "database.h"
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QHash>
#include <QList>
#include <functional>

namespace db {

class Database;
class Query;

enum class Direction { In, Out, InOut };

struct Parameter {
    QString name;
    Direction direction = Direction::In;
};
inline Parameter in(const QString &name) { return {name, Direction::In}; }
inline Parameter out(const QString &name) { return {name, Direction::Out}; }
inline Parameter inOut(const QString &name) { return {name, Direction::InOut}; }

class ProcedureCall;

struct Procedure {
    QString name;
    QList<Parameter> parameters;
    std::function<void(ProcedureCall &)> body;
    // PostgreSQL: the procedure runs inside the server, as the schema's function of the same name
    // (procedures/server/*.sql) that does what body does, in one round trip; SQLite runs body.
    bool inServer = false;
    // What such a call does on the client before the server runs it (empty: nothing).
    std::function<void(ProcedureCall &)> clientPart = {};
};

// The body's view of one call: its parameter values, the connection, and ways to fail as a server would.
class ProcedureCall {
public:
    ProcedureCall(Database *database, const Procedure &procedure, QHash<QString, QVariant> *values,
                  const QVariant &rowVersion = QVariant());

    Database *database() const { return m_db; }
    const Procedure &procedure() const { return m_procedure; }

    QString param(const QString &name) const;        // input text; empty for NULL
    QVariant value(const QString &name) const;       // NULL as an invalid QVariant
    bool isEmpty(const QString &name) const { return param(name).isEmpty(); }
    void setOut(const QString &name, const QVariant &value);

    // Statements on the caller's connection; a failure throws DatabaseError with the server's text.
    void exec(const QString &sql, const QHash<QString, QVariant> &binds = {});
    QString scalar(const QString &sql, const QHash<QString, QVariant> &binds = {});
    QList<QStringList> rows(const QString &sql, const QHash<QString, QVariant> &binds = {});
    int rowsAffected() const { return m_rowsAffected; }

    [[noreturn]] void fail(const QString &message);

    // The value a personal field keeps: the stored one when the screen sent back its masked form.
    QString unmasked(const QString &name, const QString &table, const QString &column,
                     const QString &where, const QHash<QString, QVariant> &keys);

    // Insert, update or delete one row by AEDITSTATUS ("2" new, "1" changed, "3" deleted). Keys and
    // columns are taken from the parameters "A" + column; the audit columns U_EMP_NO, U_IP and U_DATE
    // are filled from AU_EMP_NO and AU_IP when the table has them.
    void saveByEditStatus(const QString &table, const QStringList &keys, const QStringList &columns);

    // The next number of a counter row that only goes up (a number once printed on a ticket never passes
    // to another item): the row is created on first use without a clash between counters numbering at
    // the same moment, then locked until the caller's transaction ends, so concurrent callers take their
    // numbers one after the other. Never below the largest number already in itemTable.itemColumn for
    // the same key. With take false the counter is only locked and brought up to date.
    qlonglong takeNumber(const QString &counterTable, const QString &counterColumn,
                         const QHash<QString, QVariant> &key, const QString &itemTable, const QString &itemColumn,
                         bool take = true);

    // The text the user reads for a statement's failure: a rule of the tables the database enforced (a
    // key already stored, a missing or still used reference, an empty required column, a value out of
    // range; on either back end) or a save refused for another one running at the same moment, in the
    // system's words; any other text as the server sent it. Every statement of a body fails with it.
    static QString refusalOf(const QString &serverText);

    // Audit values for hand-written statements: the employee and workstation of the call (the
    // start-up values when the procedure has no AU_EMP_NO/AU_IP of its own) and the time.
    QHash<QString, QVariant> audit() const;

    // Row versions. Every business table carries ROW_VERSION, raised by each change of the row; the
    // screen hands over the version it read the row at. A change or deletion of a row that holds
    // another version by now is refused with staleRowMessage(), so a screen never writes over what
    // another workstation saved after it searched. Without a version (a call not from a screen's
    // row) nothing is compared.
    QVariant rowVersion() const { return m_rowVersion; }
    // Raises ROW_VERSION of the row of table matching where for the change this call makes, under the
    // row's lock until the transaction ends. When a version was handed over the row must still hold it,
    // else the call is refused; either way the screen learns the version the row holds afterwards.
    void claimRowVersion(const QString &table, const QString &where, const QHash<QString, QVariant> &binds);
    // The same, with the row's lock and the read of its columns in the one statement: the values of
    // columns as the locked row holds them, empty when there is no such row.
    QStringList claimRowReading(const QString &table, const QString &where, const QHash<QString, QVariant> &binds,
                                const QStringList &columns);
    // Raises ROW_VERSION of another row this call changes (a locker a sale moves onto).
    void raiseRowVersion(const QString &table, const QString &where, const QHash<QString, QVariant> &binds);
    // The version the row holds after this call, read back by the screen for its next change.
    void setRowVersionAfter(const QVariant &version) { m_rowVersionAfter = version; }
    QVariant rowVersionAfter() const { return m_rowVersionAfter; }
    static QString staleRowMessage();

    // A figure the call reports beside its parameters (how many other rows it changed …), so that the
    // parameter list stays the one every caller knows; read by the caller through StoredProc::aside.
    void setAside(const QString &name, const QVariant &value) { m_aside.insert(name, value); }
    QHash<QString, QVariant> asides() const { return m_aside; }

    static QString now14();   // local time as yyyyMMddHHmmss

private:
    Database *m_db;
    const Procedure &m_procedure;
    QHash<QString, QVariant> *m_values;
    QVariant m_rowVersion;
    QVariant m_rowVersionAfter;
    QHash<QString, QVariant> m_aside;
    int m_rowsAffected = 0;
};

class ProcedureCatalog {
public:
    static ProcedureCatalog &instance();
    void add(const Procedure &procedure);
    const Procedure *find(const QString &name) const;
    QStringList names() const;
private:
    ProcedureCatalog();
    QHash<QString, Procedure> m_procedures;
};

// A procedure call object as a screen holds it (prcSaveData, prcProc …).
class StoredProc {
public:
    explicit StoredProc(Database *database, const QString &name = QString());
    Database *database() const { return m_db; }
    void setProcedure(const QString &name);
    QString procedureName() const { return m_name; }
    QStringList paramNames() const;                      // empty when the procedure is unknown
    bool hasParam(const QString &name) const;
    void setParam(const QString &name, const QVariant &value);
    QString param(const QString &name) const;            // after exec: output values too
    void clearParams() { m_values.clear(); m_rowVersion = QVariant(); }
    // The ROW_VERSION the changed or deleted row was read at (invalid: none, nothing compared), and
    // the version the row holds after a successful call (invalid when the procedure did not say).
    void setRowVersion(const QVariant &version) { m_rowVersion = version; m_rowVersionAfter = QVariant(); }
    QVariant rowVersionAfter() const { return m_rowVersionAfter; }
    // What the last successful call reported aside (invalid when it did not).
    QVariant aside(const QString &name) const { return m_aside.value(name); }
    // Runs the procedure. Outside a transaction it runs in one of its own, committed at once.
    bool exec();
    QString lastError() const { return m_lastError; }
private:
    Database *m_db;
    QString m_name;
    QHash<QString, QVariant> m_values;
    QVariant m_rowVersion;
    QVariant m_rowVersionAfter;
    QHash<QString, QVariant> m_aside;
    QString m_lastError;
    // The call of a procedure that runs inside the server; false with m_lastError when it failed.
    bool execInServer(const Procedure &procedure, QHash<QString, QVariant> &values, QVariant *versionAfter);
};

} // namespace db
