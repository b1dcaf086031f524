#pragma once
#include "framework/reportscreens.h"
#include "modules/equipment/reportstatements.h"

class TfrmEBS060 : public TfrmReportList {
    Q_OBJECT
public:
    explicit TfrmEBS060(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
    TCodeCombo *cboRentStat, *cboTicketKind;
protected:
    reportsql::Statement statement() override;
};
