#pragma once

#include "workspace/CalculationWindow.h"

#include <QDialog>
#include <QUrl>
#include <functional>
#include <vector>

class QGroupBox;
class QPushButton;

namespace kelvara {

class RowView;
class TF_Help;
class TPrintDecision;

// The calculation window: input rows, result rows and the four buttons, over the
// calculation-window model.
class TPipeForm : public QDialog {
    Q_OBJECT
public:
    TPipeForm(Session& session, Prompts& prompts, TF_Help& help, TPrintDecision& printDecision,
              QWidget* parent = nullptr);
    ~TPipeForm() override;

    CalculationWindow& Model() { return model_; }

    // Opens a help document with the desktop; tests replace it.
    std::function<bool(const QUrl&)> OpenUrl;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click() { close(); }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void TntFormShow();
    void RefreshButtons();
    void FocusFault();
    void ReleaseRowViews();

    Session& session_;
    Prompts& prompts_;
    TF_Help& help_;
    TPrintDecision& printDecision_;
    CalculationWindow model_;
    std::vector<RowView*> rowViews_;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    bool shown_ = false;
    bool closed_ = false;
};

} // namespace kelvara
