#pragma once
#include "contestreport.h"

class TMaskEdit;
class TRowDetail;

// EDS050: the applicants of a season, by receipt number, name or application date.
class TfrmEDS050 : public TfrmContestReport {
    Q_OBJECT
public:
    explicit TfrmEDS050(QWidget *parent = nullptr);
    TCodeCombo *cboCondition;
    TEdit *edtRecvNoFrom, *edtRecvNoTo, *edtEntryNameKor;
    TMaskEdit *wmeApplyDateFrom, *wmeApplyDateTo;
    TRowDetail *detail;   // the current applicant's other fields below the grid
protected:
    bool validate() override { return checkSeason(); }
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
};
