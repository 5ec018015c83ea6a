#pragma once

#include <QString>
#include <QStringList>

namespace kelvara {

class CalculationWindow;

// Steps every calculation shares: reading rows, the material checks, the conductivity and
// the result-log line.
namespace common {

inline const QString NoMaterial = QStringLiteral("Przed obliczeniami prosze podac typ materialu.");
inline const QString WrongData = QStringLiteral("Wprowadz wlasciwe dane");

// The selected material of a row, or -1 after telling the user to choose one.
int MaterialOrRefuse(CalculationWindow& w, int materialRow);

// A row's number after its unit factor, stored as a float. Throws for a text that is no number.
float ReadRow(CalculationWindow& w, int row, long double factor = 1.0L);

// Refuses (false) when a temperature lies above the material's limit; warns below its floor.
bool CheckMaterialTemperatures(CalculationWindow& w, int material, float ambient, float medium);

// Inclusive range test of a stored value against decimal bounds.
bool InRange(float value, long double low, long double high);

// Shows the range message and returns false.
bool RefuseData(CalculationWindow& w);

// λ at the mean of the two temperatures, or the user's λ for the user entry; userLambdaText
// gets the four-decimal text the log carries for the user entry (empty otherwise).
float Conductivity(CalculationWindow& w, int materialRow, int material, float ambient, float medium,
                   QString& userLambdaText);

// Appends the log line: every input row's text (the material row as its text, a blank and
// userLambdaText), then every result row given, each followed by a TAB.
void AppendLogLine(CalculationWindow& w, int materialRow, const QString& userLambdaText,
                   const std::initializer_list<int>& inputRows,
                   const std::initializer_list<int>& resultRows);

void WriteResult(CalculationWindow& w, int row, const QString& pattern, long double value);

} // namespace common
} // namespace kelvara
