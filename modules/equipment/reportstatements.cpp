#include "modules/equipment/reportstatements.h"
#include "framework/sqltext.h"

namespace equipment_reports {

namespace {

using reportsql::period;

// The labels of coded columns (Statement::codeLabel, each binding its group), one a line of the
// select list.
QString labels(Statement &s, std::initializer_list<std::pair<const char *, const char *>> columnsAndGroups)
{
    QStringList out;
    for (const auto &[column, group] : columnsAndGroups)
        out << s.codeLabel(QString::fromLatin1(column), QString::fromLatin1(group));
    return out.join(QStringLiteral(",\n       "));
}

// A summary report: one row per (first key, equipment kind), then after each first key's rows its
// subtotal row (G_KIND = 1). No grand-total row; the footer takes it from the count over the same source.
struct Summary {
    QString keyExpr;     // what groups the first key
    QString keyShown;    // what the first column shows (of T.KEY_VALUE and the extra columns)
    QString keyAlias;
    QString countColumn;
    QString countAlias;
    QString source;      // FROM … WHERE …
    QHash<QString, QVariant> binds;   // the condition values
    QString extra = QString();        // grouped columns the first column may show (each "MIN(…) AS name, ")
    QHash<QString, QVariant> labelBinds = {};   // code groups the first key's label needs

    Statement rows() const
    {
        Statement s;
        s.sql = QStringLiteral(
                    "SELECT /*+ RULE */\n"
                    "       CASE WHEN T.G_KIND = 0 THEN %2 ELSE NULL END AS %6,\n"
                    "       CASE WHEN T.G_KIND = 0\n"
                    "            THEN %8\n"
                    "            ELSE '소계' END AS EQUIP_GUBUN_NAME,\n"
                    "       T.CNT AS %5\n"
                    "  FROM (SELECT %1 AS KEY_VALUE, %7EQUIP_GUBUN, 0 AS G_KIND, COUNT(%3) AS CNT\n"
                    "          %4\n"
                    "         GROUP BY %1, EQUIP_GUBUN\n"
                    "        UNION ALL\n"
                    "        SELECT %1 AS KEY_VALUE, %7NULL AS EQUIP_GUBUN, 1 AS G_KIND, COUNT(%3) AS CNT\n"
                    "          %4\n"
                    "         GROUP BY %1) T\n"
                    " ORDER BY COALESCE(T.KEY_VALUE, ''), T.G_KIND, COALESCE(T.EQUIP_GUBUN, '')")
                    .arg(keyExpr, keyShown, countColumn, source, countAlias, keyAlias, extra,
                         codeLabel(QStringLiteral("GC_EQUIP_GUBUN_CODE"), QStringLiteral("T.EQUIP_GUBUN")));
        s.binds = binds;
        s.binds.insert(labelBinds);
        s.binds.insert(QStringLiteral("GC_EQUIP_GUBUN_CODE"), QStringLiteral("E0009"));
        return s;
    }

