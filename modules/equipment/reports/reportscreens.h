#pragma once
// The rental and storage report screens EBS060 … EBS130 and their page layouts EBP060 … EBP130.
#include "framework/ezp000.h"
#include "framework/ezs000.h"
#include "modules/equipment/reports/statements.h"
#include <QLabel>
#include <QVector>

class TCodeCombo;
class TDateEdit;
class TEdit;
class TSeasonField;

struct TReportColumn {
    const char *field;
    const char *title;
    int width;                 // pixels in the grid; the layout takes a quarter in millimetres
    bool right = false;
};

// What names a report screen: its program ID, window caption, its layout's title and the grid columns.
struct TReportDefinition {
    QString programId;
    QString caption;
    QString layoutTitle;
    QVector<TReportColumn> columns;
};

// A layout printing the listed columns; summaries add the total beside "합계".
class TfrmEBPList : public TfrmEZP010 {
    Q_OBJECT
public:
    TfrmEBPList(const QString &programId, const QString &title, const QVector<TReportColumn> &columns,
                bool summary);
    QString FTotal;

protected:
    void design() override;

private:
    bool m_summary;
    int m_columns;
};

// A report screen: validation, the statement of its conditions, the grid columns and its layout.
// A summary (summarise()) also draws its subtotal rows in yellow, shows a first key repeated on
// consecutive rows once, and puts the grand total of its count query in the footer and beside "합계".
class TfrmEBSList : public TfrmEZS000 {
    Q_OBJECT
public:
    TfrmEBSList(const TReportDefinition &report, QWidget *parent);
    TCodeCombo *cboArea = nullptr;
    TEdit *edtSeason = nullptr;
    QLabel *wlbSeason = nullptr;
    TSeasonField *season = nullptr;   // edtSeason with its lookup button and wlbSeason
    QString total() const { return FTotal; }

protected:
    virtual bool validate() { return true; }
    virtual equipment_reports::Statement statement() = 0;
    virtual equipment_reports::Statement totalStatement() { return {}; }   // summaries only
    virtual QStringList conditionLines() = 0;
    void search() override;
    void afterSearch() override;
    TfrmZZP010 *createLayout() override;
    void fillConditions(TfrmZZP010 *layout) override;

    void summarise(const QString &totalCaption);
    TCodeCombo *addArea(const QString &caption = QStringLiteral("*지역구분"));
    void addSeason();                 // "*시즌" with its lookup button and its name beside it
    bool checkSeason();
    QString seasonPair() const;       // "*시즌: <name>"
    // An optional date typed as yyyymmdd; empty is allowed, anything else must be a date.
    TEdit *addOptionalDate(const QString &name, const QString &caption);
    bool checkDates(TEdit *from, TEdit *to, const QString &caption);
    static QString periodPair(const QString &caption, TEdit *from, TEdit *to);
    bool refuse(QWidget *field, const QString &message);   // the error shown, the field focused

    TReportDefinition m_report;
    QVector<TReportColumn> m_layoutColumns;   // when the layout prints other fields than the grid shows
    QString FTotal;

private:
    bool m_summary = false;
    QString m_totalCaption;
};

// Conditions "<date>" and "*지역구분"; the statements take the date and the area.
class TfrmEBSDayReport : public TfrmEBSList {
    Q_OBJECT
public:
    using DayStatement = equipment_reports::Statement (*)(const QString &date, const QString &area);
    TfrmEBSDayReport(const TReportDefinition &report, const QString &dateCaption, DayStatement rows,
                     DayStatement total, QWidget *parent);
    TDateEdit *dtpDate;

protected:
    equipment_reports::Statement statement() override;
    equipment_reports::Statement totalStatement() override;
    QStringList conditionLines() override;

private:
    DayStatement m_rows, m_total;
};

// Conditions "*시즌", "지역구분" and the intake period "입고일자"; the statements take all four.
class TfrmEBSStorageSummary : public TfrmEBSList {
    Q_OBJECT
public:
    using StorageStatement = equipment_reports::Statement (*)(const QString &season, const QString &area,
                                                              const QString &ipgoFrom, const QString &ipgoTo);
    TfrmEBSStorageSummary(const TReportDefinition &report, StorageStatement rows, StorageStatement total,
                          QWidget *parent);
    TEdit *edtIpgoFrom, *edtIpgoTo;

protected:
    bool validate() override;
    equipment_reports::Statement statement() override;
    equipment_reports::Statement totalStatement() override;
    QStringList conditionLines() override;

private:
    StorageStatement m_rows, m_total;
};

class TfrmEBS060 : public TfrmEBSList {
    Q_OBJECT
public:
    explicit TfrmEBS060(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
    TCodeCombo *cboRentStat, *cboTicketKind;
protected:
    equipment_reports::Statement statement() override;
    QStringList conditionLines() override;
};

class TfrmEBS070 : public TfrmEBSList {
    Q_OBJECT
public:
    explicit TfrmEBS070(QWidget *parent = nullptr);
protected:
    equipment_reports::Statement statement() override;
    QStringList conditionLines() override;
};

// Rentals of a day by hour.
class TfrmEBS080 : public TfrmEBSDayReport {
    Q_OBJECT
public:
    explicit TfrmEBS080(QWidget *parent = nullptr);
};

class TfrmEBS090 : public TfrmEBSList {
    Q_OBJECT
public:
    explicit TfrmEBS090(QWidget *parent = nullptr);
    TEdit *edtDateFrom, *edtDateTo;
protected:
    bool validate() override;
    equipment_reports::Statement statement() override;
    equipment_reports::Statement totalStatement() override;
    QStringList conditionLines() override;
};

class TfrmEBS100 : public TfrmEBSList {
    Q_OBJECT
public:
    explicit TfrmEBS100(QWidget *parent = nullptr);
    TCodeCombo *cboKeepStat, *cboKeepGubun, *cboEquipGubun, *cboEquipNameGubun;
    TEdit *edtKeepName;
    QHash<QString, QLabel *> detailLabels;   // the current item's remaining fields, by field name
    void showDetail(int row);
protected:
    bool validate() override { return checkSeason(); }
    equipment_reports::Statement statement() override;
    QStringList conditionLines() override;
};

// Items not released by a reference date.
class TfrmEBS110 : public TfrmEBSDayReport {
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
