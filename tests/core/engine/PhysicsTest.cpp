#include "engine/Physics.h"
#include "TestCatalogue.h"
#include "shell/AppError.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace kelvara;

namespace {

class PhysicsTest : public testing::Test {
protected:
    Session s = test::SessionWithSmallCatalogue();
};

TEST_F(PhysicsTest, ConductivityIsLinearAboveMinus160AndClampedBelow) {
    EXPECT_FLOAT_EQ(MaterialConductivity(s, 0, 0), 0.033f);
    EXPECT_FLOAT_EQ(MaterialConductivity(s, 40, 0), 0.037f);
    EXPECT_FLOAT_EQ(MaterialConductivity(s, -160, 0), 0.033f - 0.016f);
    EXPECT_EQ(MaterialConductivity(s, -200, 0), MaterialConductivity(s, -160, 0));
    s.Remembered.UserLambda = 0.05f;
    EXPECT_EQ(MaterialConductivity(s, -300, 2), 0.05f);
    EXPECT_EQ(MaterialConductivity(s, 150, 2), 0.05f);
    EXPECT_THROW(MaterialConductivity(s, 0, 3), AppError);
    EXPECT_THROW(MaterialConductivity(s, 0, -1), AppError);
}

TEST_F(PhysicsTest, NoLayerMeansNoConductanceAndTheMediumTemperature) {
    EXPECT_EQ(LayerConductance(s, -5, 25, 0.0254f, 0.0254f, 0, PipeLayer), 0.0f);
    EXPECT_EQ(LayerConductance(s, -5, 25, 0.0254f, 0.02f, 0, PipeLayer), 0.0f);
    EXPECT_EQ(LayerConductance(s, -5, 25, 0.0f, 0.0f, 0, FlatLayer), 0.0f);
    EXPECT_EQ(SurfaceTemperature(-5, 25, 0, 9, 0.03f, PipeLayer), -5.0f);
    // A flat layer of 10 mm at mean 10 °C: λ / s.
    EXPECT_FLOAT_EQ(LayerConductance(s, 0, 20, 0.01f, 0, 0, FlatLayer), 0.034f / 0.01f);
    // Pipe: 2π λ / ln(Do/D).
    EXPECT_NEAR(LayerConductance(s, 0, 20, 0.02f, 0.04f, 0, PipeLayer),
                6.28318 * 0.034 / std::log(2.0), 1e-5);
}

TEST_F(PhysicsTest, SurfaceTemperatureLiesBetweenMediumAndAmbient) {
    const float flat = SurfaceTemperature(-5, 25, 3.4f, 9, 0, FlatLayer);
    // U = 1/(1/3.4 + 1/9); ts = ta + (tm - ta) U / h.
    const double u = 1 / (1 / 3.4 + 1 / 9.0);
    EXPECT_NEAR(flat, 25 + (-30) * u / 9, 1e-4);
    const float pipe = SurfaceTemperature(-5, 25, 0.2f, 9, 0.06f, PipeLayer);
    EXPECT_GT(pipe, -5);
    EXPECT_LT(pipe, 25);
}

TEST_F(PhysicsTest, SurfaceCoefficientModes) {
    // Equal temperatures: radiation 4 ε σ T³, no free convection.
    const double t = 293.15;
    EXPECT_NEAR(SurfaceCoefficient(20, 20, 0.9f, 0.05f, 0, FreeHorizontal),
                0.9 * 5.67e-8 * 4 * t * t * t, 1e-5);
    // Free convection below and above the d³ΔT = 10 threshold.
    const float small = SurfaceCoefficient(10, 20, 0, 0.1f, 0, FreeVertical);
    EXPECT_NEAR(small, 1.32 * std::pow(10 / 0.1, 0.25), 1e-4);
    const float large = SurfaceCoefficient(10, 20, 0, 2.0f, 0, FreeHorizontal);
    EXPECT_NEAR(large, 1.21 * std::cbrt(10.0), 1e-4);
    // Wind on a pipe: laminar at v·d ≤ 0.000855, turbulent above.
    const float laminar = SurfaceCoefficient(20, 20, 0, 0.0008f, 1, ForcedPipe);
    EXPECT_NEAR(laminar, 0.0081 / 0.0008 + 3.14159 * std::sqrt(1 / 0.0008), 1e-2);
    const float turbulent = SurfaceCoefficient(20, 20, 0, 0.0009f, 1, ForcedPipe);
    EXPECT_NEAR(turbulent, 8.9 / std::pow(0.0009, 0.1), 1e-3);
    // Wind on a flat surface: v·d > 8 takes the first form; exactly 8 the second.
    EXPECT_NEAR(SurfaceCoefficient(20, 20, 0, 2, 5, ForcedFlat), 5.76 * std::pow(625 / 2.0, 0.2),
                1e-4);
    EXPECT_NEAR(SurfaceCoefficient(20, 20, 0, 2, 4, ForcedFlat), 3.96 * std::sqrt(2.0), 1e-4);
    EXPECT_NEAR(SurfaceCoefficient(20, 20, 0, 1, 2, 7), 0, 1e-9);
}

TEST_F(PhysicsTest, ArithmeticFaultsAreErrorsNotNumbers) {
    try {
        SurfaceCoefficient(10, 20, 0.9f, 0, 0, FreeVertical);
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Floating point division by zero"));
    }
    try {
        DewPoint(20, -5);
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid floating point operation"));
    }
}

TEST_F(PhysicsTest, DewPoint) {
    EXPECT_NEAR(DewPoint(25, 100), 25, 1e-4);
    EXPECT_NEAR(DewPoint(25, 0), -109.8, 1e-4);
    EXPECT_NEAR(DewPoint(20, 60), (109.8 + 20) * std::pow(0.6, 1 / 8.02) - 109.8, 1e-4);
}

TEST_F(PhysicsTest, RequiredThicknessReachesTheTarget) {
    struct Case {
        float tm, ta, h, target;
    };
    // The second target lies just above the medium: a thin layer whose first secant step
    // overshoots below zero.
    for (const Case c : {Case{-5, 25, 9, 20}, Case{9.64f, 17.88f, 17.66f, 9.75f}}) {
        const float pipe = RequiredThickness(s, c.tm, c.ta, 0.0254f, c.h, c.target, 0, PipeLayer);
        const float outer = 0.0254f + 2 * pipe;
        const float k = LayerConductance(s, c.tm, c.target, 0.0254f, outer, 0, PipeLayer);
        EXPECT_GT(pipe, 0) << c.target;
        EXPECT_NEAR(SurfaceTemperature(c.tm, c.ta, k, c.h, outer, PipeLayer), c.target, 0.01);
        const float flat = RequiredThickness(s, c.tm, c.ta, 0, c.h, c.target, 0, FlatLayer);
        EXPECT_NEAR(SurfaceTemperature(c.tm, c.ta,
                                       LayerConductance(s, c.tm, c.target, flat, 0, 0, FlatLayer),
                                       c.h, 0, FlatLayer),
                    c.target, 0.01);
        EXPECT_GT(flat, 0) << c.target;
    }
}

TEST_F(PhysicsTest, RequiredThicknessSurvivesEqualTrialTemperatures) {
    // Medium and ambient alike: every trial surface sits at the same temperature.
    EXPECT_NO_THROW(RequiredThickness(s, 20, 20, 0.0254f, 9, 20, 0, PipeLayer));
    EXPECT_FLOAT_EQ(RequiredThickness(s, 20, 20, 0.0254f, 9, 20, 0, PipeLayer), 0.001f);
}

} // namespace
