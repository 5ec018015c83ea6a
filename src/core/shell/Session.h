#pragma once

#include "CalculationType.h"
#include "Catalogues.h"
#include "ToleranceTable.h"

#include <memory>
#include <optional>

namespace kelvara {

// Input values carried from one calculation window to the next. Lengths in metres,
// temperatures in °C.
struct RememberedValues {
    float AmbientTemp = 25.0f;
    float MediumTemp = -5.0f;
    float SurfaceCoeff = 9.0f;
    float PipeDiameter = 0.0254f;
    float SheetDimension = 1.0f;
    float InsulationThickness = 0.01f;
    float PipeLength = 1.0f;
    float EnergyCost = 0.5f;
    float UserLambda = 0.036f;
    float Emissivity = 0.93f;
    float MediumDensity = 1000.0f;
    float MediumSpecificHeat = 4180.0f;
    float FlowVelocity = 0.2f;
    float MediumFreezingTemp = 0.0f;
    float MediumLatentHeat = 335.0f;
    float MaxFrozenShare = 20.0f;
    float RelativeHumidity = 60.0f;
    float SheetArea = 1.0f;
    int LastMaterialIndex = -1;
    int LastFlowRateIndex = 0;
    int LastMediumIndex = 0;
};

// The inputs only the insulation sizing asks for; the rest it shares with the other windows.
struct SizingValues {
    float InnerDiameter = 0.0204f; // m
    // The outer diameter the inner one was typed with: shown together, or the inner not at all.
    float InnerOuterDiameter = 0.0254f;
    int LastRegulationIndex = 0;
    std::optional<float> MaxSurfaceTemp; // empty: not used
    std::optional<float> MaxHeatLoss;    // W/m
    std::optional<float> DewPointMargin; // K
    float OperatingHours = 5000.0f;
    float Co2Factor = 0.7f; // kg/kWh
};

// The program-wide state: one object, handed by reference to whoever needs it.
struct Session {
    Catalogues Catalogue;
    // Absent when its file could not be read; shared, since nothing changes them after loading.
    std::shared_ptr<const TToleranceTable> PipeToleranceTable;
    std::shared_ptr<const TToleranceTable> SheetToleranceTable;
    RememberedValues Remembered;
    SizingValues Sizing;
    kelvara::CalculationType CalculationType = kelvara::CalculationType::PipeCondensation;
    bool CoeffFromCalculator = false;
    int CalculatorCladdingIndex = -1; // cladding chosen in the h calculator, for the report

    // Frees the catalogues, as closing the main window does.
    void ReleaseCatalogues() { Catalogue = Catalogues(); }
};

} // namespace kelvara
