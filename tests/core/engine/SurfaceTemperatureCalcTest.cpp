#include "engine/SurfaceTemperatureCalc.h"
#include "TestCatalogue.h"

#include <gtest/gtest.h>

using namespace kelvara;

namespace {

// Material 0 of the small catalogue: λ = 0.033 + 0.0001 · mean temperature, -50 to 105 °C.
constexpr MaterialChoice Kauczuk{0, false, 0};
constexpr MaterialChoice User{2, true, 0.036f};

struct ResultCase {
    const char* name;
    bool sheet;
    SurfaceTemperatureInput in;
    float h;
    float lambda, surface;
};

const ResultCase ResultCases[] = {
    // Pipe d = 0.1 m, s = 0.05 m (outer 0.2 m), 60 °C medium in 20 °C air: λ at 40 °C = 0.037;
    // Λ = 6.28318 · 0.037 / ln 2 = 0.3353944; Rs = 1 / (3.14159 · 10 · 0.2) = 0.1591551;
    // U = 1 / (1 / Λ + Rs) = 0.3183984; θs = 20 + 40 · U · Rs = 22.02699 °C.
    {"PipeCatalogueMaterial", false, {Kauczuk, 20, 60, 0.1f, 0.05f, 10}, 10, 0.037f, 22.02699f},
    // Sheet s = 0.02 m with the user's λ 0.036, h 9: G = 1.8, K = 1 / (1/1.8 + 1/9) = 1.5;
    // θs = 20 + 60 · 1.5 / 9 = 30 °C; with the medium at -10 °C: 20 - 30 · 1.5 / 9 = 15 °C.
    {"SheetUserConductivity", true, {User, 20, 80, 0, 0.02f, 9}, 9, 0.036f, 30.0f},
    {"SheetColderThanTheAir", true, {User, 20, -10, 0, 0.02f, 9}, 9, 0.036f, 15.0f},
    // Sheet s = 0.037 m, λ 0.037: G = 1, K = 1 / 1.1; θs = 20 + 40 · (1 / 1.1) / 10 = 23.63636 °C.
    {"SheetCatalogueMaterial", true, {Kauczuk, 20, 60, 0, 0.037f, 10}, 10, 0.037f, 23.63636f},
    // The h in use is the argument, not the typed one: h 5 gives K = 1 / (1 + 0.2) = 0.8333333,
    // θs = 20 + 40 · 0.8333333 / 5 = 26.66667 °C.
    {"SheetWithTheAutomaticH", true, {Kauczuk, 20, 60, 0, 0.037f, 10}, 5, 0.037f, 26.66667f},
    // Equal temperatures: the surface is at both.
    {"PipeEqualTemperatures", false, {Kauczuk, 30, 30, 0.05f, 0.02f, 8}, 8, 0.036f, 30.0f},
};

class SurfaceTemperatureResultsTest : public testing::TestWithParam<ResultCase> {};

TEST_P(SurfaceTemperatureResultsTest, ComputesLambdaAndSurfaceTemperature) {
    const ResultCase& c = GetParam();
    const Session session = test::SessionWithSmallCatalogue();
    const SurfaceTemperatureResult r = c.sheet ? SheetSurfaceTemperatureResults(session, c.in, c.h)
                                               : PipeSurfaceTemperatureResults(session, c.in, c.h);
    ASSERT_FALSE(r.fault.has_value()) << r.fault->what();
    ASSERT_TRUE(r.lambda && r.surfaceTemp);
    EXPECT_NEAR(*r.lambda, c.lambda, 1e-7f);
    EXPECT_NEAR(*r.surfaceTemp, c.surface, 5e-5f);
    EXPECT_EQ(r.outcome, SurfaceTemperatureOutcome::Insulated);
}

INSTANTIATE_TEST_SUITE_P(Cases, SurfaceTemperatureResultsTest, testing::ValuesIn(ResultCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SurfaceTemperatureOutcomes, BareSurfaceIsAtTheMediumTemperature) {
    const Session session = test::SessionWithSmallCatalogue();
    for (bool sheet : {false, true}) {
        const SurfaceTemperatureInput in{Kauczuk, 20, 60, 0.1f, 0, 10};
        const SurfaceTemperatureResult r = sheet ? SheetSurfaceTemperatureResults(session, in, 7)
                                                 : PipeSurfaceTemperatureResults(session, in, 7);
        EXPECT_EQ(r.outcome, SurfaceTemperatureOutcome::NoInsulation) << sheet;
        EXPECT_EQ(r.surfaceTemp, 60.0f) << sheet;
    }
}

TEST(SurfaceTemperatureOutcomes, AFaultKeepsLambda) {
    const Session session = test::SessionWithSmallCatalogue();
    // A pipe of diameter 0 (the check would refuse it) divides by zero after λ.
    const SurfaceTemperatureResult r =
        PipeSurfaceTemperatureResults(session, {Kauczuk, 20, 60, 0, 0.05f, 10}, 10);
    ASSERT_TRUE(r.fault.has_value());
    EXPECT_EQ(r.fault->Message(), QStringLiteral("Floating point division by zero"));
    EXPECT_TRUE(r.lambda.has_value());
    EXPECT_FALSE(r.surfaceTemp.has_value());
}

using enum InputField;
constexpr RefusalCheck Range = RefusalCheck::OutOfRange;
constexpr SurfaceTemperatureInput Good{Kauczuk, 20, 60, 0.1f, 0.05f, 10};

struct RefusalCase {
    const char* name;
    bool sheet;
    float SurfaceTemperatureInput::*field;
    float value;
    std::optional<Refusal> want;
};

const RefusalCase RefusalCases[] = {
    {"PipeHAtUpperBound", false, &SurfaceTemperatureInput::surfaceCoeff, 50, std::nullopt},
    {"SheetHAtLowerBound", true, &SurfaceTemperatureInput::surfaceCoeff, 1, std::nullopt},
    {"PipeHBelow1", false, &SurfaceTemperatureInput::surfaceCoeff, 0.99f,
     Refusal{Range, SurfaceCoeff}},
    {"SheetHAbove50", true, &SurfaceTemperatureInput::surfaceCoeff, 50.01f,
     Refusal{Range, SurfaceCoeff}},
    {"PipeDiameterBelow1mm", false, &SurfaceTemperatureInput::pipeDiameter, 0.0009f,
     Refusal{Range, PipeDiameter}},
    // Sheets have no diameter.
    {"SheetIgnoresTheDiameter", true, &SurfaceTemperatureInput::pipeDiameter, 0, std::nullopt},
    {"NegativeThickness", true, &SurfaceTemperatureInput::thickness, -0.001f,
     Refusal{Range, InsulationThickness}},
    {"MediumAboveMaterial", false, &SurfaceTemperatureInput::mediumTemp, 106,
     Refusal{RefusalCheck::MaterialTooHot, MediumTemp}},
    {"AmbientBelowRange", true, &SurfaceTemperatureInput::ambientTemp, -201,
     Refusal{Range, AmbientTemp}},
};

class SurfaceTemperatureChecksTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(SurfaceTemperatureChecksTest, RefusesWithTheCheckAndTheInputAtFault) {
    const RefusalCase& c = GetParam();
    const Session session = test::SessionWithSmallCatalogue();
    SurfaceTemperatureInput in = Good;
    in.*c.field = c.value;
    std::vector<Warning> warnings;
    EXPECT_EQ(c.sheet ? CheckSheetSurfaceTemperature(session, in, warnings)
                      : CheckPipeSurfaceTemperature(session, in, warnings),
              c.want);
}

INSTANTIATE_TEST_SUITE_P(Cases, SurfaceTemperatureChecksTest, testing::ValuesIn(RefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SurfaceTemperatureChecks, ThicknessAndHAreCheckedInEachTypesOrder) {
    const Session session = test::SessionWithSmallCatalogue();
    SurfaceTemperatureInput in = Good;
    in.thickness = -1;
    in.surfaceCoeff = 0;
    std::vector<Warning> warnings;
    // Pipes judge the thickness before h, sheets h before the thickness.
    EXPECT_EQ(CheckPipeSurfaceTemperature(session, in, warnings),
              (Refusal{Range, InsulationThickness}));
    EXPECT_EQ(CheckSheetSurfaceTemperature(session, in, warnings), (Refusal{Range, SurfaceCoeff}));
}

} // namespace
