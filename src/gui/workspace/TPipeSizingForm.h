#pragma once

#include "CalculationFrame.h"
#include "workspace/PipeSizingWindow.h"

#include <vector>

class QLabel;
class QLineEdit;

namespace kelvara {

class TF_Help;
class TPrintDecision;

// The insulation sizing window: the input rows, one result line per criterion with its size,
// the governing one and the yearly figures, in the frame of the calculation window.
class TPipeSizingForm : public CalculationFrame {
    Q_OBJECT
public:
    TPipeSizingForm(Session& session, Prompts& prompts, TF_Help& help,
                    TPrintDecision& printDecision, QWidget* parent = nullptr);

    PipeSizingWindow& Model() { return model_; }

    // The shown result lines, top to bottom: label, value, unit and size (none for a figure).
    struct ResultView {
        QLabel* label;
        QLineEdit* value;
        QLabel* unit;
        QLineEdit* size;
    };
    const std::vector<ResultView>& ResultViews() const { return resultViews_; }

protected:
    void ShowModel() override;
    bool Calculate() override { return model_.Button1Click(); }
    Fault LastFault() const override { return {model_.LastFault.row, model_.LastFault.choice}; }
    bool PrintEnabled() const override { return model_.PrintEnabled; }
    int HelpIndex() const override;
    QString HelpText() const override;
    void Print() override;
    void CloseModel() override;
    std::vector<QWidget*> ResultChain() const override;

private:
    void ShowResults();

    TPrintDecision& printDecision_;
    PipeSizingWindow& model_;
    std::vector<ResultView> resultViews_;
};

} // namespace kelvara
