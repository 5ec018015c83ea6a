#include "InsulationSize.h"

#include "shell/Session.h"

#include <optional>

namespace kelvara {

namespace {

SizeMatch Find(const std::shared_ptr<const TToleranceTable>& table,
               const std::optional<long double>& diameterMm, float thicknessMm) {
    if (!table)
        return {true, nullptr};
    const long double s = thicknessMm;
    for (const TToleranceLine& line : *table) {
        const bool diameterFits =
            !diameterMm || (line.DiameterFrom < *diameterMm && *diameterMm <= line.DiameterTo);
        if (diameterFits && line.ThicknessFrom < s && s <= line.ThicknessTo)
            return {false, &line};
    }
    return {};
}

} // namespace

SizeMatch PipeSizeLine(const Session& session, float pipeDiameter, float thicknessMm) {
    return Find(session.PipeToleranceTable, static_cast<long double>(pipeDiameter) * 1000.0L,
                thicknessMm);
}

SizeMatch SheetSizeLine(const Session& session, float thicknessMm) {
    return Find(session.SheetToleranceTable, std::nullopt, thicknessMm);
}

} // namespace kelvara
