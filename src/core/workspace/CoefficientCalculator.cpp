#include "CoefficientCalculator.h"

#include "CalculationCase.h"
#include "engine/SurfaceCoefficientCalc.h"
#include "engine/Units.h"
#include "shell/FloatingPoint.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "shell/Prompts.h"
#include "shell/Session.h"

namespace kelvara {

using fp::Store;

namespace {

using messages::WrongData;

float RowNumber(CalculationCase& w, int row, long double scale = 1.0L) {
    return Store(TextToFloat(w.InputText(row)) * scale);
}

} // namespace

bool CoefficientCalculator::IsSheet() const {
    return window_.TypeInfo().IsSheet();
}

void CoefficientCalculator::TntFormShow() {
    Session& s = window_.GetSession();
    Settings.sheetDimensionVisible = false;
    if (IsSheet()) {
        Settings.orientationVisible = false;
        Settings.sheetDimensionText =
            FormatFloat(QStringLiteral("#0.00"), s.Remembered.SheetDimension);
        Settings.sheetDimensionVisible = true;
    }
    s.CoeffFromCalculator = false;
}

void CoefficientCalculator::FormActivate() {
    Settings.outdoor = false;
    TntRadioButton1Click();
    Settings.emissivityText =
        FormatFloat(QStringLiteral("#0.00"), window_.GetSession().Remembered.Emissivity);
    Settings.windText = QStringLiteral("1");
    Settings.claddingIndex = -1;
}

std::vector<SummaryLine> CoefficientCalculator::DataSummary() const {
    std::vector<SummaryLine> lines;
    const std::vector<RowSpec>& rows = window_.TypeInfo().inputs;
    const CalculationTypeTexts& texts = CalculationTypeTextsOf(window_.CalculationType());
    for (int i = 0; i < int(rows.size()); ++i) {
        const RowKind kind = rows[std::size_t(i)].kind;
        if (kind == RowKind::rkCoefficient)
            continue;
        SummaryLine line;
        line.label = texts.inputs[std::size_t(i)].label;
        line.value = kind == RowKind::rkMaterial ? window_.MaterialText(i) : window_.InputText(i);
        line.hasUnit = kind != RowKind::rkMaterial;
        line.unit = line.hasUnit ? texts.inputs[std::size_t(i)].unit : QString();
        line.top = 120 + 16 * int(lines.size());
        lines.push_back(line);
    }
    return lines;
}

QStringList CoefficientCalculator::CladdingNames() const {
    return window_.GetSession().Catalogue.CladdingNames;
}

void CoefficientCalculator::TntRadioButton1Click() {
    Settings.outdoor = false;
    Settings.windVisible = false;
    if (!IsSheet())
        Settings.orientationVisible = true;
}

void CoefficientCalculator::TntRadioButton2Click() {
    Settings.outdoor = true;
    Settings.windVisible = true;
    Settings.orientationVisible = false;
}

CoefficientCalculator::Outcome CoefficientCalculator::TntComboBox1Change(int index) {
    Session& s = window_.GetSession();
    const auto& emissivities = s.Catalogue.CladdingEmissivities;
    QString failure;
    if (index < 0 || std::size_t(index) >= emissivities.size())
        failure = QStringLiteral("List index out of bounds (%1)").arg(index);
    else if (emissivities[std::size_t(index)] == 0.0f)
        failure = messages::ZeroEmissivity;
    if (!failure.isEmpty()) {
        window_.GetPrompts().ShowMessage(MessageKind::Error, messages::NoCladding + failure);
        Settings.emissivityText = FormatFloat(QStringLiteral("#0.00"), s.Remembered.Emissivity);
        return Outcome::Closed;
    }
    const float e = emissivities[std::size_t(index)];
    Settings.claddingIndex = index;
    Settings.emissivityText = FormatFloat(QStringLiteral("#0.00"), e);
    s.Remembered.Emissivity = e;
    return Outcome::StayOpen;
}

CoefficientCalculator::Outcome CoefficientCalculator::Button1Click() {
    Session& s = window_.GetSession();
    Prompts& prompts = window_.GetPrompts();
    refused_ = Field::None;
    long double wind = 0;
    const bool windNumber = TryTextToFloat(Settings.windText, wind);
    const bool windNegative = windNumber && wind < 0;
    if (Settings.outdoor) {
        if (Settings.claddingIndex < 0)
            refused_ = Field::Cladding;
        else if (Settings.emissivityText.isEmpty())
            refused_ = Field::Emissivity;
        else if (Settings.windText.isEmpty() || windNegative || !windNumber || !(wind > 0))
            refused_ = Field::Wind;
    } else {
        if (Settings.emissivityText.isEmpty())
            refused_ = Field::Emissivity;
        else if (Settings.windText.isEmpty() || windNegative)
            refused_ = Field::Wind;
    }
    if (refused_ != Field::None) {
        prompts.ShowMessage(MessageKind::Warning, WrongData);
        return Outcome::StayOpen;
    }
    if (!Settings.outdoor) {
        long double dimension = 0;
        if (IsSheet() && Settings.sheetDimensionVisible &&
            !(TryTextToFloat(Settings.sheetDimensionText, dimension) && dimension > 0)) {
            refused_ = Field::SheetDimension;
            prompts.ShowMessage(MessageKind::Plain, messages::NoSheetDimension);
            s.Remembered.SurfaceCoeff = 0;
            return Outcome::StayOpen;
        }
    }
    Outcome outcome;
    if (!Settings.outdoor)
        outcome = IsSheet() ? InsideSheetCoefficient() : InsidePipeCoefficient();
    else
        outcome = IsSheet() ? OutsideSheetCoefficient() : OutsidePipeCoefficient();
    if (outcome == Outcome::StayOpen)
        return outcome;
    s.CoeffFromCalculator = true;
    return Outcome::Closed;
}

void CoefficientCalculator::Button2Click() {
    window_.GetSession().CoeffFromCalculator = false;
    Settings.claddingIndex = -1;
}

CoefficientCalculator::Outcome CoefficientCalculator::InsidePipeCoefficient() {
    return Compute(CoefficientPlace::InsidePipe);
}
CoefficientCalculator::Outcome CoefficientCalculator::OutsidePipeCoefficient() {
    return Compute(CoefficientPlace::OutsidePipe);
}
CoefficientCalculator::Outcome CoefficientCalculator::InsideSheetCoefficient() {
    return Compute(CoefficientPlace::InsideSheet);
}
CoefficientCalculator::Outcome CoefficientCalculator::OutsideSheetCoefficient() {
    return Compute(CoefficientPlace::OutsideSheet);
}

CoefficientCalculator::Outcome CoefficientCalculator::Compute(CoefficientPlace c) {
    Session& session = window_.GetSession();
    Prompts& prompts = window_.GetPrompts();
    // The rows it reads; without a thickness row the remembered thickness stands in.
    const CalculationTypeSpec& rows = window_.TypeInfo();
    CoefficientInput in;
    in.place = c;
    const bool sheet = IsSheetPlace(in.place);
    in.orientation = Settings.horizontal ? PipeOrientation::Horizontal : PipeOrientation::Vertical;
    in.condensation = rows.IsCondensation();
    in.materialIndex = window_.MaterialIndex(rows.materialRow);
    in.rememberedHumidity = session.Remembered.RelativeHumidity;
    try {
        // Every row the computation needs is read before anything is judged, so a row that is
        // not a number is reported as such whatever the other rows hold.
        in.ambientTemp = RowNumber(window_, rows.ambientRow);
        in.mediumTemp = RowNumber(window_, rows.mediumTempRow);
        if (!sheet)
            in.pipeDiameter = RowNumber(window_, rows.diameterRow, MetresPerMillimetre);
        in.thickness = rows.thicknessRow >= 0
                           ? RowNumber(window_, rows.thicknessRow, MetresPerMillimetre)
                           : session.Remembered.InsulationThickness;
        if (rows.humidityRow >= 0)
            in.relativeHumidity = RowNumber(window_, rows.humidityRow);
        if (in.condensation && in.ambientTemp < in.mediumTemp) {
            prompts.ShowMessage(MessageKind::Plain, WrongData);
            return Outcome::Closed;
        }
        long double typed = 0;
        if (c == CoefficientPlace::InsidePipe && !TryTextToFloat(Settings.emissivityText, typed))
            in.emissivity = session.Remembered.Emissivity;
        else
            in.emissivity = Store(TextToFloat(Settings.emissivityText));
        if (Settings.outdoor)
            in.windSpeed = Store(TextToFloat(Settings.windText));
        if (!CoefficientInputsInRange(in)) {
            prompts.ShowMessage(MessageKind::Plain, WrongData);
            return Outcome::Closed;
        }
        if (sheet) {
            session.Remembered.SheetDimension = Store(TextToFloat(Settings.sheetDimensionText));
            in.dimension = session.Remembered.SheetDimension;
        } else {
            in.dimension = Store(in.pipeDiameter + 2.0L * in.thickness);
        }
    } catch (const AppError& error) {
        switch (c) {
        case CoefficientPlace::InsidePipe:
            prompts.ShowMessage(MessageKind::Error, messages::NoCoefficient + error.Message());
            return Outcome::StayOpen;
        case CoefficientPlace::InsideSheet:
        case CoefficientPlace::OutsideSheet:
            prompts.ShowMessage(MessageKind::Plain, messages::NoCoefficient + error.Message());
            return Outcome::Closed;
        case CoefficientPlace::OutsidePipe:
            return Outcome::Closed;
        }
    }

    // From here on a failure ends the computation without a message.
    if (const auto result = ComputeSurfaceCoefficient(session, in)) {
        session.Remembered.SurfaceCoeff = result->h;
        computed_ = true;
        if (session.Catalogue.ShowSurfaceTemp)
            prompts.ShowMessage(MessageKind::Plain,
                                messages::SurfaceTemperature +
                                    FormatFloat(QStringLiteral("#0.0"), result->surfaceTemp) +
                                    QStringLiteral("°C"));
    }
    return Outcome::Closed;
}

QString CoefficientCalculator::HelpText() {
    return QStringLiteral(
        "Wspólczynnik przejmowania ciepla z powierzchni zalezy od dwóch czynnikow:\n\n1) od "
        "promieniowania cieplnego, na które wplywa róznica temperatur miedzy powierzchnia a "
        "otoczeniem oraz wspólczynnik emisji Epsilon. Jako norme mozna zastosowac nastepujace "
        "wartosci:\n\neps=0,13 dla aluminiowych powierzchni\neps=0,44 dla metalowych powierzchni "
        "ocynkowanych\neps=0,93 dla powierzchni niemetalowych (np. izolacji VELTAR)\n\n2) od "
        "czynnika konwekcyjnego, na który wplywa przeplyw powietrza i kierunek przeplywu w "
        "rurach. Program ten zaklada konwekcje laminarna w rurach poziomych i konwekcje "
        "turbulentna w rurach pionowych. Inne przypadki opisano EN ISO 12241:1998.");
}

float AutoSurfaceCoefficient(CalculationCase& window) {
    Session& session = window.GetSession();
    try {
        session.CoeffFromCalculator = false;
        CoefficientCalculator hidden(window);
        hidden.Settings.outdoor = false;
        hidden.Settings.horizontal = true;
        hidden.Settings.emissivityText =
            FormatFloat(QStringLiteral("#0.00"), session.Catalogue.FeEmissivity);
        hidden.Button1Click();
    } catch (const AppError&) {
    }
    return session.Remembered.SurfaceCoeff;
}

} // namespace kelvara
