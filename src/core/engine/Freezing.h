#pragma once

#include "Checks.h"

namespace kelvara {

// Time until the standing medium in an insulated pipe freezes (type 4). Lengths in m.
struct FreezingInput {
    MaterialChoice material;
    float ambientTemp = 0;
    float mediumTemp = 0;
    float density = 0;      // kg/m³
    float specificHeat = 0; // J/(kg·K)
    float freezingTemp = 0;
    float enthalpy = 0;    // latent heat, J/kg
    float frozenShare = 0; // the share that has to freeze, 0 to 1
    float pipeDiameter = 0;
    float thickness = 0;
    float surfaceCoeff = 0;
};

enum class FreezingOutcome {
    Freezes,     // the medium cools down to its freezing point and freezes: a time in hours
    Never,       // the air cannot freeze it
    Frozen,      // it is frozen already, or the air keeps it frozen
    Undetermined // temperatures that fit none of the cases (some of them equal)
};

struct FreezingResult {
    FreezingOutcome outcome = FreezingOutcome::Undetermined;
    Partial hours;                 // with Freezes only
    std::optional<AppError> fault; // the arithmetic fault that stopped the calculation
};

// Material temperatures, the ranges of the series inputs, then the thickness.
std::optional<Refusal> CheckPipeFreezing(const Session& session, const FreezingInput& in,
                                         std::vector<Warning>& warnings);
// The ranges the freezing series judges before each thickness (no material, no thickness).
std::optional<Refusal> CheckFreezingSeries(const FreezingInput& in);

// The outcome for the order of the three temperatures, with the time when the medium freezes;
// h is the coefficient in use, the thickness that of in.
FreezingResult PipeFreezingResults(const Session& session, const FreezingInput& in, float h);

} // namespace kelvara
