// Any text as a typed number: it is read or refused, never read as a non-number; what is read
// and shown with a pattern reads back within half a unit of the last digit shown.
#include "FuzzSupport.h"
#include "shell/NumberText.h"

#include <cfloat>
#include <cmath>

using namespace kelvara;

namespace {

struct Pattern {
    const char* text;
    int decimals;
};
constexpr Pattern Patterns[] = {{"#0", 0},      {"#0.0", 1},          {"#0.00", 2},
                                {"#0.000", 3},  {"#0.0000", 4},       {"#########0.00", 2},
                                {"##0.000", 3}, {"#########0.000", 3}};

void CheckRoundTrip(long double value) {
    for (int decimals = 0; decimals <= 4; ++decimals) {
        const auto fast = detail::RoundedDigitsByIntegers(std::fabs(value), decimals);
        if (!fast)
            continue;
        const std::string exact = detail::RoundedDigitsByExpansion(std::fabs(value), decimals);
        if (*fast != exact)
            fuzz::Fail("integer rounding differs from the expansion",
                       QString::fromStdString(exact));
    }
    for (const Pattern& p : Patterns) {
        const QString shown = FormatFloat(QString::fromLatin1(p.text), value);
        long double back = 0;
        if (!TryTextToFloat(shown, back))
            fuzz::Fail("formatted text does not read back", shown);
        const long double half = 0.5L * std::pow(10.0L, -p.decimals);
        // Beyond 2^64 the digits themselves are rounded to the nearest long double.
        const long double slack = std::fabs(value) * std::ldexp(1.0L, -62);
        if (std::fabs(back - value) > half + slack)
            fuzz::Fail("formatted text lies too far from its value", shown);
        if (shown.startsWith(u'-') && back == 0)
            fuzz::Fail("minus sign on zero", shown);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    long double value = 0;
    if (TryTextToFloat(text, value)) {
        if (!std::isfinite(value))
            fuzz::Fail("read a non-finite value", text);
        CheckRoundTrip(value);
        if (std::fabs(value) <= FLT_MAX)
            CheckRoundTrip(static_cast<float>(value)); // the value as a row keeps it
    }
    for (const QChar key : text) {
        const QChar passed = NumericKeyFilter(key);
        if (!passed.isNull() && !QStringLiteral("0123456789.-\b").contains(passed))
            fuzz::Fail("key filter passes", QString(passed));
    }
    return 0;
}
