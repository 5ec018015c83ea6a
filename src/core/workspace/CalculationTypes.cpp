#include "CalculationTypes.h"

#include "shell/AppError.h"

#include <array>

namespace kelvara {

namespace {

using R = RememberedValues;
using K = KeptValue::What;
constexpr auto E = RowKind::rkEdit;
constexpr auto M = RowKind::rkMaterial;
constexpr auto H = RowKind::rkCoefficient;
constexpr auto F = RowKind::rkFlowRate;
constexpr auto X = RowKind::rkResult;
constexpr auto C = RowKind::rkResultChoice;
constexpr auto Med = RowKind::rkMedium;

constexpr const char16_t* P2 = u"#########0.00";
constexpr const char16_t* P3 = u"#########0.000";

using Role = RowRole;
const RowSpec Ambient{u"Temp otoczenia", E, u"°C", {&R::AmbientTemp, 1, P2}, Role::AmbientTemp};
const RowSpec Medium{u"Temp czynnika", E, u"°C", {&R::MediumTemp, 1, P2}, Role::MediumTemp};
const RowSpec Diameter{
    u"Srednica rury", E, u"mm", {&R::PipeDiameter, 1000, P3}, Role::PipeDiameter};
const RowSpec Thickness{
    u"Grubosc izolacji", E, u"mm", {&R::InsulationThickness, 1000, P3}, Role::Thickness};
const RowSpec Material{u"material izolacyjny", M, u"", {}};
const RowSpec HRow{
    u"Wspólczynnik przejmowania ciepla z powierzchni h", H, u"W/m²K", {&R::SurfaceCoeff, 1, P3}};
const RowSpec Humidity{
    u"wilgotnosc wzgledna", E, u"%", {&R::RelativeHumidity, 1, P2}, Role::Humidity};
const RowSpec Density{u"Gestosc czynnika", Med, u"kg/m³", {&R::MediumDensity, 1, P2}};
const RowSpec SpecificHeat{u"Cieplo wlasciwe", E, u"J/kg K", {&R::MediumSpecificHeat, 1, P2}};

const RowSpec DewPointResult{u"Temperatura punktu rosy", X, u"°C", {}};
const RowSpec MinThicknessResult{u"minimalna grubosc izolacji", X, u"mm", {}};
const RowSpec SizeResult{u"Rozmiar izolacji VELTAR", X, u"", {}};
const RowSpec LambdaResult{u"sredni wspólczynnik przewodzenia ciepla lambda", X, u"W/m K", {}};
const RowSpec SurfaceTempResult{u"Temperatura powierzchni", X, u"°C", {}};
const RowSpec KResult{u"Wspólczynnik przenikania ciepla k", X, u"W/m²K", {}};
const RowSpec QResult{u"Straty ciepla Q", X, u"W", {}};
const RowSpec ReductionResult{u"Straty Q przez izolacje", X, u"%", {}};
const RowSpec CostResult{u"koszty na godzine", X, u"€", {}};
const RowSpec AlternativeResult{u"oblicz alternatywna grubosc izolacji", C, u"mm", {}};

constexpr CalculationFacts PipeFacts{};
constexpr CalculationFacts PipeCondensationFacts{.condensation = true};
constexpr CalculationFacts FreezingFacts{.freezingSeries = true};
constexpr CalculationFacts SheetFacts{.sheet = true};
constexpr CalculationFacts SheetCondensationFacts{.sheet = true, .condensation = true};

int FirstRow(const std::vector<RowSpec>& rows, auto matches) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (matches(rows[i]))
            return int(i);
    return -1;
}

// Fills in the rows of each role and what closing the window keeps.
CalculationTypeSpec Derived(CalculationTypeSpec t) {
    const auto ofKind = [&](RowKind kind) {
        return FirstRow(t.inputs, [kind](const RowSpec& r) { return r.kind == kind; });
    };
    const auto ofRole = [&](RowRole role) {
        return FirstRow(t.inputs, [role](const RowSpec& r) { return r.role == role; });
    };
    t.materialRow = ofKind(M);
    t.hRow = ofKind(H);
    t.mediumRow = ofKind(Med);
    t.flowRow = ofKind(F);
    t.thicknessRow = ofRole(Role::Thickness);
    t.ambientRow = ofRole(Role::AmbientTemp);
    t.mediumTempRow = ofRole(Role::MediumTemp);
    t.diameterRow = ofRole(Role::PipeDiameter);
    t.humidityRow = ofRole(Role::Humidity);
    t.extentRow = ofRole(Role::Extent);
    t.energyCostRow = ofRole(Role::EnergyCost);
    t.choiceRow = FirstRow(t.results, [](const RowSpec& r) { return r.kind == C; });
    t.choiceTargetRow = t.choiceRow >= 0 && !t.facts.freezingSeries ? t.thicknessRow : -1;
    for (std::size_t i = 0; i < t.inputs.size(); ++i) {
        const InitialValue& initial = t.inputs[i].initial;
        // The row shows the remembered value times its scale; closing keeps the row's number
        // divided by it (mm back to m).
        if (initial.value)
            t.kept.push_back({int(i), K::Number, initial.value, 1.0L / initial.scale});
    }
    t.kept.push_back({t.materialRow, K::MaterialSelection});
    if (t.mediumRow >= 0)
        t.kept.push_back({t.mediumRow, K::MediumSelection});
    if (t.flowRow >= 0)
        t.kept.push_back({t.flowRow, K::FlowRateSelection});
    return t;
}

const std::array<CalculationTypeSpec, CalculationTypeCount>& Table() {
    static const std::array<CalculationTypeSpec, CalculationTypeCount> table = [] {
        std::array<CalculationTypeSpec, CalculationTypeCount> types = {{
            {u"Zabezpieczanie przed kondensacja na rurach",
             {Ambient, Medium, Diameter, Material, HRow, Humidity},
             {DewPointResult, MinThicknessResult, SizeResult},
             false,
             PipeCondensationFacts,
             u"Jednym z glównych celów izolowania rur chlodniczych jest zabezpieczenie przed "
             u"kondensacja wilgoci na powierzchni. By uniknac kondensacji, mozna obliczyc "
             u"minimalna "
             u"grubosc izolacji.\n\nJesli nie jest znany wspólczynnik przejmowania ciepla z "
             u"powierzchni h mozesz go obliczyc (zalecane w przypadku plaszczy metalowych).\n\n"
             u"Jezeli nie istnieje obliczona grubosc izolacji VELTAR nalezy zastosowac izolacje "
             u"podwójna lub material w plytach."},
            {u"Obliczanie temperatury powierzchni",
             {Ambient, Medium, Diameter, Thickness, Material, HRow},
             {LambdaResult, SurfaceTempResult},
             false,
             PipeFacts,
             u"Jezeli zimne rury maja byc zabezpieczone przed kondensacja, temperatura ich "
             u"powierzchni jest  najistotniejsza wielkoscia. Jej wartosc ustala sie samoczynnie "
             u"jako "
             u"wynik równowagi fizycznej. Mozesz obliczyc ja podstawiajac odpowiednie dane."},
            {u"Obliczanie strat ciepla w rurociagu",
             {Ambient,
              Medium,
              Diameter,
              Thickness,
              {u"Dlugosc rury", E, u"m", {&R::PipeLength, 1, P3}, Role::Extent},
              Material,
              HRow,
              {u"Koszty kWh", E, u"€", {&R::EnergyCost, 1, u"#0.000"}, Role::EnergyCost}},
             {LambdaResult, KResult, QResult, ReductionResult, CostResult, AlternativeResult},
             true,
             PipeFacts,
             u"Nawet izolowane rury traca cieplo, jednak straty te sa niewielkie w porównaniu z "
             u"nieizolowanym przewodem.Wprowadz wlasciwe dane i oblicz straty ciepla oraz "
             u"wynikajace z nich koszty. Jesli nie jest znany wspólczynnik przejmowania ciepla z "
             u"powierzchni h, mozesz go obliczyc klikajac odpowiedni klawisz"},
            {u"Obliczanie spadków temperatur w rurociagu",
             {Ambient,
              Medium,
              Density,
              SpecificHeat,
              {u"Predkosc przeplywu", F, u"", {&R::FlowVelocity, 1, P2}},
              Diameter,
              Thickness,
              {u"Dlugosc rury", E, u"m", {&R::PipeLength, 1, P2}, Role::Extent},
              Material,
              HRow},
             {LambdaResult, {u"Spadek temperatury", X, u"°C", {}}, QResult},
             false,
             PipeFacts,
             u"Z powodu strat ciepla, temperatura czynnika spada (lub rosnie, jezeli czynnik jest "
             u"chlodniejszy od otoczenia) wzdluz przewodu. Do oszacowania skutecznosci izolacji, "
             u"nalezy znac spadek temperatury odpowiadajacy stratom ciepla. Jesli nie jest znany "
             u"wspólczynnik przejmowania ciepla z powierzchni h mozesz go obliczyc klikajac "
             u"odpowiedni klawisz."},
            {u"Obliczanie czasu zamarzania rurociagów",
             {Ambient,
              Medium,
              Density,
              SpecificHeat,
              {u"Temperatura zamarzania czynnika", E, u"°C", {&R::MediumFreezingTemp, 1, P2}},
              {u"Entalpia", E, u"kJ/kg", {&R::MediumLatentHeat, 1, P2}},
              {u"max udzial zamrozonego czynnika", E, u"%", {&R::MaxFrozenShare, 1, u"#########0"}},
              Diameter,
              Thickness,
              Material,
              HRow},
             {{u"krytyczny czas zamarzania", X, u"", {}}, {u"czas zamarzania dla..", C, u"", {}}},
             false,
             FreezingFacts,
             u"W przypadku naglego odciecia przeplywu, temp.  medium stopniowo dostosuje sie do "
             u"temp. otoczenia. Medium zamarznie jesli temp. otoczenia jest nizsza od temp. "
             u"zamarzania medium. Mozesz obliczyc czas zamarzania krytycznego udzialu medium. "
             u"Jezeli ustawisz max zamarzniety udzial na 0%, program obliczy czas, w jakim medium "
             u"osiaga dana temperature zamarzania. Wartosci gestosci, ciepla wlasciwego, temp. "
             u"zamarzania, wspólczynnika przewodzenia ciepla, wstawione do programu sa odpowiednie "
             u"dla przypadku kiedy role medium pelni woda"},
            {u"Zabezpieczanie przed kondensacja na powierzchniach plaskich",
             {Ambient, Medium, Material, HRow, Humidity},
             {DewPointResult, MinThicknessResult, SizeResult},
             false,
             SheetCondensationFacts,
             u"Jednym z glównych celow izolowania zimnych kanalów jest zabezpieczenie przed "
             u"kondensacja wilgoci na powierzchni. By uniknac kondensacji, mozna obliczyc "
             u"minimalna "
             u"grubosc izolacji.\n\nJesli nie jest znany wspólczynnik przejmowania ciepla z "
             u"powierzchni h mozesz go obliczyc (zalecane w przypadku plaszczy metalowych).\n\n"
             u"Jezeli nie istnieje obliczona grubosc izolacji VELTAR nalezy zastosowac izolacje "
             u"podwójna."},
            {u"Obliczanie strat ciepla na powierzchniach plaskich",
             {Ambient,
              Medium,
              Thickness,
              {u"Powierzchnia", E, u"m²", {&R::SheetArea, 1, P3}, Role::Extent},
              Material,
              HRow,
              {u"Koszty kWh", E, u"€", {&R::EnergyCost, 1, P3}, Role::EnergyCost}},
             {LambdaResult, KResult, QResult, ReductionResult, CostResult, AlternativeResult},
             true,
             SheetFacts,
             u"Nawet izolowane powierzchnie traca cieplo do otoczenia.Wprowadz wlasciwe dane i "
             u"oblicz straty ciepla mimo izolacji.\n\nJesli nie jest znany wspólczynnik  "
             u"przejmowania ciepla z powierzchni h mozesz go obliczyc."},
            {u"Obliczanie temperatur powierzchni plaskich",
             {Ambient, Medium, Thickness, Material, HRow},
             {LambdaResult, SurfaceTempResult},
             false,
             SheetFacts,
             u"Jezeli zimne kanaly maja byc zabezpieczone przed kondensacja, temperatura ich "
             u"powierzchni jest  najistotniejsza wielkoscia. Jej wartosc ustala sie samoczynnie "
             u"jako "
             u"wynik równowagi fizycznej. Mozesz obliczyc ja podstawiajac odpowiednie dane."},
        }};
        for (CalculationTypeSpec& type : types)
            type = Derived(type);
        return types;
    }();
    return table;
}

} // namespace

