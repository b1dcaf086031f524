#include "statusbuttons.h"
#include "widgets/fieldpanel.h"
#include <QPushButton>
#include <QShortcut>

TStatusButtons::TStatusButtons(QWidget *keyScope) : QObject(keyScope), m_scope(keyScope) {}

QPushButton *TStatusButtons::add(TFieldPanel *panel, const QString &name, const QString &caption,
                                 const QString &code, Qt::Key key)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(name);
    b->setCheckable(true);
    panel->addControl(QString(), b);
    m_buttons.append({b, code});
    show(b, false);
    connect(b, &QPushButton::clicked, this, [this, code] {
        press(code);
        emit clicked(code);
    });
    auto *shortcut = new QShortcut(QKeySequence(key), m_scope);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, b, [b] {
        if (b->isVisible() && b->isEnabled())
            b->click();
    });
    return b;
}

void TStatusButtons::show(QPushButton *button, bool on)
{
    button->setChecked(on);
    button->setFlat(!on);
    button->setStyleSheet(on ? QStringLiteral("color: blue") : QStringLiteral("color: maroon"));
}

void TStatusButtons::press(const QString &code)
{
    bool known = false;
    for (const auto &[b, c] : std::as_const(m_buttons))
        known = known || c == code;
    if (!known)
        return;
    for (const auto &[b, c] : std::as_const(m_buttons))
        show(b, c == code);
}

void TStatusButtons::release()
{
    for (const auto &[b, c] : std::as_const(m_buttons))
        show(b, false);
}

QString TStatusButtons::pressed() const
{
    for (const auto &[b, c] : m_buttons)
        if (b->isChecked())
            return c;
    return QString();
}
