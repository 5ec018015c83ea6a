#include "CalculationCommon.h"

#include "FloatingPoint.h"
#include "Physics.h"
#include "shell/NumberText.h"
#include "shell/Prompts.h"
#include "shell/Session.h"
#include "workspace/CalculationWindow.h"

namespace kelvara::common {

int MaterialOrRefuse(CalculationWindow& w, int materialRow) {
    const int index = w.Input(materialRow).MaterialIndex();
    if (index < 0)
        w.GetPrompts().ShowMessage(MessageKind::Plain, NoMaterial);
    return index;
}

float ReadRow(CalculationWindow& w, int row, long double factor) {
    return fp::Store(TextToFloat(w.Input(row).ParaLineEditText()) * factor);
}

bool CheckMaterialTemperatures(CalculationWindow& w, int material, float ambient, float medium) {
    const Session& s = w.GetSession();
    const float maxTemp = MaterialMaxTemp(s, material);
    if (maxTemp < ambient || maxTemp < medium) {
        w.GetPrompts().ShowMessage(MessageKind::Plain,
                                   QStringLiteral("temperatura otoczenia jest za wysoka dla "
                                                  "wybranego materialu, obliczenia przerwane"));
        return false;
    }
    const float minTemp = MaterialMinTemp(s, material);
    if (minTemp > ambient || minTemp > medium)
        w.GetPrompts().ShowMessage(
            MessageKind::Plain,
            QStringLiteral("Temperatura medium jest za niska dla wybranego materialu "));
    return true;
}

bool InRange(float value, long double low, long double high) {
    const long double v = value;
    return v >= low && v <= high;
}

bool RefuseData(CalculationWindow& w) {
    w.GetPrompts().ShowMessage(MessageKind::Plain, WrongData);
    return false;
}

float Conductivity(CalculationWindow& w, int materialRow, int material, float ambient, float medium,
                   QString& userLambdaText) {
    const Session& s = w.GetSession();
    if (w.Input(materialRow).MaterialText() == UserCoefficientMaterialName) {
        userLambdaText = FormatFloat(QStringLiteral("#0.0000"), s.Remembered.UserLambda);
        return s.Remembered.UserLambda;
    }
    userLambdaText.clear();
    return MaterialConductivity(s, fp::Store((static_cast<long double>(ambient) + medium) * 0.5L),
                                material);
}

void AppendLogLine(CalculationWindow& w, int materialRow, const QString& userLambdaText,
                   const std::initializer_list<int>& inputRows,
                   const std::initializer_list<int>& resultRows) {
    QString line;
    for (int i : inputRows) {
        line += i == materialRow ? w.Input(i).MaterialText() + u' ' + userLambdaText
                                 : w.Input(i).ParaLineEditText();
        line += u'\t';
    }
    for (int j : resultRows)
        line += w.Result(j).ParaLineEditText() + u'\t';
    w.ResultLog.append(line);
}

void WriteResult(CalculationWindow& w, int row, const QString& pattern, long double value) {
    w.Result(row).SetParaLineEditText(FormatFloat(pattern, value));
}

} // namespace kelvara::common
