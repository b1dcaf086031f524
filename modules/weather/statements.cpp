#include "modules/weather/statements.h"

namespace weather {

namespace {

// The hourly values of one place and hour, with their roundings.
struct HourValue {
    const char *name;
    const char *expr;
};
const HourValue kHourValues[] = {
    {"TEMPERATURE_MIN", "ROUND(MIN(TEMPERATURE),2)"},
    {"TEMPERATURE_MAX", "ROUND(MAX(TEMPERATURE),2)"},
    {"TEMPERATURE", "ROUND(AVG(TEMPERATURE),2)"},
    {"HUMIDITY", "ROUND(AVG(HUMIDITY),1)"},
    {"WIND_VELOCITY", "ROUND(AVG(WIND_VELOCITY),2)"},
    {"WIND_DIRECTION", "ROUND(AVG(WIND_DIRECTION),1)"},
};

// The same values of one place over the whole day (nulls left out).
QString dayValue(const QString &place, const char *name)
{
    static const QHash<QString, QString> exprs = {
        {"TEMPERATURE_MIN", "ROUND(MIN(CASE WHEN OBSE_PLACE_GUBUN = '%1' THEN TEMPERATURE END),2)"},
        {"TEMPERATURE_MAX", "ROUND(MAX(CASE WHEN OBSE_PLACE_GUBUN = '%1' THEN TEMPERATURE END),2)"},
        {"TEMPERATURE", "ROUND(AVG(CASE WHEN OBSE_PLACE_GUBUN = '%1' THEN TEMPERATURE END),2)"},
        {"HUMIDITY", "ROUND(AVG(CASE WHEN OBSE_PLACE_GUBUN = '%1' THEN HUMIDITY END),1)"},
        {"WIND_VELOCITY", "ROUND(AVG(CASE WHEN OBSE_PLACE_GUBUN = '%1' THEN WIND_VELOCITY END),2)"},
        {"WIND_DIRECTION", "ROUND(AVG(CASE WHEN OBSE_PLACE_GUBUN = '%1' THEN WIND_DIRECTION END),1)"},
    };
    return exprs.value(QString::fromLatin1(name)).arg(place) + QStringLiteral(" AS %1_%2").arg(QString::fromLatin1(name), place);
}

// The values a place shows: A1 its minimum and maximum too, the others the four averages.
QList<const char *> shownValues(const QString &place)
{
    if (place == QLatin1String("A1"))
        return {"TEMPERATURE_MIN", "TEMPERATURE_MAX", "TEMPERATURE", "HUMIDITY", "WIND_VELOCITY", "WIND_DIRECTION"};
    return {"TEMPERATURE", "HUMIDITY", "WIND_VELOCITY", "WIND_DIRECTION"};
}

const char *kPlaceWhere = " WHERE OBSE_DATE BETWEEN :OBSE_DATE_FROM AND :OBSE_DATE_TO\n"
                          "   AND OBSE_PLACE_GUBUN = :OBSE_PLACE_GUBUN\n";

} // namespace

const QStringList &placeCodes()
{
    static const QStringList codes = {"A1", "A2", "A3", "A4", "A5", "A6", "A7"};
    return codes;
}

const QStringList &placeTitles()
{
    static const QStringList titles = {"BASE1", "BASE2", "JUMP", "PEAK1", "MIDPEAK1", "HALLINCC", "NEWPEAK2"};
    return titles;
}

Statement hourly(const QString &date)
{
    QStringList inner, outer;
    for (const HourValue &v : kHourValues)
        inner << QStringLiteral("%1 AS %2").arg(QString::fromLatin1(v.expr), QString::fromLatin1(v.name));
    for (const QString &place : placeCodes())
        for (const HourValue &v : kHourValues)
            outer << QStringLiteral("MAX(CASE WHEN T.OBSE_PLACE_GUBUN = '%1' THEN T.%2 END) AS %2_%1")
                         .arg(place, QString::fromLatin1(v.name));
    Statement s;
    s.sql = QStringLiteral("SELECT T.OBSE_TIME,\n       %1\n"
                           "  FROM (SELECT OBSE_PLACE_GUBUN, SUBSTR(OBSE_TIME,1,2) AS OBSE_TIME,\n"
                           "               %2\n"
                           "          FROM EA010MS\n"
                           "         WHERE OBSE_DATE = :OBSE_DATE\n"
                           "         GROUP BY OBSE_PLACE_GUBUN, SUBSTR(OBSE_TIME,1,2)) T\n"
                           " GROUP BY T.OBSE_TIME\n"
                           " ORDER BY T.OBSE_TIME")
                .arg(outer.join(QStringLiteral(",\n       ")), inner.join(QStringLiteral(",\n               ")));
    s.binds = {{"OBSE_DATE", date}};
    return s;
}

Statement hourlyFooter(const QString &date)
{
    QStringList values;
    for (const QString &place : placeCodes())
        for (const char *name : shownValues(place))
            values << dayValue(place, name);
    Statement s;
    s.sql = QStringLiteral("SELECT %1\n  FROM EA010MS\n WHERE OBSE_DATE = :OBSE_DATE")
                .arg(values.join(QStringLiteral(",\n       ")));
    s.binds = {{"OBSE_DATE", date}};
    return s;
}

Statement dayObservations(const QString &date, const QString &place)
{
    Statement s;
    s.sql = QStringLiteral(
        "SELECT SUBSTR(OBSE_TIME,1,2) || ':' || SUBSTR(OBSE_TIME,3,2) AS OBSE_TIME,\n"
        "       TEMPERATURE, HUMIDITY, WIND_VELOCITY, WIND_DIRECTION, RADIATION, ATMOSPHERIC, SNOWFALL\n"
        "  FROM EA010MS\n"
        " WHERE OBSE_DATE = :OBSE_DATE\n"
        "   AND OBSE_PLACE_GUBUN = :OBSE_PLACE_GUBUN\n"
        " ORDER BY EA010MS.OBSE_TIME DESC");
    s.binds = {{"OBSE_DATE", date}, {"OBSE_PLACE_GUBUN", place}};
    return s;
}

Statement placeFooter(const QString &from, const QString &to, const QString &place)
{
    Statement s;
    s.sql = QStringLiteral("SELECT ROUND(AVG(TEMPERATURE),3) AS TEMPERATURE,\n"
                           "       ROUND(AVG(HUMIDITY),1) AS HUMIDITY,\n"
                           "       ROUND(AVG(WIND_VELOCITY),3) AS WIND_VELOCITY,\n"
                           "       ROUND(AVG(WIND_DIRECTION),1) AS WIND_DIRECTION,\n"
                           "       ROUND(AVG(RADIATION),3) AS RADIATION,\n"
                           "       ROUND(AVG(ATMOSPHERIC),0) AS ATMOSPHERIC,\n"
                           "       ROUND(SUM(COALESCE(SNOWFALL,0)),0) AS SNOWFALL\n"
                           "  FROM EA010MS\n")
            + QString::fromLatin1(kPlaceWhere);
    s.binds = {{"OBSE_DATE_FROM", from}, {"OBSE_DATE_TO", to}, {"OBSE_PLACE_GUBUN", place}};
    return s;
}

Statement dailyAverages(const QString &from, const QString &to, const QString &place)
{
    Statement s;
    s.sql = QStringLiteral("SELECT OBSE_DATE,\n"
                           "       ROUND(AVG(TEMPERATURE),2) AS TEMPERATURE,\n"
                           "       ROUND(AVG(HUMIDITY),2) AS HUMIDITY,\n"
                           "       ROUND(AVG(WIND_VELOCITY),2) AS WIND_VELOCITY,\n"
                           "       ROUND(AVG(WIND_DIRECTION),2) AS WIND_DIRECTION,\n"
                           "       ROUND(AVG(RADIATION),2) AS RADIATION,\n"
                           "       ROUND(AVG(ATMOSPHERIC),2) AS ATMOSPHERIC,\n"
                           "       ROUND(AVG(SNOWFALL),2) AS SNOWFALL\n"
                           "  FROM EA010MS\n")
            + QString::fromLatin1(kPlaceWhere)
            + QStringLiteral(" GROUP BY OBSE_DATE\n ORDER BY OBSE_DATE");
    s.binds = {{"OBSE_DATE_FROM", from}, {"OBSE_DATE_TO", to}, {"OBSE_PLACE_GUBUN", place}};
    return s;
}

} // namespace weather
