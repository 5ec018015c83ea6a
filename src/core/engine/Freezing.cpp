#include "Freezing.h"

#include "Physics.h"
#include "shell/FloatingPoint.h"

namespace kelvara {

using fp::Div;
using fp::Store;

std::optional<Refusal> CheckPipeFreezing(const Session& session, const FreezingInput& in,
                                         std::vector<Warning>& warnings) {
    if (auto refusal = CheckMaterialTemperatures(session, in.material.index, in.ambientTemp,
                                                 in.mediumTemp, warnings))
        return refusal;
    if (auto refusal = CheckFreezingSeries(in))
        return refusal;
    if (!(in.thickness >= 0))
        return Refusal{RefusalCheck::OutOfRange, InputField::InsulationThickness};
    return std::nullopt;
}

std::optional<Refusal> CheckFreezingSeries(const FreezingInput& in) {
    using enum InputField;
    constexpr RefusalCheck Range = RefusalCheck::OutOfRange;
    return FirstFailure({{InRange(in.ambientTemp, -200, 300), Range, AmbientTemp},
                         {InRange(in.mediumTemp, -200, 300), Range, MediumTemp},
                         {InRange(in.freezingTemp, -200, 300), Range, FreezingTemp},
                         {in.pipeDiameter >= 0.001L, Range, PipeDiameter},
                         {InRange(in.surfaceCoeff, 1, 50), Range, SurfaceCoeff},
                         {InRange(in.density, 0.001L, 22580), Range, Density},
                         {InRange(in.specificHeat, 1, 25000), Range, SpecificHeat},
                         {InRange(in.enthalpy, 0, 10000000), Range, Enthalpy},
                         {InRange(in.frozenShare, 0, 1), Range, FrozenShare}});
}

FreezingResult PipeFreezingResults(const Session& session, const FreezingInput& in, float h) {
    FreezingResult r;
    const float ta = in.ambientTemp, tm = in.mediumTemp, tf = in.freezingTemp;
    try {
        const float lambda = MeanConductivity(session, in.material, ta, tm);
        if (tf < tm && tm < ta) {
            r.outcome = FreezingOutcome::Never;
        } else if (tm < tf && tf <= ta) {
            r.outcome = FreezingOutcome::Frozen;
        } else if (tf <= ta && ta < tm) {
            r.outcome = FreezingOutcome::Never;
        } else if (ta < tm && tm < tf) {
            r.outcome = FreezingOutcome::Frozen;
        } else if (tm < ta && ta < tf) {
            r.outcome = FreezingOutcome::Frozen;
        } else if (ta < tf && tf < tm) {
            const float d = in.pipeDiameter;
            const float k = LinearTransmittance(d, in.thickness, lambda, h);
            const float area = Store((0.5L * d * Pi) * (0.5L * d));
            const long double perTransmittance =
                Div(static_cast<long double>(area) * in.density, k);
            const float cooling = Store(
                fp::Ln(Div(static_cast<long double>(tm) - ta, static_cast<long double>(tf) - ta)) *
                (perTransmittance * in.specificHeat));
            float time = Store(Div(perTransmittance * in.enthalpy * in.frozenShare,
                                   static_cast<long double>(tf) - ta) +
                               cooling);
            r.hours = Store(0.0002777777777777778L * time); // seconds to hours
            r.outcome = FreezingOutcome::Freezes;
        }
    } catch (const AppError& error) {
        r.fault = error;
    }
    return r;
}

} // namespace kelvara
