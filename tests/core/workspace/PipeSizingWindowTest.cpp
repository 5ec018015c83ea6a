#include "workspace/PipeSizingWindow.h"
#include "RecordingPrompts.h"
#include "TestCatalogue.h"
#include "shell/NumberText.h"
#include "shell/Session.h"
#include "workspace/CalculationWindow.h"

#include <gtest/gtest.h>

using namespace kelvara;

namespace {

const QString DataDir = QStringLiteral(KELVARA_TEST_DATA_DIR);

// The shipped catalogue and size table, as the program reads them.
class SizingWindow : public testing::Test {
protected:
    void SetUp() override {
        test::LoadShippedData(session, prompts, DataDir);
        ASSERT_TRUE(prompts.messages.empty()) << prompts.Texts().join(u'\n').toStdString();
        Open();
    }
    void Open() {
        window = std::make_unique<PipeSizingWindow>(session, prompts);
        window->TntFormShow();
    }
    void Type(int row, const char* text) {
        window->Input(row).SetParaLineEditText(QString::fromUtf8(text));
    }
    // The 70 °C DN50 pipe of the engine's cases, in mineral wool, through a wall.
    void FillHotPipe() {
        Type(SizingAmbient, "20");
        Type(SizingMedium, "70");
        Type(SizingHumidity, "50");
        Type(SizingOuterDiameter, "60.3");
        Type(SizingInnerDiameter, "54.5");
        window->Input(SizingMaterial).ChooseMaterial(Material("Welna mineralna (otuliny)"));
        Type(SizingH, "9");
        window->Input(SizingCase).ChooseMaterial(2);
        Type(SizingMaxSurface, "25");
        Type(SizingMaxLoss, "");
        Type(SizingMargin, "");
        Type(SizingLength, "10");
        Type(SizingHours, "5000");
        Type(SizingPrice, "0.5");
        Type(SizingCo2, "0.7");
    }
    int Material(const char* name) {
        return int(session.Catalogue.MaterialNames.indexOf(QString::fromUtf8(name)));
    }
    QStringList Lines() const {
        QStringList lines;
        for (const SizingResultLine& l : window->ResultLines)
            lines << l.label + u'|' + l.value + u'|' + l.unit + u'|' + l.size;
        return lines;
    }

