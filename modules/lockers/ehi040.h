#pragma once
// EHI040 시즌락카 위약금 관리: the penalty records of cancelled locker sales of a season (written by the
// cancellation on EHI020); only the penalty payment date and the refund date are entered here, saved
// through PR_EHI040_01, after which the list is read again.
#include "framework/zzi090.h"

class TfrmEHI040 : public TfrmZZI090 {
    Q_OBJECT
public:
    enum Column { cSeqNo, cCancelDate, cSeasonYear, cLocation, cAreaZone, cLockerType, cLockerNo, cMName, cPenaltyAmt,
                  cIpgumDate, cPayCode, cIpgumAmt, cPenaltyYn, cReturnDate, cReturnAmt };
    explicit TfrmEHI040(QWidget *parent = nullptr);

    TEdit *edt_SeasonYear = nullptr;

protected:
    void AfterSave() override;
};
