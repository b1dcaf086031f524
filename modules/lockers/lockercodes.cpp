#include "lockercodes.h"
#include "core/messages.h"
#include "database/database.h"
#include "refdata/codes.h"

bool FillLockerCodes(TCodeCombo *combo, const QString &group, const QStringList &filters)
{
    combo->clear();
    combo->addItem(QStringLiteral("전체"), QString());
    try {
        FillCodeCombo(combo, group, filters);
    } catch (const db::DatabaseError &e) {
        ShowError(QStringLiteral("에러내용:\r") + e.message());
        return false;
    }
    combo->setCurrentIndex(0);
    return true;
}

bool FillLockerLocations(TCodeCombo *combo)
{
    return FillLockerCodes(combo, QStringLiteral("E0017"), {QString(), QString(), QStringLiteral("Y")});
}

void FillSaleStates(TCodeCombo *combo)
{
    combo->clear();
    combo->addItem(QStringLiteral("전체"), QString());
    for (const char *s : {"Y", "N", "C"})
        combo->addItem(QLatin1String(s), QLatin1String(s));
    combo->setCurrentIndex(0);
}
