#include "output/SizingReport.h"

#include "RecordingPrompts.h"
#include "TestCatalogue.h"
#include "shell/Session.h"
#include "workspace/PipeSizingWindow.h"

#include <gtest/gtest.h>

using namespace kelvara;

namespace {

const QString DataDir = QStringLiteral(KELVARA_TEST_DATA_DIR);

// The sizing of the shipped catalogue's DN50 hot pipe, and its report.
class SizingReport : public testing::Test {
protected:
    void SetUp() override {
        test::LoadShippedData(session, prompts, DataDir);
        window = std::make_unique<PipeSizingWindow>(session, prompts);
        window->TntFormShow();
        const std::vector<const char*> texts = {"20", "70", "50", "60.3", "54.5", "",    "9",  "",
                                                "25", "",   "",   "10",   "5000", "0.5", "0.7"};
        for (int i = 0; i < SizingRowCount; ++i)
            if (window->Input(i).ParaLineEditAvailable())
                window->Input(i).SetParaLineEditText(QString::fromUtf8(texts[std::size_t(i)]));
        window->Input(SizingMaterial)
            .ChooseMaterial(int(session.Catalogue.MaterialNames.indexOf(
                QStringLiteral("Welna mineralna (otuliny)"))));
        window->Input(SizingCase).ChooseMaterial(2);
    }
    std::vector<ReportItem> Report() {
        EXPECT_TRUE(window->Button1Click()) << prompts.Texts().join(u'\n').toStdString();
        return BuildSizingReport(
            *window, {QStringLiteral("Hala"), QStringLiteral("Firma X"), QStringLiteral("uwagi")},
            QDate(2026, 12, 10));
    }
    // The texts of the data band's first line below `after` that starts with `label`, left to
    // right.
    static QStringList Line(const std::vector<ReportItem>& items, const QString& label,
                            int after = -1) {
        const auto first = std::find_if(items.begin(), items.end(), [&](const ReportItem& i) {
            return i.band == ReportBand::Data && i.text == label && i.top > after;
        });
        if (first == items.end())
            return {};
        QStringList texts;
        for (const ReportItem& item : items)
            if (item.band == ReportBand::Data && item.top == first->top)
                texts << item.text;
        return texts;
    }
    static int TopOf(const std::vector<ReportItem>& items, const QString& text, int after = -1) {
        for (const ReportItem& item : items)
            if (item.band == ReportBand::Data && item.text == text && item.top > after)
                return item.top;
        return -1;
    }

