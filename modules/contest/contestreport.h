#pragma once
// The base of the competition and badge-test report screens (EDS040, EDS050, EDS060); each prints
// with its layout EDP040 … EDP060, whose summary counts the lines printed.
#include "framework/reportscreens.h"

// A report of this subsystem: its layout ends with "건수:" and the number of lines.
class TfrmContestReport : public TfrmReportList {
    Q_OBJECT
public:
    TfrmContestReport(const TReportDefinition &report, QWidget *parent);
};
