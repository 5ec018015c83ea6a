#pragma once

#include "shell/Prompts.h"

class QWidget;

namespace kelvara {

// Prompts answered with real message boxes.
class GuiPrompts : public Prompts {
public:
    explicit GuiPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(MessageKind kind, const QString& text) override;
    bool AskYesNo(const QString& caption, const QString& text) override;
    std::optional<float> AskUserConductivity() override;
    void ShowCoefficientCalculator(CoefficientCalculator& calculator) override;

private:
    QWidget* parent_;
};

} // namespace kelvara
