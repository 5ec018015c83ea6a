#include "PipeSizing.h"

#include "HeatLoss.h"
#include "Physics.h"
#include "RegulationThickness.h"
#include "SurfaceTemperatureCalc.h"
#include "ThicknessSearch.h"
#include "Units.h"
#include "shell/FloatingPoint.h"
#include "shell/Session.h"

#include <cmath>

namespace kelvara {

using fp::Store;

namespace {

constexpr RefusalCheck Range = RefusalCheck::OutOfRange;

bool HotMedium(const PipeSizingInput& in) {
    return in.mediumTemp >= in.ambientTemp;
}

// A surface limit no thickness can meet: the surface of an insulated pipe lies between the
// medium and the air, and reaches the air only with an endless layer.
bool SurfaceLimitReachable(const PipeSizingInput& in, float limit) {
    if (HotMedium(in))
        return limit > in.ambientTemp || limit >= in.mediumTemp;
    return limit < in.ambientTemp || limit <= in.mediumTemp;
}

// Whether the condensation criterion can be met: a cold pipe whose target lies below the air.
bool CondensationTargetReachable(const PipeSizingInput& in) {
    if (in.mediumTemp > in.ambientTemp)
        return true;
    return DewPointWithMargin(in.ambientTemp, in.relativeHumidity, in.dewPointMargin.value_or(0)) <
           in.ambientTemp;
}

template <class Result> float Value(const Result& r, const Partial& value) {
    if (!value)
        throw *r.fault;
    return *value;
}

float SurfaceTempAt(const Session& session, const PipeSizingInput& in, float thickness) {
    SurfaceTemperatureInput s;
    s.material = in.material;
    s.ambientTemp = in.ambientTemp;
    s.mediumTemp = in.mediumTemp;
    s.pipeDiameter = in.pipeDiameter;
    s.thickness = thickness;
    s.surfaceCoeff = in.surfaceCoeff;
    const SurfaceTemperatureResult r = PipeSurfaceTemperatureResults(session, s, in.surfaceCoeff);
    return Value(r, r.surfaceTemp);
}

// Q of the pipe heat loss over `length`, as a magnitude: a cold pipe's gain counts as its loss.
float LossAt(const Session& session, const PipeSizingInput& in, float thickness, float length) {
    HeatLossInput h;
    h.material = in.material;
    h.ambientTemp = in.ambientTemp;
    h.mediumTemp = in.mediumTemp;
    h.pipeDiameter = in.pipeDiameter;
    h.thickness = thickness;
    h.extent = length;
    h.surfaceCoeff = in.surfaceCoeff;
    h.energyCost = in.energyCost;
    const HeatLossResult r = PipeHeatLossResults(session, h, in.surfaceCoeff, in.surfaceCoeff);
    return std::fabs(Value(r, r.q));
}

CriterionResult Found(float thickness) {
    return {CriterionOutcome::Thickness, thickness, Store(thickness * 1000.0L)};
}

// The thickness of a limit is shown to 0.1 mm, and the calculations fed the shown text must
// find the limit met: the least thickness is rounded up to that step, and the step's thickness
// is the one a window reads from the text.
CriterionResult Least(const std::function<bool(float)>& satisfies) {
    const std::optional<float> s = LeastThickness(satisfies);
    if (!s)
        return {CriterionOutcome::Unreachable, 0, 0};
    constexpr long long SearchStepsPerShownStep = 10; // 0.01 mm to 0.1 mm
    long long shown = (std::llround(*s / ThicknessSearchStep) + SearchStepsPerShownStep - 1) /
                      SearchStepsPerShownStep;
    const auto metres = [](long long tenths) {
        return ToStored(tenths / 10.0L, MetresPerMillimetre);
    };
    // The text read back is a float of its own; a step more where it falls short.
    for (int tries = 0; tries < 3 && !satisfies(metres(shown)); ++tries)
        ++shown;
    return {CriterionOutcome::Thickness, metres(shown), Store(shown / 10.0L)};
}

// As the pipe condensation computes it, with the target raised by the margin.
CriterionResult Condensation(const Session& session, const PipeSizingInput& in, Partial& target) {
    const float dew =
        DewPointWithMargin(in.ambientTemp, in.relativeHumidity, in.dewPointMargin.value_or(0));
    target = dew;
    // A medium warmer than the air keeps the surface above the air, hence above its dew point.
    if (in.mediumTemp > in.ambientTemp)
        return {CriterionOutcome::NotNeeded, 0, 0};
    if (dew < in.mediumTemp)
        return {CriterionOutcome::NotNeeded, 0, 0};
    return Found(RequiredThickness(session, in.mediumTemp, in.ambientTemp, in.pipeDiameter,
                                   in.surfaceCoeff, dew, in.material.index, PipeLayer));
}

CriterionResult Regulation(const Session& session, const PipeSizingInput& in) {
    const auto& records = session.Catalogue.MaterialRecords;
    float lambda = in.material.userLambda;
    if (!in.material.user) {
        if (in.material.index < 0 || std::size_t(in.material.index) >= records.size())
            fp::RaiseInvalid();
        lambda = RegulationConductivity(records[std::size_t(in.material.index)], 0);
    }
    const RegulationMinimum r =
        RegulationMinimumThickness(session.Catalogue.RegulationRows, in.regulationCase,
                                   in.innerDiameter, in.pipeDiameter, lambda);
    if (r.Outcome != RegulationOutcome::Found)
        return {CriterionOutcome::NoRow, 0, 0};
    return Found(r.Thickness);
}

} // namespace

std::optional<SizingRefusal> CheckPipeSizing(const Session& session, const PipeSizingInput& in,
                                             std::vector<Warning>& warnings) {
    if (auto refusal = CheckMaterialTemperatures(session, in.material.index, in.ambientTemp,
                                                 in.mediumTemp, warnings))
        return SizingRefusal{refusal->check, refusal->input == InputField::AmbientTemp
                                                 ? SizingField::AmbientTemp
                                                 : SizingField::MediumTemp};
    using enum SizingField;
    const std::size_t cases = session.Catalogue.RegulationRows.size();
    const bool ambientOk = InRange(in.ambientTemp, -200, 300);
    const bool mediumOk = InRange(in.mediumTemp, -200, 300);
    const bool humidityOk = InRange(in.relativeHumidity, 25, 96);
    const std::initializer_list<std::pair<bool, SizingField>> checks = {
        {ambientOk, AmbientTemp},
        {mediumOk, MediumTemp},
        {humidityOk, RelativeHumidity},
        {in.pipeDiameter >= 0.001L && in.pipeDiameter <= 10.0L, PipeDiameter},
        {in.innerDiameter > 0 && in.innerDiameter <= in.pipeDiameter, InnerDiameter},
        {InRange(in.surfaceCoeff, 1, 50), SurfaceCoeff},
        {in.regulationCase >= 0 && std::size_t(in.regulationCase) < cases, RegulationCase},
        {!in.maxSurfaceTemp || (InRange(*in.maxSurfaceTemp, -200, 300) &&
                                SurfaceLimitReachable(in, *in.maxSurfaceTemp)),
         MaxSurfaceTemp},
        {!in.maxHeatLoss || (*in.maxHeatLoss > 0 && *in.maxHeatLoss <= 1000000.0L), MaxHeatLoss},
        {!in.dewPointMargin ||
             (InRange(*in.dewPointMargin, 0, 50) && CondensationTargetReachable(in)),
         DewPointMargin},
        {in.pipeLength >= 0.001L && in.pipeLength <= 1000000.0L, PipeLength},
        {InRange(in.operatingHours, 0, 8760), OperatingHours},
        {InRange(in.energyCost, 0, 1000000), EnergyCost},
        {InRange(in.co2Factor, 0, 10), Co2Factor},
    };
    for (const auto& [ok, field] : checks)
        if (!ok)
            return SizingRefusal{Range, field};
    return std::nullopt;
}

YearlyFigures YearlyFiguresOf(float watts, float hours, float energyCost, float co2Factor) {
    const float energy = Store(static_cast<long double>(watts) * hours / 1000.0L);
    return {energy, Store(static_cast<long double>(energy) * energyCost),
            Store(static_cast<long double>(energy) * co2Factor)};
}

PipeSizingResult PipeSizingResults(const Session& session, const PipeSizingInput& in) {
    PipeSizingResult r;
    auto& criteria = r.criteria;
    try {
        criteria[std::size_t(SizingCriterion::Condensation)] =
            Condensation(session, in, r.condensationTarget);
        criteria[std::size_t(SizingCriterion::Regulation)] = Regulation(session, in);
        if (in.maxSurfaceTemp) {
            const float limit = *in.maxSurfaceTemp;
            const bool hot = HotMedium(in);
            criteria[std::size_t(SizingCriterion::SurfaceTemperature)] = Least([&](float s) {
                const float t = SurfaceTempAt(session, in, s);
                return hot ? t <= limit : t >= limit;
            });
        }
        if (in.maxHeatLoss) {
            const float limit = *in.maxHeatLoss;
            criteria[std::size_t(SizingCriterion::HeatLoss)] =
                Least([&](float s) { return LossAt(session, in, s, 1.0f) <= limit; });
        }

        for (int i = 0; i < SizingCriterionCount; ++i) {
            const CriterionResult& c = criteria[std::size_t(i)];
            if (c.outcome == CriterionOutcome::Unreachable) {
                r.governing = SizingCriterion(i);
                r.unreachable = true;
                return r;
            }
            if (c.outcome == CriterionOutcome::Thickness &&
                (!r.governing || c.thickness > r.thickness)) {
                r.governing = SizingCriterion(i);
                r.thickness = c.thickness;
                r.thicknessMm = c.thicknessMm;
            }
        }
        // A criterion that asks for no insulation at all governs nothing.
        const float s = r.thickness > 0 ? r.thickness : 0.0f;
        r.lossPerMetre = LossAt(session, in, s, 1.0f);
        const float loss = LossAt(session, in, s, in.pipeLength);
        r.loss = loss;
        const YearlyFigures y =
            YearlyFiguresOf(loss, in.operatingHours, in.energyCost, in.co2Factor);
        r.yearlyEnergy = y.energy;
        r.yearlyCost = y.cost;
        r.yearlyCo2 = y.co2;
    } catch (const AppError& error) {
        r.fault = error;
    }
    return r;
}

} // namespace kelvara
