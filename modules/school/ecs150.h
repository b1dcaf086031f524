#pragma once
// ECS150: the lesson accidents of a day; the victim, the other party and what happened of the
// accident under the cursor stand below the grid.
#include "schoolreport.h"

class TRowDetail;

class TfrmECS150 : public TfrmSchoolReport {
    Q_OBJECT
public:
    explicit TfrmECS150(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
    TRowDetail *detail;

protected:
    reportsql::Statement statement() override;
};
