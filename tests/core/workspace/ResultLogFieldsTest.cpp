#include "workspace/ResultLogFields.h"
#include "QtPrinters.h"
#include "TestCatalogue.h"
#include "workspace/CalculationTypes.h"

#include <gtest/gtest.h>

using namespace kelvara;

namespace {

const QStringList Names = test::SmallCatalogue().MaterialNames; // Kauczuk, Welna, user entry

TEST(ResultLogFields, MaterialRoundTrip) {
    struct Case {
        QString text, lambda;
        int index;
        bool user;
    };
    const Case cases[] = {
        {QStringLiteral("Kauczuk"), QString(), 0, false},
        {QStringLiteral("Welna"), QString(), 1, false},
        {QStringLiteral("wspólczynnik k"), QStringLiteral("0.0400"), 2, true},
        {QStringLiteral("wspólczynnik k"), QString(), 2, true},
    };
    for (const Case& c : cases) {
        const QString field = MaterialField(c.text, c.lambda);
        const ParsedMaterial parsed = ParseMaterialField(field, Names);
        EXPECT_EQ(parsed.index, c.index) << field.toStdString();
        EXPECT_EQ(parsed.user, c.user) << field.toStdString();
        EXPECT_EQ(parsed.userLambdaText, c.lambda) << field.toStdString();
    }
    EXPECT_EQ(MaterialField(QStringLiteral("Kauczuk"), QString()), QStringLiteral("Kauczuk "));
    EXPECT_EQ(MaterialField(QStringLiteral("wspólczynnik k"), QStringLiteral("0.0400")),
              QStringLiteral("wspólczynnik k 0.0400"));
}

TEST(ResultLogFields, MaterialTypedByHand) {
    // A name without the log's blank is the same material; anything else chooses none.
    EXPECT_EQ(ParseMaterialField(QStringLiteral("Welna"), Names).index, 1);
    for (const QString& none : {QString(), QStringLiteral(" "), QStringLiteral("Beton"),
                                QStringLiteral("wybierz "), QStringLiteral("Kauczuk  ")}) {
        const ParsedMaterial parsed = ParseMaterialField(none, Names);
        EXPECT_EQ(parsed.index, -1) << none.toStdString();
        EXPECT_FALSE(parsed.user) << none.toStdString();
    }
    const ParsedMaterial user = ParseMaterialField(QStringLiteral("wspólczynnik k  abc "), Names);
    EXPECT_TRUE(user.user);
    EXPECT_EQ(user.userLambdaText, QStringLiteral("abc"));
}

TEST(ResultLogFields, FlowRoundTripForEveryUnit) {
    for (int unit = 0; unit < int(FlowRateUnits.size()); ++unit) {
        const QString field = FlowField(QStringLiteral("1.50"), FlowRateUnits[unit]);
        const ParsedFlow parsed = ParseFlowField(field, FlowRateUnits);
        EXPECT_EQ(parsed.value, QStringLiteral("1.50")) << field.toStdString();
        EXPECT_EQ(parsed.unitIndex, unit) << field.toStdString();
    }
    EXPECT_EQ(FlowField(QStringLiteral("1"), QStringLiteral("m/s")), QStringLiteral("1[m/s]"));
    // An unknown unit or none: no unit chosen; the brackets still go.
    const ParsedFlow unknown = ParseFlowField(QStringLiteral("2[km/h]"), FlowRateUnits);
    EXPECT_EQ(unknown.value, QStringLiteral("2"));
    EXPECT_EQ(unknown.unitIndex, -1);
    const ParsedFlow bare = ParseFlowField(QStringLiteral("2"), FlowRateUnits);
    EXPECT_EQ(bare.value, QStringLiteral("2"));
    EXPECT_EQ(bare.unitIndex, -1);
}

TEST(ResultLogFields, FreezingTemperatureRoundTrip) {
    const QString field = FreezingTempField(QStringLiteral("-2.00"));
    EXPECT_EQ(field, QStringLiteral("-2.00[°C]"));
    EXPECT_EQ(ParseEditField(field), QStringLiteral("-2.00"));
    EXPECT_EQ(ParseEditField(QStringLiteral("20")), QStringLiteral("20"));
}

} // namespace
