#include "framework/sqltext.h"

QString dashedDate(const QString &column)
{
    return QStringLiteral("CASE WHEN NULLIF(TRIM(%1), '') IS NULL THEN NULL ELSE "
                          "SUBSTR(%1,1,4) || '-' || SUBSTR(%1,5,2) || '-' || SUBSTR(%1,7,2) END")
        .arg(column);
}

QString dashedDate(const QString &column, const QString &alias)
{
    return dashedDate(column) + QStringLiteral(" AS ") + alias;
}

QString groupedNumber(const QString &expression)
{
    return QStringLiteral("TO_CHAR(%1, 'FM9,999,999,999')").arg(expression);
}

QString groupedNumber(const QString &expression, const QString &alias)
{
    return groupedNumber(expression) + QStringLiteral(" AS ") + alias;
}

QString codeLabel(const QString &param, const QString &column)
{
    return QStringLiteral("(SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :%1 AND DETAIL = %2)").arg(param, column);
}

QString codeLabel(const QString &param, const QString &column, const QString &alias)
{
    return codeLabel(param, column) + QStringLiteral(" AS ") + alias;
}

QString maskedIdNo(const QString &column)
{
    return QStringLiteral("CASE WHEN NULLIF(TRIM(%1), '') IS NULL THEN NULL "
                          "ELSE FN_ZA010MS_04(SUBSTR(%1,1,6) ||'-'|| SUBSTR(%1,7,7)) END AS ID_NO").arg(column);
}

QString dashedZip(const QString &column)
{
    return QStringLiteral("CASE WHEN LENGTH(%1) = 6 THEN SUBSTR(%1, 1, 3) || '-' || SUBSTR(%1, 4, 3) "
                          "ELSE NULLIF(TRIM(%1), '') END AS %1").arg(column);
}
