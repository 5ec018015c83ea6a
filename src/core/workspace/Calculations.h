#pragma once

#include "shell/CalculationType.h"

namespace kelvara {

class CalculationWindow;

// A calculation reads the window's input rows and writes its result rows: true when it wrote
// its results, false when it refused after a message. Unexpected failures throw AppError.
using Calculation = bool (*)(CalculationWindow&);

bool PipeCondensation(CalculationWindow& w);
bool PipeSurfaceTemperatureCalc(CalculationWindow& w);
bool PipeHeatLoss(CalculationWindow& w);
bool PipeTemperatureDrop(CalculationWindow& w);
bool PipeFreezingTime(CalculationWindow& w);
bool SheetCondensation(CalculationWindow& w);
bool SheetHeatLoss(CalculationWindow& w);
bool SheetSurfaceTemperatureCalc(CalculationWindow& w);

// The freezing time (hours) with another insulation thickness (m), for the series.
float PipeFreezingTimeForThickness(CalculationWindow& w, float thickness);

// The calculation of a type, or nullptr for a number that is no type.
Calculation CalculationFor(CalculationType calculationType);

} // namespace kelvara
