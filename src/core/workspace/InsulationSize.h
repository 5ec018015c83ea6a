#pragma once

#include <QString>

namespace kelvara {

struct Session;
class Prompts;

// The size text for a pipe (outer diameter in m) and a thickness in mm: the table's first
// matching line, "patrz Pomoc" when none matches, "Error!" (after a message) without a table.
QString PipeInsulationSize(const Session& session, Prompts& prompts, float pipeDiameter,
                           float thickness);
QString SheetInsulationSize(const Session& session, Prompts& prompts, float thickness);

} // namespace kelvara
