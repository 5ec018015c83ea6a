#include "NumberText.h"

#include "AppError.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace kelvara {

namespace detail {

// The decimal digits of magnitude × 10^decimals rounded half away from zero, by way of the exact
// decimal expansion (every long double of a useful size is exact well within 200 digits).
std::string RoundedDigitsByExpansion(long double magnitude, int decimals) {
    std::vector<char> buffer(5200);
    const auto res = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                   std::chars_format::fixed, 200);
    const std::string digits(buffer.data(), res.ptr);
    const std::size_t dot = digits.find('.');
    const std::string fraction = digits.substr(dot + 1);
    std::string kept = digits.substr(0, dot) + fraction.substr(0, std::size_t(decimals));
    if (fraction[std::size_t(decimals)] >= '5') {
        int k = int(kept.size()) - 1;
        while (k >= 0 && kept[std::size_t(k)] == '9')
            kept[std::size_t(k--)] = '0';
        if (k < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[std::size_t(k)];
    }
    // Without leading zeros, as the integers give them.
    kept.erase(0, std::min(kept.find_first_not_of('0'), kept.size() - 1));
    return kept;
}

// The same in integer arithmetic: magnitude = m × 2^e exactly, with a 64-bit m, so
// magnitude × 10^decimals = m × 10^decimals × 2^e fits 128 bits for every value the program
// shows. Nothing when it does not fit.
std::optional<std::string> RoundedDigitsByIntegers(long double magnitude, int decimals) {
#ifndef __SIZEOF_INT128__
    (void)magnitude;
    (void)decimals;
    return std::nullopt; // the expansion then does it all
#else
    __extension__ using Uint128 = unsigned __int128;
    static_assert(std::numeric_limits<long double>::digits <= 64);
    if (decimals > 19)
        return std::nullopt;
    int exponent = 0;
    const long double fraction = std::frexp(magnitude, &exponent); // in [0.5, 1) or 0
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    const int shift = exponent - 64; // magnitude = mantissa × 2^shift
    Uint128 power = 1;
    for (int i = 0; i < decimals; ++i)
        power *= 10;
    const Uint128 scaled = Uint128(mantissa) * power;
    Uint128 rounded = 0;
    if (shift >= 0) {
        if (shift >= 128 || (shift > 0 && (scaled >> (128 - shift)) != 0))
            return std::nullopt;
        rounded = scaled << shift;
    } else {
        if (-shift >= 127)
            return std::nullopt;
        const int right = -shift;
        const Uint128 remainder = scaled & ((Uint128(1) << right) - 1);
        rounded = (scaled >> right) + (remainder >= (Uint128(1) << (right - 1)) ? 1 : 0);
    }
    char buffer[40]; // 2^128 has 39 digits
    char* first = buffer + sizeof buffer;
    // Digits in 64-bit arithmetic as soon as the number fits: 128-bit division is a library call.
    while (rounded > ~std::uint64_t(0)) {
        *--first = char('0' + int(rounded % 10));
        rounded /= 10;
    }
    auto small = std::uint64_t(rounded);
    do {
        *--first = char('0' + int(small % 10));
        small /= 10;
    } while (small != 0);
    return std::string(first, buffer + sizeof buffer);
#endif
}

} // namespace detail

