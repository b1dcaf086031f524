#pragma once
#include "placereport.h"

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
