#include "ProjectReport.h"

#include "shell/NumberText.h"
#include "workspace/ProjectModel.h"

namespace kelvara {

namespace {

// The schedule's columns: the model's column, a short heading and the width in pixels.
struct ScheduleColumn {
    int column;
    const char16_t* heading;
    int width;
    bool number;
};

constexpr int In = ProjectModel::FirstInputColumn;
constexpr int Out = ProjectModel::FirstResultColumn;
const ScheduleColumn Schedule[] = {
    {ProjectModel::MarkColumn, u"Oznaczenie", 78, false},
    {In + SizingAmbient, u"t otocz. [°C]", 38, true},
    {In + SizingMedium, u"t czynn. [°C]", 38, true},
    {In + SizingHumidity, u"wilg. [%]", 32, true},
    {In + SizingOuterDiameter, u"Dz [mm]", 42, true},
    {In + SizingInnerDiameter, u"Dw [mm]", 42, true},
    {In + SizingMaterial, u"Material", 150, false},
    {In + SizingLength, u"Dlugosc [m]", 46, true},
    {Out + ResultGoverning, u"Decyduje", 170, false},
    {Out + ResultThickness, u"Grubosc [mm]", 48, true},
    {Out + ResultSize, u"Rozmiar izolacji", 84, false},
    {Out + ResultLossPerMetre, u"Strata [W/m]", 52, true},
    {Out + ResultLoss, u"Strata [W]", 56, true},
    {Out + ResultEnergy, u"Energia [kWh/a]", 60, true},
    {Out + ResultCost, u"Koszt [%1/a]", 56, true},
    {Out + ResultCo2, u"CO2 [kg/a]", 54, true},
};

constexpr int TablePoints = 7;
constexpr int TextPoints = 10;
constexpr int RowPitch = 15;
constexpr int HeadingRowHeight = 30;
constexpr int CellPad = 3;
constexpr int FootHeight = 22; // "strona N z M" under the data
constexpr int FirstPageData = LandscapeHeight - HeadingBandHeight - CustomerBandHeight;

// Lays items out downwards, starting a page where the next block does not fit.
class PageFlow {
public:
    explicit PageFlow(std::vector<ReportPage>& pages) : pages_(pages) {
        pages_.push_back({true, {}, {}, {}});
    }
    ReportPage& Page() { return pages_.back(); }
    int Top() const { return top_; }
    int Bottom() const {
        return (pages_.size() == 1 ? FirstPageData : LandscapeHeight) - FootHeight;
    }
    // Makes room for `height`; true when that began a new page.
    bool Need(int height) {
        if (top_ + height <= Bottom() || top_ == 0)
            return false;
        pages_.push_back({false, {}, {}, {}});
        top_ = 0;
        return true;
    }
    void Advance(int height) { top_ += height; }
    void Text(int left, int offset, ReportAlign align, int points, const QString& text,
              int width = 0, int height = 0) {
        Page().items.push_back(
            {ReportBand::Data, left, top_ + offset, align, points, text, false, width, height});
    }
    void Cell(int left, ReportAlign align, int points, const QString& text, int width) {
        Page().cells.push_back(
            {ReportBand::Data, left, top_ + 2, align, points, text, false, width, RowPitch});
    }
    void Rule(int left, int offset, int right) {
        Page().rules.push_back({left, top_ + offset, right});
    }

private:
    std::vector<ReportPage>& pages_;
    int top_ = 12;
};

// A line of cells: texts left, numbers right, each in its column.
void Cells(PageFlow& flow, const std::vector<std::pair<int, bool>>& columns,
           const QStringList& texts, int points) {
    int left = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const auto [width, number] = columns[c];
        const QString& text = texts[qsizetype(c)];
        if (number)
            flow.Cell(left + width - CellPad, ReportAlign::Right, points, text,
                      width - 2 * CellPad);
        else
            flow.Cell(left + CellPad, ReportAlign::Left, points, text, width - 2 * CellPad);
        left += width;
    }
}

void ScheduleHeading(PageFlow& flow, int width) {
    int left = 0;
    for (const ScheduleColumn& column : Schedule) {
        // Headings are centred over their column, the unit on a line of its own.
        QString heading =
            QString::fromUtf16(column.heading).replace(QStringLiteral(" ["), QStringLiteral("\n["));
        if (column.column == Out + ResultCost)
            heading = heading.arg(RunResultUnit(ResultCost)); // the currency
        flow.Text(left + 1, 2, ReportAlign::Center, TablePoints, heading, column.width - 2,
                  HeadingRowHeight);
        left += column.width;
    }
    flow.Rule(0, 0, width);
    flow.Rule(0, HeadingRowHeight, width);
    flow.Advance(HeadingRowHeight);
}

} // namespace

std::vector<TotalLine> TotalsLines(const ProjectTotals& totals) {
    const QString cost = RunResultUnit(ResultCost);
    return {
        {QStringLiteral("Odcinki z wynikiem"), QString::number(totals.runs), QString()},
        {QStringLiteral("Dlugosc"), FormatFloat(QStringLiteral("#0.0"), totals.length),
         QStringLiteral("m")},
        {QStringLiteral("Strata ciepla"), FormatFloat(QStringLiteral("#0"), totals.loss),
         QStringLiteral("W")},
        {QStringLiteral("Energia w roku"), FormatFloat(QStringLiteral("#0"), totals.energy),
         RunResultUnit(ResultEnergy)},
        {QStringLiteral("Koszt w roku"), FormatFloat(QStringLiteral("#0.00"), totals.cost), cost},
        {QStringLiteral("Emisja CO2 w roku"), FormatFloat(QStringLiteral("#0"), totals.co2),
         RunResultUnit(ResultCo2)},
    };
}

