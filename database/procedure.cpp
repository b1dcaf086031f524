#include "procedure.h"
#include "query.h"
#include "transaction.h"
#include "sqlfunctions.h"
#include "core/startupvalues.h"
#include <QDateTime>
#include <QMutex>
#include <QRegularExpression>

namespace db {

void registerAllProcedures(ProcedureCatalog &catalog);  // procedures/catalog.cpp

// ---- ProcedureCall ---------------------------------------------------------------------------

ProcedureCall::ProcedureCall(Database *database, const Procedure &procedure, QHash<QString, QVariant> *values,
                             const QVariant &rowVersion)
    : m_db(database), m_procedure(procedure), m_values(values), m_rowVersion(rowVersion)
{
}

QVariant ProcedureCall::value(const QString &name) const
{
    const QVariant v = m_values->value(name.toUpper());
    if (!v.isValid() || v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty()))
        return QVariant();
    return v;
}

QString ProcedureCall::param(const QString &name) const
{
    const QVariant v = value(name);
    return v.isValid() ? v.toString() : QString();
}

void ProcedureCall::setOut(const QString &name, const QVariant &value)
{
    m_values->insert(name.toUpper(), value);
}

QString ProcedureCall::refusalOf(const QString &serverText)
{
    // PostgreSQL's text ends with its state code in brackets, whatever the language of the server;
    // SQLite's texts are its own and never translated.
    static const QRegularExpression stateCode(QStringLiteral("\\((\\w{5})\\)\\s*$"));
    const QRegularExpressionMatch m = stateCode.match(serverText);
    const QString code = m.hasMatch() ? m.captured(1) : QString();
    auto sqlite = [&](const char *what) { return code.isEmpty() && serverText.contains(QLatin1String(what)); };
    if (code == QLatin1String("23505") || sqlite("UNIQUE constraint failed") || sqlite("PRIMARY KEY constraint failed"))
        return QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오.");
    if (code == QLatin1String("23503") || sqlite("FOREIGN KEY constraint failed"))
        return QStringLiteral("관련된 자료가 없거나 다른 자료에서 사용 중이므로 저장할 수 없습니다. 다시 조회하십시오.");
    if (code == QLatin1String("23502") || sqlite("NOT NULL constraint failed"))
        return QStringLiteral("반드시 입력해야 할 항목이 비어 있습니다. 다시 입력하십시오.");
    if (code == QLatin1String("23514") || sqlite("CHECK constraint failed"))
        return QStringLiteral("입력한 값이 허용된 범위를 벗어났습니다. 다시 입력하십시오.");
    if (code.startsWith(QLatin1String("23")) || sqlite("constraint failed"))
        return QStringLiteral("다른 자료와 맞지 않아 저장할 수 없습니다. 다시 조회하십시오.");
    if (code == QLatin1String("25006"))   // a server that only reads (a standby, or a primary set so)
        return Database::readOnlyServerMessage();
    if (code == QLatin1String("40P01") || code == QLatin1String("40001"))
        return QStringLiteral("다른 곳에서 같은 자료를 동시에 저장하여 저장하지 못했습니다. 다시 저장하십시오.");
    return serverText;
}

// A statement of the body failed: a rule of the tables that the database enforced reaches the user in
// the system's words (the server's text stays in the log for whoever looks into it).
[[noreturn]] static void statementFailed(const Procedure &procedure, const QString &serverText)
{
    const QString message = ProcedureCall::refusalOf(serverText);
    if (message != serverText)
        qWarning("%s: %s", qPrintable(procedure.name), qPrintable(serverText.simplified()));
    throw DatabaseError(message);
}

void ProcedureCall::exec(const QString &sql, const QHash<QString, QVariant> &binds)
{
    QString error;
    if (!Query::run(m_db, sql, binds, nullptr, &m_rowsAffected, &error))
        statementFailed(m_procedure, error);
}

QList<QStringList> ProcedureCall::rows(const QString &sql, const QHash<QString, QVariant> &binds)
{
    QList<QStringList> result;
    QString error;
    if (!Query::run(m_db, sql, binds, &result, nullptr, &error))
        statementFailed(m_procedure, error);
    return result;
}

