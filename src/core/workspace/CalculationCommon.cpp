#include "CalculationCommon.h"

#include "CalculationCase.h"
#include "CoefficientCalculator.h"
#include "ResultLogFields.h"
#include "shell/FloatingPoint.h"
#include "shell/NumberText.h"
#include "shell/Prompts.h"
#include "shell/Session.h"

namespace kelvara::common {

int MaterialOrRefuse(CalculationCase& w, int materialRow) {
    const int index = w.MaterialIndex(materialRow);
    if (index < 0) {
        w.LastFault = {materialRow, true};
        w.GetPrompts().ShowMessage(MessageKind::Plain, NoMaterial);
    }
    return index;
}

float ReadRow(CalculationCase& w, int row, long double factor) {
    // A text that is no number stops the calculation with an error; the row is the culprit.
    w.LastFault = {row, false};
    const float value = fp::Store(TextToFloat(w.InputText(row)) * factor);
    w.LastFault = {};
    return value;
}

bool ReportChecks(CalculationCase& w, const std::vector<Warning>& warnings,
                  const std::optional<Refusal>& refusal,
                  std::initializer_list<std::pair<InputField, int>> rows) {
    for (Warning warning : warnings)
        if (warning == Warning::MaterialTooCold)
            w.GetPrompts().ShowMessage(MessageKind::Plain, MaterialTooCold);
    if (!refusal)
        return true;
    if (refusal->check == RefusalCheck::MaterialTooHot) {
        w.GetPrompts().ShowMessage(MessageKind::Plain, MaterialTooHot);
        return false;
    }
    for (const auto& [field, row] : rows)
        if (field == refusal->input)
            w.LastFault = {row, false};
    w.GetPrompts().ShowMessage(MessageKind::Plain, WrongData);
    return false;
}

MaterialChoice ChosenMaterial(CalculationCase& w, int materialRow, int material) {
    const bool user = w.MaterialText(materialRow) == UserCoefficientMaterialName;
    return {material, user, w.GetSession().Remembered.UserLambda};
}

QString UserLambdaText(const MaterialChoice& material) {
    return material.user ? FormatFloat(QStringLiteral("#0.0000"), material.userLambda) : QString();
}

void WriteResult(CalculationCase& w, int row, const QString& pattern, const Partial& value) {
    if (value)
        WriteResult(w, row, pattern, static_cast<long double>(*value));
}

namespace {

// A log line holds some twenty fields: room for them at once rather than growing field by field.
constexpr qsizetype LogLineCapacity = 256;

void AddInputField(QString& line, CalculationCase& w, int materialRow,
                   const QString& userLambdaText, int row) {
    if (row == materialRow)
        line += MaterialField(w.MaterialText(row), userLambdaText);
    else
        line += w.InputText(row);
    line += u'\t';
}

void AddInputFields(QString& line, CalculationCase& w, int materialRow,
                    const QString& userLambdaText, const std::initializer_list<int>& inputRows) {
    for (int i : inputRows)
        AddInputField(line, w, materialRow, userLambdaText, i);
}

void AddResultFields(QString& line, CalculationCase& w,
                     const std::initializer_list<int>& resultRows) {
    for (int j : resultRows) {
        line += w.ResultText(j);
        line += u'\t';
    }
}

} // namespace

QString InputFields(CalculationCase& w, int materialRow, const QString& userLambdaText,
                    const std::initializer_list<int>& inputRows) {
    QString fields;
    fields.reserve(LogLineCapacity);
    AddInputFields(fields, w, materialRow, userLambdaText, inputRows);
    return fields;
}

QString ResultFields(CalculationCase& w, const std::initializer_list<int>& resultRows) {
    QString fields;
    fields.reserve(LogLineCapacity);
    AddResultFields(fields, w, resultRows);
    return fields;
}

void AppendLogLine(CalculationCase& w, int materialRow, const QString& userLambdaText,
                   const std::initializer_list<int>& inputRows,
                   const std::initializer_list<int>& resultRows) {
    QString line;
    line.reserve(LogLineCapacity);
    AddInputFields(line, w, materialRow, userLambdaText, inputRows);
    AddResultFields(line, w, resultRows);
    w.AppendLog(line);
}

void AppendLogLine(CalculationCase& w, const QString& userLambdaText,
                   const std::initializer_list<int>& resultRows) {
    const CalculationTypeSpec& rows = w.TypeInfo();
    QString line;
    line.reserve(LogLineCapacity);
    for (int i = 0; i < int(rows.inputs.size()); ++i)
        AddInputField(line, w, rows.materialRow, userLambdaText, i);
    AddResultFields(line, w, resultRows);
    w.AppendLog(line);
}

void WriteResult(CalculationCase& w, int row, const QString& pattern, long double value) {
    w.SetResultText(row, FormatFloat(pattern, value));
}

void AutomaticCoefficient(CalculationCase& w, int hRow, float thickness, float& h) {
    Session& s = w.GetSession();
    if (s.CoeffFromCalculator || thickness != 0)
        return;
    try {
        h = AutoSurfaceCoefficient(w);
        w.SetInputText(hRow, FormatFloat(QStringLiteral("#0.000"), s.Remembered.SurfaceCoeff));
    } catch (const AppError&) {
    }
}

float BareSurfaceCoefficient(CalculationCase& w, int thicknessRow, float thickness, float h) {
    Session& s = w.GetSession();
    const bool fromCalculator = s.CoeffFromCalculator;
    w.SetInputText(thicknessRow, QStringLiteral("0"));
    const float bare = AutoSurfaceCoefficient(w);
    w.SetInputText(thicknessRow, FormatFloat(QStringLiteral("#0.000"), thickness * 1000.0L));
    s.Remembered.SurfaceCoeff = h;
    if (!fromCalculator)
        s.CoeffFromCalculator = false;
    return bare;
}

} // namespace kelvara::common
