#pragma once

#include "workspace/PipeSizingWindow.h"

#include <QDialog>
#include <QUrl>
#include <functional>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvara {

class RowView;
class TF_Help;
class TPrintDecision;

// The insulation sizing window: the input rows, one result line per criterion with its size,
// the governing one and the yearly figures, and the four buttons of the calculation window.
class TPipeSizingForm : public QDialog {
    Q_OBJECT
public:
    TPipeSizingForm(Session& session, Prompts& prompts, TF_Help& help,
                    TPrintDecision& printDecision, QWidget* parent = nullptr);
    ~TPipeSizingForm() override;

    PipeSizingWindow& Model() { return model_; }

    // Opens a help document with the desktop; tests replace it.
    std::function<bool(const QUrl&)> OpenUrl;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click() { close(); }

    // The shown result lines, top to bottom: label, value, unit and size (none for a figure).
    struct ResultView {
        QLabel* label;
        QLineEdit* value;
        QLabel* unit;
        QLineEdit* size;
    };
    const std::vector<ResultView>& ResultViews() const { return resultViews_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void TntFormShow();
    void ShowResults();
    void FocusFault();
    void ReleaseRowViews();
    void ChainTabs();

    Session& session_;
    Prompts& prompts_;
    TF_Help& help_;
    TPrintDecision& printDecision_;
    PipeSizingWindow model_;
    std::vector<RowView*> rowViews_;
    std::vector<ResultView> resultViews_;
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
