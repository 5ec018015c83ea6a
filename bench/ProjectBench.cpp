// Speed of a project of 2,000 runs: open (read and size every run), size again, save, and one
// edited cell (its run sized, the totals and the bill of materials worked out).
#include "BatchRunner.h"
#include "workspace/ProjectFile.h"
#include "workspace/ProjectModel.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kelvara;

namespace {

const QString DataDir = QStringLiteral(KELVARA_BENCH_DATA_DIR);
constexpr int RunCount = 2000;

const Session& Configured() {
    static const BatchSetup setup = [] {
        std::string err;
        auto prepared = PrepareBatch({DataDir, false, PipeSizingBatchType}, err);
        if (!prepared)
            qFatal("%s", err.c_str());
        return std::move(*prepared);
    }();
    return setup.configured;
}

// Heating, hot water and chilled water runs over the usual pipe sizes.
ProjectData LargeProject() {
    const Session& configured = Configured();
    ProjectData project;
    const float pipes[][2] = {{22, 20}, {28, 25},       {35, 32},       {42, 39},
                              {54, 51}, {60.3f, 54.5f}, {76.1f, 70.3f}, {88.9f, 82.5f}};
    const char* media[] = {"70", "55", "6"};
    for (int i = 0; i < RunCount; ++i) {
        ProjectRun run;
        run.mark = QStringLiteral("R-%1").arg(i + 1, 4, 10, QLatin1Char('0'));
        const auto& pipe = pipes[i % std::size(pipes)];
        run.inputs = {QStringLiteral("20"),
                      QString::fromLatin1(media[i % 3]),
                      QStringLiteral("60"),
                      QString::number(pipe[0]),
                      QString::number(pipe[1]),
                      configured.Catalogue.MaterialNames[i % 2],
                      QStringLiteral("9"),
                      configured.Catalogue.RegulationNames[i % 3],
                      QString(),
                      QString(),
                      i % 3 == 2 ? QStringLiteral("2") : QString(),
                      QString::number(1 + i % 25),
                      QStringLiteral("5000"),
                      QStringLiteral("0.5"),
                      QStringLiteral("0.7")};
        project.runs.push_back(std::move(run));
    }
    return project;
}

void OpenProject(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.kelvara"));
    QString message;
    SaveProject(path, LargeProject(), message);
    for (auto _ : state) {
        ProjectModel model(Configured());
        model.SetProject(*LoadProject(path, message));
        benchmark::DoNotOptimize(model.Totals());
    }
}
BENCHMARK(OpenProject)->Unit(benchmark::kMillisecond);

void SizeEveryRun(benchmark::State& state) {
    ProjectModel model(Configured());
    const ProjectData project = LargeProject();
    for (auto _ : state)
        model.SetProject(project);
}
BENCHMARK(SizeEveryRun)->Unit(benchmark::kMillisecond);

void SaveLargeProject(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.kelvara"));
    const ProjectData project = LargeProject();
    QString message;
    for (auto _ : state)
        SaveProject(path, project, message);
}
BENCHMARK(SaveLargeProject)->Unit(benchmark::kMillisecond);

// What the window does per typed character: the cell, its run, the totals and the bill.
void EditOneCell(benchmark::State& state) {
    ProjectModel model(Configured());
    model.SetProject(LargeProject());
    int i = 0;
    for (auto _ : state) {
        const QModelIndex cell = model.index(1000, ProjectModel::FirstInputColumn + SizingLength);
        model.setData(cell, QString::number(10 + (++i % 7)));
        benchmark::DoNotOptimize(model.Totals());
        benchmark::DoNotOptimize(model.Bill());
    }
}
BENCHMARK(EditOneCell)->Unit(benchmark::kMicrosecond);

} // namespace