const CalculationTypeSpec& CalculationTypeOf(int calculationType) {
    if (calculationType < 0 || calculationType >= CalculationTypeCount)
        throw AppError(QStringLiteral("List index out of bounds (%1)").arg(calculationType));
    return Table()[std::size_t(calculationType)];
}

const CalculationTypeTexts& CalculationTypeTextsOf(int calculationType) {
    static const std::array<CalculationTypeTexts, CalculationTypeCount> texts = [] {
        std::array<CalculationTypeTexts, CalculationTypeCount> made;
        auto rowTexts = [](const RowSpec& row) {
            return CalculationTypeTexts::Row{QString::fromUtf16(row.label),
                                             QString::fromUtf16(row.unit),
                                             QString::fromUtf16(row.initial.pattern)};
        };
        for (int type = 0; type < CalculationTypeCount; ++type) {
            const CalculationTypeSpec& info = Table()[std::size_t(type)];
            CalculationTypeTexts& t = made[std::size_t(type)];
            t.caption = QString::fromUtf16(info.caption);
            QStringList labels;
            for (const RowSpec& row : info.inputs) {
                t.inputs.push_back(rowTexts(row));
                labels.append(t.inputs.back().label);
            }
            for (const RowSpec& row : info.results) {
                t.results.push_back(rowTexts(row));
                if (row.kind != RowKind::rkResultChoice)
                    labels.append(t.results.back().label);
            }
            t.logHeader = labels.join(u'\t');
        }
        return made;
    }();
    CalculationTypeOf(calculationType); // the same refusal of an unknown type
    return texts[std::size_t(calculationType)];
}

const std::vector<FreezingSeriesEntry>& FreezingSeries() {
    static const std::vector<FreezingSeriesEntry> series = {
        {0.006f, u"6 mm : "},  {0.013f, u"13 mm : "}, {0.019f, u"19 mm : "}, {0.025f, u"25 mm : "},
        {0.032f, u"32 mm : "}, {0.040f, u"40 mm : "}, {0.050f, u"50 mm : "}};
    return series;
}

} // namespace kelvara
