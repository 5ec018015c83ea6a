#include "Calculations.h"

#include <array>

namespace kelvara {

Calculation CalculationFor(int calculationType) {
    static constexpr std::array<Calculation, 8> calculations = {
        &PipeCondensation,    &PipeSurfaceTemperatureCalc, &PipeHeatLoss,
        &PipeTemperatureDrop, &PipeFreezingTime,           &SheetCondensation,
        &SheetHeatLoss,       &SheetSurfaceTemperatureCalc};
    if (calculationType < 0 || calculationType >= int(calculations.size()))
        return nullptr;
    return calculations[std::size_t(calculationType)];
}

} // namespace kelvara
