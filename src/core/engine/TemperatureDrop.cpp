#include "TemperatureDrop.h"

#include "Physics.h"

#include <cmath>

namespace kelvara {

using fp::Store;

std::optional<Refusal> CheckPipeTemperatureDrop(const Session& session,
                                                const TemperatureDropInput& in,
                                                std::vector<Warning>& warnings) {
    if (auto refusal = CheckMaterialTemperatures(session, in.material.index, in.ambientTemp,
                                                 in.mediumTemp, warnings))
        return refusal;
    using enum InputField;
    constexpr RefusalCheck Range = RefusalCheck::OutOfRange;
    return FirstFailure({{InRange(in.ambientTemp, -200, 300), Range, AmbientTemp},
                         {InRange(in.mediumTemp, -200, 300), Range, MediumTemp},
                         {in.pipeDiameter >= 0.001L, Range, PipeDiameter},
                         {in.pipeLength >= 0.001L, Range, PipeLength},
                         {InRange(in.surfaceCoeff, 1, 50), Range, SurfaceCoeff},
                         {InRange(in.density, 0.001L, 22580), Range, Density},
                         {InRange(in.specificHeat, 1, 25000), Range, SpecificHeat},
                         {InRange(MetricFlow(in.flow, in.flowUnit), 0.001L, 1000), Range, Flow},
                         {in.thickness >= 0, Range, InsulationThickness}});
}

TemperatureDropResult PipeTemperatureDropResults(const Session& session,
                                                 const TemperatureDropInput& in, float h) {
    TemperatureDropResult r;
    try {
        const float d = in.pipeDiameter;
        const float flow = MetricFlow(in.flow, in.flowUnit);
        const float lambda = MeanConductivity(session, in.material, in.ambientTemp, in.mediumTemp);
        r.lambda = lambda;
        const float k = LinearTransmittance(d, in.thickness, lambda, h);
        float mass = Store((d * 0.5L * Pi) * (d * 0.5L) * flow * in.density);
        // A volume flow in l/s over the cross-section: 4 / (1000 · 3.14159) =
        // 0.0012732406201955062.
        if (IsVolumeFlow(in.flowUnit))
            mass = Store(fp::Div(0.0012732406201955062L, static_cast<long double>(d) * d) * mass);
        const long double exponent =
            fp::Div(fp::Div(-static_cast<long double>(k), mass), in.specificHeat) * in.pipeLength;
        const float change = Store((1.0L - fp::Checked(std::exp(exponent))) *
                                   (static_cast<long double>(in.mediumTemp) - in.ambientTemp));
        const bool warmer = in.mediumTemp > in.ambientTemp;
        r.temperatureChange = warmer ? std::fabs(change) : -std::fabs(change);
        const float q = Store(static_cast<long double>(mass) * in.specificHeat * change);
        r.heatFlow = warmer ? -std::fabs(q) : std::fabs(q);
        if (in.thickness == 0)
            r.outcome = TemperatureDropOutcome::NoInsulation;
    } catch (const AppError& error) {
        r.fault = error;
    }
    return r;
}

} // namespace kelvara
