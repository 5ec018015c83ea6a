#pragma once

namespace kelvara {

// The eight calculations, numbered as the main window's entries and the batch tool's types.
enum class CalculationType : int {
    PipeCondensation = 0,
    PipeSurfaceTemperature = 1,
    PipeHeatLoss = 2,
    PipeTemperatureDrop = 3,
    PipeFreezingTime = 4,
    SheetCondensation = 5,
    SheetHeatLoss = 6,
    SheetSurfaceTemperature = 7,
};

inline constexpr int CalculationTypeCount = 8;

constexpr int CalculationTypeNumber(CalculationType type) {
    return static_cast<int>(type);
}

// The calculation of a number 0 to 7 (callers check the range).
constexpr CalculationType CalculationTypeFromNumber(int number) {
    return static_cast<CalculationType>(number);
}

} // namespace kelvara
