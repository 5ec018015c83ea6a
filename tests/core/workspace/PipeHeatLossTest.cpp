#include "QtPrinters.h"
#include "WindowFixture.h"
#include "engine/Physics.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "workspace/CoefficientCalculator.h"

#include <cmath>

using namespace kelvara;

namespace {

class PipeHeatLossTest : public test::StrictWindowFixture {
protected:
    void SetUp() override { Open(2); }
    // ambient, medium, diameter mm, thickness mm, length, (material), h, price
    void Enter(const char* ta, const char* tm, const char* d, const char* s, const char* l,
               int material, const char* h, const char* price) {
        Type({QString::fromUtf8(ta), QString::fromUtf8(tm), QString::fromUtf8(d),
              QString::fromUtf8(s), QString::fromUtf8(l), QString(), QString::fromUtf8(h),
              QString::fromUtf8(price)});
        window->Input(5).ChooseMaterial(material);
    }
};

TEST_F(PipeHeatLossTest, InsulatedPipeResultsAndLogLine) {
    Enter("25", "-5", "25.4", "20", "1", 0, "9", "0.5");
    ASSERT_TRUE(window->Button1Click());
    // λ at 10 °C; k = 1 / (ln(Do/D) / 2πλ + 1 / (π Do h)).
    const double lambda = 0.034, d = 0.0254, outer = 0.0654;
    const double k = 1 / (std::log(outer / d) / (6.28318 * lambda) + 1 / (outer * 9 * 3.14159));
    EXPECT_EQ(Results()[0], QStringLiteral("0.0340"));
    EXPECT_EQ(Results()[1], FormatFloat(QStringLiteral("#0.000"), k));
    EXPECT_EQ(Results()[2], FormatFloat(QStringLiteral("#0.000"), k * 30));
    EXPECT_EQ(Results()[4], QStringLiteral("0.003"));
    // The thickness row is rewritten with three decimals.
    EXPECT_EQ(window->Input(3).ParaLineEditText(), QStringLiteral("20.000"));
    ASSERT_EQ(window->ResultLog.size(), 3);
    EXPECT_EQ(window->ResultLog[2], QStringLiteral("25\t-5\t25.4\t20.000\t1\tKauczuk \t9\t0.5\t") +
                                        Results().mid(0, 5).join(u'\t') + u'\t');
    EXPECT_TRUE(window->PrintEnabled);
    EXPECT_EQ(window->Result(5).Alternatives(), AlternativeThicknesses);
    EXPECT_EQ(window->Result(5).AlternativeText(), QStringLiteral("wybierz"));
    for (const auto& row : window->ResultRows)
        EXPECT_EQ(row->EditColor(), 0);
}

TEST_F(PipeHeatLossTest, ReductionIsAgainstTheBarePipe) {
    Enter("25", "-5", "25.4", "20", "1", 0, "9", "0.5");
    ASSERT_TRUE(window->Button1Click());
    // The bare reference is the hidden calculator's h on the bare pipe.
    Session bare = test::SessionWithSmallCatalogue();
    test::RecordingPrompts quiet;
    CalculationWindow reference(bare, quiet);
    reference.TntFormShow();
    reference.Input(0).SetParaLineEditText(QStringLiteral("25"));
    reference.Input(1).SetParaLineEditText(QStringLiteral("-5"));
    reference.Input(2).SetParaLineEditText(QStringLiteral("25.4"));
    reference.Input(3).SetParaLineEditText(QStringLiteral("0"));
    reference.Input(5).ChooseMaterial(0);
    const float hb = AutoSurfaceCoefficient(reference);
    const double bareLoss = double(hb) * 3.14159 * 0.0254 * 30;
    const double q = window->Result(2).ParaLineEditText().toDouble();
    EXPECT_NEAR(window->Result(3).ParaLineEditText().toDouble(), (1 - q / bareLoss) * 100, 0.01);
    EXPECT_EQ(session.Remembered.SurfaceCoeff, 9.0f);
    EXPECT_FALSE(session.CoeffFromCalculator);
}

TEST_F(PipeHeatLossTest, BarePipeTakesTheAutomaticCoefficient) {
    Enter("25", "-5", "25.4", "0", "1", 0, "9", "0.5");
    ASSERT_TRUE(window->Button1Click());
    EXPECT_NE(window->Input(6).ParaLineEditText(), QStringLiteral("9"));
    EXPECT_EQ(window->Input(6).ParaLineEditText(),
              FormatFloat(QStringLiteral("#0.000"), session.Remembered.SurfaceCoeff));
    EXPECT_EQ(Results()[0], QStringLiteral("-/-"));
    EXPECT_EQ(Results()[1], QStringLiteral("-/-"));
    EXPECT_EQ(Results()[3], QStringLiteral("0.00"));
    EXPECT_EQ(window->Input(3).ParaLineEditText(), QStringLiteral("0.000"));
}

TEST_F(PipeHeatLossTest, EqualTemperaturesAndSigns) {
    Enter("20", "20", "25.4", "20", "1", 0, "9", "0.5");
    ASSERT_TRUE(window->Button1Click());
    EXPECT_EQ(Results()[2], QStringLiteral("0.000"));
    EXPECT_EQ(Results()[3], QStringLiteral("0"));
    EXPECT_EQ(Results()[4], QStringLiteral("0.000"));

    Enter("20", "90", "25.4", "20", "1", 1, "9", "0.5");
    ASSERT_TRUE(window->Button1Click());
    EXPECT_TRUE(Results()[2].startsWith(u'-'));
    EXPECT_FALSE(Results()[4].startsWith(u'-'));
}

TEST_F(PipeHeatLossTest, UserConductivityEntry) {
    session.Remembered.UserLambda = 0.04f;
    Enter("25", "-5", "25.4", "20", "1", 2, "9", "0.5");
    EXPECT_EQ(prompts.conductivityAsked, 1);
    ASSERT_TRUE(window->Button1Click());
    EXPECT_EQ(Results()[0], QStringLiteral("0.0400"));
    EXPECT_TRUE(window->ResultLog.last().contains(QStringLiteral("\twspólczynnik k 0.0400\t")));
}

struct Refusal {
    const char* name;
    const char *ta, *tm, *d, *s, *l;
    int material;
    const char *h, *price;
    QStringList messages; // a warning before the refusal comes first
};

class PipeHeatLossRefuses : public PipeHeatLossTest, public testing::WithParamInterface<Refusal> {};

TEST_P(PipeHeatLossRefuses, WithItsMessage) {
    const Refusal& r = GetParam();
    Enter(r.ta, r.tm, r.d, r.s, r.l, r.material, r.h, r.price);
    const QStringList before = Results();
    const bool fault = r.messages.last().startsWith(messages::CalculationError);
    for (const QString& text : r.messages)
        prompts.Expect(text, fault ? MessageKind::Error : MessageKind::Plain);
    EXPECT_FALSE(window->Button1Click());
    EXPECT_TRUE(prompts.AllShown());
    EXPECT_FALSE(window->PrintEnabled);
    EXPECT_EQ(window->ResultLog.size(), 2);
    if (!fault) {
        EXPECT_EQ(Results(), before);
    }
}

const QStringList WrongData = {messages::WrongData};

INSTANTIATE_TEST_SUITE_P(
    Cases, PipeHeatLossRefuses,
    testing::Values(
        Refusal{
            "NoMaterial", "25", "-5", "25.4", "20", "1", -1, "9", "0.5", {messages::NoMaterial}},
        Refusal{"TooHotForMaterial",
                "25",
                "120",
                "25.4",
                "20",
                "1",
                0,
                "9",
                "0.5",
                {messages::MaterialTooHot}},
        // The user entry reaches down to -200 °C: below it warns, then the range refuses.
        Refusal{"AmbientBelowRange",
                "-201",
                "-5",
                "25.4",
                "20",
                "1",
                2,
                "9",
                "0.5",
                {messages::MaterialTooCold, messages::WrongData}},
        Refusal{"DiameterBelowOneMillimetre", "25", "-5", "0.9", "20", "1", 0, "9", "0.5",
                WrongData},
        Refusal{"LengthTooShort", "25", "-5", "25.4", "20", "0.0009", 0, "9", "0.5", WrongData},
        Refusal{"HBelowOne", "25", "-5", "25.4", "20", "1", 0, "0.99", "0.5", WrongData},
        Refusal{"HAboveFifty", "25", "-5", "25.4", "20", "1", 0, "50.01", "0.5", WrongData},
        Refusal{"NegativePrice", "25", "-5", "25.4", "20", "1", 0, "9", "-0.01", WrongData},
        Refusal{"PriceTooHigh", "25", "-5", "25.4", "20", "1", 0, "9", "1000001", WrongData},
        Refusal{"NegativeThickness", "25", "-5", "25.4", "-1", "1", 0, "9", "0.5", WrongData},
        Refusal{"NotANumber",
                "25",
                "abc",
                "25.4",
                "20",
                "1",
                0,
                "9",
                "0.5",
                {messages::CalculationError + "'abc' is not a valid floating point value"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Accepted {
    const char* name;
    const char *d, *h, *price;
};

class PipeHeatLossAccepts : public PipeHeatLossTest,
                            public testing::WithParamInterface<Accepted> {};

TEST_P(PipeHeatLossAccepts, BoundaryValues) {
    Enter("25", "-5", GetParam().d, "20", "1", 0, GetParam().h, GetParam().price);
    EXPECT_TRUE(window->Button1Click()) << prompts.Texts().join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, PipeHeatLossAccepts,
                         testing::Values(Accepted{"OneMillimetre", "1", "9", "0.5"},
                                         Accepted{"HOne", "25.4", "1", "0.5"},
                                         Accepted{"HFifty", "25.4", "50", "0.5"},
                                         Accepted{"FreePrice", "25.4", "9", "0"},
                                         Accepted{"HighestPrice", "25.4", "9", "1000000"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PipeHeatLossTest, BelowTheMaterialFloorWarnsAndGoesOn) {
    Enter("25", "-5", "25.4", "20", "1", 1, "9", "0.5"); // Welna: from 0 °C
    prompts.Expect(messages::MaterialTooCold);
    EXPECT_TRUE(window->Button1Click());
}

TEST_F(PipeHeatLossTest, ChoosingAnAlternativeRecalculates) {
    Enter("25", "-5", "25.4", "20", "1", 0, "9", "0.5");
    ASSERT_TRUE(window->Button1Click());
    const QString q20 = Results()[2];
    window->Input(0).SetParaLineEditText(QStringLiteral("26")); // results go stale
    EXPECT_EQ(window->Result(0).EditColor(), 1);
    window->Result(5).ChooseAlternative(2); // "13"
    EXPECT_EQ(window->Input(3).ParaLineEditText(), QStringLiteral("13.000"));
    EXPECT_NE(Results()[2], q20);
    EXPECT_EQ(window->ResultLog.size(), 4);
    EXPECT_EQ(window->Result(0).EditColor(), 0);
}

// A recalculation that is refused leaves the results of the thickness before: they are stale,
// so that no report pairs them with the new thickness.
TEST_F(PipeHeatLossTest, AnAlternativeThatIsRefusedLeavesTheResultsStale) {
    Enter("25", "-5", "25.4", "20", "1", 0, "9", "0.5");
    ASSERT_TRUE(window->Button1Click());
    window->Input(6).SetParaLineEditText(QStringLiteral("0")); // h out of range
    prompts.Expect(messages::WrongData);
    window->Result(5).ChooseAlternative(3);
    EXPECT_EQ(window->Input(3).ParaLineEditText(), QStringLiteral("19"));
    EXPECT_TRUE(window->ResultsStale());
}

} // namespace
