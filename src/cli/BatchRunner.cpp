#include "BatchRunner.h"

#include "output/ResultOutput.h"
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
#include "workspace/ResultLogFields.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <vector>

namespace kelvara {

namespace {

// Each case starts from the start-up values, over the catalogue and tables read once.
Session FreshSession(const Session& configured) {
    Session session;
    session.Catalogue = configured.Catalogue;
    session.PipeToleranceTable = configured.PipeToleranceTable;
    session.SheetToleranceTable = configured.SheetToleranceTable;
    return session;
}

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

// Fills row `row` from its field as the result log writes it.
void SetField(TParaLine& row, const QString& field, BatchPrompts& prompts,
              const Catalogues& catalogue, int lineNumber, std::string& err) {
    switch (row.Kind()) {
    case RowKind::rkMaterial: {
        const ParsedMaterial material = ParseMaterialField(field, catalogue.MaterialNames);
        if (material.user) {
            prompts.userLambda.reset();
            long double lambda = 0;
            if (!material.userLambdaText.isEmpty()) {
                if (TryTextToFloat(material.userLambdaText, lambda) && std::fabs(lambda) <= FLT_MAX)
                    prompts.userLambda = static_cast<float>(lambda);
                else
                    AppendLineMessage(err, lineNumber, messages::WrongData);
            }
            row.ChooseMaterial(material.index);
        } else if (material.index < 0) {
            row.SetMaterialIndex(-1);
        } else {
            row.ChooseMaterial(material.index);
        }
        return;
    }
    case RowKind::rkFlowRate: {
        const ParsedFlow flow = ParseFlowField(field, FlowRateUnits);
        row.SetParaLineEditText(flow.value);
        if (flow.unitIndex >= 0)
            row.ChooseFlowRate(flow.unitIndex);
        else
            row.SetFlowRateIndex(-1);
        return;
    }
    default:
        row.SetParaLineEditText(ParseEditField(field));
        return;
    }
}

// A list field of the sizing: its text as the window shows it, or its position from 1.
int ListIndex(const QStringList& items, QString field) {
    if (field.endsWith(u' ') && !items.contains(field))
        field.chop(1);
    const qsizetype byText = items.indexOf(field);
    if (byText >= 0)
        return int(byText);
    bool ok = false;
    const int position = field.trimmed().toInt(&ok);
    return ok && position >= 1 && position <= items.size() ? position - 1 : -1;
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
        Session session = FreshSession(configured);
        BatchPrompts prompts;
        PipeSizingWindow window(session, prompts);
        window.TntFormShow();
        for (int i = 0; i < inputCount; ++i) {
            TParaLine& row = window.Input(i);
            if (i == SizingMaterial && fields[i].startsWith(UserCoefficientMaterialName)) {
                SetField(row, fields[i], prompts, session.Catalogue, lineNumber, err);
            } else if (i == SizingMaterial || i == SizingCase) {
                const int index = ListIndex(row.MaterialItemList(), fields[i]);
                if (index < 0)
                    row.SetMaterialIndex(-1);
                else
                    row.ChooseMaterial(index);
            } else {
                row.SetParaLineEditText(fields[i]);
            }
        }
        prompts.messages.clear();
        const bool ok = window.Button1Click();
        QStringList notes = prompts.messages;
        if (!ok) {
            const QString stopping = notes.isEmpty() ? QString() : notes.takeLast();
            for (const QString& note : notes)
                AppendLineMessage(err, lineNumber, note);
            Append(out, QStringLiteral("! ") + stopping + u'\n');
            exitCode = BatchCaseRefused;
            continue;
        }
        for (const QString& note : notes)
            AppendLineMessage(err, lineNumber, note);
        const QString printed = window.ResultLog.last();
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
        CalculationWindow window(session, prompts);
        window.TntFormShow();
        for (int i = 0; i < inputCount; ++i)
            SetField(window.Input(i), fields[i], prompts, session.Catalogue, lineNumber, err);
        prompts.messages.clear(); // filling the rows is not the calculation's doing
        const qsizetype logged = window.ResultLog.size();
        const bool ok = window.Button1Click();
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
        QString printed = window.ResultLog.size() > logged ? window.ResultLog.last() : QString();
        if (printed.isEmpty()) {
            for (int i = 0; i < inputCount; ++i)
                printed += fields[i] + u'\t';
            for (const auto& row : window.ResultRows)
                if (row->ParaLineEditAvailable())
                    printed += row->ParaLineEditText() + u'\t';
        }
        if (seriesCount > 0) {
            for (const QString& entry : window.Result(info.choiceRow).Alternatives())
                printed += entry + u'\t';
        }
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
