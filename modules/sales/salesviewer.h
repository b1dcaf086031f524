#pragma once
// The plain report windows of the sales screens (EFH030, EFR040, EFR041): the viewer only, one
// instance each, shown by the screens.
#include <QWidget>

class TReportViewer;

// A report window: the viewer only. Every request opens its report afresh with the values given.
class TfrmSalesViewerWindow : public QWidget {
    Q_OBJECT
public:
    TfrmSalesViewerWindow(const QString &programId, const QString &caption, const QString &reportFile);
    TReportViewer *viewer;
    QString FParams;             // the parameter string of the last request
    QString reportFile() const { return m_file; }
    void showReport(const QStringList &values);
private:
    QString m_file;
};

// Opens a report of the sales screens in a viewer, fitted as every sales report is.
void OpenSalesReport(TReportViewer *viewer, const QString &file, const QString &params);
