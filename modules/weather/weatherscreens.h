#pragma once
// The weather screens: EAS010 a day hour by hour for all seven places, EAS020 every observation of a
// day and place, EAS030 a place's daily averages over a period; EAS020 and EAS030 print through the
// layout EAP020 with the chart shown beside their grid.
#include "framework/reportscreens.h"
#include <QPointer>

class QAbstractButton;
class QToolButton;
class TWeatherChart;

// The observation place: a code of group E0001 typed in the edit, its label beside it. Typing empties
// the label, leaving the edit shows the label of the code, and the lookup fills both.
class TObsePlaceField : public QObject {
    Q_OBJECT
public:
    TObsePlaceField(QLineEdit *edit, QAbstractButton *button, QLabel *label, QWidget *closeButton);
    QString code() const;
    // "*관측장소" + "을(를) 먼저 입력하십시오." / "…정확히…", empty when the place is known.
    QString problem();
    static QString group() { return QStringLiteral("E0001"); }

signals:
    void chosen();   // a place was picked in the lookup dialog

public slots:
    void lookup();
    void showLabel();

private:
    QLineEdit *m_edit;
    QLabel *m_label;
    QPointer<QWidget> m_close;
};

// EAP020 "기상정보 현황": the rows of EAS020 or EAS030, the averages line and the chart.
class TfrmEAP020 : public TfrmEZP000 {
    Q_OBJECT
public:
    TfrmEAP020(const QString &firstField, const QString &firstTitle);
    void setAverages(const QStringList &values) { m_averages = values; }   // qrlAvgTemperature … qrlAvgSnowfall
    QStringList averages() const { return m_averages; }
    void setChart(const QImage &chart) { m_chart = chart; }
    static const QStringList &averageNames();

protected:
    void design() override;

private:
    QStringList m_averages;
    QImage m_chart;
};

// EAS010: one day, hour by hour, the seven places side by side.
class TfrmEAS010 : public TfrmEZS000 {
    Q_OBJECT
public:
    explicit TfrmEAS010(QWidget *parent = nullptr);
    TDateEdit *dtpDate;
    TWeatherChart *chtWeather;
    QString chartPlace() const { return m_chartPlace; }   // the place the chart shows

protected:
    void search() override;
    void afterSearch() override;

private:
    void showPlaceOf(int column);   // the chart follows the place of the grid's current column
    void drawChart();
    QString m_chartPlace;
};

// EAS020 and EAS030: a place's observations with the averages in the footer, the chart and the print.
class TfrmEASPlaceReport : public TfrmReportList {
    Q_OBJECT
public:
    TfrmEASPlaceReport(const TReportDefinition &report, QWidget *parent);
    TEdit *edtObsePlace = nullptr;
    QToolButton *bbtObsePlace = nullptr;
    QLabel *wlbObsePlace = nullptr;
    TObsePlaceField *place = nullptr;
    TWeatherChart *chtWeather = nullptr;
    QStringList printedConditions() const { return searchedConditions(); }

protected:
    void addPlace();
    bool validate() override;
    virtual reportsql::Statement footerStatement() = 0;
    virtual bool byDay() const = 0;
    void search() override;
    void afterSearch() override;
    TfrmZZP010 *createLayout() override;
    void fillConditions(TfrmZZP010 *layout) override;
    QString placePair() const;

private:
    QStringList footerValues();
    reportsql::Statement m_searchedFooter;   // the last search's, for the print
};

class TfrmEAS020 : public TfrmEASPlaceReport {
    Q_OBJECT
public:
    explicit TfrmEAS020(QWidget *parent = nullptr);
    TDateEdit *dtpDate;

protected:
    reportsql::Statement statement() override;
    reportsql::Statement footerStatement() override;
    QStringList conditionLines() override;
    bool byDay() const override { return false; }
};

class TfrmEAS030 : public TfrmEASPlaceReport {
    Q_OBJECT
public:
    explicit TfrmEAS030(QWidget *parent = nullptr);
    TDateEdit *dtpFromDate, *dtpToDate;
    QString FFromDate, FToDate;   // the pickers' "yyyymmdd", renewed on every change

protected:
    reportsql::Statement statement() override;
    reportsql::Statement footerStatement() override;
    QStringList conditionLines() override;
    bool byDay() const override { return true; }
};
