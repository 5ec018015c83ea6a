// The two calculations of a medium inside an insulated pipe: its temperature change while it
// flows (type 3) and the time until it freezes while it stands (type 4), with the unit
// conversions of their rows.
#include "TestCatalogue.h"
#include "engine/Freezing.h"
#include "engine/TemperatureDrop.h"
#include "engine/Units.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace kelvara;

namespace {

// Material 0 of the small catalogue: λ = 0.033 + 0.0001 · mean temperature, -50 to 105 °C.
constexpr MaterialChoice Kauczuk{0, false, 0};

void ExpectRelative(const Partial& got, double want, const char* what) {
    ASSERT_TRUE(got.has_value()) << what;
    EXPECT_NEAR(*got, want, std::abs(want) * 2e-5) << what;
}

struct UnitCase {
    const char* name;
    float got;
    double want;
};

const UnitCase UnitCases[] = {
    {"MillimetresToMetres", ToStored(25.4L, MetresPerMillimetre), 0.0254},
    {"KilojoulesToJoules", ToStored(335, JoulesPerKilojoule), 335000},
    {"PercentToFraction", ToStored(50, FractionPerPercent), 0.5},
    // 1 ft = 12 in · 2.54 cm = 0.3048 m.
    {"FeetPerSecond", MetricFlow(10, FlowUnit::FeetPerSecond), 3.048},
    // 1 US gallon = 3.785411784 l; per minute / 60 = 0.0630901964 l/s.
    {"GallonsPerMinute", MetricFlow(100, FlowUnit::GallonsPerMinute), 6.30901964},
    {"MetresPerSecondStay", MetricFlow(2.5f, FlowUnit::MetresPerSecond), 2.5},
    {"LitresPerSecondStay", MetricFlow(2.5f, FlowUnit::LitresPerSecond), 2.5},
};

class UnitsTest : public testing::TestWithParam<UnitCase> {};

TEST_P(UnitsTest, ConvertsToTheCalculationsUnit) {
    EXPECT_NEAR(GetParam().got, GetParam().want, GetParam().want * 1e-7);
}

INSTANTIATE_TEST_SUITE_P(Cases, UnitsTest, testing::ValuesIn(UnitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Units, VolumeFlowsAreLitresAndGallons) {
    EXPECT_FALSE(IsVolumeFlow(FlowUnit::MetresPerSecond));
    EXPECT_TRUE(IsVolumeFlow(FlowUnit::LitresPerSecond));
    EXPECT_FALSE(IsVolumeFlow(FlowUnit::FeetPerSecond));
    EXPECT_TRUE(IsVolumeFlow(FlowUnit::GallonsPerMinute));
}

struct DropCase {
    const char* name;
    TemperatureDropInput in;
    double lambda, change, heatFlow;
};

// Water (1000 kg/m³, 4180 J/kgK) in a pipe d = 0.1 m with s = 0.05 m, h 10, 100 m long, 60 °C in
// 20 °C air: λ at 40 °C = 0.037, k = 1 / (ln 2 / (6.28318 · 0.037) + 1 / (0.2 · 10 · 3.14159))
// = 0.3183984 W/mK; the change is (1 - exp(-k L / (m cp))) · (θm - θa) and Q = m cp · change.
constexpr TemperatureDropInput Water{Kauczuk, 20,    60,  1000, 4180, 1, FlowUnit::MetresPerSecond,
                                     0.1f,    0.05f, 100, 10};

TemperatureDropInput WithFlow(float flow, FlowUnit unit) {
    TemperatureDropInput in = Water;
    in.flow = flow;
    in.flowUnit = unit;
    return in;
}

const DropCase DropCases[] = {
    // 1 m/s: m = 0.05 · 3.14159 · 0.05 · 1 · 1000 = 7.853975 kg/s; exponent -0.3183984 · 100 /
    // (7.853975 · 4180) = -9.698510e-4; change 40 · 9.693808e-4 = 0.03877523 K; Q = 7.853975 ·
    // 4180 · 0.03877523 = 1272.976 W, given off (negative).
    {"MetresPerSecond", Water, 0.037, 0.03877523, -1272.976},
    // 2 l/s of water is 2 kg/s: exponent -0.3183984 · 100 / (2 · 4180) = -3.808593e-3;
    // change 40 · 3.801349e-3 = 0.1520540 K; Q = 2 · 4180 · 0.1520540 = 1271.171 W.
    {"LitresPerSecond", WithFlow(2, FlowUnit::LitresPerSecond), 0.037, 0.1520540, -1271.171},
    // 10 ft/s = 3.048 m/s: m = 23.93892 kg/s; exponent -3.181926e-4; change 0.01272568 K;
    // Q = 23.93892 · 4180 · 0.01272568 = 1273.391 W.
    {"FeetPerSecond", WithFlow(10, FlowUnit::FeetPerSecond), 0.037, 0.01272568, -1273.391},
    // 100 gal/min = 6.309020 l/s = 6.309020 kg/s, 1000 m of pipe, 5 °C water in 20 °C air:
    // λ at 12.5 °C = 0.03425, k = 0.2958479; exponent -0.2958479 · 1000 / (6.309020 · 4180)
    // = -0.01121838; change -15 · 0.01115569 = -0.1673354 K; Q = 4412.919 W taken up.
    {"GallonsPerMinuteIntoColderWater",
     [] {
         TemperatureDropInput in = WithFlow(100, FlowUnit::GallonsPerMinute);
         in.mediumTemp = 5;
         in.pipeLength = 1000;
         return in;
     }(),
     0.03425, -0.1673354, 4412.919},
};

class TemperatureDropTest : public testing::TestWithParam<DropCase> {};

TEST_P(TemperatureDropTest, ComputesTheChangeAndTheHeatFlow) {
    const DropCase& c = GetParam();
    const Session session = test::SessionWithSmallCatalogue(3);
    const TemperatureDropResult r = PipeTemperatureDropResults(session, c.in, c.in.surfaceCoeff);
    ASSERT_FALSE(r.fault.has_value()) << r.fault->what();
    ExpectRelative(r.lambda, c.lambda, "lambda");
    ExpectRelative(r.temperatureChange, c.change, "change");
    ExpectRelative(r.heatFlow, c.heatFlow, "heat flow");
    EXPECT_EQ(r.outcome, TemperatureDropOutcome::Insulated);
}

INSTANTIATE_TEST_SUITE_P(Cases, TemperatureDropTest, testing::ValuesIn(DropCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TemperatureDropOutcomes, BarePipe) {
    const Session session = test::SessionWithSmallCatalogue(3);
    TemperatureDropInput in = WithFlow(0.01f, FlowUnit::MetresPerSecond);
    in.thickness = 0;
    // k = 3.14159 · 0.1 · 10 = 3.14159; m = 0.07853975 kg/s; exponent -3.14159 · 100 /
    // (0.07853975 · 4180) = -0.9569378; change 40 · (1 - 0.3840673) = 24.63731 K.
    const TemperatureDropResult r = PipeTemperatureDropResults(session, in, 10);
    EXPECT_EQ(r.outcome, TemperatureDropOutcome::NoInsulation);
    ExpectRelative(r.temperatureChange, 24.63731, "change");
    ExpectRelative(r.heatFlow, -8088.335, "heat flow");
}

TEST(TemperatureDropChecks, TheFlowIsJudgedInItsMetricUnit) {
    const Session session = test::SessionWithSmallCatalogue(3);
    std::vector<Warning> warnings;
    const Refusal flow{RefusalCheck::OutOfRange, InputField::Flow};
    // 0.003 ft/s = 0.0009144 m/s lies below the 0.001 floor; 0.004 ft/s does not.
    EXPECT_EQ(
        CheckPipeTemperatureDrop(session, WithFlow(0.003f, FlowUnit::FeetPerSecond), warnings),
        flow);
    EXPECT_EQ(
        CheckPipeTemperatureDrop(session, WithFlow(0.004f, FlowUnit::FeetPerSecond), warnings),
        std::nullopt);
    // 16000 gal/min = 1009.4 l/s lies above 1000; 15800 gal/min = 996.8 l/s does not.
    EXPECT_EQ(
        CheckPipeTemperatureDrop(session, WithFlow(16000, FlowUnit::GallonsPerMinute), warnings),
        flow);
    EXPECT_EQ(
        CheckPipeTemperatureDrop(session, WithFlow(15800, FlowUnit::GallonsPerMinute), warnings),
        std::nullopt);
    EXPECT_TRUE(warnings.empty());
}

struct DropRefusalCase {
    const char* name;
    float TemperatureDropInput::*field;
    float value;
    InputField input;
};

// In the order the checks run, each case failing only its own check.
const DropRefusalCase DropRefusals[] = {
    {"Ambient", &TemperatureDropInput::ambientTemp, -201, InputField::AmbientTemp},
    {"Diameter", &TemperatureDropInput::pipeDiameter, 0.0009f, InputField::PipeDiameter},
    {"Length", &TemperatureDropInput::pipeLength, 0.0009f, InputField::PipeLength},
    {"H", &TemperatureDropInput::surfaceCoeff, 0.5f, InputField::SurfaceCoeff},
    {"Density", &TemperatureDropInput::density, 22581, InputField::Density},
    {"SpecificHeat", &TemperatureDropInput::specificHeat, 0.5f, InputField::SpecificHeat},
    {"Thickness", &TemperatureDropInput::thickness, -0.001f, InputField::InsulationThickness},
};

class TemperatureDropRefusalTest : public testing::TestWithParam<DropRefusalCase> {};

TEST_P(TemperatureDropRefusalTest, NamesTheInputAtFault) {
    const Session session = test::SessionWithSmallCatalogue(3);
    TemperatureDropInput in = Water;
    in.material = {1, false, 0}; // Welna, 0 to 250 °C: no material limit interferes
    in.*GetParam().field = GetParam().value;
    std::vector<Warning> warnings;
    EXPECT_EQ(CheckPipeTemperatureDrop(session, in, warnings),
              (Refusal{RefusalCheck::OutOfRange, GetParam().input}));
}

INSTANTIATE_TEST_SUITE_P(Cases, TemperatureDropRefusalTest, testing::ValuesIn(DropRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

// Water with half of it to freeze: 1000 kg/m³, 4180 J/kgK, 335 kJ/kg, freezing at 0 °C, in a pipe
// d = 0.1 m, s = 0.05 m, h 10.
FreezingInput Standing(float ambient, float medium, float freezing) {
    return {Kauczuk, ambient, medium, 1000, 4180, freezing, 335000, 0.5f, 0.1f, 0.05f, 10};
}

struct FreezingCase {
    const char* name;
    FreezingInput in;
    FreezingOutcome want;
};

const FreezingCase FreezingCases[] = {
    {"AirWarmerThanTheMedium", Standing(10, 5, 0), FreezingOutcome::Never},
    {"FrozenInWarmAir", Standing(10, -5, 0), FreezingOutcome::Frozen},
    {"FrozenInAirAtFreezing", Standing(0, -5, 0), FreezingOutcome::Frozen},
    {"AirAtTheFreezingPoint", Standing(0, 10, 0), FreezingOutcome::Never},
    {"FrozenInColdAir", Standing(-10, -5, 0), FreezingOutcome::Frozen},
    {"FrozenColderThanTheAir", Standing(-5, -10, 0), FreezingOutcome::Frozen},
    {"Freezes", Standing(-10, 10, 0), FreezingOutcome::Freezes},
    {"MediumAtTheFreezingPoint", Standing(-10, 0, 0), FreezingOutcome::Undetermined},
};

class FreezingOutcomeTest : public testing::TestWithParam<FreezingCase> {};

TEST_P(FreezingOutcomeTest, FollowsTheOrderOfTheThreeTemperatures) {
    const Session session = test::SessionWithSmallCatalogue(4);
    const FreezingResult r = PipeFreezingResults(session, GetParam().in, 10);
    EXPECT_FALSE(r.fault.has_value());
    EXPECT_EQ(r.outcome, GetParam().want);
    EXPECT_EQ(r.hours.has_value(), GetParam().want == FreezingOutcome::Freezes);
}

INSTANTIATE_TEST_SUITE_P(Cases, FreezingOutcomeTest, testing::ValuesIn(FreezingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FreezingTime, CoolingThenFreezingHalfTheWater) {
    const Session session = test::SessionWithSmallCatalogue(4);
    // λ at 0 °C = 0.033; k = 1 / (ln 2 / (6.28318 · 0.033) + 0.1591551) = 0.2855412 W/mK;
    // area · ρ / k = 0.007853975 · 1000 / 0.2855412 = 27.50558; cooling ln(20 / 10) · 27.50558 ·
    // 4180 = 79693.42 s; freezing 27.50558 · 335000 · 0.5 / 10 = 460718.4 s; together
    // 540411.8 s = 150.1144 h.
    ExpectRelative(PipeFreezingResults(session, Standing(-10, 10, 0), 10).hours, 150.1144, "hours");
    // Another thickness in the input gives its own time: the series relies on that.
    FreezingInput thin = Standing(-10, 10, 0);
    thin.thickness = 0.01f;
    const FreezingResult r = PipeFreezingResults(session, thin, 10);
    ASSERT_TRUE(r.hours.has_value());
    EXPECT_LT(*r.hours, 150.1144f);
}

TEST(FreezingChecks, SeriesJudgesTheRangesWithoutMaterialOrThickness) {
    const Session session = test::SessionWithSmallCatalogue(4);
    std::vector<Warning> warnings;
    FreezingInput in = Standing(-10, 10, 0);
    in.thickness = -1;
    in.mediumTemp = 200; // above Kauczuk's limit of 105 °C
    EXPECT_EQ(CheckFreezingSeries(in), std::nullopt);
    EXPECT_EQ(CheckPipeFreezing(session, in, warnings),
              (Refusal{RefusalCheck::MaterialTooHot, InputField::MediumTemp}));
    in.mediumTemp = 10;
    EXPECT_EQ(CheckPipeFreezing(session, in, warnings),
              (Refusal{RefusalCheck::OutOfRange, InputField::InsulationThickness}));
    in.frozenShare = 1.01f;
    EXPECT_EQ(CheckFreezingSeries(in),
              (Refusal{RefusalCheck::OutOfRange, InputField::FrozenShare}));
    in.enthalpy = 10000001;
    EXPECT_EQ(CheckFreezingSeries(in), (Refusal{RefusalCheck::OutOfRange, InputField::Enthalpy}));
    in.freezingTemp = -201;
    EXPECT_EQ(CheckFreezingSeries(in),
              (Refusal{RefusalCheck::OutOfRange, InputField::FreezingTemp}));
}

} // namespace
