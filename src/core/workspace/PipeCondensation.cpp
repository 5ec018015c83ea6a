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

bool PipeCondensation(CalculationWindow& w) {
    enum { Ambient, Medium, Diameter, Material, HRow, Humidity };
    Session& s = w.GetSession();
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    const float ta = ReadRow(w, Ambient);
    const float tm = ReadRow(w, Medium);
    const float d = ReadRow(w, Diameter, 0.001L);
    const float h = ReadRow(w, HRow);
    const float humidity = ReadRow(w, Humidity);

    if (!CheckMaterialTemperatures(w, material, ta, tm))
        return false;
    // The medium may not be warmer than the air.
    if (!AcceptData(w, {{ta >= tm, Medium},
                        {InRange(ta, -200, 300), Ambient},
                        {InRange(tm, -200, 300), Medium},
                        {d >= 0.001L, Diameter},
                        {InRange(h, 1, 50), HRow},
                        {InRange(humidity, 25, 96), Humidity}}))
        return false;

    const bool userEntry = w.Input(Material).MaterialText() == UserCoefficientMaterialName;
    const QString userLambdaText =
        userEntry ? FormatFloat(QStringLiteral("#0.0000"), s.Remembered.UserLambda) : QString();

    const float dew = DewPoint(ta, humidity);
    WriteResult(w, 0, QStringLiteral("#########0.00"), dew);
    if (dew < tm) {
        // No insulation needed; the remembered thickness stays as it was.
        w.Result(1).SetParaLineEditText(QStringLiteral("- / -"));
        w.Result(2).SetParaLineEditText(QStringLiteral("- / -"));
    } else {
        const float minimum = RequiredThickness(s, tm, ta, d, h, dew, material, PipeLayer);
        const float minimumMm = fp::Store(minimum * 1000.0L);
        WriteResult(w, 1, QStringLiteral("#########0.000"), minimumMm);
        w.Result(2).SetParaLineEditText(
            userEntry ? NotNeeded : PipeInsulationSize(s, w.GetPrompts(), d, minimumMm));
        s.Remembered.InsulationThickness = minimum;
    }

    AppendLogLine(w, Material, userLambdaText,
                  {Ambient, Medium, Diameter, Material, HRow, Humidity}, {0, 1, 2});
    return true;
}

} // namespace kelvara
