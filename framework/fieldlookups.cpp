#include "fieldlookups.h"
#include "core/messages.h"
#include "dialogs/lookupdialogs.h"
#include "refdata/codes.h"
#include "refdata/lookups.h"
#include <QAbstractButton>
#include <QApplication>
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

TCodeField::TCodeField(const TCodeLookup &kind, QLineEdit *edit, QAbstractButton *button, QLabel *name, QWidget *next)
    : QObject(edit), m_kind(kind), m_edit(edit), m_name(name), m_next(next)
{
    m_edit->setMaxLength(m_kind.maxLength);
    connect(m_edit, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (m_kind.upperCase && text != text.toUpper()) {
            const int cursor = m_edit->cursorPosition();
            m_edit->setText(text.toUpper());
            m_edit->setCursorPosition(cursor);
        }
        if (!m_kind.nameWhileTyping)
            m_name->clear();
    });
    connect(m_edit, &QLineEdit::textChanged, this, [this] {
        if (m_kind.nameWhileTyping)
            code().isEmpty() ? m_name->clear() : showName();
        else if (m_everyChange && QApplication::focusWidget() != m_keepFor)
            m_name->clear();
    });
    connect(m_edit, &QLineEdit::editingFinished, this, [this] {
        if (!m_skipLeave || !m_skipLeave())
            showName();
    });
    connect(button, &QAbstractButton::clicked, this, &TCodeField::lookup);
    BindLookupKey(m_edit, button);
}

QString TCodeField::code() const { return m_edit->text().trimmed(); }

void TCodeField::clearNameOnEveryChange(QWidget *except)
{
    m_everyChange = true;
    m_keepFor = except;
}

void TCodeField::showName()
{
    if (!code().isEmpty())
        m_name->setText(m_kind.nameOf ? m_kind.nameOf(code()) : GetCodeName(m_kind.group, code()));
}

void TCodeField::lookup()
{
    QString code = this->code(), name;
    const bool taken = m_kind.choose ? m_kind.choose(code, name, m_edit->window())
                                      : SelectCode(m_kind.dialogTitle, m_kind.group, code, name, m_edit->window());
    if (!taken) {
        m_edit->setFocus();
        return;
    }
    m_edit->setText(code);
    m_name->setText(name);
    if (m_next)
        m_next->setFocus();
    emit chosen();
}

QString TCodeField::problem()
{
    if (!code().isEmpty() && m_name->text().isEmpty())
        showName();
    return nameProblem(m_kind.caption, code(), m_name->text());
}

bool TCodeField::check() { return showProblem(problem(), m_edit); }

TSeasonField::TSeasonField(QLineEdit *edit, QAbstractButton *button, QLabel *name, QWidget *next)
    : TCodeField({QString::fromUtf8(kSeasonCaption), QString::fromLatin1(kSeasonGroup), QStringLiteral("스키 시즌구분")},
                 edit, button, name, next)
{
}

// ---- partner group

TEventField::TEventField(QLineEdit *edit, QAbstractButton *button, QLabel *name)
    : TCodeField({QString::fromUtf8(kEventCaption), QString(), QString(), 10, false,
                  [](const QString &number) { return refdata::GetEventName(number); },
                  [](QString &number, QString &name, QWidget *parent) { return SelectEvent(number, name, parent); }},
                 edit, button, name)
{
}