    Session session;
    test::RecordingPrompts prompts;
    std::unique_ptr<PipeSizingWindow> window;
};

// Every criterion in use, the h from the calculator, the longest installation case: the page
// still holds it all, each line in its order.
TEST_F(SizingReport, InputsCriteriaGoverningAndYearOnOnePage) {
    window->Input(SizingMaxLoss).SetParaLineEditText(QStringLiteral("0.1"));
    const QStringList cases = window->Input(SizingCase).MaterialItemList();
    int longest = 0;
    for (int i = 0; i < cases.size(); ++i)
        if (cases[i].size() > cases[longest].size())
            longest = i;
    window->Input(SizingCase).ChooseMaterial(longest);
    session.CoeffFromCalculator = true;
    session.CalculatorCladdingIndex = 2;
    session.Catalogue.SalesAdress = QStringLiteral("Kelvara<CR>Krakow");
    const std::vector<ReportItem> items = Report();
    ASSERT_EQ(window->ResultLines.size(), 10u);

    const auto customer = [&](int left, int top) {
        for (const ReportItem& item : items)
            if (item.band == ReportBand::Customer && item.left == left && item.top == top)
                return item.text;
        return QString();
    };
    EXPECT_EQ(customer(8, 24), QStringLiteral("Dobor izolacji"));
    EXPECT_EQ(customer(664, 24), QStringLiteral("10.12.2026"));
    EXPECT_EQ(customer(104, 64), QStringLiteral("Hala"));
    EXPECT_EQ(customer(104, 96), QStringLiteral("Firma X"));

    EXPECT_EQ(Line(items, QStringLiteral("Temp otoczenia")),
              (QStringList{"Temp otoczenia", "20", "°C"}));
    EXPECT_EQ(Line(items, QStringLiteral("material izolacyjny")),
              (QStringList{"material izolacyjny", "Welna mineralna (otuliny)"}));
    EXPECT_EQ(Line(items, QStringLiteral("max strata ciepla")),
              (QStringList{"max strata ciepla", "0.1", "W/m"}));
    EXPECT_EQ(Line(items, QStringLiteral("wskaznik emisji CO2")),
              (QStringList{"wskaznik emisji CO2", "0.7", "kg/kWh"}));
    EXPECT_EQ(Line(items, QStringLiteral("rodzaj pokrycia")),
              (QStringList{"rodzaj pokrycia", "Aluminium"}));
    // The case wraps over the line below its label, which no other text takes.
    const QString caseName = cases[longest];
    EXPECT_EQ(Line(items, QStringLiteral("Rodzaj przewodu")),
              (QStringList{"Rodzaj przewodu", caseName}));
    const auto wrapped = std::find_if(items.begin(), items.end(),
                                      [&](const ReportItem& i) { return i.text == caseName; });
    EXPECT_GT(wrapped->width, 0);
    const int caseTop = TopOf(items, QStringLiteral("Rodzaj przewodu"));
    const int next = TopOf(items, QStringLiteral("max temperatura powierzchni"));
    EXPECT_GE(next, caseTop + wrapped->height);

    // The result lines as the window shows them, in order, under "Wyniki" and its columns.
    EXPECT_EQ(Line(items, QStringLiteral("Wyniki")),
              (QStringList{"Wyniki", "grubosc izolacji", "Rozmiar izolacji"}));
    int previous = TopOf(items, QStringLiteral("Wyniki"));
    EXPECT_GT(previous, TopOf(items, QStringLiteral("rodzaj pokrycia")));
    for (const SizingResultLine& line : window->ResultLines) {
        QStringList expected{line.label, line.value, line.unit};
        if (line.hasSize)
            expected << line.size;
        EXPECT_EQ(Line(items, line.label, previous), expected);
        previous = TopOf(items, line.label, previous);
        ASSERT_GT(previous, 0) << line.label.toStdString();
    }
    EXPECT_EQ(Line(items, QStringLiteral("decyduje: max strata ciepla")),
              (QStringList{"decyduje: max strata ciepla", "patrz Pomoc", "mm", "patrz Pomoc"}));

    // The remarks and the contact follow, and the page holds them.
    EXPECT_GT(TopOf(items, QStringLiteral("komentarz")), previous + 20);
    EXPECT_EQ(Line(items, QStringLiteral("uwagi")), QStringList{"uwagi"});
    EXPECT_GT(TopOf(items, QStringLiteral("Kelvara\rKrakow")), TopOf(items, "kontakt"));
    EXPECT_LE(DataBandHeightOf(items), 1047 - HeadingBandHeight - CustomerBandHeight);
}

// A limit left empty is shown as not used; the user's own conductivity is named with its value.
TEST_F(SizingReport, UnusedLimitsAndTheUsersConductivity) {
    prompts.userConductivity = 0.04f;
    auto& material = window->Input(SizingMaterial);
    material.ChooseMaterial(int(material.MaterialItemList().indexOf(UserCoefficientMaterialName)));
    const std::vector<ReportItem> items = Report();
    EXPECT_EQ(Line(items, QStringLiteral("max strata ciepla")),
              (QStringList{"max strata ciepla", "-/-"}));
    EXPECT_EQ(Line(items, QStringLiteral("zapas ponad punkt rosy")),
              (QStringList{"zapas ponad punkt rosy", "-/-"}));
    EXPECT_EQ(Line(items, QStringLiteral("material izolacyjny")),
              (QStringList{"material izolacyjny", "wspólczynnik k 0.04", "W/m K"}));
    EXPECT_TRUE(Line(items, QStringLiteral("rodzaj pokrycia")).isEmpty());
    // No line for the heat-loss limit among the results.
    EXPECT_EQ(
        TopOf(items, QStringLiteral("max strata ciepla"), TopOf(items, QStringLiteral("Wyniki"))),
        -1);
}

} // namespace
