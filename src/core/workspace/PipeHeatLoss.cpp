#include "CalculationCase.h"
#include "CalculationCommon.h"
#include "Calculations.h"
#include "engine/HeatLoss.h"

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

bool PipeHeatLoss(CalculationCase& w) {
    enum { Ambient, Medium, Diameter, Thickness, Length, Material, HRow, Price };
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    HeatLossInput in;
    in.ambientTemp = ReadRow(w, Ambient);
    in.mediumTemp = ReadRow(w, Medium);
    in.pipeDiameter = ReadRow(w, Diameter, MetresPerMillimetre);
    in.thickness = ReadRow(w, Thickness, MetresPerMillimetre);
    in.extent = ReadRow(w, Length);
    in.surfaceCoeff = ReadRow(w, HRow);
    in.energyCost = ReadRow(w, Price);
    in.material = ChosenMaterial(w, Material, material);

    std::vector<Warning> warnings;
    using enum InputField;
    if (!ReportChecks(w, warnings, CheckPipeHeatLoss(w.GetSession(), in, warnings),
                      {{AmbientTemp, Ambient},
                       {MediumTemp, Medium},
                       {PipeDiameter, Diameter},
                       {PipeLength, Length},
                       {SurfaceCoeff, HRow},
                       {EnergyCost, Price},
                       {InsulationThickness, Thickness}}))
        return false;

    float h = in.surfaceCoeff;
    AutomaticCoefficient(w, HRow, in.thickness, h);
    // The same pipe without insulation, for the reduction.
    const float bareH = BareSurfaceCoefficient(w, Thickness, in.thickness, h);

    WriteHeatLossResults(w, PipeHeatLossResults(w.GetSession(), in, h, bareH));
    AppendLogLine(w, Material, UserLambdaText(in.material),
                  {Ambient, Medium, Diameter, Thickness, Length, Material, HRow, Price},
                  {0, 1, 2, 3, 4});
    return true;
}

bool SheetHeatLoss(CalculationCase& w) {
    enum { Ambient, Medium, Thickness, Area, Material, HRow, Price };
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    HeatLossInput in;
    in.ambientTemp = ReadRow(w, Ambient);
    in.mediumTemp = ReadRow(w, Medium);
    in.thickness = ReadRow(w, Thickness, MetresPerMillimetre);
    in.extent = ReadRow(w, Area);
    in.surfaceCoeff = ReadRow(w, HRow);
    in.energyCost = ReadRow(w, Price);
    in.material = ChosenMaterial(w, Material, material);

    std::vector<Warning> warnings;
    using enum InputField;
    if (!ReportChecks(w, warnings, CheckSheetHeatLoss(w.GetSession(), in, warnings),
                      {{AmbientTemp, Ambient},
                       {MediumTemp, Medium},
                       {SurfaceCoeff, HRow},
                       {EnergyCost, Price},
                       {SheetArea, Area},
                       {InsulationThickness, Thickness}}))
        return false;

    float h = in.surfaceCoeff;
    AutomaticCoefficient(w, HRow, in.thickness, h);
    // The same surface without insulation, for the reduction.
    const float bareH = BareSurfaceCoefficient(w, Thickness, in.thickness, h);

    WriteHeatLossResults(w, SheetHeatLossResults(w.GetSession(), in, h, bareH));
    AppendLogLine(w, Material, UserLambdaText(in.material),
                  {Ambient, Medium, Thickness, Area, Material, HRow, Price}, {0, 1, 2, 3, 4});
    return true;
}

} // namespace kelvara
