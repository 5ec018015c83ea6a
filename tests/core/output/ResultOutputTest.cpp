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

TEST(DecimalMark, OnlyPlainNumbersTakeTheMark) {
    const struct {
        const char* field;
        const char* withComma;
    } cases[] = {
        {"33.7", "33,7"},
        {"-115.277", "-115,277"},
        {"0.0411", "0,0411"},
        {"25", "25"},
        {"-0.00", "-0,00"},
        {"", ""},
        {".5", ".5"},
        {"5.", "5."},
        {"1e3", "1e3"},
        {"1.2.3", "1.2.3"},
        {" 25.4", " 25.4"},
        {"Pianka PIR ", "Pianka PIR "},
        {"wspólczynnik k 0.0400", "wspólczynnik k 0.0400"},
        {"6 mm : 3.14", "6 mm : 3.14"},
        {"1[m/s]", "1[m/s]"},
        {"Error!", "Error!"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithDecimalMark(QString::fromUtf8(c.field), QStringLiteral(",")),
                  QString::fromUtf8(c.withComma))
            << c.field;
        EXPECT_EQ(WithDecimalMark(QString::fromUtf8(c.field), QStringLiteral(".")),
                  QString::fromUtf8(c.field));
    }
}

TEST(ResultLogHtml, OneCellPerFieldWithTheLocalesMarkAndEscapedTexts) {
    const QStringList lines = {
        QStringLiteral("Projekt Hala <B> & \"C\""),
        QStringLiteral("Firma Zakład Północ"),
        QStringLiteral("komentarz "),
        QStringLiteral("Obliczanie"),
        QStringLiteral("Temp otoczenia\tsrednica rury (mm)\tseria"),
        QStringLiteral("25\t-115.277\t0.0411\tPianka PIR \t6 mm : 3.14\t"),
    };
    const QString head =
        QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" "
                       "content=\"text/html; charset=utf-8\"></head><body><table>\n"
                       "<tr><td>Projekt Hala &lt;B&gt; &amp; &quot;C&quot;</td></tr>\n"
                       "<tr><td>Firma Zakład Północ</td></tr>\n"
                       "<tr><td>komentarz </td></tr>\n"
                       "<tr><td>Obliczanie</td></tr>\n"
                       "<tr><td>Temp otoczenia</td><td>srednica rury (mm)</td>"
                       "<td>seria</td></tr>\n");
    const QString tail = QStringLiteral("<td>Pianka PIR </td><td>6 mm : 3.14</td></tr>\n"
                                        "</table></body></html>\n");
    EXPECT_EQ(ResultLogHtml(lines, QLocale(QLocale::Polish, QLocale::Poland)),
              head + QStringLiteral("<tr><td>25</td><td>-115,277</td><td>0,0411</td>") + tail);
    EXPECT_EQ(ResultLogHtml(lines, QLocale(QLocale::English, QLocale::UnitedStates)),
              head + QStringLiteral("<tr><td>25</td><td>-115.277</td><td>0.0411</td>") + tail);
}

TEST_F(ResultOutputTest, ClipboardTableOfTwoCalculations) {
    Open(2);
    window->Input(5).ChooseMaterial(0);
    HeatLoss("20");
    HeatLoss("13");
    CopyResultLog(*window, {QStringLiteral("Hala B"), QString(), QString()});
    const QString html =
        ResultLogHtml(window->ResultLog, QLocale(QLocale::Polish, QLocale::Poland));
    EXPECT_EQ(html.count(QStringLiteral("<tr>")), 7);
    // Each calculation line: 8 inputs and 5 results, without a cell after the closing TAB.
    const QStringList rows = html.split(u'\n');
    for (int line = 5; line <= 6; ++line) {
        EXPECT_EQ(rows[1 + line].count(QStringLiteral("<td>")), 13) << rows[1 + line].toStdString();
        EXPECT_FALSE(rows[1 + line].contains(QStringLiteral("<td></td>")));
    }
    EXPECT_TRUE(rows[6].startsWith(QStringLiteral("<tr><td>25,00</td><td>-5,00</td>")))
        << rows[6].toStdString();
    EXPECT_TRUE(rows[7].contains(QStringLiteral("<td>13,000</td>"))) << rows[7].toStdString();
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
