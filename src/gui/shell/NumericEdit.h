#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace kelvara {

class NumericTextValidator;

// Keeps a line edit numeric whichever way text comes in: typed keys, input-method commits,
// pasting (keyboard, middle button, context menu), dropping. A typed character goes through
// NumericKeyFilter: "," becomes ".", digits, "." and "-" stay, anything else is left out. A
// longer text goes in only when it means a number, as PastedNumberText reads it; otherwise the
// edit stays as it was. The copy, cut and paste keys' characters are discarded as the filter says;
// the other control keys (Backspace, Delete, Ctrl+A, Ctrl+Z, arrows, Enter) keep their meaning.
// The program's own writes (setText) are not filtered.
class NumericEdit : public QObject {
    Q_OBJECT
public:
    // Installs the filter on `edit`, which owns it.
    static NumericEdit* Install(QLineEdit* edit);

    // The filter's treatment of a text that enters the edit.
    static QString Filtered(const QString& text);

signals:
    // The user put at least one character into the edit (deleting alone does not count).
    void TextEntered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit NumericEdit(QLineEdit* edit);
    friend class NumericTextValidator;

    QLineEdit* edit_;
    NumericTextValidator* validator_;
    QString lastText_;       // the text before the change being validated
    bool entered_ = false;   // the change being validated put characters in
    bool userInput_ = false; // an event of the user is being handled
};

} // namespace kelvara
