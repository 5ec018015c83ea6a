#pragma once

#include "TParaLine.h"
#include "shell/Session.h"

#include <QString>
#include <vector>

namespace kelvara {

inline constexpr int CalculationTypeCount = 8;

// Where a row's initial text comes from: a remembered value times a scale, in a pattern.
struct InitialValue {
    float RememberedValues::*value = nullptr;
    float scale = 1.0f;
    const char16_t* pattern = u"";
};

struct RowSpec {
    const char16_t* label;
    RowKind kind;
    const char16_t* unit;
    InitialValue initial;
};

// What closing the window keeps: a row's number (times scale) or one of its selections.
struct KeptValue {
    enum class What { Number, MaterialSelection, MediumSelection, FlowRateSelection };
    int row;
    What what;
    float RememberedValues::*value = nullptr;
    long double scale = 1.0L;
};

// One of the eight calculations: its window caption, rows, row roles and help text.
// A role of -1 means the type has no such row.
struct CalculationTypeSpec {
    const char16_t* caption;
    std::vector<RowSpec> inputs;
    std::vector<RowSpec> results;
    int materialRow;
    int hRow;
    int thicknessRow;
    int mediumRow;
    int flowRow;
    int choiceRow;       // result row
    int choiceTargetRow; // input row written by a choice
    bool moveChoice;     // the choice list is moved 60 pixels right
    std::vector<KeptValue> kept;
    const char16_t* helpText;
    bool IsSheet() const;
};

const CalculationTypeSpec& CalculationTypeOf(int calculationType);

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
