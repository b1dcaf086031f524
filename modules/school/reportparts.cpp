#include "reportparts.h"
#include "framework/sqltext.h"

namespace schoolreports {

const QHash<QString, QVariant> kCodeGroups = {
    {"GC_SEX_CODE", QStringLiteral("Z0008")},           {"GC_LECTURE_ITEM_CODE", QStringLiteral("E0022")},
    {"GC_LECTURE_REC_CODE", QStringLiteral("E0023")},   {"GC_LECTURE_DETAIL_CODE", QStringLiteral("E0024")},
    {"GC_AREA_GUBUN_CODE", QStringLiteral("E0017")},    {"GC_TEAM_CODE", QStringLiteral("Q043")},
    {"GC_LECTURER_GUBUN", QStringLiteral("Q044")}};

QString codeLabels(const QStringList &columns, const QString &prefix, const QString &suffix)
{
    static const QHash<QString, QString> params{{"SEX", "GC_SEX_CODE"},
                                                {"AREA_GUBUN", "GC_AREA_GUBUN_CODE"},
                                                {"LECTURE_ITEM_GUBUN", "GC_LECTURE_ITEM_CODE"},
                                                {"LECTURE_REC_GUBUN", "GC_LECTURE_REC_CODE"},
                                                {"LECTURE_DETAIL_GUBUN", "GC_LECTURE_DETAIL_CODE"}};
    QStringList labels;
    for (const QString &column : columns) {
        Q_ASSERT_X(params.contains(column), "codeLabels", "a code column of the school's tables");
        labels << codeLabel(params.value(column), prefix + column, column + suffix);
    }
    return labels.join(QStringLiteral(", "));
}

QString personnelLabel(const QString &param, const QString &column, const QString &alias)
{
    return QStringLiteral("(SELECT CODE_NAME FROM ZX900DT WHERE GRP_NO = :%1 AND CODE_NO = %2) AS %3")
        .arg(param, column, alias);
}

} // namespace schoolreports
