#include "contestreport.h"

TfrmContestReport::TfrmContestReport(const TReportDefinition &report, QWidget *parent)
    : TfrmReportList(report, parent)
{
    countLines();
}
