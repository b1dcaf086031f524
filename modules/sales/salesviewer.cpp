#include "salesviewer.h"
#include "framework/reportviewer.h"
#include <QVBoxLayout>

void OpenSalesReport(TReportViewer *viewer, const QString &file, const QString &params)
{
    viewer->setAutoAdjust(0);
    viewer->setZoomRatio(90);
    viewer->Open(TReportViewer::location(file), params);
}

TfrmSalesViewerWindow::TfrmSalesViewerWindow(const QString &programId, const QString &caption, const QString &reportFile)
    : QWidget(nullptr, Qt::Window), m_file(reportFile)
{
    setObjectName(QStringLiteral("frm") + programId);
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    viewer = new TReportViewer(this);
    viewer->setObjectName(QStringLiteral("viewer"));
    layout->addWidget(viewer);
    setAttribute(Qt::WA_QuitOnClose, false);   // the program ends with its main window
    resize(1000, 720);
}

void TfrmSalesViewerWindow::showReport(const QStringList &values)
{
    FParams = ReportParams(values);
    OpenSalesReport(viewer, m_file, FParams);
    show();
    raise();
    activateWindow();
}