QString ProcedureCall::scalar(const QString &sql, const QHash<QString, QVariant> &binds)
{
    const QList<QStringList> r = rows(sql, binds);
    return r.isEmpty() || r.first().isEmpty() ? QString() : r.first().first();
}

void ProcedureCall::fail(const QString &message) { throw DatabaseError(message); }

QString ProcedureCall::now14()
{
    // Many changes of one save fall in the same second: the local time is worked out once per second.
    thread_local qint64 second = -1;
    thread_local QString text;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    if (now != second) {
        second = now;
        text = QDateTime::fromSecsSinceEpoch(now).toString(QStringLiteral("yyyyMMddHHmmss"));
    }
    return text;
}

// Who made the change: the call's own audit parameters, or, for a procedure that has none (the
// locker cancellation), the employee and workstation this program was started for.
static QVariant auditValue(const ProcedureCall &call, const QString &param, const QString &startupValue)
{
    const QVariant v = call.value(param);
    if (v.isValid())
        return v;
    for (const Parameter &p : call.procedure().parameters)
        if (p.name == param)
            return v;   // the caller had the parameter and left it empty
    return startupValue.isEmpty() ? QVariant() : QVariant(startupValue);
}

QHash<QString, QVariant> ProcedureCall::audit() const
{
    return {{QStringLiteral("U_EMP_NO"), auditValue(*this, QStringLiteral("AU_EMP_NO"), Startup().employeeNumber)},
            {QStringLiteral("U_IP"), auditValue(*this, QStringLiteral("AU_IP"), Startup().workstationAddress)},
            {QStringLiteral("U_DATE"), now14()}};
}

QString ProcedureCall::staleRowMessage()
{
    return QStringLiteral("다른 작업장에서 자료가 변경되었거나 삭제되었습니다.\r다시 조회한 후 작업하십시오.");
}

void ProcedureCall::raiseRowVersion(const QString &table, const QString &where, const QHash<QString, QVariant> &binds)
{
    exec(QStringLiteral("UPDATE %1 SET ROW_VERSION = ROW_VERSION + 1 WHERE %2").arg(table, where), binds);
}

void ProcedureCall::claimRowVersion(const QString &table, const QString &where, const QHash<QString, QVariant> &binds)
{
    if (!m_rowVersion.isValid()) {
        raiseRowVersion(table, where, binds);
        if (m_rowsAffected == 1)
            m_rowVersionAfter = scalar(QStringLiteral("SELECT ROW_VERSION FROM %1 WHERE %2").arg(table, where), binds)
                                    .toLongLong();
        return;
    }
    QHash<QString, QVariant> b = binds;
    b.insert(QStringLiteral("CLAIM_ROW_VERSION"), m_rowVersion.toLongLong());
    exec(QStringLiteral("UPDATE %1 SET ROW_VERSION = ROW_VERSION + 1 WHERE %2 AND ROW_VERSION = :CLAIM_ROW_VERSION")
             .arg(table, where),
         b);
    if (m_rowsAffected != 1)
        fail(staleRowMessage());
    m_rowVersionAfter = m_rowVersion.toLongLong() + 1;
}

QStringList ProcedureCall::claimRowReading(const QString &table, const QString &where,
                                           const QHash<QString, QVariant> &binds, const QStringList &columns)
{
    const QList<QStringList> r =
        rows(QStringLiteral("UPDATE %1 SET ROW_VERSION = ROW_VERSION + 1 WHERE %2 RETURNING ROW_VERSION, %3")
                 .arg(table, where, columns.join(QStringLiteral(", "))),
             binds);
    if (r.isEmpty())
        return {};
    const qlonglong after = r.first().value(0).toLongLong();
    // raised under the lock from the version read: anything else was saved by another in between (the
    // raise goes with the refused transaction)
    if (m_rowVersion.isValid() && after != m_rowVersion.toLongLong() + 1)
        fail(staleRowMessage());
    m_rowVersionAfter = after;
    return r.first().mid(1);
}

