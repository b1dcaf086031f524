#include "query.h"
#include "database.h"
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>
#include <functional>

namespace db {

Query::Query(Database *database) : m_db(database) {}

void Query::setDatabase(Database *database)
{
    if (database == m_db)
        return;
    close();
    m_db = database;
}

Query::~Query()
{
    close();
}

namespace {
// The text with every ":NAME" outside quotes and comments replaced; "::" (a PostgreSQL cast) is left alone.
QString rewrite(const QString &sql, const std::function<QString(const QString &name)> &param)
{
    QString out;
    out.reserve(sql.size());
    const int n = sql.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            int j = i + 1;
            while (j < n) {
                if (sql.at(j) == c) {
                    if (j + 1 < n && sql.at(j + 1) == c) { j += 2; continue; }
                    break;
                }
                ++j;
            }
            out += sql.mid(i, j - i + 1);
            i = j;
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && sql.at(i + 1) == QLatin1Char('-')) {
            int j = sql.indexOf(QLatin1Char('\n'), i);
            if (j < 0) j = n;
            out += sql.mid(i, j - i);
            i = j - 1;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < n) {
            const QChar next = sql.at(i + 1);
            const bool prevColon = i > 0 && sql.at(i - 1) == QLatin1Char(':');
            if (next == QLatin1Char(':')) { out += QLatin1String("::"); ++i; continue; }
            if (!prevColon && (next.isLetter() || next == QLatin1Char('_'))) {
                int j = i + 1;
                while (j < n && (sql.at(j).isLetterOrNumber() || sql.at(j) == QLatin1Char('_')))
                    ++j;
                out += param(sql.mid(i + 1, j - i - 1).toUpper());
                i = j - 1;
                continue;
            }
        }
        out += c;
    }
    return out;
}

// The start of a statement past blanks, comments and opening parentheses, in upper case.
QString leadingWord(const QString &sql)
{
    int i = 0;
    const int n = int(sql.size());
    while (i < n) {
        const QChar c = sql.at(i);
        if (c.isSpace() || c == QLatin1Char('(')) { ++i; continue; }
        if (c == QLatin1Char('-') && i + 1 < n && sql.at(i + 1) == QLatin1Char('-')) {
            const int j = int(sql.indexOf(QLatin1Char('\n'), i));
            i = j < 0 ? n : j + 1;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && sql.at(i + 1) == QLatin1Char('*')) {
            const int j = int(sql.indexOf(QLatin1String("*/"), i + 2));
            i = j < 0 ? n : j + 2;
            continue;
        }
        break;
    }
    int j = i;
    while (j < n && sql.at(j).isLetter())
        ++j;
    return sql.mid(i, j - i).toUpper();
}

bool isRead(const QString &sql)
{
    const QString word = leadingWord(sql);
    return word == QLatin1String("SELECT") || word == QLatin1String("WITH") || word == QLatin1String("VALUES");
}

