#include "database/copyin.h"
#include "database/database.h"
#include <QSqlDriver>
#include <QVariant>
#include <libpq-fe.h>

namespace db {

namespace {

constexpr qsizetype kPacket = 256 * 1024;   // bytes handed to libpq at a time

PGconn *connectionOf(Database *database)
{
    if (!database || database->backend() != Backend::PostgreSQL || !database->isOpen())
        return nullptr;
    const QVariant handle = database->sql().driver()->handle();
    // the driver's handle is named by libpq's typedef or by the struct behind it, as Qt has it
    if (!handle.isValid() || (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn *const *>(handle.constData());
}

QString serverText(const char *text) { return QString::fromUtf8(text).trimmed(); }

void appendByte(QByteArray &out, char b)
{
    switch (b) {
    case '\\': out += "\\\\"; break;
    case '\t': out += "\\t"; break;
    case '\n': out += "\\n"; break;
    case '\r': out += "\\r"; break;
    default: out += b;
    }
}

// One value in COPY's text format: the backslash, tab, line feed and carriage return escaped; an
// empty text is NULL, as every statement of the program binds it.
void appendValue(QByteArray &out, QStringView value)
{
    if (value.isEmpty()) {
        out += "\\N";
        return;
    }
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t u = value[i].unicode();
        if (u >= 0x80) {   // the rare non-ASCII text: as UTF-8, the rest of the value with it
            for (const char b : value.mid(i).toUtf8())
                appendByte(out, b);
            return;
        }
        appendByte(out, char(u));
    }
}

} // namespace

bool CopyIn::available(Database *database) { return connectionOf(database) != nullptr; }

CopyIn::CopyIn(Database *database, const QString &table, const QStringList &columns) : m_database(database)
{
    PGconn *conn = connectionOf(database);
    if (!conn) {
        m_error = Database::notConnectedMessage();
        return;
    }
    if (PQisBusy(conn) || PQtransactionStatus(conn) == PQTRANS_ACTIVE) {
        m_error = QStringLiteral("the connection is busy with another statement");
        return;
    }
    const QByteArray sql = QStringLiteral("COPY %1 (%2) FROM STDIN").arg(table, columns.join(QStringLiteral(", "))).toUtf8();
    PGresult *result = PQexec(conn, sql.constData());
    const bool started = result && PQresultStatus(result) == PGRES_COPY_IN;
    if (!started) {
        m_error = serverText(result ? PQresultErrorMessage(result) : PQerrorMessage(conn));
        PQclear(result);
        // whatever else the server sent after the failure
        while (PGresult *more = PQgetResult(conn))
            PQclear(more);
        m_database->noteFailure(&m_error);
        return;
    }
    PQclear(result);
    m_conn = conn;
    m_buffer.reserve(kPacket + 4096);
}

CopyIn::~CopyIn()
{
    if (m_conn)
        abort(QStringLiteral("the load was not finished"));
}

bool CopyIn::addRow(std::initializer_list<QStringView> values)
{
    if (!m_conn)
        return false;
    bool first = true;
    for (QStringView v : values) {
        if (!first)
            m_buffer += '\t';
        first = false;
        appendValue(m_buffer, v);
    }
    m_buffer += '\n';
    return m_buffer.size() < kPacket || flush();
}

bool CopyIn::flush()
{
    if (m_buffer.isEmpty())
        return true;
    if (PQputCopyData(static_cast<PGconn *>(m_conn), m_buffer.constData(), int(m_buffer.size())) != 1) {
        fail(serverText(PQerrorMessage(static_cast<PGconn *>(m_conn))));
        return false;
    }
    m_buffer.resize(0);
    return true;
}

void CopyIn::fail(const QString &what)
{
    m_error = what;
    if (m_conn)
        end(nullptr, nullptr);   // the server's own reason, when it has one, replaces ours
    if (m_error.isEmpty())
        m_error = what;
    m_database->noteFailure(&m_error);
}

bool CopyIn::end(const char *failure, qint64 *rows)
{
    auto *conn = static_cast<PGconn *>(m_conn);
    m_conn = nullptr;
    m_buffer.clear();
    bool ok = PQputCopyEnd(conn, failure) == 1;
    if (!ok)
        m_error = serverText(PQerrorMessage(conn));
    while (PGresult *result = PQgetResult(conn)) {
        if (PQresultStatus(result) == PGRES_COMMAND_OK) {
            if (rows)
                *rows = QByteArray(PQcmdTuples(result)).toLongLong();
        } else {
            if (ok || m_error.isEmpty())
                m_error = serverText(PQresultErrorMessage(result));
            ok = false;
        }
        PQclear(result);
    }
    return ok && failure == nullptr;
}

bool CopyIn::finish(qint64 *rows)
{
    if (!m_conn)
        return false;
    if (!flush())
        return false;
    if (!end(nullptr, rows)) {
        m_database->noteFailure(&m_error);
        return false;
    }
    return true;
}

void CopyIn::abort(const QString &why)
{
    if (!m_conn)
        return;
    const QByteArray reason = why.toUtf8();
    end(reason.constData(), nullptr);
    m_error = why;
}

} // namespace db
