#include "engine/Condensation.h"
#include "TestCatalogue.h"

#include <gtest/gtest.h>

using namespace kelvara;

namespace {

// Material 0 of the small catalogue: λ = 0.033 + 0.0001 · mean temperature, -50 to 105 °C.
constexpr MaterialChoice Kauczuk{0, false, 0};

// Air at 20 °C and 60 %: θd = 129.8 · 0.6^(1/8.02) - 109.8 = 11.99031 °C.
constexpr float Dew20At60 = 11.99031f;

TEST(CondensationResults, SheetThicknessPutsTheSurfaceAtTheDewPoint) {
    const Session session = test::SessionWithSmallCatalogue(5);
    // Medium 0 °C, h 10. At the solution the surface is at θd, so λ is taken at
    // (0 + 11.99031) / 2: λ = 0.033 + 0.0001 · 5.995157 = 0.03359952; θd - 20 =
    // -20 · (1/h) / (s/λ + 1/h) gives s = λ · (20 / (10 · 8.009685) - 0.1) = 0.005029771 m.
    const CondensationResult r = SheetCondensationResults(session, {Kauczuk, 20, 0, 0, 10, 60});
    ASSERT_FALSE(r.fault.has_value());
    EXPECT_EQ(r.outcome, CondensationOutcome::Insulated);
    EXPECT_NEAR(*r.dewPoint, Dew20At60, 2e-5f);
    EXPECT_NEAR(*r.minimumThickness, 0.005029771f, 2e-8f);
    EXPECT_NEAR(*r.minimumThicknessMm, 5.029771f, 2e-5f);
}

TEST(CondensationResults, PipeThicknessPutsTheSurfaceAtTheDewPoint) {
    const Session session = test::SessionWithSmallCatalogue(0);
    // Pipe d = 0.05 m, medium 0 °C, h 10, λ 0.03359952 as for the sheet. The thickness s solves
    // 20 - 20 · U · Rs = θd with o = d + 2s, Λ = 6.28318 λ / ln(o/d), Rs = 1 / (3.14159 · h · o),
    // U = 1 / (1/Λ + Rs); bisection of that equation gives s = 4.625975 mm.
    const CondensationResult r = PipeCondensationResults(session, {Kauczuk, 20, 0, 0.05f, 10, 60});
    ASSERT_FALSE(r.fault.has_value());
    EXPECT_EQ(r.outcome, CondensationOutcome::Insulated);
    EXPECT_NEAR(*r.dewPoint, Dew20At60, 2e-5f);
    EXPECT_NEAR(*r.minimumThicknessMm, 4.625975f, 5e-5f);
    EXPECT_FLOAT_EQ(*r.minimumThicknessMm, *r.minimumThickness * 1000);
}

TEST(CondensationResults, NoInsulationWhenTheDewPointIsBelowTheMedium) {
    const Session session = test::SessionWithSmallCatalogue();
    // θd 11.99 °C below a medium at 15 °C.
    for (bool sheet : {false, true}) {
        const CondensationInput in{Kauczuk, 20, 15, 0.05f, 10, 60};
        const CondensationResult r =
            sheet ? SheetCondensationResults(session, in) : PipeCondensationResults(session, in);
        EXPECT_EQ(r.outcome, CondensationOutcome::NotNeeded) << sheet;
        EXPECT_NEAR(*r.dewPoint, Dew20At60, 2e-5f);
        EXPECT_FALSE(r.minimumThickness || r.minimumThicknessMm);
    }
    // φ 0: θd = 129.8 · 0 - 109.8 = -109.8 °C.
    const CondensationResult dry = SheetCondensationResults(session, {Kauczuk, 20, -100, 0, 10, 0});
    EXPECT_EQ(dry.outcome, CondensationOutcome::NotNeeded);
    EXPECT_NEAR(*dry.dewPoint, -109.8f, 1e-4f);
}

TEST(CondensationResults, NegativeHumidityIsAnArithmeticFaultNotANumber) {
    const Session session = test::SessionWithSmallCatalogue(5);
    const CondensationResult r = SheetCondensationResults(session, {Kauczuk, 20, 0, 0, 10, -5});
    ASSERT_TRUE(r.fault.has_value());
    EXPECT_EQ(r.fault->Message(), QStringLiteral("Invalid floating point operation"));
    EXPECT_FALSE(r.dewPoint.has_value());
}

using enum InputField;
constexpr RefusalCheck Range = RefusalCheck::OutOfRange;
constexpr CondensationInput Good{Kauczuk, 20, 0, 0.05f, 10, 60};

struct RefusalCase {
    const char* name;
    bool sheet;
    float CondensationInput::*field;
    float value;
    std::optional<Refusal> want;
};

const RefusalCase RefusalCases[] = {
    {"PipeHumidityAt25", false, &CondensationInput::relativeHumidity, 25, std::nullopt},
    {"PipeHumidityAt96", false, &CondensationInput::relativeHumidity, 96, std::nullopt},
    {"PipeHumidityBelow25", false, &CondensationInput::relativeHumidity, 24.9f,
     Refusal{Range, RelativeHumidity}},
    {"PipeHumidityAbove96", false, &CondensationInput::relativeHumidity, 96.1f,
     Refusal{Range, RelativeHumidity}},
    // Sheets have no lower humidity limit and no diameter.
    {"SheetHumidityBelow25", true, &CondensationInput::relativeHumidity, 0, std::nullopt},
    {"SheetHumidityAbove96", true, &CondensationInput::relativeHumidity, 96.1f,
     Refusal{Range, RelativeHumidity}},
    {"SheetIgnoresTheDiameter", true, &CondensationInput::pipeDiameter, 0, std::nullopt},
    {"PipeDiameterBelow1mm", false, &CondensationInput::pipeDiameter, 0.0009f,
     Refusal{Range, PipeDiameter}},
    {"MediumAtAirTemperature", true, &CondensationInput::mediumTemp, 20, std::nullopt},
    {"PipeMediumWarmerThanAir", false, &CondensationInput::mediumTemp, 20.5f,
     Refusal{RefusalCheck::MediumWarmer, MediumTemp}},
    {"SheetMediumWarmerThanAir", true, &CondensationInput::mediumTemp, 21,
     Refusal{RefusalCheck::MediumWarmer, MediumTemp}},
    {"HAbove50", false, &CondensationInput::surfaceCoeff, 51, Refusal{Range, SurfaceCoeff}},
    {"MediumBelowRange", true, &CondensationInput::mediumTemp, -201, Refusal{Range, MediumTemp}},
};

class CondensationChecksTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(CondensationChecksTest, RefusesWithTheCheckAndTheInputAtFault) {
    const RefusalCase& c = GetParam();
    Session session = test::SessionWithSmallCatalogue();
    // Welna reaches down only to 0 °C and up to 250 °C, so no material limit interferes.
    CondensationInput in = Good;
    in.material = {1, false, 0};
    in.*c.field = c.value;
    std::vector<Warning> warnings;
    EXPECT_EQ(c.sheet ? CheckSheetCondensation(session, in, warnings)
                      : CheckPipeCondensation(session, in, warnings),
              c.want);
}

INSTANTIATE_TEST_SUITE_P(Cases, CondensationChecksTest, testing::ValuesIn(RefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CondensationChecks, MediumWarmerThanAirComesBeforeTheRanges) {
    const Session session = test::SessionWithSmallCatalogue();
    std::vector<Warning> warnings;
    // An air temperature out of range is reported only after the medium is found warmer.
    EXPECT_EQ(CheckPipeCondensation(session, {Kauczuk, -250, -10, 0.05f, 10, 60}, warnings),
              (Refusal{RefusalCheck::MediumWarmer, MediumTemp}));
    EXPECT_EQ(warnings, std::vector<Warning>{Warning::MaterialTooCold});
}

} // namespace
