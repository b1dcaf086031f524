#include "messagerecorder.h"

namespace testing {

MessageRecorder::MessageRecorder()
{
    SetMessagePresenter([this](MessageKind kind, const QString &text) {
        m_texts.append(text);
        m_kinds.append(kind);
        if (kind != MessageKind::Question)
            return true;
        return m_answers.isEmpty() ? true : m_answers.takeFirst();
    });
}

MessageRecorder::~MessageRecorder() { SetMessagePresenter({}); }

} // namespace testing
