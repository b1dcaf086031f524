#include "modules/weather/observationimport.h"
#include "database/copyin.h"
#include "database/database.h"
#include "database/query.h"
#include "database/transaction.h"
#include "core/utils.h"
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringDecoder>
#include <cmath>
#include <memory>

namespace weather {

namespace {

struct Range {
    double low, high;
};
// The plausible range of each measurement, in the order of Observation::values.
const Range kRanges[7] = {
    {-80, 60},     // TEMPERATURE °C
    {0, 100},      // HUMIDITY %
    {0, 100},      // WIND_VELOCITY m/s
    {0, 360},      // WIND_DIRECTION degrees
    {0, 2000},     // RADIATION W/m²
    {300, 1200},   // ATMOSPHERIC hPa
    {0, 1000},     // SNOWFALL mm
};

QString where(const QString &fileName, int line, const QString &field)
{
    QString text = QStringLiteral("%1, line %2").arg(QFileInfo(fileName).fileName()).arg(line);
    if (!field.isEmpty())
        text += QStringLiteral(", field %1").arg(field);
    return text + QStringLiteral(": ");
}

const char *kUpsert =
    "INSERT INTO EA010MS (OBSE_DATE, OBSE_TIME, OBSE_PLACE_GUBUN, TEMPERATURE, HUMIDITY, WIND_VELOCITY,\n"
    "                     WIND_DIRECTION, RADIATION, ATMOSPHERIC, SNOWFALL, U_EMP_NO, U_IP, U_DATE)\n"
    "VALUES (:OBSE_DATE, :OBSE_TIME, :OBSE_PLACE_GUBUN, :TEMPERATURE, :HUMIDITY, :WIND_VELOCITY,\n"
    "        :WIND_DIRECTION, :RADIATION, :ATMOSPHERIC, :SNOWFALL, :U_EMP_NO, :U_IP, :U_DATE)\n"
    "ON CONFLICT (OBSE_DATE, OBSE_PLACE_GUBUN, OBSE_TIME) DO UPDATE SET\n"
    "  TEMPERATURE = EXCLUDED.TEMPERATURE, HUMIDITY = EXCLUDED.HUMIDITY,\n"
    "  WIND_VELOCITY = EXCLUDED.WIND_VELOCITY, WIND_DIRECTION = EXCLUDED.WIND_DIRECTION,\n"
    "  RADIATION = EXCLUDED.RADIATION, ATMOSPHERIC = EXCLUDED.ATMOSPHERIC, SNOWFALL = EXCLUDED.SNOWFALL,\n"
    "  U_EMP_NO = EXCLUDED.U_EMP_NO, U_IP = EXCLUDED.U_IP, U_DATE = EXCLUDED.U_DATE,\n"
    "  ROW_VERSION = EA010MS.ROW_VERSION + 1";

} // namespace

const QStringList &importColumns()
{
    static const QStringList columns = {"OBSE_DATE", "OBSE_TIME", "OBSE_PLACE_GUBUN", "TEMPERATURE", "HUMIDITY",
                                        "WIND_VELOCITY", "WIND_DIRECTION", "RADIATION", "ATMOSPHERIC", "SNOWFALL"};
    return columns;
}

namespace {

// The observations of a file stand in a temporary table of the connection until the whole file has
// been read and checked: the program keeps one line at a time, and a day, place and time given twice
// is found by the table's key.
const char *kCreateLoad =
    "CREATE TEMP TABLE EA010MS_LOAD (\n"
    "  OBSE_DATE VARCHAR(8) NOT NULL, OBSE_TIME VARCHAR(4) NOT NULL, OBSE_PLACE_GUBUN VARCHAR(2) NOT NULL,\n"
    "  TEMPERATURE NUMERIC(9,3), HUMIDITY NUMERIC(9,3), WIND_VELOCITY NUMERIC(9,3), WIND_DIRECTION NUMERIC(9,3),\n"
    "  RADIATION NUMERIC(12,3), ATMOSPHERIC NUMERIC(12,3), SNOWFALL NUMERIC(9,3), LINE_NO INTEGER NOT NULL,\n"
    "  PRIMARY KEY (OBSE_DATE, OBSE_PLACE_GUBUN, OBSE_TIME))";
// On PostgreSQL the lines reach the load table through COPY, which a key would stop at the first
// observation given twice without saying where: the table has none there, and the first line given
// twice is looked for only when storing from it fails.
const char *kCreateCopyLoad =
    "CREATE TEMP TABLE EA010MS_LOAD (\n"
    "  OBSE_DATE VARCHAR(8) NOT NULL, OBSE_TIME VARCHAR(4) NOT NULL, OBSE_PLACE_GUBUN VARCHAR(2) NOT NULL,\n"
    "  TEMPERATURE NUMERIC(9,3), HUMIDITY NUMERIC(9,3), WIND_VELOCITY NUMERIC(9,3), WIND_DIRECTION NUMERIC(9,3),\n"
    "  RADIATION NUMERIC(12,3), ATMOSPHERIC NUMERIC(12,3), SNOWFALL NUMERIC(9,3), LINE_NO INTEGER NOT NULL)";
// The first line that repeats an earlier one's day, place and time, with that earlier line.
const char *kFirstRepeat =
    "SELECT D.LINE_NO, D.OBSE_PLACE_GUBUN, D.OBSE_DATE, D.OBSE_TIME, D.FIRST_LINE FROM (\n"
    "  SELECT LINE_NO, OBSE_PLACE_GUBUN, OBSE_DATE, OBSE_TIME,\n"
    "         MIN(LINE_NO) OVER (PARTITION BY OBSE_DATE, OBSE_PLACE_GUBUN, OBSE_TIME) AS FIRST_LINE\n"
    "  FROM EA010MS_LOAD) D\n"
    "WHERE D.LINE_NO > D.FIRST_LINE ORDER BY D.LINE_NO LIMIT 1";
const char *kStage =
    "INSERT INTO EA010MS_LOAD (OBSE_DATE, OBSE_TIME, OBSE_PLACE_GUBUN, TEMPERATURE, HUMIDITY, WIND_VELOCITY,\n"
    "                          WIND_DIRECTION, RADIATION, ATMOSPHERIC, SNOWFALL, LINE_NO)\n"
    "VALUES (:OBSE_DATE, :OBSE_TIME, :OBSE_PLACE_GUBUN, :TEMPERATURE, :HUMIDITY, :WIND_VELOCITY,\n"
    "        :WIND_DIRECTION, :RADIATION, :ATMOSPHERIC, :SNOWFALL, :LINE_NO)\n"
    "ON CONFLICT (OBSE_DATE, OBSE_PLACE_GUBUN, OBSE_TIME) DO NOTHING";
const char *kStore =
    "INSERT INTO EA010MS (OBSE_DATE, OBSE_TIME, OBSE_PLACE_GUBUN, TEMPERATURE, HUMIDITY, WIND_VELOCITY,\n"
    "                     WIND_DIRECTION, RADIATION, ATMOSPHERIC, SNOWFALL, U_EMP_NO, U_IP, U_DATE)\n"
    "SELECT OBSE_DATE, OBSE_TIME, OBSE_PLACE_GUBUN, TEMPERATURE, HUMIDITY, WIND_VELOCITY, WIND_DIRECTION,\n"
    "       RADIATION, ATMOSPHERIC, SNOWFALL, CAST(:U_EMP_NO AS VARCHAR(10)), CAST(:U_IP AS VARCHAR(15)),\n"
    "       CAST(:U_DATE AS VARCHAR(14)) FROM EA010MS_LOAD WHERE 1 = 1\n"
    "ON CONFLICT (OBSE_DATE, OBSE_PLACE_GUBUN, OBSE_TIME) DO UPDATE SET\n"
    "  TEMPERATURE = EXCLUDED.TEMPERATURE, HUMIDITY = EXCLUDED.HUMIDITY,\n"
    "  WIND_VELOCITY = EXCLUDED.WIND_VELOCITY, WIND_DIRECTION = EXCLUDED.WIND_DIRECTION,\n"
    "  RADIATION = EXCLUDED.RADIATION, ATMOSPHERIC = EXCLUDED.ATMOSPHERIC, SNOWFALL = EXCLUDED.SNOWFALL,\n"
    "  U_EMP_NO = EXCLUDED.U_EMP_NO, U_IP = EXCLUDED.U_IP, U_DATE = EXCLUDED.U_DATE,\n"
    "  ROW_VERSION = EA010MS.ROW_VERSION + 1";

// A number as the stations write it: an optional minus, digits, and a point with digits after it.
bool isPlainNumber(const QString &f)
{
    qsizetype i = f.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype digitsFrom = i;
    while (i < f.size() && f.at(i) >= QLatin1Char('0') && f.at(i) <= QLatin1Char('9'))
        ++i;
    if (i == digitsFrom)
        return false;
    if (i == f.size())
        return true;
    if (f.at(i) != QLatin1Char('.') || ++i == f.size())
        return false;
    while (i < f.size() && f.at(i) >= QLatin1Char('0') && f.at(i) <= QLatin1Char('9'))
        ++i;
    return i == f.size();
}

bool isPlaceCode(const QString &f)
{
    if (f.size() != 2)
        return false;
    for (const QChar c : f)   // letters and digits of ASCII only: no 'ß' that upper case makes "SS"
        if (c.unicode() >= 0x80 || !c.isLetterOrNumber())
            return false;
    return true;
}

// Checks the lines of a file one at a time.
class LineChecker {
public:
    LineChecker(const QString &fileName, const QStringList &places)
        : m_file(fileName), m_known(places.begin(), places.end()) {}
    bool sawHeader() const { return m_header; }
    // The fields of the line last checked, trimmed.
    const QStringList &fields() const { return m_fields; }

