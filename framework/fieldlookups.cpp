#include "fieldlookups.h"
#include "core/messages.h"
#include "dialogs/lookupdialogs.h"
#include "refdata/codes.h"
#include "refdata/lookups.h"
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

namespace {
const char *kSeasonGroup = "E0004";
const char *kSeasonCaption = "*시즌";
const char *kEventCaption = "*제휴단체번호";

// The problem of a field whose name is looked up from its text, as the screens word it.
QString nameProblem(const QString &caption, const QString &text, const QString &name)
{
    if (text.isEmpty())
        return caption + QStringLiteral("을(를) 먼저 입력하십시오.");
    if (name.isEmpty())
        return caption + QStringLiteral("을(를) 정확히 입력하십시오.");
    return QString();
}

bool showProblem(const QString &problem, QWidget *field)
{
    if (problem.isEmpty())
        return true;
    ShowInfo(problem);
    field->setFocus();
    return false;
}
}

void BindLookupKey(QWidget *field, QAbstractButton *button)
{
    // once per field: a second F1 shortcut on the field would make the key ambiguous and dead
    if (field->property("lookupKeyBound").toBool())
        return;
    field->setProperty("lookupKeyBound", true);
    field->setProperty("lookupButton", QVariant::fromValue<QObject *>(button));
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), field, nullptr, nullptr, Qt::WidgetShortcut);
    QObject::connect(f1, &QShortcut::activated, button, [button] {
        if (button->isEnabled())
            button->click();
    });
}

QAbstractButton *LookupButtonOf(const QWidget *field)
{
    return field ? qobject_cast<QAbstractButton *>(field->property("lookupButton").value<QObject *>()) : nullptr;
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
    if (!code().isEmpty() && m_name->text().isEmpty())
        showName();
    return nameProblem(QString::fromUtf8(kSeasonCaption), code(), m_name->text());
}

bool TSeasonField::check() { return showProblem(problem(), m_edit); }

// ---- partner group

TEventField::TEventField(QLineEdit *edit, QAbstractButton *button, QLabel *name)
    : QObject(edit), m_edit(edit), m_name(name)
{
    m_edit->setMaxLength(10);
    connect(m_edit, &QLineEdit::textEdited, m_name, &QLabel::clear);
    connect(m_edit, &QLineEdit::editingFinished, this, [this] {
        if (!m_skipLeave || !m_skipLeave())
            showName();
    });
    connect(button, &QAbstractButton::clicked, this, &TEventField::lookup);
    BindLookupKey(m_edit, button);
}

QString TEventField::number() const { return m_edit->text().trimmed(); }

void TEventField::showName()
{
    if (!number().isEmpty())
        m_name->setText(refdata::GetEventName(number()));
}

void TEventField::lookup()
{
    QString no, name;
    if (!SelectEvent(no, name, m_edit->window())) {
        m_edit->setFocus();
        return;
    }
    m_edit->setText(no);
    m_name->setText(name);
    emit chosen();
}

QString TEventField::problem()
{
    if (!number().isEmpty() && m_name->text().isEmpty())
        showName();
    return nameProblem(QString::fromUtf8(kEventCaption), number(), m_name->text());
}

bool TEventField::check() { return showProblem(problem(), m_edit); }
