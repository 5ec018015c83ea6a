#pragma once

#include "shell/Prompts.h"

#include <QStringList>
#include <deque>

namespace kelvara::test {

// Records every message and answers questions from a queue (No when it runs dry).
class RecordingPrompts : public Prompts {
public:
    struct Message {
        MessageKind kind;
        QString text;
    };

    void ShowMessage(MessageKind kind, const QString& text) override {
        messages.push_back({kind, text});
    }
    bool AskYesNo(const QString& caption, const QString& text) override {
        questions.append(caption + QStringLiteral(": ") + text);
        if (yesNoAnswers.empty())
            return false;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }

    QStringList Texts() const {
        QStringList texts;
        for (const auto& m : messages)
            texts.append(m.text);
        return texts;
    }

    std::vector<Message> messages;
    QStringList questions;
    std::deque<bool> yesNoAnswers;
};

} // namespace kelvara::test
