#pragma once
// The line chart beside a weather grid: temperature and wind speed on the left axis, precipitation on
// the right one, over the hours of a day or the days of a period. A missing reading leaves no point.
#include <QDateTime>
#include <QImage>
#include <QVector>
#include <QWidget>

class QChart;
class QChartView;

struct TWeatherPoint {
    QDateTime at;
    QString temperature, windVelocity, snowfall;   // as listed; empty when missing
};

class TWeatherChart : public QWidget {
    Q_OBJECT
public:
    explicit TWeatherChart(QWidget *parent = nullptr);
    // byDay: the points are days (axis "MM-dd"), else times of one day (axis "hh:mm").
    void setPoints(QVector<TWeatherPoint> points, bool byDay);
    void clear() { setPoints({}, m_byDay); }
    int pointCount(int series) const;   // 0 temperature, 1 wind speed, 2 precipitation
    // The chart drawn on a white image of the size, for the printed report.
    QImage image(const QSize &size) const;

private:
    QChart *m_chart;
    QChartView *m_view;
    bool m_byDay = false;
};