// A cursor held over commits takes no row locks and no data-modifying WITH.
bool fitsCursor(const QString &sql)
{
    static const QRegularExpression locking(
        QStringLiteral("\\bFOR\\s+(NO\\s+KEY\\s+|KEY\\s+)?(UPDATE|SHARE)\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression writing(QStringLiteral("\\b(INSERT|UPDATE|DELETE|MERGE)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (!isRead(sql) || sql.contains(locking))
        return false;
    return leadingWord(sql) != QLatin1String("WITH") || !sql.contains(writing);
}
} // namespace

QString Query::positional(const QString &sql, QStringList *occurrences)
{
    return rewrite(sql, [occurrences](const QString &name) {
        occurrences->append(name);
        return QStringLiteral("?");
    });
}

void Query::setSql(const QString &sql)
{
    close();
    m_sql = sql;
    m_occurrences.clear();
    m_names.clear();
    m_values.clear();
    m_positional = positional(sql, &m_occurrences);
    for (const QString &name : std::as_const(m_occurrences))
        if (!m_names.contains(name))
            m_names.append(name);
}

bool Query::hasParam(const QString &name) const { return m_names.contains(name.toUpper()); }

void Query::bind(const QString &name, const QVariant &value)
{
    m_values.insert(name.toUpper(), value.isValid() ? value : QVariant(QMetaType(QMetaType::QString)));
}

bool Query::isBound(const QString &name) const { return m_values.contains(name.toUpper()); }
QVariant Query::boundValue(const QString &name) const { return m_values.value(name.toUpper()); }

QString Query::firstUnboundParam() const
{
    for (const QString &name : m_names)
        if (!m_values.contains(name))
            return name;
    return QString();
}

static QVariant toBound(const QVariant &v)
{
    // An empty text is NULL, as on the original database.
    if (!v.isValid() || v.isNull())
        return QVariant(QMetaType(QMetaType::QString));
    if (v.typeId() == QMetaType::QString && v.toString().isEmpty())
        return QVariant(QMetaType(QMetaType::QString));
    return v;
}

QString Query::refuseNul(const QHash<QString, QVariant> &values)
{
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        if (it.value().typeId() == QMetaType::QString && it.value().toString().contains(QChar(0)))
            return QStringLiteral("입력한 자료에 사용할 수 없는 문자(NUL)가 들어 있습니다. (%1)").arg(it.key());
    return QString();
}

bool Query::open()
{
    close();
    m_lastError.clear();
    m_failed = false;
    if (!m_db || !m_db->ensureOpen()) {
        m_lastError = m_db ? m_db->lastError() : Database::notConnectedMessage();
        return false;
    }
    const QString unbound = firstUnboundParam();
    if (!unbound.isEmpty()) {
        m_lastError = QStringLiteral("parameter %1 has no value").arg(unbound);
        return false;
    }
    m_lastError = refuseNul(m_values);
    if (!m_lastError.isEmpty())
        return false;
    if (m_paged && m_db->backend() == Backend::PostgreSQL && !m_db->inTransaction() && fitsCursor(m_sql))
        return openCursor();
    // Inside the read block of open lists a read runs in a savepoint, and anything else commits the block
    // first, as it would run on its own.
    bool guarded = false;
    if (m_db->inReadBlock() && !m_db->inTransaction()) {
        if (isRead(m_sql))
            guarded = m_db->readSavepoint();
        else
            m_db->endReadBlock();
    }
    // PostgreSQL reads forward-only results row by row from the server, and any other statement on
    // the connection would discard the rest; the whole result is fetched there so that statements
    // may be nested (qryQuery2 while qryQuery is open, a lookup between two rows).
    m_query = std::make_shared<QSqlQuery>(m_db->sql());
    m_query->setForwardOnly(m_db->backend() == Backend::SQLite);
    m_query->setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    bool ok;
    if (m_db->backend() == Backend::PostgreSQL) {
        // prepared once for the connection: a read costs one round trip
        QVariantList values;
        values.reserve(m_occurrences.size());
        for (const QString &name : std::as_const(m_occurrences))
            values.append(toBound(m_values.value(name)));
        QString error;
        ok = m_db->runPrepared(*m_query, m_positional, values, &error);
    } else {
        ok = m_query->prepare(m_positional);
        if (ok) {
            for (const QString &name : std::as_const(m_occurrences))
                m_query->addBindValue(toBound(m_values.value(name)));
            ok = m_query->exec();
        }
    }
    if (guarded)
        m_db->endReadSavepoint(ok);
    if (!ok) {
        const QSqlError e = m_query->lastError();
        m_lastError = e.databaseText().trimmed().isEmpty() ? e.text().trimmed() : e.databaseText().trimmed();
        if (m_db->inReadBlock() && !m_db->inTransaction() && !guarded)
            m_db->abortReadBlock();
        if (m_db->inTransaction() && m_db->backend() != Backend::PostgreSQL)
            m_db->releaseAfterTransaction(std::move(m_query));
        m_query.reset();
        m_db->noteFailure(&m_lastError);
        return false;
    }
    m_fieldNames.clear();
    const QSqlRecord rec = m_query->record();
    for (int i = 0; i < rec.count(); ++i)
        m_fieldNames.append(rec.fieldName(i).toUpper());
    return true;
}

bool Query::next()
{
    if (!m_query || !m_query->isActive())
        return false;
    if (m_query->next())
        return true;
    if (stepFailed())
        return false;
    if (m_cursor.isEmpty())
        return false;
    if (!fetchPage()) {
        m_failed = true;
        return false;
    }
    if (m_query->next())
        return true;
    stepFailed();
    return false;
}

// SQLite computes a row as it is read: a function that fails on a row ends the reading with an error,
// which is no end of the result.
bool Query::stepFailed()
{
    const QSqlError e = m_query->lastError();
    if (e.type() == QSqlError::NoError)
        return false;
    m_failed = true;
    m_lastError = e.databaseText().trimmed().isEmpty() ? e.text().trimmed() : e.databaseText().trimmed();
    if (m_db->noteFailure(&m_lastError))
        m_query.reset();
    return true;
}

bool Query::isOpen() const { return m_query && m_query->isActive(); }

void Query::close()
{
    if (!m_cursor.isEmpty())
        closeCursor();
    if (m_query) {
        m_query->finish();
        m_query.reset();
    }
}

// ---- the cursor of a paged read (PostgreSQL) ----

namespace {
constexpr int kFirstPage = 100;   // a list's first packet
constexpr int kLargestPage = 4000;

QString errorOf(const QSqlQuery &q)
{
    const QSqlError e = q.lastError();
    return e.databaseText().trimmed().isEmpty() ? e.text().trimmed() : e.databaseText().trimmed();
}
} // namespace

// The statement with its values written in as literals, which DECLARE needs. Each is quoted text, of no
// type until the server reads it in its place, as a parameter would be; the driver escapes it.
QString Query::inlined() const
{
    QSqlDriver *driver = m_db->sql().driver();
    return rewrite(m_sql, [&](const QString &name) {
        const QVariant v = toBound(m_values.value(name));
        if (v.isNull())
            return QStringLiteral("NULL");
        QSqlField f(QString(), QMetaType(QMetaType::QString));
        f.setValue(v.typeId() == QMetaType::Double ? QString::number(v.toDouble(), 'g', 17) : v.toString());
        return driver->formatValue(f);
    });
}

bool Query::openCursor()
{
    static std::atomic<quint64> counter{0};
    const QString name = QStringLiteral("sports_list_%1").arg(++counter);
    // Other lists already reading in the block are kept safe from a failure of this one by a savepoint.
    const bool others = m_db->readBlockCursors() > 0;
    // A new block's BEGIN, the DECLARE and the first FETCH go as one message: one round trip.
    QString begin;
    const quint64 block = m_db->joinReadBlockDeferred(&begin);
    QString sql = m_sql.trimmed();
    while (sql.endsWith(QLatin1Char(';')))
        sql.chop(1);
    const bool guarded = others && m_db->readSavepoint();
    auto page = std::make_shared<QSqlQuery>(m_db->sql());
    page->setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    bool ok = page->exec(begin + QStringLiteral("DECLARE %1 NO SCROLL CURSOR WITH HOLD FOR ").arg(name) + inlined()
                         + QStringLiteral(";\nFETCH %1 FROM %2").arg(kFirstPage).arg(name));
    for (int results = begin.isEmpty() ? 1 : 2; ok && results > 0; --results)
        ok = page->nextResult();
    if (!ok)
        m_lastError = errorOf(*page);
    if (guarded)
        m_db->endReadSavepoint(ok);
    if (!ok) {
        if (guarded)
            m_db->leaveReadBlock(block);
        else
            m_db->abortReadBlock();
        m_db->noteFailure(&m_lastError);
        return false;
    }
    m_cursor = name;
    m_cursorBlock = block;
    m_pageSize = kFirstPage;
    m_query = std::move(page);
    m_fieldNames.clear();
    const QSqlRecord rec = m_query->record();
    for (int i = 0; i < rec.count(); ++i)
        m_fieldNames.append(rec.fieldName(i).toUpper());
    if (m_query->size() < m_pageSize)
        closeCursor();   // the whole result came in the first page
    return true;
}

bool Query::fetchPage()
{
    if (!m_db->cursorAlive(m_cursorBlock)) {
        m_lastError = QStringLiteral("the list's cursor was lost");
        m_cursor.clear();
        return false;
    }
    // Pages grow so that reading a large result to its end takes few round trips.
    m_pageSize = qMin(m_pageSize * 4, kLargestPage);
    const bool inWork = m_db->inTransaction();
    const int mine = m_db->readBlock() == m_cursorBlock ? 1 : 0;
    const bool guarded = !inWork && m_db->inReadBlock() && m_db->readBlockCursors() > mine && m_db->readSavepoint();
    auto page = std::make_shared<QSqlQuery>(m_db->sql());
    page->setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    const bool ok = page->exec(QStringLiteral("FETCH %1 FROM %2").arg(m_pageSize).arg(m_cursor));
    if (guarded)
        m_db->endReadSavepoint(ok);
    if (!ok) {
        m_lastError = errorOf(*page);
        if (inWork)
            m_db->spoilTransaction(m_lastError);
        else if (!guarded && m_db->inReadBlock())
            m_db->abortReadBlock();
        m_db->leaveReadBlock(m_cursorBlock);
        m_cursor.clear();
        m_db->noteFailure(&m_lastError);
        return false;
    }
    m_query = std::move(page);
    if (m_query->size() < m_pageSize)
        closeCursor();
    return true;
}

void Query::closeCursor()
{
    const QString name = m_cursor;
    m_cursor.clear();
    if (!m_db || !m_db->cursorAlive(m_cursorBlock))
        return;
    QSqlQuery q(m_db->sql());
    if (m_db->closingEndsReadBlock(m_cursorBlock)) {
        // the block's last cursor: its COMMIT goes with the CLOSE
        if (q.exec(QStringLiteral("CLOSE %1;\nCOMMIT").arg(name)) && q.nextResult())
            m_db->readBlockEnded(true);
        else
            m_db->abortReadBlock();   // a failed CLOSE left the block open: rolled back
        return;
    }
    q.exec(QStringLiteral("CLOSE ") + name);
    m_db->leaveReadBlock(m_cursorBlock);
}

int Query::fieldCount() const { return m_fieldNames.size(); }
QStringList Query::fieldNames() const { return m_fieldNames; }
int Query::fieldIndex(const QString &name) const { return m_fieldNames.indexOf(name.toUpper()); }

QVariant Query::rawValue(int index) const { return m_query ? m_query->value(index) : QVariant(); }

bool Query::isNull(int index) const
{
    return !m_query || m_query->isNull(index) || value(index).isEmpty();
}

// A read value as the screens see it: NULL as empty text, whole doubles without a fraction.
static QString textOf(const QVariant &v)
{
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        if (d == static_cast<double>(static_cast<qint64>(d)) && qAbs(d) < 9.0e15)
            return QString::number(static_cast<qint64>(d));
        return QString::number(d, 'g', 15);
    }
    return v.toString();
}

