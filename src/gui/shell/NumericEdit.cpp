#include "NumericEdit.h"

#include "shell/NumberText.h"

#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace kelvara {

namespace {

bool IsClipboardKey(QChar c) {
    return c == QChar(3) || c == QChar(22) || c == QChar(24); // Ctrl+C, Ctrl+V, Ctrl+X
}

} // namespace

// Sees the edit's text after every change a user makes, whichever way it came, and leaves
// out what the key filter would not let through.
class NumericTextValidator : public QValidator {
public:
    NumericTextValidator(NumericEdit& owner, QObject* parent) : QValidator(parent), owner_(owner) {}

    State validate(QString& input, int& pos) const override {
        const QString& before = owner_.lastText_;
        // The program's own writes are its business; only what a user puts in is filtered.
        if (!owner_.userInput_ || input == before)
            return Acceptable;
        // The characters to the right of the cursor were there before the change; those to
        // its left beyond the common start are what came in.
        const qsizetype kept = input.size() - pos;
        qsizetype start = 0;
        const qsizetype limit = std::min<qsizetype>(pos, before.size() - kept);
        while (start < limit && input.at(start) == before.at(start))
            ++start;
        const QString incoming = input.mid(start, pos - start);
        // A key brings one character, which the key filter judges alone. A longer text (pasted,
        // dropped, from an input method) goes in only as the number it means: a filter that
        // dropped its other characters would put in a different number unseen.
        QString filtered;
        if (incoming.size() <= 1) {
            filtered = NumericEdit::Filtered(incoming);
        } else if (const std::optional<QString> number = PastedNumberText(incoming)) {
            filtered = *number;
        } else {
            owner_.entered_ = false;
            input = before;
            pos = int(std::min<qsizetype>(start, before.size()));
            return Invalid;
        }
        if (filtered != incoming) {
            input = input.left(start) + filtered + input.mid(pos);
            pos = int(start + filtered.size());
            // Nothing of it was let through and nothing was deleted: no change at all.
            if (input == before) {
                owner_.entered_ = false;
                return Invalid;
            }
        }
        owner_.entered_ = !filtered.isEmpty();
        return Acceptable;
    }

private:
    NumericEdit& owner_;
};

NumericEdit::NumericEdit(QLineEdit* edit) : QObject(edit), edit_(edit) {
    validator_ = new NumericTextValidator(*this, this);
    lastText_ = edit->text();
    edit->setValidator(validator_);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { lastText_ = text; });
    connect(edit, &QLineEdit::textEdited, this, [this] {
        if (entered_)
            emit TextEntered();
        entered_ = false;
    });
}

NumericEdit* NumericEdit::Install(QLineEdit* edit) {
    return new NumericEdit(edit);
}

QString NumericEdit::Filtered(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const QChar kept = NumericKeyFilter(c);
        // Backspace passes the key filter as a key; as a character in a text it is nothing.
        if (!kept.isNull() && kept.unicode() != 8)
            out.append(kept);
    }
    return out;
}

bool NumericEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_ || userInput_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty() && IsClipboardKey(text.at(0)))
            return true; // the filter discards the copy, cut and paste keys
        if (!text.isEmpty() && text.at(0).isPrint() && NumericKeyFilter(text.at(0)).isNull())
            return true; // discarded before it reaches the edit: no change, no signal
        break;
    }
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::Drop:
    case QEvent::ContextMenu:
        break;
    default:
        return QObject::eventFilter(watched, event);
    }
    // Every way a user changes the text runs inside one of these events; the edit handles it
    // here so that the validator knows a change is the user's, not the program's.
    userInput_ = true;
    static_cast<QObject*>(edit_)->event(event);
    userInput_ = false;
    return true;
}

} // namespace kelvara
