#include "CalculationWindow.h"

#include "Calculations.h"
#include "CoefficientCalculator.h"
#include "engine/Checks.h"
#include "shell/AppError.h"
#include "shell/FloatingPoint.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "shell/Prompts.h"
#include "shell/Session.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace kelvara {

CalculationWindow::CalculationWindow(Session& session, Prompts& prompts)
    : session_(session), prompts_(prompts) {}

TParaLine& CalculationWindow::Input(int i) {
    if (i < 0 || std::size_t(i) >= InputRows.size())
        throw AppError(QStringLiteral("List index out of bounds (%1)").arg(i));
    return *InputRows[std::size_t(i)];
}

TParaLine& CalculationWindow::Result(int j) {
    if (j < 0 || std::size_t(j) >= ResultRows.size())
        throw AppError(QStringLiteral("List index out of bounds (%1)").arg(j));
    return *ResultRows[std::size_t(j)];
}

void CalculationWindow::TntFormShow() {
    const bool coeffFromCalculator = session_.CoeffFromCalculator;
    calculationType_ = session_.CalculationType;
    CopyHeaderPending = true;
    PrintEnabled = false;
    InputRows.clear();
    ResultRows.clear();
    ResultLog.clear();
    MediumRowIndex = -1;
    BuildRows();
    // Writing the h row cleared the flag, but the value shown is still the calculator's.
    if (coeffFromCalculator)
        session_.CoeffFromCalculator = true;
}

void CalculationWindow::BuildRows() {
    const CalculationTypeSpec& info = TypeInfo();
    const RememberedValues& remembered = session_.Remembered;
    const Catalogues& catalogue = session_.Catalogue;

    const CalculationTypeTexts& texts = CalculationTypeTextsOf(calculationType_);
    ResultLog = {texts.caption, texts.logHeader};

    for (std::size_t i = 0; i < info.inputs.size(); ++i) {
        const RowSpec& spec_ = info.inputs[i];
        const QString& label = texts.inputs[i].label;
        const QString& unit = texts.inputs[i].unit;
        auto initialText = [&] {
            return FormatFloat(texts.inputs[i].pattern,
                               static_cast<long double>(remembered.*(spec_.initial.value)) *
                                   spec_.initial.scale);
        };
        InputRows.push_back(std::make_unique<TParaLine>(spec_.kind, this));
        TParaLine& row = *InputRows.back();
        switch (spec_.kind) {
        case RowKind::rkEdit:
            row.SetParaLineLabelText(label);
            row.SetParaLineEditText(initialText());
            row.SetUnitText(unit);
            break;
        case RowKind::rkMaterial:
            row.SetParaLineLabelText(label);
            row.SetMaterialItems(catalogue.MaterialNames);
            row.SetMaterialIndex(remembered.LastMaterialIndex);
            break;
        case RowKind::rkCoefficient:
            row.SetParaLineLabelText(label);
            row.SetParaLineEditText(initialText());
            row.SetUnitText(unit);
            row.SetButtonText(QStringLiteral("oblicz h"));
            row.SetGet_h_enabled(true);
            break;
        case RowKind::rkFlowRate:
            row.SetParaLineLabelText(label);
            row.SetParaLineEditText(initialText());
            row.SetFlowRateItems(FlowRateUnits);
            row.SetFlowRateIndex(remembered.LastFlowRateIndex);
            row.SetUnitText(unit);
            break;
        case RowKind::rkMedium:
            MediumRowIndex = int(InputRows.size()) - 1;
            row.SetParaLineLabelText(label);
            row.SetMediumItems(catalogue.MediumNames);
            row.SetParaLineEditText(initialText());
            row.SetUnitText(unit);
            break;
        default:
            break;
        }
    }
    for (std::size_t j = 0; j < info.results.size(); ++j) {
        const RowSpec& spec_ = info.results[j];
        ResultRows.push_back(std::make_unique<TParaLine>(spec_.kind, this));
        TParaLine& row = *ResultRows.back();
        row.SetParaLineLabelText(texts.results[j].label);
        if (spec_.kind == RowKind::rkResult)
            row.SetParaLineEditText(QString());
        row.SetUnitText(texts.results[j].unit);
        if (spec_.kind == RowKind::rkResultChoice && info.moveChoice)
            row.SetMoveAlternative(60);
    }
    // The medium comes last: choosing it overwrites the rows that depend on it.
    if (info.mediumRow >= 0)
        Input(info.mediumRow).SetMediumIndex(remembered.LastMediumIndex);
}

