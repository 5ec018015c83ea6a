#include "BatchRunner.h"

#include "output/ResultOutput.h"
#include "shell/AppError.h"
#include "shell/ConfigurationLoader.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "shell/Prompts.h"
#include "shell/Session.h"
#include "shell/ToleranceTable.h"
#include "workspace/CalculationWindow.h"
#include "workspace/Calculations.h"
#include "workspace/CoefficientCalculator.h"
#include "workspace/PipeSizingWindow.h"
#include "workspace/Project.h"
#include "workspace/ResultLogFields.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <vector>

namespace kelvara {

namespace {

constexpr std::array<const char*, CalculationTypeCount> TypeNames = {
    "pipe-condensation", "pipe-surface",       "pipe-heatloss",  "pipe-temperature-drop",
    "pipe-freezing",     "sheet-condensation", "sheet-heatloss", "sheet-surface"};
const QString PipeSizingName = QStringLiteral("pipe-sizing");

// Collects what the calculations show; the user-conductivity entry answers from the case.
class BatchPrompts : public Prompts {
public:
    void ShowMessage(MessageKind, const QString& text) override { messages.append(text); }
    bool AskYesNo(const QString&, const QString&) override { return false; }
    std::optional<float> AskUserConductivity() override { return userLambda; }
    void ShowCoefficientCalculator(CoefficientCalculator& calculator) override {
        calculator.Button2Click();
    }

    QStringList messages;
    std::optional<float> userLambda;
};

void Append(std::string& sink, const QString& text) {
    sink += text.toStdString();
}

void AppendLineMessage(std::string& err, int lineNumber, const QString& text) {
    Append(err, QStringLiteral("line %1: %2\n").arg(lineNumber).arg(text));
}

// The λ that follows the user entry's name, for the conductivity entry to answer with; a text
// that is no number is reported and leaves the remembered λ.
void TakeUserLambda(const ParsedMaterial& material, BatchPrompts& prompts, int lineNumber,
                    std::string& err) {
    prompts.userLambda.reset();
    long double lambda = 0;
    if (material.userLambdaText.isEmpty())
        return;
    if (TryTextToFloat(material.userLambdaText, lambda) && std::fabs(lambda) <= FLT_MAX)
        prompts.userLambda = static_cast<float>(lambda);
    else
        AppendLineMessage(err, lineNumber, messages::WrongData);
}

// One case: the fields of a line standing in for the rows of its calculation type.
class FieldCase : public CalculationCase {
public:
    FieldCase(Session& session, Prompts& prompts)
        : session_(session), prompts_(prompts), type_(session.CalculationType),
          inputs_(TypeInfo().inputs.size()), results_(TypeInfo().results.size()) {
        // The flow unit starts as the window shows it, on the remembered unit.
        const int unit = session.Remembered.LastFlowRateIndex;
        for (std::size_t i = 0; i < inputs_.size(); ++i)
            if (TypeInfo().inputs[i].kind == RowKind::rkFlowRate && unit >= 0 &&
                unit < FlowRateUnits.size())
                inputs_[i] = {{}, unit, FlowRateUnits[unit]};
    }

    kelvara::CalculationType CalculationType() const override { return type_; }
    Session& GetSession() override { return session_; }
    Prompts& GetPrompts() override { return prompts_; }

    const QString& InputText(int row) override { return Input(row).text; }
    void SetInputText(int row, const QString& text) override {
        Input(row).text = text;
        if (TypeInfo().inputs[std::size_t(row)].kind == RowKind::rkCoefficient)
            session_.CoeffFromCalculator = false;
    }
    int MaterialIndex(int row) override { return Input(row).choice; }
    const QString& MaterialText(int row) override { return Input(row).choiceText; }
    int FlowRateIndex(int row) override { return Input(row).choice; }
    const QString& FlowRateText(int row) override { return Input(row).choiceText; }
    const QString& ResultText(int row) override { return Row(results_, row); }
    void SetResultText(int row, const QString& text) override { Row(results_, row) = text; }
    void AppendLog(const QString& line) override { logged = line; }

    // A list row's choice; a choice past the list leaves it as it was.
    void Choose(int row, int index, const QStringList& items) {
        if (index >= items.size() || index < -1)
            return;
        Input(row).choice = index;
        if (index >= 0)
            Input(row).choiceText = items[index];
    }

    std::optional<QString> logged;

private:
    struct Field {
        QString text;
        int choice = -1;
        QString choiceText = ChooseText;
    };
    template <typename T> static T& Row(std::vector<T>& rows, int row) {
        if (row < 0 || std::size_t(row) >= rows.size())
            throw AppError(QStringLiteral("List index out of bounds (%1)").arg(row));
        return rows[std::size_t(row)];
    }
    Field& Input(int row) { return Row(inputs_, row); }

