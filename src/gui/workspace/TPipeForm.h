#pragma once

#include "CalculationFrame.h"
#include "workspace/CalculationWindow.h"

namespace kelvara {

class TF_Help;
class TPrintDecision;

// The calculation window: input rows, result rows and the four buttons, over the
// calculation-window model.
class TPipeForm : public CalculationFrame {
    Q_OBJECT
public:
    TPipeForm(Session& session, Prompts& prompts, TF_Help& help, TPrintDecision& printDecision,
              QWidget* parent = nullptr);

    CalculationWindow& Model() { return model_; }

protected:
    void ShowModel() override;
    bool Calculate() override { return model_.Button1Click(); }
    Fault LastFault() const override { return {model_.LastFault.row, model_.LastFault.choice}; }
    bool PrintEnabled() const override { return model_.PrintEnabled; }
    int HelpIndex() const override;
    QString HelpText() const override;
    void Print() override;
    void CloseModel() override { model_.TntFormClose(); }

private:
    TPrintDecision& printDecision_;
    CalculationWindow& model_;
};

} // namespace kelvara
