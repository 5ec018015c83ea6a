#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace kelvara {

struct Session;
class Prompts;

// One line of an insulation-size table: diameters and thicknesses in mm, lower bounds
// exclusive, upper bounds inclusive.
struct TToleranceLine {
    float DiameterFrom = 0;
    float DiameterTo = 0;
    float ThicknessFrom = 0;
    float ThicknessTo = 0;
    QString SizeText;
};

using TToleranceTable = std::vector<TToleranceLine>;

inline const QString PipeToleranceFileName = QStringLiteral("tt_p.txt");
inline const QString SheetToleranceFileName = QStringLiteral("tt_s.txt");

// Reads a table: ten heading lines, then one line per size. A failure is reported through
// prompts; a table that could not be read stays absent, one that failed midway keeps the
// lines before the failure and the failing line as far as it was parsed.
std::shared_ptr<const TToleranceTable> LoadToleranceTable(const QString& fileName,
                                                          Prompts& prompts);
void LoadPipeToleranceTable(Session& session, Prompts& prompts, const QString& dataDir);
void LoadSheetToleranceTable(Session& session, Prompts& prompts, const QString& dataDir);

} // namespace kelvara
