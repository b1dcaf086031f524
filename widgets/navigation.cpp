#include "navigation.h"
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolButton>

QIcon NavigationIcon(NavigationStep step)
{
    const int size = 16;
    QIcon icon;
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(mode == QIcon::Normal ? QColor(0x20, 0x20, 0x20) : QColor(0xa0, 0xa0, 0xa0));
        const bool left = step == NavigationStep::First || step == NavigationStep::Prior;
        const bool bar = step == NavigationStep::First || step == NavigationStep::Last;
        // the arrow, pointing left or right, shifted away from the bar
        const qreal tip = left ? (bar ? 5 : 3) : (bar ? 11 : 13);
        const qreal back = left ? tip + 8 : tip - 8;
        QPainterPath arrow;
        arrow.moveTo(tip, 8);
        arrow.lineTo(back, 2);
        arrow.lineTo(back, 14);
        arrow.closeSubpath();
        p.drawPath(arrow);
        if (bar)
            p.drawRect(QRectF(left ? 2 : 12, 2, 2, 12));
        p.end();
        icon.addPixmap(pm, mode);
    }
    return icon;
}

QString NavigationHint(NavigationStep step)
{
    switch (step) {
    case NavigationStep::First: return QStringLiteral("처음 자료");
    case NavigationStep::Prior: return QStringLiteral("앞 자료");
    case NavigationStep::Next: return QStringLiteral("다음 자료");
    case NavigationStep::Last: return QStringLiteral("마지막 자료");
    }
    return QString();
}

void SetNavigationGlyph(QToolButton *button, NavigationStep step)
{
    button->setArrowType(Qt::NoArrow);
    button->setIcon(NavigationIcon(step));
    button->setToolTip(NavigationHint(step));
    button->setAccessibleName(NavigationHint(step));
}
