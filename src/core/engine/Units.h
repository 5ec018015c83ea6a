#pragma once

#include "shell/FloatingPoint.h"

namespace kelvara {

// Factors from the units the rows are typed in to the units the calculations use. A typed
// number is scaled in extended precision, then stored.
inline constexpr long double MetresPerMillimetre = 0.001L;
inline constexpr long double JoulesPerKilojoule = 1000.0L;
inline constexpr long double FractionPerPercent = 0.01L;

inline float ToStored(long double typed, long double factor) {
    return fp::Store(typed * factor);
}

// The units of the flow row, in the order of its list.
enum class FlowUnit {
    MetresPerSecond = 0,
    LitresPerSecond = 1,
    FeetPerSecond = 2,
    GallonsPerMinute = 3,
};

// A volume flow passes the cross-section of the pipe; a speed moves along it.
inline bool IsVolumeFlow(FlowUnit unit) {
    return unit == FlowUnit::LitresPerSecond || unit == FlowUnit::GallonsPerMinute;
}

// Feet per second become m/s, US gallons per minute l/s; the metric units stay.
inline float MetricFlow(float typed, FlowUnit unit) {
    switch (unit) {
    case FlowUnit::FeetPerSecond:
        return fp::Store(typed * 0.12L * 2.54L);
    case FlowUnit::GallonsPerMinute:
        return fp::Store(typed * 0.0630901964L);
    default:
        return typed;
    }
}

} // namespace kelvara
