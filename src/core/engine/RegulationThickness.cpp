#include "RegulationThickness.h"

#include "shell/FloatingPoint.h"

#include <algorithm>
#include <cmath>

namespace kelvara {

using fp::Store;

namespace {

bool StandsAlone(const TRegulationRow& row) {
    return row.ShareOfDiameterRows == 0 && row.DiameterFrom == 0 && row.DiameterTo == 0;
}

bool IsDiameterRow(const TRegulationRow& row) {
    return row.ShareOfDiameterRows == 0 && !StandsAlone(row);
}

// Lower bound exclusive, upper inclusive, so that "up to 22" and "over 22" meet exactly.
bool Holds(const TRegulationRow& row, float diameterMm) {
    return diameterMm > row.DiameterFrom && (row.DiameterTo == 0 || diameterMm <= row.DiameterTo);
}

long double RowThicknessMm(const TRegulationRow& row, float diameterMm) {
    return row.Thickness + static_cast<long double>(row.ThicknessPerDiameter) * diameterMm;
}

} // namespace

RegulationMinimum RegulationRowThickness(const std::vector<TRegulationRow>& rows, int caseIndex,
                                         float innerDiameter) {
    RegulationMinimum result;
    if (caseIndex < 0 || std::size_t(caseIndex) >= rows.size())
        return result;
    const TRegulationRow& chosen = rows[std::size_t(caseIndex)];
    if (StandsAlone(chosen)) {
        result.Outcome = RegulationOutcome::Found;
        result.RowThickness = Store(chosen.Thickness * 0.001L);
        return result;
    }
    // The bounds are whole millimetres; compared in the stored float of the millimetres, a
    // typed 35 stays 35 and is not pushed over the bound by the metre's binary rounding.
    const float diameterMm = Store(innerDiameter * 1000.0L);
    const long double share = chosen.ShareOfDiameterRows == 0 ? 1.0L : chosen.ShareOfDiameterRows;
    result.Outcome = RegulationOutcome::NoDiameterRow;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (IsDiameterRow(rows[i]) && Holds(rows[i], diameterMm)) {
            result.Outcome = RegulationOutcome::Found;
            result.DiameterRow = int(i);
            result.RowThickness = Store(RowThicknessMm(rows[i], diameterMm) * share * 0.001L);
            break;
        }
    }
    return result;
}

std::vector<InstallationCase> InstallationCases(const Catalogues& catalogue) {
    std::vector<InstallationCase> cases;
    const auto& rows = catalogue.RegulationRows;
    const qsizetype count = std::min(qsizetype(rows.size()), catalogue.RegulationNames.size());
    for (qsizetype i = 0; i < count; ++i)
        if (IsDiameterRow(rows[std::size_t(i)])) {
            cases.push_back({OrdinaryPipeCase, int(i)});
            break;
        }
    for (qsizetype i = 0; i < count; ++i)
        if (!IsDiameterRow(rows[std::size_t(i)]))
            cases.push_back({catalogue.RegulationNames[i], int(i)});
    return cases;
}

int InstallationCaseOfRow(const std::vector<InstallationCase>& cases, const Catalogues& catalogue,
                          int row) {
    if (row < 0 || std::size_t(row) >= catalogue.RegulationRows.size())
        return -1;
    const bool byDiameter = IsDiameterRow(catalogue.RegulationRows[std::size_t(row)]);
    for (std::size_t i = 0; i < cases.size(); ++i)
        if (cases[i].row == row ||
            (byDiameter && IsDiameterRow(catalogue.RegulationRows[std::size_t(cases[i].row)])))
            return int(i);
    return -1;
}

float RegulationConductivity(const TMaterialRecord& material, float userLambda) {
    if (material.Lambda0 == UserCoefficientLambda0)
        return userLambda;
    return Store(material.Lambda0 + RegulationMeanTemp * material.LambdaSlope);
}

float EquivalentThickness(float thickness, float outerDiameter, float lambda) {
    if (!(outerDiameter > 0) || !(lambda > 0) || !(thickness >= 0))
        fp::RaiseInvalid();
    const long double d = outerDiameter;
    const long double exponent =
        fp::Ln(fp::Div(d + 2.0L * thickness, d)) * fp::Div(lambda, RegulationLambda);
    return Store(d * 0.5L * fp::Checked(std::expm1(exponent)));
}

RegulationMinimum RegulationMinimumThickness(const std::vector<TRegulationRow>& rows, int caseIndex,
                                             float innerDiameter, float outerDiameter,
                                             float lambda) {
    RegulationMinimum result = RegulationRowThickness(rows, caseIndex, innerDiameter);
    if (result.Outcome == RegulationOutcome::Found)
        result.Thickness = EquivalentThickness(result.RowThickness, outerDiameter, lambda);
    return result;
}

} // namespace kelvara
