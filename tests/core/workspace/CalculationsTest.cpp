#include "workspace/Calculations.h"
#include "QtPrinters.h"
#include "WindowFixture.h"
#include "shell/Messages.h"
#include "shell/ToleranceTable.h"

using namespace kelvara;

namespace {

// One case: the type, the input texts in row order (the material row by name, the flow row
// as "value unit"), and the expected texts of the result rows with an edit.
struct CalcCase {
    const char* name;
    int type;
    std::vector<const char*> inputs;
    std::vector<const char*> results;
};

class Calculations : public test::StrictWindowFixture,
                     public testing::WithParamInterface<CalcCase> {
protected:
    void SetUp() override {
        session.Remembered.UserLambda = 0.036f;
        auto table = std::make_shared<TToleranceTable>();
        table->push_back({20, 30, 0, 19, QStringLiteral("P19")});
        table->push_back({20, 30, 19, 50, QStringLiteral("P50")});
        session.PipeToleranceTable = table;
        session.SheetToleranceTable = table;
    }
    QStringList EditResults() const {
        QStringList texts;
        for (const auto& row : window->ResultRows)
            if (row->ParaLineEditAvailable())
                texts.append(row->ParaLineEditText());
        return texts;
    }
};

TEST_P(Calculations, GiveTheResultsOfTheWorkedExamples) {
    const CalcCase& c = GetParam();
    Open(c.type);
    Enter(c.inputs);
    ASSERT_TRUE(window->Button1Click()) << prompts.Texts().join(u'|').toStdString();
    QStringList expected;
    for (const char* text : c.results)
        expected.append(QString::fromUtf8(text));
    const QStringList shown = EditResults();
    ASSERT_EQ(shown.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        // "~" marks a value checked only for its sign or not at all.
        if (expected[i] == QStringLiteral("~-")) {
            EXPECT_TRUE(shown[i].startsWith(u'-')) << i;
        } else if (expected[i] == QStringLiteral("~+")) {
            EXPECT_FALSE(shown[i].startsWith(u'-')) << i;
        } else if (expected[i] != QStringLiteral("~")) {
            EXPECT_EQ(shown[i], expected[i]) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Calculations,
    testing::Values(
        CalcCase{"DropWarmMedium",
                 3,
                 {"20", "80", "1000", "4180", "1 m/s", "50", "20", "100", "wspólczynnik k", "9"},
                 {"0.0360", "0.24", "~-"}},
        CalcCase{"DropVolumeFlow",
                 3,
                 {"20", "80", "1000", "4180", "2 l/s", "50", "20", "100", "wspólczynnik k", "9"},
                 {"0.0360", "0.24", "~-"}},
        CalcCase{"DropColdMedium",
                 3,
                 {"20", "5", "1000", "4180", "1 m/s", "50", "20", "100", "wspólczynnik k", "9"},
                 {"0.0360", "-0.06", "~+"}},
        CalcCase{"DropEqualTemperatures",
                 3,
                 {"20", "20", "1000", "4180", "3 ft/s", "50", "0", "10", "Kauczuk", "9"},
                 {"-/-", "0.00", "0.000"}},
        CalcCase{
            "Freezing",
            4,
            {"-10", "5", "1000", "4180", "0", "335", "20", "25.4", "10", "wspólczynnik k", "9"},
            {"3.95"}},
        CalcCase{"FreezingCoolingOnly",
                 4,
                 {"-10", "5", "1000", "4180", "0", "0", "20", "25.4", "10", "wspólczynnik k", "9"},
                 {"0.80"}},
        CalcCase{"FreezingNever",
                 4,
                 {"5", "20", "1000", "4180", "0", "335", "20", "25.4", "10", "Kauczuk", "9"},
                 {"nigdy"}},
        CalcCase{"FreezingNeverAtTheFreezingPoint",
                 4,
                 {"0", "20", "1000", "4180", "0", "335", "20", "25.4", "10", "Kauczuk", "9"},
                 {"nigdy"}},
        CalcCase{"FrozenAlready",
                 4,
                 {"10", "-5", "1000", "4180", "0", "335", "20", "25.4", "10", "Kauczuk", "9"},
                 {"zamarzniety"}},
        CalcCase{"FreezingUndefinedOrder",
                 4,
                 {"0", "0", "1000", "4180", "-2", "335", "100", "25.4", "10", "Kauczuk", "9"},
                 {""}},
        CalcCase{"SheetLoss",
                 6,
                 {"20", "80", "20", "1", "wspólczynnik k", "9", "0.5"},
                 {"0.0360", "1.500", "-90.000", "~", "0.045"}},
        CalcCase{"SheetLossEqual",
                 6,
                 {"20", "20", "20", "1", "Kauczuk", "9", "0.5"},
                 {"0.0350", "~", "0.000", "0", "0.000"}},
        CalcCase{"SheetSurface", 7, {"20", "80", "20", "wspólczynnik k", "9"}, {"0.0360", "30.00"}},
        CalcCase{"SheetSurfaceColdMedium",
                 7,
                 {"20", "-10", "20", "wspólczynnik k", "9"},
                 {"0.0360", "15.00"}},
        CalcCase{"SheetSurfaceBare", 7, {"20", "-10", "0", "Kauczuk", "9"}, {"-/-", "-10.00"}},
        CalcCase{
            "PipeSurfaceEqual", 1, {"20", "20", "25.4", "20", "Kauczuk", "9"}, {"0.0350", "20.00"}},
        CalcCase{"PipeSurfaceBare", 1, {"25", "-5", "25.4", "0", "Kauczuk", "9"}, {"-/-", "-5.00"}},
        CalcCase{"PipeCondensationNotNeeded",
                 0,
                 {"20", "15", "25.4", "Kauczuk", "9", "60"},
                 {"11.99", "- / -", "- / -"}},
        CalcCase{"PipeCondensationSize",
                 0,
                 {"25", "-5", "25.4", "Kauczuk", "9", "80"},
                 {"21.30", "~", "P19"}},
        CalcCase{"PipeCondensationUserLambda",
                 0,
                 {"25", "-5", "25.4", "wspólczynnik k", "9", "80"},
                 {"21.30", "~", "-/-"}},
        CalcCase{"SheetCondensationDry",
                 5,
                 {"25", "-5", "Kauczuk", "9", "0"},
                 {"-109.80", "-/-", "-/-"}},
        CalcCase{
            "SheetCondensationSize", 5, {"25", "-5", "Kauczuk", "9", "80"}, {"21.30", "~", "P50"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    int type;
    std::vector<const char*> inputs;
    QString message;
};

class Refusals : public test::StrictWindowFixture,
                 public testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusals, StopWithTheirMessageAndChangeNothing) {
    const RefusalCase& c = GetParam();
    Open(c.type);
    Enter(c.inputs);
    const float thickness = session.Remembered.InsulationThickness;
    prompts.Expect(c.message);
    EXPECT_FALSE(window->Button1Click());
    EXPECT_TRUE(prompts.AllShown());
    EXPECT_EQ(window->ResultLog.size(), 2);
    EXPECT_EQ(session.Remembered.InsulationThickness, thickness);
}

const QString& Wrong = messages::WrongData;

INSTANTIATE_TEST_SUITE_P(
    Messages, Refusals,
    testing::Values(
        RefusalCase{"DropNoMaterialFirst",
                    3,
                    {"", "", "", "", "", "", "", "", "", ""},
                    messages::NoMaterial},
        RefusalCase{"DropNoUnit",
                    3,
                    {"", "", "", "", "0.2 none", "", "", "", "Kauczuk", ""},
                    messages::NoFlowUnit},
        RefusalCase{"DropFlowTooSmall",
                    3,
                    {"", "", "", "", "0.0009 l/s", "", "", "", "Kauczuk", ""},
                    Wrong},
        RefusalCase{
            "DropFlowTooLarge", 3, {"", "", "", "", "3300 ft/s", "", "", "", "Kauczuk", ""}, Wrong},
        RefusalCase{"DropHotMedium",
                    3,
                    {"20", "120", "", "", "", "", "", "", "Kauczuk", ""},
                    messages::MaterialTooHot},
        RefusalCase{
            "DropHAbove50", 3, {"20", "80", "", "", "", "", "", "", "Kauczuk", "50.1"}, Wrong},
        RefusalCase{"FreezingShareAbove100",
                    4,
                    {"-10", "5", "", "", "", "", "101", "", "", "Kauczuk", ""},
                    Wrong},
        RefusalCase{"FreezingEnthalpyTooHigh",
                    4,
                    {"-10", "5", "", "", "", "10001", "", "", "", "Kauczuk", ""},
                    Wrong},
        RefusalCase{
            "SheetAreaAtTheBound", 6, {"20", "80", "20", "0.01", "Kauczuk", "9", "0.5"}, Wrong},
        RefusalCase{"SheetSurfaceHBelowOne", 7, {"20", "80", "20", "Kauczuk", "0.99"}, Wrong},
        RefusalCase{
            "CondensationMediumWarmer", 0, {"20", "21", "25.4", "Kauczuk", "9", "60"}, Wrong},
        RefusalCase{
            "CondensationHumidityLow", 0, {"20", "5", "25.4", "Kauczuk", "9", "24.9"}, Wrong},
        RefusalCase{
            "CondensationHumidityHigh", 0, {"20", "5", "25.4", "Kauczuk", "9", "96.1"}, Wrong},
        RefusalCase{"SheetCondensationHumidityHigh", 5, {"20", "5", "Kauczuk", "9", "96.1"}, Wrong},
        RefusalCase{"SheetCondensationMediumWarmer", 5, {"20", "21", "Kauczuk", "9", "50"}, Wrong}),
    [](const auto& info) { return std::string(info.param.name); });

class FreezingSeries_ : public test::StrictWindowFixture {};

TEST_F(FreezingSeries_, FollowsTheStandardThicknesses) {
    session.Remembered.UserLambda = 0.036f;
    Open(4);
    const QStringList inputs = {"-10", "5", "1000", "4180", "0", "335", "20", "25.4", "10"};
    Type(inputs);
    window->Input(9).ChooseMaterial(2);
    window->Input(10).SetParaLineEditText(QStringLiteral("9"));
    ASSERT_TRUE(window->Button1Click());
    EXPECT_EQ(window->Result(1).Alternatives(),
              (QStringList{"6 mm : 3.14", "13 mm : 4.50", "19 mm : 5.44", "25 mm : 6.24",
                           "32 mm : 7.04", "40 mm : 7.83", "50 mm : 8.67"}));
    EXPECT_EQ(window->Result(1).AlternativeText(), QStringLiteral("wybierz"));
    EXPECT_EQ(
        window->ResultLog.last(),
        QStringLiteral(
            "-10\t5\t1000\t4180\t0[°C]\t335\t20\t25.4\t10\twspólczynnik k 0.0360\t9\t3.95\t"));

    // Never freezing: the series is emptied.
    window->Input(0).SetParaLineEditText(QStringLiteral("5"));
    window->Input(1).SetParaLineEditText(QStringLiteral("20"));
    ASSERT_TRUE(window->Button1Click());
    EXPECT_EQ(window->Result(0).ParaLineEditText(), QStringLiteral("nigdy"));
    EXPECT_TRUE(window->Result(1).Alternatives().isEmpty());
    EXPECT_EQ(window->Result(1).AlternativeText(), QStringLiteral("wybierz"));
}

TEST_F(FreezingSeries_, LowerLimitWarningShowsOnce) {
    Open(4);
    Type({"-10", "-5", "1000", "4180", "0", "335", "20", "25.4", "10"});
    window->Input(9).ChooseMaterial(1); // from 0 °C
    prompts.Expect(messages::MaterialTooCold);
    ASSERT_TRUE(window->Button1Click());
}

TEST_F(FreezingSeries_, CondensationRemembersTheThickness) {
    auto table = std::make_shared<TToleranceTable>();
    session.PipeToleranceTable = table;
    Open(0);
    Type({"25", "-5", "25.4", QString(), "9", "80"});
    window->Input(3).ChooseMaterial(0);
    ASSERT_TRUE(window->Button1Click());
    EXPECT_EQ(window->Result(2).ParaLineEditText(), QStringLiteral("patrz Pomoc"));
    EXPECT_NEAR(session.Remembered.InsulationThickness * 1000,
                window->Result(1).ParaLineEditText().toDouble(), 0.001);
    // Without a table the size says so and the calculation still completes.
    session.PipeToleranceTable.reset();
    prompts.Expect(messages::ToleranceNotReadable + messages::PipesTableNotOpen,
                   MessageKind::Error);
    ASSERT_TRUE(window->Button1Click());
    EXPECT_EQ(window->Result(2).ParaLineEditText(), QStringLiteral("Error!"));
}

} // namespace
