#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

namespace kelvara {

class CalculationWindow;

// The three texts that head both the copied list and the printed report.
struct ReportHeadings {
    QString project;
    QString company;
    QString remarks;
};

// Puts the three heading lines at the top of the window's result log (replacing those of an
// earlier copy from the same window) and returns the whole log as clipboard text: every line
// followed by CR LF.
QString CopyResultLog(CalculationWindow& window, const ReportHeadings& headings);
// The same for any window's result log; copyHeaderPending is set while the log has no heading
// lines of an earlier copy.
QString CopyResultLines(QStringList& log, bool& copyHeaderPending, const ReportHeadings& headings);

// A field of the result log that is a plain decimal number ("25", "-115.277", "0.0411") with
// the given decimal mark in place of "."; any other field unchanged. The program itself always
// writes "."; a spreadsheet reads the user's own mark.
QString WithDecimalMark(const QString& field, const QString& decimalMark);

// The same lines as the clipboard text, as an HTML table for spreadsheets: one row per line,
// one cell per TAB-separated field (the TAB that ends a calculation line opens no cell), every
// number with the locale's decimal mark, every text escaped.
QString ResultLogHtml(const QStringList& lines, const QLocale& locale = QLocale::system());

enum class ReportBand { Heading, Customer, Data };
enum class ReportAlign { Left, Right, Center };

// One text (or the logo) of the printed report, in designer pixels (96 per inch) relative to
// its band; a right-aligned text ends at `left`.
struct ReportItem {
    ReportBand band;
    int left;
    int top;
    ReportAlign align;
    int fontSize; // points
    QString text;
    bool logo = false;
    int width = 0;
    int height = 0;
};

inline constexpr int HeadingBandHeight = 147;
inline constexpr int CustomerBandHeight = 144;
inline constexpr int DataBandHeight = 728;
inline constexpr int BandWidth = 718;

// The report of the open calculation, item by item. Throws AppError when a row cannot be read.
std::vector<ReportItem> BuildReport(CalculationWindow& window, const ReportHeadings& headings,
                                    const QDate& date);

// What every report has: the program's heading, then the caption, the date, project and
// company.
void AddReportHeading(std::vector<ReportItem>& items, const QString& caption,
                      const ReportHeadings& headings, const QDate& date);
// The remarks and the contact at the foot of the data band, the remarks' title at `top`;
// `close` sets their lines closer together, for a page that is nearly full.
void AddReportFoot(std::vector<ReportItem>& items, int top, bool close,
                   const ReportHeadings& headings, const QString& salesAddress);

// The report's data band grows when a long result list pushes the remarks down.
int DataBandHeightOf(const std::vector<ReportItem>& items);

} // namespace kelvara
