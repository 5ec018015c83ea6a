#include "CalculationCase.h"
#include "CalculationCommon.h"
#include "Calculations.h"
#include "ResultLogFields.h"
#include "engine/Freezing.h"
#include "engine/Units.h"

namespace kelvara {

using namespace common;

namespace {

enum {
    Ambient,
    Medium,
    Density,
    SpecificHeat,
    Freezing,
    Enthalpy,
    Share,
    Diameter,
    Thickness,
    Material,
    HRow
};

// Every input but the thickness, which the series replaces.
FreezingInput ReadInputs(CalculationCase& w) {
    FreezingInput in;
    in.ambientTemp = ReadRow(w, Ambient);
    in.mediumTemp = ReadRow(w, Medium);
    in.density = ReadRow(w, Density);
    in.specificHeat = ReadRow(w, SpecificHeat);
    in.freezingTemp = ReadRow(w, Freezing);
    in.enthalpy = ReadRow(w, Enthalpy, JoulesPerKilojoule);
    in.frozenShare = ReadRow(w, Share, FractionPerPercent);
    in.pipeDiameter = ReadRow(w, Diameter, MetresPerMillimetre);
    in.surfaceCoeff = ReadRow(w, HRow);
    return in;
}

using F = InputField;
const std::initializer_list<std::pair<InputField, int>> RowsOfInputs = {
    {F::AmbientTemp, Ambient},          {F::MediumTemp, Medium}, {F::FreezingTemp, Freezing},
    {F::PipeDiameter, Diameter},        {F::SurfaceCoeff, HRow}, {F::Density, Density},
    {F::SpecificHeat, SpecificHeat},    {F::Enthalpy, Enthalpy}, {F::FrozenShare, Share},
    {F::InsulationThickness, Thickness}};

} // namespace

bool PipeFreezingTime(CalculationCase& w) {
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    FreezingInput in = ReadInputs(w);
    in.thickness = ReadRow(w, Thickness, MetresPerMillimetre);
    in.material = ChosenMaterial(w, Material, material);
    std::vector<Warning> warnings;
    if (!ReportChecks(w, warnings, CheckPipeFreezing(w.GetSession(), in, warnings), RowsOfInputs))
        return false;

    float h = in.surfaceCoeff;
    AutomaticCoefficient(w, HRow, in.thickness, h);

    const FreezingResult r = PipeFreezingResults(w.GetSession(), in, h);
    if (r.fault)
        throw *r.fault;
    switch (r.outcome) {
    case FreezingOutcome::Freezes:
        WriteResult(w, 0, QStringLiteral("#0.00"), r.hours);
        break;
    case FreezingOutcome::Never:
        w.SetResultText(0, QStringLiteral("nigdy"));
        break;
    case FreezingOutcome::Frozen:
        w.SetResultText(0, QStringLiteral("zamarzniety"));
        break;
    case FreezingOutcome::Undetermined:
        break;
    }

    const QString userLambdaText = UserLambdaText(in.material);
    w.AppendLog(InputFields(w, Material, userLambdaText, {Ambient, Medium, Density, SpecificHeat}) +
                FreezingTempField(w.InputText(Freezing)) + u'\t' +
                InputFields(w, Material, userLambdaText,
                            {Enthalpy, Share, Diameter, Thickness, Material, HRow}) +
                ResultFields(w, {0}));
    return true;
}

float PipeFreezingTimeForThickness(CalculationCase& w, float thickness) {
    FreezingInput in = ReadInputs(w);
    std::vector<Warning> none;
    if (!ReportChecks(w, none, CheckFreezingSeries(in), RowsOfInputs))
        return 0.0f;
    in.thickness = thickness;
    in.material = ChosenMaterial(w, Material, w.MaterialIndex(Material));
    // The series keeps the time of the typed thickness in the result row.
    const FreezingResult r = PipeFreezingResults(w.GetSession(), in, in.surfaceCoeff);
    if (r.fault)
        throw *r.fault;
    return r.outcome == FreezingOutcome::Freezes ? *r.hours : 0.0f;
}

} // namespace kelvara
