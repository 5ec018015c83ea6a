#pragma once

namespace kelvara {

struct Session;

// Convection cases of the surface coefficient.
enum ConvectionMode {
    FreeVertical = 0,   // free convection, vertical surface or pipe
    FreeHorizontal = 1, // free convection, horizontal pipe
    ForcedPipe = 2,     // wind, pipe
    ForcedFlat = 3,     // wind, flat surface
};

// Layer geometry: 0 pipe, 2 flat (1 is taken as a pipe by SurfaceTemperature only).
enum LayerGeometry { PipeLayer = 0, FlatLayer = 2 };

inline constexpr long double Pi = 3.14159L;
inline constexpr long double TwoPi = 6.28318L;

// λ of catalogue material `materialIndex` at a mean temperature; the user entry gives
// UserLambda. Throws for an index outside the catalogue.
float MaterialConductivity(const Session& session, float meanTemp, int materialIndex);
float MaterialMinTemp(const Session& session, int materialIndex);
float MaterialMaxTemp(const Session& session, int materialIndex);

// Conductance of the insulation layer: per metre of pipe (geometry 0, inner and outer
// diameters in m) or per m² (geometry 2, inner = thickness). 0 means no layer.
float LayerConductance(const Session& session, float temp1, float temp2, float inner, float outer,
                       int materialIndex, int geometry);

float SurfaceTemperature(float mediumTemp, float ambientTemp, float layerConductance, float h,
                         float outerDiameter, int geometry);

float SurfaceCoefficient(float surfaceTemp, float ambientTemp, float emissivity, float dimension,
                         float windSpeed, int mode);

float DewPoint(float ambientTemp, float relHumidity);

// Thickness (m) whose surface temperature reaches the target: ten secant steps.
float RequiredThickness(const Session& session, float mediumTemp, float ambientTemp,
                        float pipeDiameter, float h, float targetSurfaceTemp, int materialIndex,
                        int geometry);

// Heat transfer per metre of an insulated pipe (outer diameter d, insulation s, both m).
float LinearTransmittance(float d, float s, float lambda, float h);

} // namespace kelvara
