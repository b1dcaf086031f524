#pragma once
#include "contestreport.h"

class TMaskEdit;
class TRowDetail;

// EDS050: the applicants of a season, by receipt number, name or application date.
class TfrmEDS050 : public TfrmContestReport {
    Q_OBJECT
public:
    explicit TfrmEDS050(QWidget *parent = nullptr);
    TCodeCombo *cboCondition = nullptr;
    TEdit *edtRecvNoFrom = nullptr, *edtRecvNoTo = nullptr, *edtEntryNameKor = nullptr;
    TMaskEdit *wmeApplyDateFrom = nullptr, *wmeApplyDateTo = nullptr;
    TRowDetail *detail;   // the current applicant's other fields below the grid
protected:
    reportsql::Statement statement() override;
};
