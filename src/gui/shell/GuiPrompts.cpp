#include "GuiPrompts.h"

#include "ProgramInfo.h"
#include "engine/CoefficientCalculator.h"

#include <QMessageBox>

namespace kelvara {

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

} // namespace kelvara

namespace kelvara {

// The calculation windows that ask these questions open their dialogs themselves; until
// one is open nothing can ask, and an unanswered question leaves everything unchanged.
std::optional<float> GuiPrompts::AskUserConductivity() {
    return std::nullopt;
}

void GuiPrompts::ShowCoefficientCalculator(CoefficientCalculator& calculator) {
    calculator.Button2Click();
}

} // namespace kelvara
