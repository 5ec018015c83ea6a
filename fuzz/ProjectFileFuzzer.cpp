// Any bytes as a project file: read, sized, summed and written back. Nothing crashes, no figure
// shown is "nan" or "inf", reading leaves the file as it was, and a project written and read
// again is the same project.
#include "BatchRunner.h"
#include "FuzzSupport.h"
#include "workspace/ProjectFile.h"
#include "workspace/ProjectModel.h"

using namespace kelvara;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const BatchSetup setup = [] {
        std::string err;
        auto prepared =
            PrepareBatch({QStringLiteral(KELVARA_DATA_DIR), false, PipeSizingBatchType}, err);
        if (!prepared)
            fuzz::Fail("cannot read the data folder", QString::fromStdString(err));
        return std::move(*prepared);
    }();
    const QString path = fuzz::WriteScratchFile(QStringLiteral("project.kelvara"), data, size);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString message;
    const std::optional<ProjectData> project = LoadProject(path, message);
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != bytes)
            fuzz::Fail("reading changed the file", path);
    }
    if (!project) {
        if (message.isEmpty())
            fuzz::Fail("refused without a message", path);
        return 0;
    }
    if (project->runs.size() > 200)
        return 0; // sizing is the engine's fuzzing; the file's reading is done
    ProjectModel model(setup.configured);
    model.SetProject(*project);
    for (int row = 0; row < model.rowCount(); ++row)
        for (const QString& text : model.Result(row).texts)
            if (fuzz::ShowsNonFinite(text))
                fuzz::Fail("run result", text);
    // The figures of the summary; marks and names are the user's texts.
    QStringList figures = TotalsFields(model.Totals());
    for (const BillEntry& entry : model.Bill())
        figures << BillFields(entry);
    for (const UnsizedRun& run : model.Unsized())
        figures << UnsizedFields(run).mid(3);
    for (const QString& text : figures)
        if (fuzz::ShowsNonFinite(text))
            fuzz::Fail("summary", text);

    const QString again = path + QStringLiteral(".saved");
    if (!SaveProject(again, model.Project(), message))
        fuzz::Fail("cannot save", message);
    const std::optional<ProjectData> reread = LoadProject(again, message);
    if (!reread || !(*reread == model.Project()))
        fuzz::Fail("written and read again differs", again);
    return 0;
}
