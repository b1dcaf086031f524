#include "fieldlookups.h"
#include "core/messages.h"
#include "dialogs/lookupdialogs.h"
#include "refdata/codes.h"
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

namespace {
const char *kSeasonGroup = "E0004";
const char *kSeasonCaption = "*시즌";
}

void BindLookupKey(QWidget *field, QAbstractButton *button)
{
    // once per field: a second F1 shortcut on the field would make the key ambiguous and dead
    if (field->property("lookupKeyBound").toBool())
        return;
    field->setProperty("lookupKeyBound", true);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), field, nullptr, nullptr, Qt::WidgetShortcut);
    QObject::connect(f1, &QShortcut::activated, button, [button] {
        if (button->isEnabled())
            button->click();
    });
}

TSeasonField::TSeasonField(QLineEdit *edit, QAbstractButton *button, QLabel *name, QWidget *next)
    : QObject(edit), m_edit(edit), m_name(name), m_next(next)
{
    m_edit->setMaxLength(2);
    // season codes are upper case whatever the keyboard is set to
    connect(m_edit, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (text != text.toUpper()) {
            const int cursor = m_edit->cursorPosition();
            m_edit->setText(text.toUpper());
            m_edit->setCursorPosition(cursor);
        }
        m_name->clear();
    });
    connect(m_edit, &QLineEdit::editingFinished, this, &TSeasonField::showName);
    connect(button, &QAbstractButton::clicked, this, &TSeasonField::lookup);
    BindLookupKey(m_edit, button);
}

QString TSeasonField::code() const { return m_edit->text().trimmed(); }

void TSeasonField::showName()
{
    if (!code().isEmpty())
        m_name->setText(GetCodeName(QString::fromLatin1(kSeasonGroup), code()));
}

void TSeasonField::lookup()
{
    QString season = code(), name;
    if (!SelectCode(QStringLiteral("스키 시즌구분"), QString::fromLatin1(kSeasonGroup), season, name, m_edit->window())) {
        m_edit->setFocus();
        return;
    }
    m_edit->setText(season);
    m_name->setText(name);
    if (m_next)
        m_next->setFocus();
    emit chosen();
}

QString TSeasonField::problem()
{
    const QString caption = QString::fromUtf8(kSeasonCaption);
    if (!code().isEmpty() && m_name->text().isEmpty())
        showName();
    if (code().isEmpty())
        return caption + QStringLiteral("을(를) 먼저 입력하십시오.");
    if (m_name->text().isEmpty())
        return caption + QStringLiteral("을(를) 정확히 입력하십시오.");
    return QString();
}

bool TSeasonField::check()
{
    const QString message = problem();
    if (message.isEmpty())
        return true;
    ShowInfo(message);
    m_edit->setFocus();
    return false;
}
