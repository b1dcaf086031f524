#include "transaction.h"

namespace db {

Transaction::Transaction(Database *database) : m_db(database)
{
    if (!m_db || !m_db->ensureOpen()) {
        m_error = m_db ? m_db->lastError() : QString();
        if (m_error.isEmpty())
            m_error = Database::notConnectedMessage();
        return;
    }
    if (m_db->inTransaction()) {
        m_active = true;   // joined: the owner commits
        return;
    }
    m_owned = m_active = m_db->beginTransaction();
    if (!m_active)
        m_error = m_db->lastError();
}

Transaction::~Transaction()
{
    if (!m_active)
        return;
    if (m_owned)
        m_db->rollback();
    else
        m_db->spoilTransaction(m_error);   // a joined step that did not finish spoils the owner's unit
}

bool Transaction::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    if (!m_owned)
        return true;
    if (!m_db->commit()) {
        m_error = m_db->lastError();
        return false;
    }
    return true;
}

void Transaction::rollback()
{
    if (m_active)
        m_owned ? void(m_db->rollback()) : m_db->spoilTransaction(m_error);
    m_active = false;
}

void Transaction::setError(const QString &error)
{
    m_error = error;
}

} // namespace db
