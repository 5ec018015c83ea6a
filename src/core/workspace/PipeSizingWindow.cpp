#include "PipeSizingWindow.h"

#include "CalculationCommon.h"
#include "CalculationWindow.h"
#include "InsulationSize.h"
#include "shell/FloatingPoint.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "shell/Prompts.h"
#include "shell/Session.h"

#include <array>
#include <cfloat>
#include <cmath>

namespace kelvara {

using namespace common;

namespace {

struct SizingRowText {
    const char16_t* label;
    const char16_t* unit;
    RowKind kind;
};

const std::array<SizingRowText, SizingRowCount> RowTexts = {{
    {u"Temp otoczenia", u"°C", RowKind::rkEdit},
    {u"Temp czynnika", u"°C", RowKind::rkEdit},
    {u"wilgotnosc wzgledna", u"%", RowKind::rkEdit},
    {u"Srednica zewnetrzna rury", u"mm", RowKind::rkEdit},
    {u"Srednica wewnetrzna rury", u"mm", RowKind::rkEdit},
    {u"material izolacyjny", u"", RowKind::rkMaterial},
    {u"Wspólczynnik przejmowania ciepla z powierzchni h", u"W/m²K", RowKind::rkCoefficient},
    {u"Rodzaj przewodu", u"", RowKind::rkMaterial},
    {u"max temperatura powierzchni", u"°C", RowKind::rkEdit},
    {u"max strata ciepla", u"W/m", RowKind::rkEdit},
    {u"zapas ponad punkt rosy", u"K", RowKind::rkEdit},
    {u"Dlugosc rury", u"m", RowKind::rkEdit},
    {u"czas pracy w roku", u"h", RowKind::rkEdit},
    {u"Koszty kWh", u"€", RowKind::rkEdit},
    {u"wskaznik emisji CO2", u"kg/kWh", RowKind::rkEdit},
}};

const std::array<const char16_t*, SizingCriterionCount> CriterionLabels = {
    u"zabezpieczenie przed kondensacja", u"minimum wg warunkow technicznych",
    u"max temperatura powierzchni", u"max strata ciepla"};

// The yearly figures' labels and units, in the order shown.
const std::array<std::pair<QString, QString>, 5> FigureLabels = {{
    {QStringLiteral("Straty ciepla na metr"), QStringLiteral("W/m")},
    {QStringLiteral("Straty ciepla Q"), QStringLiteral("W")},
    {QStringLiteral("energia w roku"), QStringLiteral("kWh")},
    {QStringLiteral("koszty w roku"), QStringLiteral("€")},
    {QStringLiteral("emisja CO2 w roku"), QStringLiteral("kg")},
}};

const QString Temperature = QStringLiteral("#########0.00");
const QString Length = QStringLiteral("#########0.000");
const QString ThicknessPattern = QStringLiteral("#########0.0");
const QString SeeHelp = QStringLiteral("patrz Pomoc");

QString Text(const char16_t* text) {
    return QString::fromUtf16(text);
}

QString Optional(const std::optional<float>& value, const QString& pattern) {
    return value ? FormatFloat(pattern, *value) : QString();
}

// The refusals' fields are the rows in the order the window shows them.
int RowOf(SizingField field) {
    using enum SizingField;
    switch (field) {
    case AmbientTemp:
        return SizingAmbient;
    case MediumTemp:
        return SizingMedium;
    case RelativeHumidity:
        return SizingHumidity;
    case PipeDiameter:
        return SizingOuterDiameter;
    case InnerDiameter:
        return SizingInnerDiameter;
    case Material:
        return SizingMaterial;
    case SurfaceCoeff:
        return SizingH;
    case RegulationCase:
        return SizingCase;
    case MaxSurfaceTemp:
        return SizingMaxSurface;
    case MaxHeatLoss:
        return SizingMaxLoss;
    case DewPointMargin:
        return SizingMargin;
    case PipeLength:
        return SizingLength;
    case OperatingHours:
        return SizingHours;
    case EnergyCost:
        return SizingPrice;
    case Co2Factor:
        return SizingCo2;
    }
    return -1;
}

} // namespace

PipeSizingWindow::PipeSizingWindow(Session& session, Prompts& prompts)
    : session_(session), prompts_(prompts) {}

QStringList PipeSizingWindow::ResultColumnLabels() {
    QStringList labels;
    const QString size = QStringLiteral("Rozmiar izolacji");
    for (const char16_t* label : CriterionLabels)
        labels << Text(label) << size;
    labels << QStringLiteral("decyduje") << QStringLiteral("grubosc izolacji") << size;
    for (const auto& figure : FigureLabels)
        labels << figure.first;
    return labels;
}

std::vector<SizingResultLine> PipeSizingWindow::PlaceholderLines() {
    std::vector<SizingResultLine> lines;
    const QString mm = QStringLiteral("mm");
    for (const char16_t* label : CriterionLabels)
        lines.push_back({Text(label), QString(), mm, QString(), true});
    lines.push_back({QStringLiteral("decyduje:"), QString(), mm, QString(), true});
    for (const auto& [label, unit] : FigureLabels)
        lines.push_back({label, QString(), unit, QString(), false});
    return lines;
}

void PipeSizingWindow::TntFormShow() {
    const bool coeffFromCalculator = session_.CoeffFromCalculator;
    PrintEnabled = false;
    ResultsStale = false;
    CopyHeaderPending = true;
    ResultLines.clear();
    InputRows.clear();
    LastFault = {};
    QStringList labels;
    for (const SizingRowText& t : RowTexts)
        labels << Text(t.label);
    ResultLog = {PipeSizingCaption, (labels + ResultColumnLabels()).join(u'\t')};
    BuildRows();
    if (coeffFromCalculator)
        session_.CoeffFromCalculator = true;
}

void PipeSizingWindow::BuildRows() {
    const RememberedValues& r = session_.Remembered;
    const SizingValues& s = session_.Sizing;
    const Catalogues& catalogue = session_.Catalogue;
    for (const SizingRowText& t : RowTexts) {
        auto row = std::make_unique<TParaLine>(t.kind, this);
        row->SetParaLineLabelText(Text(t.label));
        row->SetUnitText(Text(t.unit));
        InputRows.push_back(std::move(row));
    }
    const auto text = [&](int row, const QString& value) { Input(row).SetParaLineEditText(value); };
    text(SizingAmbient, FormatFloat(Temperature, r.AmbientTemp));
    text(SizingMedium, FormatFloat(Temperature, r.MediumTemp));
    text(SizingHumidity, FormatFloat(Temperature, r.RelativeHumidity));
    text(SizingOuterDiameter, FormatFloat(Length, r.PipeDiameter * 1000.0L));
    text(SizingInnerDiameter, FormatFloat(Length, s.InnerDiameter * 1000.0L));
    Input(SizingMaterial).SetMaterialItems(catalogue.MaterialNames);
    Input(SizingMaterial).SetMaterialIndex(r.LastMaterialIndex);
    Input(SizingH).SetButtonText(QStringLiteral("oblicz h"));
    Input(SizingH).SetGet_h_enabled(true);
    text(SizingH, FormatFloat(Length, r.SurfaceCoeff));
    Input(SizingCase).SetMaterialItems(catalogue.RegulationNames);
    Input(SizingCase).SetMaterialIndex(s.LastRegulationIndex);
    text(SizingMaxSurface, Optional(s.MaxSurfaceTemp, Temperature));
    text(SizingMaxLoss, Optional(s.MaxHeatLoss, Temperature));
    text(SizingMargin, Optional(s.DewPointMargin, Temperature));
    text(SizingLength, FormatFloat(Length, r.PipeLength));
    text(SizingHours, FormatFloat(QStringLiteral("#########0"), s.OperatingHours));
    text(SizingPrice, FormatFloat(QStringLiteral("#0.000"), r.EnergyCost));
    text(SizingCo2, FormatFloat(QStringLiteral("#0.000"), s.Co2Factor));
    ResultsStale = false;
}

void PipeSizingWindow::TntFormClose() {
    RememberedValues& r = session_.Remembered;
    SizingValues& s = session_.Sizing;
    // A text that is no number keeps the value remembered before; the others are kept all the
    // same, as in the other windows.
    const auto number = [&](int row, long double scale, float& into) {
        long double value = 0;
        if (!TryTextToFloat(Input(row).ParaLineEditText(), value))
            return false;
        value *= scale;
        if (!(std::fabs(value) <= FLT_MAX))
            return false;
        into = static_cast<float>(value);
        return true;
    };
    const auto optional = [&](int row, std::optional<float>& into) {
        float value = 0;
        if (Input(row).ParaLineEditText().trimmed().isEmpty())
            into.reset();
        else if (number(row, 1, value))
            into = value;
    };
    number(SizingAmbient, 1, r.AmbientTemp);
    number(SizingMedium, 1, r.MediumTemp);
    number(SizingHumidity, 1, r.RelativeHumidity);
    number(SizingOuterDiameter, 0.001L, r.PipeDiameter);
    number(SizingInnerDiameter, 0.001L, s.InnerDiameter);
    r.LastMaterialIndex = Input(SizingMaterial).MaterialIndex();
    number(SizingH, 1, r.SurfaceCoeff);
    s.LastRegulationIndex = Input(SizingCase).MaterialIndex();
    optional(SizingMaxSurface, s.MaxSurfaceTemp);
    optional(SizingMaxLoss, s.MaxHeatLoss);
    optional(SizingMargin, s.DewPointMargin);
    number(SizingLength, 1, r.PipeLength);
    number(SizingHours, 1, s.OperatingHours);
    number(SizingPrice, 1, r.EnergyCost);
    number(SizingCo2, 1, s.Co2Factor);
    InputRows.clear();
    ResultLines.clear();
}

void PipeSizingWindow::MarkStale() {
    if (ResultLines.empty() || ResultsStale)
        return;
    ResultsStale = true;
    if (OnResultsChanged)
        OnResultsChanged();
}

void PipeSizingWindow::EditChanged(TParaLine& row) {
    if (row.Kind() == RowKind::rkCoefficient)
        session_.CoeffFromCalculator = false;
    MarkStale();
}

void PipeSizingWindow::MaterialChosen(TParaLine& row) {
    if (&row == &Input(SizingMaterial) && row.MaterialText() == UserCoefficientMaterialName) {
        if (const std::optional<float> lambda = prompts_.AskUserConductivity())
            session_.Remembered.UserLambda = *lambda;
    }
    MarkStale();
}

// The h calculator works on a calculation window: it gets one of the pipe surface temperature,
// filled from this window's rows, and its answer comes back into the h row.
void PipeSizingWindow::HButtonClicked(TParaLine&) {
    const CalculationType savedType = session_.CalculationType;
    session_.CalculationType = CalculationType::PipeSurfaceTemperature;
    CalculationWindow pipe(session_, prompts_);
    pipe.TntFormShow();
    session_.CalculationType = savedType;
    enum { Ambient, Medium, Diameter, Thickness, Material, HRow };
    const bool fromCalculator = session_.CoeffFromCalculator;
    pipe.Input(Ambient).SetParaLineEditText(Input(SizingAmbient).ParaLineEditText());
    pipe.Input(Medium).SetParaLineEditText(Input(SizingMedium).ParaLineEditText());
    pipe.Input(Diameter).SetParaLineEditText(Input(SizingOuterDiameter).ParaLineEditText());
    // The coefficient of the insulated pipe: the thickness found last, else the one remembered.
    const float thickness =
        lastThickness_ > 0 ? lastThickness_ : session_.Remembered.InsulationThickness;
    pipe.Input(Thickness).SetParaLineEditText(FormatFloat(Length, thickness * 1000.0L));
    const TParaLine& material = Input(SizingMaterial);
    if (material.MaterialIndex() >= 0) {
        // Set by program, not chosen: the user's λ is already in the session.
        auto& items = pipe.Input(Material);
        items.SetMaterialIndex(material.MaterialIndex());
        if (material.MaterialText() == UserCoefficientMaterialName)
            items.SetMaterialText(UserCoefficientMaterialName);
    }
    pipe.Input(HRow).SetParaLineEditText(Input(SizingH).ParaLineEditText());
    session_.CoeffFromCalculator = fromCalculator;
    pipe.HButtonClicked(pipe.Input(HRow));
    const QString& h = pipe.Input(HRow).ParaLineEditText();
    if (h == Input(SizingH).ParaLineEditText())
        return; // cancelled: the h row stays as it was
    const bool accepted = session_.CoeffFromCalculator;
    Input(SizingH).SetParaLineEditText(h);
    session_.CoeffFromCalculator = accepted;
    MarkStale();
}

bool PipeSizingWindow::Button1Click() {
    PrintEnabled = false;
    LastFault = {};
    try {
        const bool done = Calculate();
        PrintEnabled = done;
        if (OnResultsChanged)
            OnResultsChanged();
        return done;
    } catch (const AppError& error) {
        prompts_.ShowMessage(MessageKind::Error, messages::CalculationError + error.Message());
        PrintEnabled = false;
        if (OnResultsChanged)
            OnResultsChanged();
        return false;
    }
}

bool PipeSizingWindow::Calculate() {
    const int material = Input(SizingMaterial).MaterialIndex();
    if (material < 0) {
        LastFault = {SizingMaterial, true};
        prompts_.ShowMessage(MessageKind::Plain, messages::NoMaterial);
        return false;
    }
    const auto read = [&](int row, long double factor = 1.0L) {
        LastFault = {row, false};
        const float value = fp::Store(TextToFloat(Input(row).ParaLineEditText()) * factor);
        LastFault = {};
        return value;
    };
    const auto optional = [&](int row) -> std::optional<float> {
        if (Input(row).ParaLineEditText().trimmed().isEmpty())
            return std::nullopt;
        return read(row);
    };
    PipeSizingInput in;
    in.ambientTemp = read(SizingAmbient);
    in.mediumTemp = read(SizingMedium);
    in.relativeHumidity = read(SizingHumidity);
    in.pipeDiameter = read(SizingOuterDiameter, 0.001L);
    in.innerDiameter = read(SizingInnerDiameter, 0.001L);
    in.material = {material, Input(SizingMaterial).MaterialText() == UserCoefficientMaterialName,
                   session_.Remembered.UserLambda};
    in.surfaceCoeff = read(SizingH);
    in.regulationCase = Input(SizingCase).MaterialIndex();
    in.maxSurfaceTemp = optional(SizingMaxSurface);
    in.maxHeatLoss = optional(SizingMaxLoss);
    in.dewPointMargin = optional(SizingMargin);
    in.pipeLength = read(SizingLength);
    in.operatingHours = read(SizingHours);
    in.energyCost = read(SizingPrice);
    in.co2Factor = read(SizingCo2);

    std::vector<Warning> warnings;
    const std::optional<SizingRefusal> refusal = CheckPipeSizing(session_, in, warnings);
    for (Warning warning : warnings)
        if (warning == Warning::MaterialTooCold)
            prompts_.ShowMessage(MessageKind::Plain, messages::MaterialTooCold);
    if (refusal) {
        if (refusal->check == RefusalCheck::MaterialTooHot) {
            prompts_.ShowMessage(MessageKind::Plain, messages::MaterialTooHot);
            return false;
        }
        LastFault = {RowOf(refusal->input), refusal->input == SizingField::RegulationCase};
        prompts_.ShowMessage(MessageKind::Plain, messages::WrongData);
        return false;
    }
    const PipeSizingResult r = PipeSizingResults(session_, in);
    if (r.fault)
        throw *r.fault;
    WriteResults(in, r);
    return true;
}

void PipeSizingWindow::WriteResults(const PipeSizingInput& in, const PipeSizingResult& r) {
    ResultLines.clear();
    ResultsStale = false;
    QStringList fields;
    for (int i = 0; i < SizingRowCount; ++i) {
        const TParaLine& row = Input(i);
        if (i == SizingMaterial)
            fields << row.MaterialText() + u' ' + UserLambdaText(in.material);
        else if (i == SizingCase)
            fields << row.MaterialText();
        else
            fields << row.ParaLineEditText();
    }
    // A user conductivity belongs to no product: no size, as in the condensation window.
    const auto sizeOf = [&](float mm) {
        if (in.material.user)
            return NotNeeded;
        return PipeInsulationSize(session_, prompts_, in.pipeDiameter, mm);
    };
    const auto thicknessLine = [&](const QString& label, const CriterionResult& c) {
        SizingResultLine line{label, NotNeeded, QStringLiteral("mm"), NotNeeded, true};
        if (c.outcome == CriterionOutcome::Thickness) {
            line.value = FormatFloat(ThicknessPattern, c.thicknessMm);
            line.size = sizeOf(c.thicknessMm);
        } else if (c.outcome == CriterionOutcome::Unreachable ||
                   c.outcome == CriterionOutcome::NoRow) {
            line.value = SeeHelp;
            line.size = SeeHelp;
        }
        return line;
    };
    for (int i = 0; i < SizingCriterionCount; ++i) {
        const CriterionResult& c = r.criteria[std::size_t(i)];
        if (c.outcome == CriterionOutcome::NotUsed) {
            fields << QString() << QString();
            continue;
        }
        SizingResultLine line = thicknessLine(Text(CriterionLabels[std::size_t(i)]), c);
        fields << line.value << line.size;
        ResultLines.push_back(std::move(line));
    }

    SizingResultLine governing{QStringLiteral("decyduje: -/-"), QStringLiteral("0.0"),
                               QStringLiteral("mm"), NotNeeded, true};
    QString governingName = NotNeeded;
    if (r.governing) {
        governingName = Text(CriterionLabels[std::size_t(*r.governing)]);
        governing =
            thicknessLine(QStringLiteral("decyduje: ") + governingName, r.Criterion(*r.governing));
    }
    fields << governingName << governing.value << governing.size;
    ResultLines.push_back(governing);
    lastThickness_ = r.unreachable ? 0.0f : r.thickness;

    const std::array<std::pair<const QString*, Partial>, 5> figures = {{
        {&Temperature, r.lossPerMetre},
        {&Temperature, r.loss},
        {&ThicknessPattern, r.yearlyEnergy},
        {&Temperature, r.yearlyCost},
        {&ThicknessPattern, r.yearlyCo2},
    }};
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const auto& [pattern, value] = figures[i];
        const QString text = value ? FormatFloat(*pattern, *value) : NotNeeded;
        fields << text;
        ResultLines.push_back(
            {FigureLabels[i].first, text, FigureLabels[i].second, QString(), false});
    }
    ResultLog.append(fields.join(u'\t') + u'\t');
}

} // namespace kelvara
