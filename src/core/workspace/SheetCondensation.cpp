#include "CalculationCommon.h"
#include "CalculationWindow.h"
#include "Calculations.h"
#include "engine/Physics.h"
#include "shell/FloatingPoint.h"
#include "shell/NumberText.h"
#include "shell/Session.h"
#include "shell/ToleranceTable.h"

namespace kelvara {

using namespace common;

bool SheetCondensation(CalculationWindow& w) {
    enum { Ambient, Medium, Material, HRow, Humidity };
    Session& s = w.GetSession();
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    const float ta = ReadRow(w, Ambient);
    const float tm = ReadRow(w, Medium);
    const float h = ReadRow(w, HRow);
    const float humidity = ReadRow(w, Humidity);

    if (!CheckMaterialTemperatures(w, material, ta, tm))
        return false;
    // Sheets have no lower humidity limit.
    if (!AcceptData(w, {{ta >= tm, Medium},
                        {InRange(ta, -200, 300), Ambient},
                        {InRange(tm, -200, 300), Medium},
                        {InRange(h, 1, 50), HRow},
                        {humidity <= 96.0L, Humidity}}))
        return false;

    const float dew = DewPoint(ta, humidity);
    WriteResult(w, 0, QStringLiteral("#########0.00"), dew);
    if (dew < tm) {
        // Nothing needed: nothing logged, the remembered thickness left alone.
        w.Result(1).SetParaLineEditText(NotNeeded);
        w.Result(2).SetParaLineEditText(NotNeeded);
        return true;
    }
    const float minimum = RequiredThickness(s, tm, ta, 0, h, dew, material, FlatLayer);
    const float minimumMm = fp::Store(minimum * 1000.0L);
    WriteResult(w, 1, QStringLiteral("#########0.00"), minimumMm);
    const bool userEntry = w.Input(Material).MaterialText() == UserCoefficientMaterialName;
    w.Result(2).SetParaLineEditText(userEntry ? NotNeeded
                                              : SheetInsulationSize(s, w.GetPrompts(), minimumMm));
    s.Remembered.InsulationThickness = minimum;

    // The user's λ goes into the log as in every other calculation, so the line can be fed back.
    const QString userLambdaText =
        userEntry ? FormatFloat(QStringLiteral("#0.0000"), s.Remembered.UserLambda) : QString();
    AppendLogLine(w, Material, userLambdaText, {Ambient, Medium, Material, HRow, Humidity},
                  {0, 1, 2});
    return true;
}

} // namespace kelvara