    Session session;
    test::RecordingPrompts prompts;
    std::unique_ptr<PipeSizingWindow> window;
};

TEST_F(SizingWindow, RowsInEntryOrderWithTheRememberedValues) {
    QStringList labels;
    for (const auto& row : window->InputRows)
        labels << row->ParaLineLabelText();
    EXPECT_EQ(
        labels,
        (QStringList{"Temp otoczenia", "Temp czynnika", "wilgotnosc wzgledna",
                     "Srednica zewnetrzna rury", "Srednica wewnetrzna rury", "material izolacyjny",
                     "Wspólczynnik przejmowania ciepla z powierzchni h", "Rodzaj przewodu",
                     "max temperatura powierzchni", "max strata ciepla", "zapas ponad punkt rosy",
                     "Dlugosc rury", "czas pracy w roku", "Koszty kWh", "wskaznik emisji CO2"}));
    EXPECT_EQ(window->Input(SizingAmbient).ParaLineEditText(), QStringLiteral("25.00"));
    EXPECT_EQ(window->Input(SizingOuterDiameter).ParaLineEditText(), QStringLiteral("25.400"));
    EXPECT_EQ(window->Input(SizingMaterial).MaterialText(), QStringLiteral("wybierz"));
    EXPECT_EQ(window->Input(SizingH).ButtonText(), QStringLiteral("oblicz h"));
    EXPECT_EQ(window->Input(SizingCase).MaterialItemList(), session.Catalogue.RegulationNames);
    EXPECT_EQ(window->Input(SizingCase).MaterialIndex(), 0);
    EXPECT_EQ(window->Input(SizingMaxSurface).ParaLineEditText(), QString());
    EXPECT_EQ(window->Input(SizingCo2).UnitText(), QStringLiteral("kg/kWh"));
    EXPECT_FALSE(window->PrintEnabled);
}

TEST_F(SizingWindow, OneLinePerCriterionThenTheGoverningOneAndTheYear) {
    FillHotPipe();
    prompts.messages.clear();
    ASSERT_TRUE(window->Button1Click()) << prompts.Texts().join(u'\n').toStdString();
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(window->PrintEnabled);
    // Wool λ40 0.0402: row 3's 54.5 mm becomes 68.5 mm; no size in the table goes that thick.
    // The heat-loss limit was left empty: no line for it.
    EXPECT_EQ(Lines(),
              (QStringList{"zabezpieczenie przed kondensacja|-/-|mm|-/-",
                           "minimum wg warunkow technicznych|68.5|mm|patrz Pomoc",
                           "max temperatura powierzchni|29.8|mm|KV-32/60.3",
                           "decyduje: minimum wg warunkow technicznych|68.5|mm|patrz Pomoc",
                           "Straty ciepla na metr|10.48|W/m|", "Straty ciepla Q|104.81|W|",
                           "energia w roku|524.0|kWh|", "koszty w roku|262.01|€|",
                           "emisja CO2 w roku|366.8|kg|"}));
    ASSERT_EQ(window->ResultLog.size(), 3);
    EXPECT_EQ(window->ResultLog[0], QStringLiteral("Dobor izolacji"));
    EXPECT_EQ(window->ResultLog[2],
              QStringLiteral("20\t70\t50\t60.3\t54.5\tWelna mineralna (otuliny) \t9\t") +
                  session.Catalogue.RegulationNames[2] +
                  QStringLiteral("\t25\t\t\t10\t5000\t0.5\t0.7\t-/-\t-/-\t68.5\tpatrz Pomoc\t29.8\t"
                                 "KV-32/60.3\t\t\tminimum wg warunkow technicznych\t68.5\tpatrz "
                                 "Pomoc\t10.48\t104.81\t524.0\t262.01\t366.8\t"));
    EXPECT_EQ(window->ResultLog[1].split(u'\t').size(),
              window->ResultLog[2].split(u'\t').size() - 1);

    // Any change leaves the results behind.
    EXPECT_FALSE(window->ResultsStale);
    Type(SizingLength, "11");
    EXPECT_TRUE(window->ResultsStale);
}

TEST_F(SizingWindow, RefusalsPointAtTheirRow) {
    struct Case {
        int row;
        const char* text;
        const char* message;
    };
    for (const Case& c : {Case{SizingInnerDiameter, "61", "Wprowadz wlasciwe dane"},
                          Case{SizingMaxSurface, "19", "Wprowadz wlasciwe dane"},
                          Case{SizingMargin, "-1", "Wprowadz wlasciwe dane"},
                          Case{SizingHours, "9000", "Wprowadz wlasciwe dane"},
                          Case{SizingMedium, "300",
                               "temperatura otoczenia jest za wysoka dla wybranego materialu, "
                               "obliczenia przerwane"}}) {
        FillHotPipe();
        Type(c.row, c.text);
        prompts.messages.clear();
        EXPECT_FALSE(window->Button1Click()) << c.row;
        EXPECT_EQ(prompts.Texts(), QStringList{QString::fromUtf8(c.message)}) << c.row;
        if (c.row != SizingMedium) {
            EXPECT_EQ(window->LastFault.row, c.row);
        }
        EXPECT_FALSE(window->PrintEnabled);
    }
    FillHotPipe();
    Type(SizingLength, "1a");
    prompts.messages.clear();
    EXPECT_FALSE(window->Button1Click());
    EXPECT_EQ(prompts.Texts(),
              QStringList{"blad obliczen! Error: '1a' is not a valid floating point value"});
    EXPECT_EQ(window->LastFault.row, SizingLength);

    // "Anuluj" leaves a typed h as it is.
    Type(SizingH, "8");
    prompts.answerCalculator = [](CoefficientCalculator& calculator) { calculator.Button2Click(); };
    window->Input(SizingH).ClickHButton();
    EXPECT_EQ(window->Input(SizingH).ParaLineEditText(), QStringLiteral("8"));
    EXPECT_FALSE(session.CoeffFromCalculator);

    window->Input(SizingMaterial).SetMaterialIndex(-1);
    prompts.messages.clear();
    EXPECT_FALSE(window->Button1Click());
    EXPECT_EQ(prompts.Texts(), QStringList{"Przed obliczeniami prosze podac typ materialu."});
    EXPECT_EQ(window->LastFault.row, SizingMaterial);
    EXPECT_TRUE(window->LastFault.choice);
}

TEST_F(SizingWindow, UserConductivityAskedAndNoProductSize) {
    FillHotPipe();
    prompts.userConductivity = 0.04f;
    window->Input(SizingMaterial).ChooseMaterial(int(session.Catalogue.MaterialNames.size()) - 1);
    EXPECT_EQ(prompts.conductivityAsked, 1);
    EXPECT_FLOAT_EQ(session.Remembered.UserLambda, 0.04f);
    ASSERT_TRUE(window->Button1Click());
    // 54.5 mm at 0.035 on a 60.3 mm pipe is 68.0 mm at 0.040.
    EXPECT_EQ(window->ResultLines[1].value, QStringLiteral("68.0"));
    EXPECT_EQ(window->ResultLines[1].size, QStringLiteral("-/-"));
    EXPECT_TRUE(window->ResultLog.last().contains(QStringLiteral("\twspólczynnik k 0.0400\t")));
}

// The thickness shown for a limit, typed into the surface-temperature (type 1) and heat-loss
// (type 2) windows with the same pipe, meets that limit there.
TEST_F(SizingWindow, TheThicknessShownForALimitMeetsIt) {
    const struct {
        const char *ambient, *medium, *outer, *inner, *maxSurface, *maxLoss;
    } cases[] = {
        {"20", "70", "60.3", "54.5", "25", ""},    // shown 29.7 was 25.01 °C
        {"20", "120", "114.3", "107.1", "", "30"}, // shown 86.2 was 30.003 W/m
        {"20", "120", "114.3", "107.1", "30", "20"}, {"10", "200", "21.3", "16.1", "35", "40"},
        {"25", "5", "48.3", "42.5", "22", "4"}, // cold: the surface at least 22 °C
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ambient << "/" << c.medium << " on " << c.outer);
        Open();
        FillHotPipe();
        Type(SizingAmbient, c.ambient);
        Type(SizingMedium, c.medium);
        Type(SizingOuterDiameter, c.outer);
        Type(SizingInnerDiameter, c.inner);
        Type(SizingMaxSurface, c.maxSurface);
        Type(SizingMaxLoss, c.maxLoss);
        prompts.messages.clear();
        ASSERT_TRUE(window->Button1Click()) << prompts.Texts().join(u'\n').toStdString();
        const auto shown = [&](const char* label) {
            for (const SizingResultLine& line : window->ResultLines)
                if (line.label == QString::fromUtf8(label))
                    return line.value;
            return QString();
        };
        // One calculation window with the pipe of the sizing and the thickness shown.
        const auto calculate = [&](int type, const QString& thickness) {
            session.CalculationType = CalculationTypeFromNumber(type);
            auto pipe = std::make_unique<CalculationWindow>(session, prompts);
            pipe->TntFormShow();
            const QStringList texts = {c.ambient, c.medium, c.outer, thickness};
            for (int i = 0; i < texts.size(); ++i)
                pipe->Input(i).SetParaLineEditText(texts[i]);
            pipe->Input(pipe->TypeInfo().materialRow)
                .ChooseMaterial(Material("Welna mineralna (otuliny)"));
            pipe->Input(pipe->TypeInfo().hRow).SetParaLineEditText(QStringLiteral("9"));
            if (type == 2)
                pipe->Input(4).SetParaLineEditText(QStringLiteral("1")); // length: W per metre
            EXPECT_TRUE(pipe->Button1Click()) << prompts.Texts().join(u'\n').toStdString();
            return pipe;
        };
        if (*c.maxSurface) {
            const QString thickness = shown("max temperatura powierzchni");
            const float surface =
                TextToFloat(calculate(1, thickness)->Result(1).ParaLineEditText());
            const float limit = TextToFloat(QString::fromUtf8(c.maxSurface));
            if (TextToFloat(c.medium) > TextToFloat(c.ambient))
                EXPECT_LE(surface, limit) << thickness.toStdString();
            else
                EXPECT_GE(surface, limit) << thickness.toStdString();
        }
        if (*c.maxLoss) {
            const QString thickness = shown("max strata ciepla");
            const long double loss =
                std::fabs(TextToFloat(calculate(2, thickness)->Result(2).ParaLineEditText()));
            EXPECT_LE(loss, TextToFloat(QString::fromUtf8(c.maxLoss))) << thickness.toStdString();
        }
    }
}

