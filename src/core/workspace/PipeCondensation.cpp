#include "CalculationCase.h"
#include "CalculationCommon.h"
#include "Calculations.h"
#include "InsulationSize.h"
#include "engine/Condensation.h"
#include "shell/Session.h"

namespace kelvara {

using namespace common;

namespace {

// The inputs both condensation types read; the diameter only for pipes.
struct CondensationRows {
    int ambient, medium, diameter, material, h, humidity;
};

CondensationInput ReadCondensationInput(CalculationCase& w, const CondensationRows& rows,
                                        int material) {
    CondensationInput in;
    in.ambientTemp = ReadRow(w, rows.ambient);
    in.mediumTemp = ReadRow(w, rows.medium);
    if (rows.diameter >= 0)
        in.pipeDiameter = ReadRow(w, rows.diameter, MetresPerMillimetre);
    in.surfaceCoeff = ReadRow(w, rows.h);
    in.relativeHumidity = ReadRow(w, rows.humidity);
    in.material = ChosenMaterial(w, rows.material, material);
    return in;
}

} // namespace

bool PipeCondensation(CalculationCase& w) {
    enum { Ambient, Medium, Diameter, Material, HRow, Humidity };
    Session& s = w.GetSession();
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    const CondensationInput in =
        ReadCondensationInput(w, {Ambient, Medium, Diameter, Material, HRow, Humidity}, material);

    std::vector<Warning> warnings;
    using enum InputField;
    if (!ReportChecks(w, warnings, CheckPipeCondensation(s, in, warnings),
                      {{AmbientTemp, Ambient},
                       {MediumTemp, Medium},
                       {PipeDiameter, Diameter},
                       {SurfaceCoeff, HRow},
                       {RelativeHumidity, Humidity}}))
        return false;

    const CondensationResult r = PipeCondensationResults(s, in);
    WriteResult(w, 0, QStringLiteral("#########0.00"), r.dewPoint);
    if (r.fault)
        throw *r.fault;
    if (r.outcome == CondensationOutcome::NotNeeded) {
        // No insulation needed; the remembered thickness stays as it was.
        w.SetResultText(1, QStringLiteral("- / -"));
        w.SetResultText(2, QStringLiteral("- / -"));
    } else {
        WriteResult(w, 1, QStringLiteral("#########0.000"), r.minimumThicknessMm);
        w.SetResultText(2, in.material.user ? NotNeeded
                                            : PipeInsulationSize(s, w.GetPrompts(), in.pipeDiameter,
                                                                 *r.minimumThicknessMm));
        s.Remembered.InsulationThickness = *r.minimumThickness;
    }

    AppendLogLine(w, Material, UserLambdaText(in.material),
                  {Ambient, Medium, Diameter, Material, HRow, Humidity}, {0, 1, 2});
    return true;
}

bool SheetCondensation(CalculationCase& w) {
    enum { Ambient, Medium, Material, HRow, Humidity };
    Session& s = w.GetSession();
    const int material = MaterialOrRefuse(w, Material);
    if (material < 0)
        return false;
    const CondensationInput in =
        ReadCondensationInput(w, {Ambient, Medium, -1, Material, HRow, Humidity}, material);

    std::vector<Warning> warnings;
    using enum InputField;
    if (!ReportChecks(w, warnings, CheckSheetCondensation(s, in, warnings),
                      {{AmbientTemp, Ambient},
                       {MediumTemp, Medium},
                       {SurfaceCoeff, HRow},
                       {RelativeHumidity, Humidity}}))
        return false;

    const CondensationResult r = SheetCondensationResults(s, in);
    WriteResult(w, 0, QStringLiteral("#########0.00"), r.dewPoint);
    if (r.fault)
        throw *r.fault;
    if (r.outcome == CondensationOutcome::NotNeeded) {
        // Nothing needed: nothing logged, the remembered thickness left alone.
        w.SetResultText(1, NotNeeded);
        w.SetResultText(2, NotNeeded);
        return true;
    }
    WriteResult(w, 1, QStringLiteral("#########0.00"), r.minimumThicknessMm);
    w.SetResultText(2, in.material.user
                           ? NotNeeded
                           : SheetInsulationSize(s, w.GetPrompts(), *r.minimumThicknessMm));
    s.Remembered.InsulationThickness = *r.minimumThickness;

    // The user's λ goes into the log as in every other calculation, so the line can be fed back.
    AppendLogLine(w, Material, UserLambdaText(in.material),
                  {Ambient, Medium, Material, HRow, Humidity}, {0, 1, 2});
    return true;
}

} // namespace kelvara
