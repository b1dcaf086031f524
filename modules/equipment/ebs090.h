#pragma once
#include "framework/reportscreens.h"
#include "modules/equipment/reportstatements.h"

class TfrmEBS090 : public TfrmReportList {
    Q_OBJECT
public:
    explicit TfrmEBS090(QWidget *parent = nullptr);
    TEdit *edtDateFrom, *edtDateTo;
protected:
    reportsql::Statement statement() override;
    reportsql::Statement totalStatement() override;
};
