#pragma once
#include "contestreport.h"

// EDS060: the judging results of a season and examination day: each judge's sum, the total and the
// average of the three judges.
class TfrmEDS060 : public TfrmContestReport {
    Q_OBJECT
public:
    explicit TfrmEDS060(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
    TEdit *edtRecvNoFrom, *edtRecvNoTo;
protected:
    reportsql::Statement statement() override;
};
