#include "CalculationCommon.h"
#include "CalculationWindow.h"
#include "Calculations.h"
#include "engine/Physics.h"
#include "shell/FloatingPoint.h"
#include "shell/Prompts.h"

#include <cmath>

namespace kelvara {

using namespace common;
using fp::Store;

bool PipeTemperatureDrop(CalculationWindow& w) {
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
    const QString flowUnitText = w.Input(Flow).FlowRateText();
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    const int unit = w.Input(Flow).FlowRateIndex();
    if (unit < 0) {
        w.LastFault = {Flow, true};
        w.GetPrompts().ShowMessage(
            MessageKind::Plain,
            QStringLiteral("prosze wybrac jednostke przeplywu przed obliczeniami"));
        return false;
    }
    const float ta = ReadRow(w, Ambient);
    const float tm = ReadRow(w, Medium);
    const float density = ReadRow(w, Density);
    const float heat = ReadRow(w, SpecificHeat);
    float flow = ReadRow(w, Flow);
    const float d = ReadRow(w, Diameter, 0.001L);
    const float thickness = ReadRow(w, Thickness, 0.001L);
    const float length = ReadRow(w, Length);
    float h = ReadRow(w, HRow);
    if (unit == 2)
        flow = Store(flow * 0.12L * 2.54L); // ft/s to m/s
    else if (unit == 3)
        flow = Store(flow * 0.0630901964L); // US gal/min to l/s

    if (!CheckMaterialTemperatures(w, material, ta, tm))
        return false;
    if (!AcceptData(w, {{InRange(ta, -200, 300), Ambient},
                        {InRange(tm, -200, 300), Medium},
                        {d >= 0.001L, Diameter},
                        {length >= 0.001L, Length},
                        {InRange(h, 1, 50), HRow},
                        {InRange(density, 0.001L, 22580), Density},
                        {InRange(heat, 1, 25000), SpecificHeat},
                        {InRange(flow, 0.001L, 1000), Flow},
                        {thickness >= 0, Thickness}}))
        return false;

    AutomaticCoefficient(w, HRow, thickness, h);

    QString userLambdaText;
    const float lambda = Conductivity(w, Material, material, ta, tm, userLambdaText);
    WriteResult(w, 0, QStringLiteral("#########0.0000"), lambda);

    const float k = LinearTransmittance(d, thickness, lambda, h);
    float mass = Store((d * 0.5L * Pi) * (d * 0.5L) * flow * density);
    if (unit == 1 || unit == 3) // a volume flow: litres per second over the cross-section
        mass = Store(fp::Div(0.0012732406201955062L, static_cast<long double>(d) * d) * mass);
    const long double exponent =
        fp::Div(fp::Div(-static_cast<long double>(k), mass), heat) * length;
    const float change =
        Store((1.0L - fp::Checked(std::exp(exponent))) * (static_cast<long double>(tm) - ta));

    const bool warmer = tm > ta;
    WriteResult(w, 1, QStringLiteral("#########0.00"),
                warmer ? std::fabs(change) : -std::fabs(change));
    const float q = Store(static_cast<long double>(mass) * heat * change);
    WriteResult(w, 2, QStringLiteral("#########0.000"), warmer ? -std::fabs(q) : std::fabs(q));

    if (thickness == 0)
        w.Result(0).SetParaLineEditText(NotNeeded);

    // The flow column carries its unit: "1[m/s]".
    w.ResultLog.append(
        InputFields(w, Material, userLambdaText, {Ambient, Medium, Density, SpecificHeat}) +
        w.Input(Flow).ParaLineEditText() + u'[' + flowUnitText + QStringLiteral("]\t") +
        InputFields(w, Material, userLambdaText, {Diameter, Thickness, Length, Material, HRow}) +
        ResultFields(w, {0, 1, 2}));
    return true;
}

} // namespace kelvara
