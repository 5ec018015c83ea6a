#include "CalculationCase.h"
#include "CalculationCommon.h"
#include "Calculations.h"
#include "ResultLogFields.h"
#include "engine/TemperatureDrop.h"
#include "shell/Prompts.h"

namespace kelvara {

using namespace common;

bool PipeTemperatureDrop(CalculationCase& w) {
    enum {
        Ambient,
        Medium,
        Density,
        SpecificHeat,
        Flow,
        Diameter,
        Thickness,
        Length,
        Material,
        HRow
    };
    const QString flowUnitText = w.FlowRateText(Flow);
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    const int unit = w.FlowRateIndex(Flow);
    if (unit < 0) {
        w.LastFault = {Flow, true};
        w.GetPrompts().ShowMessage(MessageKind::Plain, NoFlowUnit);
        return false;
    }
    TemperatureDropInput in;
    in.ambientTemp = ReadRow(w, Ambient);
    in.mediumTemp = ReadRow(w, Medium);
    in.density = ReadRow(w, Density);
    in.specificHeat = ReadRow(w, SpecificHeat);
    in.flow = ReadRow(w, Flow);
    in.flowUnit = static_cast<FlowUnit>(unit);
    in.pipeDiameter = ReadRow(w, Diameter, MetresPerMillimetre);
    in.thickness = ReadRow(w, Thickness, MetresPerMillimetre);
    in.pipeLength = ReadRow(w, Length);
    in.surfaceCoeff = ReadRow(w, HRow);
    in.material = ChosenMaterial(w, Material, material);

    std::vector<Warning> warnings;
    using F = InputField;
    if (!ReportChecks(w, warnings, CheckPipeTemperatureDrop(w.GetSession(), in, warnings),
                      {{F::AmbientTemp, Ambient},
                       {F::MediumTemp, Medium},
                       {F::PipeDiameter, Diameter},
                       {F::PipeLength, Length},
                       {F::SurfaceCoeff, HRow},
                       {F::Density, Density},
                       {F::SpecificHeat, SpecificHeat},
                       {F::Flow, Flow},
                       {F::InsulationThickness, Thickness}}))
        return false;

    float h = in.surfaceCoeff;
    AutomaticCoefficient(w, HRow, in.thickness, h);

    const TemperatureDropResult r = PipeTemperatureDropResults(w.GetSession(), in, h);
    WriteResult(w, 0, QStringLiteral("#########0.0000"), r.lambda);
    WriteResult(w, 1, QStringLiteral("#########0.00"), r.temperatureChange);
    WriteResult(w, 2, QStringLiteral("#########0.000"), r.heatFlow);
    if (r.fault)
        throw *r.fault;
    if (r.outcome == TemperatureDropOutcome::NoInsulation)
        w.SetResultText(0, NotNeeded);

    // The flow column carries its unit: "1[m/s]".
    const QString userLambdaText = UserLambdaText(in.material);
    w.AppendLog(
        InputFields(w, Material, userLambdaText, {Ambient, Medium, Density, SpecificHeat}) +
        FlowField(w.InputText(Flow), flowUnitText) + u'\t' +
        InputFields(w, Material, userLambdaText, {Diameter, Thickness, Length, Material, HRow}) +
        ResultFields(w, {0, 1, 2}));
    return true;
}

} // namespace kelvara
