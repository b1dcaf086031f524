#pragma once
#include "contestreport.h"

// EDS040: the competitions of a day.
class TfrmEDS040 : public TfrmContestReport {
    Q_OBJECT
public:
    explicit TfrmEDS040(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
protected:
    reportsql::Statement statement() override;
};
