#pragma once

#include "Checks.h"

namespace kelvara {

// Outer surface temperature of an insulated pipe (type 1) or flat surface (type 7). Lengths in m.
struct SurfaceTemperatureInput {
    MaterialChoice material;
    float ambientTemp = 0;
    float mediumTemp = 0;
    float pipeDiameter = 0; // pipes only
    float thickness = 0;
    float surfaceCoeff = 0;
};

enum class SurfaceTemperatureOutcome {
    Insulated,
    NoInsulation, // thickness 0: λ does not apply
};

struct SurfaceTemperatureResult {
    Partial lambda;
    Partial surfaceTemp;
    SurfaceTemperatureOutcome outcome = SurfaceTemperatureOutcome::Insulated;
    std::optional<AppError> fault; // the arithmetic fault that stopped the calculation
};

// Material temperatures, then the ranges; the first failure refuses.
std::optional<Refusal> CheckPipeSurfaceTemperature(const Session& session,
                                                   const SurfaceTemperatureInput& in,
                                                   std::vector<Warning>& warnings);
std::optional<Refusal> CheckSheetSurfaceTemperature(const Session& session,
                                                    const SurfaceTemperatureInput& in,
                                                    std::vector<Warning>& warnings);

// λ at the mean temperature and the surface temperature with h the coefficient in use.
SurfaceTemperatureResult PipeSurfaceTemperatureResults(const Session& session,
                                                       const SurfaceTemperatureInput& in, float h);
SurfaceTemperatureResult SheetSurfaceTemperatureResults(const Session& session,
                                                        const SurfaceTemperatureInput& in, float h);

} // namespace kelvara
