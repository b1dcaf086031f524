#include "splash.h"
#include "core/messages.h"
#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

#ifndef SPORTS_VERSION
#define SPORTS_VERSION ""
#endif

TfrmZZC010::TfrmZZC010(const QString &directory, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmZZC010"));
    m_picture.load(QDir(directory).filePath(QStringLiteral("splash.png")));
    setFixedSize(m_picture.isNull() ? QSize(420, 240) : m_picture.size());
    const QImage mask(QDir(directory).filePath(QStringLiteral("smask.png")));
    if (!m_picture.isNull() && !mask.isNull())
        setMask(MaskRegion(mask));
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

QString TfrmZZC010::FileVersion()
{
    QStringList parts = QString::fromLatin1(SPORTS_VERSION).split(QLatin1Char('.'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return QString();
    while (parts.size() < 4)
        parts << QStringLiteral("0");
    return QStringLiteral("%1.%2.%3.%4").arg(parts[0].toInt()).arg(parts[1].toInt()).arg(parts[2].toInt()).arg(parts[3].toInt());
}

QRegion TfrmZZC010::MaskRegion(const QImage &mask)
{
    const QImage bits = mask.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    const bool blackIsZero = qGray(bits.color(0)) < 128;
    QRegion region;
    for (int y = 0; y < bits.height(); ++y) {
        int start = -1;
        for (int x = 0; x <= bits.width(); ++x) {
            const bool cleared = x < bits.width() && ((bits.pixelIndex(x, y) == 0) == blackIsZero);
            if (cleared && start < 0)
                start = x;
            else if (!cleared && start >= 0) {
                region += QRect(start, y, x - start, 1);
                start = -1;
            }
        }
    }
    return region;
}

void TfrmZZC010::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_picture.isNull()) {
        p.drawImage(0, 0, m_picture);
    } else {
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(0x2a, 0x5d, 0x9f));
        g.setColorAt(1, QColor(0xe8, 0xf0, 0xfa));
        p.fillRect(rect(), g);
        p.setPen(QColor(0x1c, 0x3d, 0x6b));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    QFont title = font();
    title.setPointSize(24);
    title.setBold(true);
    p.setFont(title);
    const QRect area = rect().adjusted(0, 0, 0, -40);
    p.setPen(QColor(0, 0, 0, 160));
    p.drawText(area.translated(1, 1), Qt::AlignCenter, ApplicationTitle());
    p.setPen(Qt::white);
    p.drawText(area, Qt::AlignCenter, ApplicationTitle());
    QFont small = font();
    small.setPointSize(9);
    p.setFont(small);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.drawText(rect().adjusted(10, 0, -10, -10), Qt::AlignRight | Qt::AlignBottom, FileVersion());
}
