#pragma once

#include <QString>

namespace kelvara {

class ProjectModel;

inline const QString ScheduleSheetName = QStringLiteral("Zestawienie");
inline const QString MaterialsSheetName = QStringLiteral("Materialy");

// Writes the project as an .xlsx: the sheet "Zestawienie" with a heading row (with units) and
// one row per run, inputs and results, and the sheet "Materialy" with the bill of materials,
// the runs no size fits and the totals. Every number is a number cell whose format shows the
// decimals the program shows. The file is written whole or not at all; false, with a message
// naming it and the reason, when that failed.
bool WriteProjectSpreadsheet(const QString& path, const ProjectModel& model, QString& message);

} // namespace kelvara
