#pragma once

#include "ResultOutput.h"

#include <vector>

namespace kelvara {

class PipeSizingWindow;

// The one-page report of the insulation sizing, item by item: the inputs, each criterion's
// thickness and size, the governing one and the yearly figures of the last calculation.
std::vector<ReportItem> BuildSizingReport(PipeSizingWindow& window, const ReportHeadings& headings,
                                          const QDate& date);

} // namespace kelvara
