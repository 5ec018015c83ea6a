#include "CalculationCommon.h"
#include "CalculationWindow.h"
#include "Calculations.h"
#include "engine/Physics.h"
#include "shell/FloatingPoint.h"

namespace kelvara {

using namespace common;
using fp::Div;
using fp::Store;

namespace {

enum {
    Ambient,
    Medium,
    Density,
    SpecificHeat,
    Freezing,
    Enthalpy,
    Share,
    Diameter,
    Thickness,
    Material,
    HRow
};

struct FreezingInputs {
    float ta, tm, density, heat, freezing, enthalpy, share, d, h;
};

FreezingInputs ReadInputs(CalculationWindow& w) {
    FreezingInputs in{};
    in.ta = ReadRow(w, Ambient);
    in.tm = ReadRow(w, Medium);
    in.density = ReadRow(w, Density);
    in.heat = ReadRow(w, SpecificHeat);
    in.freezing = ReadRow(w, Freezing);
    in.enthalpy = ReadRow(w, Enthalpy, 1000.0L); // kJ/kg to J/kg
    in.share = ReadRow(w, Share, 0.01L);         // % to a fraction
    in.d = ReadRow(w, Diameter, 0.001L);
    in.h = ReadRow(w, HRow);
    return in;
}

bool AcceptInputs(CalculationWindow& w, const FreezingInputs& in) {
    return AcceptData(w, {{InRange(in.ta, -200, 300), Ambient},
                          {InRange(in.tm, -200, 300), Medium},
                          {InRange(in.freezing, -200, 300), Freezing},
                          {in.d >= 0.001L, Diameter},
                          {InRange(in.h, 1, 50), HRow},
                          {InRange(in.density, 0.001L, 22580), Density},
                          {InRange(in.heat, 1, 25000), SpecificHeat},
                          {InRange(in.enthalpy, 0, 10000000), Enthalpy},
                          {InRange(in.share, 0, 1), Share}});
}

// Writes the outcome for the order of the three temperatures into result row 0 (the time only
// when writeTime is set); returns the time in hours when the medium cools down to freezing and
// then freezes, else 0.
float Outcome(CalculationWindow& w, const FreezingInputs& in, float lambda, float thickness,
              bool writeTime) {
    const float ta = in.ta, tm = in.tm, tf = in.freezing;
    const QString never = QStringLiteral("nigdy"), frozen = QStringLiteral("zamarzniety");
    if (tf < tm && tm < ta) {
        w.Result(0).SetParaLineEditText(never);
    } else if (tm < tf && tf <= ta) {
        w.Result(0).SetParaLineEditText(frozen);
    } else if (tf <= ta && ta < tm) {
        w.Result(0).SetParaLineEditText(never);
    } else if (ta < tm && tm < tf) {
        w.Result(0).SetParaLineEditText(frozen);
    } else if (tm < ta && ta < tf) {
        w.Result(0).SetParaLineEditText(frozen);
    } else if (ta < tf && tf < tm) {
        const float k = LinearTransmittance(in.d, thickness, lambda, in.h);
        const float area = Store((0.5L * in.d * Pi) * (0.5L * in.d));
        const long double perTransmittance = Div(static_cast<long double>(area) * in.density, k);
        const float cooling = Store(
            fp::Ln(Div(static_cast<long double>(tm) - ta, static_cast<long double>(tf) - ta)) *
            (perTransmittance * in.heat));
        float time = Store(
            Div(perTransmittance * in.enthalpy * in.share, static_cast<long double>(tf) - ta) +
            cooling);
        time = Store(0.0002777777777777778L * time); // seconds to hours
        if (writeTime)
            WriteResult(w, 0, QStringLiteral("#0.00"), time);
        return time;
    }
    return 0.0f;
}

} // namespace

bool PipeFreezingTime(CalculationWindow& w) {
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    FreezingInputs in = ReadInputs(w);
    const float thickness = ReadRow(w, Thickness, 0.001L);
    if (!CheckMaterialTemperatures(w, material, in.ta, in.tm))
        return false;
    if (!AcceptInputs(w, in) || !AcceptData(w, {{thickness >= 0, Thickness}}))
        return false;

    AutomaticCoefficient(w, HRow, thickness, in.h);

    QString userLambdaText;
    const float lambda = Conductivity(w, Material, material, in.ta, in.tm, userLambdaText);
    Outcome(w, in, lambda, thickness, true);

    w.ResultLog.append(
        InputFields(w, Material, userLambdaText, {Ambient, Medium, Density, SpecificHeat}) +
        w.Input(Freezing).ParaLineEditText() + QStringLiteral("[°C]\t") +
        InputFields(w, Material, userLambdaText,
                    {Enthalpy, Share, Diameter, Thickness, Material, HRow}) +
        ResultFields(w, {0}));
    return true;
}

float PipeFreezingTimeForThickness(CalculationWindow& w, float thickness) {
    const FreezingInputs in = ReadInputs(w);
    if (!AcceptInputs(w, in)) {
        return 0.0f;
    }
    QString unused;
    const int material = w.Input(Material).MaterialIndex();
    const float lambda = Conductivity(w, Material, material, in.ta, in.tm, unused);
    // The series keeps the time of the typed thickness in the result row.
    return Outcome(w, in, lambda, thickness, false);
}

} // namespace kelvara
