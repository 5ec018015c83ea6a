#pragma once

#include "AppError.h"

#include <cfloat>
#include <cmath>

namespace kelvara::fp {

// Arithmetic faults become errors with the runtime's texts instead of nan or inf.
[[noreturn]] inline void RaiseDivisionByZero() {
    throw AppError(QStringLiteral("Floating point division by zero"));
}
[[noreturn]] inline void RaiseInvalid() {
    throw AppError(QStringLiteral("Invalid floating point operation"));
}
[[noreturn]] inline void RaiseOverflow() {
    throw AppError(QStringLiteral("Floating point overflow"));
}

inline long double Checked(long double v) {
    if (std::isnan(v))
        RaiseInvalid();
    if (std::isinf(v))
        RaiseOverflow();
    return v;
}

inline long double Div(long double a, long double b) {
    if (b == 0) {
        if (a == 0 || std::isnan(a))
            RaiseInvalid();
        RaiseDivisionByZero();
    }
    return Checked(a / b);
}

inline long double Ln(long double x) {
    if (x == 0)
        RaiseDivisionByZero();
    if (x < 0 || std::isnan(x))
        RaiseInvalid();
    return Checked(std::log(x));
}

inline long double Pow(long double base, long double exponent) {
    if (base == 0 && exponent < 0)
        RaiseDivisionByZero();
    if (base < 0 && exponent != std::floor(exponent))
        RaiseInvalid();
    return Checked(std::pow(base, exponent));
}

// Stores an extended result as a float, as every stored quantity is.
inline float Store(long double v) {
    Checked(v);
    if (std::fabs(v) > FLT_MAX)
        RaiseOverflow();
    return static_cast<float>(v);
}

} // namespace kelvara::fp
