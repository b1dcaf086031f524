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

struct TReportColumn {
    const char *field;
    const char *title;
    int width;                 // pixels in the grid; the layout takes a quarter in millimetres
    bool right = false;
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
class TfrmEBSList : public TfrmEZS000 {
    Q_OBJECT
public:
    TfrmEBSList(const QString &programId, const QString &caption, const QString &layoutTitle,
                const QVector<TReportColumn> &columns);
    TCodeCombo *cboArea = nullptr;
    TEdit *edtSeason = nullptr;
    QLabel *wlbSeason = nullptr;
    void lookupSeason();              // F1 or the button: the season lookup, then on to the area

protected:
    virtual bool validate() { return true; }
    virtual equipment_reports::Statement statement() = 0;
    virtual QStringList conditionLines() = 0;
    void search() override;
    TfrmZZP010 *createLayout() override;
    void fillConditions(TfrmZZP010 *layout) override;

    TCodeCombo *addArea(const QString &caption = QStringLiteral("*지역구분"))
    {
        return cboArea = addCodeCombo("cboArea", caption, "E0017");
    }
    void addSeason();                 // "*시즌" with its name beside it
    bool checkSeason();
    QString seasonPair() const;       // "*시즌: <name>"
    // An optional date typed as yyyymmdd; empty is allowed, anything else must be a date.
    TEdit *addOptionalDate(const QString &name, const QString &caption);
    bool checkDates(TEdit *from, TEdit *to, const QString &caption);
    static QString periodPair(const QString &caption, TEdit *from, TEdit *to);

    QString m_programId;
    QString m_layoutTitle;
    QVector<TReportColumn> m_columns;
    QVector<TReportColumn> m_layoutColumns;   // when the layout prints other fields than the grid shows
    bool m_summary = false;
    QString FTotal;
};

// A summary: subtotal rows in yellow, a first key repeated on consecutive rows shown once, and the
// grand total of the count query in the footer and beside "합계".
class TfrmEBSSummary : public TfrmEBSList {
    Q_OBJECT
public:
    TfrmEBSSummary(const QString &programId, const QString &caption, const QString &layoutTitle,
                   const QVector<TReportColumn> &columns, const QString &totalCaption);
    QString total() const { return FTotal; }

protected:
    virtual equipment_reports::Statement totalStatement() = 0;
    void afterSearch() override;

private:
    QString m_totalCaption;
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

class TfrmEBS080 : public TfrmEBSSummary {
    Q_OBJECT
public:
    explicit TfrmEBS080(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
protected:
    equipment_reports::Statement statement() override;
    equipment_reports::Statement totalStatement() override;
    QStringList conditionLines() override;
};

class TfrmEBS090 : public TfrmEBSSummary {
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

class TfrmEBS110 : public TfrmEBSList {
    Q_OBJECT
public:
    explicit TfrmEBS110(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
protected:
    equipment_reports::Statement statement() override;
    QStringList conditionLines() override;
};

// EBS120 and EBS130 share their conditions: season, area and the intake period.
class TfrmEBSStorageSummary : public TfrmEBSSummary {
    Q_OBJECT
public:
    TfrmEBSStorageSummary(const QString &programId, const QString &caption, const QString &layoutTitle,
                          const QVector<TReportColumn> &columns);
    TEdit *edtIpgoFrom, *edtIpgoTo;
protected:
    bool validate() override;
    QStringList conditionLines() override;
};

class TfrmEBS120 : public TfrmEBSStorageSummary {
    Q_OBJECT
public:
    explicit TfrmEBS120(QWidget *parent = nullptr);
protected:
    equipment_reports::Statement statement() override;
    equipment_reports::Statement totalStatement() override;
};

class TfrmEBS130 : public TfrmEBSStorageSummary {
    Q_OBJECT
public:
    explicit TfrmEBS130(QWidget *parent = nullptr);
protected:
    equipment_reports::Statement statement() override;
    equipment_reports::Statement totalStatement() override;
};
