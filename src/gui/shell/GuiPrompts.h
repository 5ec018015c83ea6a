#pragma once

#include "shell/Prompts.h"

#include <memory>

class QWidget;

namespace kelvara {

class TF_Help;
class TThermal_Cond;

// Prompts answered with real windows: message boxes, the user-conductivity window and the
// coefficient calculator. The help and conductivity windows are made once and reused.
class GuiPrompts : public Prompts {
public:
    explicit GuiPrompts(QWidget* parent = nullptr);
    ~GuiPrompts() override;

    void SetParent(QWidget* parent) { parent_ = parent; }
    void SetFontName(const QString& fontName) { fontName_ = fontName; }

    void ShowMessage(MessageKind kind, const QString& text) override;
    bool AskYesNo(const QString& caption, const QString& text) override;
    std::optional<float> AskUserConductivity() override;
    void ShowCoefficientCalculator(CoefficientCalculator& calculator) override;

    TF_Help& HelpWindow();

private:
    QWidget* parent_;
    QString fontName_;
    std::unique_ptr<TF_Help> help_;
    std::unique_ptr<TThermal_Cond> thermalCond_;
};

} // namespace kelvara