static const QString kMaskedRefusal =
    QStringLiteral("가려진(*) 번호는 저장할 수 없습니다. 번호 전체를 다시 입력하십시오.");

QString ProcedureCall::unmasked(const QString &name, const QString &table, const QString &column,
                                const QString &where, const QHash<QString, QVariant> &keys)
{
    const QString sent = param(name);
    if (!sent.contains(QLatin1Char('*')))
        return sent;
    const QString stored = scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(column, table, where), keys);
    if (!stored.isEmpty() && maskPersonal(stored) == sent)
        return stored;
    // a masked number changed in part (or not this row's number) would be stored with its stars
    if (looksMasked(sent))
        fail(kMaskedRefusal);
    return sent;
}


static QStringList tableColumns(Database *db, const QString &table)
{
    static QMutex mutex;
    static QHash<QString, QStringList> cache;
    const QString key = db->connectionName() + QLatin1Char('/') + db->settings().schema + QLatin1Char('/') + table.toUpper();
    {
        QMutexLocker lock(&mutex);
        auto it = cache.constFind(key);
        if (it != cache.constEnd())
            return it.value();
    }
    Query q(db);
    q.setSql(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table));
    if (!q.open())
        throw DatabaseError(q.lastError());
    const QStringList cols = q.fieldNames();
    q.close();
    QMutexLocker lock(&mutex);
    cache.insert(key, cols);
    return cols;
}

namespace {
const QString kVersionSource = QStringLiteral(":ROW_VERSION");

// What one save of a table by edit status sends: built once per connection, table, status and column
// list, then every call binds its values by position, without building text or looking names up.
struct SavePlan {
    QStringList keys, columns;   // what the plan was built for
    QString sql;                 // positional text, empty when there is nothing to do
    QString whereText;           // the key condition with named placeholders (for a masked field)
    struct Source {
        QString param;           // "A" + column, "AU_EMP_NO", "AU_IP"; empty: the save's time stamp;
                                 // kVersionSource: the row version the screen read
        QString column;          // a column of the SET list: a masked text sent back keeps the stored value
    };
    QVector<Source> sources;
};
SavePlan buildSavePlan(Database *db, const QString &table, const QStringList &keys, const QStringList &columns,
                       const QString &status, bool versioned)
{
    SavePlan plan;
    plan.keys = keys;
    plan.columns = columns;
    const bool audited = tableColumns(db, table).contains(QStringLiteral("U_EMP_NO"));
    QStringList where;
    for (const QString &k : keys)
        where << QStringLiteral("%1 = :%1").arg(k);
    plan.whereText = where.join(QStringLiteral(" AND "));

    // The placeholders and what each takes, in the order of the text.
    QStringList named;
    auto add = [&](const QString &column, const QString &param, bool setColumn) {
        named << QLatin1Char(':') + column;
        plan.sources.append({param, setColumn ? column : QString()});
    };
    auto addAudit = [&] {
        add(QStringLiteral("U_EMP_NO"), QStringLiteral("AU_EMP_NO"), false);
        add(QStringLiteral("U_IP"), QStringLiteral("AU_IP"), false);
        add(QStringLiteral("U_DATE"), QString(), false);
    };
    auto addKeys = [&] {
        for (const QString &k : keys)
            add(k, QLatin1Char('A') + k, false);
    };
    QString sql;
    if (status == QLatin1String("2")) {
        QStringList cols = keys + columns;
        addKeys();
        for (const QString &c : columns)
            add(c, QLatin1Char('A') + c, false);
        if (audited) {
            cols << QStringLiteral("U_EMP_NO") << QStringLiteral("U_IP") << QStringLiteral("U_DATE");
            addAudit();
        }
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, cols.join(QStringLiteral(", ")),
                                                                    named.join(QStringLiteral(", ")));
    } else if (status == QLatin1String("1")) {
        QStringList sets;
        for (const QString &c : columns) {
            sets << QStringLiteral("%1 = :%1").arg(c);
            add(c, QLatin1Char('A') + c, true);
        }
        if (audited) {
            sets << QStringLiteral("U_EMP_NO = :U_EMP_NO") << QStringLiteral("U_IP = :U_IP")
                 << QStringLiteral("U_DATE = :U_DATE");
            addAudit();
        }
        if (versioned)
            sets << QStringLiteral("ROW_VERSION = ROW_VERSION + 1");
        if (sets.isEmpty())
            return plan;
        addKeys();
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(table, sets.join(QStringLiteral(", ")), plan.whereText);
    } else {
        addKeys();
        sql = QStringLiteral("DELETE FROM %1 WHERE %2").arg(table, plan.whereText);
    }
    if (versioned && status != QLatin1String("2")) {
        sql += QStringLiteral(" AND ROW_VERSION = :ROW_VERSION");
        add(QStringLiteral("ROW_VERSION"), kVersionSource, false);
    }
    QStringList occurrences;
    plan.sql = Query::positional(sql, &occurrences);
    Q_ASSERT(occurrences.size() == plan.sources.size());
    return plan;
}

} // namespace

