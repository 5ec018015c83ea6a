#pragma once

#include "shell/Session.h"

namespace kelvara::test {

// A small catalogue whose numbers the tests can follow by hand.
inline Catalogues SmallCatalogue() {
    Catalogues c;
    c.MaterialNames = {QStringLiteral("Kauczuk"), QStringLiteral("Welna"),
                       QStringLiteral("wspólczynnik k")};
    c.MaterialRecords = {
        {0.033f, 0.0001f, -50, 105}, {0.035f, 0.0002f, 0, 250}, {-99, -99, -200, 200}};
    c.CladdingNames = {QStringLiteral("brak"), QStringLiteral("Fe"), QStringLiteral("Aluminium"),
                       QStringLiteral("Zero")};
    c.CladdingEmissivities = {0.93f, 0.44f, 0.13f, 0.0f};
    c.FeEmissivity = 0.44f;
    c.MediumNames = {QStringLiteral("Woda"), QStringLiteral("Glikol")};
    c.MediumRecords = {{1000, 4180, 335, 0}, {1040, 3700, 235, -15}};
    c.FontName = QStringLiteral("Arial");
    return c;
}

inline Session SessionWithSmallCatalogue(int calculationType = 2) {
    Session s;
    s.Catalogue = SmallCatalogue();
    s.CalculationType = CalculationTypeFromNumber(calculationType);
    return s;
}

} // namespace kelvara::test
