#include "reportparts.h"
#include "core/utils.h"
#include "widgets/inputs.h"
#include <QRegularExpressionValidator>

namespace schoolreports {

const QHash<QString, QVariant> kCodeGroups = {
    {"GC_SEX_CODE", QStringLiteral("Z0008")},           {"GC_LECTURE_ITEM_CODE", QStringLiteral("E0022")},
    {"GC_LECTURE_REC_CODE", QStringLiteral("E0023")},   {"GC_LECTURE_DETAIL_CODE", QStringLiteral("E0024")},
    {"GC_AREA_GUBUN_CODE", QStringLiteral("E0017")},    {"GC_TEAM_CODE", QStringLiteral("Q043")},
    {"GC_LECTURER_GUBUN", QStringLiteral("Q044")}};

void numberBound(TEdit *edit, int digits)
{
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), edit));
    edit->setMaximumWidth(100);
}

QString maskedIdNo(const QString &column)
{
    return QStringLiteral("CASE WHEN NULLIF(TRIM(%1), '') IS NULL THEN NULL "
                          "ELSE FN_ZA010MS_04(SUBSTR(%1,1,6) ||'-'|| SUBSTR(%1,7,7)) END AS ID_NO").arg(column);
}

TMaskEdit *maskedDate(QWidget *parent, const char *name)
{
    auto *e = new TMaskEdit(QStringLiteral("9999-99-99"), parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

TMaskEdit *invalidDate(std::initializer_list<TMaskEdit *> bounds)
{
    for (TMaskEdit *e : bounds)
        if (!e->value().isEmpty() && !IsValidDate8(e->value()))
            return e;
    return nullptr;
}

QString personnelLabel(const QString &param, const QString &column, const QString &alias)
{
    return QStringLiteral("(SELECT CODE_NAME FROM ZX900DT WHERE GRP_NO = :%1 AND CODE_NO = %2) AS %3")
        .arg(param, column, alias);
}

} // namespace schoolreports
