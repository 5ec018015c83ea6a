#pragma once

#include "Checks.h"

#include <array>

namespace kelvara {

// The insulation a pipe needs by every criterion at once: condensation on a cold pipe, the
// building regulation's minimum, a surface-temperature limit and a heat-loss limit. Lengths in
// m, humidity in %, the margin in K.
struct PipeSizingInput {
    MaterialChoice material;
    float ambientTemp = 0;
    float mediumTemp = 0;
    float relativeHumidity = 0;
    float pipeDiameter = 0;  // outer
    float innerDiameter = 0; // picks the regulation's row by diameter
    float surfaceCoeff = 0;
    int regulationCase = -1; // row of the regulation table
    std::optional<float> maxSurfaceTemp;
    std::optional<float> maxHeatLoss; // W per metre of pipe
    std::optional<float> dewPointMargin;
    float pipeLength = 0;
    float operatingHours = 0; // per year
    float energyCost = 0;     // per kWh
    float co2Factor = 0;      // kg per kWh
};

// The inputs of the sizing in the order a user enters them.
enum class SizingField {
    AmbientTemp,
    MediumTemp,
    RelativeHumidity,
    PipeDiameter,
    InnerDiameter,
    Material,
    SurfaceCoeff,
    RegulationCase,
    MaxSurfaceTemp,
    MaxHeatLoss,
    DewPointMargin,
    PipeLength,
    OperatingHours,
    EnergyCost,
    Co2Factor,
};

struct SizingRefusal {
    RefusalCheck check;
    SizingField input;
    bool operator==(const SizingRefusal&) const = default;
};

// In the order the results list them; the governing criterion is the first of the largest.
enum class SizingCriterion { Condensation, Regulation, SurfaceTemperature, HeatLoss };
inline constexpr int SizingCriterionCount = 4;

enum class CriterionOutcome {
    NotUsed,     // its limit was left empty
    Thickness,   // `thickness` meets the criterion
    NotNeeded,   // condensation: the surface cannot reach the target, bare pipe or not
    Unreachable, // not even half a metre meets the limit
    NoRow,       // the regulation table has no row for this pipe
};

struct CriterionResult {
    CriterionOutcome outcome = CriterionOutcome::NotUsed;
    float thickness = 0;   // m
    float thicknessMm = 0; // as shown and looked up in the size table
};

struct PipeSizingResult {
    std::array<CriterionResult, SizingCriterionCount> criteria;
    Partial condensationTarget; // the dew point plus the margin, °C
    // The criterion with the largest thickness; none when no criterion asks for insulation.
    std::optional<SizingCriterion> governing;
    // The table rows the regulation's minimum came from: the case's own row and the row by
    // inner diameter it took (-1 when none did).
    int regulationRow = -1;
    int regulationDiameterRow = -1;
    float thickness = 0;      // m, of the governing criterion (0 without one)
    float thicknessMm = 0;    // the same in mm
    bool unreachable = false; // the governing criterion has no thickness: no yearly figures
    // At the governing thickness: the loss per metre and for the length (W, magnitudes), and per
    // year the energy (kWh), its cost and the CO2 (kg).
    Partial lossPerMetre, loss, yearlyEnergy, yearlyCost, yearlyCo2;
    std::optional<AppError> fault; // the arithmetic fault that stopped the calculation

    const CriterionResult& Criterion(SizingCriterion c) const { return criteria[std::size_t(c)]; }
};

// Material temperatures, then every input in entry order; the first failure refuses.
std::optional<SizingRefusal> CheckPipeSizing(const Session& session, const PipeSizingInput& in,
                                             std::vector<Warning>& warnings);

// Every criterion's thickness, the governing one and the yearly figures at its thickness. A
// user material's λ must also be the session's UserLambda, as for the other pipe calculations.
PipeSizingResult PipeSizingResults(const Session& session, const PipeSizingInput& in);

// The yearly figures of a loss of `watts` over `hours`: kWh, cost and kg of CO2.
struct YearlyFigures {
    float energy, cost, co2;
};
YearlyFigures YearlyFiguresOf(float watts, float hours, float energyCost, float co2Factor);

} // namespace kelvara
