#pragma once

namespace kelvara {

class CalculationWindow;

// A calculation reads the window's input rows and writes its result rows: true when it wrote
// its results, false when it refused after a message. Unexpected failures throw AppError.
using Calculation = bool (*)(CalculationWindow&);

bool PipeHeatLoss(CalculationWindow& w);

// The calculation of a type, or nullptr for a type that has none yet.
Calculation CalculationFor(int calculationType);

} // namespace kelvara
