#include "Calculations.h"

#include "CalculationCase.h"
#include "shell/AppError.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "shell/Prompts.h"

#include <array>

namespace kelvara {

Calculation CalculationFor(CalculationType calculationType) {
    static constexpr std::array<Calculation, CalculationTypeCount> calculations = {
        &PipeCondensation, &SurfaceTemperatureCalc, &HeatLoss, &PipeTemperatureDrop,
        &PipeFreezingTime, &SheetCondensation,      &HeatLoss, &SurfaceTemperatureCalc};
    const int number = CalculationTypeNumber(calculationType);
    if (number < 0 || number >= CalculationTypeCount)
        return nullptr;
    return calculations[std::size_t(number)];
}

namespace {

QStringList FreezingTimeSeries(CalculationCase& c) {
    QStringList series;
    for (const FreezingSeriesEntry& entry : FreezingSeries())
        series.append(QString::fromUtf16(entry.label) +
                      FormatFloat(QStringLiteral("###0.00"),
                                  PipeFreezingTimeForThickness(c, entry.thickness)));
    // No series when the medium never freezes or the time has no meaning.
    const QString& outcome = c.ResultText(0);
    if (outcome == QStringLiteral("nigdy") || outcome.isEmpty())
        series.clear();
    return series;
}

} // namespace

bool RunCalculationCase(CalculationCase& c, QStringList& series) {
    try {
        const bool freezing = c.TypeInfo().HasFreezingSeries();
        if (freezing)
            c.SetResultText(0, QString());
        const Calculation calculation = CalculationFor(c.CalculationType());
        if (!calculation || !calculation(c))
            return false;
        if (freezing)
            series = FreezingTimeSeries(c);
        return true;
    } catch (const AppError& error) {
        c.GetPrompts().ShowMessage(MessageKind::Error,
                                   messages::CalculationError + error.Message());
        return false;
    }
}

} // namespace kelvara
