// Any bytes as one input line of the batch tool, run through every calculation type.
#include "BatchRunner.h"
#include "FuzzSupport.h"
#include "workspace/CalculationTypes.h"
#include "workspace/Calculations.h"

#include <array>

using namespace kelvara;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::array<BatchSetup, CalculationTypeCount> setups = [] {
        std::array<BatchSetup, CalculationTypeCount> prepared;
        for (int type = 0; type < CalculationTypeCount; ++type) {
            std::string err;
            auto setup = PrepareBatch({QStringLiteral(KELVARA_DATA_DIR), false, type}, err);
            if (!setup)
                fuzz::Fail("cannot read the data folder", QString::fromStdString(err));
            prepared[std::size_t(type)] = std::move(*setup);
        }
        return prepared;
    }();
    const QByteArray line(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const BatchSetup& setup : setups) {
        std::string out, err;
        RunBatchInput(setup, line, out, err);
        // The result fields of each printed line; a refusal ("! " and the message) may quote
        // what was typed, "inf" included, and is no number shown.
        const qsizetype inputs = CalculationTypeOf(setup.configured.CalculationType).inputs.size();
        for (const QString& printed : QString::fromStdString(out).split(u'\n')) {
            if (!printed.startsWith(QStringLiteral("! ")) &&
                fuzz::ShowsNonFinite(printed.section(u'\t', inputs)))
                fuzz::Fail("printed result", printed);
        }
    }
    return 0;
}
