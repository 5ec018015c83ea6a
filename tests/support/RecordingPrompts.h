#pragma once

#include "shell/Prompts.h"
#include "workspace/CoefficientCalculator.h"

#include <QStringList>
#include <deque>
#include <functional>

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

    // Answered from threeWayAnswers (Cancel when it runs dry).
    Answer AskYesNoCancel(const QString& caption, const QString& text) override {
        questions.append(caption + QStringLiteral(": ") + text);
        if (threeWayAnswers.empty())
            return Answer::Cancel;
        const Answer answer = threeWayAnswers.front();
        threeWayAnswers.pop_front();
        return answer;
    }

    std::optional<float> AskUserConductivity() override {
        ++conductivityAsked;
        return userConductivity;
    }
    // Without an answer set, the calculator is cancelled as "Anuluj" does.
    void ShowCoefficientCalculator(CoefficientCalculator& calculator) override {
        ++calculatorShown;
        if (answerCalculator)
            answerCalculator(calculator);
        else
            calculator.Button2Click();
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
    std::deque<Answer> threeWayAnswers;
    std::optional<float> userConductivity;
    int conductivityAsked = 0;
    std::function<void(CoefficientCalculator&)> answerCalculator;
    int calculatorShown = 0;
};

} // namespace kelvara::test