QString Query::value(int index) const
{
    return m_query ? textOf(m_query->value(index)) : QString();
}

QString Query::value(const QString &name) const
{
    const int i = fieldIndex(name);
    return i < 0 ? QString() : value(i);
}

int Query::rowsAffected() const { return m_query ? m_query->numRowsAffected() : 0; }

QString Query::scalar(Database *database, const QString &sql, const QHash<QString, QVariant> &binds)
{
    Query q(database);
    q.setSql(sql);
    for (auto it = binds.begin(); it != binds.end(); ++it)
        q.bind(it.key(), it.value());
    QString result;
    if (q.open() && q.next())
        result = q.value(0);
    q.close();
    return result;
}

namespace {
struct ParsedStatement {
    QString positional;
    QStringList occurrences;
};

// The procedures run the same few texts over and over: each is parsed once per thread.
const ParsedStatement &parsed(const QString &sql)
{
    thread_local QHash<QString, ParsedStatement> cache;
    auto it = cache.find(sql);
    if (it == cache.end()) {
        ParsedStatement p;
        p.positional = Query::positional(sql, &p.occurrences);
        it = cache.insert(sql, p);
    }
    return it.value();
}

QVariant lookup(const QHash<QString, QVariant> &binds, const QString &name)
{
    auto it = binds.constFind(name);
    if (it != binds.constEnd())
        return it.value();
    for (auto j = binds.constBegin(); j != binds.constEnd(); ++j)
        if (j.key().compare(name, Qt::CaseInsensitive) == 0)
            return j.value();
    return QVariant();
}
} // namespace

