#include "GuiPrompts.h"

#include "ProgramInfo.h"

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
