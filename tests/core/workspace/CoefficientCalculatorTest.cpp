#include "workspace/CoefficientCalculator.h"
#include "QtPrinters.h"
#include "WindowFixture.h"
#include "engine/Physics.h"
#include "shell/NumberText.h"

#include <cmath>

using namespace kelvara;
using Outcome = CoefficientCalculator::Outcome;

namespace {

class CoefficientCalculatorTest : public test::WindowFixture {
protected:
    // Opens a window of the type with a material chosen and a calculator shown on it.
    CoefficientCalculator& Calculator(int type) {
        Open(type);
        window->Input(window->TypeInfo().materialRow).ChooseMaterial(0);
        calculator = std::make_unique<CoefficientCalculator>(*window);
        calculator->TntFormShow();
        calculator->FormActivate();
        prompts.messages.clear();
        return *calculator;
    }
    std::unique_ptr<CoefficientCalculator> calculator;
};

TEST_F(CoefficientCalculatorTest, ActivationSetsTheStartingState) {
    session.Remembered.Emissivity = 0.44f;
    CoefficientCalculator& c = Calculator(2);
    EXPECT_FALSE(c.Settings.outdoor);
    EXPECT_EQ(c.Settings.emissivityText, QStringLiteral("0.44"));
    EXPECT_EQ(c.Settings.windText, QStringLiteral("1"));
    EXPECT_EQ(c.Settings.claddingIndex, -1);
    EXPECT_FALSE(c.Settings.sheetDimensionVisible);
    EXPECT_TRUE(c.Settings.orientationVisible);
    EXPECT_EQ(c.CladdingNames().first(), QStringLiteral("brak"));
    // The summary: every input row but the h row, 16 pixels apart from 120.
    const auto lines = c.DataSummary();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].label, QStringLiteral("Temp otoczenia"));
    EXPECT_EQ(lines[0].value, QStringLiteral("25.00"));
    EXPECT_EQ(lines[0].unit, QStringLiteral("°C"));
    EXPECT_EQ(lines[0].top, 120);
    EXPECT_EQ(lines[5].value, QStringLiteral("Kauczuk"));
    EXPECT_FALSE(lines[5].hasUnit);
    EXPECT_EQ(lines[6].label, QStringLiteral("Koszty kWh"));
    EXPECT_EQ(lines[6].top, 120 + 16 * 6);
}

TEST_F(CoefficientCalculatorTest, SheetsShowTheirDimensionInsteadOfTheOrientation) {
    session.Remembered.SheetDimension = 2.5f;
    CoefficientCalculator& c = Calculator(6);
    EXPECT_TRUE(c.Settings.sheetDimensionVisible);
    EXPECT_EQ(c.Settings.sheetDimensionText, QStringLiteral("2.50"));
    EXPECT_FALSE(c.Settings.orientationVisible);
}

TEST_F(CoefficientCalculatorTest, IndoorPipeIteratesSurfaceAndCoefficient) {
    CoefficientCalculator& c = Calculator(2);
    EXPECT_EQ(c.Button1Click(), Outcome::Closed);
    EXPECT_TRUE(session.CoeffFromCalculator);
    const float h = session.Remembered.SurfaceCoeff;
    EXPECT_GT(h, 3.0f);
    EXPECT_LT(h, 12.0f);
    // The h found is the coefficient at the surface temperature it leads to.
    const float outer = 0.0254f + 2 * 0.01f;
    float ts = 22;
    for (int i = 0; i < 40; ++i) {
        const float k = LayerConductance(session, -5, ts, 0.0254f, outer, 0, PipeLayer);
        ts = SurfaceTemperature(-5, 25, k,
                                SurfaceCoefficient(ts, 25, 0.93f, outer, 0, FreeHorizontal), outer,
                                PipeLayer);
    }
    EXPECT_NEAR(h, SurfaceCoefficient(ts, 25, 0.93f, outer, 0, FreeHorizontal), 1e-3);
}

