#pragma once

#include "Checks.h"

namespace kelvara {

// The insulation that keeps the surface of a cold pipe (type 0) or flat surface (type 5) at the
// air's dew point. Lengths in m, humidity in %.
struct CondensationInput {
    MaterialChoice material;
    float ambientTemp = 0;
    float mediumTemp = 0;
    float pipeDiameter = 0; // pipes only
    float surfaceCoeff = 0;
    float relativeHumidity = 0;
};

enum class CondensationOutcome {
    Insulated,
    NotNeeded, // the dew point lies below the medium temperature
};

struct CondensationResult {
    Partial dewPoint;
    Partial minimumThickness;   // m
    Partial minimumThicknessMm; // the same in mm, as shown and looked up in the size table
    CondensationOutcome outcome = CondensationOutcome::Insulated;
    std::optional<AppError> fault; // the arithmetic fault that stopped the calculation
};

// Material temperatures, then the medium against the air, then the ranges.
std::optional<Refusal> CheckPipeCondensation(const Session& session, const CondensationInput& in,
                                             std::vector<Warning>& warnings);
// As for pipes, without a diameter and without a lower humidity limit.
std::optional<Refusal> CheckSheetCondensation(const Session& session, const CondensationInput& in,
                                              std::vector<Warning>& warnings);

// The dew point, then the thickness whose surface reaches it unless none is needed.
CondensationResult PipeCondensationResults(const Session& session, const CondensationInput& in);
CondensationResult SheetCondensationResults(const Session& session, const CondensationInput& in);

} // namespace kelvara
