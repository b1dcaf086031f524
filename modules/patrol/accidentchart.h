#pragma once
// The bar chart beside an accident cross-table: one group of bars per row (hour or kind of injury), one
// series per column bucket, the same counts the grid shows.
#include <QImage>
#include <QVector>
#include <QWidget>

class QChart;
class QChartView;

class TAccidentChart : public QWidget {
    Q_OBJECT
public:
    explicit TAccidentChart(QWidget *parent = nullptr);
    void setFigures(const QStringList &rows, const QStringList &series, const QVector<QVector<qlonglong>> &counts);
    // What the chart holds: the value of one bar (row, series), -1 when there is none.
    qlonglong value(int row, int series) const;
    int seriesCount() const;
    QImage image(const QSize &size) const;   // drawn on white for the printed report
    // Every text the chart draws at its present size (axis labels, legend names).
    QStringList shownTexts() const;
    static QString categoryLabel(const QString &row);

private:
    QChart *m_chart;
    QChartView *m_view;
};
