#pragma once
#include "framework/ezp000.h"
#include <QImage>

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
