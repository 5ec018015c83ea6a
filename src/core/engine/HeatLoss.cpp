#include "HeatLoss.h"

#include "Physics.h"
#include "shell/FloatingPoint.h"

#include <cmath>

namespace kelvara {

using fp::Div;
using fp::Store;

namespace {

std::optional<Refusal> OutOfRange(InputField field) {
    return Refusal{RefusalCheck::OutOfRange, field};
}

// Q, the reduction against the bare surface and the cost, shared by pipes and sheets.
void LossAndCost(const HeatLossInput& in, float bareLoss, HeatLossResult& r, long double costSign) {
    const float q = Store(static_cast<long double>(*r.k) * in.extent *
                          (static_cast<long double>(in.ambientTemp) - in.mediumTemp));
    r.q = q;
    if (in.ambientTemp == in.mediumTemp)
        r.equalTemperatures = true;
    else
        r.reduction = Store((1.0L - Div(q, bareLoss)) * 100.0L);
    r.cost = Store(std::fabs(costSign * q * in.energyCost * 0.001L));
    if (in.thickness == 0)
        r.outcome = HeatLossOutcome::NoInsulation;
}

} // namespace

std::optional<Refusal> CheckPipeHeatLoss(const Session& session, const HeatLossInput& in,
                                         std::vector<Warning>& warnings) {
    if (auto refusal = CheckMaterialTemperatures(session, in.material.index, in.ambientTemp,
                                                 in.mediumTemp, warnings))
        return refusal;
    if (!InRange(in.ambientTemp, -200, 300))
        return OutOfRange(InputField::AmbientTemp);
    if (!InRange(in.mediumTemp, -200, 300))
        return OutOfRange(InputField::MediumTemp);
    if (!(in.pipeDiameter >= 0.001L))
        return OutOfRange(InputField::PipeDiameter);
    if (!(in.extent >= 0.001L))
        return OutOfRange(InputField::PipeLength);
    if (!InRange(in.surfaceCoeff, 1, 50))
        return OutOfRange(InputField::SurfaceCoeff);
    if (!InRange(in.energyCost, 0, 1000000))
        return OutOfRange(InputField::EnergyCost);
    if (!(in.thickness >= 0))
        return OutOfRange(InputField::InsulationThickness);
    return std::nullopt;
}

std::optional<Refusal> CheckSheetHeatLoss(const Session& session, const HeatLossInput& in,
                                          std::vector<Warning>& warnings) {
    if (auto refusal = CheckMaterialTemperatures(session, in.material.index, in.ambientTemp,
                                                 in.mediumTemp, warnings))
        return refusal;
    if (!InRange(in.ambientTemp, -200, 300))
        return OutOfRange(InputField::AmbientTemp);
    if (!InRange(in.mediumTemp, -200, 300))
        return OutOfRange(InputField::MediumTemp);
    if (!InRange(in.surfaceCoeff, 1, 50))
        return OutOfRange(InputField::SurfaceCoeff);
    if (!InRange(in.energyCost, 0, 1000000))
        return OutOfRange(InputField::EnergyCost);
    if (!(in.extent >= 0.01L))
        return OutOfRange(InputField::SheetArea);
    if (!(in.thickness >= 0))
        return OutOfRange(InputField::InsulationThickness);
    return std::nullopt;
}

HeatLossResult PipeHeatLossResults(const Session& session, const HeatLossInput& in, float h,
                                   float bareH) {
    HeatLossResult r;
    try {
        const float d = in.pipeDiameter;
        const float bareLoss = Store(static_cast<long double>(bareH) * Pi * d * in.extent *
                                     (static_cast<long double>(in.ambientTemp) - in.mediumTemp));
        const float lambda = MeanConductivity(session, in.material, in.ambientTemp, in.mediumTemp);
        r.lambda = lambda;
        const long double outer = static_cast<long double>(d) + 2.0L * in.thickness;
        const long double insulation = Div(fp::Ln(Div(outer, d)), TwoPi * lambda);
        const long double surface = Div(1.0L, outer * h * Pi);
        r.k = Store(Div(1.0L, insulation + surface));
        LossAndCost(in, bareLoss, r, 1.0L);
    } catch (const AppError& error) {
        r.fault = error;
    }
    return r;
}

HeatLossResult SheetHeatLossResults(const Session& session, const HeatLossInput& in, float h,
                                    float bareH) {
    HeatLossResult r;
    try {
        const float bareLoss = Store(static_cast<long double>(bareH) * in.extent *
                                     (static_cast<long double>(in.ambientTemp) - in.mediumTemp));
        const float lambda = MeanConductivity(session, in.material, in.ambientTemp, in.mediumTemp);
        r.lambda = lambda;
        float u = Store(Div(in.thickness, lambda));
        u = Store(Div(1.0L, h) + u);
        r.k = Store(Div(1.0L, u));
        LossAndCost(in, bareLoss, r, -1.0L);
    } catch (const AppError& error) {
        r.fault = error;
    }
    return r;
}

} // namespace kelvara
