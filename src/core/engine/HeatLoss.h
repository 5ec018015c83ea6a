#pragma once

#include "Checks.h"

namespace kelvara {

// Heat loss of an insulated pipe (type 2) or flat surface (type 6). Lengths in m.
struct HeatLossInput {
    MaterialChoice material;
    float ambientTemp = 0;
    float mediumTemp = 0;
    float pipeDiameter = 0; // pipes only
    float thickness = 0;
    float extent = 0; // pipe length (m) or sheet area (m²)
    float surfaceCoeff = 0;
    float energyCost = 0; // per kWh
};

enum class HeatLossOutcome {
    Insulated,
    NoInsulation, // thickness 0: λ and k do not apply
};

struct HeatLossResult {
    Partial lambda, k, q;
    Partial reduction; // % of the bare surface's loss; absent for equal temperatures
    Partial cost;      // per hour
    HeatLossOutcome outcome = HeatLossOutcome::Insulated;
    bool equalTemperatures = false; // the reduction is 0 by definition
    std::optional<AppError> fault;  // the arithmetic fault that stopped the calculation
};

// The checks in order: material temperatures, then the ranges. The first failure refuses.
std::optional<Refusal> CheckPipeHeatLoss(const Session& session, const HeatLossInput& in,
                                         std::vector<Warning>& warnings);
std::optional<Refusal> CheckSheetHeatLoss(const Session& session, const HeatLossInput& in,
                                          std::vector<Warning>& warnings);

// The bare surface's loss for the reduction, from its own h; then λ, k, Q, reduction and cost
// with h the coefficient used for the insulated surface.
HeatLossResult PipeHeatLossResults(const Session& session, const HeatLossInput& in, float h,
                                   float bareH);
HeatLossResult SheetHeatLossResults(const Session& session, const HeatLossInput& in, float h,
                                    float bareH);

} // namespace kelvara
