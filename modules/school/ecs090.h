#pragma once
#include "schoolreport.h"

// ECS090: the ski club enrolments of a season, within an optional range of enrolment numbers.
class TfrmECS090 : public TfrmSchoolReport {
    Q_OBJECT
public:
    explicit TfrmECS090(QWidget *parent = nullptr);
    TEdit *edtLectureNoFrom, *edtLectureNoTo;
protected:
    reportsql::Statement statement() override;
};
