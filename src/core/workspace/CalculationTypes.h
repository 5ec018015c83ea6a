#pragma once

#include "TParaLine.h"
#include "shell/Session.h"

#include <QString>
#include <vector>

namespace kelvara {

// Where a row's initial text comes from: a remembered value times a scale, in a pattern.
struct InitialValue {
    float RememberedValues::*value = nullptr;
    float scale = 1.0f;
    const char16_t* pattern = u"";
};

// What a row is about, where its kind alone does not tell (material, h, medium, flow and
// choice rows are known by their kind).
enum class RowRole {
    Other,
    AmbientTemp,
    MediumTemp,
    PipeDiameter,
    Thickness,
    Humidity,
    Extent,    // a pipe's length or a surface's area
    EnergyCost // the price of a kWh
};

struct RowSpec {
    const char16_t* label;
    RowKind kind;
    const char16_t* unit;
    InitialValue initial;
    RowRole role = RowRole::Other;
};

// What closing the window keeps: a row's number (times scale) or one of its selections.
struct KeptValue {
    enum class What { Number, MaterialSelection, MediumSelection, FlowRateSelection };
    int row;
    What what;
    float RememberedValues::*value = nullptr;
    long double scale = 1.0L;
};

// Facts about a calculation type that the code asks instead of comparing type numbers.
struct CalculationFacts {
    bool sheet = false;          // a flat surface; otherwise a pipe
    bool freezingSeries = false; // the choice row lists freezing times for standard thicknesses
    bool condensation = false;   // the thickness that keeps the surface at the dew point
};

// One of the eight calculations: its window caption, rows, facts and help text. The row roles
// are found from the rows' kinds and role tags; -1 means the type has no such row.
struct CalculationTypeSpec {
    const char16_t* caption;
    std::vector<RowSpec> inputs;
    std::vector<RowSpec> results;
    bool moveChoice; // the choice list is moved 60 pixels right
    CalculationFacts facts;
    const char16_t* helpText;

    int materialRow = -1;
    int hRow = -1;
    int thicknessRow = -1;
    int mediumRow = -1; // the medium choice
    int flowRow = -1;
    int ambientRow = -1;
    int mediumTempRow = -1;
    int diameterRow = -1;
    int humidityRow = -1;
    int extentRow = -1;
    int energyCostRow = -1;
    int choiceRow = -1;       // result row
    int choiceTargetRow = -1; // input row written by a choice of alternative thickness
    // What closing the window keeps: every row with a remembered initial value, in row order,
    // then the material, medium and flow selections.
    std::vector<KeptValue> kept = {};

    bool IsSheet() const { return facts.sheet; }
    bool HasFreezingSeries() const { return facts.freezingSeries; }
    bool IsCondensation() const { return facts.condensation; }
};

const CalculationTypeSpec& CalculationTypeOf(int calculationType);
inline const CalculationTypeSpec& CalculationTypeOf(CalculationType type) {
    return CalculationTypeOf(CalculationTypeNumber(type));
}

// The table's texts of one type as QStrings, made once: every window of the type shares them.
struct CalculationTypeTexts {
    struct Row {
        QString label, unit, pattern;
    };
    QString caption;
    std::vector<Row> inputs, results;
    QString logHeader; // the labels of the result list's heading line, tab-separated
};
const CalculationTypeTexts& CalculationTypeTextsOf(int calculationType);
inline const CalculationTypeTexts& CalculationTypeTextsOf(CalculationType type) {
    return CalculationTypeTextsOf(CalculationTypeNumber(type));
}

inline const QStringList FlowRateUnits = {QStringLiteral("m/s"), QStringLiteral("l/s"),
                                          QStringLiteral("ft/s"), QStringLiteral("gal/min")};
inline const QStringList AlternativeThicknesses = {
    QStringLiteral("6"),  QStringLiteral("9"),  QStringLiteral("13"), QStringLiteral("19"),
    QStringLiteral("25"), QStringLiteral("32"), QStringLiteral("40"), QStringLiteral("50")};

struct FreezingSeriesEntry {
    float thickness; // m
    const char16_t* label;
};
const std::vector<FreezingSeriesEntry>& FreezingSeries();

} // namespace kelvara
