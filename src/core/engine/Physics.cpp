#include "Physics.h"

#include "shell/FloatingPoint.h"
#include "shell/Session.h"

#include <algorithm>

namespace kelvara {

using fp::Div;
using fp::Store;

namespace {

const TMaterialRecord& Record(const Session& session, int i) {
    const auto& records = session.Catalogue.MaterialRecords;
    if (i < 0 || std::size_t(i) >= records.size())
        throw AppError(QStringLiteral("List index out of bounds (%1)").arg(i));
    return records[std::size_t(i)];
}

} // namespace

float MaterialConductivity(const Session& session, float meanTemp, int materialIndex) {
    const TMaterialRecord& r = Record(session, materialIndex);
    if (r.Lambda0 == UserCoefficientLambda0)
        return session.Remembered.UserLambda;
    return Store(r.Lambda0 + static_cast<long double>(r.LambdaSlope) *
                                 std::max<long double>(meanTemp, -160.0L));
}

float MaterialMinTemp(const Session& session, int materialIndex) {
    return Record(session, materialIndex).MinTemp;
}

float MaterialMaxTemp(const Session& session, int materialIndex) {
    return Record(session, materialIndex).MaxTemp;
}

float LayerConductance(const Session& session, float temp1, float temp2, float inner, float outer,
                       int materialIndex, int geometry) {
    const float lambda = MaterialConductivity(
        session, Store((static_cast<long double>(temp1) + temp2) * 0.5L), materialIndex);
    if (geometry == FlatLayer)
        return inner > 0 ? Store(Div(lambda, inner)) : 0.0f;
    const float x = Store(fp::Ln(Div(outer, inner)));
    return x > 0 ? Store(Div(lambda, x) * TwoPi) : 0.0f;
}

float SurfaceTemperature(float mediumTemp, float ambientTemp, float layerConductance, float h,
                         float outerDiameter, int geometry) {
    if (layerConductance == 0)
        return mediumTemp;
    const long double rs = geometry == FlatLayer
                               ? Div(1.0L, h)
                               : Div(Div(1.0L, Pi), static_cast<long double>(h) * outerDiameter);
    const long double u = Div(1.0L, Div(1.0L, layerConductance) + rs);
    return Store(ambientTemp + (static_cast<long double>(mediumTemp) - ambientTemp) * u * rs);
}

float SurfaceCoefficient(float surfaceTemp, float ambientTemp, float emissivity, float dimension,
                         float windSpeed, int mode) {
    const float t1 = Store(surfaceTemp + 273.15L);
    const float t2 = Store(ambientTemp + 273.15L);
    const float sigma = float(5.67e-8);
    const long double es = static_cast<long double>(emissivity) * sigma;
    long double hr;
    if (t1 == t2) {
        const long double tm = (static_cast<long double>(t1) + t2) * 0.5L;
        hr = es * 4.0L * tm * tm * tm;
    } else {
        const long double a = t1, b = t2;
        hr = es * Div(a * a * a * a - b * b * b * b, a - b);
    }
    const long double dt = std::fabs(static_cast<long double>(t1) - t2);
    const long double d = dimension, v = windSpeed;
    long double hcv = 0;
    switch (mode) {
    case FreeVertical:
        hcv = d * d * d * dt > 10.0L ? 1.74L * fp::Pow(dt, 1.0L / 3.0L)
                                     : 1.32L * fp::Pow(Div(dt, d), 0.25L);
        break;
    case FreeHorizontal:
        hcv = d * d * d * dt > 10.0L ? 1.21L * fp::Pow(dt, 1.0L / 3.0L)
                                     : 1.25L * fp::Pow(Div(dt, d), 0.25L);
        break;
    case ForcedPipe:
        hcv = v * d > 0.000855L ? Div(8.9L * fp::Pow(v, 0.9L), fp::Pow(d, 0.1L))
                                : Div(0.0081L, d) + Pi * fp::Pow(Div(v, d), 0.5L);
        break;
    case ForcedFlat:
        hcv = v * d > 8.0L ? 5.76L * fp::Pow(Div(v * v * v * v, d), 0.2L)
                           : 3.96L * fp::Pow(Div(v, d), 0.5L);
        break;
    default:
        break;
    }
    return Store(hr + hcv);
}

float DewPoint(float ambientTemp, float relHumidity) {
    const double exponent = 1.0 / 8.02;
    return Store((109.8L + ambientTemp) * fp::Pow(0.01L * relHumidity, exponent) - 109.8L);
}

float RequiredThickness(const Session& session, float mediumTemp, float ambientTemp,
                        float pipeDiameter, float h, float targetSurfaceTemp, int materialIndex,
                        int geometry) {
    float s1 = 0.001f, s2 = 0.0011f;
    float y1 = targetSurfaceTemp, y2 = targetSurfaceTemp;
    const long double d = pipeDiameter;
    for (int step = 0; step < 10; ++step) {
        if (geometry < FlatLayer) {
            const float o1 = Store(d + 2.0L * s1), o2 = Store(d + 2.0L * s2);
            const float c1 = LayerConductance(session, mediumTemp, y1, pipeDiameter, o1,
                                              materialIndex, geometry);
            const float c2 = LayerConductance(session, mediumTemp, y2, pipeDiameter, o2,
                                              materialIndex, geometry);
            y1 = SurfaceTemperature(mediumTemp, ambientTemp, c1, h, o1, geometry);
            y2 = SurfaceTemperature(mediumTemp, ambientTemp, c2, h, o2, geometry);
        } else {
            const float c1 =
                LayerConductance(session, mediumTemp, y1, s1, 0, materialIndex, geometry);
            const float c2 =
                LayerConductance(session, mediumTemp, y2, s2, 0, materialIndex, geometry);
            y1 = SurfaceTemperature(mediumTemp, ambientTemp, c1, h, 0, geometry);
            y2 = SurfaceTemperature(mediumTemp, ambientTemp, c2, h, 0, geometry);
        }
        // Equal trial temperatures leave the secant without a slope: the thickness found so
        // far is the best there is.
        if (y2 == y1)
            break;
        const float next = Store(s1 + (static_cast<long double>(s2) - s1) *
                                          Div(static_cast<long double>(targetSurfaceTemp) - y1,
                                              static_cast<long double>(y2) - y1));
        // A thin layer overshoots below zero when the target lies just above the medium
        // temperature; a layer of no thickness has its surface at the medium temperature, so the
        // chord from there to the first trial gives the next thickness instead.
        if (next > 0 || y1 == mediumTemp)
            s1 = next;
        else
            s1 = Store(s1 * Div(static_cast<long double>(targetSurfaceTemp) - mediumTemp,
                                static_cast<long double>(y1) - mediumTemp));
        s2 = Store(s1 + 0.0001L);
    }
    return s1;
}

float LinearTransmittance(float d, float s, float lambda, float h) {
    const long double outer = 2.0L * s + d;
    float r = Store(Div(fp::Ln(Div(outer, d)), TwoPi * lambda));
    r = Store(Div(1.0L, outer * (static_cast<long double>(h) * Pi)) + r);
    return Store(Div(1.0L, r));
}

} // namespace kelvara