namespace {

// The common case of a plain decimal such as "-25.4" without the general conversion: its digits
// as an integer and a power of ten, both exact in a long double, so one division rounds the
// quotient correctly, as the conversion would. False when the text is not of that kind.
// Reads a whole text of the form [-]digits[.digits][e[+-]digits], correctly rounded.
bool ReadLongDouble(const std::string& number, long double& parsed) {
#ifdef __MINGW32__
    // MinGW's from_chars for long double rounds through double; its strtold is exact, but reads
    // the decimal point of the C runtime's locale, so the text gets that one.
    std::string text = number;
    const char* point = std::localeconv()->decimal_point;
    if (const std::size_t dot = text.find('.'); dot != std::string::npos && point && *point)
        text.replace(dot, 1, point);
    char* end = nullptr;
    errno = 0;
    parsed = std::strtold(text.c_str(), &end);
    return end == text.c_str() + text.size() && errno != ERANGE;
#else
    const char* first = number.data();
    const char* last = first + number.size();
    // from_chars takes no leading "+" but does take "-".
    const auto [ptr, ec] = std::from_chars(first, last, parsed, std::chars_format::general);
    return ec == std::errc() && ptr == last;
#endif
}

bool ExactQuotient(const std::string& number, long double& value) {
    constexpr int mantissaBits = std::numeric_limits<long double>::digits;
    constexpr std::uint64_t largestExact =
        mantissaBits >= 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << mantissaBits) - 1;
    // Powers of ten up to 10^k are exact while 5^k fits the mantissa.
    constexpr int largestPower = [] {
        int k = 0;
        for (std::uint64_t five = 1; five <= largestExact / 5; five *= 5)
            ++k;
        return k;
    }();
    std::uint64_t digits = 0;
    int decimals = 0;
    bool afterMark = false;
    std::size_t i = number.empty() || number[0] != '-' ? 0 : 1;
    for (; i < number.size(); ++i) {
        const char c = number[i];
        if (c == '.') {
            afterMark = true;
            continue;
        }
        if (c < '0' || c > '9' || digits > (largestExact - 9) / 10)
            return false; // an exponent, or too many digits
        digits = digits * 10 + std::uint64_t(c - '0');
        decimals += afterMark ? 1 : 0;
    }
    if (decimals > largestPower)
        return false;
    long double power = 1;
    for (int k = 0; k < decimals; ++k)
        power *= 10;
    const long double quotient = static_cast<long double>(digits) / power;
    value = number[0] == '-' ? -quotient : quotient;
    return true;
}

