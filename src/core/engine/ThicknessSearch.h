#pragma once

#include <functional>
#include <optional>

namespace kelvara {

// The thickness searches look between no insulation and half a metre, to a hundredth of a
// millimetre.
inline constexpr int ThicknessSearchSteps = 50000;
inline constexpr long double ThicknessSearchStep = 0.00001L; // m

// The target surface temperature of the condensation criterion: the dew point over water of
// the air, raised by a margin in K (0: none, the dew point itself).
float DewPointWithMargin(float ambientTemp, float relHumidity, float margin);

// The least thickness (m, a whole number of 0.01 mm) for which `satisfies` holds, by bisection
// on 0 .. 0.5 m; nothing when even 0.5 m does not satisfy it. For a monotone predicate (false
// below some thickness, true from it on) this is the thickness where it starts to hold; for any
// predicate the answer satisfies it and 0.01 mm less does not (or the answer is 0). Errors the
// predicate throws pass through.
std::optional<float> LeastThickness(const std::function<bool(float thickness)>& satisfies);

} // namespace kelvara
