#pragma once
// Typing as a user does: the text arrives as input, so the screen's edit signals fire.
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QWidget>

namespace testing {

inline void typeInto(QWidget *w, const QString &text)
{
    w->setFocus();
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->selectAll();
    QInputMethodEvent ev;
    ev.setCommitString(text);
    QCoreApplication::sendEvent(w, &ev);
}

} // namespace testing
