#include "framework/reportstatement.h"
#include "database/query.h"
#include "framework/sqltext.h"

namespace reportsql {

void Statement::applyTo(db::Query &query) const
{
    query.setSql(sql);
    for (auto it = binds.constBegin(); it != binds.constEnd(); ++it)
        if (query.hasParam(it.key()))
            query.bind(it.key(), it.value());
}

QString boundsLine(const QString &from, const QString &to)
{
    auto shown = [](const QString &bound) { return bound.isEmpty() ? kAll : bound; };
    return shown(from) + QStringLiteral("  ∼  ") + shown(to);
}

QString dateBoundsLine(const QString &fromDigits, const QString &toDigits)
{
    auto dashed = [](QString t) {
        if (t.size() > 6)
            t.insert(6, QLatin1Char('-'));
        if (t.size() > 4)
            t.insert(4, QLatin1Char('-'));
        return t;
    };
    return boundsLine(dashed(fromDigits), dashed(toDigits));
}

QString Statement::codeLabel(const QString &column, const QString &group)
{
    const QString name = column.mid(column.indexOf(QLatin1Char('.')) + 1);
    const QString param = QStringLiteral("GC_") + name + QStringLiteral("_CODE");
    binds.insert(param, group);
    return ::codeLabel(param, column, name + QStringLiteral("_NAME"));
}

bool isChosen(const QString &value)
{
    return !value.isEmpty() && value != kAll;
}

QString period(const QString &column, const QString &fromParam, const QString &toParam)
{
    return QStringLiteral("%1 BETWEEN NVL(CAST(:%2 AS VARCHAR(8)),'00000000') AND NVL(CAST(:%3 AS VARCHAR(8)),'99999999')")
        .arg(column, fromParam, toParam);
}

} // namespace reportsql
