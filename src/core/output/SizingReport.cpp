#include "SizingReport.h"

#include "shell/NumberText.h"
#include "shell/Session.h"
#include "workspace/CalculationCommon.h"
#include "workspace/PipeSizingWindow.h"

namespace kelvara {

namespace {

// Fifteen inputs, one of them on two lines, and ten result lines fit one page at this pitch.
constexpr int Pitch = 19;
constexpr int Points = 11;
constexpr int FirstInputTop = 44;
// The right edge of the inputs' values, and of the results' thicknesses and figures.
constexpr int InputValueRight = 500;
constexpr int ResultValueRight = 440;

} // namespace

std::vector<ReportItem> BuildSizingReport(PipeSizingWindow& window, const ReportHeadings& headings,
                                          const QDate& date) {
    const Session& session = window.GetSession();
    std::vector<ReportItem> items;
    using B = ReportBand;
    using A = ReportAlign;
    auto add = [&](int left, int top, ReportAlign align, const QString& text, int size = Points) {
        items.push_back({B::Data, left, top, align, size, text});
    };
    AddReportHeading(items, PipeSizingCaption, headings, date);

    add(16, 16, A::Left, QStringLiteral("Dane"));
    int top = FirstInputTop;
    for (int i = 0; i < int(window.InputRows.size()); ++i, top += Pitch) {
        const TParaLine& row = window.Input(i);
        add(20, top, A::Left, row.ParaLineLabelText());
        if (i == SizingCase) {
            // A case may be a sentence of the regulation: it wraps over two lines.
            items.push_back({B::Data, 180, top, A::Left, Points, row.MaterialText(), false,
                             BandWidth - 180, 2 * Pitch});
            top += Pitch;
        } else if (i == SizingMaterial) {
            if (row.MaterialText() == UserCoefficientMaterialName) {
                add(InputValueRight, top, A::Right,
                    row.MaterialText() + u' ' +
                        FormatFloat(QStringLiteral("#0.00"), session.Remembered.UserLambda));
                add(InputValueRight + 20, top, A::Left, QStringLiteral("W/m K"));
            } else {
                add(InputValueRight, top, A::Right, row.MaterialText());
            }
        } else if (row.ParaLineEditText().trimmed().isEmpty()) {
            // A limit left empty is not used.
            add(InputValueRight, top, A::Right, common::NotNeeded);
        } else {
            add(InputValueRight, top, A::Right, row.ParaLineEditText());
            add(InputValueRight + 20, top, A::Left, row.UnitText());
        }
    }
    const auto& claddings = session.Catalogue.CladdingNames;
    const int cladding = session.CalculatorCladdingIndex;
    if (session.CoeffFromCalculator && cladding >= 0 && cladding < claddings.size()) {
        add(20, top, A::Left, QStringLiteral("rodzaj pokrycia"));
        add(InputValueRight, top, A::Right, claddings[cladding]);
        top += Pitch;
    }

    top += 12;
    add(16, top, A::Left, QStringLiteral("Wyniki"));
    add(ResultValueRight, top, A::Right, QStringLiteral("grubosc izolacji"), 10);
    add(ResultValueRight + 60, top, A::Left, QStringLiteral("Rozmiar izolacji"), 10);
    top += 6; // a little room under the column titles
    for (const SizingResultLine& line : window.ResultLines) {
        top += Pitch;
        add(20, top, A::Left, line.label);
        add(ResultValueRight, top, A::Right, line.value);
        add(ResultValueRight + 10, top, A::Left, line.unit);
        if (line.hasSize)
            add(ResultValueRight + 60, top, A::Left, line.size);
    }
    AddReportFoot(items, top + 30, true, headings, session.Catalogue.SalesAdress);
    return items;
}

} // namespace kelvara