void ProcedureCall::saveByEditStatus(const QString &table, const QStringList &keys, const QStringList &columns)
{
    const QString status = param(QStringLiteral("AEDITSTATUS"));
    if (status != QLatin1String("1") && status != QLatin1String("2") && status != QLatin1String("3"))
        fail(QStringLiteral("%1: unknown edit status '%2'").arg(m_procedure.name, status));

    const bool versioned = m_rowVersion.isValid();
    thread_local QHash<QString, SavePlan> plans;
    const QString planKey = m_db->connectionName() + QLatin1Char('/') + m_db->settings().schema + QLatin1Char('/')
                            + table + QLatin1Char('/') + status + (versioned ? QStringLiteral("/v") : QString());
    auto it = plans.find(planKey);
    if (it == plans.end() || it->keys != keys || it->columns != columns)
        it = plans.insert(planKey, buildSavePlan(m_db, table, keys, columns, status, versioned));
    const SavePlan &plan = it.value();
    if (plan.sql.isEmpty())
        return;

    QHash<QString, QVariant> auditValues;
    QVariantList values;
    values.reserve(plan.sources.size());
    for (const SavePlan::Source &source : plan.sources) {
        if (source.param.isEmpty()) {
            values.append(now14());
            continue;
        }
        if (source.param == kVersionSource) {
            values.append(m_rowVersion.toLongLong());
            continue;
        }
        if (source.param == QLatin1String("AU_EMP_NO") || source.param == QLatin1String("AU_IP")) {
            if (auditValues.isEmpty())
                auditValues = audit();
            values.append(auditValues.value(source.param.mid(1)));
            continue;
        }
        QVariant v = value(source.param);
        if (status == QLatin1String("2") && v.typeId() == QMetaType::QString && looksMasked(v.toString()))
            fail(kMaskedRefusal);   // a new row has no stored number a masked one could stand for
        if (!source.column.isEmpty() && v.typeId() == QMetaType::QString && v.toString().contains(QLatin1Char('*'))) {
            QHash<QString, QVariant> keyValues;
            for (const QString &k : keys)
                keyValues.insert(k, value(QLatin1Char('A') + k));
            v = unmasked(source.param, table, source.column, plan.whereText, keyValues);
        }
        values.append(v);
    }
    QString error;
    if (!Query::runPositional(m_db, plan.sql, values, nullptr, &m_rowsAffected, &error))
        statementFailed(m_procedure, error);
    if (status == QLatin1String("2"))
        m_rowVersionAfter = 0;
    else if (versioned && m_rowsAffected != 1)
        fail(staleRowMessage());
    else if (versioned)
        m_rowVersionAfter = m_rowVersion.toLongLong() + 1;
}

