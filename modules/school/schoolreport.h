#pragma once
// The base of the ski-school report screens; each prints with its layout (ECS090 prints as ECP090),
// whose summary counts the lines printed.
#include "framework/reportscreens.h"

// A report of this subsystem: its layout ends with "건수:" and the number of lines.
class TfrmSchoolReport : public TfrmReportList {
    Q_OBJECT
public:
    TfrmSchoolReport(const TReportDefinition &report, QWidget *parent);
};
