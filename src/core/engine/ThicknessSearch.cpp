#include "ThicknessSearch.h"

#include "Physics.h"
#include "shell/FloatingPoint.h"

namespace kelvara {

float DewPointWithMargin(float ambientTemp, float relHumidity, float margin) {
    return fp::Store(static_cast<long double>(DewPoint(ambientTemp, relHumidity)) + margin);
}

namespace {

float ThicknessAt(int step) {
    return fp::Store(step * ThicknessSearchStep);
}

} // namespace

std::optional<float> LeastThickness(const std::function<bool(float thickness)>& satisfies) {
    if (satisfies(ThicknessAt(0)))
        return ThicknessAt(0);
    if (!satisfies(ThicknessAt(ThicknessSearchSteps)))
        return std::nullopt;
    // satisfies(low) is false and satisfies(high) true throughout.
    int low = 0, high = ThicknessSearchSteps;
    while (high - low > 1) {
        const int middle = low + (high - low) / 2;
        if (satisfies(ThicknessAt(middle)))
            high = middle;
        else
            low = middle;
    }
    return ThicknessAt(high);
}

} // namespace kelvara
