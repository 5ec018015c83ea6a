#pragma once

#include "shell/CalculationType.h"

namespace kelvara {

class CalculationCase;

// A calculation reads a case's input rows and writes its result rows: true when it wrote
// its results, false when it refused after a message. Unexpected failures throw AppError.
using Calculation = bool (*)(CalculationCase&);

bool PipeCondensation(CalculationCase& w);
// Types with a pipe and a sheet variant read their rows by role and serve both.
bool SurfaceTemperatureCalc(CalculationCase& w); // pipe and sheet surface temperature
bool HeatLoss(CalculationCase& w);               // pipe and sheet heat loss
bool PipeTemperatureDrop(CalculationCase& w);
bool PipeFreezingTime(CalculationCase& w);
bool SheetCondensation(CalculationCase& w);

// The freezing time (hours) with another insulation thickness (m), for the series.
float PipeFreezingTimeForThickness(CalculationCase& w, float thickness);

// The calculation of a type, or nullptr for a number that is no type.
Calculation CalculationFor(CalculationType calculationType);

} // namespace kelvara
