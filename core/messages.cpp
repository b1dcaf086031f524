#include "messages.h"
#include <QApplication>
#include <QMessageBox>

namespace {
MessagePresenter &presenter()
{
    static MessagePresenter p;
    return p;
}

// Qt wants "\n" for a line break; the system's texts carry "\r".
QString shown(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

bool present(MessageKind kind, const QString &text)
{
    if (presenter())
        return presenter()(kind, text);
    QWidget *parent = QApplication::activeWindow();
    switch (kind) {
    case MessageKind::Info:
        QMessageBox::information(parent, ApplicationTitle(), shown(text));
        return true;
    case MessageKind::Error:
        QMessageBox::critical(parent, ApplicationTitle(), shown(text));
        return true;
    case MessageKind::Question:
        return QMessageBox::question(parent, ApplicationTitle(), shown(text), QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    }
    return false;
}
} // namespace

QString ApplicationTitle() { return QStringLiteral("스포츠 관리"); }
void SetMessagePresenter(MessagePresenter p) { presenter() = std::move(p); }
void ShowInfo(const QString &text) { present(MessageKind::Info, text); }
void ShowError(const QString &text) { present(MessageKind::Error, text); }
bool AskYesNo(const QString &text) { return present(MessageKind::Question, text); }