    // One line without its end; true with *data set when it holds an observation.
    bool check(int lineNo, QString line, Observation *o, bool *data, QString *error)
    {
        *data = false;
        const QStringList &columns = importColumns();
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#')))
            return true;
        QStringList &fields = m_fields;
        fields = line.split(QLatin1Char(','));
        for (QString &f : fields)
            f = f.trimmed();
        for (int i = 0; i < fields.size(); ++i) {
            if (fields.at(i).contains(QChar(0))) {
                *error = where(m_file, lineNo, m_header && i < columns.size() ? columns.at(i) : QString())
                         + QStringLiteral("the field holds a NUL character");
                return false;
            }
        }
        if (!m_header) {
            QStringList upper;
            for (const QString &f : fields)
                upper << f.toUpper();
            if (upper != columns) {
                *error = where(m_file, lineNo, {}) + QStringLiteral("the first line must name the columns ")
                         + columns.join(QLatin1Char(','));
                return false;
            }
            m_header = true;
            return true;
        }
        if (fields.size() != columns.size()) {
            *error = where(m_file, lineNo, {})
                     + QStringLiteral("%1 fields expected, %2 found").arg(columns.size()).arg(fields.size());
            return false;
        }
        *o = Observation();
        o->date = fields.at(0);
        if (!isDate(o->date)) {
            *error = where(m_file, lineNo, columns.at(0)) + QStringLiteral("\"%1\" is not a date yyyymmdd").arg(o->date);
            return false;
        }
        o->time = fields.at(1);
        if (o->time.size() != 4 || !IsDigitText(o->time) || QStringView(o->time).left(2).toInt() > 23
            || QStringView(o->time).mid(2).toInt() > 59) {
            *error = where(m_file, lineNo, columns.at(1)) + QStringLiteral("\"%1\" is not a time hhmm").arg(o->time);
            return false;
        }
        o->place = fields.at(2).toUpper();
        if (!isPlaceCode(fields.at(2)) || (!m_known.isEmpty() && !m_known.contains(o->place))) {
            *error = where(m_file, lineNo, columns.at(2))
                     + QStringLiteral("\"%1\" is not an observation place (code group E0001)").arg(fields.at(2));
            return false;
        }
        for (int v = 0; v < 7; ++v) {
            const QString &f = fields.at(3 + v);
            if (f.isEmpty())
                continue;   // a missing reading
            bool ok = isPlainNumber(f);
            const double value = ok ? QLocale::c().toDouble(f, &ok) : 0;
            if (!ok || !std::isfinite(value)) {
                *error = where(m_file, lineNo, columns.at(3 + v)) + QStringLiteral("\"%1\" is not a number").arg(f);
                return false;
            }
            if (value < kRanges[v].low || value > kRanges[v].high) {
                *error = where(m_file, lineNo, columns.at(3 + v))
                         + QStringLiteral("%1 lies outside %2 … %3").arg(f).arg(kRanges[v].low).arg(kRanges[v].high);
                return false;
            }
            o->values[v] = value;
        }
        *data = true;
        return true;
    }

private:
    // A file holds few days, each on many lines: each is checked once (a bounded memory of them).
    bool isDate(const QString &d)
    {
        auto it = m_dates.constFind(d);
        if (it != m_dates.constEnd())
            return it.value();
        const bool ok = d.size() == 8 && IsDigitText(d)
                        && QDate(QStringView(d).left(4).toInt(), QStringView(d).mid(4, 2).toInt(),
                                 QStringView(d).mid(6, 2).toInt()).isValid();
        if (m_dates.size() >= 1024)
            m_dates.clear();
        m_dates.insert(d, ok);
        return ok;
    }

