#include "CalculationCommon.h"
#include "CalculationWindow.h"
#include "Calculations.h"
#include "engine/Physics.h"
#include "shell/FloatingPoint.h"

#include <cmath>

namespace kelvara {

using namespace common;
using fp::Div;
using fp::Store;

bool PipeHeatLoss(CalculationWindow& w) {
    enum { Ambient, Medium, Diameter, Thickness, Length, Material, HRow, Price };
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    const float ta = ReadRow(w, Ambient);
    const float tm = ReadRow(w, Medium);
    const float d = ReadRow(w, Diameter, 0.001L);
    const float thickness = ReadRow(w, Thickness, 0.001L);
    const float length = ReadRow(w, Length);
    float h = ReadRow(w, HRow);
    const float price = ReadRow(w, Price);

    if (!CheckMaterialTemperatures(w, material, ta, tm))
        return false;
    if (!AcceptData(w, {{InRange(ta, -200, 300), Ambient},
                        {InRange(tm, -200, 300), Medium},
                        {d >= 0.001L, Diameter},
                        {length >= 0.001L, Length},
                        {InRange(h, 1, 50), HRow},
                        {InRange(price, 0, 1000000), Price},
                        {thickness >= 0, Thickness}}))
        return false;

    AutomaticCoefficient(w, HRow, thickness, h);

    // The same pipe without insulation, for the reduction.
    const float bareH = BareSurfaceCoefficient(w, Thickness, thickness, h);
    const float bareLoss = Store(static_cast<long double>(bareH) * Pi * d * length *
                                 (static_cast<long double>(ta) - tm));

    QString userLambdaText;
    const float lambda = Conductivity(w, Material, material, ta, tm, userLambdaText);
    WriteResult(w, 0, QStringLiteral("#########0.0000"), lambda);

    const long double outer = static_cast<long double>(d) + 2.0L * thickness;
    const long double insulation = Div(fp::Ln(Div(outer, d)), TwoPi * lambda);
    const long double surface = Div(1.0L, outer * h * Pi);
    const float k = Store(Div(1.0L, insulation + surface));
    WriteResult(w, 1, QStringLiteral("#########0.000"), k);

    const float q =
        Store(static_cast<long double>(k) * length * (static_cast<long double>(ta) - tm));
    WriteResult(w, 2, QStringLiteral("#########0.000"), q);

    if (ta == tm) {
        w.Result(3).SetParaLineEditText(QStringLiteral("0"));
    } else {
        const float reduction = Store((1.0L - Div(q, bareLoss)) * 100.0L);
        WriteResult(w, 3, QStringLiteral("#########0.00"), reduction);
    }

    const float cost = Store(std::fabs(static_cast<long double>(q) * price * 0.001L));
    WriteResult(w, 4, QStringLiteral("#########0.000"), cost);

    if (thickness == 0) {
        w.Result(1).SetParaLineEditText(NotNeeded);
        w.Result(0).SetParaLineEditText(NotNeeded);
    }

    AppendLogLine(w, Material, userLambdaText,
                  {Ambient, Medium, Diameter, Thickness, Length, Material, HRow, Price},
                  {0, 1, 2, 3, 4});
    return true;
}

} // namespace kelvara
