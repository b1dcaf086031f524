#pragma once
// The sales report screens: read-only views of the point-of-sale lines. EFS070 lists sale lines in a
// grid; EFS040, EFS050 and EFS060 hand a report and its parameters to the report viewer; EFH030,
// EFR040 and EFR041 are the plain report windows, one instance each, shown by the screens.
#include "framework/ezs000.h"
#include <QWidget>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QToolButton;
class TCodeCombo;
class TDateEdit;
class TEdit;
class TReportViewer;

// A report window: the viewer only. Every request opens its report afresh with the values given.
class TfrmSalesViewerWindow : public QWidget {
    Q_OBJECT
public:
    TfrmSalesViewerWindow(const QString &programId, const QString &caption, const QString &reportFile);
    TReportViewer *viewer;
    QString FParams;             // the parameter string of the last request
    QString reportFile() const { return m_file; }
    void showReport(const QStringList &values);
private:
    QString m_file;
};

class TfrmEFH030 : public TfrmSalesViewerWindow {
    Q_OBJECT
public:
    TfrmEFH030();
    static TfrmEFH030 *instance();
};
class TfrmEFR040 : public TfrmSalesViewerWindow {
    Q_OBJECT
public:
    TfrmEFR040();
    static TfrmEFR040 *instance();
};
class TfrmEFR041 : public TfrmSalesViewerWindow {
    Q_OBJECT
public:
    TfrmEFR041();
    static TfrmEFR041 *instance();
};

// The shared conditions: the business place with its name and lookup, and the sale period.
class TfrmSalesScreen : public TfrmEZS000 {
    Q_OBJECT
public:
    explicit TfrmSalesScreen(QWidget *parent = nullptr);
    TEdit *edt_Upjang_No = nullptr;
    QLabel *wlbUpjangName = nullptr;
    QToolButton *sbtUpjang = nullptr;
    TDateEdit *dtpFromDate = nullptr, *dtpToDate = nullptr;
    TReportViewer *viewer = nullptr;
    QString FFromDate, FToDate;

protected:
    void addUpjang(const QString &code);
    void addPeriod(const QString &caption = QStringLiteral("판매일자 :"));
    void addViewer();             // in place of the grid; print, preview, export and cancel hidden
    void openReport(const QString &file, const QStringList &values);
    void upjangLookup();
    // The sale lines of the period (and of the place unless it is empty) with the largest adult/child
    // class and the ticket kind of their menu (matched on place and menu code), for the summaries.
    QString saleLines(QHash<QString, QVariant> *binds, bool anyPlace) const;
    void runSummary(const QString &sql, const QHash<QString, QVariant> &binds);
    void showUpjangName();
};

class TfrmEFS010 : public TfrmSalesScreen {
    Q_OBJECT
public:
    explicit TfrmEFS010(QWidget *parent = nullptr);
protected:
    void search() override;
};

class TfrmEFS020 : public TfrmSalesScreen {
    Q_OBJECT
public:
    explicit TfrmEFS020(QWidget *parent = nullptr);
protected:
    void search() override;
};

class TfrmEFS030 : public TfrmSalesScreen {
    Q_OBJECT
public:
    explicit TfrmEFS030(QWidget *parent = nullptr);
protected:
    void search() override;
    TfrmZZP010 *createLayout() override;   // print and preview show EFH030 instead of a layout
};

class TfrmEFS040 : public TfrmSalesScreen {
    Q_OBJECT
public:
    explicit TfrmEFS040(QWidget *parent = nullptr);
    QPushButton *bbtMenu, *bbtPos;
};

class TfrmEFS050 : public TfrmSalesScreen {
    Q_OBJECT
public:
    explicit TfrmEFS050(QWidget *parent = nullptr);
protected:
    void search() override;
};

class TfrmEFS060 : public TfrmSalesScreen {
    Q_OBJECT
public:
    explicit TfrmEFS060(QWidget *parent = nullptr);
    QRadioButton *rdoDetail, *rdoTicket, *rdoCustomer;
    QCheckBox *chkVat;
protected:
    void search() override;
};

class TfrmEFS070 : public TfrmSalesScreen {
    Q_OBJECT
public:
    explicit TfrmEFS070(QWidget *parent = nullptr);
    TCodeCombo *cboMemGubun, *cboTicket, *cboDcRate;
    void readDcRates();
protected:
    void search() override;
    TfrmZZP010 *createLayout() override;   // print and preview show EFH030 instead of a layout
};