bool CalculationWindow::Button1Click() {
    PrintEnabled = false;
    LastFault = {};
    QStringList series;
    if (!RunCalculationCase(*this, series))
        return false;
    const CalculationTypeSpec& info = TypeInfo();
    if (info.choiceTargetRow >= 0) {
        Result(info.choiceRow).SetAlternatives(AlternativeThicknesses);
        Result(info.choiceRow).SetAlternativeText(ChooseText);
    } else if (info.HasFreezingSeries()) {
        Result(info.choiceRow).SetAlternatives(series);
        Result(info.choiceRow).SetAlternativeText(ChooseText);
    }
    PrintEnabled = true;
    MarkResultsCurrent();
    return true;
}

void CalculationWindow::TntFormClose() {
    RememberedValues& remembered = session_.Remembered;
    using What = KeptValue::What;
    for (const KeptValue& kept : TypeInfo().kept) {
        const TParaLine& row = Input(kept.row);
        if (kept.what == What::Number) {
            long double value = 0;
            // A text that is no number (or no storable one) keeps the value remembered before;
            // the other inputs are kept all the same.
            if (!TryTextToFloat(row.ParaLineEditText(), value))
                continue;
            const long double scaled = value * kept.scale;
            if (!(std::fabs(scaled) <= FLT_MAX))
                continue;
            remembered.*(kept.value) = static_cast<float>(scaled);
        } else if (kept.what == What::MaterialSelection) {
            remembered.LastMaterialIndex = row.MaterialIndex();
        } else if (kept.what == What::MediumSelection) {
            remembered.LastMediumIndex = row.MediumIndex();
        } else {
            remembered.LastFlowRateIndex = row.FlowRateIndex();
        }
    }
    InputRows.clear();
    ResultRows.clear();
    ResultLog.clear();
    MediumRowIndex = -1;
}

void CalculationWindow::MarkResultsStale() {
    for (const auto& row : ResultRows)
        row->SetEditColor(1);
}

void CalculationWindow::MarkResultsCurrent() {
    for (const auto& row : ResultRows)
        row->SetEditColor(0);
}

bool CalculationWindow::ResultsStale() const {
    return std::any_of(ResultRows.begin(), ResultRows.end(),
                       [](const auto& row) { return row->EditColor() == 1; });
}

void CalculationWindow::EditChanged(TParaLine& row) {
    if (row.Kind() == RowKind::rkResult || row.Kind() == RowKind::rkResultChoice)
        return; // written by the calculation
    // A typed h replaces the calculator's.
    if (row.Kind() == RowKind::rkCoefficient)
        session_.CoeffFromCalculator = false;
    // Every edited input, the flow and the medium's density included, leaves the results
    // behind.
    MarkResultsStale();
}

void CalculationWindow::MaterialChosen(TParaLine& row) {
    try {
        if (row.MaterialText() == UserCoefficientMaterialName) {
            if (const std::optional<float> lambda = prompts_.AskUserConductivity())
                session_.Remembered.UserLambda = *lambda;
        }
    } catch (const AppError&) {
    }
    MarkResultsStale();
}

void CalculationWindow::FlowRateChosen(TParaLine&) {
    MarkResultsStale();
}

