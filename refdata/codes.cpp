#include "codes.h"
#include "database/datamodule.h"

static QString filterLines(const QStringList &filters)
{
    QString lines;
    for (int i = 0; i < filters.size() && i < 15; ++i) {
        if (filters.at(i).isEmpty())
            continue;
        QString value = filters.at(i);
        value.replace(QLatin1Char('\''), QLatin1String("''"));
        lines += QStringLiteral("AND ITEM%1 = '%2'\n").arg(i + 1).arg(value);
    }
    return lines;
}

QString CodeListSql(const QStringList &filters)
{
    return QStringLiteral("SELECT DETAIL,\nDETAIL_NAME\nFROM   ZX010MS\nWHERE  HEAD = :HEAD\n"
                          "AND    NULLIF(TRIM(DETAIL), '') IS NOT NULL\n")
        + filterLines(filters) + QStringLiteral("ORDER BY DETAIL");
}

QString CodeNameSql(const QStringList &filters)
{
    return QStringLiteral("SELECT DETAIL_NAME\nFROM   ZX010MS\nWHERE  HEAD         = :HEAD\nAND    TRIM(DETAIL) = :DETAIL\n")
        + filterLines(filters);
}

static bool ensureConnected()
{
    TfrmZZD000 *dm = DM();
    return dm->isConnected() || dm->Connect();
}

bool FillCodeList(const CodeSink &add, const QString &group, const QStringList &filters)
{
    if (!ensureConnected())
        return false;
    db::Query &q = DM()->qryQuery;
    q.clear();
    q.setSql(CodeListSql(filters));
    q.bind(QStringLiteral("HEAD"), group);
    if (!q.open()) {
        const QString error = q.lastError();
        q.close();
        throw db::DatabaseError(error);
    }
    while (q.next())
        add(q.value(1), q.value(0));
    const bool ok = q.lastError().isEmpty();
    q.close();
    return ok;
}

bool FillCodeCombo(CodeListTarget *combo, const QString &group, const QStringList &filters)
{
    return FillCodeList([combo](const QString &label, const QString &code) { combo->addCode(label, code); }, group,
                        filters);
}

bool FillCodeColumn(QStringList *labels, QStringList *codes, const QString &group, const QStringList &filters)
{
    return FillCodeList([labels, codes](const QString &label, const QString &code) {
        labels->append(label);
        codes->append(code);
    }, group, filters);
}

bool FillCodeColumn(CodeListTarget *column, const QString &group, const QStringList &filters)
{
    return FillCodeCombo(column, group, filters);
}

QString GetCodeName(const QString &group, const QString &code, const QStringList &filters)
{
    if (!ensureConnected())
        return QString();
    db::Query &q = DM()->qryQuery;
    q.clear();
    q.setSql(CodeNameSql(filters));
    q.bind(QStringLiteral("HEAD"), group);
    q.bind(QStringLiteral("DETAIL"), code);
    QString name;
    if (q.open() && q.next())
        name = q.value(0);
    q.close();
    return name;
}
