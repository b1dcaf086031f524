#include "accidentchart.h"
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QLegendMarker>
#include <QRegularExpression>
#include <QStackedBarSeries>
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

// A category as the axis shows it: an hour band "08:00 - 08:59" as "08시", other names as they are.
QString TAccidentChart::categoryLabel(const QString &row)
{
    static const QRegularExpression band(QStringLiteral("^\\s*(\\d{1,2}):\\d\\d\\s*[-~∼]"));
    const QRegularExpressionMatch m = band.match(row);
    return m.hasMatch() ? m.captured(1) + QStringLiteral("시") : row.trimmed();
}

void TAccidentChart::setFigures(const QStringList &rows, const QStringList &series, const QVector<QVector<qlonglong>> &counts)
{
    m_chart->removeAllSeries();
    for (QAbstractAxis *axis : m_chart->axes())
        m_chart->removeAxis(axis), delete axis;
    // many series (the months) side by side would be hairlines: they stack, each in its colour
    const bool stacked = series.size() > 7;
    QAbstractBarSeries *bars = stacked ? static_cast<QAbstractBarSeries *>(new QStackedBarSeries)
                                       : static_cast<QAbstractBarSeries *>(new QBarSeries);
    bars->setBarWidth(0.8);
    qlonglong top = 1;
    QVector<qlonglong> sums(rows.size(), 0);
    for (int s = 0; s < series.size(); ++s) {
        auto *set = new QBarSet(series[s]);
        for (int r = 0; r < rows.size(); ++r) {
            const qlonglong v = counts.value(r).value(s);
            *set << double(v);
            sums[r] += v;
            top = qMax(top, stacked ? sums[r] : v);
        }
        bars->append(set);
    }
    m_chart->addSeries(bars);
    // the legend names every series; a long list stands beside the bars, one name a line
    QFont small = font();
    small.setPointSizeF(qMax(6.0, small.pointSizeF() - 1));
    m_chart->legend()->setFont(small);
    m_chart->legend()->setAlignment(series.size() > 7 ? Qt::AlignRight : Qt::AlignBottom);
    auto *x = new QBarCategoryAxis;
    QStringList labels;
    for (const QString &r : rows)
        labels << categoryLabel(r);
    x->append(labels);
    x->setLabelsFont(small);
    x->setLabelsAngle(labels.size() > 8 ? -90 : 0);
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
    auto *bars = all.isEmpty() ? nullptr : qobject_cast<QAbstractBarSeries *>(all.first());
    if (!bars || series < 0 || series >= bars->count() || row < 0 || row >= bars->barSets()[series]->count())
        return -1;
    return qlonglong(bars->barSets()[series]->at(row));
}

int TAccidentChart::seriesCount() const
{
    const auto all = m_chart->series();
    auto *bars = all.isEmpty() ? nullptr : qobject_cast<QAbstractBarSeries *>(all.first());
    return bars ? int(bars->count()) : 0;
}

QStringList TAccidentChart::shownTexts() const
{
    QStringList out;
    for (QGraphicsItem *item : m_chart->scene()->items()) {
        if (!item->isVisible())
            continue;
        if (auto *text = dynamic_cast<QGraphicsTextItem *>(item))
            out << text->toPlainText();
        else if (auto *simple = dynamic_cast<QGraphicsSimpleTextItem *>(item))
            out << simple->text();
    }
    return out;
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
