#include "spotpicture.h"
#include <QMouseEvent>
#include <QPainter>

namespace {
QSvgRenderer &markerRenderer()
{
    static QSvgRenderer renderer(QStringLiteral(":/patrol/marker.svg"));
    return renderer;
}
}

TSpotPicture::TSpotPicture(const QString &picture, const QSize &size, QWidget *parent) : QWidget(parent)
{
    setFixedSize(size);   // the coordinates are pixels of this area: it never stretches
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setPicture(picture);
}

void TSpotPicture::setPicture(const QString &picture)
{
    if (picture == m_picture)
        return;
    m_picture = picture;
    m_renderer.load(picture);
    update();
}

void TSpotPicture::setPosition(const QStringList &xy)
{
    const QString x = xy.value(0), y = xy.value(1);
    if (x == m_x && y == m_y)
        return;
    m_x = x;
    m_y = y;
    update();
    emit positionChanged();
}

QPoint TSpotPicture::markerPoint() const { return {m_x.toInt(), m_y.toInt()}; }

void TSpotPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    m_renderer.render(&p, QRectF(rect()));
    p.setPen(QColor(0x8a, 0xa4, 0xb8));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_x.isEmpty() && m_y.isEmpty())
        p.setOpacity(0.45);   // not marked yet
    markerRenderer().render(&p, QRectF(markerRect()));
}

void TSpotPicture::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled() || !markerRect().contains(event->position().toPoint())) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    m_pressAt = event->position().toPoint();
    m_markerAtPress = markerPoint();
    setCursor(Qt::ClosedHandCursor);
}

void TSpotPicture::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        setCursor(markerRect().contains(event->position().toPoint()) ? Qt::OpenHandCursor : Qt::ArrowCursor);
        return;
    }
    // the marker follows the pointer by the distance moved since the press and stays inside the picture
    QPoint to = m_markerAtPress + (event->position().toPoint() - m_pressAt);
    to.setX(qBound(0, to.x(), width() - MarkerSize));
    to.setY(qBound(0, to.y(), height() - MarkerSize));
    setPosition({QString::number(to.x()), QString::number(to.y())});
}

void TSpotPicture::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_dragging && event->button() == Qt::LeftButton) {
        m_dragging = false;
        setCursor(Qt::OpenHandCursor);
        return;
    }
    QWidget::mouseReleaseEvent(event);
}
