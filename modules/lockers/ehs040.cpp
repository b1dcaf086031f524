#include "ehs040.h"
#include "framework/reportviewer.h"
#include "widgets/inputs.h"

TfrmEHS040::TfrmEHS040(QWidget *parent) : TfrmEZS000(parent)
{
    setObjectName("frmEHS040");
    setWindowTitle(QStringLiteral("시즌락카 판매 집계"));
    dtpFromDate = addDateEdit("dtpFromDate", QStringLiteral("판매일자 : FROM"));
    dtpToDate = addDateEdit("dtpToDate", QStringLiteral("TO"));
    viewer = ShowViewerInPlaceOfGrid(this);
}

void TfrmEHS040::search()
{
    viewer->setAutoAdjust(0);
    viewer->setZoomRatio(90);
    viewer->Open(TReportViewer::location(QStringLiteral("시즌락카판매집계.mrd")),
                 ReportParams({dtpFromDate->dateText(), dtpToDate->dateText()}));
}
