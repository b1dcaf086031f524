#pragma once
// A transaction for one unit of work: begun (or joined) on construction, committed by commit(), rolled
// back on every other way out (a failure, an early return, an exception).
//
//   db::Transaction tx(database);
//   if (!tx.isActive()) return fail(tx.error());
//   … procedures …
//   if (!tx.commit()) return fail(tx.error());
//
// Inside a transaction the caller already holds, the guard joins it: commit() and the rollback are then
// the owner's business; a joined guard left without commit() spoils the owner's transaction, whose
// commit then rolls back and fails.
#include "database.h"

namespace db {

class Transaction {
public:
    explicit Transaction(Database *database);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool isActive() const { return m_active; }   // begun (or joined) and neither committed nor rolled back
    bool ownsTransaction() const { return m_owned; }
    bool commit();                                // false with error() when the commit failed (rolled back)
    void rollback();
    QString error() const { return m_error; }
    void setError(const QString &error);           // the reason handed on when the guard spoils

private:
    Database *m_db;
    bool m_owned = false;
    bool m_active = false;
    QString m_error;
};

} // namespace db
