#pragma once

#include "shell/ToleranceTable.h"

namespace kelvara {

struct Session;

// Where a thickness falls in an insulation-size table: the first line whose bounds hold it
// (lower bounds exclusive, upper bounds inclusive).
struct SizeMatch {
    bool tableMissing = false;            // the table could not be read
    const TToleranceLine* line = nullptr; // none when no line holds it
};

// A pipe of an outer diameter in m with a thickness in mm, and a sheet with a thickness in mm.
SizeMatch PipeSizeLine(const Session& session, float pipeDiameter, float thicknessMm);
SizeMatch SheetSizeLine(const Session& session, float thicknessMm);

} // namespace kelvara