    QString m_file;
    QStringList m_fields;
    QSet<QString> m_known;
    QHash<QString, bool> m_dates;
    bool m_header = false;
};

} // namespace

bool storeObservations(db::Database *database, const QString &fileName, const QVector<Observation> &observations,
                       QString *error)
{
    const QString prefix = QFileInfo(fileName).fileName() + QStringLiteral(": ");
    db::Transaction tx(database);
    if (!tx.isActive()) {
        *error = prefix + tx.error();
        return false;
    }
    // One statement for every line, its values bound by position in the order of the text.
    QStringList order;
    const QString sql = db::Query::positional(QString::fromLatin1(kUpsert), &order);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss"));
    QVariantList values(13);
    values[10] = QStringLiteral("IMPORT");
    values[11] = QStringLiteral("127.0.0.1");
    values[12] = stamp;
    for (const Observation &o : observations) {
        values[0] = o.date;
        values[1] = o.time;
        values[2] = o.place;
        for (int v = 0; v < 7; ++v)
            values[3 + v] = o.values[v];
        QString failure;
        if (!db::Query::runPositional(database, sql, values, nullptr, nullptr, &failure)) {
            tx.setError(failure);
            tx.rollback();
            *error = prefix + failure;
            return false;
        }
    }
    if (!tx.commit()) {
        *error = prefix + tx.error();
        return false;
    }
    return true;
}

namespace {

// Where the checked lines wait for the store: the load table, filled a line at a time through one
// prepared statement (the load table's key finds a repeated observation at once), or through COPY on
// PostgreSQL (a repeat is looked for afterwards, see kFirstRepeat).
class Stage {
public:
    Stage(db::Database *database, const QString &fileName) : m_database(database), m_file(fileName) {}

