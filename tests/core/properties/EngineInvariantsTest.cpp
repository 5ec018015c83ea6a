#include "NonFiniteText.h"
#include "WindowFixture.h"
#include "engine/Physics.h"
#include "workspace/Calculations.h"

#include <random>

using namespace kelvara;

namespace {

// Seeded random inputs inside every range the calculations accept.
class EngineInvariants : public test::WindowFixture {
protected:
    float Uniform(float low, float high) {
        return std::uniform_real_distribution<float>(low, high)(random);
    }
    QString Text(float value) { return QString::number(double(value), 'f', 2); }
    bool NoNonFiniteText() {
        for (const auto& row : window->ResultRows) {
            const QString text = row->ParaLineEditText() + row->Alternatives().join(u' ');
            if (test::ShowsNonFinite(text))
                return false;
        }
        return true;
    }
    std::mt19937 random{20261210};
};

TEST_F(EngineInvariants, SurfaceTemperatureLiesBetweenMediumAndAmbient) {
    int calculated = 0;
    for (int run = 0; run < 300; ++run) {
        const int type = run % 2 ? 1 : 7;
        Open(type);
        const float ta = Uniform(-40, 60), tm = Uniform(-40, 100);
        const QString thickness = Text(Uniform(0, 100));
        if (type == 1)
            Type({Text(ta), Text(tm), Text(Uniform(1, 300)), thickness, QString(),
                  Text(Uniform(1, 50))});
        else
            Type({Text(ta), Text(tm), thickness, QString(), Text(Uniform(1, 50))});
        window->Input(window->TypeInfo().materialRow).ChooseMaterial(run % 3);
        session.CoeffFromCalculator = false;
        if (!window->Button1Click())
            continue; // outside the material's range
        ++calculated;
        ASSERT_TRUE(NoNonFiniteText());
        const double surface = window->Result(1).ParaLineEditText().toDouble();
        const double ambient = window->Input(0).ParaLineEditText().toDouble();
        const double medium = window->Input(1).ParaLineEditText().toDouble();
        EXPECT_GE(surface, std::min(ambient, medium) - 0.01) << run;
        EXPECT_LE(surface, std::max(ambient, medium) + 0.01) << run;
    }
    EXPECT_GT(calculated, 150);
}

TEST_F(EngineInvariants, HeatLossFallsAsTheInsulationThickens) {
    int calculated = 0;
    for (int run = 0; run < 100; ++run) {
        const int type = run % 2 ? 2 : 6;
        Open(type);
        const float ta = Uniform(-30, 40);
        const float tm = ta + (run % 4 < 2 ? 1 : -1) * Uniform(5, 60);
        if (type == 2)
            Type({Text(ta), Text(tm), Text(Uniform(10, 300)), QStringLiteral("6"),
                  QStringLiteral("10"), QString(), Text(Uniform(2, 30)), QStringLiteral("0.5")});
        else
            Type({Text(ta), Text(tm), QStringLiteral("6"), QStringLiteral("2"), QString(),
                  Text(Uniform(2, 30)), QStringLiteral("0.5")});
        window->Input(window->TypeInfo().materialRow).ChooseMaterial(2); // the user's constant λ
        if (!window->Button1Click())
            continue;
        ++calculated;
        double previous = std::abs(window->Result(2).ParaLineEditText().toDouble());
        for (int choice = 1; choice < 8; ++choice) {
            window->Result(5).ChooseAlternative(choice);
            ASSERT_TRUE(NoNonFiniteText());
            const double loss = std::abs(window->Result(2).ParaLineEditText().toDouble());
            EXPECT_LE(loss, previous + 0.0011) << run << " " << choice;
            previous = loss;
        }
    }
    EXPECT_GT(calculated, 50);
}

TEST_F(EngineInvariants, FreezingTimeGrowsWithTheThickness) {
    for (int run = 0; run < 100; ++run) {
        Open(4);
        const float tf = Uniform(-10, 5);
        const float ta = tf - Uniform(1, 30), tm = tf + Uniform(1, 40);
        Type({Text(ta), Text(tm), Text(Uniform(800, 1200)), Text(Uniform(2000, 4200)), Text(tf),
              Text(Uniform(0, 400)), Text(Uniform(0, 100)), Text(Uniform(10, 200)),
              Text(Uniform(0, 60))});
        window->Input(9).ChooseMaterial(2);
        ASSERT_TRUE(window->Button1Click()) << run;
        ASSERT_TRUE(NoNonFiniteText());
        const QStringList series = window->Result(1).Alternatives();
        ASSERT_EQ(series.size(), 7) << run;
        double previous = 0;
        for (const QString& entry : series) {
            const double hours = entry.section(QStringLiteral(" : "), 1).toDouble();
            EXPECT_GE(hours, previous) << run << " " << entry.toStdString();
            previous = hours;
        }
    }
}

TEST_F(EngineInvariants, TemperatureChangeHasTheSignOfTheFlow) {
    int calculated = 0;
    for (int run = 0; run < 200; ++run) {
        Open(3);
        const float ta = Uniform(-30, 40), tm = Uniform(-30, 150);
        Type({Text(ta), Text(tm), Text(Uniform(500, 1200)), Text(Uniform(1000, 4200)),
              Text(Uniform(0.1f, 5)), Text(Uniform(10, 300)), Text(Uniform(0, 80)),
              Text(Uniform(1, 500))});
        window->Input(4).ChooseFlowRate(run % 4);
        window->Input(8).ChooseMaterial(2);
        if (!window->Button1Click())
            continue;
        ++calculated;
        ASSERT_TRUE(NoNonFiniteText());
        const double change = window->Result(1).ParaLineEditText().toDouble();
        const double q = window->Result(2).ParaLineEditText().toDouble();
        const double medium = window->Input(1).ParaLineEditText().toDouble();
        const double ambient = window->Input(0).ParaLineEditText().toDouble();
        if (medium > ambient) {
            EXPECT_GE(change, 0) << run;
            EXPECT_LE(q, 0) << run;
        } else {
            EXPECT_LE(change, 0) << run;
            EXPECT_GE(q, 0) << run;
        }
    }
    EXPECT_GT(calculated, 100);
}

} // namespace

