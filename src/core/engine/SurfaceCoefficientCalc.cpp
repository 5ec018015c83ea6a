#include "SurfaceCoefficientCalc.h"

#include "Physics.h"
#include "shell/AppError.h"
#include "shell/FloatingPoint.h"

namespace kelvara {

using fp::Store;

namespace {

int ModeOf(const CoefficientInput& in) {
    switch (in.place) {
    case CoefficientPlace::InsidePipe:
        return in.orientation == PipeOrientation::Horizontal ? FreeHorizontal : FreeVertical;
    case CoefficientPlace::OutsidePipe:
        return ForcedPipe;
    case CoefficientPlace::InsideSheet:
        return FreeVertical;
    case CoefficientPlace::OutsideSheet:
        return ForcedFlat;
    }
    return FreeVertical;
}

} // namespace

bool IsSheetPlace(CoefficientPlace place) {
    return place == CoefficientPlace::InsideSheet || place == CoefficientPlace::OutsideSheet;
}

bool IsOutdoorPlace(CoefficientPlace place) {
    return place == CoefficientPlace::OutsidePipe || place == CoefficientPlace::OutsideSheet;
}

bool CoefficientInputsInRange(const CoefficientInput& in) {
    return !(in.emissivity < 0 || in.emissivity > 1 || in.thickness < 0 || in.thickness > 0.5L ||
             (IsOutdoorPlace(in.place) && in.windSpeed > 10));
}

std::optional<CoefficientResult> ComputeSurfaceCoefficient(const Session& session,
                                                           const CoefficientInput& in) {
    const bool sheet = IsSheetPlace(in.place);
    const int mode = ModeOf(in);
    const float ta = in.ambientTemp, tm = in.mediumTemp, diameter = in.pipeDiameter;
    const int material = in.materialIndex;
    // The dimension h is computed for stays that of the starting thickness, also while the
    // condensation rounds change the thickness of the layer.
    const float dimension = in.dimension;
    float thickness = in.thickness;
    try {
        float surface = Store(tm + 0.9L * (static_cast<long double>(ta) - tm));
        float h = 0;
        auto iterate = [&] {
            const float outer = sheet ? 0.0f : Store(diameter + 2.0L * thickness);
            for (int step = 0; step < 21; ++step) {
                const float k = sheet ? LayerConductance(session, tm, surface, thickness, 0,
                                                         material, FlatLayer)
                                      : LayerConductance(session, tm, surface, diameter, outer,
                                                         material, PipeLayer);
                h = SurfaceCoefficient(surface, ta, in.emissivity, dimension, in.windSpeed, mode);
                const float next = sheet ? SurfaceTemperature(tm, ta, k, h, 0, FlatLayer)
                                         : SurfaceTemperature(tm, ta, k, h, outer, PipeLayer);
                // A step that leaves the surface temperature as it was has reached the fixed
                // point: every further step would compute the same h and surface again.
                if (next == surface)
                    break;
                surface = next;
            }
        };
        iterate();
        if (in.condensation) {
            float dew = DewPoint(ta, in.relativeHumidity);
            if (dew >= tm) {
                // The thickness that reaches the dew point changes the surface, and so h.
                for (int round = 0; round < 10; ++round) {
                    dew = DewPoint(ta, in.relativeHumidity);
                    thickness =
                        sheet ? RequiredThickness(session, tm, ta, 0, h, dew, material, FlatLayer)
                              : RequiredThickness(session, tm, ta, diameter, h, dew, material,
                                                  PipeLayer);
                    surface = Store(tm + 0.9L * (static_cast<long double>(ta) - tm));
                    iterate();
                }
            } else {
                const float dewRemembered = DewPoint(ta, in.rememberedHumidity);
                const long double mean =
                    (static_cast<long double>(ta) + dewRemembered) * 0.5L + 273.15L;
                h = Store(2.268e-7L * in.emissivity * mean * mean * mean +
                          1.74L *
                              fp::Pow(static_cast<long double>(ta) - dewRemembered, 1.0L / 3.0L));
            }
        }
        return CoefficientResult{h, surface};
    } catch (const AppError&) {
        return std::nullopt;
    }
}

} // namespace kelvara
