#pragma once
// Replaces the message boxes for a test: records every text shown and answers questions from a queue
// (Yes when the queue is empty).
#include "core/messages.h"
#include <QList>
#include <QStringList>

namespace testing {

class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    void answer(bool yes) { m_answers.append(yes); }
    QStringList texts() const { return m_texts; }
    QList<MessageKind> kinds() const { return m_kinds; }
    QString last() const { return m_texts.isEmpty() ? QString() : m_texts.last(); }
    int count() const { return int(m_texts.size()); }
    void clear() { m_texts.clear(); m_kinds.clear(); }
private:
    QStringList m_texts;
    QList<MessageKind> m_kinds;
    QList<bool> m_answers;
};

} // namespace testing
