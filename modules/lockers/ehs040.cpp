#include "ehs040.h"
#include "framework/reportviewer.h"
#include "widgets/inputs.h"
#include <QSplitter>

TfrmEHS040::TfrmEHS040(QWidget *parent) : TfrmEZS000(parent)
{
    setObjectName("frmEHS040");
    setWindowTitle(QStringLiteral("시즌락카 판매 집계"));
    dtpFromDate = addDateEdit("dtpFromDate", QStringLiteral("판매일자 : FROM"));
    dtpToDate = addDateEdit("dtpToDate", QStringLiteral("TO"));
    viewer = new TReportViewer(splSplitter);
    viewer->setObjectName("viewer");
    splSplitter->insertWidget(0, viewer);
    splSplitter->setStretchFactor(0, 1);
    panGrid->hide();
    for (QWidget *b : {static_cast<QWidget *>(bbtPrint), static_cast<QWidget *>(bbtPreview),
                       static_cast<QWidget *>(bbtExcel), static_cast<QWidget *>(bbtCancel)})
        b->hide();
}

void TfrmEHS040::search()
{
    viewer->setAutoAdjust(0);
    viewer->setZoomRatio(90);
    viewer->Open(TReportViewer::location(QStringLiteral("시즌락카판매집계.mrd")),
                 ReportParams({dtpFromDate->dateText(), dtpToDate->dateText()}));
}