    bool begin(QString *error)
    {
        if (db::CopyIn::available(m_database)) {
            if (!m_database->execute(QString::fromLatin1(kCreateCopyLoad))) {
                *error = m_database->lastError();
                return false;
            }
            m_copied = true;
            m_copy = std::make_unique<db::CopyIn>(
                m_database, QStringLiteral("EA010MS_LOAD"),
                QStringList(importColumns()) << QStringLiteral("LINE_NO"));
            if (!m_copy->isActive()) {
                *error = m_copy->error();
                return false;
            }
            return true;
        }
        if (!m_database->execute(QString::fromLatin1(kCreateLoad))) {
            *error = m_database->lastError();
            return false;
        }
        QStringList order;
        m_insert = std::make_unique<QSqlQuery>(m_database->sql());
        if (!m_insert->prepare(db::Query::positional(QString::fromLatin1(kStage), &order))) {
            *error = m_insert->lastError().text().trimmed();
            return false;
        }
        return true;
    }

    // One checked line; false with *error (the observation given twice, or the database's reason).
    bool add(int lineNo, const Observation &o, const QStringList &fields, QString *error)
    {
        if (m_copy) {
            // The numbers go as the file writes them (a plain decimal the column reads as the text
            // says); a long one as the value read, as a bound number would go.
            QString numbers[7];
            QStringView views[7];
            for (int v = 0; v < 7; ++v) {
                if (!o.values[v].isValid())
                    continue;
                const QString &f = fields.at(3 + v);
                if (f.size() <= 15) {
                    views[v] = f;
                } else {
                    numbers[v] = QString::number(o.values[v].toDouble(), 'g', QLocale::FloatingPointShortest);
                    views[v] = numbers[v];
                }
            }
            const QString line = QString::number(lineNo);
            if (!m_copy->addRow({o.date, o.time, o.place, views[0], views[1], views[2], views[3], views[4], views[5],
                                 views[6], line})) {
                *error = prefixed(m_copy->error());
                return false;
            }
            return true;
        }
        m_insert->bindValue(0, o.date);
        m_insert->bindValue(1, o.time);
        m_insert->bindValue(2, o.place);
        for (int v = 0; v < 7; ++v)
            m_insert->bindValue(3 + v, o.values[v]);
        m_insert->bindValue(10, lineNo);
        if (!m_insert->exec()) {
            *error = prefixed(m_insert->lastError().databaseText().trimmed().isEmpty()
                                  ? m_insert->lastError().text().trimmed()
                                  : m_insert->lastError().databaseText().trimmed());
            return false;
        }
        if (m_insert->numRowsAffected() == 0) {
            QList<QStringList> first;
            QString failure;
            db::Query::run(m_database,
                           QStringLiteral("SELECT LINE_NO FROM EA010MS_LOAD WHERE OBSE_DATE = :D AND "
                                          "OBSE_PLACE_GUBUN = :P AND OBSE_TIME = :T"),
                           {{QStringLiteral("D"), o.date}, {QStringLiteral("P"), o.place}, {QStringLiteral("T"), o.time}},
                           &first, nullptr, &failure);
            *error = repeated(lineNo, o.place, o.date, o.time, first.value(0).value(0));
            return false;
        }
        return true;
    }

