#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QTextBrowser;

namespace kelvara {

// The help window: a built-in help text in a read-only memo, or a help document rendered in
// place when the system has no viewer for it.
class TF_Help : public QDialog {
    Q_OBJECT
public:
    explicit TF_Help(const QString& fontName, QWidget* parent = nullptr);

    // A line feed starts a new line; two give an empty line.
    void SetHelpText(const QString& text);
    // Shows the help document at `path` modally; false when it cannot be read.
    bool ShowHelpDocument(const QString& path);

    // The window the help is centred on (the main window).
    QWidget* Anchor = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* Memo_Help;
    QTextBrowser* Browser_Help;
    QPushButton* Cmd_OK;
};

} // namespace kelvara
