#pragma once
// The three message boxes of the system, titled with the application title. Tests replace the
// presenter to read the texts shown and to give the answers.
#include <QString>
#include <functional>

enum class MessageKind { Info, Error, Question };

// Shows one message; for a question, returns true for Yes. The default shows a modal QMessageBox.
using MessagePresenter = std::function<bool(MessageKind kind, const QString &text)>;

void SetMessagePresenter(MessagePresenter presenter);  // an empty presenter restores the default
void ShowInfo(const QString &text);
void ShowError(const QString &text);
bool AskYesNo(const QString &text);

// The application title: caption of every message box.
QString ApplicationTitle();  // "스포츠 관리"
