#include "CalculationCommon.h"
#include "CalculationWindow.h"
#include "Calculations.h"
#include "engine/Physics.h"
#include "shell/FloatingPoint.h"
#include "shell/Session.h"

#include <cmath>

namespace kelvara {

using namespace common;
using fp::Div;
using fp::Store;

bool SheetHeatLoss(CalculationWindow& w) {
    enum { Ambient, Medium, Thickness, Area, Material, HRow, Price };
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    const float ta = ReadRow(w, Ambient);
    const float tm = ReadRow(w, Medium);
    const float thickness = ReadRow(w, Thickness, 0.001L);
    const float area = ReadRow(w, Area);
    float h = ReadRow(w, HRow);
    const float price = ReadRow(w, Price);

    if (!CheckMaterialTemperatures(w, material, ta, tm))
        return false;
    if (!AcceptData(w, {{InRange(ta, -200, 300), Ambient},
                        {InRange(tm, -200, 300), Medium},
                        {InRange(h, 1, 50), HRow},
                        {InRange(price, 0, 1000000), Price},
                        {area >= 0.01L, Area},
                        {thickness >= 0, Thickness}}))
        return false;

    AutomaticCoefficient(w, HRow, thickness, h);

    // The same surface without insulation, for the reduction.
    const float bareH = BareSurfaceCoefficient(w, Thickness, thickness, h);
    const float bareLoss =
        Store(static_cast<long double>(bareH) * area * (static_cast<long double>(ta) - tm));

    QString userLambdaText;
    const float lambda = Conductivity(w, Material, material, ta, tm, userLambdaText);
    WriteResult(w, 0, QStringLiteral("#########0.0000"), lambda);

    float u = Store(Div(thickness, lambda));
    u = Store(Div(1.0L, h) + u);
    const float k = Store(Div(1.0L, u));
    WriteResult(w, 1, QStringLiteral("#########0.000"), k);

    const float q = Store(static_cast<long double>(k) * area * (static_cast<long double>(ta) - tm));
    WriteResult(w, 2, QStringLiteral("#########0.000"), q);

    if (ta == tm) {
        w.Result(3).SetParaLineEditText(QStringLiteral("0"));
    } else {
        const float reduction = Store((1.0L - Div(q, bareLoss)) * 100.0L);
        WriteResult(w, 3, QStringLiteral("#########0.00"), reduction);
    }
    const float cost = Store(std::fabs(-1.0L * q * price * 0.001L));
    WriteResult(w, 4, QStringLiteral("#########0.000"), cost);

    if (thickness == 0) {
        w.Result(1).SetParaLineEditText(NotNeeded);
        w.Result(0).SetParaLineEditText(NotNeeded);
    }

    AppendLogLine(w, Material, userLambdaText,
                  {Ambient, Medium, Thickness, Area, Material, HRow, Price}, {0, 1, 2, 3, 4});
    return true;
}

} // namespace kelvara
