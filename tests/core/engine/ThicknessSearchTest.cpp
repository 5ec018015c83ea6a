#include "engine/ThicknessSearch.h"
#include "TestCatalogue.h"
#include "engine/Physics.h"
#include "shell/AppError.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace kelvara;

namespace {

// The next thickness below, as a user would check the answer.
float LessByAStep(float thickness) {
    return static_cast<float>(thickness - 0.00001L);
}

void ExpectLeast(const std::function<bool(float)>& satisfies, float answer) {
    ASSERT_TRUE(std::isfinite(answer));
    EXPECT_GE(answer, 0.0f);
    EXPECT_LE(answer, 0.5f);
    EXPECT_TRUE(satisfies(answer)) << answer;
    if (answer > 0) {
        EXPECT_FALSE(satisfies(LessByAStep(answer))) << answer;
    }
    // A whole number of hundredths of a millimetre.
    EXPECT_EQ(answer, static_cast<float>(std::llround(answer * 1e5) * 0.00001L)) << answer;
}

TEST(LeastThickness, ThresholdsAnywhereInTheRange) {
    std::mt19937 random(20261214);
    std::uniform_real_distribution<float> anywhere(0.0f, 0.5f);
    for (int run = 0; run < 500; ++run) {
        const float threshold = anywhere(random);
        const auto satisfies = [threshold](float s) { return s >= threshold; };
        const auto answer = LeastThickness(satisfies);
        ASSERT_TRUE(answer.has_value()) << threshold;
        ExpectLeast(satisfies, *answer);
        EXPECT_LT(*answer - threshold, 1.001e-5f) << threshold;
    }
}

TEST(LeastThickness, TheEndsOfTheRange) {
    EXPECT_EQ(LeastThickness([](float) { return true; }), 0.0f);
    EXPECT_EQ(LeastThickness([](float) { return false; }), std::nullopt);
    EXPECT_EQ(LeastThickness([](float s) { return s >= 0.5f; }), 0.5f);
    EXPECT_EQ(LeastThickness([](float s) { return s > 0.5f; }), std::nullopt);
    EXPECT_EQ(LeastThickness([](float s) { return s > 0; }), 0.00001f);
    // A predicate that sees nan fails it, so no answer is ever non-finite.
    EXPECT_EQ(LeastThickness([](float s) { return std::nanf("") > s; }), std::nullopt);
}

// Even a predicate that is not monotone gets an answer that holds with one that does not
// hold 0.01 mm below it.
TEST(LeastThickness, AnyPredicateKeepsTheBracket) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        const auto satisfies = [seed](float s) {
            if (s >= 0.5f)
                return true;
            return std::hash<float>{}(s * float(seed)) % 3 == 0;
        };
        const auto answer = LeastThickness(satisfies);
        ASSERT_TRUE(answer.has_value());
        ExpectLeast(satisfies, *answer);
    }
}

TEST(LeastThickness, ErrorsOfThePredicatePassThrough) {
    EXPECT_THROW(LeastThickness([](float s) -> bool {
                     if (s > 0.1f)
                         throw AppError(QStringLiteral("Floating point overflow"));
                     return false;
                 }),
                 AppError);
}

// The bracket over the physics agrees with the secant search of the condensation
// calculation: the least thickness whose surface is no colder than the dew point.
TEST(LeastThickness, AgreesWithTheCondensationSearch) {
    const Session session = test::SessionWithSmallCatalogue(0);
    struct Case {
        float ta, tm, diameter, h, humidity;
    };
    for (const Case& c : {Case{25, -5, 0.0254f, 9, 60}, Case{20, 5, 0.0603f, 7, 80},
                          Case{30, -20, 0.1143f, 9, 85}, Case{22, 10, 0.0213f, 5, 70}}) {
        SCOPED_TRACE(testing::Message() << c.ta << " " << c.tm << " " << c.diameter);
        const float dew = DewPointWithMargin(c.ta, c.humidity, 0);
        ASSERT_GT(dew, c.tm);
        const auto surface = [&](float s) {
            const float outer = static_cast<float>(c.diameter + 2.0L * s);
            const float layer =
                LayerConductance(session, c.tm, dew, c.diameter, outer, 0, PipeLayer);
            return SurfaceTemperature(c.tm, c.ta, layer, c.h, outer, PipeLayer);
        };
        const auto satisfies = [&](float s) { return surface(s) >= dew; };
        const auto answer = LeastThickness(satisfies);
        ASSERT_TRUE(answer.has_value());
        ExpectLeast(satisfies, *answer);
        const float secant =
            RequiredThickness(session, c.tm, c.ta, c.diameter, c.h, dew, 0, PipeLayer);
        EXPECT_NEAR(*answer, secant, 0.00002f);
    }
}

TEST(DewPointWithMargin, OverWaterAndRaisedByTheMargin) {
    // (109.8 + 20) × 0.5^(1/8.02) − 109.8 = 129.8 × 0.917202 − 109.8 = 9.253, as tables give.
    EXPECT_NEAR(DewPointWithMargin(20, 50, 0), 9.253, 0.001);
    // 109.8 × 0.8^(1/8.02) − 109.8 = 109.8 × 0.972560 − 109.8 = −3.013 (over ice −2.7).
    EXPECT_NEAR(DewPointWithMargin(0, 80, 0), -3.013, 0.001);
    // No margin is the condensation calculation's own dew point, to the bit.
    for (float ta : {-30.0f, 0.0f, 21.7f, 45.0f})
        for (float phi : {25.0f, 60.0f, 96.0f})
            EXPECT_EQ(DewPointWithMargin(ta, phi, 0), DewPoint(ta, phi)) << ta << " " << phi;
    EXPECT_FLOAT_EQ(DewPointWithMargin(20, 50, 2), DewPoint(20, 50) + 2.0f);
}

TEST(DewPointWithMargin, NeverNanOrInf) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const float big = std::numeric_limits<float>::max();
    const float values[] = {-big, -300, -109.8f, -1, 0, 0.5f, 50, 100, 1e30f, big, nan, inf, -inf};
    for (float ta : values)
        for (float phi : values)
            for (float margin : {0.0f, 1.0f, -1.0f, big, nan, inf}) {
                try {
                    const float dew = DewPointWithMargin(ta, phi, margin);
                    EXPECT_TRUE(std::isfinite(dew)) << ta << " " << phi << " " << margin;
                } catch (const AppError&) {
                    // The runtime's text, reported as every arithmetic fault is.
                }
            }
}

} // namespace
