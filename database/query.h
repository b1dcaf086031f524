#pragma once
// A statement with named parameters (":NAME"). A name used several times takes one value everywhere.
// An empty text is bound as NULL, and NULL is read as an empty text, as on the resort's original database.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QHash>
#include <memory>

class QSqlQuery;

namespace db {

class Database;

class Query {
public:
    explicit Query(Database *database);
    ~Query();
    Query(const Query &) = delete;
    Query &operator=(const Query &) = delete;

    Database *database() const { return m_db; }
    void setDatabase(Database *database);   // closes the statement first; the text and values stay
    void setSql(const QString &sql);   // also forgets the bound values
    const QString &sql() const { return m_sql; }
    void clear() { setSql(QString()); }

    QStringList paramNames() const { return m_names; }    // distinct, in order of first use
    bool hasParam(const QString &name) const;
    void bind(const QString &name, const QVariant &value);
    bool isBound(const QString &name) const;
    QVariant boundValue(const QString &name) const;
    QString firstUnboundParam() const;                    // empty when every parameter has a value
    QHash<QString, QVariant> bindings() const { return m_values; }
    void setBindings(const QHash<QString, QVariant> &values) { m_values = values; }

    // A list's statement: on PostgreSQL a SELECT outside a transaction is then read through a
    // server-side cursor a page at a time, so the first rows come in the same time whatever the size
    // of the result, and other statements may run on the connection between two rows. SQLite reads
    // row by row in any case; inside a transaction the whole result is read at once.
    void setPaged(bool on) { m_paged = on; }
    bool isPaged() const { return m_paged; }
    bool readsThroughCursor() const { return !m_cursor.isEmpty(); }

    bool open();    // runs the statement; rows are read with next()
    bool exec() { return open(); }
    // The next row; false at the end of the result, and false with failed() and lastError() when a row
    // could not be read (a function of the statement failed on it, the list's cursor was lost): the
    // rows read so far are then not the whole result.
    bool next();
    bool failed() const { return m_failed; }
    bool isOpen() const;
    void close();

    int fieldCount() const;
    QStringList fieldNames() const;
    int fieldIndex(const QString &name) const;
    QString value(int index) const;
    QString value(const QString &name) const;
    QVariant rawValue(int index) const;
    bool isNull(int index) const;
    int rowsAffected() const;

    QString lastError() const { return m_lastError; }

    // Convenience for one value: the first column of the first row, empty when there is none.
    static QString scalar(Database *database, const QString &sql, const QHash<QString, QVariant> &binds = {});

    // Runs a statement of a procedure body with its values (names matched without regard to case; a
    // missing one is NULL). Inside a transaction the prepared statement is kept and reused. Rows, when
    // asked for, are read whole as texts. False with the server's text in *error.
    static bool run(Database *database, const QString &sql, const QHash<QString, QVariant> &binds,
                    QList<QStringList> *rows, int *rowsAffected, QString *error);
    // The same for a statement already in positional form ("?"), its values in order of occurrence:
    // what a procedure that runs one text many times binds without looking names up.
    static bool runPositional(Database *database, const QString &positionalSql, const QVariantList &values,
                              QList<QStringList> *rows, int *rowsAffected, QString *error);

    // A text holding a NUL character is never sent: neither back end can store it as typed. The message
    // for the first such value (naming its parameter), empty when there is none.
    static QString refuseNul(const QHash<QString, QVariant> &values);

    // The text of a statement with ":NAME" replaced by "?", and the names in order of occurrence.
    static QString positional(const QString &sql, QStringList *occurrences);

private:
    Database *m_db;
    QString m_sql;
    QString m_positional;
    QStringList m_occurrences;
    QStringList m_names;
    QHash<QString, QVariant> m_values;
    std::shared_ptr<QSqlQuery> m_query;   // the result, or the current page of the cursor
    QStringList m_fieldNames;
    QString m_lastError;
    bool m_paged = false;
    bool m_failed = false;                // a row could not be read
    QString m_cursor;                     // name of the open cursor
    quint64 m_cursorBlock = 0;            // the read block it was declared in
    int m_pageSize = 0;
    bool openCursor();
    bool fetchPage();
    bool stepFailed();
    void closeCursor();
    QString inlined() const;
};

} // namespace db
