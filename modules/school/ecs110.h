#pragma once
#include "schoolreport.h"

// ECS110: the instructor assignments of a day, by instructor.
class TfrmECS110 : public TfrmSchoolReport {
    Q_OBJECT
public:
    explicit TfrmECS110(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
protected:
    reportsql::Statement statement() override;
};
