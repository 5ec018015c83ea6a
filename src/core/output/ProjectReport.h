#pragma once

#include "ResultOutput.h"

#include <QStringList>
#include <vector>

namespace kelvara {

class ProjectModel;
struct ProjectTotals;

// The project's totals as shown: label, value and unit of each figure.
struct TotalLine {
    QString label;
    QString value;
    QString unit;
};
std::vector<TotalLine> TotalsLines(const ProjectTotals& totals);

// The bill of materials as shown: its column headings, then one row per material and size,
// then one per run that no size fits (its mark and thickness in place of a size).
QStringList BillHeadings();
std::vector<QStringList> BillRows(const ProjectModel& model);

// A landscape A4 page inside 10 mm margins, in designer pixels (96 per inch).
inline constexpr int LandscapeWidth = 1047;
inline constexpr int LandscapeHeight = 718;

// A straight line of a report page, in the coordinates of its data band.
struct ReportRule {
    int left;
    int top;
    int right;
};

// One page of a report of several pages: the first has the report's heading and customer
// bands above its data band; on the others the data band is the whole page. Cells are the
// texts of a table, each on one line within its width (set smaller rather than cut off).
struct ReportPage {
    bool heading = false;
    std::vector<ReportItem> items;
    std::vector<ReportItem> cells;
    std::vector<ReportRule> rules;
};

// The project's report: the heading of the calculation reports with the project's name,
// company and remarks, the schedule of runs as a table continuing over the pages with its
// column headings repeated, then the totals and the bill of materials; every page numbered
// "strona N z M".
std::vector<ReportPage> BuildProjectReport(const ProjectModel& model, const QString& salesAddress,
                                           const QDate& date);

} // namespace kelvara
