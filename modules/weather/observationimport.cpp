#include "modules/weather/observationimport.h"
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
#include <cmath>

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
    "  U_EMP_NO = EXCLUDED.U_EMP_NO, U_IP = EXCLUDED.U_IP, U_DATE = EXCLUDED.U_DATE";

} // namespace

const QStringList &importColumns()
{
    static const QStringList columns = {"OBSE_DATE", "OBSE_TIME", "OBSE_PLACE_GUBUN", "TEMPERATURE", "HUMIDITY",
                                        "WIND_VELOCITY", "WIND_DIRECTION", "RADIATION", "ATMOSPHERIC", "SNOWFALL"};
    return columns;
}

bool parseObservations(const QString &fileName, const QByteArray &content, const QStringList &places,
                       QVector<Observation> *observations, QString *error)
{
    observations->clear();
    QByteArray bytes = content;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter)) {
        *error = where(fileName, 1, {}) + QStringLiteral("the file is not UTF-8 text");
        return false;
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QStringList &columns = importColumns();
    const QSet<QString> known(places.begin(), places.end());
    QHash<QString, int> seen;   // day, place and time -> line
    QHash<QString, bool> dates;  // a file holds few days, each on many lines: each is checked once
    auto isDate = [&dates](const QString &d) {
        auto it = dates.constFind(d);
        if (it != dates.constEnd())
            return it.value();
        const bool ok = d.size() == 8 && IsDigitText(d)
                        && QDate(QStringView(d).left(4).toInt(), QStringView(d).mid(4, 2).toInt(),
                                 QStringView(d).mid(6, 2).toInt()).isValid();
        dates.insert(d, ok);
        return ok;
    };
    const QLocale c = QLocale::c();
    bool header = false;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        QStringList fields = line.split(QLatin1Char(','));
        for (QString &f : fields)
            f = f.trimmed();
        if (!header) {
            QStringList upper;
            for (const QString &f : fields)
                upper << f.toUpper();
            if (upper != columns) {
                *error = where(fileName, lineNo, {}) + QStringLiteral("the first line must name the columns ")
                         + columns.join(QLatin1Char(','));
                return false;
            }
            header = true;
            continue;
        }
        if (fields.size() != columns.size()) {
            *error = where(fileName, lineNo, {})
                     + QStringLiteral("%1 fields expected, %2 found").arg(columns.size()).arg(fields.size());
            return false;
        }
        Observation o;
        o.date = fields.at(0);
        if (!isDate(o.date)) {
            *error = where(fileName, lineNo, columns.at(0)) + QStringLiteral("\"%1\" is not a date yyyymmdd").arg(o.date);
            return false;
        }
        o.time = fields.at(1);
        if (o.time.size() != 4 || !IsDigitText(o.time) || QStringView(o.time).left(2).toInt() > 23
            || QStringView(o.time).mid(2).toInt() > 59) {
            *error = where(fileName, lineNo, columns.at(1)) + QStringLiteral("\"%1\" is not a time hhmm").arg(o.time);
            return false;
        }
        o.place = fields.at(2).toUpper();
        if (o.place.size() != 2 || (!known.isEmpty() && !known.contains(o.place))) {
            *error = where(fileName, lineNo, columns.at(2))
                     + QStringLiteral("\"%1\" is not an observation place (code group E0001)").arg(fields.at(2));
            return false;
        }
        for (int v = 0; v < 7; ++v) {
            const QString &f = fields.at(3 + v);
            if (f.isEmpty())
                continue;   // a missing reading
            bool ok = false;
            const double value = c.toDouble(f, &ok);
            if (!ok || !std::isfinite(value)) {
                *error = where(fileName, lineNo, columns.at(3 + v)) + QStringLiteral("\"%1\" is not a number").arg(f);
                return false;
            }
            if (value < kRanges[v].low || value > kRanges[v].high) {
                *error = where(fileName, lineNo, columns.at(3 + v))
                         + QStringLiteral("%1 lies outside %2 … %3").arg(f).arg(kRanges[v].low).arg(kRanges[v].high);
                return false;
            }
            o.values[v] = value;
        }
        const QString key = o.date + o.place + o.time;
        if (seen.contains(key)) {
            *error = where(fileName, lineNo, {})
                     + QStringLiteral("the observation of %1 %2 at %3 is already on line %4")
                           .arg(o.place, o.date, o.time).arg(seen.value(key));
            return false;
        }
        seen.insert(key, lineNo);
        observations->append(o);
    }
    if (!header) {
        *error = where(fileName, 1, {}) + QStringLiteral("the file has no header line");
        return false;
    }
    return true;
}

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

bool importObservationFile(db::Database *database, const QString &path, int *count, QString *error)
{
    *count = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QFileInfo(path).fileName() + QStringLiteral(": ") + file.errorString();
        return false;
    }
    QStringList places;
    QList<QStringList> rows;
    QString failure;
    if (!db::Query::run(database, QStringLiteral("SELECT DETAIL FROM ZX010MS WHERE HEAD = 'E0001'"), {}, &rows,
                        nullptr, &failure)) {
        *error = QFileInfo(path).fileName() + QStringLiteral(": ") + failure;
        return false;
    }
    for (const QStringList &r : rows)
        places << r.value(0);
    QVector<Observation> observations;
    if (!parseObservations(path, file.readAll(), places, &observations, error)
        || !storeObservations(database, path, observations, error))
        return false;
    *count = int(observations.size());
    return true;
}

} // namespace weather
