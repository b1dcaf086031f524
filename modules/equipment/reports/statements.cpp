#include "modules/equipment/reports/statements.h"
#include "database/query.h"

namespace equipment_reports {

namespace {

// "(SELECT DETAIL_NAME …) AS <alias>" for a coded column, the group bound through its GC_ parameter.
QString label(const QString &param, const QString &column, const QString &alias)
{
    return QStringLiteral("(SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :%1 AND DETAIL = %2) AS %3")
        .arg(param, column, alias);
}

// yyyymmdd shown as yyyy-mm-dd.
QString dashed(const QString &column)
{
    return QStringLiteral("SUBSTR(%1,1,4)||'-'||SUBSTR(%1,5,2)||'-'||SUBSTR(%1,7,2)").arg(column);
}

QString dashed(const QString &column, const QString &alias)
{
    return dashed(column) + QStringLiteral(" AS ") + alias;
}

// An empty bound leaves its side of the period open.
QString period(const QString &column, const QString &from, const QString &to)
{
    return QStringLiteral("%1 BETWEEN NVL(CAST(:%2 AS VARCHAR(8)),'00000000') AND NVL(CAST(:%3 AS VARCHAR(8)),'99999999')")
        .arg(column, from, to);
}

// The grouping of the summaries: one row per (first key, equipment kind), then after each first key's
// rows its subtotal row (G_KIND = 1). No grand-total row; the footer takes it from the count query.
// keyExpr groups, keyShown is what the first column shows, source is FROM … WHERE ….
// extra adds grouped columns the first column may show (each as MIN(…) AS name, ).
QString summary(const QString &keyExpr, const QString &keyShown, const QString &keyAlias, const QString &countColumn,
                const QString &source, const QString &countAlias, const QString &extra = QString())
{
    return QStringLiteral(
               "SELECT /*+ RULE */\n"
               "       CASE WHEN T.G_KIND = 0 THEN %2 ELSE NULL END AS %6,\n"
               "       CASE WHEN T.G_KIND = 0\n"
               "            THEN (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_EQUIP_GUBUN_CODE AND DETAIL = T.EQUIP_GUBUN)\n"
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
        .arg(keyExpr, keyShown, countColumn, source, countAlias, keyAlias, extra);
}

} // namespace

void Statement::applyTo(db::Query &query) const
{
    query.setSql(sql);
    for (auto it = binds.constBegin(); it != binds.constEnd(); ++it)
        if (query.hasParam(it.key()))
            query.bind(it.key(), it.value());
}

bool isChosen(const QString &value)
{
    return !value.isEmpty() && value != kAll;
}

Statement ebs060(const QString &rentDate, const QString &area, const QString &rentStat, const QString &ticketKind)
{
    Statement s;
    s.sql = QStringLiteral(
                "SELECT TO_CHAR(RENT_NO,'FM0000000000') AS RENT_NO, RENT_SEQ,\n"
                "       %1,\n       %2,\n       EQUIP_NO, RENT_NAME, TEL_NO, HEIGHT, WEIGHT,\n"
                "       %3,\n       BINDING,\n       %4,\n       %5,\n       %6\n"
                "  FROM EB040DT\n"
                " WHERE RENT_DATE = :RENT_DATE\n"
                "   AND AREA_GUBUN = :AREA_GUBUN\n")
                .arg(label("GC_RENT_STAT_CODE", "RENT_STAT", "RENT_STAT_NAME"),
                     label("GC_EQUIP_GUBUN_CODE", "EQUIP_GUBUN", "EQUIP_GUBUN_NAME"),
                     label("GC_SHOES_SIZE_CODE", "SHOES_SIZE", "SHOES_SIZE_NAME"),
                     label("GC_TICKET_KIND_CODE", "TICKET_KIND", "TICKET_KIND_NAME"),
                     dashed("SVRL_RENT_FROM_DATE", "SVRL_RENT_FROM_DATE"),
                     dashed("SVRL_RENT_TO_DATE", "SVRL_RENT_TO_DATE"));
    s.binds = {{"GC_RENT_STAT_CODE", "E0012"}, {"GC_EQUIP_GUBUN_CODE", "E0009"},
               {"GC_SHOES_SIZE_CODE", "E0011"}, {"GC_TICKET_KIND_CODE", "I0005"},
               {"RENT_DATE", rentDate}, {"AREA_GUBUN", area}};
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
                .arg(label("GC_EQUIP_GUBUN_CODE", "T1.EQUIP_GUBUN", "EQUIP_GUBUN_NAME"),
                     label("GC_EQUIP_SIZE_GUBUN_CODE", "T1.EQUIP_SIZE_GUBUN", "EQUIP_SIZE_GUBUN_NAME"),
                     label("GC_TICKET_KIND_CODE", "T2.TICKET_KIND", "TICKET_KIND_NAME"),
                     dashed("T2.SVRL_RENT_FROM_DATE", "SVRL_RENT_FROM_DATE"),
                     dashed("T2.SVRL_RENT_TO_DATE", "SVRL_RENT_TO_DATE"),
                     label("GC_KEEP_KIND_GUBUN_CODE", "T3.KEEP_KIND_GUBUN", "KEEP_KIND_GUBUN_NAME"));
    s.binds = {{"GC_EQUIP_GUBUN_CODE", "E0009"}, {"GC_EQUIP_SIZE_GUBUN_CODE", "E0010"},
               {"GC_TICKET_KIND_CODE", "I0005"}, {"GC_KEEP_KIND_GUBUN_CODE", "E0013"},
               {"AREA_GUBUN", area}};
    return s;
}

static const char *kRentDay = "FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN";

Statement ebs080(const QString &rentDate, const QString &area)
{
    Statement s;
    s.sql = summary(QStringLiteral("SUBSTR(RENT_TIME,1,2)"),
                    QStringLiteral("T.KEY_VALUE || ':00 - ' || T.KEY_VALUE || ':59'"), QStringLiteral("RENT_HOUR"),
                    QStringLiteral("RENT_NO"), QString::fromUtf8(kRentDay), QStringLiteral("RENT_CNT"));
    s.binds = {{"GC_EQUIP_GUBUN_CODE", "E0009"}, {"RENT_DATE", rentDate}, {"AREA_GUBUN", area}};
    return s;
}

Statement ebs080Total(const QString &rentDate, const QString &area)
{
    Statement s;
    s.sql = QStringLiteral("SELECT COUNT(RENT_NO) AS RENT_CNT ") + QString::fromUtf8(kRentDay);
    s.binds = {{"RENT_DATE", rentDate}, {"AREA_GUBUN", area}};
    return s;
}

static QString rentPeriod()
{
    return QStringLiteral("FROM EB040DT WHERE ") + period("RENT_DATE", "RENT_DATE_FROM", "RENT_DATE_TO")
        + QStringLiteral(" AND AREA_GUBUN = :AREA_GUBUN");
}

Statement ebs090(const QString &dateFrom, const QString &dateTo, const QString &area)
{
    Statement s;
    s.sql = summary(QStringLiteral("RENT_DATE"), dashed("T.KEY_VALUE"), QStringLiteral("RENT_DATE"),
                    QStringLiteral("RENT_NO"), rentPeriod(), QStringLiteral("RENT_CNT"));
    s.binds = {{"GC_EQUIP_GUBUN_CODE", "E0009"}, {"RENT_DATE_FROM", dateFrom}, {"RENT_DATE_TO", dateTo},
               {"AREA_GUBUN", area}};
    return s;
}

Statement ebs090Total(const QString &dateFrom, const QString &dateTo, const QString &area)
{
    Statement s;
    s.sql = QStringLiteral("SELECT COUNT(RENT_NO) AS RENT_CNT ") + rentPeriod();
    s.binds = {{"RENT_DATE_FROM", dateFrom}, {"RENT_DATE_TO", dateTo}, {"AREA_GUBUN", area}};
    return s;
}

Statement ebs100(const StorageConditions &c)
{
    Statement s;
    s.sql = QStringLiteral(
                "SELECT TO_CHAR(KEEP_NO,'FM0000000000') AS KEEP_NO,\n"
                "       %1,\n       %2,\n       %3,\n       %4,\n"
                "       MEMBER_NO, KEEP_NAME, KEEP_BOX_NO, GUEST_NO, GUEST_NAME, EQUIP_NAME_ETC, NATIVE_NO,\n"
                "       POELS_YN, POELS_NAME,\n       %5,\n       %6,\n"
                "       CASE WHEN ZIP_CODE IS NULL THEN NULL\n"
                "            ELSE SUBSTR(ZIP_CODE,1,3)||'-'||SUBSTR(ZIP_CODE,4,3) END AS ZIP_CODE,\n"
                "       ADDR1, ADDR2, TEL_NO, MOBILE_NO, REMARK, CONF_QUESTION, CONF_ANSWER\n"
                "  FROM EB050MS\n"
                " WHERE SEASON_GUBUN = :SEASON_GUBUN\n"
                "   AND AREA_GUBUN = :AREA_GUBUN\n")
                .arg(label("GC_KEEP_STAT_CODE", "KEEP_STAT", "KEEP_STAT_NAME"),
                     label("GC_KEEP_GUBUN_CODE", "KEEP_GUBUN", "KEEP_GUBUN_NAME"),
                     label("GC_EQUIP_GUBUN_CODE", "EQUIP_GUBUN", "EQUIP_GUBUN_NAME"),
                     label("GC_EQUIP_NAME_GUBUN_CODE", "EQUIP_NAME_GUBUN", "EQUIP_NAME_GUBUN_NAME"),
                     dashed("IPGO_DATE", "IPGO_DATE"), dashed("CHULGO_DATE", "CHULGO_DATE"));
    s.binds = {{"GC_KEEP_STAT_CODE", "E0015"}, {"GC_KEEP_GUBUN_CODE", "E0016"},
               {"GC_EQUIP_GUBUN_CODE", "E0009"}, {"GC_EQUIP_NAME_GUBUN_CODE", "E0021"},
               {"SEASON_GUBUN", c.season}, {"AREA_GUBUN", c.area}};
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
    s.sql = QStringLiteral(
                "SELECT TO_CHAR(KEEP_NO,'FM0000000000') AS KEEP_NO, MEMBER_NO, KEEP_NAME, KEEP_BOX_NO,\n"
                "       %1,\n       %2,\n       %3,\n"
                "       EQUIP_NAME_ETC, NATIVE_NO, POELS_YN, POELS_NAME,\n       %4,\n       %5,\n       MOBILE_NO\n"
                "  FROM EB050MS\n"
                " WHERE AREA_GUBUN = :AREA_GUBUN\n"
                "   AND CHULGO_DATE < :CHULGO_DATE\n"
                "   AND KEEP_STAT = 'K'\n"
                " ORDER BY CHULGO_DATE, KEEP_NO")
                .arg(label("GC_KEEP_GUBUN_CODE", "KEEP_GUBUN", "KEEP_GUBUN_NAME"),
                     label("GC_EQUIP_GUBUN_CODE", "EQUIP_GUBUN", "EQUIP_GUBUN_NAME"),
                     label("GC_EQUIP_NAME_GUBUN_CODE", "EQUIP_NAME_GUBUN", "EQUIP_NAME_GUBUN_NAME"),
                     dashed("IPGO_DATE", "IPGO_DATE"), dashed("CHULGO_DATE", "CHULGO_DATE"));
    s.binds = {{"GC_KEEP_GUBUN_CODE", "E0016"}, {"GC_EQUIP_GUBUN_CODE", "E0009"},
               {"GC_EQUIP_NAME_GUBUN_CODE", "E0021"}, {"AREA_GUBUN", area}, {"CHULGO_DATE", referenceDate}};
    return s;
}

static QString storagePeriod()
{
    return QStringLiteral("FROM EB050MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND AREA_GUBUN = :AREA_GUBUN AND ")
        + period("IPGO_DATE", "IPGO_DATE_FROM", "IPGO_DATE_TO");
}

static QHash<QString, QVariant> storageBinds(const QString &season, const QString &area, const QString &from,
                                             const QString &to)
{
    return {{"SEASON_GUBUN", season}, {"AREA_GUBUN", area}, {"IPGO_DATE_FROM", from}, {"IPGO_DATE_TO", to}};
}

Statement ebs120(const QString &season, const QString &area, const QString &ipgoFrom, const QString &ipgoTo)
{
    Statement s;
    s.sql = summary(QStringLiteral("KEEP_GUBUN"),
                    QStringLiteral("(SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_KEEP_GUBUN_CODE AND DETAIL = T.KEY_VALUE)"),
                    QStringLiteral("KEEP_GUBUN_NAME"), QStringLiteral("KEEP_NO"), storagePeriod(), QStringLiteral("KEEP_CNT"));
    s.binds = storageBinds(season, area, ipgoFrom, ipgoTo);
    s.binds.insert("GC_KEEP_GUBUN_CODE", "E0016");
    s.binds.insert("GC_EQUIP_GUBUN_CODE", "E0009");
    return s;
}

Statement ebs120Total(const QString &season, const QString &area, const QString &ipgoFrom, const QString &ipgoTo)
{
    Statement s;
    s.sql = QStringLiteral("SELECT COUNT(KEEP_NO) AS KEEP_CNT ") + storagePeriod();
    s.binds = storageBinds(season, area, ipgoFrom, ipgoTo);
    return s;
}

// Items joined to the region of their owner's zip code: one name per three-digit prefix, so an item
// is counted once even where the prefix spans several address lines.
static QString regionSource()
{
    return QStringLiteral(
               "FROM EB050MS E\n"
               "          JOIN (SELECT SUBSTR(ZIP_CODE,1,3) AS ZIP3, MIN(ADDRESS1 || ' ' ||ADDRESS2) AS REGION_NAME\n"
               "                  FROM ZX030MS GROUP BY SUBSTR(ZIP_CODE,1,3)) Z ON Z.ZIP3 = SUBSTR(E.ZIP_CODE,1,3)\n"
               "         WHERE E.SEASON_GUBUN = :SEASON_GUBUN AND E.AREA_GUBUN = :AREA_GUBUN\n"
               "           AND E.ZIP_CODE IS NOT NULL AND ")
        + period("E.IPGO_DATE", "IPGO_DATE_FROM", "IPGO_DATE_TO");
}

Statement ebs130(const QString &season, const QString &area, const QString &ipgoFrom, const QString &ipgoTo)
{
    Statement s;
    // The region's prefix orders the rows; its name is what the first column shows.
    s.sql = summary(QStringLiteral("Z.ZIP3"), QStringLiteral("T.REGION_NAME"), QStringLiteral("REGION_NAME"),
                    QStringLiteral("E.KEEP_NO"), regionSource(), QStringLiteral("KEEP_CNT"),
                    QStringLiteral("MIN(Z.REGION_NAME) AS REGION_NAME, "));
    s.binds = storageBinds(season, area, ipgoFrom, ipgoTo);
    s.binds.insert("GC_EQUIP_GUBUN_CODE", "E0009");
    return s;
}

Statement ebs130Total(const QString &season, const QString &area, const QString &ipgoFrom, const QString &ipgoTo)
{
    Statement s;
    s.sql = QStringLiteral("SELECT COUNT(E.KEEP_NO) AS KEEP_CNT ") + regionSource();
    s.binds = storageBinds(season, area, ipgoFrom, ipgoTo);
    return s;
}

} // namespace equipment_reports
