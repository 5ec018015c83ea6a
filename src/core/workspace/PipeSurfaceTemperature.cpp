#include "CalculationCase.h"
#include "CalculationCommon.h"
#include "Calculations.h"
#include "engine/SurfaceTemperatureCalc.h"

namespace kelvara {

using namespace common;

namespace {

void WriteSurfaceTemperatureResults(CalculationCase& w, const SurfaceTemperatureResult& r) {
    WriteResult(w, 0, QStringLiteral("#########0.0000"), r.lambda);
    WriteResult(w, 1, QStringLiteral("#########0.00"), r.surfaceTemp);
    if (r.fault)
        throw *r.fault;
    if (r.outcome == SurfaceTemperatureOutcome::NoInsulation)
        w.SetResultText(0, NotNeeded);
}

} // namespace

bool PipeSurfaceTemperatureCalc(CalculationCase& w) {
    enum { Ambient, Medium, Diameter, Thickness, Material, HRow };
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    SurfaceTemperatureInput in;
    in.ambientTemp = ReadRow(w, Ambient);
    in.mediumTemp = ReadRow(w, Medium);
    in.pipeDiameter = ReadRow(w, Diameter, MetresPerMillimetre);
    in.thickness = ReadRow(w, Thickness, MetresPerMillimetre);
    in.surfaceCoeff = ReadRow(w, HRow);
    in.material = ChosenMaterial(w, Material, material);

    std::vector<Warning> warnings;
    using enum InputField;
    if (!ReportChecks(w, warnings, CheckPipeSurfaceTemperature(w.GetSession(), in, warnings),
                      {{AmbientTemp, Ambient},
                       {MediumTemp, Medium},
                       {PipeDiameter, Diameter},
                       {InsulationThickness, Thickness},
                       {SurfaceCoeff, HRow}}))
        return false;

    float h = in.surfaceCoeff;
    AutomaticCoefficient(w, HRow, in.thickness, h);
    WriteSurfaceTemperatureResults(w, PipeSurfaceTemperatureResults(w.GetSession(), in, h));
    AppendLogLine(w, Material, UserLambdaText(in.material),
                  {Ambient, Medium, Diameter, Thickness, Material, HRow}, {0, 1});
    return true;
}

bool SheetSurfaceTemperatureCalc(CalculationCase& w) {
    enum { Ambient, Medium, Thickness, Material, HRow };
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    SurfaceTemperatureInput in;
    in.ambientTemp = ReadRow(w, Ambient);
    in.mediumTemp = ReadRow(w, Medium);
    in.thickness = ReadRow(w, Thickness, MetresPerMillimetre);
    in.surfaceCoeff = ReadRow(w, HRow);
    in.material = ChosenMaterial(w, Material, material);

    std::vector<Warning> warnings;
    using enum InputField;
    if (!ReportChecks(w, warnings, CheckSheetSurfaceTemperature(w.GetSession(), in, warnings),
                      {{AmbientTemp, Ambient},
                       {MediumTemp, Medium},
                       {SurfaceCoeff, HRow},
                       {InsulationThickness, Thickness}}))
        return false;

    float h = in.surfaceCoeff;
    AutomaticCoefficient(w, HRow, in.thickness, h);
    WriteSurfaceTemperatureResults(w, SheetSurfaceTemperatureResults(w.GetSession(), in, h));
    AppendLogLine(w, Material, UserLambdaText(in.material),
                  {Ambient, Medium, Thickness, Material, HRow}, {0, 1});
    return true;
}

} // namespace kelvara
