#include "ProjectCommand.h"

#include "output/ProjectSpreadsheet.h"
#include "output/ResultOutput.h"
#include "shell/Messages.h"
#include "workspace/ProjectFile.h"
#include "workspace/ProjectModel.h"

#include <QFileInfo>
#include <variant>

namespace kelvara {

namespace {

void Append(std::string& sink, const QString& text) {
    sink += text.toStdString();
}

QString WithComma(const QString& line, bool comma) {
    if (!comma)
        return line;
    QStringList fields = line.split(u'\t');
    for (QString& field : fields)
        field = WithDecimalMark(field, QStringLiteral(","));
    return fields.join(u'\t');
}

// A list field given as `pipe-sizing` reads it (a position, a regulation row) becomes its text.
void ListFieldsAsText(ProjectData& project, const Session& configured) {
    for (ProjectRun& run : project.runs)
        for (int input : {int(SizingMaterial), int(SizingCase)}) {
            QString& field = run.inputs[std::size_t(input)];
            field = RunChoiceText(configured, input, field);
        }
}

int CreateProject(const Session& configured, const ProjectOptions& options, const QByteArray& input,
                  std::string& err) {
    const QString name = QFileInfo(options.file).fileName();
    if (QFileInfo::exists(options.file)) {
        Append(err, QStringLiteral("kelvara-cli: %1: %2\n").arg(name, messages::ProjectFileExists));
        return BatchUsageError;
    }
    ProjectModel model(configured);
    QString text = QString::fromUtf8(input);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const auto paste = model.PasteEdit(0, text);
    if (const QString* message = std::get_if<QString>(&paste)) {
        Append(err, QStringLiteral("kelvara-cli: %1\n").arg(*message));
        return BatchUsageError;
    }
    model.Apply(std::get<ProjectEdit>(paste));
    ProjectData project = model.Project();
    ListFieldsAsText(project, configured);
    QString message;
    if (!SaveProject(options.file, project, message)) {
        Append(err, QStringLiteral("kelvara-cli: %1\n").arg(message));
        return BatchUsageError;
    }
    return BatchOk;
}

} // namespace

int RunProject(const BatchOptions& options, const ProjectOptions& projectOptions,
               const QByteArray& input, std::string& out, std::string& err) {
    BatchOptions sizing = options;
    sizing.calculationType = PipeSizingBatchType;
    const std::optional<BatchSetup> setup = PrepareBatch(sizing, err);
    if (!setup)
        return BatchUsageError;
    if (projectOptions.create)
        return CreateProject(setup->configured, projectOptions, input, err);

    QString message;
    std::optional<ProjectData> project = LoadProject(projectOptions.file, message);
    if (!project) {
        Append(err, QStringLiteral("kelvara-cli: %1\n").arg(message));
        return BatchUsageError;
    }
    ProjectModel model(setup->configured);
    model.SetProject(std::move(*project));
    int exitCode = BatchOk;
    const bool comma = options.decimalComma;
    for (int row = 0; row < model.rowCount(); ++row) {
        const RunResult& result = model.Result(row);
        for (const QString& note : result.notes)
            Append(err, QStringLiteral("%1: %2\n").arg(model.Run(row).mark, note));
        if (!result.sized)
            exitCode = BatchCaseRefused;
        const QString printed =
            result.sized ? result.logLine : QStringLiteral("! ") + result.message;
        Append(out, model.Run(row).mark + u'\t' + WithComma(printed, comma) + u'\n');
    }
    for (const QString& line : ProjectSummaryLines(model))
        Append(out, WithComma(line, comma) + u'\n');
    if (!projectOptions.xlsx.isEmpty() &&
        !WriteProjectSpreadsheet(projectOptions.xlsx, model, message)) {
        Append(err, QStringLiteral("kelvara-cli: %1\n").arg(message));
        return BatchUsageError;
    }
    return exitCode;
}

} // namespace kelvara
