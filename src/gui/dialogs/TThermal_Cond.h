#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kelvara {

class Prompts;

// Asks for the user's own thermal conductivity. Created once and shown again each time.
class TThermal_Cond : public QDialog {
    Q_OBJECT
public:
    TThermal_Cond(Prompts& prompts, const QString& fontName, QWidget* parent = nullptr);

    // Shows the window modally; the confirmed value, or nothing when cancelled.
    std::optional<float> Ask();

    void Cmd_finishedClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Prompts& prompts_;
    QPlainTextEdit* TntMemo1;
    QLabel* TntLabel2;
    QLineEdit* ME_lambda;
    QLabel* TntLabel1;
    QPushButton* Cmd_cancel;
    QPushButton* Cmd_finished;
    std::optional<float> value_;
};

} // namespace kelvara
