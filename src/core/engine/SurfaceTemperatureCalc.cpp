#include "SurfaceTemperatureCalc.h"

#include "Physics.h"
#include "shell/FloatingPoint.h"

namespace kelvara {

namespace {

constexpr RefusalCheck Range = RefusalCheck::OutOfRange;

SurfaceTemperatureResult Results(const Session& session, const SurfaceTemperatureInput& in, float h,
                                 bool sheet) {
    SurfaceTemperatureResult r;
    try {
        r.lambda = MeanConductivity(session, in.material, in.ambientTemp, in.mediumTemp);
        if (sheet) {
            const float conductance =
                LayerConductance(session, in.mediumTemp, in.ambientTemp, in.thickness, 0,
                                 in.material.index, FlatLayer);
            r.surfaceTemp =
                SurfaceTemperature(in.mediumTemp, in.ambientTemp, conductance, h, 0, FlatLayer);
        } else {
            const float outer =
                fp::Store(static_cast<long double>(in.pipeDiameter) + 2.0L * in.thickness);
            const float conductance =
                LayerConductance(session, in.mediumTemp, in.ambientTemp, in.pipeDiameter, outer,
                                 in.material.index, PipeLayer);
            r.surfaceTemp =
                SurfaceTemperature(in.mediumTemp, in.ambientTemp, conductance, h, outer, PipeLayer);
        }
        if (in.thickness == 0)
            r.outcome = SurfaceTemperatureOutcome::NoInsulation;
    } catch (const AppError& error) {
        r.fault = error;
    }
    return r;
}

} // namespace

std::optional<Refusal> CheckPipeSurfaceTemperature(const Session& session,
                                                   const SurfaceTemperatureInput& in,
                                                   std::vector<Warning>& warnings) {
    if (auto refusal = CheckMaterialTemperatures(session, in.material.index, in.ambientTemp,
                                                 in.mediumTemp, warnings))
        return refusal;
    using enum InputField;
    return FirstFailure({{InRange(in.ambientTemp, -200, 300), Range, AmbientTemp},
                         {InRange(in.mediumTemp, -200, 300), Range, MediumTemp},
                         {in.pipeDiameter >= 0.001L, Range, PipeDiameter},
                         {in.thickness >= 0, Range, InsulationThickness},
                         {InRange(in.surfaceCoeff, 1, 50), Range, SurfaceCoeff}});
}

std::optional<Refusal> CheckSheetSurfaceTemperature(const Session& session,
                                                    const SurfaceTemperatureInput& in,
                                                    std::vector<Warning>& warnings) {
    if (auto refusal = CheckMaterialTemperatures(session, in.material.index, in.ambientTemp,
                                                 in.mediumTemp, warnings))
        return refusal;
    using enum InputField;
    return FirstFailure({{InRange(in.ambientTemp, -200, 300), Range, AmbientTemp},
                         {InRange(in.mediumTemp, -200, 300), Range, MediumTemp},
                         {InRange(in.surfaceCoeff, 1, 50), Range, SurfaceCoeff},
                         {in.thickness >= 0, Range, InsulationThickness}});
}

SurfaceTemperatureResult PipeSurfaceTemperatureResults(const Session& session,
                                                       const SurfaceTemperatureInput& in, float h) {
    return Results(session, in, h, false);
}

SurfaceTemperatureResult
SheetSurfaceTemperatureResults(const Session& session, const SurfaceTemperatureInput& in, float h) {
    return Results(session, in, h, true);
}

} // namespace kelvara
