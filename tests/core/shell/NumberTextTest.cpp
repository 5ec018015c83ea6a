#include "shell/NumberText.h"
#include "QtPrinters.h"
#include "shell/AppError.h"

#include <QLocale>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace kelvara;

namespace {

struct ParseCase {
    const char* text;
    long double value;
};

class TextToFloatAccepts : public testing::TestWithParam<ParseCase> {};

TEST_P(TextToFloatAccepts, Value) {
    EXPECT_EQ(TextToFloat(QString::fromUtf8(GetParam().text)), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Numbers, TextToFloatAccepts,
                         testing::Values(ParseCase{"2,5", 2.5L}, ParseCase{"2.5", 2.5L},
                                         ParseCase{" 2.5 ", 2.5L}, ParseCase{"1E3", 1000.0L},
                                         ParseCase{"1e-2", 0.01L}, ParseCase{"-0,036", -0.036L},
                                         ParseCase{"+7", 7.0L}, ParseCase{"25", 25.0L},
                                         ParseCase{"5.", 5.0L}, ParseCase{"-99", -99.0L},
                                         ParseCase{"0.0254", 0.0254L}));

class TextToFloatRefuses : public testing::TestWithParam<const char*> {};

TEST_P(TextToFloatRefuses, WithTheConversionMessage) {
    const QString text = QString::fromUtf8(GetParam());
    try {
        TextToFloat(text);
        FAIL() << "accepted " << GetParam();
    } catch (const AppError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("'") + text +
                                   QStringLiteral("' is not a valid floating point value"));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, TextToFloatRefuses,
                         testing::Values("", " ", ",5", "abc", "1,234.5", "1.2.3", "1E", "--1",
                                         "2 5", "1e99999", "0x10", "nan", "inf", "-"));

struct FormatCase {
    const char* pattern;
    long double value;
    const char* text;
};

class FormatFloatShows : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatFloatShows, Text) {
    const auto& c = GetParam();
    EXPECT_EQ(FormatFloat(QString::fromUtf8(c.pattern), c.value), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatFloatShows,
    testing::Values(
        FormatCase{"#########0.00", 25.0L, "25.00"}, FormatCase{"#########0.00", 0.0L, "0.00"},
        FormatCase{"#########0.000", 0.036L, "0.036"}, FormatCase{"#0.000", 20.0L, "20.000"},
        FormatCase{"#0.000", float(0.0254f) * 1000.0L, "25.400"},
        FormatCase{"###0.00", 1234.5L, "1234.50"}, FormatCase{"#########0", 4180.0L, "4180"},
        FormatCase{"#########0", 0.5L, "1"}, FormatCase{"#########0", -0.5L, "-1"},
        FormatCase{"#########0.00", 0.125L, "0.13"}, // exact tie: away from zero
        FormatCase{"#########0.00", -0.125L, "-0.13"},

        FormatCase{"#########0.00", double(2.675), "2.67"}, // the double lies below the tie
        FormatCase{"#########0.00", -0.004L, "0.00"},       // no "-0.00"
        FormatCase{"#########0.00", -0.0051L, "-0.01"},
        FormatCase{"#########0.00", 9.999L, "10.00"},
        FormatCase{"#########0.0000", 1.0L / 3, "0.3333"},
        FormatCase{"#########0.00", 12345678901.0L, "12345678901.00"},
        FormatCase{"#0.##", 1.5L, "1.5"}, FormatCase{"#0.##", 2.0L, "2"}));

TEST(FormatFloat, NonFiniteValuesAreErrorsNotText) {
    EXPECT_THROW(
        FormatFloat(QStringLiteral("#0.00"), std::numeric_limits<long double>::quiet_NaN()),
        AppError);
    EXPECT_THROW(FormatFloat(QStringLiteral("#0.00"), std::numeric_limits<long double>::infinity()),
                 AppError);
}

// The integer rounding must give the digits of the exact expansion for every value it takes:
// random floats of every size, and values that lie exactly half-way between two shown numbers.
TEST(FormatFloat, IntegerRoundingMatchesTheExactExpansion) {
    std::mt19937 random(20261210);
    std::vector<long double> values;
    for (int i = 0; i < 20000; ++i) {
        const auto bits = std::uint32_t(random());
        float f = 0;
        std::memcpy(&f, &bits, sizeof f);
        if (std::isfinite(f))
            values.push_back(std::fabs(f));
    }
    for (int i = 0; i < 2000; ++i) // n + 0.5 × 10^-k, exact in binary for small k
        values.push_back(
            std::ldexp(static_cast<long double>(random() % 100000) * 2 + 1, -1 - i % 12));
    values.push_back(std::numeric_limits<long double>::denorm_min());
    values.push_back(std::numeric_limits<long double>::max());
    int compared = 0;
    for (const long double v : values) {
        for (int decimals = 0; decimals <= 4; ++decimals) {
            const auto fast = detail::RoundedDigitsByIntegers(v, decimals);
            if (!fast)
                continue;
            ++compared;
            const std::string exact = detail::RoundedDigitsByExpansion(v, decimals);
            ASSERT_EQ(*fast, exact) << double(v) << " " << decimals;
        }
    }
    EXPECT_GT(compared, 50000);
}

// Plain decimals take a shortcut past the general conversion; both must read every text to the
// same, correctly rounded value.
TEST(TextToFloat, PlainDecimalsReadAsTheGeneralConversionReadsThem) {
    std::mt19937 random(20261210);
    for (int i = 0; i < 50000; ++i) {
        std::string text = random() % 4 == 0 ? "-" : "";
        const int length = 1 + int(random() % 24);
        const int mark = int(random() % unsigned(length + 1));
        for (int k = 0; k < length; ++k) {
            if (k == mark && k > 0)
                text += '.';
            text += char('0' + random() % 10);
        }
        // strtold rounds correctly with glibc and with MinGW (whose from_chars for long double
        // goes through double), and the test process keeps the C locale's ".".
        const long double expected = std::strtold(text.c_str(), nullptr);
        long double read = 0;
        ASSERT_TRUE(TryTextToFloat(QString::fromStdString(text), read)) << text;
        ASSERT_EQ(read, expected) << text;
        ASSERT_EQ(std::signbit(read), std::signbit(expected)) << text;
    }
}

TEST(NumberText, DoesNotFollowTheUserLocale) {
    // A user whose locale writes decimal commas still gets "." both ways.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    const QLocale savedQt;
    std::setlocale(LC_ALL, "pl_PL.UTF-8");
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    EXPECT_EQ(TextToFloat(QStringLiteral("2.5")), 2.5L);
    EXPECT_EQ(TextToFloat(QStringLiteral("2,5")), 2.5L);
    EXPECT_EQ(FormatFloat(QStringLiteral("#########0.00"), 1234.5L), QStringLiteral("1234.50"));
    std::setlocale(LC_ALL, saved.c_str());
    QLocale::setDefault(savedQt);
}

TEST(NumericKeyFilter, KeepsNumbersAndDropsTheRest) {
    EXPECT_EQ(NumericKeyFilter(u','), QChar(u'.'));
    for (char16_t c : {u'.', u'-', u'0', u'5', u'9', char16_t(8)})
        EXPECT_EQ(NumericKeyFilter(c), QChar(c));
    for (char16_t c :
         {u'a', u'E', u' ', u'\r', char16_t(3), char16_t(22), char16_t(24), u'+', u'ó'})
        EXPECT_EQ(NumericKeyFilter(c), QChar(0)) << int(c);
}

// A pasted text goes in only as the number it means; nothing (nullptr) when the filter would
// change that number.
TEST(PastedNumberText, TakesOnlyTheNumberTheTextMeans) {
    const struct {
        const char* pasted;
        const char* entered;
    } cases[] = {
        {"1234", "1234"},
        {"-12,5", "-12.5"},
        {" 7.25\t", "7.25"},
        {"1 234,5", "1234.5"},
        {"12 345 678", "12345678"},
        {"1\u00a0234.5", "1234.5"}, // a no-break space, as locales group thousands
        {"0,", "0."},
        {",5", ".5"},
        {"", ""},
        {"1e3", nullptr},
        {"1,5e3 abc", nullptr},
        {"1.234,5", nullptr},
        {"1.2.3", nullptr},
        {"5-3", nullptr},
        {"+5", nullptr},
        {"\u22125", nullptr}, // a minus sign that is not "-"
        {"12 34", nullptr},
        {"1234 567", nullptr},
        {"1 234 5", nullptr},
        {"1,5 000", nullptr},
        {"- 5", nullptr},
        {"1  234", nullptr},
        {"\u0665", nullptr}, // a digit of another script
    };
    for (const auto& c : cases) {
        const std::optional<QString> entered = PastedNumberText(QString::fromUtf8(c.pasted));
        if (c.entered)
            EXPECT_EQ(entered, std::optional(QString::fromUtf8(c.entered))) << c.pasted;
        else
            EXPECT_EQ(entered, std::nullopt) << c.pasted;
    }
}

TEST(ExpandLineBreaks, ReplacesEveryMarker) {
    EXPECT_EQ(ExpandLineBreaks(QStringLiteral("a<CR>b<CR>")), QStringLiteral("a\rb\r"));
    EXPECT_EQ(ExpandLineBreaks(QStringLiteral("no marker")), QStringLiteral("no marker"));
    EXPECT_EQ(ExpandLineBreaks(QStringLiteral("<cr>")), QStringLiteral("<cr>"));
}

} // namespace
