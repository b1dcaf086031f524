#pragma once
// The competition and badge-test report screens EDS040, EDS050 and EDS060 on the framework's report
// bases; each prints with its layout EDP040 … EDP060, whose summary counts the lines printed.
#include "framework/reportscreens.h"

class TMaskEdit;
class TRowDetail;

// A report of this subsystem: its layout ends with "건수:" and the number of lines.
class TfrmContestReport : public TfrmReportList {
    Q_OBJECT
public:
    TfrmContestReport(const TReportDefinition &report, QWidget *parent);
};

// EDS040: the competitions of a day.
class TfrmEDS040 : public TfrmContestReport {
    Q_OBJECT
public:
    explicit TfrmEDS040(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
protected:
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
};

// EDS050: the applicants of a season, by receipt number, name or application date.
class TfrmEDS050 : public TfrmContestReport {
    Q_OBJECT
public:
    explicit TfrmEDS050(QWidget *parent = nullptr);
    TCodeCombo *cboCondition;
    TEdit *edtRecvNoFrom, *edtRecvNoTo, *edtEntryNameKor;
    TMaskEdit *wmeApplyDateFrom, *wmeApplyDateTo;
    TRowDetail *detail;   // the current applicant's other fields below the grid
protected:
    bool validate() override { return checkSeason(); }
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
};

// EDS060: the judging results of a season and examination day: each judge's sum, the total and the
// average of the three judges.
class TfrmEDS060 : public TfrmContestReport {
    Q_OBJECT
public:
    explicit TfrmEDS060(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
    TEdit *edtRecvNoFrom, *edtRecvNoTo;
protected:
    bool validate() override { return checkSeason(); }
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
};