void CalculationWindow::MediumChanged(TParaLine& row) {
    try {
        const int index = row.MediumIndex();
        const auto& records = session_.Catalogue.MediumRecords;
        if (index < 0 || std::size_t(index) >= records.size())
            throw AppError(QStringLiteral("List index out of bounds (%1)").arg(index));
        const TMediumRecord& medium = records[std::size_t(index)];
        const QString pattern = QStringLiteral("#0.00");
        row.SetParaLineEditText(FormatFloat(pattern, medium.Density));
        auto fill = [&](int offset, const char16_t* label, float value) {
            TParaLine& dependent = Input(MediumRowIndex + offset);
            if (dependent.ParaLineEditAvailable() &&
                dependent.ParaLineLabelText() == QString::fromUtf16(label))
                dependent.SetParaLineEditText(FormatFloat(pattern, value));
        };
        // Only the rows that follow the medium row in its types take its properties.
        fill(1, u"Cieplo wlasciwe", medium.SpecificHeat);
        fill(2, u"Temperatura zamarzania czynnika", medium.FreezingTemp);
        fill(3, u"Entalpia", medium.LatentHeat);
    } catch (const AppError& error) {
        prompts_.ShowMessage(MessageKind::Error, messages::MediumError + error.Message());
    }
    MarkResultsStale();
}

void CalculationWindow::AlternativeChosen(TParaLine& row) {
    bool current = true;
    try {
        const CalculationTypeSpec& info = TypeInfo();
        if (info.choiceTargetRow >= 0) {
            Input(info.choiceTargetRow).SetParaLineEditText(row.AlternativeText());
            if (const Calculation calculation = CalculationFor(calculationType_))
                current = calculation(*this);
        }
    } catch (const AppError&) {
        current = false;
    }
    // A refused or failed recalculation left the results of the thickness before.
    if (current)
        MarkResultsCurrent();
    else
        MarkResultsStale();
}

void CalculationWindow::HButtonClicked(TParaLine&) {
    const bool anyMaterial = std::any_of(InputRows.begin(), InputRows.end(), [](const auto& row) {
        return row->ParaLineMaterialAvailable() && row->MaterialIndex() >= 0;
    });
    if (!anyMaterial) {
        prompts_.ShowMessage(MessageKind::Plain, messages::NoMaterial);
        return;
    }
    const CalculationTypeSpec& info = TypeInfo();
    CoefficientCalculator calculator(*this);
    calculator.Settings.outdoorOptionVisible = true;
    if (info.thicknessRow >= 0) {
        long double thickness = 0;
        if (TryTextToFloat(Input(info.thicknessRow).ParaLineEditText(), thickness)) {
            if (thickness != 0) {
                calculator.Settings.claddingVisible = true;
                session_.Remembered.Emissivity = 0.93f;
            } else {
                // A bare surface: no cladding, the metal's own emissivity.
                calculator.Settings.outdoorOptionVisible = false;
                calculator.Settings.claddingVisible = false;
                session_.Remembered.Emissivity = session_.Catalogue.FeEmissivity;
            }
        }
    }
    const bool flagBefore = session_.CoeffFromCalculator;
    const int claddingBefore = session_.CalculatorCladdingIndex;
    prompts_.ShowCoefficientCalculator(calculator);
    if (!calculator.Computed()) {
        // Cancelled, or closed without a new h: the h row, and what it came from, stay.
        session_.CoeffFromCalculator = flagBefore;
        session_.CalculatorCladdingIndex = claddingBefore;
        return;
    }
    const bool claddingChosen = session_.CoeffFromCalculator && calculator.Settings.outdoor;
    session_.CalculatorCladdingIndex = claddingChosen ? calculator.Settings.claddingIndex : -1;
    const float h = session_.Remembered.SurfaceCoeff;
    try {
        Input(info.hRow).SetParaLineEditText(FormatFloat(QStringLiteral("#0.000"), h));
    } catch (const AppError& error) {
        prompts_.ShowMessage(MessageKind::Error, messages::NoCoefficient + error.Message());
    }
    // The calculations refuse an h outside their range; say so while the user still sees why.
    if (!InRange(h, MinSurfaceCoeff, MaxSurfaceCoeff))
        prompts_.ShowMessage(MessageKind::Warning, messages::CoefficientOutOfRange);
    if (claddingChosen)
        session_.CoeffFromCalculator = true;
    MarkResultsStale();
}

} // namespace kelvara
