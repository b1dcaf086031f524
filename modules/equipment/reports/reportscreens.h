#pragma once
// The rental and storage report screens EBS060 … EBS130 on the framework's report bases; each
// prints with its layout EBP060 … EBP130.
#include "framework/reportscreens.h"
#include "modules/equipment/reports/statements.h"

// The names the rental and storage reports have known their bases by.
using TfrmEBSList = TfrmReportList;
using TfrmEBPList = TfrmReportLayout;

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
    bool validate() override;
    reportsql::Statement statement() override;
    reportsql::Statement totalStatement() override;
    QStringList conditionLines() override;

private:
    StorageStatement m_rows, m_total;
};

class TfrmEBS060 : public TfrmReportList {
    Q_OBJECT
public:
    explicit TfrmEBS060(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
    TCodeCombo *cboRentStat, *cboTicketKind;
protected:
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
};

class TfrmEBS070 : public TfrmReportList {
    Q_OBJECT
public:
    explicit TfrmEBS070(QWidget *parent = nullptr);
protected:
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
};

// Rentals of a day by hour.
class TfrmEBS080 : public TfrmDayReport {
    Q_OBJECT
public:
    explicit TfrmEBS080(QWidget *parent = nullptr);
};

class TfrmEBS090 : public TfrmReportList {
    Q_OBJECT
public:
    explicit TfrmEBS090(QWidget *parent = nullptr);
    TEdit *edtDateFrom, *edtDateTo;
protected:
    bool validate() override;
    reportsql::Statement statement() override;
    reportsql::Statement totalStatement() override;
    QStringList conditionLines() override;
};

class TfrmEBS100 : public TfrmReportList {
    Q_OBJECT
public:
    explicit TfrmEBS100(QWidget *parent = nullptr);
    TCodeCombo *cboKeepStat, *cboKeepGubun, *cboEquipGubun, *cboEquipNameGubun;
    TEdit *edtKeepName;
    QHash<QString, QLabel *> detailLabels;   // the current item's remaining fields, by field name
    void showDetail(int row);
protected:
    bool validate() override { return checkSeason(); }
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
};

// Items not released by a reference date.
class TfrmEBS110 : public TfrmDayReport {
    Q_OBJECT
public:
    explicit TfrmEBS110(QWidget *parent = nullptr);
};

// Stored items by storage kind.
class TfrmEBS120 : public TfrmEBSStorageSummary {
    Q_OBJECT
public:
    explicit TfrmEBS120(QWidget *parent = nullptr);
};

// Stored items by the owner's region.
class TfrmEBS130 : public TfrmEBSStorageSummary {
    Q_OBJECT
public:
    explicit TfrmEBS130(QWidget *parent = nullptr);
};
