#include "engine/HeatLoss.h"
#include "CalculationCase.h"
#include "CalculationCommon.h"
#include "Calculations.h"

namespace kelvara {

using namespace common;

namespace {

// Writes what the engine computed, in row order, then reports a fault that stopped it.
void WriteHeatLossResults(CalculationCase& w, const HeatLossResult& r) {
    WriteResult(w, 0, QStringLiteral("#########0.0000"), r.lambda);
    WriteResult(w, 1, QStringLiteral("#########0.000"), r.k);
    WriteResult(w, 2, QStringLiteral("#########0.000"), r.q);
    if (r.equalTemperatures)
        w.SetResultText(3, QStringLiteral("0"));
    else
        WriteResult(w, 3, QStringLiteral("#########0.00"), r.reduction);
    WriteResult(w, 4, QStringLiteral("#########0.000"), r.cost);
    if (r.fault)
        throw *r.fault;
    if (r.outcome == HeatLossOutcome::NoInsulation) {
        w.SetResultText(1, NotNeeded);
        w.SetResultText(0, NotNeeded);
    }
}

} // namespace

bool HeatLoss(CalculationCase& w) {
    const CalculationTypeSpec& rows = w.TypeInfo();
    const bool sheet = rows.IsSheet();
    const int material = MaterialOrRefuse(w, rows.materialRow);
    if (material < 0)
        return false;
    HeatLossInput in;
    in.ambientTemp = ReadRow(w, rows.ambientRow);
    in.mediumTemp = ReadRow(w, rows.mediumTempRow);
    if (!sheet)
        in.pipeDiameter = ReadRow(w, rows.diameterRow, MetresPerMillimetre);
    in.thickness = ReadRow(w, rows.thicknessRow, MetresPerMillimetre);
    in.extent = ReadRow(w, rows.extentRow);
    in.surfaceCoeff = ReadRow(w, rows.hRow);
    in.energyCost = ReadRow(w, rows.energyCostRow);
    in.material = ChosenMaterial(w, rows.materialRow, material);

    std::vector<Warning> warnings;
    const Session& session = w.GetSession();
    using enum InputField;
    if (!ReportChecks(w, warnings,
                      sheet ? CheckSheetHeatLoss(session, in, warnings)
                            : CheckPipeHeatLoss(session, in, warnings),
                      {{AmbientTemp, rows.ambientRow},
                       {MediumTemp, rows.mediumTempRow},
                       {PipeDiameter, rows.diameterRow},
                       {PipeLength, rows.extentRow},
                       {SheetArea, rows.extentRow},
                       {SurfaceCoeff, rows.hRow},
                       {EnergyCost, rows.energyCostRow},
                       {InsulationThickness, rows.thicknessRow}}))
        return false;

    float h = in.surfaceCoeff;
    AutomaticCoefficient(w, rows.hRow, in.thickness, h);
    // The same surface without insulation, for the reduction.
    const float bareH = BareSurfaceCoefficient(w, rows.thicknessRow, in.thickness, h);

    WriteHeatLossResults(w, sheet ? SheetHeatLossResults(session, in, h, bareH)
                                  : PipeHeatLossResults(session, in, h, bareH));
    AppendLogLine(w, UserLambdaText(in.material), {0, 1, 2, 3, 4});
    return true;
}

} // namespace kelvara