qlonglong ProcedureCall::takeNumber(const QString &counterTable, const QString &counterColumn,
                                     const QHash<QString, QVariant> &key, const QString &itemTable,
                                     const QString &itemColumn, bool take)
{
    QStringList names = key.keys();
    names.sort();
    QStringList where;
    for (const QString &k : names)
        where << QStringLiteral("%1 = :%1").arg(k);
    const QString whereText = QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    // The row is created or locked by one upsert (both back ends admit it): of two first numberings the
    // second waits for the first and then finds the row.
    exec(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (:%4, 0) ON CONFLICT (%2) DO UPDATE SET %3 = %1.%3")
             .arg(counterTable, names.join(QStringLiteral(", ")), counterColumn, names.join(QStringLiteral(", :"))),
         key);
    // Read under the lock by a statement of its own, so that every number committed before is seen.
    const QList<QStringList> read =
        rows(QStringLiteral("SELECT %1, (SELECT NVL(MAX(%2), 0) FROM %3%4) FROM %5%4")
                 .arg(counterColumn, itemColumn, itemTable, whereText, counterTable),
             key);
    const qlonglong last = read.isEmpty() ? 0 : read.first().value(0).toLongLong();
    const qlonglong stored = read.isEmpty() ? 0 : read.first().value(1).toLongLong();
    const qlonglong next = qMax(last, stored) + (take ? 1 : 0);
    if (next != last) {
        QHash<QString, QVariant> b = key;
        b.insert(QStringLiteral("TAKE_NUMBER_NEXT"), next);
        exec(QStringLiteral("UPDATE %1 SET %2 = :TAKE_NUMBER_NEXT").arg(counterTable, counterColumn) + whereText, b);
    }
    return next;
}

// ---- ProcedureCatalog ------------------------------------------------------------------------

ProcedureCatalog::ProcedureCatalog() { registerAllProcedures(*this); }

ProcedureCatalog &ProcedureCatalog::instance()
{
    static ProcedureCatalog catalog;
    return catalog;
}

void ProcedureCatalog::add(const Procedure &procedure)
{
    Procedure p = procedure;
    p.name = p.name.toUpper();
    for (Parameter &param : p.parameters)
        param.name = param.name.toUpper();
    m_procedures.insert(p.name, p);
}

const Procedure *ProcedureCatalog::find(const QString &name) const
{
    auto it = m_procedures.constFind(name.toUpper());
    return it == m_procedures.constEnd() ? nullptr : &it.value();
}

QStringList ProcedureCatalog::names() const
{
    QStringList n = m_procedures.keys();
    n.sort();
    return n;
}

// ---- StoredProc ------------------------------------------------------------------------------

StoredProc::StoredProc(Database *database, const QString &name) : m_db(database), m_name(name) {}

void StoredProc::setProcedure(const QString &name)
{
    m_name = name;
    m_values.clear();
}

QStringList StoredProc::paramNames() const
{
    QStringList names;
    if (const Procedure *p = ProcedureCatalog::instance().find(m_name))
        for (const Parameter &param : p->parameters)
            names << param.name;
    return names;
}

bool StoredProc::hasParam(const QString &name) const { return paramNames().contains(name.toUpper()); }

void StoredProc::setParam(const QString &name, const QVariant &value) { m_values.insert(name.toUpper(), value); }

QString StoredProc::param(const QString &name) const
{
    const QVariant v = m_values.value(name.toUpper());
    return v.isNull() ? QString() : v.toString();
}

