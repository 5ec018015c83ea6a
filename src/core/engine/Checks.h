#pragma once

#include "shell/AppError.h"

#include <initializer_list>
#include <optional>
#include <vector>

namespace kelvara {

struct Session;

// The inputs a check can find at fault, named as the calculations read them.
enum class InputField {
    AmbientTemp,
    MediumTemp,
    PipeDiameter,
    InsulationThickness,
    PipeLength,
    SheetArea,
    SurfaceCoeff,
    EnergyCost,
    RelativeHumidity,
    Density,
    SpecificHeat,
    Flow,
    FreezingTemp,
    Enthalpy,
    FrozenShare,
};

enum class RefusalCheck {
    MaterialTooHot, // a temperature above the material's upper limit
    OutOfRange,     // a value outside its permitted range
    MediumWarmer,   // condensation: the medium is warmer than the air
};

// Why a calculation declined to compute: which check and which input.
struct Refusal {
    RefusalCheck check;
    InputField input;
    bool operator==(const Refusal&) const = default;
};

enum class Warning {
    MaterialTooCold, // a temperature below the material's lower limit; the calculation goes on
};

// The material of a calculation: a catalogue entry, or the user's own conductivity.
struct MaterialChoice {
    int index = -1;
    bool user = false;
    float userLambda = 0;
};

// Temperatures above the material's limit refuse; below its floor they warn.
std::optional<Refusal> CheckMaterialTemperatures(const Session& session, int material,
                                                 float ambient, float medium,
                                                 std::vector<Warning>& warnings);

// The surface coefficients the calculations accept, W/m²K.
constexpr long double MinSurfaceCoeff = 1;
constexpr long double MaxSurfaceCoeff = 50;

// Inclusive range test of a stored value against decimal bounds.
bool InRange(float value, long double low, long double high);

// λ at the mean of the two temperatures, or the user's λ.
float MeanConductivity(const Session& session, const MaterialChoice& material, float ambient,
                       float medium);

// One check of a sequence: whether it holds, and what fails when it does not.
struct FieldCheck {
    bool ok;
    RefusalCheck check;
    InputField input;
};
// The first check that fails, in the order given.
std::optional<Refusal> FirstFailure(std::initializer_list<FieldCheck> checks);

// A value computed before an arithmetic fault stops a calculation: results keep what was
// computed so far, so a caller can show those before it reports the fault.
using Partial = std::optional<float>;

} // namespace kelvara
