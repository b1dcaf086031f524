#include "weatherchart.h"
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPainter>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

TWeatherChart::TWeatherChart(QWidget *parent) : QWidget(parent), m_chart(new QChart)
{
    setObjectName("chtWeather");
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->setMargins(QMargins(2, 2, 2, 2));
    m_view = new QChartView(m_chart, this);
    m_view->setRenderHint(QPainter::Antialiasing);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setMinimumWidth(360);
    setPoints({}, false);
}

void TWeatherChart::setPoints(QVector<TWeatherPoint> points, bool byDay)
{
    m_byDay = byDay;
    m_chart->removeAllSeries();
    for (QAbstractAxis *axis : m_chart->axes())
        m_chart->removeAxis(axis), delete axis;
    std::sort(points.begin(), points.end(), [](const TWeatherPoint &a, const TWeatherPoint &b) { return a.at < b.at; });

    auto *temperature = new QLineSeries;
    temperature->setName(QStringLiteral("온도"));
    auto *wind = new QLineSeries;
    wind->setName(QStringLiteral("풍속"));
    auto *snow = new QLineSeries;
    snow->setName(QStringLiteral("강우량"));
    double leftMin = 0, leftMax = 1, rightMax = 1;
    auto add = [](QLineSeries *series, const QDateTime &at, const QString &text, double *lo, double *hi) {
        bool ok = false;
        const double v = text.toDouble(&ok);
        if (text.isEmpty() || !ok)
            return;
        series->append(double(at.toMSecsSinceEpoch()), v);
        if (lo)
            *lo = std::min(*lo, v);
        *hi = std::max(*hi, v);
    };
    for (const TWeatherPoint &p : points) {
        add(temperature, p.at, p.temperature, &leftMin, &leftMax);
        add(wind, p.at, p.windVelocity, &leftMin, &leftMax);
        add(snow, p.at, p.snowfall, nullptr, &rightMax);
    }
    for (QLineSeries *s : {temperature, wind, snow}) {
        s->setPointsVisible(true);   // a single reading is a point, not nothing
        m_chart->addSeries(s);
    }

    auto *x = new QDateTimeAxis;
    x->setFormat(byDay ? QStringLiteral("MM-dd") : QStringLiteral("hh:mm"));
    x->setTickCount(byDay ? 6 : 7);
    if (!points.isEmpty()) {
        QDateTime first = points.first().at, last = points.last().at;
        if (byDay) {
            // one tick a day at most, so that no date is labelled twice; a single day in the middle
            if (first.date() == last.date()) {
                first = first.addDays(-1);
                last = last.addDays(1);
            }
            const qint64 days = first.daysTo(last);
            int ticks = 2;
            for (int t = 7; t > 2; --t)
                if (days % (t - 1) == 0) {
                    ticks = t;
                    break;
                }
            x->setTickCount(days < 6 ? int(days) + 1 : ticks);
        } else if (first == last) {
            first = first.addSecs(-1800);
            last = last.addSecs(1800);
        }
        x->setRange(first, last);
    } else {
        const QDateTime start(QDate::currentDate(), QTime(0, 0));
        x->setRange(start, start.addDays(1));
    }
    auto *left = new QValueAxis;
    left->setTitleText(QStringLiteral("온도 / 풍속"));
    left->setRange(std::floor(leftMin) - 1, std::ceil(leftMax) + 1);
    auto *right = new QValueAxis;
    right->setTitleText(QStringLiteral("강우량"));
    right->setRange(0, std::ceil(rightMax * 1.2));
    // whole numbers a tick, or nice steps: no label between readings nobody takes ("1.50")
    if (right->max() <= 5) {
        right->setTickCount(int(right->max()) + 1);
        right->setLabelFormat(QStringLiteral("%.0f"));
    } else {
        right->applyNiceNumbers();
    }
    left->applyNiceNumbers();
    m_chart->addAxis(x, Qt::AlignBottom);
    m_chart->addAxis(left, Qt::AlignLeft);
    m_chart->addAxis(right, Qt::AlignRight);
    for (QLineSeries *s : {temperature, wind, snow})
        s->attachAxis(x);
    temperature->attachAxis(left);
    wind->attachAxis(left);
    snow->attachAxis(right);
}

int TWeatherChart::pointCount(int series) const
{
    const auto all = m_chart->series();
    if (series < 0 || series >= all.size())
        return 0;
    return int(static_cast<QLineSeries *>(all.at(series))->count());
}

QImage TWeatherChart::image(const QSize &size) const
{
    QImage out(size, QImage::Format_ARGB32);
    out.fill(Qt::white);
    const QSize shown = m_view->size();
    m_view->resize(size);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    m_view->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), m_view->rect());
    painter.end();
    m_view->resize(shown);
    return out;
}
