#pragma once
#include "placereport.h"

class TfrmEAS020 : public TfrmEASPlaceReport {
    Q_OBJECT
public:
    explicit TfrmEAS020(QWidget *parent = nullptr);
    TDateEdit *dtpDate = nullptr;

protected:
    reportsql::Statement statement() override;
    reportsql::Statement footerStatement() override;
    bool byDay() const override { return false; }
};
