#pragma once
// ECS160: the lessons of a partner group by day: the pupils and the instructors by discipline and
// time of day, each with its sum, and the total.
#include "schoolreport.h"

class TEventField;

class TfrmECS160 : public TfrmSchoolReport {
    Q_OBJECT
public:
    explicit TfrmECS160(QWidget *parent = nullptr);
    TEdit *edtEventNo = nullptr;
    QLabel *wlbEventNo = nullptr;
    TEventField *event = nullptr;   // the partner group in edtEventNo, its name in wlbEventNo

protected:
    reportsql::Statement statement() override;
    TfrmZZP010 *createLayout() override;
};