TEST_F(CoefficientCalculatorTest, CladdingFillsTheEmissivityAndTypingClearsIt) {
    CoefficientCalculator& c = Calculator(2);
    EXPECT_EQ(c.TntComboBox1Change(0), Outcome::StayOpen);
    EXPECT_EQ(c.Settings.emissivityText, QStringLiteral("0.93"));
    EXPECT_EQ(c.TntComboBox1Change(2), Outcome::StayOpen);
    EXPECT_EQ(c.Settings.emissivityText, QStringLiteral("0.13"));
    EXPECT_FLOAT_EQ(session.Remembered.Emissivity, 0.13f);
    c.EmissivityTyped();
    EXPECT_EQ(c.Settings.claddingIndex, -1);
    c.TntRadioButton2Click();
    EXPECT_EQ(c.Button1Click(), Outcome::StayOpen);
    EXPECT_EQ(prompts.Texts(), QStringList{QStringLiteral("Wprowadz wlasciwe dane")});
    EXPECT_EQ(prompts.messages.back().kind, MessageKind::Warning);
}

TEST_F(CoefficientCalculatorTest, ZeroEmissivityCladdingClosesWithoutResult) {
    CoefficientCalculator& c = Calculator(2);
    EXPECT_EQ(c.TntComboBox1Change(3), Outcome::Closed);
    EXPECT_EQ(prompts.Texts(),
              QStringList{QStringLiteral(
                  "prosze wybrac typ materialu z pokryciem! Error: wartosc e = zero!")});
    EXPECT_EQ(c.Settings.emissivityText, QStringLiteral("0.93"));
    EXPECT_FALSE(session.CoeffFromCalculator);
}

struct Limit {
    const char* name;
    bool outdoor;
    const char* emissivity;
    const char* wind;
    const char* thickness;
    bool accepted;
};

class CalculatorLimits : public CoefficientCalculatorTest,
                         public testing::WithParamInterface<Limit> {};

