#pragma once

#include <QString>
#include <optional>

namespace kelvara {

class CoefficientCalculator;

enum class MessageKind { Plain, Warning, Error, Question };

// The answer to a question that may also be withdrawn ("Tak", "Nie", "Anuluj").
enum class Answer { Yes, No, Cancel };

// Everything core code asks of a person goes through here: the windows implement it with
// message boxes and dialogs, the tests and the batch tool with recorders.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A message with an OK button.
    virtual void ShowMessage(MessageKind kind, const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const QString& caption, const QString& text) = 0;
    // A Yes/No/Cancel question. Where nobody can withdraw (the batch tool), Yes or No.
    virtual Answer AskYesNoCancel(const QString& caption, const QString& text) {
        return AskYesNo(caption, text) ? Answer::Yes : Answer::No;
    }
    // The user-conductivity entry: the confirmed value, or nothing when cancelled.
    virtual std::optional<float> AskUserConductivity() = 0;
    // Shows the surface-coefficient calculator until the user closes it.
    virtual void ShowCoefficientCalculator(CoefficientCalculator& calculator) = 0;
};

} // namespace kelvara
