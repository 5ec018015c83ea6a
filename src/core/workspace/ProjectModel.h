#pragma once

// The schedule of a project as a table model (Qt Core only): one row per run, the mark, the
// fifteen inputs, then the results of RunResultColumn.
//
// - DisplayRole/EditRole: the texts; setData(EditRole) edits an input cell. With an edit sink
//   set, setData hands the change to the sink as a ProjectEdit (the window pushes it on its
//   undo stack, whose command calls Apply) instead of applying it.
// - ToolTipRole and Qt::AccessibleDescriptionRole: the refusal's message on the input at fault
//   and on the result cells of a refused run; FaultRole: true on those cells.
// - ChoicesRole: the list of a material or installation-case cell, for its editor.
// - Apply(edit) performs a ProjectEdit and returns the edit that undoes it; only the changed
//   runs are sized again, the totals and the bill of materials follow (totalsChanged()).
// - PasteEdit/CopyLines: TAB-separated lines in, result-log lines out (output/'s
//   ResultLogHtml makes the spreadsheet flavour of the same lines).

#include "Project.h"

#include <QAbstractTableModel>
#include <functional>
#include <variant>

namespace kelvara {

struct Session;

class ProjectModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role { ChoicesRole = Qt::UserRole + 1, FaultRole };
    static constexpr int MarkColumn = 0;
    static constexpr int FirstInputColumn = 1;
    static constexpr int FirstResultColumn = FirstInputColumn + RunInputCount;
    static constexpr int ColumnCount = FirstResultColumn + RunResultCount;

    // `configured` holds the catalogue and tables the runs are sized with; it must outlive the
    // model. A new model holds an empty project with the session's defaults.
    explicit ProjectModel(const Session& configured, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The heading of a column with its unit, "Temp otoczenia [°C]".
    static QString ColumnHeading(int column);
    // The input (SizingRow) of a column; -1 for the mark and the results.
    static int InputOfColumn(int column);
    QStringList Choices(int column) const; // empty for a column that is no list

    // The whole project; replacing it sizes every run.
    const ProjectData& Project() const { return project_; }
    void SetProject(ProjectData project);
    const ProjectRun& Run(int row) const { return project_.runs[std::size_t(row)]; }
    const RunResult& Result(int row) const { return results_[std::size_t(row)]; }
    ProjectRun NewRun() const; // the defaults, no mark

    // Performs the edit and returns the one that undoes it (None for an edit that changes
    // nothing).
    ProjectEdit Apply(const ProjectEdit& edit);
    void SetEditSink(std::function<void(const ProjectEdit&)> sink) { sink_ = std::move(sink); }

    // Edits for the window's commands.
    ProjectEdit InsertEdit(int row, std::vector<ProjectRun> runs) const;
    ProjectEdit RemoveEdit(std::vector<int> rows) const;
    ProjectEdit MoveEdit(int first, int count, int delta) const; // None when it cannot move
    ProjectEdit DuplicateEdit(std::vector<int> rows) const;      // copies after the last
    ProjectEdit FieldEdit(ProjectEdit::Field::Which which, const QString& text,
                          int input = -1) const;

    // A block of TAB-separated lines ("." or "," decimal), the table's input columns (mark and
    // fifteen inputs; a copied line with its results is accepted too), as runs inserted at
    // `row`. A line with another number of fields refuses the whole block: the message names
    // the line, nothing changes.
    std::variant<ProjectEdit, QString> PasteEdit(int row, const QString& text) const;

    // The heading line and one result-log line per row: the mark, inputs and results (a
    // refused run: its inputs and "! " with the message). Plain text: each line and CR LF.
    QStringList CopyLines(const std::vector<int>& rows) const;
    static QString PlainText(const QStringList& lines);

    ProjectTotals Totals() const;
    std::vector<BillEntry> Bill() const;     // by material, then size, in first-seen order
    std::vector<UnsizedRun> Unsized() const; // in run order

    // How many runs were sized since the model was made (for tests and the benchmark).
    long long SizingCount() const { return sizingCount_; }

signals:
    // The totals, bill of materials or project fields changed.
    void totalsChanged();
    void fieldsChanged();

private:
    void Resize(int row);
    void EmitRow(int row);
    bool SetCellText(int row, int column, const QString& text);

    const Session& configured_;
    ProjectData project_;
    std::vector<RunResult> results_;
    std::function<void(const ProjectEdit&)> sink_;
    long long sizingCount_ = 0;
    QStringList materials_, cases_;
};

// The derived figures as the window, the batch tool and the spreadsheet show them. Metres keep
// up to three decimals, the lengths with the allowance one; the sums the patterns of the runs'
// own figures.
inline const QString MetresPattern = QStringLiteral("#########0.0##");
inline const QString AllowancePattern = QStringLiteral("#########0.0");
inline const QString TotalsMark = QStringLiteral("Suma");
// "Suma", the runs with results, m, W, kWh, cost, kg CO2.
QStringList TotalsFields(const ProjectTotals& totals);
QStringList TotalsLabels(); // the headings of the same fields, with units
// Material, size, runs, metres, metres with the allowance.
QStringList BillFields(const BillEntry& entry);
QStringList BillLabels(double allowance);
// "patrz Pomoc", mark, material, thickness mm, metres.
QStringList UnsizedFields(const UnsizedRun& run);
QStringList UnsizedLabels();
// The totals line, then one line per bill entry, then the runs no size fits; TAB-separated.
QStringList ProjectSummaryLines(const ProjectModel& model);

} // namespace kelvara