TEST_P(CalculatorLimits, ValuesOutsideTheLimitsEndTheComputation) {
    const Limit& l = GetParam();
    CoefficientCalculator& c = Calculator(2);
    window->Input(3).SetParaLineEditText(QString::fromUtf8(l.thickness));
    if (l.outdoor) {
        c.TntRadioButton2Click();
        c.TntComboBox1Change(1);
    }
    c.Settings.emissivityText = QString::fromUtf8(l.emissivity);
    c.Settings.windText = QString::fromUtf8(l.wind);
    session.Remembered.SurfaceCoeff = 9;
    EXPECT_EQ(c.Button1Click(), Outcome::Closed);
    if (l.accepted) {
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_NE(session.Remembered.SurfaceCoeff, 9.0f);
    } else {
        EXPECT_EQ(prompts.Texts(), QStringList{QStringLiteral("Wprowadz wlasciwe dane")});
        EXPECT_EQ(prompts.messages.back().kind, MessageKind::Plain);
        EXPECT_EQ(session.Remembered.SurfaceCoeff, 9.0f);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalculatorLimits,
    testing::Values(Limit{"EmissivityAboveOne", false, "1.5", "1", "10", false},
                    Limit{"ThicknessAbove500mm", false, "0.9", "1", "600", false},
                    Limit{"Thickness500mm", false, "0.9", "1", "500", true},
                    Limit{"Wind12", true, "0.44", "12", "10", false},
                    Limit{"Wind10", true, "0.44", "10", "10", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CoefficientCalculatorTest, RefusedInputsKeepTheWindowOpen) {
    CoefficientCalculator& c = Calculator(2);
    c.Settings.emissivityText.clear();
    EXPECT_EQ(c.Button1Click(), Outcome::StayOpen);
    c.Settings.emissivityText = QStringLiteral("0.9");
    c.Settings.windText = QStringLiteral("-1");
    EXPECT_EQ(c.Button1Click(), Outcome::StayOpen);
    c.TntRadioButton2Click();
    c.TntComboBox1Change(1);
    c.Settings.windText = QStringLiteral("0");
    EXPECT_EQ(c.Button1Click(), Outcome::StayOpen);
    EXPECT_EQ(prompts.messages.size(), 3u);
    EXPECT_FALSE(session.CoeffFromCalculator);
}

TEST_F(CoefficientCalculatorTest, BadSheetDimension) {
    CoefficientCalculator& c = Calculator(7);
    c.Settings.sheetDimensionText = QStringLiteral("0");
    EXPECT_EQ(c.Button1Click(), Outcome::StayOpen);
    EXPECT_EQ(prompts.Texts(),
              QStringList{QStringLiteral(
                  "nie mozna okreslic wlasciwej grubosci, prosze spróbowac ponownie!")});
    EXPECT_EQ(session.Remembered.SurfaceCoeff, 0.0f);
    c.Settings.sheetDimensionText = QStringLiteral("2");
    EXPECT_EQ(c.Button1Click(), Outcome::Closed);
    EXPECT_EQ(session.Remembered.SheetDimension, 2.0f);
}

TEST_F(CoefficientCalculatorTest, BadRowTextsAreReportedPerComputation) {
    CoefficientCalculator& pipe = Calculator(2);
    window->Input(0).SetParaLineEditText(QStringLiteral("x"));
    EXPECT_EQ(pipe.Button1Click(), Outcome::StayOpen);
    EXPECT_EQ(prompts.Texts(),
              QStringList{QStringLiteral(
                  "nie mozna okreslic h! Prosze sprawdzic dane i spróbowac ponownie! Error: 'x' "
                  "is not a valid floating point value")});
    EXPECT_EQ(prompts.messages.back().kind, MessageKind::Error);

    CoefficientCalculator& sheet = Calculator(7);
    window->Input(0).SetParaLineEditText(QStringLiteral("x"));
    EXPECT_EQ(sheet.Button1Click(), Outcome::Closed);
    EXPECT_EQ(prompts.messages.back().kind, MessageKind::Plain);

    CoefficientCalculator& outside = Calculator(2);
    window->Input(0).SetParaLineEditText(QStringLiteral("x"));
    outside.TntRadioButton2Click();
    outside.TntComboBox1Change(1);
    EXPECT_EQ(outside.Button1Click(), Outcome::Closed);
    EXPECT_TRUE(prompts.messages.empty());
}

// Every row of the calculator's input table is read before the condensation check, so a row
// that is not a number gives the conversion failure of its computation, even where the ambient
// lies below the medium.
struct BadRow {
    const char* name;
    int type;
    bool outdoor;
    QStringList rows;    // typed in row order, a null entry leaves the row alone
    const char* message; // empty: none
    MessageKind kind;
    Outcome outcome;
};

class CalculatorBadRows : public CoefficientCalculatorTest,
                          public testing::WithParamInterface<BadRow> {};

TEST_P(CalculatorBadRows, ARowThatIsNotANumberIsReported) {
    const BadRow& b = GetParam();
    CoefficientCalculator& c = Calculator(b.type);
    Type(b.rows);
    if (b.outdoor) {
        c.TntRadioButton2Click();
        c.TntComboBox1Change(1);
    }
    session.Remembered.SurfaceCoeff = 9;
    EXPECT_EQ(c.Button1Click(), b.outcome);
    const QString message = QString::fromUtf8(b.message);
    EXPECT_EQ(prompts.Texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty() && !prompts.messages.empty()) {
        EXPECT_EQ(prompts.messages.back().kind, b.kind);
    }
    EXPECT_EQ(session.Remembered.SurfaceCoeff, 9.0f);
    EXPECT_EQ(session.CoeffFromCalculator, b.outcome == Outcome::Closed);
}

const QString N; // leaves a row as it is
INSTANTIATE_TEST_SUITE_P(
    Cases, CalculatorBadRows,
    testing::Values(
        BadRow{"EmptyHumidityIndoorPipe",
               0,
               false,
               {N, N, N, N, N, QStringLiteral("")},
               "nie mozna okreslic h! Prosze sprawdzic dane i spróbowac ponownie! Error: '' is "
               "not a valid floating point value",
               MessageKind::Error,
               Outcome::StayOpen},
        BadRow{"EmptyHumidityIndoorSheet",
               5,
               false,
               {N, N, N, N, QStringLiteral("")},
               "nie mozna okreslic h! Prosze sprawdzic dane i spróbowac ponownie! Error: '' is "
               "not a valid floating point value",
               MessageKind::Plain,
               Outcome::Closed},
        BadRow{"EmptyHumidityOutdoorPipe",
               0,
               true,
               {N, N, N, N, N, QStringLiteral("")},
               "",
               MessageKind::Plain,
               Outcome::Closed},
        BadRow{"BadDiameterWithAmbientBelowMedium",
               0,
               false,
               {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("x")},
               "nie mozna okreslic h! Prosze sprawdzic dane i spróbowac ponownie! Error: 'x' is "
               "not a valid floating point value",
               MessageKind::Error,
               Outcome::StayOpen},
        BadRow{"BadHumidityWithAmbientBelowMedium",
               5,
               false,
               {QStringLiteral("10"), QStringLiteral("20"), N, N, QStringLiteral("-")},
               "nie mozna okreslic h! Prosze sprawdzic dane i spróbowac ponownie! Error: '-' is "
               "not a valid floating point value",
               MessageKind::Plain,
               Outcome::Closed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CoefficientCalculatorTest, CondensationWithTheDewPointBelowTheMediumUsesTheClosedFormula) {
    CoefficientCalculator& c = Calculator(0);
    Type({QStringLiteral("25"), QStringLiteral("20"), QString(), QString(), QString(),
          QStringLiteral("40")});
    session.Remembered.RelativeHumidity = 40;
    EXPECT_EQ(c.Button1Click(), Outcome::Closed);
    const double dew = DewPoint(25, 40);
    const double tm = (25 + dew) / 2 + 273.15;
    EXPECT_NEAR(session.Remembered.SurfaceCoeff,
                2.268e-7 * 0.93 * tm * tm * tm + 1.74 * std::cbrt(25 - dew), 1e-4);
}

// The rounds of a condensation h change the layer's thickness, but h stays that of the outer
// diameter of the starting thickness (25.4 + 2 · 10 mm). Starting values of a pipe
// condensation window, material 0 (0.033 W/mK + 0.0001 per K, as the shipped synthetic rubber).
TEST_F(CoefficientCalculatorTest, CondensationKeepsTheStartingOuterDiameter) {
    session.Remembered.SurfaceCoeff = 9;
    CoefficientCalculator& c = Calculator(0);
    window->Input(4).SetParaLineEditText(QStringLiteral("9"));
    ASSERT_EQ(c.Button1Click(), Outcome::Closed);
    const float h = session.Remembered.SurfaceCoeff;
    EXPECT_EQ(FormatFloat(QStringLiteral("#0.000"), h), QStringLiteral("9.960"));
    // Hand check: with that h the required thickness puts the surface on the dew point, and h
    // is the coefficient of that surface on the starting outer diameter, not on the new one.
    const float dew = DewPoint(25, 60);
    const float s = RequiredThickness(session, -5, 25, 0.0254f, h, dew, 0, PipeLayer);
    EXPECT_NEAR(h, SurfaceCoefficient(dew, 25, 0.93f, 0.0454f, 0, FreeHorizontal), 2e-3);
    EXPECT_GT(std::fabs(h - SurfaceCoefficient(dew, 25, 0.93f, 0.0254f + 2 * s, 0, FreeHorizontal)),
              0.05);
    // The calculation then takes that h.
    window->Input(4).SetParaLineEditText(FormatFloat(QStringLiteral("#0.000"), h));
    ASSERT_TRUE(window->Button1Click());
    EXPECT_EQ(window->Result(1).ParaLineEditText(), QStringLiteral("7.097"));
}

TEST_F(CoefficientCalculatorTest, CondensationAmbientBelowMediumIsRefused) {
    CoefficientCalculator& c = Calculator(5);
    Type({QStringLiteral("10"), QStringLiteral("20")});
    EXPECT_EQ(c.Button1Click(), Outcome::Closed);
    EXPECT_EQ(prompts.Texts(), QStringList{QStringLiteral("Wprowadz wlasciwe dane")});
}

TEST_F(CoefficientCalculatorTest, HiddenRunUsesTheFeEmissivityAndShowsTheSurfaceWhenAsked) {
    Open(2);
    window->Input(5).ChooseMaterial(0);
    window->Input(3).SetParaLineEditText(QStringLiteral("0"));
    session.Catalogue.ShowSurfaceTemp = true;
    const float h = AutoSurfaceCoefficient(*window);
    EXPECT_TRUE(session.CoeffFromCalculator);
    EXPECT_EQ(h, session.Remembered.SurfaceCoeff);
    // A bare pipe is at the medium temperature: radiation at ε 0.44 and free horizontal convection.
    EXPECT_NEAR(h, SurfaceCoefficient(-5, 25, 0.44f, 0.0254f, 0, FreeHorizontal), 1e-4);
    EXPECT_EQ(prompts.Texts(), QStringList{QStringLiteral("Temperatura powierzchni: -5.0°C")});
}

TEST_F(CoefficientCalculatorTest, CancelClearsTheFlag) {
    CoefficientCalculator& c = Calculator(2);
    session.CoeffFromCalculator = true;
    c.TntComboBox1Change(1);
    c.Button2Click();
    EXPECT_FALSE(session.CoeffFromCalculator);
    EXPECT_EQ(c.Settings.claddingIndex, -1);
    EXPECT_EQ(session.Remembered.SurfaceCoeff, 9.0f);
}

} // namespace
