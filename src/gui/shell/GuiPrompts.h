#pragma once

#include "shell/Prompts.h"

#include <memory>

class QWidget;

namespace kelvara {

class TF_Help;
class TPrintDecision;
class TThermal_Cond;

// Prompts answered with real windows: message boxes, the user-conductivity window and the
// coefficient calculator. The help and conductivity windows are made once and reused.
class GuiPrompts : public Prompts {
public:
    explicit GuiPrompts(QWidget* parent = nullptr);
    ~GuiPrompts() override;

    void SetParent(QWidget* parent);
    void SetFontName(const QString& fontName) { fontName_ = fontName; }

    void ShowMessage(MessageKind kind, const QString& text) override;
    bool AskYesNo(const QString& caption, const QString& text) override;
    Answer AskYesNoCancel(const QString& caption, const QString& text) override;
    std::optional<float> AskUserConductivity() override;
    void ShowCoefficientCalculator(CoefficientCalculator& calculator) override;

    // The windows made once and reused for the whole run live here too.
    TF_Help& HelpWindow();
    TPrintDecision& PrintDecision();
    void SetDataDir(const QString& dataDir) { dataDir_ = dataDir; }

private:
    QWidget* parent_;
    QString fontName_;
    QString dataDir_;
    std::unique_ptr<TPrintDecision> printDecision_;
    std::unique_ptr<TF_Help> help_;
    std::unique_ptr<TThermal_Cond> thermalCond_;
};

} // namespace kelvara