    Session& session_;
    Prompts& prompts_;
    kelvara::CalculationType type_;
    std::vector<Field> inputs_;
    std::vector<QString> results_;
};

// Fills row `row` of a case from its field as the result log writes it; a chosen user entry
// takes the λ that follows its name.
void SetField(FieldCase& c, int row, const QString& field, BatchPrompts& prompts, int lineNumber,
              std::string& err) {
    Session& session = c.GetSession();
    switch (c.TypeInfo().inputs[std::size_t(row)].kind) {
    case RowKind::rkMaterial: {
        const QStringList& names = session.Catalogue.MaterialNames;
        const ParsedMaterial material = ParseMaterialField(field, names);
        if (material.user)
            TakeUserLambda(material, prompts, lineNumber, err);
        c.Choose(row, material.index, names);
        if (material.index >= 0 && c.MaterialText(row) == UserCoefficientMaterialName &&
            prompts.userLambda)
            session.Remembered.UserLambda = *prompts.userLambda;
        return;
    }
    case RowKind::rkFlowRate: {
        const ParsedFlow flow = ParseFlowField(field, FlowRateUnits);
        c.SetInputText(row, flow.value);
        c.Choose(row, flow.unitIndex, FlowRateUnits);
        return;
    }
    default:
        c.SetInputText(row, ParseEditField(field));
        return;
    }
}

QStringList Lines(const QByteArray& input) {
    QString text = QString::fromUtf8(input);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text.split(u'\n');
}

QString WithDecimalComma(const QString& printed) {
    QStringList fields = printed.split(u'\t');
    for (QString& field : fields)
        field = WithDecimalMark(field, QStringLiteral(","));
    return fields.join(u'\t');
}

int RunSizingInput(const BatchSetup& setup, const QByteArray& input, std::string& out,
                   std::string& err) {
    const Session& configured = setup.configured;
    const int inputCount = SizingRowCount;
    const int resultCount = int(PipeSizingWindow::ResultColumnLabels().size());
    const QStringList lines = Lines(input);
    int exitCode = BatchOk;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const int lineNumber = int(n) + 1;
        QString line = lines[n];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.endsWith(u'\t'))
            line.chop(1);
        if (line.isEmpty() || line == setup.caption || line == setup.header)
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != inputCount && fields.size() != inputCount + resultCount) {
            Append(err, QStringLiteral("kelvara-cli: line %1: expected %2 fields, found %3\n")
                            .arg(lineNumber)
                            .arg(inputCount)
                            .arg(fields.size()));
            return BatchUsageError;
        }
        RunInputs inputs;
        for (int i = 0; i < inputCount; ++i)
            inputs[std::size_t(i)] = fields[i];
        const RunResult result = SizeRun(configured, inputs, true);
        for (const QString& note : result.notes)
            AppendLineMessage(err, lineNumber, note);
        if (!result.sized) {
            Append(out, QStringLiteral("! ") + result.message + u'\n');
            exitCode = BatchCaseRefused;
            continue;
        }
        const QString& printed = result.logLine;
        Append(out, (setup.decimalComma ? WithDecimalComma(printed) : printed) + u'\n');
    }
    return exitCode;
}

} // namespace

int ParseCalculationType(const QString& argument) {
    bool ok = false;
    const int number = argument.toInt(&ok);
    if (ok)
        return number >= 0 && number < CalculationTypeCount ? number : -1;
    for (int i = 0; i < CalculationTypeCount; ++i)
        if (argument == QLatin1String(TypeNames[std::size_t(i)]))
            return i;
    return argument == PipeSizingName ? PipeSizingBatchType : -1;
}

QString CalculationTypeNames() {
    QString names;
    for (int i = 0; i < CalculationTypeCount; ++i)
        names += QStringLiteral("  %1  %2\n").arg(i).arg(QLatin1String(TypeNames[std::size_t(i)]));
    names += QStringLiteral("     %1\n").arg(PipeSizingName);
    return names;
}

std::optional<BatchSetup> PrepareBatch(const BatchOptions& options, std::string& err) {
    if (options.calculationType != PipeSizingBatchType &&
        !CalculationFor(CalculationTypeFromNumber(options.calculationType))) {
        Append(err, QStringLiteral("kelvara-cli: calculation type %1 is not available\n")
                        .arg(options.calculationType));
        return std::nullopt;
    }
    BatchSetup setup;
    Session& configured = setup.configured;
    {
        BatchPrompts loadPrompts;
        LoadConfiguration(configured, loadPrompts, options.dataDir + u'/' + ConfigurationFileName,
                          options.dataDir, {});
        if (!loadPrompts.messages.isEmpty()) {
            Append(err, QStringLiteral("kelvara-cli: %1\n").arg(loadPrompts.messages.join(u'\n')));
            return std::nullopt;
        }
        // A missing size table is reported; the calculations then say "Error!" in its place.
        LoadPipeToleranceTable(configured, loadPrompts, options.dataDir);
        LoadSheetToleranceTable(configured, loadPrompts, options.dataDir);
        for (const QString& message : loadPrompts.messages)
            Append(err, QStringLiteral("kelvara-cli: %1\n").arg(message));
    }
    configured.CalculationType = CalculationTypeFromNumber(options.calculationType);
    setup.decimalComma = options.decimalComma;
    BatchPrompts quiet;
    if (options.calculationType == PipeSizingBatchType) {
        PipeSizingWindow window(configured, quiet);
        window.TntFormShow();
        setup.caption = window.ResultLog.at(0);
        setup.header = window.ResultLog.at(1);
        return setup;
    }
    CalculationWindow window(configured, quiet);
    window.TntFormShow();
    setup.caption = window.ResultLog.at(0);
    setup.header = window.ResultLog.at(1);
    return setup;
}

