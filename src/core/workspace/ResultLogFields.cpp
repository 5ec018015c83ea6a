#include "ResultLogFields.h"

#include "shell/Catalogues.h"

namespace kelvara {

namespace {
const QString DegreesSuffix = QStringLiteral("[°C]");
}

QString MaterialField(const QString& materialText, const QString& userLambdaText) {
    return materialText + u' ' + userLambdaText;
}

QString FlowField(const QString& value, const QString& unitText) {
    return value + u'[' + unitText + u']';
}

QString FreezingTempField(const QString& value) {
    return value + DegreesSuffix;
}

ParsedMaterial ParseMaterialField(const QString& field, const QStringList& materialNames) {
    ParsedMaterial parsed;
    if (field.startsWith(UserCoefficientMaterialName)) {
        parsed.user = true;
        parsed.index = int(materialNames.size()) - 1;
        parsed.userLambdaText = field.mid(UserCoefficientMaterialName.size()).trimmed();
        return parsed;
    }
    qsizetype index = field.isEmpty() ? -1 : materialNames.indexOf(field);
    if (index < 0 && field.endsWith(u' '))
        index = materialNames.indexOf(field.chopped(1));
    if (index >= 0 && !field.chopped(field.endsWith(u' ') ? 1 : 0).isEmpty())
        parsed.index = int(index);
    return parsed;
}

ParsedFlow ParseFlowField(const QString& field, const QStringList& units) {
    ParsedFlow parsed{field, -1};
    const qsizetype open = field.lastIndexOf(u'[');
    if (open >= 0 && field.endsWith(u']')) {
        parsed.unitIndex = int(units.indexOf(field.mid(open + 1, field.size() - open - 2)));
        parsed.value = field.left(open);
    }
    return parsed;
}

QString ParseEditField(const QString& field) {
    return field.endsWith(DegreesSuffix) ? field.chopped(DegreesSuffix.size()) : field;
}

} // namespace kelvara
