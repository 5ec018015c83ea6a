#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace kelvara {

// The help window: a built-in help text in a read-only memo.
class TF_Help : public QDialog {
    Q_OBJECT
public:
    explicit TF_Help(const QString& fontName, QWidget* parent = nullptr);

    // A line feed starts a new line; two give an empty line.
    void SetHelpText(const QString& text);

    // The window the help is centred on (the main window).
    QWidget* Anchor = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* Memo_Help;
    QPushButton* Cmd_OK;
};

} // namespace kelvara
