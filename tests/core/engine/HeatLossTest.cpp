#include "engine/HeatLoss.h"
#include "TestCatalogue.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace kelvara;

namespace {

// Material 0 of the small catalogue: λ = 0.033 + 0.0001 · mean temperature, -50 to 105 °C.
constexpr MaterialChoice Kauczuk{0, false, 0};
constexpr MaterialChoice User{2, true, 0.05f};

struct Expected {
    float lambda, k, q, reduction, cost;
};

struct ResultCase {
    const char* name;
    bool sheet;
    HeatLossInput in;
    float h, bareH;
    Expected want;
};

// Each expected value is worked out from the rules below, independently of the code.
const ResultCase ResultCases[] = {
    // Pipe d = 0.1 m, s = 0.05 m (outer 0.2 m), 20 °C around 60 °C: mean 40 °C, λ = 0.037.
    // insulation ln(0.2 / 0.1) / (6.28318 · 0.037) = 2.981565, surface 1 / (0.2 · 10 · 3.14159)
    // = 0.159155, k = 1 / 3.140720 = 0.318398 W/mK; Q = 0.318398 · 10 m · (20 - 60) = -127.3593 W;
    // bare 10 · 3.14159 · 0.1 · 10 · (-40) = -1256.636 W; reduction (1 - 127.3593 / 1256.636) · 100
    // = 89.86506 %; cost |Q| · 0.5 / 1000 = 0.06367967 per hour.
    {"PipeCatalogueMaterial",
     false,
     {Kauczuk, 20, 60, 0.1f, 0.05f, 10, 10, 0.5f},
     10,
     10,
     {0.037f, 0.3183984f, -127.3593f, 89.86506f, 0.06367967f}},
    // Sheet s = 0.037 m, area 2 m², 20 °C against 60 °C: λ = 0.037, k = 1 / (1/10 + 0.037/0.037)
    // = 0.9090909; Q = 0.9090909 · 2 · (-40) = -72.72727 W; bare 10 · 2 · (-40) = -800 W;
    // reduction (1 - 72.72727 / 800) · 100 = 90.90909 %; cost 72.72727 · 0.5 / 1000 = 0.03636364.
    {"SheetCatalogueMaterial",
     true,
     {Kauczuk, 20, 60, 0, 0.037f, 2, 10, 0.5f},
     10,
     10,
     {0.037f, 0.9090909f, -72.72727f, 90.90909f, 0.03636364f}},
    // The user's λ 0.05 whatever the temperatures; s = 0.02 m: k = 1 / (0.1 + 0.4) = 2;
    // Q = 2 · 2 · (30 - 10) = 80 W; bare h 8: 8 · 2 · 20 = 320 W; reduction (1 - 80/320) · 100
    // = 75 %; cost 80 · 0.2 / 1000 = 0.016.
    {"SheetUserConductivityAndOwnBareH",
     true,
     {User, 30, 10, 0, 0.02f, 2, 10, 0.2f},
     10,
     8,
     {0.05f, 2.0f, 80.0f, 75.0f, 0.016f}},
};

class HeatLossResultsTest : public testing::TestWithParam<ResultCase> {
protected:
    Session session = test::SessionWithSmallCatalogue();
    HeatLossResult Run(const ResultCase& c) {
        return c.sheet ? SheetHeatLossResults(session, c.in, c.h, c.bareH)
                       : PipeHeatLossResults(session, c.in, c.h, c.bareH);
    }
};

void ExpectClose(const Partial& got, float want, const char* what) {
    ASSERT_TRUE(got.has_value()) << what;
    EXPECT_NEAR(*got, want, std::max(std::abs(want) * 2e-6f, 1e-6f)) << what;
}

TEST_P(HeatLossResultsTest, ComputesEveryStoredValue) {
    const ResultCase& c = GetParam();
    const HeatLossResult r = Run(c);
    ASSERT_FALSE(r.fault.has_value()) << r.fault->what();
    ExpectClose(r.lambda, c.want.lambda, "lambda");
    ExpectClose(r.k, c.want.k, "k");
    ExpectClose(r.q, c.want.q, "Q");
    ExpectClose(r.reduction, c.want.reduction, "reduction");
    ExpectClose(r.cost, c.want.cost, "cost");
    EXPECT_EQ(r.outcome, HeatLossOutcome::Insulated);
    EXPECT_FALSE(r.equalTemperatures);
}

INSTANTIATE_TEST_SUITE_P(Cases, HeatLossResultsTest, testing::ValuesIn(ResultCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HeatLossOutcomes, NoInsulationAndEqualTemperaturesAreOutcomesNotNumbers) {
    const Session session = test::SessionWithSmallCatalogue();
    // Bare sheet: k = h = 10, Q = 10 · 1 · (25 - 5) = 200 W, as much as the bare surface.
    const HeatLossResult bare =
        SheetHeatLossResults(session, {Kauczuk, 25, 5, 0, 0, 1, 10, 1}, 10, 10);
    EXPECT_EQ(bare.outcome, HeatLossOutcome::NoInsulation);
    ExpectClose(bare.q, 200.0f, "Q");
    ExpectClose(bare.reduction, 0.0f, "reduction");

    const HeatLossResult equal =
        PipeHeatLossResults(session, {Kauczuk, 20, 20, 0.1f, 0.05f, 10, 10, 0.5f}, 10, 10);
    EXPECT_TRUE(equal.equalTemperatures);
    EXPECT_FALSE(equal.reduction.has_value());
    ExpectClose(equal.cost, 0.0f, "cost");
}

TEST(HeatLossOutcomes, AFaultKeepsTheValuesComputedBeforeIt) {
    const Session session = test::SessionWithSmallCatalogue();
    // A bare h of 0 makes the bare loss 0: the reduction divides by zero after λ, k and Q.
    const HeatLossResult r =
        SheetHeatLossResults(session, {Kauczuk, 20, 60, 0, 0.037f, 2, 10, 0.5f}, 10, 0);
    ASSERT_TRUE(r.fault.has_value());
    EXPECT_EQ(r.fault->Message(), QStringLiteral("Floating point division by zero"));
    EXPECT_TRUE(r.lambda && r.k && r.q);
    EXPECT_FALSE(r.reduction || r.cost);
}

struct RefusalCase {
    const char* name;
    bool sheet;
    HeatLossInput in;
    std::optional<Refusal> want;
};

constexpr HeatLossInput GoodPipe{Kauczuk, 20, 60, 0.1f, 0.05f, 10, 10, 0.5f};
constexpr HeatLossInput GoodSheet{Kauczuk, 20, 60, 0, 0.05f, 1, 10, 0.5f};

HeatLossInput With(HeatLossInput in, float HeatLossInput::*field, float value) {
    in.*field = value;
    return in;
}

using enum InputField;
const Refusal TooHot(InputField f) {
    return {RefusalCheck::MaterialTooHot, f};
}
const Refusal Range(InputField f) {
    return {RefusalCheck::OutOfRange, f};
}
using I = HeatLossInput;

const RefusalCase RefusalCases[] = {
    {"PipeAccepted", false, GoodPipe, std::nullopt},
    {"SheetAccepted", true, GoodSheet, std::nullopt},
    // Kauczuk's limit is 105 °C; the ambient temperature is checked first.
    {"AmbientAboveMaterial", false, With(With(GoodPipe, &I::ambientTemp, 106), &I::mediumTemp, 200),
     TooHot(AmbientTemp)},
    {"MediumAboveMaterial", true, With(GoodSheet, &I::mediumTemp, 105.5f), TooHot(MediumTemp)},
    {"MediumAtMaterialLimit", true, With(GoodSheet, &I::mediumTemp, 105), std::nullopt},
    // Area 0.01 is refused: its float lies just below 0.01.
    {"AreaTypedAsTheBound", true, With(GoodSheet, &I::extent, 0.01f), Range(SheetArea)},
    {"AreaAboveTheBound", true, With(GoodSheet, &I::extent, 0.0101f), std::nullopt},
    {"PipeShorterThan1mm", false, With(GoodPipe, &I::extent, 0.0009f), Range(PipeLength)},
    {"DiameterBelow1mm", false, With(GoodPipe, &I::pipeDiameter, 0.0009f), Range(PipeDiameter)},
    {"HBelow1", false, With(GoodPipe, &I::surfaceCoeff, 0.99f), Range(SurfaceCoeff)},
    {"HAbove50", true, With(GoodSheet, &I::surfaceCoeff, 50.01f), Range(SurfaceCoeff)},
    {"NegativeCost", true, With(GoodSheet, &I::energyCost, -0.01f), Range(EnergyCost)},
    {"NegativeThickness", false, With(GoodPipe, &I::thickness, -0.001f),
     Range(InsulationThickness)},
    {"AmbientBelowRange", true, With(GoodSheet, &I::ambientTemp, -201), Range(AmbientTemp)},
    {"UserMaterialHasTheEntrysLimits", false,
     [] {
         HeatLossInput in = GoodPipe;
         in.material = User;
         in.mediumTemp = 199;
         return in;
     }(),
     std::nullopt},
};

class HeatLossChecksTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(HeatLossChecksTest, RefusesWithTheCheckAndTheInputAtFault) {
    const RefusalCase& c = GetParam();
    Session session = test::SessionWithSmallCatalogue();
    std::vector<Warning> warnings;
    const auto refusal = c.sheet ? CheckSheetHeatLoss(session, c.in, warnings)
                                 : CheckPipeHeatLoss(session, c.in, warnings);
    EXPECT_EQ(refusal, c.want);
}

INSTANTIATE_TEST_SUITE_P(Cases, HeatLossChecksTest, testing::ValuesIn(RefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HeatLossChecks, BelowTheMaterialFloorWarnsAndGoesOn) {
    const Session session = test::SessionWithSmallCatalogue();
    std::vector<Warning> warnings;
    // Kauczuk's floor is -50 °C.
    EXPECT_FALSE(CheckPipeHeatLoss(session, With(GoodPipe, &I::mediumTemp, -51), warnings));
    EXPECT_EQ(warnings, std::vector<Warning>{Warning::MaterialTooCold});
    warnings.clear();
    EXPECT_FALSE(CheckSheetHeatLoss(session, GoodSheet, warnings));
    EXPECT_TRUE(warnings.empty());
}

} // namespace
