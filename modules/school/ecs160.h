#pragma once
// ECS160: the lessons of a partner group by day: the pupils and the instructors by discipline and
// time of day, each with its sum, and the total.
#include "schoolreport.h"

class QPushButton;
class TEventField;

class TfrmECS160 : public TfrmSchoolReport {
    Q_OBJECT
public:
    explicit TfrmECS160(QWidget *parent = nullptr);
    TEdit *edtEventNo;
    QPushButton *bbtEventNo;
    QLabel *wlbEventNo;
    TEventField *event;

protected:
    bool validate() override;
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
    TfrmZZP010 *createLayout() override;
};
