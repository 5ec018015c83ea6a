#include "output/ResultOutput.h"
#include "WindowFixture.h"

using namespace kelvara;

namespace {

class ResultOutputTest : public test::WindowFixture {
protected:
    void HeatLoss(const char* thickness) {
        window->Input(3).SetParaLineEditText(QString::fromUtf8(thickness));
        ASSERT_TRUE(window->Button1Click());
    }
    // Items of the data band at the given top, left to right.
    QStringList TextsAt(const std::vector<ReportItem>& items, int top) {
        QStringList texts;
        for (const ReportItem& item : items)
            if (item.band == ReportBand::Data && item.top == top)
                texts.append(item.text);
        return texts;
    }
};

TEST_F(ResultOutputTest, ClipboardTextOfTwoCalculationsAndTwoCopies) {
    Open(2);
    window->Input(5).ChooseMaterial(0);
    HeatLoss("20");
    HeatLoss("13");
    const QStringList calculations = window->ResultLog.mid(2);
    QString text =
        CopyResultLog(*window, {QStringLiteral("Hala B"), QStringLiteral("Zakład"), QString()});
    QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 8); // seven lines, each ended by CR LF
    EXPECT_EQ(lines[0], QStringLiteral("Projekt Hala B"));
    EXPECT_EQ(lines[1], QStringLiteral("Firma Zakład"));
    EXPECT_EQ(lines[2], QStringLiteral("komentarz "));
    EXPECT_EQ(lines[3], QStringLiteral("Obliczanie strat ciepla w rurociagu"));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("Temp otoczenia\t")));
    EXPECT_EQ(lines.mid(5, 2), calculations);
    EXPECT_TRUE(lines[6].endsWith(u'\t'));
    EXPECT_TRUE(lines[7].isEmpty());

    // A second copy in the same window replaces the three heading lines.
    text = CopyResultLog(
        *window, {QStringLiteral("Hala B"), QStringLiteral("Inna firma"), QStringLiteral("uwaga")});
    lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[1], QStringLiteral("Firma Inna firma"));
    EXPECT_EQ(lines[2], QStringLiteral("komentarz uwaga"));
    EXPECT_EQ(lines[3], QStringLiteral("Obliczanie strat ciepla w rurociagu"));

    // A new window starts without heading lines again.
    Open(2);
    lines = CopyResultLog(*window, {}).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("Projekt "));
}

TEST_F(ResultOutputTest, HeatLossReportWithTheCalculatorsCladding) {
    Open(2);
    window->Input(5).ChooseMaterial(0);
    HeatLoss("20");
    session.CoeffFromCalculator = true;
    session.CalculatorCladdingIndex = 2;
    session.Catalogue.SalesAdress = QStringLiteral("Kelvara<CR>Krakow");
    const auto items =
        BuildReport(*window, {QStringLiteral("P"), QStringLiteral("F"), QStringLiteral("R")},
                    QDate(2026, 12, 10));
    // Eight input lines from 60, 25 apart.
    EXPECT_EQ(TextsAt(items, 60), (QStringList{QStringLiteral("Temp otoczenia"),
                                               QStringLiteral("25.00"), QStringLiteral("°C")}));
    EXPECT_EQ(TextsAt(items, 60 + 25 * 5),
              (QStringList{QStringLiteral("material izolacyjny"), QStringLiteral("Kauczuk")}));
    EXPECT_EQ(TextsAt(items, 60 + 25 * 6),
              (QStringList{QStringLiteral("Wspólczynnik przejmowania ciepla z powierzchni h"),
                           QStringLiteral("9.000"), QStringLiteral("W/m²K")}));
    EXPECT_EQ(TextsAt(items, 60 + 25 * 8),
              (QStringList{QStringLiteral("rodzaj pokrycia"), QStringLiteral("Aluminium")}));
    // Six result lines from 406; the alternatives row shows only its label.
    EXPECT_EQ(TextsAt(items, 406).first(),
              QStringLiteral("sredni wspólczynnik przewodzenia ciepla lambda"));
    EXPECT_EQ(TextsAt(items, 406 + 25 * 5),
              QStringList{QStringLiteral("oblicz alternatywna grubosc izolacji")});
    EXPECT_EQ(TextsAt(items, 560), QStringList{QStringLiteral("komentarz")});
    EXPECT_EQ(TextsAt(items, 662), QStringList{QStringLiteral("Kelvara\rKrakow")});
    // Right-aligned values end at 500.
    for (const ReportItem& item : items) {
        if (item.band == ReportBand::Data && item.left == 500) {
            EXPECT_EQ(item.align, ReportAlign::Right);
        }
    }
    const auto customer = std::find_if(items.begin(), items.end(), [](const ReportItem& i) {
        return i.band == ReportBand::Customer && i.top == 24 && i.left == 8;
    });
    ASSERT_NE(customer, items.end());
    EXPECT_EQ(customer->text, QStringLiteral("Obliczanie strat ciepla w rurociagu"));
}

TEST_F(ResultOutputTest, FreezingReportListsTheSeriesAndMovesTheRemarksDown) {
    session.Remembered.UserLambda = 0.036f;
    Open(4);
    Type({"-10", "5", "1000", "4180", "0", "335", "20", "25.4", "10"});
    window->Input(9).ChooseMaterial(2);
    ASSERT_TRUE(window->Button1Click());
    const auto items = BuildReport(*window, {}, QDate(2026, 12, 10));
    EXPECT_EQ(TextsAt(items, 60 + 25 * 9),
              (QStringList{QStringLiteral("material izolacyjny"),
                           QStringLiteral("wspólczynnik k 0.04"), QStringLiteral("W/m K")}));
    EXPECT_EQ(TextsAt(items, 406).mid(0, 2),
              (QStringList{QStringLiteral("krytyczny czas zamarzania"), QStringLiteral("3.95")}));
    QStringList series;
    for (int k = 0; k < 7; ++k)
        series += TextsAt(items, 431 + 25 * k).filter(QStringLiteral(" mm : "));
    EXPECT_EQ(series.size(), 7);
    EXPECT_EQ(series.last(), QStringLiteral("50 mm : 8.67"));
    // The last entry stands at 581: the remarks follow it instead of overlapping.
    EXPECT_TRUE(TextsAt(items, 560).isEmpty());
    EXPECT_EQ(TextsAt(items, 611), QStringList{QStringLiteral("komentarz")});
    EXPECT_LE(DataBandHeightOf(items),
              1047 - HeadingBandHeight - CustomerBandHeight); // one A4 page
}

} // namespace
