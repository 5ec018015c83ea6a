#include "Condensation.h"

#include "Physics.h"
#include "shell/FloatingPoint.h"

namespace kelvara {

namespace {

constexpr RefusalCheck Range = RefusalCheck::OutOfRange;

CondensationResult Results(const Session& session, const CondensationInput& in, bool sheet) {
    CondensationResult r;
    try {
        const float dew = DewPoint(in.ambientTemp, in.relativeHumidity);
        r.dewPoint = dew;
        if (dew < in.mediumTemp) {
            r.outcome = CondensationOutcome::NotNeeded;
            return r;
        }
        const float minimum = RequiredThickness(session, in.mediumTemp, in.ambientTemp,
                                                sheet ? 0 : in.pipeDiameter, in.surfaceCoeff, dew,
                                                in.material.index, sheet ? FlatLayer : PipeLayer);
        r.minimumThickness = minimum;
        r.minimumThicknessMm = fp::Store(minimum * 1000.0L);
    } catch (const AppError& error) {
        r.fault = error;
    }
    return r;
}

} // namespace

std::optional<Refusal> CheckPipeCondensation(const Session& session, const CondensationInput& in,
                                             std::vector<Warning>& warnings) {
    if (auto refusal = CheckMaterialTemperatures(session, in.material.index, in.ambientTemp,
                                                 in.mediumTemp, warnings))
        return refusal;
    using enum InputField;
    return FirstFailure({{in.ambientTemp >= in.mediumTemp, RefusalCheck::MediumWarmer, MediumTemp},
                         {InRange(in.ambientTemp, -200, 300), Range, AmbientTemp},
                         {InRange(in.mediumTemp, -200, 300), Range, MediumTemp},
                         {in.pipeDiameter >= 0.001L, Range, PipeDiameter},
                         {InRange(in.surfaceCoeff, 1, 50), Range, SurfaceCoeff},
                         {InRange(in.relativeHumidity, 25, 96), Range, RelativeHumidity}});
}

std::optional<Refusal> CheckSheetCondensation(const Session& session, const CondensationInput& in,
                                              std::vector<Warning>& warnings) {
    if (auto refusal = CheckMaterialTemperatures(session, in.material.index, in.ambientTemp,
                                                 in.mediumTemp, warnings))
        return refusal;
    using enum InputField;
    return FirstFailure({{in.ambientTemp >= in.mediumTemp, RefusalCheck::MediumWarmer, MediumTemp},
                         {InRange(in.ambientTemp, -200, 300), Range, AmbientTemp},
                         {InRange(in.mediumTemp, -200, 300), Range, MediumTemp},
                         {InRange(in.surfaceCoeff, 1, 50), Range, SurfaceCoeff},
                         {in.relativeHumidity <= 96.0L, Range, RelativeHumidity}});
}

CondensationResult PipeCondensationResults(const Session& session, const CondensationInput& in) {
    return Results(session, in, false);
}

CondensationResult SheetCondensationResults(const Session& session, const CondensationInput& in) {
    return Results(session, in, true);
}

} // namespace kelvara
