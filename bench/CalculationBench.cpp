// Speed of the calculations and of the batch tool. Run: build/dev/bin/kelvara_bench
// (docs/performance.md has the figures and the other measurements).
#include "BatchRunner.h"
#include "workspace/CalculationTypes.h"

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

// The batch tool's work on 100,000 generated cases of types 2 and 4, without process start.
QByteArray GeneratedCases(int type, int count) {
    const char* materials[] = {"Kauczuk syntetyczny KV-Flex ", "Pianka PIR ",
                               "Welna mineralna (otuliny) ", "wspólczynnik k 0.0400"};
    QByteArray input;
    for (int i = 0; i < count; ++i) {
        const QByteArray material = materials[i % 4];
        if (type == 2)
            input += QByteArray::number(10 + i % 30) + '\t' + QByteArray::number(-20 + i % 60) +
                     '\t' + QByteArray::number(10 + i % 200) + '\t' + QByteArray::number(i % 51) +
                     "\t10\t" + material + "\t9\t0.5\n";
        else
            input += QByteArray::number(-25 + i % 24) + '\t' + QByteArray::number(1 + i % 40) +
                     "\t1000\t4180\t0\t335\t" + QByteArray::number(10 + i % 80) + '\t' +
                     QByteArray::number(10 + i % 200) + '\t' + QByteArray::number(6 + i % 45) +
                     '\t' + material + '\t' + QByteArray::number(3 + i % 20) + '\n';
    }
    return input;
}

void BatchToolCases(benchmark::State& state) {
    const int type = int(state.range(0));
    const int count = 100000;
    const QByteArray input = GeneratedCases(type, count);
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