bool Query::run(Database *database, const QString &sql, const QHash<QString, QVariant> &binds,
                QList<QStringList> *rows, int *rowsAffected, QString *error)
{
    *error = refuseNul(binds);
    if (!error->isEmpty())
        return false;
    const ParsedStatement &p = parsed(sql);
    QVariantList values;
    values.reserve(p.occurrences.size());
    for (const QString &name : p.occurrences)
        values.append(lookup(binds, name));
    return runPositional(database, p.positional, values, rows, rowsAffected, error);
}

bool Query::runPositional(Database *database, const QString &positionalSql, const QVariantList &values,
                          QList<QStringList> *rows, int *rowsAffected, QString *error)
{
    if (!database || !database->ensureOpen()) {
        *error = database ? database->lastError() : Database::notConnectedMessage();
        return false;
    }
    if (database->backend() == Backend::PostgreSQL) {
        // prepared once for the connection (the first run sends the PREPARE with it): one round trip
        QVariantList bound;
        bound.reserve(values.size());
        for (const QVariant &v : values)
            bound.append(toBound(v));
        QSqlQuery q(database->sql());
        q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
        if (!database->runPrepared(q, positionalSql, bound, error)) {
            database->noteFailure(error);
            return false;
        }
        if (rowsAffected)
            *rowsAffected = q.numRowsAffected();
        if (rows) {
            const int fields = q.record().count();
            while (q.next()) {
                QStringList row;
                row.reserve(fields);
                for (int i = 0; i < fields; ++i)
                    row.append(textOf(q.value(i)));
                rows->append(row);
            }
        }
        return true;
    }
    std::shared_ptr<QSqlQuery> q = database->preparedStatement(positionalSql, error);
    if (!q) {
        database->noteFailure(error);
        return false;
    }
    for (int i = 0; i < values.size(); ++i)
        q->bindValue(i, toBound(values.at(i)));
    if (!q->exec()) {
        const QSqlError e = q->lastError();
        *error = e.databaseText().trimmed().isEmpty() ? e.text().trimmed() : e.databaseText().trimmed();
        q->finish();
        q.reset();
        database->noteFailure(error);
        return false;
    }
    if (rowsAffected)
        *rowsAffected = q->numRowsAffected();
    if (rows) {
        const qsizetype before = rows->size();
        const int fields = q->record().count();
        while (q->next()) {
            QStringList row;
            row.reserve(fields);
            for (int i = 0; i < fields; ++i)
                row.append(textOf(q->value(i)));
            rows->append(row);
        }
        if (q->lastError().type() != QSqlError::NoError) {   // a row that could not be read
            const QSqlError e = q->lastError();
            *error = e.databaseText().trimmed().isEmpty() ? e.text().trimmed() : e.databaseText().trimmed();
            q->finish();
            q.reset();
            rows->resize(before);   // none of a result that could not be read whole
            database->noteFailure(error);
            return false;
        }
    }
    q->finish();
    return true;
}

} // namespace db
