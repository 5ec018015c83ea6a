#include "engine/SurfaceCoefficientCalc.h"
#include "TestCatalogue.h"
#include "engine/Physics.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace kelvara;

namespace {

// A bare surface (thickness 0) has no layer: after the first step the surface is at the medium
// temperature and stays there, so h is that of a surface at 60 °C in 20 °C air. Radiation, with
// ε 0.93 and σ 5.67e-8: 0.93 · 5.67e-8 · (333.15⁴ - 293.15⁴) / 40 = 6.503560 W/m²K.
constexpr double Radiation = 6.503560;

CoefficientInput Bare(CoefficientPlace place, float dimension, float wind = 0) {
    CoefficientInput in;
    in.place = place;
    in.materialIndex = 0;
    in.ambientTemp = 20;
    in.mediumTemp = 60;
    in.pipeDiameter = IsSheetPlace(place) ? 0 : dimension;
    in.emissivity = 0.93f;
    in.windSpeed = wind;
    in.dimension = dimension;
    return in;
}

struct BareCase {
    const char* name;
    CoefficientInput in;
    double h;
};

CoefficientInput Vertical(CoefficientInput in) {
    in.orientation = PipeOrientation::Vertical;
    return in;
}

const BareCase BareCases[] = {
    // A sheet 1 m high: 1³ · 40 > 10, turbulent: 1.74 · 40^(1/3) = 5.950716.
    {"InsideSheet", Bare(CoefficientPlace::InsideSheet, 1), Radiation + 5.950716},
    // Wind 2 m/s over 1 m: v · L = 2 < 8: 3.96 · (2 / 1)^0.5 = 5.600286.
    {"OutsideSheet", Bare(CoefficientPlace::OutsideSheet, 1, 2), Radiation + 5.600286},
    // A pipe of 0.05 m: 0.05³ · 40 < 10, laminar: 1.25 · (40 / 0.05)^0.25 = 6.647870 lying,
    // 1.32 · (40 / 0.05)^0.25 = 7.020151 standing.
    {"InsidePipeHorizontal", Bare(CoefficientPlace::InsidePipe, 0.05f), Radiation + 6.647870},
    {"InsidePipeVertical", Vertical(Bare(CoefficientPlace::InsidePipe, 0.05f)),
     Radiation + 7.020151},
    // Wind 2 m/s across 0.05 m: v · d = 0.1 > 0.000855: 8.9 · 2^0.9 / 0.05^0.1 = 22.40887.
    {"OutsidePipe", Bare(CoefficientPlace::OutsidePipe, 0.05f, 2), Radiation + 22.40887},
};

class BareSurfaceCoefficientTest : public testing::TestWithParam<BareCase> {};

TEST_P(BareSurfaceCoefficientTest, IsTheCoefficientAtTheMediumTemperature) {
    const Session session = test::SessionWithSmallCatalogue();
    const auto r = ComputeSurfaceCoefficient(session, GetParam().in);
    ASSERT_TRUE(r.has_value());
    EXPECT_NEAR(r->h, GetParam().h, GetParam().h * 1e-5);
    EXPECT_EQ(r->surfaceTemp, 60.0f);
}

INSTANTIATE_TEST_SUITE_P(Cases, BareSurfaceCoefficientTest, testing::ValuesIn(BareCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CondensationCoefficient, DewPointBelowTheMediumUsesTheRememberedHumidity) {
    const Session session = test::SessionWithSmallCatalogue(5);
    CoefficientInput in = Bare(CoefficientPlace::InsideSheet, 1);
    in.condensation = true;
    in.mediumTemp = 15;
    in.relativeHumidity = 60;   // dew point 11.99 °C, below the medium
    in.rememberedHumidity = 60; // the same air remembered: θd = 11.99031 °C
    // mean (20 + 11.99031) / 2 + 273.15 = 289.1452 K; h = 2.268e-7 · 0.93 · 289.1452³ + 1.74 ·
    // (20 - 11.99031)^(1/3) = 5.096366 + 3.483906 = 8.580272.
    const auto r = ComputeSurfaceCoefficient(session, in);
    ASSERT_TRUE(r.has_value());
    EXPECT_NEAR(r->h, 8.580272, 1e-4);
}

TEST(CondensationCoefficient, ThicknessForTheDewPointPutsTheSurfaceThere) {
    const Session session = test::SessionWithSmallCatalogue(0);
    CoefficientInput in = Bare(CoefficientPlace::InsidePipe, 0.05f);
    in.condensation = true;
    in.mediumTemp = 0;
    in.relativeHumidity = 60; // θd = 11.99031 °C, above the medium
    const auto r = ComputeSurfaceCoefficient(session, in);
    ASSERT_TRUE(r.has_value());
    // The rounds end with the surface of the required thickness, which is at the dew point.
    EXPECT_NEAR(r->surfaceTemp, 11.99031, 0.01);
    EXPECT_GT(r->h, 1);
    EXPECT_LT(r->h, 50);
}

TEST(SurfaceCoefficientFaults, AnArithmeticFaultGivesNothing) {
    const Session session = test::SessionWithSmallCatalogue();
    CoefficientInput in = Bare(CoefficientPlace::InsidePipe, 0);
    in.thickness = 0.02f; // a layer on a pipe of no diameter: ln(outer / 0)
    EXPECT_FALSE(ComputeSurfaceCoefficient(session, in).has_value());
}

struct RangeCase {
    const char* name;
    CoefficientPlace place;
    float emissivity, thickness, wind;
    bool ok;
};

const RangeCase RangeCases[] = {
    {"Bounds", CoefficientPlace::OutsidePipe, 1, 0.5f, 10, true},
    {"ZeroEmissivity", CoefficientPlace::InsideSheet, 0, 0, 0, true},
    {"NegativeEmissivity", CoefficientPlace::InsidePipe, -0.01f, 0, 0, false},
    {"EmissivityAbove1", CoefficientPlace::InsideSheet, 1.01f, 0, 0, false},
    {"ThicknessAbove500mm", CoefficientPlace::InsidePipe, 0.9f, 0.501f, 0, false},
    {"NegativeThickness", CoefficientPlace::OutsideSheet, 0.9f, -0.001f, 1, false},
    {"WindAbove10Outdoors", CoefficientPlace::OutsideSheet, 0.9f, 0, 10.01f, false},
    // Indoors the wind is not read.
    {"WindIgnoredIndoors", CoefficientPlace::InsidePipe, 0.9f, 0, 11, true},
};

class CoefficientRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(CoefficientRangeTest, JudgesEmissivityThicknessAndWind) {
    const RangeCase& c = GetParam();
    CoefficientInput in;
    in.place = c.place;
    in.emissivity = c.emissivity;
    in.thickness = c.thickness;
    in.windSpeed = c.wind;
    EXPECT_EQ(CoefficientInputsInRange(in), c.ok);
}

INSTANTIATE_TEST_SUITE_P(Cases, CoefficientRangeTest, testing::ValuesIn(RangeCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
