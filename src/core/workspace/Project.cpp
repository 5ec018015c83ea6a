#include "Project.h"

#include "CalculationCommon.h"
#include "ResultLogFields.h"
#include "shell/AppError.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "shell/Prompts.h"
#include "shell/Session.h"

#include <cfloat>
#include <cmath>

namespace kelvara {

namespace {

// Collects what the sizing shows; the user-conductivity entry answers with the run's λ.
class RunPrompts : public Prompts {
public:
    void ShowMessage(MessageKind, const QString& text) override { messages.append(text); }
    bool AskYesNo(const QString&, const QString&) override { return false; }
    std::optional<float> AskUserConductivity() override { return userLambda; }
    void ShowCoefficientCalculator(CoefficientCalculator&) override {}

    QStringList messages;
    std::optional<float> userLambda;
};

// A list field: its text as the window shows it (a trailing blank of the log allowed), or with
// `byPosition` its position from 1.
int ListIndex(const QStringList& items, QString field, bool byPosition) {
    if (field.endsWith(u' ') && !items.contains(field))
        field.chop(1);
    const qsizetype byText = items.indexOf(field);
    if (byText >= 0 || !byPosition)
        return int(byText);
    bool ok = false;
    const int position = field.trimmed().toInt(&ok);
    return ok && position >= 1 && position <= items.size() ? position - 1 : -1;
}

// The installation case: its text as the window shows it, or the name of a row of the
// regulation's table; with `byPosition` also the row's number in the table (poz. 1-11). The rows
// by inner diameter (poz. 1-4) are all the ordinary pipe, as they always computed.
int CaseIndex(const PipeSizingWindow& window, const Catalogues& catalogue, QString field,
              bool byPosition) {
    QStringList names;
    for (const InstallationCase& c : window.Cases())
        names << c.name;
    if (field.endsWith(u' ') && !names.contains(field) &&
        !catalogue.RegulationNames.contains(field))
        field.chop(1);
    if (const qsizetype byText = names.indexOf(field); byText >= 0)
        return int(byText);
    int row = int(catalogue.RegulationNames.indexOf(field));
    if (row < 0 && byPosition) {
        bool ok = false;
        const int number = field.trimmed().toInt(&ok);
        row = ok ? number - 1 : -1;
    }
    return row < 0 ? -1 : InstallationCaseOfRow(window.Cases(), catalogue, row);
}

// The result fields of a log line after its inputs: four criteria with their sizes, then the
// governing criterion, its thickness and size, then the five yearly figures.
constexpr int CriterionFieldCount = 2 * SizingCriterionCount;

// A window of the sizing with no catalogue, for its labels.
struct LabelSource {
    LabelSource() {
        Session session;
        RunPrompts prompts;
        PipeSizingWindow window(session, prompts);
        window.TntFormShow();
        for (int i = 0; i < RunInputCount; ++i) {
            labels[std::size_t(i)] = window.Input(i).ParaLineLabelText();
            units[std::size_t(i)] = window.Input(i).UnitText();
        }
        defaults = window.ResultColumnLabels();
        lines = PipeSizingWindow::PlaceholderLines();
    }
    std::array<QString, RunInputCount> labels, units;
    QStringList defaults;
    std::vector<SizingResultLine> lines;
};

const LabelSource& Labels() {
    static const LabelSource source;
    return source;
}

} // namespace

QString RunInputLabel(int input) {
    return Labels().labels.at(std::size_t(input));
}

QString RunInputUnit(int input) {
    return Labels().units.at(std::size_t(input));
}

QString RunResultLabel(int column) {
    const QStringList& labels = Labels().defaults;
    return labels.at(CriterionFieldCount + column);
}

QString RunResultUnit(int column) {
    if (column == ResultThickness)
        return QStringLiteral("mm");
    if (column < ResultLossPerMetre)
        return QString();
    const std::vector<SizingResultLine>& lines = Labels().lines;
    return lines[lines.size() - std::size_t(RunResultCount - column)].unit;
}

Session FreshSession(const Session& configured) {
    Session session;
    session.Catalogue = configured.Catalogue;
    session.PipeToleranceTable = configured.PipeToleranceTable;
    session.SheetToleranceTable = configured.SheetToleranceTable;
    return session;
}

RunInputs DefaultRunInputs(const Session& configured) {
    Session session = FreshSession(configured);
    session.Remembered = configured.Remembered;
    session.Sizing = configured.Sizing;
    RunPrompts prompts;
    PipeSizingWindow window(session, prompts);
    window.TntFormShow();
    RunInputs inputs;
    for (int i = 0; i < RunInputCount; ++i) {
        TParaLine& row = window.Input(i);
        inputs[std::size_t(i)] = i == SizingMaterial || i == SizingCase
                                     ? (row.MaterialIndex() >= 0 ? row.MaterialText() : QString())
                                     : row.ParaLineEditText();
    }
    return inputs;
}

ProjectData NewProject(const Session& configured) {
    ProjectData project;
    project.defaults = DefaultRunInputs(configured);
    return project;
}

QStringList RunChoices(const Session& configured, int input) {
    if (input != SizingMaterial && input != SizingCase)
        return {};
    Session session = FreshSession(configured);
    RunPrompts prompts;
    PipeSizingWindow window(session, prompts);
    window.TntFormShow();
    return window.Input(input).MaterialItemList();
}

QString RunChoiceText(const Session& configured, int input, const QString& field) {
    if (input != SizingMaterial && input != SizingCase)
        return field;
    Session session = FreshSession(configured);
    RunPrompts prompts;
    PipeSizingWindow window(session, prompts);
    window.TntFormShow();
    const QStringList items = window.Input(input).MaterialItemList();
    const int index = input == SizingCase ? CaseIndex(window, session.Catalogue, field, true)
                                          : ListIndex(items, field, true);
    return index >= 0 && index < items.size() ? items[index] : field;
}

RunResult SizeRun(const Session& configured, const RunInputs& inputs, bool byPosition) {
    RunResult result;
    Session session = FreshSession(configured);
    RunPrompts prompts;
    PipeSizingWindow window(session, prompts);
    window.TntFormShow();
    const auto refuse = [&](int input, const QString& message) {
        result.faultInput = input;
        result.message = message;
        return result;
    };
    for (int i = 0; i < RunInputCount; ++i) {
        TParaLine& row = window.Input(i);
        const QString& field = inputs[std::size_t(i)];
        if (i == SizingMaterial && field.startsWith(UserCoefficientMaterialName)) {
            const ParsedMaterial material =
                ParseMaterialField(field, session.Catalogue.MaterialNames);
            long double lambda = 0;
            if (!material.userLambdaText.isEmpty()) {
                if (TryTextToFloat(material.userLambdaText, lambda) && std::fabs(lambda) <= FLT_MAX)
                    prompts.userLambda = static_cast<float>(lambda);
                else
                    result.notes.append(messages::WrongData);
            }
            row.ChooseMaterial(material.index);
        } else if (i == SizingMaterial || i == SizingCase) {
            const int index = i == SizingCase
                                  ? CaseIndex(window, session.Catalogue, field, byPosition)
                                  : ListIndex(row.MaterialItemList(), field, byPosition);
            if (index < 0 && !byPosition && field.trimmed().isEmpty())
                return refuse(i, i == SizingMaterial ? messages::NoMaterial : messages::WrongData);
            if (index < 0 && !byPosition)
                return refuse(
                    i, (i == SizingMaterial ? messages::UnknownMaterial : messages::UnknownPipeCase)
                           .arg(field));
            if (index < 0)
                row.SetMaterialIndex(-1);
            else
                row.ChooseMaterial(index);
        } else {
            row.SetParaLineEditText(field);
        }
    }
    result.material = window.Input(SizingMaterial).MaterialText();
    prompts.messages.clear();
    const bool ok = window.Button1Click();
    QStringList notes = prompts.messages;
    if (!ok) {
        const QString stopping = notes.isEmpty() ? QString() : notes.takeLast();
        result.notes += notes;
        return refuse(window.LastFault.row, stopping);
    }
    result.notes += notes;
    result.sized = true;
    result.logLine = window.ResultLog.last();
    const QStringList fields = result.logLine.split(u'\t');
    for (int c = 0; c < RunResultCount; ++c) {
        const qsizetype at = RunInputCount + CriterionFieldCount + c;
        QString& text = result.texts[std::size_t(c)];
        text = at < fields.size() ? fields[at] : QString();
        long double value = 0;
        if (c != ResultGoverning && c != ResultSize && TryTextToFloat(text, value))
            result.numbers[std::size_t(c)] = double(value);
    }
    return result;
}

} // namespace kelvara