    // The lines are all in: the load table holds them. False with *error.
    bool end(QString *error)
    {
        m_insert.reset();
        if (m_copy && !m_copy->finish()) {
            *error = prefixed(m_copy->error());
            m_copy.reset();
            return false;
        }
        m_copy.reset();
        return true;
    }

    // Reading stopped at a line that is refused (for why): a line given twice before it is named
    // first, as the line-by-line load names it. The load table is not used afterwards.
    QString refused(const QString &why)
    {
        if (!m_copy)
            return why;
        QString ignored;
        if (!end(&ignored))
            return why;
        const QString repeat = firstRepeat();
        return repeat.isEmpty() ? why : repeat;
    }

    // Stores the load table in EA010MS. False with *error: the first line given twice, when there is
    // one (on PostgreSQL found only when the store fails), else the database's reason.
    bool store(QString *error)
    {
        const QHash<QString, QVariant> stamp{
            {QStringLiteral("U_EMP_NO"), QStringLiteral("IMPORT")},
            {QStringLiteral("U_IP"), QStringLiteral("127.0.0.1")},
            {QStringLiteral("U_DATE"), QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss"))}};
        QString failure;
        if (m_copied && !m_database->execute(QStringLiteral("SAVEPOINT EA010MS_LOAD"))) {
            *error = prefixed(m_database->lastError());
            return false;
        }
        if (!(m_copied ? storeCopied(stamp, &failure)
                       : db::Query::run(m_database, QString::fromLatin1(kStore), stamp, nullptr, nullptr, &failure))) {
            // on PostgreSQL an observation given twice fails the store (a row cannot be written twice
            // by one statement, nor added twice): the line is named
            const QString repeat = m_copied && m_database->execute(QStringLiteral("ROLLBACK TO SAVEPOINT EA010MS_LOAD"))
                                       ? firstRepeat() : QString();
            *error = repeat.isEmpty() ? prefixed(failure) : repeat;
            return false;
        }
        if (!m_database->execute(QStringLiteral("DROP TABLE EA010MS_LOAD"))) {
            *error = prefixed(m_database->lastError());
            return false;
        }
        return true;
    }

private:
    // The store of kStore in two steps, each the cheaper for its lines: the observations already in
    // EA010MS replaced through the upsert, the others (usually all) added by a plain insert, which costs
    // the server a third less than an upsert of every line. An observation given twice fails either.
    bool storeCopied(const QHash<QString, QVariant> &stamp, QString *failure)
    {
        const QString store = QString::fromLatin1(kStore);
        const QString all = QStringLiteral("FROM EA010MS_LOAD WHERE 1 = 1");
        const QString stored = QStringLiteral(
            "EXISTS (SELECT 1 FROM EA010MS E WHERE E.OBSE_DATE = L.OBSE_DATE AND E.OBSE_PLACE_GUBUN = L.OBSE_PLACE_GUBUN "
            "AND E.OBSE_TIME = L.OBSE_TIME)");
        QString replace = store, add = store.left(store.indexOf(QStringLiteral("ON CONFLICT")));
        replace.replace(all, QStringLiteral("FROM EA010MS_LOAD L WHERE ") + stored);
        add.replace(all, QStringLiteral("FROM EA010MS_LOAD L WHERE NOT ") + stored);
        // the planner learns the load table's size before joining it with EA010MS
        if (!m_database->execute(QStringLiteral("ANALYZE EA010MS_LOAD"))) {
            *failure = m_database->lastError();
            return false;
        }
        return db::Query::run(m_database, replace, stamp, nullptr, nullptr, failure)
               && db::Query::run(m_database, add, stamp, nullptr, nullptr, failure);
    }

    QString prefixed(const QString &why) const { return QFileInfo(m_file).fileName() + QStringLiteral(": ") + why; }
    QString repeated(int lineNo, const QString &place, const QString &date, const QString &time, const QString &first) const
    {
        return where(m_file, lineNo, {})
               + QStringLiteral("the observation of %1 %2 at %3 is already on line %4").arg(place, date, time, first);
    }
    QString firstRepeat()
    {
        QList<QStringList> rows;
        QString failure;
        if (!db::Query::run(m_database, QString::fromLatin1(kFirstRepeat), {}, &rows, nullptr, &failure) || rows.isEmpty())
            return QString();
        const QStringList &r = rows.first();
        return repeated(r.value(0).toInt(), r.value(1), r.value(2), r.value(3), r.value(4));
    }

    db::Database *m_database;
    QString m_file;
    std::unique_ptr<QSqlQuery> m_insert;
    std::unique_ptr<db::CopyIn> m_copy;
    bool m_copied = false;
};

} // namespace

bool importObservations(db::Database *database, const QString &fileName, QIODevice *device, int *count,
                        QString *error)
{
    *count = 0;
    const QString name = QFileInfo(fileName).fileName();
    const QString prefix = name + QStringLiteral(": ");
    QStringList places;
    QList<QStringList> rows;
    QString failure;
    if (!db::Query::run(database, QStringLiteral("SELECT DETAIL FROM ZX010MS WHERE HEAD = 'E0001'"), {}, &rows,
                        nullptr, &failure)) {
        *error = prefix + failure;
        return false;
    }
    for (const QStringList &r : rows)
        places << r.value(0);

    // All or nothing: the lines go to the load table and from there to EA010MS in one transaction.
    db::Transaction tx(database);
    Stage stage(database, fileName);
    auto fail = [&](const QString &why) {
        tx.setError(why);
        tx.rollback();
        *error = why;
        *count = 0;
        return false;
    };
    if (!tx.isActive())
        return fail(prefix + tx.error());
    if (!stage.begin(&failure))
        return fail(prefix + failure);
    // A line refused after others went to the load table: one given twice before it is named first.
    auto refuse = [&](const QString &why) { return fail(stage.refused(why)); };
    LineChecker checker(fileName, places);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    qint64 bytes = 0;
    int lineNo = 0;
    for (;;) {
        // One line at a time, never more than kLongestLine bytes of it.
        QByteArray raw = device->readLine(kLongestLine + 2);
        if (raw.isEmpty()) {
            if (device->atEnd())
                break;
            return refuse(prefix + QStringLiteral("the file cannot be read: ") + device->errorString());
        }
        ++lineNo;
        bytes += raw.size();
        if (bytes > kLargestFile)
            return refuse(prefix + QStringLiteral("the file is larger than %1 bytes; split it into smaller files")
                                       .arg(kLargestFile));
        if (raw.endsWith('\n'))
            raw.chop(1);
        else if (!device->atEnd())
            return refuse(where(fileName, lineNo, {}) + QStringLiteral("the line is longer than %1 bytes").arg(kLongestLine));
        if (lineNo == 1 && raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);
        utf8.resetState();
        const QString line = utf8.decode(raw);
        if (utf8.hasError())
            return refuse(where(fileName, lineNo, {}) + QStringLiteral("the line is not UTF-8 text"));
        Observation o;
        bool data = false;
        QString why;
        if (!checker.check(lineNo, line, &o, &data, &why))
            return refuse(why);
        if (!data)
            continue;
        if (!stage.add(lineNo, o, checker.fields(), &why))
            return fail(why);
        ++*count;
    }
    if (!checker.sawHeader())
        return fail(where(fileName, 1, {}) + QStringLiteral("the file has no header line"));
    if (!stage.end(&failure) || !stage.store(&failure))
        return fail(failure);
    if (!tx.commit()) {
        *error = prefix + tx.error();
        *count = 0;
        return false;
    }
    return true;
}

bool importObservationFile(db::Database *database, const QString &path, int *count, QString *error)
{
    *count = 0;
    const QString prefix = QFileInfo(path).fileName() + QStringLiteral(": ");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = prefix + QStringLiteral("the file cannot be read: ") + file.errorString();
        return false;
    }
    if (!file.isSequential() && file.size() > kLargestFile) {
        *error = prefix + QStringLiteral("the file is larger than %1 bytes; split it into smaller files").arg(kLargestFile);
        return false;
    }
    if (!importObservations(database, path, &file, count, error)) {
        *count = 0;
        return false;
    }
    return true;
}

} // namespace weather
