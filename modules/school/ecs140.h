#pragma once
#include "schoolreport.h"

// ECS140: the private lessons of a day with their fees.
class TfrmECS140 : public TfrmSchoolReport {
    Q_OBJECT
public:
    explicit TfrmECS140(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
protected:
    reportsql::Statement statement() override;
};
