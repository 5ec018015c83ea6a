#pragma once

#include <QLocale>
#include <QString>
#include <vector>

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

// Rows of the schedule copied as the result list copies: the plain text (lines ending in CR LF)
// and the HTML table for spreadsheets, its numbers with the locale's decimal mark.
struct CopiedRows {
    QString text;
    QString html;
};
CopiedRows CopyProjectRows(const ProjectModel& model, const std::vector<int>& rows,
                           const QLocale& locale = QLocale::system());

} // namespace kelvara
