#pragma once
#include "schoolreport.h"

// ECS130: the staff lesson reservations of a day.
class TfrmECS130 : public TfrmSchoolReport {
    Q_OBJECT
public:
    explicit TfrmECS130(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
protected:
    reportsql::Statement statement() override;
};
