// Speed of the calculations and of the batch tool. Run: build/tests/bin/kelvara_bench
// (docs/performance.md has the figures and the other measurements).
#include "BatchRunner.h"
#include "workspace/CalculationTypes.h"

#include <QProcess>
#include <benchmark/benchmark.h>

using namespace kelvara;

namespace {

const QString DataDir = QStringLiteral(KELVARA_BENCH_DATA_DIR);

// One ordinary case of every type, as a user types it (the batch tool's field texts).
const char* const TypicalCases[CalculationTypeCount] = {
    "25\t-5\t25.4\tKauczuk syntetyczny KV-Flex\t9\t80",
    "25\t-5\t25.4\t20\tPianka PIR\t9",
    "25\t-5\t25.4\t20\t1\tKauczuk syntetyczny KV-Flex\t9\t0.5",
    "20\t80\t1000\t4180\t1[m/s]\t50\t20\t100\tPianka PIR\t9",
    "-10\t5\t1000\t4180\t0\t335\t20\t25.4\t10\tPianka PIR\t9",
    "25\t-5\tPianka PIR\t9\t80",
    "20\t80\t20\t1\tPianka PIR\t9\t0.5",
    "20\t80\t20\tPianka PIR\t9"};

// One calculation through the core: the window model with its rows filled, "Oblicz" pressed.
void Calculation(benchmark::State& state) {
    const int type = int(state.range(0));
    std::string err;
    const auto setup = PrepareBatch({DataDir, false, type}, err);
    if (!setup) {
        state.SkipWithError(err.c_str());
        return;
    }
    for (auto _ : state) {
        std::string out;
        benchmark::DoNotOptimize(RunBatchInput(*setup, TypicalCases[type], out, err));
    }
    state.SetLabel(CalculationTypeTextsOf(type).caption.toStdString());
}
BENCHMARK(Calculation)->DenseRange(0, CalculationTypeCount - 1);

// The batch tool's work on 100,000 generated cases of types 2 and 4, without process start;
// the cases are the ones bench/generate-cases.sh gives kelvara-cli.
QByteArray GeneratedCases(int type, int count) {
    QProcess generator;
    generator.start(QStringLiteral("bash"),
                    {QStringLiteral(KELVARA_BENCH_SOURCE_DIR "/generate-cases.sh"),
                     QString::number(type), QString::number(count)});
    generator.waitForFinished(-1);
    return generator.readAllStandardOutput();
}

void BatchToolCases(benchmark::State& state) {
    const int type = int(state.range(0));
    const int count = 100000;
    const QByteArray input = GeneratedCases(type, count);
    if (input.count('\n') != count) {
        state.SkipWithError("bench/generate-cases.sh gave no cases");
        return;
    }
    BatchOptions options;
    options.dataDir = DataDir;
    options.calculationType = type;
    for (auto _ : state) {
        std::string out, err;
        benchmark::DoNotOptimize(RunBatch(options, input, out, err));
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BatchToolCases)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
