#include "GuiPrompts.h"

#include "ProgramInfo.h"
#include "dialogs/TInsideOutside.h"
#include "dialogs/TThermal_Cond.h"
#include "output/TPrintDecision.h"
#include "windows/TF_Help.h"
#include "workspace/CoefficientCalculator.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace kelvara {

GuiPrompts::GuiPrompts(QWidget* parent) : parent_(parent) {}

GuiPrompts::~GuiPrompts() = default;

void GuiPrompts::SetParent(QWidget* parent) {
    parent_ = parent;
    if (help_)
        help_->Anchor = parent;
}

void GuiPrompts::ShowMessage(MessageKind kind, const QString& text) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (kind) {
    case MessageKind::Plain:
        break;
    case MessageKind::Warning:
        icon = QMessageBox::Warning;
        break;
    case MessageKind::Error:
        icon = QMessageBox::Critical;
        break;
    case MessageKind::Question:
        icon = QMessageBox::Question;
        break;
    }
    QMessageBox box(icon, ProgramName, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool GuiPrompts::AskYesNo(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    parent_);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Answer GuiPrompts::AskYesNoCancel(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    // The program's own words, whatever texts the toolkit has for its buttons.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Tak"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nie"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Anuluj"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<float> GuiPrompts::AskUserConductivity() {
    if (!thermalCond_)
        thermalCond_ =
            std::make_unique<TThermal_Cond>(*this, fontName_); // owned here, not by a window
    return thermalCond_->Ask();
}

void GuiPrompts::ShowCoefficientCalculator(CoefficientCalculator& calculator) {
    TInsideOutside window(calculator, HelpWindow(), fontName_, parent_);
    window.exec();
}

TF_Help& GuiPrompts::HelpWindow() {
    if (!help_) {
        help_ = std::make_unique<TF_Help>(fontName_); // owned here, not by a window
        help_->Anchor = parent_;
    }
    return *help_;
}

TPrintDecision& GuiPrompts::PrintDecision() {
    if (!printDecision_)
        printDecision_ = std::make_unique<TPrintDecision>(*this, dataDir_, fontName_);
    return *printDecision_;
}

} // namespace kelvara
