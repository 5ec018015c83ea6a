#pragma once

#include "Checks.h"
#include "Units.h"

namespace kelvara {

// Temperature change of a medium flowing through an insulated pipe (type 3). Lengths in m.
struct TemperatureDropInput {
    MaterialChoice material;
    float ambientTemp = 0;
    float mediumTemp = 0;
    float density = 0;      // kg/m³
    float specificHeat = 0; // J/(kg·K)
    float flow = 0;         // as typed, in flowUnit
    FlowUnit flowUnit = FlowUnit::MetresPerSecond;
    float pipeDiameter = 0;
    float thickness = 0;
    float pipeLength = 0;
    float surfaceCoeff = 0;
};

enum class TemperatureDropOutcome {
    Insulated,
    NoInsulation, // thickness 0: λ does not apply
};

struct TemperatureDropResult {
    Partial lambda;
    Partial temperatureChange; // K; positive when the medium is warmer than the air
    Partial heatFlow;          // W; negative when the medium is warmer than the air
    TemperatureDropOutcome outcome = TemperatureDropOutcome::Insulated;
    std::optional<AppError> fault; // the arithmetic fault that stopped the calculation
};

// Material temperatures, then the ranges (the flow in its metric unit); the first failure refuses.
std::optional<Refusal> CheckPipeTemperatureDrop(const Session& session,
                                                const TemperatureDropInput& in,
                                                std::vector<Warning>& warnings);

// λ, the change of the medium's temperature along the pipe and the heat it gives off, with h
// the coefficient in use.
TemperatureDropResult PipeTemperatureDropResults(const Session& session,
                                                 const TemperatureDropInput& in, float h);

} // namespace kelvara
