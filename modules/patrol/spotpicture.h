#pragma once
// TSpotPicture: a picture (a slope map, a body outline) with one draggable spot marker on it. The marker's
// left and top offsets in pixels are its two columns (X, Y): the control is bound to them through its
// USER property, a list of the two texts, so showing a record places the marker and dragging it writes
// both coordinates and marks the record changed. An empty coordinate counts as 0; a marker never placed
// is drawn faint in the corner until it is dragged.
#include <QStringList>
#include <QSvgRenderer>
#include <QWidget>

class TSpotPicture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QStringList position READ position WRITE setPosition NOTIFY positionChanged USER true)
public:
    static constexpr int MarkerSize = 20;

    TSpotPicture(const QString &picture, const QSize &size, QWidget *parent = nullptr);

    void setPicture(const QString &picture);   // a resource path (":/patrol/peak1.svg")
    QString picture() const { return m_picture; }

    QStringList position() const { return {m_x, m_y}; }
    void setPosition(const QStringList &xy);   // the stored texts, kept as they are
    QPoint markerPoint() const;                // where the marker is drawn
    QRect markerRect() const { return {markerPoint(), QSize(MarkerSize, MarkerSize)}; }

signals:
    void positionChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_picture;
    QSvgRenderer m_renderer;
    QString m_x, m_y;
    bool m_dragging = false;
    QPoint m_pressAt, m_markerAtPress;
};
