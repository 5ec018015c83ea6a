#pragma once

#include "shell/ConfigurationLoader.h"
#include "shell/Session.h"
#include "shell/ToleranceTable.h"

namespace kelvara::test {

// The shipped catalogue (with its regulation rows) and pipe size table, as the program reads
// them from a data folder; what goes wrong is told to prompts.
inline void LoadShippedData(Session& session, Prompts& prompts, const QString& dataDir) {
    LoadConfiguration(session, prompts, dataDir + QStringLiteral("/Kelvara.ini"), dataDir, {});
    LoadPipeToleranceTable(session, prompts, dataDir);
}

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
