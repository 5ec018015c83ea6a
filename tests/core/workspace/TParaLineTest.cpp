#include "workspace/TParaLine.h"
#include "QtPrinters.h"
#include "WindowFixture.h"
#include "shell/NumberText.h"
#include "workspace/CoefficientCalculator.h"

#include <functional>

using namespace kelvara;

namespace {

TEST(RowLayout, SpreadsRowsEvenly) {
    // Eleven rows in 387 pixels with an offset of 9.
    const RowLayout layout = LayoutRows(387, 11, 9);
    EXPECT_EQ(layout.gap, 8);
    EXPECT_EQ(layout.Top(0), 17);
    EXPECT_EQ(layout.Top(1), 51);
    EXPECT_EQ(layout.Top(2), 85);
    // Integer division truncates toward zero, also for a box too small for its rows.
    EXPECT_EQ(LayoutRows(50, 2, 9).gap, -0);
    EXPECT_EQ(LayoutRows(40, 2, 9).gap, -4);
}

TEST(TParaLine, AvailabilityFollowsTheKind) {
    struct Case {
        RowKind kind;
        bool edit, material, flow, h, medium, unit, alternatives;
    };
    const Case cases[] = {
        {RowKind::rkEdit, true, false, false, false, false, true, false},
        {RowKind::rkMaterial, false, true, false, false, false, false, false},
        {RowKind::rkCoefficient, true, false, false, true, false, true, false},
        {RowKind::rkFlowRate, true, false, true, false, false, true, false},
        {RowKind::rkResult, true, false, false, false, false, true, false},
        {RowKind::rkResultChoice, false, false, false, false, false, true, true},
        {RowKind::rkMedium, true, false, false, false, true, true, false},
    };
    for (const Case& c : cases) {
        const TParaLine row(c.kind, nullptr);
        EXPECT_TRUE(row.ParaLineLabelAvailable());
        EXPECT_EQ(row.ParaLineEditAvailable(), c.edit) << int(c.kind);
        EXPECT_EQ(row.ParaLineMaterialAvailable(), c.material) << int(c.kind);
        EXPECT_EQ(row.ParaLineFlowRateAvailable(), c.flow) << int(c.kind);
        EXPECT_EQ(row.ParaLinehButtonAvailable(), c.h) << int(c.kind);
        EXPECT_EQ(row.ParaLineMediumAvailable(), c.medium) << int(c.kind);
        EXPECT_EQ(row.ParaLineUnitAvailable(), c.unit) << int(c.kind);
        EXPECT_EQ(row.AlternativesAvailable(), c.alternatives) << int(c.kind);
    }
}

TEST(TParaLine, MaterialIndexNeverSelectsTheUserEntry) {
    TParaLine row(RowKind::rkMaterial, nullptr);
    row.SetMaterialItems({QStringLiteral("A"), QStringLiteral("wspólczynnik k")});
    EXPECT_EQ(row.MaterialText(), QStringLiteral("wybierz"));
    row.SetMaterialIndex(-1);
    EXPECT_EQ(row.MaterialText(), QStringLiteral("wybierz"));
    row.SetMaterialIndex(1);
    EXPECT_EQ(row.MaterialIndex(), -1);
    EXPECT_EQ(row.MaterialText(), QStringLiteral("wybierz"));
    row.SetMaterialIndex(0);
    EXPECT_EQ(row.MaterialText(), QStringLiteral("A"));
    row.SetMaterialIndex(2); // past the end: nothing happens
    EXPECT_EQ(row.MaterialIndex(), 0);
}

TEST(TParaLine, AlternativesSelectTheirFirstEntry) {
    TParaLine row(RowKind::rkResultChoice, nullptr);
    row.SetAlternatives({QStringLiteral("6"), QStringLiteral("9")});
    EXPECT_EQ(row.AlternativeIndex(), 0);
    EXPECT_EQ(row.AlternativeText(), QStringLiteral("6"));
    EXPECT_EQ(row.Alternatives(), (QStringList{QStringLiteral("6"), QStringLiteral("9")}));
    row.SetAlternatives({});
    EXPECT_EQ(row.AlternativeIndex(), -1);
    EXPECT_TRUE(row.Alternatives().isEmpty());
    row.SetMoveAlternative(60);
    EXPECT_EQ(row.MoveAlternative(), 60);
}

class RowReactions : public test::WindowFixture {};

// Every input a calculation reads leaves its results behind when it changes: each edit (the
// flow and the density too, before any medium was chosen), the flow unit and each list.
TEST_F(RowReactions, EveryInputChangePaintsResultsStale) {
    session.Remembered.LastMediumIndex = -1;
    for (int type = 0; type < 8; ++type) {
        Open(type);
        for (int i = 0; i < int(window->InputRows.size()); ++i) {
            SCOPED_TRACE(testing::Message() << "type " << type << " row " << i);
            TParaLine& row = window->Input(i);
            window->MarkResultsCurrent();
            if (row.ParaLineMaterialAvailable())
                row.ChooseMaterial(row.MaterialIndex() == 0 ? 1 : 0);
            else
                row.SetParaLineEditText(row.ParaLineEditText() + u'1');
            EXPECT_TRUE(window->ResultsStale());
            if (row.ParaLineFlowRateAvailable()) {
                window->MarkResultsCurrent();
                row.ChooseFlowRate(row.FlowRateIndex() == 1 ? 2 : 1);
                EXPECT_TRUE(window->ResultsStale());
            }
        }
    }
}

// A new h leaves the results behind like any other input, so no report pairs them.
TEST_F(RowReactions, TypedHClearsTheCalculatorFlagAndMarksTheResultsStale) {
    Open(2);
    window->MarkResultsCurrent();
    EXPECT_FALSE(window->ResultsStale());
    session.CoeffFromCalculator = true;
    window->Input(6).SetParaLineEditText(QStringLiteral("8"));
    EXPECT_FALSE(session.CoeffFromCalculator);
    EXPECT_EQ(window->Result(0).EditColor(), 1);
    EXPECT_TRUE(window->ResultsStale());
}

TEST_F(RowReactions, ChoosingTheUserEntryAsksForTheConductivity) {
    Open(1);
    prompts.userConductivity = 0.05f;
    window->MarkResultsCurrent();
    window->Input(4).ChooseMaterial(0);
    EXPECT_EQ(prompts.conductivityAsked, 0);
    EXPECT_EQ(window->Result(0).EditColor(), 1);
    window->Input(4).ChooseMaterial(2);
    EXPECT_EQ(prompts.conductivityAsked, 1);
    EXPECT_FLOAT_EQ(session.Remembered.UserLambda, 0.05f);
    prompts.userConductivity.reset(); // cancelled: the value stays
    window->Input(4).ChooseMaterial(2);
    EXPECT_FLOAT_EQ(session.Remembered.UserLambda, 0.05f);
}

TEST_F(RowReactions, MediumChoiceFillsTheDependentRows) {
    Open(4);
    window->MarkResultsCurrent();
    window->Input(2).ChooseMedium(1);
    EXPECT_EQ(window->Input(2).ParaLineEditText(), QStringLiteral("1040.00"));
    EXPECT_EQ(window->Input(3).ParaLineEditText(), QStringLiteral("3700.00"));
    EXPECT_EQ(window->Input(4).ParaLineEditText(), QStringLiteral("-15.00"));
    EXPECT_EQ(window->Input(5).ParaLineEditText(), QStringLiteral("235.00"));
    EXPECT_EQ(window->Result(0).EditColor(), 1);
    // Once a medium was chosen, typing a density paints the results stale.
    window->MarkResultsCurrent();
    window->Input(2).SetParaLineEditText(QStringLiteral("999"));
    EXPECT_EQ(window->Result(0).EditColor(), 1);
    window->Input(2).SetMediumIndex(5); // past the end: nothing
    EXPECT_EQ(window->Input(2).MediumIndex(), 1);
}

TEST_F(RowReactions, MediumWithoutRecordIsReported) {
    session.Catalogue.MediumRecords.pop_back(); // a name left without its record
    Open(3);
    window->Input(2).ChooseMedium(1);
    EXPECT_EQ(prompts.Texts(), QStringList{QStringLiteral(
                                   "niewlasciwe parametry czynnikaList index out of bounds (1)")});
    EXPECT_EQ(prompts.messages.front().kind, MessageKind::Error);
}

TEST_F(RowReactions, HButtonNeedsAMaterial) {
    Open(2);
    window->Input(6).ClickHButton();
    EXPECT_EQ(prompts.Texts(),
              QStringList{QStringLiteral("Przed obliczeniami prosze podac typ materialu.")});
    EXPECT_EQ(prompts.calculatorShown, 0);
}

TEST_F(RowReactions, HButtonWritesTheCalculatorsCoefficient) {
    Open(2);
    window->Input(5).ChooseMaterial(0);
    prompts.answerCalculator = [](CoefficientCalculator& calculator) {
        calculator.TntFormShow();
        calculator.FormActivate();
        EXPECT_EQ(calculator.Settings.emissivityText, QStringLiteral("0.93"));
        calculator.TntRadioButton2Click();
        EXPECT_EQ(calculator.TntComboBox1Change(2), CoefficientCalculator::Outcome::StayOpen);
        EXPECT_EQ(calculator.Button1Click(), CoefficientCalculator::Outcome::Closed);
    };
    window->Input(6).ClickHButton();
    EXPECT_EQ(prompts.calculatorShown, 1);
    EXPECT_EQ(window->Input(6).ParaLineEditText(),
              FormatFloat(QStringLiteral("#0.000"), session.Remembered.SurfaceCoeff));
    EXPECT_NE(session.Remembered.SurfaceCoeff, 9.0f);
    // Outdoors with a cladding: the flag survives the write of the h row.
    EXPECT_TRUE(session.CoeffFromCalculator);
    EXPECT_EQ(session.CalculatorCladdingIndex, 2);
    EXPECT_FLOAT_EQ(session.Remembered.Emissivity, 0.13f);
}

TEST_F(RowReactions, HButtonOnABareSurfaceOffersNoCladding) {
    Open(2);
    window->Input(5).ChooseMaterial(0);
    window->Input(3).SetParaLineEditText(QStringLiteral("0"));
    bool outdoorVisible = true, claddingVisible = true;
    prompts.answerCalculator = [&](CoefficientCalculator& calculator) {
        outdoorVisible = calculator.Settings.outdoorOptionVisible;
        claddingVisible = calculator.Settings.claddingVisible;
        calculator.Button2Click();
    };
    window->Input(6).ClickHButton();
    EXPECT_FALSE(outdoorVisible);
    EXPECT_FALSE(claddingVisible);
    EXPECT_FLOAT_EQ(session.Remembered.Emissivity, 0.44f);
    EXPECT_FALSE(session.CoeffFromCalculator);
    EXPECT_EQ(session.CalculatorCladdingIndex, -1);
    EXPECT_EQ(window->Input(6).ParaLineEditText(), QStringLiteral("9.000"));
}

// The calculator leaves the h row alone unless it returns a new h: a typed h survives
// "Anuluj" and runs that end without a coefficient, and with it what the report says of it.
TEST_F(RowReactions, HButtonWithoutANewCoefficientKeepsTheTypedH) {
    using Calculator = CoefficientCalculator;
    const std::vector<std::pair<const char*, std::function<void(Calculator&)>>> closings = {
        {"Anuluj", [](Calculator& c) { c.Button2Click(); }},
        {"emissivity out of range",
         [](Calculator& c) {
             c.Settings.emissivityText = QStringLiteral("1.5");
             EXPECT_EQ(c.Button1Click(), Calculator::Outcome::Closed);
         }},
        {"cladding without emissivity",
         [](Calculator& c) {
             c.TntRadioButton2Click();
             EXPECT_EQ(c.TntComboBox1Change(3), Calculator::Outcome::Closed);
         }},
    };
    for (const auto& [name, close] : closings) {
        SCOPED_TRACE(name);
        Open(2);
        window->Input(5).ChooseMaterial(0);
        prompts.answerCalculator = [](Calculator& c) {
            c.TntFormShow();
            c.FormActivate();
            c.TntRadioButton2Click();
            c.TntComboBox1Change(2);
            c.Button1Click();
        };
        window->Input(6).ClickHButton();
        ASSERT_TRUE(session.CoeffFromCalculator);
        window->Input(6).SetParaLineEditText(QStringLiteral("8"));
        ASSERT_TRUE(window->Button1Click());
        const float earlier = session.Remembered.SurfaceCoeff;
        const int cladding = session.CalculatorCladdingIndex;
        prompts.answerCalculator = [&close](Calculator& c) {
            c.TntFormShow();
            c.FormActivate();
            close(c);
        };
        window->Input(6).ClickHButton();
        EXPECT_EQ(window->Input(6).ParaLineEditText(), QStringLiteral("8"));
        EXPECT_FALSE(session.CoeffFromCalculator);
        EXPECT_EQ(session.CalculatorCladdingIndex, cladding);
        EXPECT_FALSE(window->ResultsStale());
        EXPECT_EQ(session.Remembered.SurfaceCoeff, earlier);
    }
}

// The calculations take h from 1 to 50 W/m²K; an h outside is returned with a warning.
TEST_F(RowReactions, HButtonWarnsOfACoefficientTheCalculationsRefuse) {
    for (const char* wind : {"1", "10"}) {
        SCOPED_TRACE(wind);
        Open(2);
        window->Input(5).ChooseMaterial(0);
        prompts.messages.clear();
        prompts.answerCalculator = [wind](CoefficientCalculator& c) {
            c.TntFormShow();
            c.FormActivate();
            c.TntRadioButton2Click();
            c.TntComboBox1Change(0);
            c.Settings.windText = QString::fromUtf8(wind);
            c.Button1Click();
        };
        window->Input(6).ClickHButton();
        const float h = session.Remembered.SurfaceCoeff;
        EXPECT_EQ(window->Input(6).ParaLineEditText(), FormatFloat(QStringLiteral("#0.000"), h));
        if (h > 50)
            EXPECT_EQ(prompts.Texts(),
                      QStringList{QStringLiteral("Obliczony wspolczynnik h lezy poza zakresem 1 - "
                                                 "50 W/(m2K) przyjmowanym przez obliczenia")});
        else
            EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(h > 50, std::string(wind) == "10");
    }
}

} // namespace
