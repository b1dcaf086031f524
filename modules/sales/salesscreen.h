#pragma once
// The base of the sales report screens (EFS010 … EFS070): read-only views of the point-of-sale lines.
#include "framework/ezs000.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QToolButton;
class TCodeCombo;
class TDateEdit;
class TEdit;
class TReportViewer;

class TCodeField;
class TListGrid;
class TfrmZZP010;

// The shared conditions: the business place with its name and lookup, and the sale period.
class TfrmSalesScreen : public TfrmEZS000 {
    Q_OBJECT
public:
    explicit TfrmSalesScreen(QWidget *parent = nullptr);
    TEdit *edt_Upjang_No = nullptr;
    QLabel *wlbUpjangName = nullptr;
    QToolButton *sbtUpjang = nullptr;
    TCodeField *upjang = nullptr;   // the business place: its name beside it, its lookup
    TDateEdit *dtpFromDate = nullptr, *dtpToDate = nullptr;
    TReportViewer *viewer = nullptr;
    QString FFromDate, FToDate;

protected:
    void addUpjang(const QString &code);
    void addPeriod(const QString &caption = QStringLiteral("판매일자 :"));
    void addViewer();             // in place of the grid; print, preview, export and cancel hidden
    void openReport(const QString &file, const QStringList &values);
    // The sale lines of the period (and of the place unless it is empty) with the largest adult/child
    // class and the ticket kind of their menu (matched on place and menu code), for the summaries.
    QString saleLines(QHash<QString, QVariant> *binds, bool anyPlace) const;
    void runSummary(const QString &sql, const QHash<QString, QVariant> &binds);
};

namespace sales {
// "SUM(CASE WHEN <when> THEN X.SALE_QTY ELSE 0 END) AS <name>_QTY, … AS <name>_AMT"
QString sums(const QString &when, const QString &name);
// "<name>_QTY" and "<name>_AMT" of a summary (of the select named by qualifier) shown #,##0.
QString grouped(const QString &name, const QString &qualifier = QString());
// The quantity and amount columns of a summary under one group title.
void addPair(TListGrid *grid, const QString &name, const QString &group, bool hidden = false);
} // namespace sales