QStringList BillHeadings() {
    return {QStringLiteral("Material"), QStringLiteral("Rozmiar izolacji"),
            QStringLiteral("Odcinki"), QStringLiteral("Dlugosc [m]"),
            QStringLiteral("Z naddatkiem [m]")};
}

std::vector<QStringList> BillRows(const ProjectModel& model) {
    std::vector<QStringList> rows;
    const QString metres = QStringLiteral("#0.0");
    for (const BillEntry& entry : model.Bill())
        rows.push_back({entry.material, entry.size, QString::number(entry.runs),
                        FormatFloat(metres, entry.length),
                        FormatFloat(metres, entry.lengthWithAllowance)});
    for (const UnsizedRun& run : model.Unsized())
        rows.push_back(
            {run.material,
             run.mark + QStringLiteral(": ") + run.thickness + QStringLiteral(" mm, patrz Pomoc"),
             QStringLiteral("1"), FormatFloat(metres, run.length), QString()});
    return rows;
}

std::vector<ReportPage> BuildProjectReport(const ProjectModel& model, const QString& salesAddress,
                                           const QDate& date) {
    const ProjectData& project = model.Project();
    const ReportHeadings headings{project.name, project.company, project.remarks};
    std::vector<ReportPage> pages;
    PageFlow flow(pages);
    AddReportHeading(flow.Page().items, ProjectCaption, headings, date);

    std::vector<std::pair<int, bool>> columns;
    int tableWidth = 0;
    for (const ScheduleColumn& column : Schedule) {
        columns.push_back({column.width, column.number});
        tableWidth += column.width;
    }

    flow.Text(0, 0, ReportAlign::Left, TextPoints, QStringLiteral("Odcinki"));
    flow.Advance(22);
    ScheduleHeading(flow, tableWidth);
    for (int row = 0; row < model.rowCount(); ++row) {
        if (flow.Need(RowPitch))
            ScheduleHeading(flow, tableWidth);
        QStringList texts;
        const RunResult& result = model.Result(row);
        for (const ScheduleColumn& column : Schedule) {
            // A refused run shows its message in place of its results.
            if (!result.sized && column.column == Out + ResultGoverning)
                texts << QStringLiteral("! ") + result.message;
            else
                texts << model.data(model.index(row, column.column)).toString();
        }
        Cells(flow, columns, texts, TablePoints);
        flow.Advance(RowPitch);
    }
    flow.Rule(0, 0, tableWidth);
    flow.Advance(16);

    // The totals, then the bill of materials, each kept whole where it fits on a page.
    const std::vector<TotalLine> totals = TotalsLines(model.Totals());
    flow.Need(22 + int(totals.size()) * 17);
    flow.Text(0, 0, ReportAlign::Left, TextPoints, QStringLiteral("Suma"));
    flow.Advance(22);
    for (const TotalLine& line : totals) {
        flow.Text(8, 0, ReportAlign::Left, 9, line.label);
        flow.Text(300, 0, ReportAlign::Right, 9, line.value);
        flow.Text(308, 0, ReportAlign::Left, 9, line.unit);
        flow.Advance(17);
    }
    flow.Advance(12);

    const std::vector<std::pair<int, bool>> billColumns = {
        {260, false}, {300, false}, {60, true}, {100, true}, {110, true}};
    int billWidth = 0;
    for (const auto& column : billColumns)
        billWidth += column.first;
    auto billHeading = [&] {
        flow.Rule(0, 0, billWidth);
        Cells(flow, billColumns, BillHeadings(), 8);
        flow.Rule(0, RowPitch + 2, billWidth);
        flow.Advance(RowPitch + 2);
    };
    flow.Need(22 + 2 * RowPitch + 4);
    flow.Text(0, 0, ReportAlign::Left, TextPoints,
              QStringLiteral("Zestawienie materialow (naddatek %1 %)")
                  .arg(FormatFloat(QStringLiteral("#0.##"), project.allowance)));
    flow.Advance(22);
    billHeading();
    for (const QStringList& row : BillRows(model)) {
        if (flow.Need(RowPitch))
            billHeading();
        Cells(flow, billColumns, row, 8);
        flow.Advance(RowPitch);
    }
    flow.Rule(0, 0, billWidth);
    flow.Advance(8);

    // The remarks and the contact, as at the foot of the calculation reports.
    flow.Need(140);
    AddReportFoot(flow.Page().items, flow.Top(), true, headings, salesAddress);

    const int count = int(pages.size());
    for (int n = 0; n < count; ++n) {
        ReportPage& page = pages[std::size_t(n)];
        const int bottom = (n == 0 ? FirstPageData : LandscapeHeight) - 16;
        page.items.push_back({ReportBand::Data, LandscapeWidth, bottom, ReportAlign::Right, 9,
                              QStringLiteral("strona %1 z %2").arg(n + 1).arg(count)});
    }
    return pages;
}

} // namespace kelvara
