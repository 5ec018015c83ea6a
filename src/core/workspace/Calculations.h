#pragma once

#include "shell/CalculationType.h"

namespace kelvara {

class CalculationCase;

// A calculation reads a case's input rows and writes its result rows: true when it wrote
// its results, false when it refused after a message. Unexpected failures throw AppError.
using Calculation = bool (*)(CalculationCase&);

bool PipeCondensation(CalculationCase& w);
bool PipeSurfaceTemperatureCalc(CalculationCase& w);
bool PipeHeatLoss(CalculationCase& w);
bool PipeTemperatureDrop(CalculationCase& w);
bool PipeFreezingTime(CalculationCase& w);
bool SheetCondensation(CalculationCase& w);
bool SheetHeatLoss(CalculationCase& w);
bool SheetSurfaceTemperatureCalc(CalculationCase& w);

// The freezing time (hours) with another insulation thickness (m), for the series.
float PipeFreezingTimeForThickness(CalculationCase& w, float thickness);

// The calculation of a type, or nullptr for a number that is no type.
Calculation CalculationFor(CalculationType calculationType);

} // namespace kelvara
