#include "engine/RegulationThickness.h"
#include "shell/AppError.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace kelvara;

namespace {

// The regulation's eleven rows as the shipped Kelvara.ini writes them.
const std::vector<TRegulationRow> Regulation = {
    {0, 22, 20, 0, 0},   // 0: inner diameter up to 22 mm: 20 mm
    {22, 35, 30, 0, 0},  // 1: over 22 up to 35 mm: 30 mm
    {35, 100, 0, 1, 0},  // 2: over 35 up to 100 mm: equal to the inner diameter
    {100, 0, 100, 0, 0}, // 3: over 100 mm: 100 mm
    {0, 0, 0, 0, 0.5f},  // 4: through walls or ceilings, crossings: half of rows 0-3
    {0, 0, 0, 0, 0.5f},  // 5: heating between different users: half of rows 0-3
    {0, 0, 6, 0, 0},     // 6: pipes of row 5 in a floor: 6 mm
    {0, 0, 40, 0, 0},    // 7: air-heating ducts inside the thermal insulation: 40 mm
    {0, 0, 80, 0, 0},    // 8: outside it: 80 mm
    {0, 0, 0, 0, 0.5f},  // 9: chilled water inside the building: 50 % of rows 0-3
    {0, 0, 0, 0, 1},     // 10: outside: 100 % of rows 0-3
};

// A length typed in mm, stored in m as the windows store it.
float Metres(long double mm) {
    return static_cast<float>(mm * 0.001L);
}

struct RegulationCase {
    const char* name;
    int caseIndex;
    long double innerMm, outerMm;
    float lambda;
    int diameterRow;    // -1: the case stands alone
    double rowMm;       // the table's thickness
    double convertedMm; // for the material
};

class RegulationCases : public testing::TestWithParam<RegulationCase> {};

TEST_P(RegulationCases, RowThicknessAndConversion) {
    const RegulationCase& c = GetParam();
    const RegulationMinimum r = RegulationMinimumThickness(
        Regulation, c.caseIndex, Metres(c.innerMm), Metres(c.outerMm), c.lambda);
    ASSERT_EQ(r.Outcome, RegulationOutcome::Found);
    EXPECT_EQ(r.DiameterRow, c.diameterRow);
    EXPECT_NEAR(r.RowThickness * 1000.0, c.rowMm, 1e-4);
    EXPECT_NEAR(r.Thickness * 1000.0, c.convertedMm, 2e-3);
}

// s' = D/2 × (((D + 2s)/D)^(λ'/0.035) − 1), D the outer diameter.
INSTANTIATE_TEST_SUITE_P(
    HandChecked, RegulationCases,
    testing::Values(
        // D 28, inner 25.6: row 1, 30 mm; ln(88/28) = 1.145132.
        // λ' 0.035: 14 × (88/28 − 1) = 30.000, shown 30.0.
        RegulationCase{"d28_l035", 0, 25.6L, 28, 0.035f, 1, 30, 30.000},
        // λ' 0.040: 1.145132 × 8/7 = 1.308723, e^ = 3.701443, 14 × 2.701443 = 37.820 (37.8).
        RegulationCase{"d28_l040", 0, 25.6L, 28, 0.040f, 1, 30, 37.820},
        // λ' 0.033: 1.145132 × 33/35 = 1.079696, e^ = 2.943785, 14 × 1.943785 = 27.213 (27.2).
        RegulationCase{"d28_l033", 0, 25.6L, 28, 0.033f, 1, 30, 27.213},
        // D 60.3, inner 54.5: row 2, 54.5 mm; ln(169.3/60.3) = 1.032340, × 8/7 = 1.179817,
        // e^ = 3.253779, 30.15 × 2.253779 = 67.951 (68.0).
        RegulationCase{"d60_l040", 2, 54.5L, 60.3L, 0.040f, 2, 54.5, 67.951},
        // Half of row 1 for a crossing: 15 mm; ln(58/28) = 0.728239, × 8/7 = 0.832273,
        // e^ = 2.298501, 14 × 1.298501 = 18.179.
        RegulationCase{"half_l040", 4, 25.6L, 28, 0.040f, 1, 15, 18.179},
        // Bounds: "up to" holds the bound, "over" does not. λ' 0.035 keeps the thickness.
        RegulationCase{"upTo22", 0, 22, 26.9L, 0.035f, 0, 20, 20},
        RegulationCase{"over22", 0, 22.01L, 26.9L, 0.035f, 1, 30, 30},
        RegulationCase{"upTo35", 0, 35, 42.4L, 0.035f, 1, 30, 30},
        RegulationCase{"over35", 0, 35.01L, 42.4L, 0.035f, 2, 35.01, 35.01},
        RegulationCase{"upTo100", 0, 100, 114.3L, 0.035f, 2, 100, 100},
        RegulationCase{"over100", 0, 100.01L, 114.3L, 0.035f, 3, 100, 100},
        RegulationCase{"large", 0, 500, 508, 0.035f, 3, 100, 100},
        // A row by diameter chosen as the case still follows the diameter: 20 mm -> row 0.
        RegulationCase{"rowFollowsDiameter", 3, 20, 26.9L, 0.035f, 0, 20, 20},
        RegulationCase{"heatingHalf", 5, 100, 114.3L, 0.035f, 2, 50, 50},
        RegulationCase{"floor", 6, 500, 508, 0.035f, -1, 6, 6},
        RegulationCase{"ductInside", 7, 20, 26.9L, 0.035f, -1, 40, 40},
        RegulationCase{"ductOutside", 8, 20, 26.9L, 0.035f, -1, 80, 80},
        RegulationCase{"chilledInside", 9, 54.5L, 60.3L, 0.035f, 2, 27.25, 27.25},
        RegulationCase{"chilledOutside", 10, 54.5L, 60.3L, 0.035f, 2, 54.5, 54.5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegulationThickness, CasesAndDiametersWithoutARow) {
    EXPECT_EQ(RegulationRowThickness(Regulation, -1, Metres(20)).Outcome,
              RegulationOutcome::NoCase);
    EXPECT_EQ(RegulationRowThickness(Regulation, 11, Metres(20)).Outcome,
              RegulationOutcome::NoCase);
    EXPECT_EQ(RegulationRowThickness({}, 0, Metres(20)).Outcome, RegulationOutcome::NoCase);
    // No row holds an inner diameter of 0, nor one above a user's last bound.
    EXPECT_EQ(RegulationRowThickness(Regulation, 0, 0).Outcome, RegulationOutcome::NoDiameterRow);
    EXPECT_EQ(RegulationRowThickness(Regulation, 9, 0).Outcome, RegulationOutcome::NoDiameterRow);
    const std::vector<TRegulationRow> shortTable = {{0, 22, 20, 0, 0}, {0, 0, 0, 0, 0.5f}};
    const RegulationMinimum none =
        RegulationMinimumThickness(shortTable, 1, Metres(30), Metres(33.7L), 0.04f);
    EXPECT_EQ(none.Outcome, RegulationOutcome::NoDiameterRow);
    EXPECT_EQ(none.Thickness, 0.0f);
    // A case of its own needs no diameter.
    EXPECT_EQ(RegulationRowThickness(Regulation, 7, 0).Outcome, RegulationOutcome::Found);
}

TEST(RegulationThickness, ConductivityAtFortyDegrees) {
    // 0.033 + 40 × 0.0001 = 0.037; 0.035 + 40 × 0.00013 = 0.0402.
    EXPECT_FLOAT_EQ(RegulationConductivity({0.033f, 0.0001f, -50, 105}, 0.05f), 0.037f);
    EXPECT_FLOAT_EQ(RegulationConductivity({0.035f, 0.00013f, -45, 95}, 0.05f), 0.0402f);
    // The user entry takes the user's value.
    EXPECT_EQ(RegulationConductivity({-99, -99, -200, 200}, 0.05f), 0.05f);
}

TEST(RegulationThickness, NonsenseRaisesTheRuntimeTextInsteadOfNan) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Bad {
        float thickness, outer, lambda;
        const char* message;
    };
    for (const Bad& b : {Bad{0.03f, 0, 0.04f, "Invalid floating point operation"},
                         Bad{0.03f, -0.028f, 0.04f, "Invalid floating point operation"},
                         Bad{0.03f, nan, 0.04f, "Invalid floating point operation"},
                         Bad{0.03f, inf, 0.04f, "Invalid floating point operation"},
                         Bad{0.03f, 0.028f, 0, "Invalid floating point operation"},
                         Bad{0.03f, 0.028f, -0.04f, "Invalid floating point operation"},
                         Bad{0.03f, 0.028f, nan, "Invalid floating point operation"},
                         Bad{-0.01f, 0.028f, 0.04f, "Invalid floating point operation"},
                         Bad{nan, 0.028f, 0.04f, "Invalid floating point operation"},
                         // e^(ln(1e30) × 10/0.035) is beyond any number.
                         Bad{0.5f, 1e-30f, 10, "Floating point overflow"},
                         Bad{0.03f, 0.028f, inf, "Floating point overflow"}}) {
        SCOPED_TRACE(testing::Message() << b.thickness << " " << b.outer << " " << b.lambda);
        try {
            const float s = EquivalentThickness(b.thickness, b.outer, b.lambda);
            ADD_FAILURE() << "no error, result " << s;
        } catch (const AppError& error) {
            EXPECT_EQ(error.Message(), QString::fromLatin1(b.message));
        }
    }
    EXPECT_THROW(RegulationRowThickness(Regulation, 0, nan), AppError);
    // No thickness stays no thickness, on any material.
    EXPECT_EQ(EquivalentThickness(0, 0.028f, 0.04f), 0.0f);
}

} // namespace
