#include "CalculationCommon.h"
#include "CalculationWindow.h"
#include "Calculations.h"
#include "engine/Physics.h"
#include "shell/FloatingPoint.h"

namespace kelvara {

using namespace common;

bool PipeSurfaceTemperatureCalc(CalculationWindow& w) {
    enum { Ambient, Medium, Diameter, Thickness, Material, HRow };
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    const float ta = ReadRow(w, Ambient);
    const float tm = ReadRow(w, Medium);
    const float d = ReadRow(w, Diameter, 0.001L);
    const float thickness = ReadRow(w, Thickness, 0.001L);
    float h = ReadRow(w, HRow);

    if (!CheckMaterialTemperatures(w, material, ta, tm))
        return false;
    if (!AcceptData(w, {{InRange(ta, -200, 300), Ambient},
                        {InRange(tm, -200, 300), Medium},
                        {d >= 0.001L, Diameter},
                        {thickness >= 0, Thickness},
                        {InRange(h, 1, 50), HRow}}))
        return false;

    AutomaticCoefficient(w, HRow, thickness, h);

    QString userLambdaText;
    const float lambda = Conductivity(w, Material, material, ta, tm, userLambdaText);
    WriteResult(w, 0, QStringLiteral("#########0.0000"), lambda);

    const float outer = fp::Store(static_cast<long double>(d) + 2.0L * thickness);
    const float conductance =
        LayerConductance(w.GetSession(), tm, ta, d, outer, material, PipeLayer);
    const float surface = SurfaceTemperature(tm, ta, conductance, h, outer, PipeLayer);
    WriteResult(w, 1, QStringLiteral("#########0.00"), surface);

    if (thickness == 0)
        w.Result(0).SetParaLineEditText(NotNeeded);

    AppendLogLine(w, Material, userLambdaText,
                  {Ambient, Medium, Diameter, Thickness, Material, HRow}, {0, 1});
    return true;
}

} // namespace kelvara
