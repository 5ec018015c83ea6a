#include "Checks.h"

#include "Physics.h"
#include "shell/FloatingPoint.h"

namespace kelvara {

std::optional<Refusal> CheckMaterialTemperatures(const Session& session, int material,
                                                 float ambient, float medium,
                                                 std::vector<Warning>& warnings) {
    const float maxTemp = MaterialMaxTemp(session, material);
    if (maxTemp < ambient)
        return Refusal{RefusalCheck::MaterialTooHot, InputField::AmbientTemp};
    if (maxTemp < medium)
        return Refusal{RefusalCheck::MaterialTooHot, InputField::MediumTemp};
    const float minTemp = MaterialMinTemp(session, material);
    if (minTemp > ambient || minTemp > medium)
        warnings.push_back(Warning::MaterialTooCold);
    return std::nullopt;
}

bool InRange(float value, long double low, long double high) {
    const long double v = value;
    return v >= low && v <= high;
}

std::optional<Refusal> FirstFailure(std::initializer_list<FieldCheck> checks) {
    for (const FieldCheck& c : checks)
        if (!c.ok)
            return Refusal{c.check, c.input};
    return std::nullopt;
}

float MeanConductivity(const Session& session, const MaterialChoice& material, float ambient,
                       float medium) {
    if (material.user)
        return material.userLambda;
    return MaterialConductivity(
        session, fp::Store((static_cast<long double>(ambient) + medium) * 0.5L), material.index);
}

} // namespace kelvara