TEST_F(SizingWindow, InputsKeptForTheNextOpening) {
    FillHotPipe();
    Type(SizingMargin, "1.5");
    window->Input(SizingCase).ChooseMaterial(9);
    window->TntFormClose();
    Open();
    EXPECT_EQ(window->Input(SizingMedium).ParaLineEditText(), QStringLiteral("70.00"));
    EXPECT_EQ(window->Input(SizingInnerDiameter).ParaLineEditText(), QStringLiteral("54.500"));
    EXPECT_EQ(window->Input(SizingMaterial).MaterialText(),
              QStringLiteral("Welna mineralna (otuliny)"));
    EXPECT_EQ(window->Input(SizingCase).MaterialIndex(), 9);
    EXPECT_EQ(window->Input(SizingMaxSurface).ParaLineEditText(), QStringLiteral("25.00"));
    EXPECT_EQ(window->Input(SizingMaxLoss).ParaLineEditText(), QString());
    EXPECT_EQ(window->Input(SizingMargin).ParaLineEditText(), QStringLiteral("1.50"));
    EXPECT_EQ(window->Input(SizingHours).ParaLineEditText(), QStringLiteral("5000"));
    // Shared with the other windows.
    EXPECT_FLOAT_EQ(session.Remembered.PipeDiameter, 0.0603f);

    // A text that is no number keeps the value before; the fields after it are kept.
    Type(SizingMaxSurface, "x");
    Type(SizingLength, "99");
    Type(SizingAmbient, "");
    window->TntFormClose();
    EXPECT_EQ(session.Sizing.MaxSurfaceTemp, 25.0f);
    EXPECT_FLOAT_EQ(session.Remembered.PipeLength, 99);
    EXPECT_FLOAT_EQ(session.Remembered.AmbientTemp, 20);
    EXPECT_EQ(session.Remembered.LastMaterialIndex, Material("Welna mineralna (otuliny)"));
}

