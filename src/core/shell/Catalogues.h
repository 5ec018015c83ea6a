#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace kelvara {

struct TMaterialRecord {
    float Lambda0 = 0;     // W/(m K) at 0 °C; -99 marks the user-coefficient entry
    float LambdaSlope = 0; // W/(m K) per K
    float MinTemp = 0;     // °C
    float MaxTemp = 0;     // °C
};

struct TMediumRecord {
    float Density = 0;      // kg/m³
    float SpecificHeat = 0; // J/(kg K)
    float LatentHeat = 0;   // kJ/kg
    float FreezingTemp = 0; // °C
};

// One row of the building regulation's minimum pipe insulation, stated for 0.035 W/(m K).
// A row without a share gives Thickness + ThicknessPerDiameter × d for the inner diameters
// d in (DiameterFrom, DiameterTo] (DiameterTo 0: no upper bound; both 0: every diameter).
// A row with a share stands for an installation case that takes that share of the row by
// inner diameter (a row without a share whose bounds are not both 0).
struct TRegulationRow {
    float DiameterFrom = 0;         // mm, exclusive
    float DiameterTo = 0;           // mm, inclusive; 0 means no upper bound
    float Thickness = 0;            // mm
    float ThicknessPerDiameter = 0; // mm per mm of inner diameter
    float ShareOfDiameterRows = 0;  // 0: the row stands alone
};

inline const QString UserCoefficientMaterialName = QStringLiteral("wspólczynnik k");
inline constexpr float UserCoefficientLambda0 = -99.0f;

// What the configuration file supplies. A failed load may leave a name without its record;
// readers index the records only where both lists reach.
struct Catalogues {
    QStringList MaterialNames;
    std::vector<TMaterialRecord> MaterialRecords;
    QStringList CladdingNames;
    std::vector<float> CladdingEmissivities;
    float FeEmissivity = 0;
    QStringList MediumNames;
    std::vector<TMediumRecord> MediumRecords;
    QStringList HelpFileList;
    QString FontName;
    int CurrCharSet = 0;
    QString SalesAdress;
    bool ShowSurfaceTemp = false;
    QStringList RegulationNames;
    std::vector<TRegulationRow> RegulationRows;
};

} // namespace kelvara
