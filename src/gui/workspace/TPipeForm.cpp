#include "TPipeForm.h"

#include "output/TPrintDecision.h"

#include <QGroupBox>

namespace kelvara {

namespace {

// Taller and wider results than the classic 632 x 581 frame, so that six result rows clear
// the box title and every unit fits inside its box.
constexpr CalculationFrame::Geometry Frame{632, 400, 234, 480};

} // namespace

TPipeForm::TPipeForm(Session& session, Prompts& prompts, TF_Help& help,
                     TPrintDecision& printDecision, QWidget* parent)
    : CalculationFrame(session, help, QStringLiteral("PipeForm"), Frame, parent),
      printDecision_(printDecision), model_(Hold<CalculationWindow>(session, prompts)) {}

void TPipeForm::ShowModel() {
    model_.TntFormShow();
    setWindowTitle(CalculationTypeTextsOf(model_.CalculationType()).caption);
    ShowRows(model_.InputRows, GroupBox1, false);
    ShowRows(model_.ResultRows, GroupBox2, true);
}

int TPipeForm::HelpIndex() const {
    return CalculationTypeNumber(model_.CalculationType());
}

QString TPipeForm::HelpText() const {
    return QString::fromUtf16(model_.TypeInfo().helpText);
}

void TPipeForm::Print() {
    printDecision_.Open(model_);
}

} // namespace kelvara
