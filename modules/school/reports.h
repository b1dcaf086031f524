#pragma once
// The ski-school report screens on the framework's report bases; each prints with its layout (ECS090
// prints as ECP090), whose summary counts the lines printed.
#include "framework/reportscreens.h"

class TMaskEdit;

// A report of this subsystem: its layout ends with "건수:" and the number of lines.
class TfrmSchoolReport : public TfrmReportList {
    Q_OBJECT
public:
    TfrmSchoolReport(const TReportDefinition &report, QWidget *parent);
};

// ECS090: the ski club enrolments of a season, within an optional range of enrolment numbers.
class TfrmECS090 : public TfrmSchoolReport {
    Q_OBJECT
public:
    explicit TfrmECS090(QWidget *parent = nullptr);
    TEdit *edtLectureNoFrom, *edtLectureNoTo;
protected:
    bool validate() override;
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
};

// ECS100: the ski school trainees of a season, all or by receipt date or receipt number; the receipt
// is shown, on screen and in print, on the first of its trainees only.
class TfrmECS100 : public TfrmSchoolReport {
    Q_OBJECT
public:
    explicit TfrmECS100(QWidget *parent = nullptr);
    TCodeCombo *cboCondition;
    TMaskEdit *wmeEnterDateFrom, *wmeEnterDateTo;
    TEdit *edtReceiptNoFrom, *edtReceiptNoTo;
protected:
    bool validate() override;
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
    void afterSearch() override;
};

// ECS130: the staff lesson reservations of a day.
class TfrmECS130 : public TfrmSchoolReport {
    Q_OBJECT
public:
    explicit TfrmECS130(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
protected:
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
};

// ECS140: the private lessons of a day with their fees.
class TfrmECS140 : public TfrmSchoolReport {
    Q_OBJECT
public:
    explicit TfrmECS140(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
protected:
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
};

// ECS110: the instructor assignments of a day, by instructor.
class TfrmECS110 : public TfrmSchoolReport {
    Q_OBJECT
public:
    explicit TfrmECS110(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
protected:
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
};
