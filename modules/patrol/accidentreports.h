#pragma once
// The finished accident reports: EES001 lists the reports of code group E0054 and shows the chosen one
// for the period beside the list, through the report viewer; EES003 (from the local report folder) and
// EES004 (from the report server) offer only the first report.
#include "framework/ezs000.h"

class TDateEdit;
class TReportViewer;

class TfrmAccidentReports : public TfrmEZS000 {
    Q_OBJECT
public:
    TfrmAccidentReports(const QString &programId, const QString &caption, bool firstOnly, bool local,
                        QWidget *parent = nullptr);
    TDateEdit *dtpFromDate, *dtpToDate;
    TReportViewer *viewer;
    static QString reportFile(const QString &number);   // empty for a number without a report

protected:
    void search() override;
    void showCurrentReport();

private:
    bool m_firstOnly, m_local;
};
