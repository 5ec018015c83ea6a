#pragma once

// A project: the schedule of the pipe runs of an installation, each sized as "Dobor izolacji"
// sizes one pipe.
//
// API in short:
//   ProjectData          what a project file holds: name, company, remarks, the defaults of a
//                        new run, the allowance for waste (%) and the ordered runs.
//   ProjectRun           a mark ("Oznaczenie") and the fifteen sizing inputs as texts, in the
//                        sizing window's row order (SizingRow); material and installation case
//                        by their list text, so an entry the catalogue no longer has stays as
//                        it was.
//   SizeRun()            one run's results: exactly the fields `kelvara-cli pipe-sizing`
//                        prints for the same fields, the numbers behind them, or the refusal
//                        with its message and the input at fault.
//   ProjectEdit          a reversible change (cells, insert, remove, move, project fields):
//                        ProjectModel::Apply performs one and returns the edit that undoes it.
//   ProjectTotals, BillEntry, UnsizedRun: what the model derives over its runs.
//   output/ProjectSpreadsheet.h: the .xlsx and the two copied flavours of selected rows.

#include "PipeSizingWindow.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace kelvara {

struct Session;

inline const QString ProjectCaption = QStringLiteral("Zestawienie izolacji");
inline const QString MarkLabel = QStringLiteral("Oznaczenie");
inline constexpr int RunInputCount = SizingRowCount; // the fifteen sizing inputs

using RunInputs = std::array<QString, RunInputCount>;

struct ProjectRun {
    QString mark;
    RunInputs inputs; // indexed by SizingRow
    bool operator==(const ProjectRun&) const = default;
};

struct ProjectData {
    QString name;
    QString company;
    QString remarks;
    RunInputs defaults;      // a new run's inputs
    double allowance = 10.0; // % of waste added to the bill of materials' lengths
    std::vector<ProjectRun> runs;
    bool operator==(const ProjectData&) const = default;
};

// The result columns of a run, after its inputs, in the order the table shows them.
enum RunResultColumn {
    ResultGoverning,    // the governing criterion ("-/-" when none asks for insulation)
    ResultThickness,    // mm
    ResultSize,         // from the pipe size table; "patrz Pomoc" when none fits
    ResultLossPerMetre, // W/m
    ResultLoss,         // W over the run's length
    ResultEnergy,       // kWh per year
    ResultCost,         // per year
    ResultCo2,          // kg per year
    RunResultCount
};

// One run sized.
struct RunResult {
    bool sized = false;  // false: refused, see message and faultInput
    QString message;     // the refusal (or failure) as the program shows it
    int faultInput = -1; // the SizingRow at fault, -1 for none
    QStringList notes;   // messages shown on the way (a cold-material warning)
    QString logLine;     // what `pipe-sizing` prints for the inputs: inputs then results
    std::array<QString, RunResultCount> texts; // the result columns as shown
    // The numbers behind the shown texts; empty where the text is none ("-/-", "patrz Pomoc").
    std::array<std::optional<double>, RunResultCount> numbers;
    QString material; // the material as the bill of materials groups it
};

// Sizes one run over the catalogue and tables of `configured` (its remembered values are not
// touched): the run's fields go through the sizing window as `kelvara-cli pipe-sizing` does. A
// material or installation case the lists do not have refuses the run with a message naming it.
// `byPosition` also takes a list input by its position from 1, and leaves an unknown entry
// to the sizing's own check, as the batch tool reads its lines.
RunResult SizeRun(const Session& configured, const RunInputs& inputs, bool byPosition = false);

// A session at the start-up values over the catalogue and tables of `configured`, which are
// read once: where each project run, and each batch case, starts.
Session FreshSession(const Session& configured);
// The inputs the sizing window starts with for the session's remembered values: the defaults
// of a new project.
RunInputs DefaultRunInputs(const Session& configured);
// A new project: no runs, the defaults above, the allowance of 10 %.
ProjectData NewProject(const Session& configured);
// The lists of the two list inputs, as the sizing window offers them.
QStringList RunChoices(const Session& configured, int input);
// A list input as `kelvara-cli pipe-sizing` reads it (the text, a position from 1; for the
// installation case a regulation row's name or number) as the text the list shows; a field
// that names no entry comes back as it was.
QString RunChoiceText(const Session& configured, int input, const QString& field);
// The labels and units of the fifteen inputs, as the sizing window shows them.
QString RunInputLabel(int input);
QString RunInputUnit(int input);
QString RunResultLabel(int column);
QString RunResultUnit(int column);

// Totals over the runs with results.
struct ProjectTotals {
    int runs = 0; // runs with results
    double length = 0, loss = 0, energy = 0, cost = 0, co2 = 0;
};

// One line of the bill of materials: a material in one size.
struct BillEntry {
    QString material;
    QString size;
    int runs = 0;
    double length = 0;              // m
    double lengthWithAllowance = 0; // m, rounded to 0.1
};

// A run whose thickness no size fits: listed apart with its thickness.
struct UnsizedRun {
    int row = -1;
    QString mark;
    QString material;
    QString thickness; // mm as shown ("patrz Pomoc" when not even half a metre suffices)
    double length = 0;
};

// A reversible change of a project.
struct ProjectEdit {
    enum class Kind { None, Cells, Insert, Remove, Move, Fields };
    struct Cell {
        int row = 0;
        int column = 0; // ProjectModel's column: 0 the mark, 1..15 the inputs
        QString text;
    };
    // The project's own fields; defaults by input.
    struct Field {
        enum class Which { Name, Company, Remarks, Allowance, Default };
        Which which = Which::Name;
        int input = -1; // for Default
        QString text;   // Allowance: the number as text
    };
    Kind kind = Kind::None;
    std::vector<Cell> cells;                            // Cells
    std::vector<std::pair<int, ProjectRun>> insertions; // Insert: final rows, ascending
    std::vector<int> rows;                              // Remove: rows, ascending
    int first = 0, count = 0, to = 0;                   // Move: [first, first+count) to `to`
    std::vector<Field> fields;                          // Fields

    bool IsNone() const { return kind == Kind::None; }
};

} // namespace kelvara
