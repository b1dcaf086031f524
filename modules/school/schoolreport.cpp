#include "schoolreport.h"

TfrmSchoolReport::TfrmSchoolReport(const TReportDefinition &report, QWidget *parent) : TfrmReportList(report, parent)
{
    countLines();
}