    Statement total() const
    {
        return {QStringLiteral("SELECT COUNT(%1) AS %2 ").arg(countColumn, countAlias) + source, binds};
    }
};

} // namespace

Statement ebs060(const QString &rentDate, const QString &area, const QString &rentStat, const QString &ticketKind)
{
    Statement s;
    s.binds = {{"RENT_DATE", rentDate}, {"AREA_GUBUN", area}};
    s.sql = QStringLiteral(
                "SELECT TO_CHAR(RENT_NO,'FM0000000000') AS RENT_NO, RENT_SEQ,\n"
                "       %1,\n       EQUIP_NO, RENT_NAME, TEL_NO, HEIGHT, WEIGHT,\n"
                "       %2,\n       BINDING,\n       %3,\n       %4,\n       %5\n"
                "  FROM EB040DT\n"
                " WHERE RENT_DATE = :RENT_DATE\n"
                "   AND AREA_GUBUN = :AREA_GUBUN\n")
                .arg(labels(s, {{"RENT_STAT", "E0012"}, {"EQUIP_GUBUN", "E0009"}}),
                     s.codeLabel("SHOES_SIZE", "E0011"),
                     s.codeLabel("TICKET_KIND", "I0005"),
                     dashedDate("SVRL_RENT_FROM_DATE", "SVRL_RENT_FROM_DATE"),
                     dashedDate("SVRL_RENT_TO_DATE", "SVRL_RENT_TO_DATE"));
    if (isChosen(rentStat)) {
        s.sql += QStringLiteral("AND RENT_STAT = :RENT_STAT ");
        s.binds.insert("RENT_STAT", rentStat);
    }
    if (isChosen(ticketKind)) {
        s.sql += QStringLiteral("AND TICKET_KIND = :TICKET_KIND ");
        s.binds.insert("TICKET_KIND", ticketKind);
    }
    s.sql += QStringLiteral("\n ORDER BY RENT_NO, RENT_SEQ");
    return s;
}

Statement ebs070(const QString &area)
{
    Statement s;
    s.binds = {{"AREA_GUBUN", area}};
    s.sql = QStringLiteral(
                "SELECT %1,\n       T1.EQUIP_NO,\n       %2,\n"
                "       TO_CHAR(T2.RENT_NO,'FM0000000000') AS RENT_NO, T2.RENT_NAME, T2.TEL_NO,\n"
                "       %3,\n       %4,\n       %5,\n       T3.DEAL_NAME,\n       %6,\n       T3.KEEP_BOX_NO\n"
                "  FROM EB020MS T1\n"
                "  JOIN EB040DT T2 ON T2.AREA_GUBUN = T1.AREA_GUBUN AND T2.EQUIP_GUBUN = T1.EQUIP_GUBUN\n"
                "                 AND T2.EQUIP_NO = T1.EQUIP_NO AND T1.SVRL_FROM_DATE = T2.RENT_DATE\n"
                "  JOIN EB040MS T3 ON T3.RENT_DATE = T2.RENT_DATE AND T3.AREA_GUBUN = T2.AREA_GUBUN\n"
                "                 AND T3.RENT_NO = T2.RENT_NO\n"
                " WHERE T1.AREA_GUBUN = :AREA_GUBUN\n"
                "   AND T1.SVRL_RENT_YN   = 'Y'\n"
                " ORDER BY T1.EQUIP_GUBUN, T1.EQUIP_NO")
                .arg(s.codeLabel("T1.EQUIP_GUBUN", "E0009"),
                     s.codeLabel("T1.EQUIP_SIZE_GUBUN", "E0010"),
                     s.codeLabel("T2.TICKET_KIND", "I0005"),
                     dashedDate("T2.SVRL_RENT_FROM_DATE", "SVRL_RENT_FROM_DATE"),
                     dashedDate("T2.SVRL_RENT_TO_DATE", "SVRL_RENT_TO_DATE"),
                     s.codeLabel("T3.KEEP_KIND_GUBUN", "E0013"));
    return s;
}

static Summary rentalsByHour(const QString &rentDate, const QString &area)
{
    return {.keyExpr = QStringLiteral("SUBSTR(RENT_TIME,1,2)"),
            .keyShown = QStringLiteral("T.KEY_VALUE || ':00 - ' || T.KEY_VALUE || ':59'"),
            .keyAlias = QStringLiteral("RENT_HOUR"),
            .countColumn = QStringLiteral("RENT_NO"),
            .countAlias = QStringLiteral("RENT_CNT"),
            .source = QStringLiteral("FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN"),
            .binds = {{"RENT_DATE", rentDate}, {"AREA_GUBUN", area}}};
}

Statement ebs080(const QString &rentDate, const QString &area) { return rentalsByHour(rentDate, area).rows(); }
Statement ebs080Total(const QString &rentDate, const QString &area) { return rentalsByHour(rentDate, area).total(); }

static Summary rentalsByDate(const QString &dateFrom, const QString &dateTo, const QString &area)
{
    return {.keyExpr = QStringLiteral("RENT_DATE"),
            .keyShown = dashedDate("T.KEY_VALUE"),
            .keyAlias = QStringLiteral("RENT_DATE"),
            .countColumn = QStringLiteral("RENT_NO"),
            .countAlias = QStringLiteral("RENT_CNT"),
            .source = QStringLiteral("FROM EB040DT WHERE ") + period("RENT_DATE", "RENT_DATE_FROM", "RENT_DATE_TO")
                + QStringLiteral(" AND AREA_GUBUN = :AREA_GUBUN"),
            .binds = {{"RENT_DATE_FROM", dateFrom}, {"RENT_DATE_TO", dateTo}, {"AREA_GUBUN", area}}};
}

Statement ebs090(const QString &dateFrom, const QString &dateTo, const QString &area)
{
    return rentalsByDate(dateFrom, dateTo, area).rows();
}

Statement ebs090Total(const QString &dateFrom, const QString &dateTo, const QString &area)
{
    return rentalsByDate(dateFrom, dateTo, area).total();
}

Statement ebs100(const StorageConditions &c)
{
    Statement s;
    s.binds = {{"SEASON_GUBUN", c.season}, {"AREA_GUBUN", c.area}};
    s.sql = QStringLiteral(
                "SELECT TO_CHAR(KEEP_NO,'FM0000000000') AS KEEP_NO,\n"
                "       %1,\n"
                "       MEMBER_NO, KEEP_NAME, KEEP_BOX_NO, GUEST_NO, GUEST_NAME, EQUIP_NAME_ETC, NATIVE_NO,\n"
                "       POELS_YN, POELS_NAME,\n       %2,\n       %3,\n"
                "       CASE WHEN ZIP_CODE IS NULL THEN NULL\n"
                "            ELSE SUBSTR(ZIP_CODE,1,3)||'-'||SUBSTR(ZIP_CODE,4,3) END AS ZIP_CODE,\n"
                "       ADDR1, ADDR2, TEL_NO, MOBILE_NO, REMARK, CONF_QUESTION, CONF_ANSWER\n"
                "  FROM EB050MS\n"
                " WHERE SEASON_GUBUN = :SEASON_GUBUN\n"
                "   AND AREA_GUBUN = :AREA_GUBUN\n")
                .arg(labels(s, {{"KEEP_STAT", "E0015"}, {"KEEP_GUBUN", "E0016"}, {"EQUIP_GUBUN", "E0009"},
                                {"EQUIP_NAME_GUBUN", "E0021"}}),
                     dashedDate("IPGO_DATE", "IPGO_DATE"), dashedDate("CHULGO_DATE", "CHULGO_DATE"));
    const struct { const QString &value; const char *column; } combos[] = {
        {c.keepStat, "KEEP_STAT"}, {c.keepGubun, "KEEP_GUBUN"},
        {c.equipGubun, "EQUIP_GUBUN"}, {c.equipNameGubun, "EQUIP_NAME_GUBUN"}};
    for (const auto &combo : combos) {
        if (!isChosen(combo.value))
            continue;
        const QString column = QString::fromLatin1(combo.column);
        s.sql += QStringLiteral("AND %1 = :%1\n").arg(column);
        s.binds.insert(column, combo.value);
    }
    if (!c.keepName.isEmpty()) {
        s.sql += QStringLiteral("AND KEEP_NAME LIKE :KEEP_NAME\n");
        s.binds.insert("KEEP_NAME", QStringLiteral("%") + c.keepName + QStringLiteral("%"));
    }
    return s;
}

Statement ebs110(const QString &referenceDate, const QString &area)
{
    Statement s;
    s.binds = {{"AREA_GUBUN", area}, {"CHULGO_DATE", referenceDate}};
    s.sql = QStringLiteral(
                "SELECT TO_CHAR(KEEP_NO,'FM0000000000') AS KEEP_NO, MEMBER_NO, KEEP_NAME, KEEP_BOX_NO,\n"
                "       %1,\n"
                "       EQUIP_NAME_ETC, NATIVE_NO, POELS_YN, POELS_NAME,\n       %2,\n       %3,\n       MOBILE_NO\n"
                "  FROM EB050MS\n"
                " WHERE AREA_GUBUN = :AREA_GUBUN\n"
                "   AND CHULGO_DATE < :CHULGO_DATE\n"
                "   AND KEEP_STAT = 'K'\n"
                " ORDER BY CHULGO_DATE, KEEP_NO")
                .arg(labels(s, {{"KEEP_GUBUN", "E0016"}, {"EQUIP_GUBUN", "E0009"}, {"EQUIP_NAME_GUBUN", "E0021"}}),
                     dashedDate("IPGO_DATE", "IPGO_DATE"), dashedDate("CHULGO_DATE", "CHULGO_DATE"));
    return s;
}

static QHash<QString, QVariant> storageBinds(const QString &season, const QString &area, const QString &from,
                                             const QString &to)
{
    return {{"SEASON_GUBUN", season}, {"AREA_GUBUN", area}, {"IPGO_DATE_FROM", from}, {"IPGO_DATE_TO", to}};
}

static Summary storageByKind(const QString &season, const QString &area, const QString &ipgoFrom, const QString &ipgoTo)
{
    return {.keyExpr = QStringLiteral("KEEP_GUBUN"),
            .keyShown = codeLabel(QStringLiteral("GC_KEEP_GUBUN_CODE"), QStringLiteral("T.KEY_VALUE")),
            .keyAlias = QStringLiteral("KEEP_GUBUN_NAME"),
            .countColumn = QStringLiteral("KEEP_NO"),
            .countAlias = QStringLiteral("KEEP_CNT"),
            .source = QStringLiteral("FROM EB050MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND AREA_GUBUN = :AREA_GUBUN AND ")
                + period("IPGO_DATE", "IPGO_DATE_FROM", "IPGO_DATE_TO"),
            .binds = storageBinds(season, area, ipgoFrom, ipgoTo),
            .labelBinds = {{"GC_KEEP_GUBUN_CODE", "E0016"}}};
}

Statement ebs120(const QString &season, const QString &area, const QString &ipgoFrom, const QString &ipgoTo)
{
    return storageByKind(season, area, ipgoFrom, ipgoTo).rows();
}

Statement ebs120Total(const QString &season, const QString &area, const QString &ipgoFrom, const QString &ipgoTo)
{
    return storageByKind(season, area, ipgoFrom, ipgoTo).total();
}

// Items joined to the region of their owner's zip code: one name per three-digit prefix, so an item
// is counted once even where the prefix spans several address lines. The prefix orders the rows; its
// name is what the first column shows.
static Summary storageByRegion(const QString &season, const QString &area, const QString &ipgoFrom, const QString &ipgoTo)
{
    return {.keyExpr = QStringLiteral("Z.ZIP3"),
            .keyShown = QStringLiteral("T.REGION_NAME"),
            .keyAlias = QStringLiteral("REGION_NAME"),
            .countColumn = QStringLiteral("E.KEEP_NO"),
            .countAlias = QStringLiteral("KEEP_CNT"),
            .source = QStringLiteral(
                          "FROM EB050MS E\n"
                          "          JOIN (SELECT SUBSTR(ZIP_CODE,1,3) AS ZIP3, MIN(ADDRESS1 || ' ' ||ADDRESS2) AS REGION_NAME\n"
                          "                  FROM ZX030MS GROUP BY SUBSTR(ZIP_CODE,1,3)) Z ON Z.ZIP3 = SUBSTR(E.ZIP_CODE,1,3)\n"
                          "         WHERE E.SEASON_GUBUN = :SEASON_GUBUN AND E.AREA_GUBUN = :AREA_GUBUN\n"
                          "           AND E.ZIP_CODE IS NOT NULL AND ")
                + period("E.IPGO_DATE", "IPGO_DATE_FROM", "IPGO_DATE_TO"),
            .binds = storageBinds(season, area, ipgoFrom, ipgoTo),
            .extra = QStringLiteral("MIN(Z.REGION_NAME) AS REGION_NAME, ")};
}

Statement ebs130(const QString &season, const QString &area, const QString &ipgoFrom, const QString &ipgoTo)
{
    return storageByRegion(season, area, ipgoFrom, ipgoTo).rows();
}

Statement ebs130Total(const QString &season, const QString &area, const QString &ipgoFrom, const QString &ipgoTo)
{
    return storageByRegion(season, area, ipgoFrom, ipgoTo).total();
}

} // namespace equipment_reports
