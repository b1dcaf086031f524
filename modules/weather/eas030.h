#pragma once
#include "placereport.h"

class TfrmEAS030 : public TfrmEASPlaceReport {
    Q_OBJECT
public:
    explicit TfrmEAS030(QWidget *parent = nullptr);
    TDateEdit *dtpFromDate = nullptr, *dtpToDate = nullptr;
    QString FFromDate, FToDate;   // the pickers' "yyyymmdd", renewed on every change

protected:
    reportsql::Statement statement() override;
    reportsql::Statement footerStatement() override;
    bool byDay() const override { return true; }
};