TEST_F(SizingWindow, HButtonBringsTheCalculatorsCoefficient) {
    FillHotPipe();
    prompts.answerCalculator = [](CoefficientCalculator& calculator) {
        calculator.TntFormShow();
        calculator.FormActivate();
        calculator.TntRadioButton2Click();
        EXPECT_EQ(calculator.TntComboBox1Change(2), CoefficientCalculator::Outcome::StayOpen);
        EXPECT_EQ(calculator.Button1Click(), CoefficientCalculator::Outcome::Closed);
    };
    window->Input(SizingH).ClickHButton();
    EXPECT_EQ(prompts.calculatorShown, 1);
    EXPECT_NE(session.Remembered.SurfaceCoeff, 9.0f);
    EXPECT_EQ(window->Input(SizingH).ParaLineEditText(),
              FormatFloat(QStringLiteral("#0.000"), session.Remembered.SurfaceCoeff));
    EXPECT_TRUE(session.CoeffFromCalculator);
    // The rows of this window are as typed.
    EXPECT_EQ(window->Input(SizingMedium).ParaLineEditText(), QStringLiteral("70"));
    EXPECT_EQ(session.CalculationType, CalculationType::PipeCondensation);

    // "Anuluj" leaves a typed h as it is.
    Type(SizingH, "8");
    prompts.answerCalculator = [](CoefficientCalculator& calculator) { calculator.Button2Click(); };
    window->Input(SizingH).ClickHButton();
    EXPECT_EQ(window->Input(SizingH).ParaLineEditText(), QStringLiteral("8"));
    EXPECT_FALSE(session.CoeffFromCalculator);

    window->Input(SizingMaterial).SetMaterialIndex(-1);
    prompts.messages.clear();
    window->Input(SizingH).ClickHButton();
    EXPECT_EQ(prompts.Texts(), QStringList{"Przed obliczeniami prosze podac typ materialu."});
}

} // namespace
