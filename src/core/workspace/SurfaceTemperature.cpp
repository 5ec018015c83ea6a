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

bool SurfaceTemperatureCalc(CalculationCase& w) {
    const CalculationTypeSpec& rows = w.TypeInfo();
    const bool sheet = rows.IsSheet();
    const int material = MaterialOrRefuse(w, rows.materialRow);
    if (material < 0)
        return false;
    SurfaceTemperatureInput in;
    in.ambientTemp = ReadRow(w, rows.ambientRow);
    in.mediumTemp = ReadRow(w, rows.mediumTempRow);
    if (!sheet)
        in.pipeDiameter = ReadRow(w, rows.diameterRow, MetresPerMillimetre);
    in.thickness = ReadRow(w, rows.thicknessRow, MetresPerMillimetre);
    in.surfaceCoeff = ReadRow(w, rows.hRow);
    in.material = ChosenMaterial(w, rows.materialRow, material);

    std::vector<Warning> warnings;
    const Session& session = w.GetSession();
    using enum InputField;
    if (!ReportChecks(w, warnings,
                      sheet ? CheckSheetSurfaceTemperature(session, in, warnings)
                            : CheckPipeSurfaceTemperature(session, in, warnings),
                      {{AmbientTemp, rows.ambientRow},
                       {MediumTemp, rows.mediumTempRow},
                       {PipeDiameter, rows.diameterRow},
                       {InsulationThickness, rows.thicknessRow},
                       {SurfaceCoeff, rows.hRow}}))
        return false;

    float h = in.surfaceCoeff;
    AutomaticCoefficient(w, rows.hRow, in.thickness, h);
    WriteSurfaceTemperatureResults(w, sheet ? SheetSurfaceTemperatureResults(session, in, h)
                                            : PipeSurfaceTemperatureResults(session, in, h));
    AppendLogLine(w, UserLambdaText(in.material), {0, 1});
    return true;
}

} // namespace kelvara