bool StoredProc::exec()
{
    m_lastError.clear();
    const Procedure *p = ProcedureCatalog::instance().find(m_name);
    if (!p) {
        m_lastError = QStringLiteral("procedure %1 does not exist").arg(m_name);
        return false;
    }
    if (!m_db || !m_db->ensureOpen()) {
        m_lastError = m_db ? m_db->lastError() : QStringLiteral("not connected to the database");
        return false;
    }
    QHash<QString, QVariant> values;
    for (const Parameter &param : p->parameters)
        values.insert(param.name, param.direction == Direction::Out ? QVariant() : m_values.value(param.name));
    m_lastError = Query::refuseNul(values);
    if (!m_lastError.isEmpty())
        return false;

    const bool inServer = p->inServer && m_db->backend() == Backend::PostgreSQL;
    m_rowVersionAfter = QVariant();
    m_aside.clear();
    // what a successful call hands back: its output parameters, the row's version, its asides
    auto takeResults = [&](const QVariant &versionAfter, const QHash<QString, QVariant> &aside) {
        for (const Parameter &param : p->parameters)
            if (param.direction != Direction::In)
                m_values.insert(param.name, values.value(param.name));
        m_rowVersionAfter = versionAfter;
        m_aside = aside;
    };
    if (inServer && !m_db->inTransaction()) {
        // one statement is a unit of its own: run without BEGIN and COMMIT, in one round trip
        m_db->endReadBlock();
        QVariant versionAfter;
        if (!execInServer(*p, values, &versionAfter)) {
            // the statement was its own commit: lost with the connection, it may have been stored
            if (m_lastError == Database::connectionLostMessage())
                m_lastError = Database::outcomeUnknownMessage();
            return false;
        }
        takeResults(versionAfter, {});
        return true;
    }

    // Inside the caller's transaction a failed call fails the caller's whole unit of work, which the
    // caller rolls back; outside one the call is a unit of its own, committed at once.
    Transaction transaction(m_db);
    if (!transaction.isActive()) {
        m_lastError = transaction.error();
        return false;
    }
    QVariant versionAfter;
    QHash<QString, QVariant> aside;
    if (inServer) {
        if (!execInServer(*p, values, &versionAfter)) {
            transaction.setError(m_lastError);
            return false;
        }
    } else try {
        ProcedureCall call(m_db, *p, &values, m_rowVersion);
        p->body(call);
        versionAfter = call.rowVersionAfter();
        aside = call.asides();
    } catch (const DatabaseError &e) {
        m_lastError = e.message();
        transaction.setError(m_lastError);
        return false;
    }
    if (!transaction.commit()) {
        m_lastError = transaction.error();
        return false;
    }
    takeResults(versionAfter, aside);
    return true;
}

bool StoredProc::execInServer(const Procedure &procedure, QHash<QString, QVariant> &values, QVariant *versionAfter)
{
    // The function takes the procedure's input parameters in their order (texts; NULL for empty), then
    // what the client knows of the call: the row version the screen read, the time stamp of the save,
    // the session and the seconds after which a silent session's holds are free. It returns the
    // output parameters in their order, then the row version the changed row holds afterwards.
    if (procedure.clientPart) {
        ProcedureCall call(m_db, procedure, &values, m_rowVersion);
        procedure.clientPart(call);
    }
    QVariantList args;
    QString marks;
    for (const Parameter &param : procedure.parameters) {
        if (param.direction == Direction::Out)
            continue;
        const QVariant v = values.value(param.name);
        args << (v.isNull() || v.toString().isEmpty() ? QVariant() : QVariant(v.toString()));
        marks += QStringLiteral("?, ");
    }
    args << (m_rowVersion.isValid() ? QVariant(m_rowVersion.toLongLong()) : QVariant()) << ProcedureCall::now14()
         << m_db->sessionId() << Database::sessionStaleSeconds();
    QList<QStringList> rows;
    QString error;
    if (!Query::runPositional(m_db, QStringLiteral("SELECT * FROM %1(%2?, ?, ?, ?)").arg(procedure.name, marks), args,
                              &rows, nullptr, &error)) {
        // a refusal of the procedure is raised with its message as the text (P0001); a rule of the
        // tables is worded as for a statement of a body
        static const QRegularExpression raised(QStringLiteral("^\\S+:\\s+([^\\n]*)[\\s\\S]*\\(P0001\\)\\s*$"));
        const QRegularExpressionMatch m = raised.match(error);
        if (m.hasMatch()) {
            m_lastError = m.captured(1).trimmed();
        } else {
            m_lastError = ProcedureCall::refusalOf(error);
            if (m_lastError != error)
                qWarning("%s: %s", qPrintable(procedure.name), qPrintable(error.simplified()));
        }
        return false;
    }
    const QStringList row = rows.value(0);
    int at = 0;
    for (const Parameter &param : procedure.parameters)
        if (param.direction != Direction::In) {
            const QString v = row.value(at++);
            values.insert(param.name, v.isEmpty() ? QVariant() : QVariant(v));
        }
    const QString version = row.value(at);
    *versionAfter = version.isEmpty() ? QVariant() : QVariant(version.toLongLong());
    return true;
}

} // namespace db
