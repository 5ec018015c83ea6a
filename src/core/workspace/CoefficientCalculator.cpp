#include "CoefficientCalculator.h"

#include "CalculationWindow.h"
#include "engine/Physics.h"
#include "shell/FloatingPoint.h"
#include "shell/NumberText.h"
#include "shell/Prompts.h"
#include "shell/Session.h"

#include <array>

namespace kelvara {

using fp::Store;

namespace {

// Rows the calculator reads, per calculation type; -1: none (the thickness then comes from
// the remembered InsulationThickness).
struct InputRowsOfType {
    int ambient, medium, diameter, thickness, material, humidity;
};
constexpr std::array<InputRowsOfType, 8> CalculatorInputs = {{
    {0, 1, 2, -1, 3, 5},
    {0, 1, 2, 3, 4, -1},
    {0, 1, 2, 3, 5, -1},
    {0, 1, 5, 6, 8, -1},
    {0, 1, 7, 8, 9, -1},
    {0, 1, -1, -1, 2, 4},
    {0, 1, -1, 2, 4, -1},
    {0, 1, -1, 2, 3, -1},
}};

const QString WrongData = QStringLiteral("Wprowadz wlasciwe dane");
const QString NoH =
    QStringLiteral("nie mozna okreslic h! Prosze sprawdzic dane i spróbowac ponownie! Error: ");

float RowNumber(CalculationWindow& w, int row, long double scale = 1.0L) {
    return Store(TextToFloat(w.Input(row).ParaLineEditText()) * scale);
}

} // namespace

bool CoefficientCalculator::IsSheet() const {
    return window_.CalculationType() > 4;
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
    for (const auto& row : window_.InputRows) {
        if (row->ParaLinehButtonAvailable())
            continue;
        SummaryLine line;
        line.label = row->ParaLineLabelText();
        if (row->ParaLineMaterialAvailable())
            line.value = row->MaterialText();
        else if (row->ParaLineEditAvailable())
            line.value = row->ParaLineEditText();
        line.hasUnit = row->ParaLineUnitAvailable();
        line.unit = line.hasUnit ? row->UnitText() : QString();
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
        failure = QStringLiteral("wartosc e = zero!");
    if (!failure.isEmpty()) {
        window_.GetPrompts().ShowMessage(
            MessageKind::Error,
            QStringLiteral("prosze wybrac typ materialu z pokryciem! Error: ") + failure);
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
            prompts.ShowMessage(
                MessageKind::Plain,
                QStringLiteral(
                    "nie mozna okreslic wlasciwej grubosci, prosze spróbowac ponownie!"));
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
    return Compute(Case::InsidePipe);
}
CoefficientCalculator::Outcome CoefficientCalculator::OutsidePipeCoefficient() {
    return Compute(Case::OutsidePipe);
}
CoefficientCalculator::Outcome CoefficientCalculator::InsideSheetCoefficient() {
    return Compute(Case::InsideSheet);
}
CoefficientCalculator::Outcome CoefficientCalculator::OutsideSheetCoefficient() {
    return Compute(Case::OutsideSheet);
}

CoefficientCalculator::Outcome CoefficientCalculator::Compute(Case c) {
    Session& session = window_.GetSession();
    Prompts& prompts = window_.GetPrompts();
    const int type = window_.CalculationType();
    const InputRowsOfType& rows = CalculatorInputs[std::size_t(type)];
    const bool sheet = c == Case::InsideSheet || c == Case::OutsideSheet;
    const bool condensation = type == 0 || type == 5;
    int mode = 0;
    switch (c) {
    case Case::InsidePipe:
        mode = Settings.horizontal ? FreeHorizontal : FreeVertical;
        break;
    case Case::OutsidePipe:
        mode = ForcedPipe;
        break;
    case Case::InsideSheet:
        mode = FreeVertical;
        break;
    case Case::OutsideSheet:
        mode = ForcedFlat;
        break;
    }

    float ta = 0, tm = 0, diameter = 0, thickness = 0, humidity = 0, emissivity = 0, wind = 0,
          dimension = 0;
    const int material = window_.Input(rows.material).MaterialIndex();
    try {
        // Every row the computation needs is read before anything is judged, so a row that is
        // not a number is reported as such whatever the other rows hold.
        ta = RowNumber(window_, rows.ambient);
        tm = RowNumber(window_, rows.medium);
        if (!sheet)
            diameter = RowNumber(window_, rows.diameter, 0.001L);
        thickness = rows.thickness >= 0 ? RowNumber(window_, rows.thickness, 0.001L)
                                        : session.Remembered.InsulationThickness;
        if (rows.humidity >= 0)
            humidity = RowNumber(window_, rows.humidity);
        if (condensation && ta < tm) {
            prompts.ShowMessage(MessageKind::Plain, WrongData);
            return Outcome::Closed;
        }
        long double typed = 0;
        if (c == Case::InsidePipe && !TryTextToFloat(Settings.emissivityText, typed))
            emissivity = session.Remembered.Emissivity;
        else
            emissivity = Store(TextToFloat(Settings.emissivityText));
        if (Settings.outdoor)
            wind = Store(TextToFloat(Settings.windText));
        if (emissivity < 0 || emissivity > 1 || thickness < 0 || thickness > 0.5L ||
            (Settings.outdoor && wind > 10)) {
            prompts.ShowMessage(MessageKind::Plain, WrongData);
            return Outcome::Closed;
        }
        if (sheet) {
            session.Remembered.SheetDimension = Store(TextToFloat(Settings.sheetDimensionText));
            dimension = session.Remembered.SheetDimension;
        } else {
            dimension = Store(diameter + 2.0L * thickness);
        }
    } catch (const AppError& error) {
        switch (c) {
        case Case::InsidePipe:
            prompts.ShowMessage(MessageKind::Error, NoH + error.Message());
            return Outcome::StayOpen;
        case Case::InsideSheet:
        case Case::OutsideSheet:
            prompts.ShowMessage(MessageKind::Plain, NoH + error.Message());
            return Outcome::Closed;
        case Case::OutsidePipe:
            return Outcome::Closed;
        }
    }

    // From here on a failure ends the computation without a message.
    try {
        float surface = Store(tm + 0.9L * (static_cast<long double>(ta) - tm));
        float h = 0;
        auto iterate = [&] {
            const float outer = sheet ? 0.0f : Store(diameter + 2.0L * thickness);
            for (int step = 0; step < 21; ++step) {
                const float k = sheet ? LayerConductance(session, tm, surface, thickness, 0,
                                                         material, FlatLayer)
                                      : LayerConductance(session, tm, surface, diameter, outer,
                                                         material, PipeLayer);
                h = SurfaceCoefficient(surface, ta, emissivity, dimension, wind, mode);
                const float next = sheet ? SurfaceTemperature(tm, ta, k, h, 0, FlatLayer)
                                         : SurfaceTemperature(tm, ta, k, h, outer, PipeLayer);
                // A step that leaves the surface temperature as it was has reached the fixed
                // point: every further step would compute the same h and surface again.
                if (next == surface)
                    break;
                surface = next;
            }
        };
        iterate();
        if (condensation) {
            float dew = DewPoint(ta, humidity);
            if (dew >= tm) {
                for (int round = 0; round < 10; ++round) {
                    dew = DewPoint(ta, humidity);
                    thickness =
                        sheet ? RequiredThickness(session, tm, ta, 0, h, dew, material, FlatLayer)
                              : RequiredThickness(session, tm, ta, diameter, h, dew, material,
                                                  PipeLayer);
                    if (!sheet)
                        dimension = Store(diameter + 2.0L * thickness);
                    surface = Store(tm + 0.9L * (static_cast<long double>(ta) - tm));
                    iterate();
                }
            } else {
                const float dewRemembered = DewPoint(ta, session.Remembered.RelativeHumidity);
                const long double mean =
                    (static_cast<long double>(ta) + dewRemembered) * 0.5L + 273.15L;
                h = Store(2.268e-7L * emissivity * mean * mean * mean +
                          1.74L *
                              fp::Pow(static_cast<long double>(ta) - dewRemembered, 1.0L / 3.0L));
            }
        }
        session.Remembered.SurfaceCoeff = h;
        if (session.Catalogue.ShowSurfaceTemp)
            prompts.ShowMessage(MessageKind::Plain,
                                QStringLiteral("Temperatura powierzchni: ") +
                                    FormatFloat(QStringLiteral("#0.0"), surface) +
                                    QStringLiteral("°C"));
    } catch (const AppError&) {
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

float AutoSurfaceCoefficient(CalculationWindow& window) {
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
