#pragma once
// Rows loaded into a table of a PostgreSQL connection through COPY … FROM STDIN (text format): the rows
// go to the server in packets of many rows while the caller goes on producing them, one round trip
// for thousands of rows instead of one for each. Runs inside the connection's transaction; a failure
// of the COPY fails that transaction, which the caller then rolls back.
//
//   db::CopyIn copy(database, "EA010MS_LOAD", {"OBSE_DATE", "OBSE_TIME", …});
//   if (!copy.isActive()) return fail(copy.error());
//   for (…) copy.addRow({date, time, …});   // a null view for NULL
//   if (!copy.finish()) return fail(copy.error());
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <initializer_list>

namespace db {

class Database;

class CopyIn {
public:
    // Whether the connection can load through COPY (PostgreSQL, open).
    static bool available(Database *database);

    CopyIn(Database *database, const QString &table, const QStringList &columns);
    ~CopyIn();   // a COPY neither finished nor aborted is aborted
    CopyIn(const CopyIn &) = delete;
    CopyIn &operator=(const CopyIn &) = delete;

    bool isActive() const { return m_conn != nullptr; }
    QString error() const { return m_error; }
    // One row, a value per column in their order; an empty or null view is NULL (an empty text is
    // NULL, as in every statement). False with error() when the server can no longer take rows.
    bool addRow(std::initializer_list<QStringView> values);
    // Ends the COPY: true when the server stored every row (*rows of them).
    bool finish(qint64 *rows = nullptr);
    // Ends it without storing anything (the server drops the rows sent so far).
    void abort(const QString &why);

private:
    bool flush();
    bool end(const char *failure, qint64 *rows);
    void fail(const QString &what);

    Database *m_database;
    void *m_conn = nullptr;   // the PGconn of the connection while the COPY runs
    QByteArray m_buffer;
    QString m_error;
};

} // namespace db
