// Speed of the calculations and of the batch tool. Run: build/dev/bin/kelvara_bench
#include "BatchRunner.h"
#include "engine/CoefficientCalculator.h"
#include "shell/ConfigurationLoader.h"
#include "shell/Prompts.h"
#include "shell/Session.h"
#include "workspace/CalculationWindow.h"

#include <benchmark/benchmark.h>

using namespace kelvara;

namespace {

const QString DataDir = QStringLiteral(KELVARA_BENCH_DATA_DIR);

class QuietPrompts : public Prompts {
public:
    void ShowMessage(MessageKind, const QString&) override {}
    bool AskYesNo(const QString&, const QString&) override { return false; }
    std::optional<float> AskUserConductivity() override { return std::nullopt; }
    void ShowCoefficientCalculator(CoefficientCalculator& c) override { c.Button2Click(); }
};

void PipeHeatLossOnRows(benchmark::State& state) {
    Session session;
    QuietPrompts prompts;
    LoadConfiguration(session, prompts, DataDir + QStringLiteral("/Kelvara.ini"), DataDir, {});
    session.CalculationType = 2;
    CalculationWindow window(session, prompts);
    window.TntFormShow();
    window.Input(5).ChooseMaterial(0);
    for (auto _ : state) {
        window.Input(3).SetParaLineEditText(QStringLiteral("20"));
        benchmark::DoNotOptimize(window.Button1Click());
        if (window.ResultLog.size() > 1000)
            window.ResultLog.erase(window.ResultLog.begin() + 2, window.ResultLog.end());
    }
}
BENCHMARK(PipeHeatLossOnRows);

QByteArray GeneratedCases(int count) {
    const char* materials[] = {"Kauczuk syntetyczny KV-Flex ", "Pianka PIR ",
                               "Welna mineralna (otuliny) ", "wspólczynnik k 0.0400"};
    QByteArray input;
    for (int i = 0; i < count; ++i) {
        input += QByteArray::number(10 + i % 30) + '\t' + QByteArray::number(-20 + i % 60) + '\t' +
                 QByteArray::number(10 + i % 200) + '\t' + QByteArray::number(i % 51) + "\t10\t" +
                 materials[i % 4] + "\t9\t0.5\n";
    }
    return input;
}

void BatchToolCases(benchmark::State& state) {
    const int count = int(state.range(0));
    const QByteArray input = GeneratedCases(count);
    BatchOptions options;
    options.dataDir = DataDir;
    options.calculationType = 2;
    for (auto _ : state) {
        std::string out, err;
        benchmark::DoNotOptimize(RunBatch(options, input, out, err));
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BatchToolCases)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
