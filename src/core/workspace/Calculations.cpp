#include "Calculations.h"

#include <array>

namespace kelvara {

Calculation CalculationFor(CalculationType calculationType) {
    static constexpr std::array<Calculation, CalculationTypeCount> calculations = {
        &PipeCondensation,    &PipeSurfaceTemperatureCalc, &PipeHeatLoss,
        &PipeTemperatureDrop, &PipeFreezingTime,           &SheetCondensation,
        &SheetHeatLoss,       &SheetSurfaceTemperatureCalc};
    const int number = CalculationTypeNumber(calculationType);
    if (number < 0 || number >= CalculationTypeCount)
        return nullptr;
    return calculations[std::size_t(number)];
}

} // namespace kelvara
