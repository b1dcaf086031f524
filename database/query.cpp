#include "query.h"
#include "database.h"
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace db {

Query::Query(Database *database) : m_db(database) {}
Query::~Query() = default;

QString Query::positional(const QString &sql, QStringList *occurrences)
{
    // ":NAME" outside quotes and comments becomes "?"; "::" (a PostgreSQL cast) is left alone.
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
                occurrences->append(sql.mid(i + 1, j - i - 1).toUpper());
                out += QLatin1Char('?');
                i = j - 1;
                continue;
            }
        }
        out += c;
    }
    return out;
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
    if (!m_db || !m_db->ensureOpen()) {
        m_lastError = m_db ? m_db->lastError() : QStringLiteral("not connected to the database");
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
    m_query = std::make_unique<QSqlQuery>(m_db->sql());
    // PostgreSQL reads forward-only results row by row from the server, and any other statement on
    // the connection would discard the rest; the whole result is fetched there so that statements
    // may be nested (qryQuery2 while qryQuery is open, a lookup between two rows).
    m_query->setForwardOnly(m_db->backend() == Backend::SQLite);
    m_query->setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    bool ok = m_query->prepare(m_positional);
    if (ok) {
        for (const QString &name : std::as_const(m_occurrences))
            m_query->addBindValue(toBound(m_values.value(name)));
        ok = m_query->exec();
    }
    if (!ok) {
        const QSqlError e = m_query->lastError();
        m_lastError = e.databaseText().trimmed().isEmpty() ? e.text().trimmed() : e.databaseText().trimmed();
        if (m_db->inTransaction())
            m_db->releaseAfterTransaction(std::shared_ptr<QSqlQuery>(m_query.release()));
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

bool Query::next() { return m_query && m_query->isActive() && m_query->next(); }
bool Query::isOpen() const { return m_query && m_query->isActive(); }

void Query::close()
{
    if (m_query) {
        m_query->finish();
        m_query.reset();
    }
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
    if (!database || !database->ensureOpen()) {
        *error = database ? database->lastError() : QStringLiteral("not connected to the database");
        return false;
    }
    *error = refuseNul(binds);
    if (!error->isEmpty())
        return false;
    const ParsedStatement &p = parsed(sql);
    std::shared_ptr<QSqlQuery> q = database->preparedStatement(p.positional, error);
    if (!q) {
        database->noteFailure(error);
        return false;
    }
    for (int i = 0; i < p.occurrences.size(); ++i)
        q->bindValue(i, toBound(lookup(binds, p.occurrences.at(i))));
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
        const int fields = q->record().count();
        while (q->next()) {
            QStringList row;
            row.reserve(fields);
            for (int i = 0; i < fields; ++i)
                row.append(textOf(q->value(i)));
            rows->append(row);
        }
    }
    q->finish();
    return true;
}

} // namespace db
