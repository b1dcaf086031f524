#include "schoolfields.h"
#include "core/cp949.h"
#include "framework/dialogs/lookupdialogs.h"
#include "refdata/lookups.h"
#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {
// A lookup button acts like every button: the status is cleared, and a hidden or disabled one does nothing.
bool beginLookup(TfrmEZI000 *screen, QAbstractButton *button)
{
    screen->SetStatusMessage(QString());
    return button->isEnabled() && button->isVisibleTo(screen);
}
} // namespace

bool IsLeavingForCancel(TfrmEZI000 *screen)
{
    QWidget *focus = QApplication::focusWidget();
    return focus && (focus == screen->bbtCancel || focus == screen->bbtClose);
}

void BindLecturer(TfrmEZI000 *screen, QLineEdit *empNo, QAbstractButton *button, QLineEdit *name, QWidget *next,
                  TLecturerFill fill, bool lookUpEmpty)
{
    if (!fill)
        fill = [name](const QStringList &info) { name->setText(info.value(0)); };
    QObject::connect(empNo, &QLineEdit::textEdited, screen, [screen, fill] {
        if (!IsLeavingForCancel(screen))
            fill({});
    });
    QObject::connect(empNo, &QLineEdit::editingFinished, screen, [screen, empNo, fill, lookUpEmpty] {
        if (!empNo->isModified() || IsLeavingForCancel(screen) || (!lookUpEmpty && empNo->text().isEmpty()))
            return;
        empNo->setModified(false);
        QString n, team, teamName, grade, gradeName;
        if (!empNo->text().trimmed().isEmpty())
            refdata::GetEmpInfo(empNo->text().trimmed(), n, team, teamName, grade, gradeName);
        fill({n, team, teamName, grade, gradeName});
    });
    QObject::connect(button, &QAbstractButton::clicked, screen, [screen, empNo, button, fill, next] {
        if (!beginLookup(screen, button))
            return;
        QString no, n, team, teamName, grade, gradeName;
        if (!SelectLecturer(no, n, team, teamName, grade, gradeName, screen)) {
            empNo->setFocus();
            return;
        }
        empNo->setText(no);
        empNo->setModified(false);
        fill({n, team, teamName, grade, gradeName});
        next->setFocus();
    });
}

void BindMember(TfrmEZI000 *screen, QLineEdit *memberNo, QAbstractButton *button, QLineEdit *name, QWidget *next)
{
    QObject::connect(memberNo, &QLineEdit::textEdited, screen, [screen, name] {
        if (!IsLeavingForCancel(screen))
            name->clear();
    });
    QObject::connect(memberNo, &QLineEdit::editingFinished, screen, [screen, memberNo, name] {
        if (!memberNo->isModified() || memberNo->text().trimmed().isEmpty() || IsLeavingForCancel(screen))
            return;
        memberNo->setModified(false);
        name->setText(refdata::GetMemberName(memberNo->text().trimmed()));
    });
    QObject::connect(button, &QAbstractButton::clicked, screen, [screen, memberNo, button, name, next] {
        if (!beginLookup(screen, button))
            return;
        QString no, n;
        if (!SelectMember(no, n, screen)) {
            memberNo->setFocus();
            return;
        }
        memberNo->setText(no);
        memberNo->setModified(false);
        name->setText(n);
        next->setFocus();
    });
}

QPlainTextEdit *AddMemo(TfrmEZI000 *screen, const QString &name, const QString &caption, const QString &hint,
                        int maxBytes, int span)
{
    auto *memo = new QPlainTextEdit;
    memo->setObjectName(name);
    memo->setTabChangesFocus(true);
    memo->setFixedHeight(48);
    SetHint(memo, hint);
    screen->body()->newLine();
    screen->body()->addControl(caption, memo, span);
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo, maxBytes] {
        const QString text = memo->toPlainText();
        if (Cp949Length(text) <= maxBytes)
            return;
        memo->setPlainText(TruncateCp949(text, maxBytes));
        memo->moveCursor(QTextCursor::End);
    });
    return memo;
}

QString PaddedReceiptNo(const QString &typed)
{
    const QString t = typed.trimmed();
    if (t.isEmpty() || t.size() > 10)
        return t;
    for (const QChar c : t)
        if (!c.isDigit())
            return t;
    return t.rightJustified(10, QLatin1Char('0'));
}
