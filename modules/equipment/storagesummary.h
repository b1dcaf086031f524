#pragma once
// The base of the storage summaries EBS120 and EBS130.
#include "framework/reportscreens.h"
#include "modules/equipment/reportstatements.h"

// Conditions "*시즌", "지역구분" and the intake period "입고일자"; the statements take all four.
class TfrmEBSStorageSummary : public TfrmReportList {
    Q_OBJECT
public:
    using StorageStatement = reportsql::Statement (*)(const QString &season, const QString &area,
                                                      const QString &ipgoFrom, const QString &ipgoTo);
    TfrmEBSStorageSummary(const TReportDefinition &report, StorageStatement rows, StorageStatement total,
                          QWidget *parent);
    TEdit *edtIpgoFrom, *edtIpgoTo;

protected:
    reportsql::Statement statement() override;
    reportsql::Statement totalStatement() override;

private:
    StorageStatement m_rows, m_total;
};
