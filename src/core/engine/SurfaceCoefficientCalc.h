#pragma once

#include <optional>

namespace kelvara {

struct Session;

// Where the surface-coefficient calculator's surface lies.
enum class CoefficientPlace { InsidePipe, OutsidePipe, InsideSheet, OutsideSheet };
enum class PipeOrientation { Horizontal, Vertical }; // indoor pipes only

// What the calculator computes h from; lengths in m, humidity in %.
struct CoefficientInput {
    CoefficientPlace place = CoefficientPlace::InsidePipe;
    PipeOrientation orientation = PipeOrientation::Horizontal;
    // A condensation type: h then follows the thickness that keeps the surface at the dew point.
    bool condensation = false;
    int materialIndex = -1;
    float ambientTemp = 0;
    float mediumTemp = 0;
    float pipeDiameter = 0; // pipes only
    float thickness = 0;
    float relativeHumidity = 0;   // condensation only
    float rememberedHumidity = 0; // the humidity last remembered, for a dew point below the medium
    float emissivity = 0;
    float windSpeed = 0; // outdoors only, m/s
    float dimension = 0; // the outer diameter of a pipe, the height of a sheet
};

struct CoefficientResult {
    float h = 0;
    float surfaceTemp = 0; // the surface temperature of the last step
};

bool IsSheetPlace(CoefficientPlace place);
bool IsOutdoorPlace(CoefficientPlace place);

// True when the emissivity, the thickness and (outdoors) the wind lie in their ranges.
bool CoefficientInputsInRange(const CoefficientInput& in);

// h of the outer surface: surface temperature and h alternate until the surface temperature
// stays (at most 21 steps), starting at 90 % of the way from the medium to the air. Nothing when
// an arithmetic fault stops it.
std::optional<CoefficientResult> ComputeSurfaceCoefficient(const Session& session,
                                                           const CoefficientInput& in);

} // namespace kelvara
