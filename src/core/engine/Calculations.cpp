#include "Calculations.h"

namespace kelvara {

Calculation CalculationFor(int calculationType) {
    switch (calculationType) {
    case 2:
        return &PipeHeatLoss;
    default:
        return nullptr;
    }
}

} // namespace kelvara
