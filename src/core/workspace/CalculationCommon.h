#pragma once

#include "engine/Checks.h"
#include "engine/Units.h"
#include "shell/Messages.h"

#include <QString>
#include <QStringList>
#include <utility>

namespace kelvara {

class CalculationCase;

// Steps every calculation shares: reading rows, the material checks, the conductivity and
// the result-log line.
namespace common {

using namespace messages;

// The selected material of a row, or -1 after telling the user to choose one.
int MaterialOrRefuse(CalculationCase& w, int materialRow);

// A row's number after its unit factor, stored as a float. Throws for a text that is no number.
float ReadRow(CalculationCase& w, int row, long double factor = 1.0L);

// Shows the engine's warnings, then its refusal if any; false when refused. A value out of
// range points the window at its row (rows: where each input the engine names is read).
bool ReportChecks(CalculationCase& w, const std::vector<Warning>& warnings,
                  const std::optional<Refusal>& refusal,
                  std::initializer_list<std::pair<InputField, int>> rows);

// The material of a row as the engine takes it: the user entry carries the session's λ.
MaterialChoice ChosenMaterial(CalculationCase& w, int materialRow, int material);

// The user entry's λ as the result log writes it beside the material; empty otherwise.
QString UserLambdaText(const MaterialChoice& material);

// Writes a result row when the engine computed its value.
void WriteResult(CalculationCase& w, int row, const QString& pattern, const Partial& value);

// Appends the log line: every input row's text (the material row as its text, a blank and
// userLambdaText), then every result row given, each followed by a TAB.
void AppendLogLine(CalculationCase& w, int materialRow, const QString& userLambdaText,
                   const std::initializer_list<int>& inputRows,
                   const std::initializer_list<int>& resultRows);
// The same with every input row of the case's type, in row order.
void AppendLogLine(CalculationCase& w, const QString& userLambdaText,
                   const std::initializer_list<int>& resultRows);
// The log fields of some input rows (material row as above) or result rows, each with its TAB.
QString InputFields(CalculationCase& w, int materialRow, const QString& userLambdaText,
                    const std::initializer_list<int>& inputRows);
QString ResultFields(CalculationCase& w, const std::initializer_list<int>& resultRows);

void WriteResult(CalculationCase& w, int row, const QString& pattern, long double value);

// A bare surface whose h was not taken from the calculator gets the automatic h, shown in
// the h row; failures leave h as it was.
void AutomaticCoefficient(CalculationCase& w, int hRow, float thickness, float& h);

// The automatic h of the same surface without insulation, for the heat-loss reduction. The
// thickness row is set to "0" for the run and then shows the thickness in mm with three
// decimals; SurfaceCoeff gets h back and the calculator flag its earlier state.
float BareSurfaceCoefficient(CalculationCase& w, int thicknessRow, float thickness, float h);

inline const QString NotNeeded = QStringLiteral("-/-");

} // namespace common
} // namespace kelvara
