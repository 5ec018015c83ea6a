#include "QtPrinters.h"
#include "WindowFixture.h"

using namespace kelvara;

namespace {

struct TypeCase {
    int type;
    const char* caption;
    int inputs;
    int results;
    const char* headerEnd;
};

class CalculationTypes : public test::WindowFixture,
                         public testing::WithParamInterface<TypeCase> {};

TEST_P(CalculationTypes, BuildRowsAndLogHeading) {
    const TypeCase& c = GetParam();
    Open(c.type);
    EXPECT_EQ(window->InputRows.size(), std::size_t(c.inputs));
    EXPECT_EQ(window->ResultRows.size(), std::size_t(c.results));
    ASSERT_EQ(window->ResultLog.size(), 2);
    EXPECT_EQ(window->ResultLog[0], QString::fromUtf8(c.caption));
    EXPECT_TRUE(window->ResultLog[1].startsWith(QStringLiteral("Temp otoczenia\tTemp czynnika\t")));
    EXPECT_TRUE(window->ResultLog[1].endsWith(QString::fromUtf8(c.headerEnd)))
        << window->ResultLog[1].toStdString();
    EXPECT_FALSE(window->ResultLog[1].endsWith(u'\t'));
    EXPECT_FALSE(window->PrintEnabled);
    EXPECT_TRUE(window->CopyHeaderPending);
    const CalculationTypeSpec& info = window->TypeInfo();
    EXPECT_EQ(window->Input(info.materialRow).MaterialText(), QStringLiteral("wybierz"));
    EXPECT_EQ(window->Input(info.hRow).ButtonText(), QStringLiteral("oblicz h"));
    EXPECT_TRUE(window->Input(info.hRow).Get_h_enabled());
    EXPECT_EQ(window->Input(info.hRow).ParaLineEditText(), QStringLiteral("9.000"));
    EXPECT_EQ(window->MediumRowIndex, info.mediumRow);
    for (const auto& row : window->ResultRows) {
        if (row->ParaLineEditAvailable()) {
            EXPECT_TRUE(row->ParaLineEditText().isEmpty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, CalculationTypes,
    testing::Values(
        TypeCase{0, "Zabezpieczanie przed kondensacja na rurach", 6, 3,
                 "\tminimalna grubosc izolacji\tRozmiar izolacji VELTAR"},
        TypeCase{1, "Obliczanie temperatury powierzchni", 6, 2, "\tTemperatura powierzchni"},
        TypeCase{2, "Obliczanie strat ciepla w rurociagu", 8, 6,
                 "\tStraty Q przez izolacje\tkoszty na godzine"},
        TypeCase{3, "Obliczanie spadków temperatur w rurociagu", 10, 3,
                 "\tSpadek temperatury\tStraty ciepla Q"},
        TypeCase{4, "Obliczanie czasu zamarzania rurociagów", 11, 2,
                 "Wspólczynnik przejmowania ciepla z powierzchni h\tkrytyczny czas zamarzania"},
        TypeCase{5, "Zabezpieczanie przed kondensacja na powierzchniach plaskich", 5, 3,
                 "\tRozmiar izolacji VELTAR"},
        TypeCase{6, "Obliczanie strat ciepla na powierzchniach plaskich", 7, 6,
                 "\tkoszty na godzine"},
        TypeCase{7, "Obliczanie temperatur powierzchni plaskich", 5, 2,
                 "lambda\tTemperatura powierzchni"}));

class CalculationWindowTest : public test::WindowFixture {};

TEST_F(CalculationWindowTest, InitialTextsFollowTheirPatterns) {
    Open(2);
    EXPECT_EQ(window->Input(0).ParaLineEditText(), QStringLiteral("25.00"));
    EXPECT_EQ(window->Input(1).ParaLineEditText(), QStringLiteral("-5.00"));
    EXPECT_EQ(window->Input(2).ParaLineEditText(), QStringLiteral("25.400"));
    EXPECT_EQ(window->Input(3).ParaLineEditText(), QStringLiteral("10.000"));
    EXPECT_EQ(window->Input(4).ParaLineEditText(), QStringLiteral("1.000"));
    EXPECT_EQ(window->Input(7).ParaLineEditText(), QStringLiteral("0.500"));
    EXPECT_EQ(window->Result(5).MoveAlternative(), 60);
    Open(3);
    EXPECT_EQ(window->Input(7).ParaLineEditText(), QStringLiteral("1.00"));
    EXPECT_EQ(window->Input(4).FlowRateText(), QStringLiteral("m/s"));
    EXPECT_EQ(window->Input(4).FlowRateItemList(), FlowRateUnits);
    Open(4);
    EXPECT_EQ(window->Input(6).ParaLineEditText(), QStringLiteral("20"));
    EXPECT_EQ(window->Result(1).MoveAlternative(), 0);
}

TEST_F(CalculationWindowTest, MediumValuesComeFromTheCatalogueAtEveryOpening) {
    session.Remembered.LastMediumIndex = 1;
    session.Remembered.MediumDensity = 1.0f;
    Open(4);
    EXPECT_EQ(window->Input(2).MediumText(), QStringLiteral("Glikol"));
    EXPECT_EQ(window->Input(2).ParaLineEditText(), QStringLiteral("1040.00"));
    EXPECT_EQ(window->Input(4).ParaLineEditText(), QStringLiteral("-15.00"));
    // The filling paints the results stale at once.
    EXPECT_EQ(window->Result(0).EditColor(), 1);
    // Without media the remembered values stand.
    session.Catalogue.MediumNames.clear();
    session.Catalogue.MediumRecords.clear();
    Open(3);
    EXPECT_EQ(window->Input(2).ParaLineEditText(), QStringLiteral("1.00"));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CalculationWindowTest, RememberedMaterialIsSelectedUnlessItIsTheUserEntry) {
    session.Remembered.LastMaterialIndex = 1;
    Open(1);
    EXPECT_EQ(window->Input(4).MaterialText(), QStringLiteral("Welna"));
    session.Remembered.LastMaterialIndex = 2;
    Open(1);
    EXPECT_EQ(window->Input(4).MaterialIndex(), -1);
    EXPECT_EQ(window->Input(4).MaterialText(), QStringLiteral("wybierz"));
    session.Remembered.LastMaterialIndex = 7;
    Open(1);
    EXPECT_EQ(window->Input(4).MaterialIndex(), -1);
}

TEST_F(CalculationWindowTest, CalculatorFlagSurvivesTheOpening) {
    session.CoeffFromCalculator = true;
    Open(2);
    EXPECT_TRUE(session.CoeffFromCalculator);
}

// A field that does not convert keeps its value from before; every other field is kept.
TEST_F(CalculationWindowTest, ClosingKeepsEveryInputThatConverts) {
    Open(2);
    Type({QStringLiteral("21"), QStringLiteral("-7"), QStringLiteral("33,7"), QStringLiteral("13"),
          QStringLiteral(""), QString(), QStringLiteral("8"), QStringLiteral("-")});
    window->Input(5).ChooseMaterial(1);
    window->TntFormClose();
    const RememberedValues& r = session.Remembered;
    EXPECT_EQ(r.AmbientTemp, 21.0f);
    EXPECT_EQ(r.MediumTemp, -7.0f);
    EXPECT_FLOAT_EQ(r.PipeDiameter, 0.0337f);
    EXPECT_FLOAT_EQ(r.InsulationThickness, 0.013f);
    EXPECT_EQ(r.PipeLength, 1.0f);
    EXPECT_EQ(r.SurfaceCoeff, 8.0f);
    EXPECT_EQ(r.EnergyCost, 0.5f);
    EXPECT_EQ(r.LastMaterialIndex, 1);
    EXPECT_TRUE(window->InputRows.empty());
    EXPECT_TRUE(window->ResultLog.isEmpty());

    // A second opening shows what was kept.
    Open(2);
    EXPECT_EQ(window->Input(0).ParaLineEditText(), QStringLiteral("21.00"));
    EXPECT_EQ(window->Input(2).ParaLineEditText(), QStringLiteral("33.700"));
}

TEST_F(CalculationWindowTest, ClosingKeepsSelections) {
    Open(3);
    window->Input(8).ChooseMaterial(1);
    window->Input(2).ChooseMedium(1);
    window->Input(4).ChooseFlowRate(3);
    window->TntFormClose();
    EXPECT_EQ(session.Remembered.LastMaterialIndex, 1);
    EXPECT_EQ(session.Remembered.LastMediumIndex, 1);
    EXPECT_EQ(session.Remembered.LastFlowRateIndex, 3);
    EXPECT_EQ(session.Remembered.MediumSpecificHeat, 3700.0f);
}

TEST_F(CalculationWindowTest, ANumberTooLargeForStorageIsNotKept) {
    Open(7);
    Type({QStringLiteral("1e60")});
    window->TntFormClose();
    EXPECT_EQ(session.Remembered.AmbientTemp, 25.0f);
}

} // namespace

namespace {

struct RolesCase {
    int type;
    int material, h, thickness, medium, flow, choice, choiceTarget;
    int ambient, mediumTemp, diameter, humidity;
    bool sheet, freezingSeries, condensation;
    std::vector<int> keptNumbers;  // rows whose numbers closing keeps, in order
    std::vector<int> keptInMetres; // of those, the rows typed in mm
};

// The row layouts of the eight types, row by row.
const RolesCase RolesCases[] = {
    {0, 3, 4, -1, -1, -1, -1, -1, 0, 1, 2, 5, false, false, true, {0, 1, 2, 4, 5}, {2}},
    {1, 4, 5, 3, -1, -1, -1, -1, 0, 1, 2, -1, false, false, false, {0, 1, 2, 3, 5}, {2, 3}},
    {2, 5, 6, 3, -1, -1, 5, 3, 0, 1, 2, -1, false, false, false, {0, 1, 2, 3, 4, 6, 7}, {2, 3}},
    {3,
     8,
     9,
     6,
     2,
     4,
     -1,
     -1,
     0,
     1,
     5,
     -1,
     false,
     false,
     false,
     {0, 1, 2, 3, 4, 5, 6, 7, 9},
     {5, 6}},
    {4,
     9,
     10,
     8,
     2,
     -1,
     1,
     -1,
     0,
     1,
     7,
     -1,
     false,
     true,
     false,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 10},
     {7, 8}},
    {5, 2, 3, -1, -1, -1, -1, -1, 0, 1, -1, 4, true, false, true, {0, 1, 3, 4}, {}},
    {6, 4, 5, 2, -1, -1, 5, 2, 0, 1, -1, -1, true, false, false, {0, 1, 2, 3, 5, 6}, {2}},
    {7, 3, 4, 2, -1, -1, -1, -1, 0, 1, -1, -1, true, false, false, {0, 1, 2, 4}, {2}},
};

class TypeTableRoles : public testing::TestWithParam<RolesCase> {};

TEST_P(TypeTableRoles, FollowFromTheRowTags) {
    const RolesCase& c = GetParam();
    const CalculationTypeSpec& t = CalculationTypeOf(c.type);
    EXPECT_EQ(t.materialRow, c.material);
    EXPECT_EQ(t.hRow, c.h);
    EXPECT_EQ(t.thicknessRow, c.thickness);
    EXPECT_EQ(t.mediumRow, c.medium);
    EXPECT_EQ(t.flowRow, c.flow);
    EXPECT_EQ(t.choiceRow, c.choice);
    EXPECT_EQ(t.choiceTargetRow, c.choiceTarget);
    EXPECT_EQ(t.ambientRow, c.ambient);
    EXPECT_EQ(t.mediumTempRow, c.mediumTemp);
    EXPECT_EQ(t.diameterRow, c.diameter);
    EXPECT_EQ(t.humidityRow, c.humidity);
    EXPECT_EQ(t.IsSheet(), c.sheet);
    EXPECT_EQ(t.HasFreezingSeries(), c.freezingSeries);
    EXPECT_EQ(t.IsCondensation(), c.condensation);

    using What = KeptValue::What;
    std::vector<int> numbers, inMetres, selections;
    std::vector<What> selectionKinds;
    for (const KeptValue& kept : t.kept) {
        if (kept.what == What::Number) {
            EXPECT_TRUE(selections.empty()) << "numbers come before the selections";
            numbers.push_back(kept.row);
            if (kept.scale != 1.0L) {
                EXPECT_EQ(kept.scale, 0.001L) << kept.row;
                inMetres.push_back(kept.row);
            }
        } else {
            selections.push_back(kept.row);
            selectionKinds.push_back(kept.what);
        }
    }
    EXPECT_EQ(numbers, c.keptNumbers);
    EXPECT_EQ(inMetres, c.keptInMetres);
    std::vector<int> wantSelections = {c.material};
    std::vector<What> wantKinds = {What::MaterialSelection};
    if (c.medium >= 0) {
        wantSelections.push_back(c.medium);
        wantKinds.push_back(What::MediumSelection);
    }
    if (c.flow >= 0) {
        wantSelections.push_back(c.flow);
        wantKinds.push_back(What::FlowRateSelection);
    }
    EXPECT_EQ(selections, wantSelections);
    EXPECT_EQ(selectionKinds, wantKinds);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, TypeTableRoles, testing::ValuesIn(RolesCases),
                         [](const auto& info) { return std::to_string(info.param.type); });

} // namespace
