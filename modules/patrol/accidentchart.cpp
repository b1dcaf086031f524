#include "accidentchart.h"
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QPainter>
#include <QVBoxLayout>
#include <QValueAxis>

TAccidentChart::TAccidentChart(QWidget *parent) : QWidget(parent), m_chart(new QChart)
{
    setObjectName("chtAccidents");
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->setMargins(QMargins(2, 2, 2, 2));
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_view = new QChartView(m_chart, this);
    m_view->setRenderHint(QPainter::Antialiasing);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setMinimumWidth(380);
}

void TAccidentChart::setFigures(const QStringList &rows, const QStringList &series, const QVector<QVector<qlonglong>> &counts)
{
    m_chart->removeAllSeries();
    for (QAbstractAxis *axis : m_chart->axes())
        m_chart->removeAxis(axis), delete axis;
    auto *bars = new QBarSeries;
    qlonglong top = 1;
    for (int s = 0; s < series.size(); ++s) {
        auto *set = new QBarSet(series[s]);
        for (int r = 0; r < rows.size(); ++r) {
            const qlonglong v = counts.value(r).value(s);
            *set << double(v);
            top = qMax(top, v);
        }
        bars->append(set);
    }
    m_chart->addSeries(bars);
    auto *x = new QBarCategoryAxis;
    x->append(rows);
    x->setLabelsAngle(rows.size() > 8 ? -60 : 0);
    m_chart->addAxis(x, Qt::AlignBottom);
    bars->attachAxis(x);
    auto *y = new QValueAxis;
    y->setRange(0, double(top));
    y->setLabelFormat(QStringLiteral("%d"));
    y->applyNiceNumbers();
    m_chart->addAxis(y, Qt::AlignLeft);
    bars->attachAxis(y);
}

qlonglong TAccidentChart::value(int row, int series) const
{
    const auto all = m_chart->series();
    auto *bars = all.isEmpty() ? nullptr : qobject_cast<QBarSeries *>(all.first());
    if (!bars || series < 0 || series >= bars->count() || row < 0 || row >= bars->barSets()[series]->count())
        return -1;
    return qlonglong(bars->barSets()[series]->at(row));
}

int TAccidentChart::seriesCount() const
{
    const auto all = m_chart->series();
    auto *bars = all.isEmpty() ? nullptr : qobject_cast<QBarSeries *>(all.first());
    return bars ? int(bars->count()) : 0;
}

QImage TAccidentChart::image(const QSize &size) const
{
    QImage out(size, QImage::Format_RGB32);
    out.fill(Qt::white);
    const QSize shown = m_view->size();
    m_view->resize(size);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    m_view->render(&p, QRectF(QPointF(0, 0), size), m_view->rect());
    p.end();
    m_view->resize(shown);
    return out;
}
