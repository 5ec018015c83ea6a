#include "CalculationCommon.h"
#include "CalculationWindow.h"
#include "Calculations.h"
#include "engine/Physics.h"

namespace kelvara {

using namespace common;

bool SheetSurfaceTemperatureCalc(CalculationWindow& w) {
    enum { Ambient, Medium, Thickness, Material, HRow };
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    const float ta = ReadRow(w, Ambient);
    const float tm = ReadRow(w, Medium);
    const float thickness = ReadRow(w, Thickness, 0.001L);
    float h = ReadRow(w, HRow);

    if (!CheckMaterialTemperatures(w, material, ta, tm))
        return false;
    if (!AcceptData(w, {{InRange(ta, -200, 300), Ambient},
                        {InRange(tm, -200, 300), Medium},
                        {InRange(h, 1, 50), HRow},
                        {thickness >= 0, Thickness}}))
        return false;

    AutomaticCoefficient(w, HRow, thickness, h);

    QString userLambdaText;
    const float lambda = Conductivity(w, Material, material, ta, tm, userLambdaText);
    WriteResult(w, 0, QStringLiteral("#########0.0000"), lambda);

    const float conductance =
        LayerConductance(w.GetSession(), tm, ta, thickness, 0, material, FlatLayer);
    const float surface = SurfaceTemperature(tm, ta, conductance, h, 0, FlatLayer);
    WriteResult(w, 1, QStringLiteral("#########0.00"), surface);

    if (thickness == 0)
        w.Result(0).SetParaLineEditText(NotNeeded);

    AppendLogLine(w, Material, userLambdaText, {Ambient, Medium, Thickness, Material, HRow},
                  {0, 1});
    return true;
}

} // namespace kelvara