// Parses "[blanks][sign]digits[.digits][(E|e)[sign]digits][blanks]" with "." as mark.
bool ParseDotNumber(const QString& text, long double& value) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto isDigit = [&](qsizetype k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };
    while (i < n && text[i] == u' ')
        ++i;
    std::string number;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    bool anyDigit = false;
    while (isDigit(i)) {
        number += char(text[i++].unicode());
        anyDigit = true;
    }
    if (i < n && text[i] == u'.') {
        number += '.';
        ++i;
        while (isDigit(i)) {
            number += char(text[i++].unicode());
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return false;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        number += 'e';
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            number += char(text[i++].unicode());
        if (!isDigit(i))
            return false;
        while (isDigit(i))
            number += char(text[i++].unicode());
    }
    while (i < n && text[i] == u' ')
        ++i;
    if (i != n)
        return false;
    if (ExactQuotient(number, value))
        return true;
    long double parsed = 0;
    if (!ReadLongDouble(number, parsed) || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

struct Picture {
    int minIntegerDigits = 1;
    int minDecimals = 0;
    int maxDecimals = 0;
};

Picture ParsePicture(const QString& pattern) {
    Picture p;
    const qsizetype dot = pattern.indexOf(u'.');
    const QStringView integerPart = dot < 0 ? QStringView(pattern) : QStringView(pattern).left(dot);
    p.minIntegerDigits = int(integerPart.count(u'0'));
    if (dot >= 0) {
        for (QChar c : QStringView(pattern).mid(dot + 1)) {
            if (c == u'0')
                p.minDecimals = ++p.maxDecimals;
            else if (c == u'#')
                ++p.maxDecimals;
        }
    }
    return p;
}

std::string RoundedDigits(long double magnitude, int decimals) {
    if (auto digits = detail::RoundedDigitsByIntegers(magnitude, decimals))
        return *digits;
    return detail::RoundedDigitsByExpansion(magnitude, decimals);
}

} // namespace

bool TryTextToFloat(const QString& text, long double& value) {
    QString copy = text;
    // The last decimal mark counts; one in the first place is not a mark.
    for (qsizetype i = copy.size() - 1; i >= 1; --i) {
        if (copy[i] == u'.' || copy[i] == u',') {
            copy[i] = u'.';
            break;
        }
    }
    return ParseDotNumber(copy, value);
}

long double TextToFloat(const QString& text) {
    long double value = 0;
    if (!TryTextToFloat(text, value))
        throw AppError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

float TextToStoredFloat(const QString& text) {
    const long double value = TextToFloat(text);
    if (std::fabs(value) > std::numeric_limits<float>::max())
        throw AppError(QStringLiteral("Floating point overflow"));
    return static_cast<float>(value);
}

QString FormatFloat(const QString& pattern, long double value) {
    if (std::isnan(value))
        throw AppError(QStringLiteral("Invalid floating point operation"));
    if (std::isinf(value))
        throw AppError(QStringLiteral("Floating point overflow"));
    const Picture pic = ParsePicture(pattern);

    const bool negative = std::signbit(value);
    std::string kept = RoundedDigits(std::fabs(value), pic.maxDecimals);
    const auto decimals = std::size_t(pic.maxDecimals);
    if (kept.size() <= decimals)
        kept.insert(0, decimals + 1 - kept.size(), '0');
    // kept = integer digits, then exactly `decimals` fraction digits.
    const std::size_t point = kept.size() - decimals;

    // Optional decimals drop their trailing zeros; optional integer digits their leading ones.
    std::size_t end = kept.size();
    while (end - point > std::size_t(pic.minDecimals) && kept[end - 1] == '0')
        --end;
    std::size_t start = 0;
    while (start < point && kept[start] == '0')
        ++start;
    const std::size_t integerDigits = point - start;
    const std::size_t padding = integerDigits < std::size_t(pic.minIntegerDigits)
                                    ? pic.minIntegerDigits - integerDigits
                                    : 0;
    const bool showsNonZero = kept.find_first_not_of('0', start) < end;

    // Built as Latin-1 first: one QString allocation per number on the batch tool's hot path.
    std::string text;
    text.reserve(1 + padding + (end - start) + 1);
    if (negative && showsNonZero)
        text += '-';
    text.append(padding, '0');
    text.append(kept, start, point - start);
    if (end > point) {
        text += '.';
        text.append(kept, point, end - point);
    }
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QChar NumericKeyFilter(QChar key) {
    if (key == u',')
        return QChar(u'.');
    if (key == u'.' || key == u'-' || (key >= u'0' && key <= u'9') || key.unicode() == 8)
        return key;
    return QChar(0);
}

std::optional<QString> PastedNumberText(const QString& text) {
    const QString trimmed = text.trimmed();
    QString out;
    out.reserve(trimmed.size());
    bool decimalMark = false;
    qsizetype groupDigits = 0; // digits since the start or the last blank
    bool grouped = false;      // a blank has separated thousands
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (c.isSpace()) {
            // A thousands separator: between digits of the whole part, after a first group of
            // one to three digits, before groups of exactly three.
            const bool afterGroup =
                grouped ? groupDigits == 3 : groupDigits >= 1 && groupDigits <= 3;
            const QChar next = i + 1 < trimmed.size() ? trimmed.at(i + 1) : QChar();
            if (decimalMark || !afterGroup || !(next >= u'0' && next <= u'9'))
                return std::nullopt;
            grouped = true;
            groupDigits = 0;
            continue;
        }
        if (c >= u'0' && c <= u'9') {
            ++groupDigits;
            out.append(c);
        } else if (c == u'.' || c == u',') {
            if (decimalMark || (grouped && groupDigits != 3))
                return std::nullopt;
            decimalMark = true;
            out.append(QChar(u'.'));
        } else if (c == u'-' && i == 0) {
            out.append(c);
        } else {
            return std::nullopt;
        }
    }
    if (grouped && !decimalMark && groupDigits != 3)
        return std::nullopt;
    return out;
}

QString ExpandLineBreaks(const QString& text) {
    QString result = text;
    result.replace(QStringLiteral("<CR>"), QStringLiteral("\r"));
    return result;
}

} // namespace kelvara
