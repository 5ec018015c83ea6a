#pragma once

#include "shell/Catalogues.h"

#include <vector>

namespace kelvara {

// The regulation states its thicknesses for this conductivity, at this mean temperature.
inline constexpr long double RegulationLambda = 0.035L;
inline constexpr long double RegulationMeanTemp = 40.0L;

enum class RegulationOutcome {
    Found,
    NoCase,        // the case index names no row of the table
    NoDiameterRow, // no row by inner diameter holds the pipe's inner diameter
};

struct RegulationMinimum {
    RegulationOutcome Outcome = RegulationOutcome::NoCase;
    int DiameterRow = -1;   // the row by inner diameter that gave the thickness; -1 if none did
    float RowThickness = 0; // m, as the table states it for 0.035 W/(m K)
    float Thickness = 0;    // m, converted to the chosen material
};

// The table's thickness (m) for installation case `caseIndex` on a pipe of this inner
// diameter (m). A case that refers to the rows by inner diameter, and each of those rows
// itself, takes the first of them that holds the diameter; the rest stand alone.
RegulationMinimum RegulationRowThickness(const std::vector<TRegulationRow>& rows, int caseIndex,
                                         float innerDiameter);

// The installation cases a user chooses among: first the ordinary pipe, whose row follows from
// its inner diameter (any row by inner diameter computes it), then every row that is a case of
// its own, in the table's order.
struct InstallationCase {
    QString name;
    int row; // of the table
};
inline const QString OrdinaryPipeCase =
    QStringLiteral("Przewod zwykly (poz. 1-4 wg srednicy wewnetrznej)");
std::vector<InstallationCase> InstallationCases(const Catalogues& catalogue);
// The case a row of the table belongs to (rows by inner diameter: the ordinary pipe); -1 for
// none.
int InstallationCaseOfRow(const std::vector<InstallationCase>& cases, const Catalogues& catalogue,
                          int row);

// λ of the material at the regulation's mean temperature; the user entry gives userLambda.
float RegulationConductivity(const TMaterialRecord& material, float userLambda);

// The thickness (m) of a layer of conductivity `lambda` on a pipe of this outer diameter (m)
// whose thermal resistance per metre equals that of `thickness` at 0.035 W/(m K):
// ln((D + 2s')/D) / λ' = ln((D + 2s)/D) / 0.035. Throws AppError on a diameter or λ that is
// not positive, or a negative thickness.
float EquivalentThickness(float thickness, float outerDiameter, float lambda);

// The case's thickness converted to a material of conductivity `lambda` (from
// RegulationConductivity).
RegulationMinimum RegulationMinimumThickness(const std::vector<TRegulationRow>& rows, int caseIndex,
                                             float innerDiameter, float outerDiameter,
                                             float lambda);

} // namespace kelvara
