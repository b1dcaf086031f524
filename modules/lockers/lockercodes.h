#pragma once
// The condition lists of the locker screens: "전체" (empty value) first, then the codes of a group,
// read by DETAIL_NAME and DETAIL from the common code table; a reading failure is shown as
// "에러내용:\r" followed by the database message.
#include "widgets/inputs.h"

// Locations are the ones with ITEM3 = 'Y'.
bool FillLockerLocations(TCodeCombo *combo);
bool FillLockerCodes(TCodeCombo *combo, const QString &group, const QStringList &filters = {});
// "전체", "Y", "N", "C" with values empty, "Y", "N", "C".
void FillSaleStates(TCodeCombo *combo);
