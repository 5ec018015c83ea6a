// Any bytes as a size table, then both lookups over the bounds the table itself names and a
// few ordinary sizes.
#include "FuzzSupport.h"
#include "shell/Session.h"
#include "shell/ToleranceTable.h"
#include "workspace/InsulationSize.h"

using namespace kelvara;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzz::WriteScratchFile(PipeToleranceFileName, data, size);
    fuzz::QuietPrompts prompts;
    const auto table = LoadToleranceTable(path, prompts);

    Session session;
    session.PipeToleranceTable = table;
    session.SheetToleranceTable = table;
    // Ordinary sizes, then the corners of every line (whose bounds are where lookups go wrong).
    std::vector<std::pair<float, float>> queries;
    for (const float d : {0.0f, 0.022f, 0.1f, 1e30f})
        for (const float t : {-1.0f, 0.0f, 9.0f, 25.0f, 1e30f})
            queries.emplace_back(d, t);
    if (table)
        for (const TToleranceLine& line : *table)
            for (const float d : {line.DiameterFrom, line.DiameterTo})
                for (const float t : {line.ThicknessFrom, line.ThicknessTo})
                    queries.emplace_back(d / 1000, t);
    for (const auto& [d, t] : queries) {
        if (SheetInsulationSize(session, prompts, t).isNull())
            fuzz::Fail("sheet size without text", QString::number(double(t)));
        if (PipeInsulationSize(session, prompts, d, t).isNull())
            fuzz::Fail("pipe size without text", QString::number(double(t)));
    }
    return 0;
}