namespace {

// The surface temperature of a layer of `thickness` metres, the conductivity taken at the mean of
// the medium and the dew point as the search takes it once it has met its target.
float SurfaceAt(const Session& session, bool pipe, float tm, float ta, float d, float h, float dew,
                int material, double thickness) {
    if (thickness <= 0)
        return tm;
    const auto s = float(thickness);
    if (!pipe)
        return SurfaceTemperature(
            tm, ta, LayerConductance(session, tm, dew, s, 0, material, FlatLayer), h, 0, FlatLayer);
    const float outer = d + 2 * s;
    return SurfaceTemperature(tm, ta,
                              LayerConductance(session, tm, dew, d, outer, material, PipeLayer), h,
                              outer, PipeLayer);
}

} // namespace

// The thickness shown is the one whose surface sits at the dew point: the dew point lies between
// the surface temperatures half a shown digit either side of it.
TEST_F(EngineInvariants, CondensationThicknessBringsTheSurfaceToTheDewPoint) {
    int insulated = 0;
    for (int run = 0; run < 400; ++run) {
        const bool pipe = run % 2 == 0;
        Open(pipe ? 0 : 5);
        const float ta = Uniform(5, 40), tm = ta - Uniform(0.5f, 40);
        const QString h = Text(Uniform(3, 20)), humidity = Text(Uniform(50, 96));
        const float d = Uniform(10, 300);
        if (pipe)
            Type({Text(ta), Text(tm), Text(d), QString(), h, humidity});
        else
            Type({Text(ta), Text(tm), QString(), h, humidity});
        const int materialRow = window->TypeInfo().materialRow;
        const int material = run % 3 == 0 ? 2 : 0; // the user's constant λ or rubber
        window->Input(materialRow).ChooseMaterial(material);
        ASSERT_TRUE(window->Button1Click()) << run;
        ASSERT_TRUE(NoNonFiniteText());
        // The inputs as the calculation read them.
        const float rta = float(window->Input(0).ParaLineEditText().toDouble());
        const float rtm = float(window->Input(1).ParaLineEditText().toDouble());
        const float rh = float(window->Input(pipe ? 4 : 3).ParaLineEditText().toDouble());
        const float rd = pipe ? float(window->Input(2).ParaLineEditText().toDouble() / 1000) : 0;
        const float exactDew = DewPoint(rta, float(humidity.toDouble()));
        if (exactDew < rtm)
            continue;
        ++insulated;
        const double shownMm = window->Result(1).ParaLineEditText().toDouble();
        const double halfDigit = pipe ? 0.0005 : 0.005;
        const float below = SurfaceAt(session, pipe, rtm, rta, rd, rh, exactDew, material,
                                      (shownMm - halfDigit) / 1000);
        const float above = SurfaceAt(session, pipe, rtm, rta, rd, rh, exactDew, material,
                                      (shownMm + halfDigit) / 1000);
        EXPECT_GE(shownMm, 0) << run;
        EXPECT_LE(below, exactDew + 1e-4) << run << " shown " << shownMm;
        EXPECT_GE(above, exactDew - 1e-4) << run << " shown " << shownMm;
    }
    EXPECT_GT(insulated, 200);
}