int RunBatch(const BatchOptions& options, const QByteArray& input, std::string& out,
             std::string& err) {
    const std::optional<BatchSetup> setup = PrepareBatch(options, err);
    if (!setup)
        return BatchUsageError;
    if (options.header)
        Append(out, setup->caption + u'\n' + setup->header + u'\n');
    return RunBatchInput(*setup, input, out, err);
}

int RunBatchInput(const BatchSetup& setup, const QByteArray& input, std::string& out,
                  std::string& err) {
    const Session& configured = setup.configured;
    const int type = CalculationTypeNumber(configured.CalculationType);
    if (type == PipeSizingBatchType)
        return RunSizingInput(setup, input, out, err);
    const CalculationTypeSpec& info = CalculationTypeOf(type);
    const int inputCount = int(info.inputs.size());
    int resultFieldCount = 0;
    for (const RowSpec& row : info.results)
        resultFieldCount += row.kind == RowKind::rkResultChoice ? 0 : 1;
    // The freezing calculation prints its series after the log line.
    const int seriesCount = info.HasFreezingSeries() ? int(FreezingSeries().size()) : 0;
    const QString& caption = setup.caption;
    const QString& header = setup.header;

    QString text = QString::fromUtf8(input);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(u'\n');
    int exitCode = BatchOk;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const int lineNumber = int(n) + 1;
        QString line = lines[n];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.endsWith(u'\t'))
            line.chop(1);
        // Empty lines and the heading lines of a copied result list carry no case.
        if (line.isEmpty() || line == caption || line == header)
            continue;
        const QStringList fields = line.split(u'\t');
        const qsizetype count = fields.size();
        if (count != inputCount && count != inputCount + resultFieldCount &&
            !(seriesCount > 0 && count == inputCount + resultFieldCount + seriesCount)) {
            Append(err, QStringLiteral("kelvara-cli: line %1: expected %2 fields, found %3\n")
                            .arg(lineNumber)
                            .arg(inputCount)
                            .arg(fields.size()));
            return BatchUsageError;
        }

        Session session = FreshSession(configured);
        session.CalculationType = CalculationTypeFromNumber(type);
        BatchPrompts prompts;
        FieldCase fieldCase(session, prompts);
        for (int i = 0; i < inputCount; ++i)
            SetField(fieldCase, i, fields[i], prompts, lineNumber, err);
        prompts.messages.clear(); // filling the rows is not the calculation's doing
        QStringList series;
        const bool ok = RunCalculationCase(fieldCase, series);
        QStringList notes = prompts.messages;
        if (!ok && !notes.isEmpty()) {
            const QString stopping = notes.takeLast();
            for (const QString& note : notes)
                AppendLineMessage(err, lineNumber, note);
            Append(out, QStringLiteral("! ") + stopping + u'\n');
            exitCode = BatchCaseRefused;
            continue;
        }
        for (const QString& note : notes)
            AppendLineMessage(err, lineNumber, note);
        if (!ok) {
            Append(out, QStringLiteral("! \n"));
            exitCode = BatchCaseRefused;
            continue;
        }
        // A calculation that found nothing to do may log nothing (a sheet needing no insulation
        // against condensation); the case still gets its line: its fields and the results.
        QString printed = fieldCase.logged.value_or(QString());
        if (printed.isEmpty()) {
            for (int i = 0; i < inputCount; ++i)
                printed += fields[i] + u'\t';
            for (int j = 0; j < int(info.results.size()); ++j)
                if (info.results[std::size_t(j)].kind != RowKind::rkResultChoice)
                    printed += fieldCase.ResultText(j) + u'\t';
        }
        for (const QString& entry : series)
            printed += entry + u'\t';
        if (setup.decimalComma) {
            QStringList fields = printed.split(u'\t');
            for (QString& field : fields)
                field = WithDecimalMark(field, QStringLiteral(","));
            printed = fields.join(u'\t');
        }
        Append(out, printed + u'\n');
    }
    return exitCode;
}

} // namespace kelvara
