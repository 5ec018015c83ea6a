#include "ProjectModel.h"

#include "CalculationCommon.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "shell/Session.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace kelvara {

namespace {

const QString SeeHelp = QStringLiteral("patrz Pomoc");

bool IsListInput(int input) {
    return input == SizingMaterial || input == SizingCase;
}

// A pasted number with "," as its decimal mark is kept with ".", as the program writes numbers.
QString PastedNumber(const QString& field) {
    long double value = 0;
    if (field.contains(u',') && !field.contains(u'.') && TryTextToFloat(field, value))
        return QString(field).replace(u',', u'.');
    return field;
}

double RoundedToTenth(long double metres) {
    return double(std::round(metres * 10.0L) / 10.0L);
}

} // namespace

ProjectModel::ProjectModel(const Session& configured, QObject* parent)
    : QAbstractTableModel(parent), configured_(configured),
      materials_(RunChoices(configured, SizingMaterial)),
      cases_(RunChoices(configured, SizingCase)) {
    project_ = NewProject(configured);
}

int ProjectModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(project_.runs.size());
}

int ProjectModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

int ProjectModel::InputOfColumn(int column) {
    return column >= FirstInputColumn && column < FirstResultColumn ? column - FirstInputColumn
                                                                    : -1;
}

QString ProjectModel::ColumnHeading(int column) {
    QString label, unit;
    if (column == MarkColumn) {
        label = MarkLabel;
    } else if (const int input = InputOfColumn(column); input >= 0) {
        label = RunInputLabel(input);
        unit = RunInputUnit(input);
    } else if (column >= FirstResultColumn && column < ColumnCount) {
        label = RunResultLabel(column - FirstResultColumn);
        unit = RunResultUnit(column - FirstResultColumn);
    }
    return unit.isEmpty() ? label : label + QStringLiteral(" [") + unit + u']';
}

QStringList ProjectModel::Choices(int column) const {
    const int input = InputOfColumn(column);
    if (input == SizingMaterial)
        return materials_;
    if (input == SizingCase)
        return cases_;
    return {};
}

QVariant ProjectModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const int row = index.row();
    const int column = index.column();
    const ProjectRun& run = Run(row);
    const RunResult& result = Result(row);
    const int input = InputOfColumn(column);
    const bool isResult = column >= FirstResultColumn;
    const bool faulty = !result.sized && (isResult || (input >= 0 && input == result.faultInput));
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (column == MarkColumn)
            return run.mark;
        if (input >= 0)
            return run.inputs[std::size_t(input)];
        return result.texts[std::size_t(column - FirstResultColumn)];
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (faulty)
            return result.message;
        if (isResult && !result.notes.isEmpty())
            return result.notes.join(u'\n');
        return {};
    case FaultRole:
        return faulty;
    case ChoicesRole:
        return Choices(column);
    case Qt::TextAlignmentRole:
        if (isResult && column != FirstResultColumn + ResultGoverning &&
            column != FirstResultColumn + ResultSize)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant ProjectModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return ColumnHeading(section);
    return section + 1;
}

Qt::ItemFlags ProjectModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.column() < FirstResultColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ProjectModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() >= FirstResultColumn ||
        index.row() >= rowCount())
        return false;
    const QString text = value.toString();
    if (data(index, Qt::EditRole).toString() == text)
        return true;
    ProjectEdit edit;
    edit.kind = ProjectEdit::Kind::Cells;
    edit.cells.push_back({index.row(), index.column(), text});
    if (sink_)
        sink_(edit);
    else
        Apply(edit);
    return true;
}

void ProjectModel::SetProject(ProjectData project) {
    beginResetModel();
    project_ = std::move(project);
    results_.assign(project_.runs.size(), {});
    for (std::size_t i = 0; i < project_.runs.size(); ++i)
        Resize(int(i));
    endResetModel();
    emit fieldsChanged();
    emit totalsChanged();
}

ProjectRun ProjectModel::NewRun() const {
    return {QString(), project_.defaults};
}

void ProjectModel::Resize(int row) {
    ++sizingCount_;
    results_[std::size_t(row)] = SizeRun(configured_, project_.runs[std::size_t(row)].inputs);
}

void ProjectModel::EmitRow(int row) {
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

bool ProjectModel::SetCellText(int row, int column, const QString& text) {
    ProjectRun& run = project_.runs[std::size_t(row)];
    if (column == MarkColumn) {
        run.mark = text;
        return false;
    }
    run.inputs[std::size_t(InputOfColumn(column))] = text;
    return true;
}

ProjectEdit ProjectModel::Apply(const ProjectEdit& edit) {
    ProjectEdit undo;
    undo.kind = edit.kind;
    switch (edit.kind) {
    case ProjectEdit::Kind::None:
        break;
    case ProjectEdit::Kind::Cells: {
        std::vector<int> sized, touched;
        for (const ProjectEdit::Cell& cell : edit.cells) {
            if (cell.row < 0 || cell.row >= rowCount() || cell.column < 0 ||
                cell.column >= FirstResultColumn)
                continue;
            const QString old = data(index(cell.row, cell.column), Qt::EditRole).toString();
            undo.cells.insert(undo.cells.begin(), {cell.row, cell.column, old});
            if (SetCellText(cell.row, cell.column, cell.text))
                sized.push_back(cell.row);
            touched.push_back(cell.row);
        }
        std::sort(sized.begin(), sized.end());
        sized.erase(std::unique(sized.begin(), sized.end()), sized.end());
        for (int row : sized)
            Resize(row);
        for (int row : touched)
            EmitRow(row);
        if (!sized.empty())
            emit totalsChanged();
        break;
    }
    case ProjectEdit::Kind::Insert: {
        undo.kind = ProjectEdit::Kind::Remove;
        for (const auto& [at, run] : edit.insertions) {
            const int row = std::clamp(at, 0, rowCount());
            beginInsertRows({}, row, row);
            project_.runs.insert(project_.runs.begin() + row, run);
            results_.insert(results_.begin() + row, RunResult{});
            Resize(row);
            endInsertRows();
            undo.rows.push_back(row);
        }
        emit totalsChanged();
        break;
    }
    case ProjectEdit::Kind::Remove: {
        undo.kind = ProjectEdit::Kind::Insert;
        std::vector<int> rows = edit.rows;
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
            const int row = *it;
            if (row < 0 || row >= rowCount())
                continue;
            undo.insertions.insert(undo.insertions.begin(), {row, Run(row)});
            beginRemoveRows({}, row, row);
            project_.runs.erase(project_.runs.begin() + row);
            results_.erase(results_.begin() + row);
            endRemoveRows();
        }
        emit totalsChanged();
        break;
    }
    case ProjectEdit::Kind::Move: {
        const int n = rowCount();
        if (edit.count <= 0 || edit.first < 0 || edit.first + edit.count > n || edit.to < 0 ||
            edit.to + edit.count > n || edit.to == edit.first) {
            undo.kind = ProjectEdit::Kind::None;
            break;
        }
        const int destination = edit.to > edit.first ? edit.to + edit.count : edit.to;
        beginMoveRows({}, edit.first, edit.first + edit.count - 1, {}, destination);
        const auto rotate = [&](auto& list) {
            const auto begin = list.begin();
            if (edit.to < edit.first)
                std::rotate(begin + edit.to, begin + edit.first, begin + edit.first + edit.count);
            else
                std::rotate(begin + edit.first, begin + edit.first + edit.count,
                            begin + edit.to + edit.count);
        };
        rotate(project_.runs);
        rotate(results_);
        endMoveRows();
        undo.first = edit.to;
        undo.count = edit.count;
        undo.to = edit.first;
        break;
    }
    case ProjectEdit::Kind::Fields: {
        bool allowance = false;
        for (const ProjectEdit::Field& field : edit.fields) {
            using enum ProjectEdit::Field::Which;
            ProjectEdit::Field old = field;
            switch (field.which) {
            case Name:
                old.text = std::exchange(project_.name, field.text);
                break;
            case Company:
                old.text = std::exchange(project_.company, field.text);
                break;
            case Remarks:
                old.text = std::exchange(project_.remarks, field.text);
                break;
            case Allowance: {
                long double value = 0;
                if (!TryTextToFloat(field.text, value) || !(value >= 0 && value <= 1000))
                    continue;
                old.text = FormatFloat(QStringLiteral("#########0.0#####"), project_.allowance);
                project_.allowance = double(value);
                allowance = true;
                break;
            }
            case Default:
                if (field.input < 0 || field.input >= RunInputCount)
                    continue;
                old.text = std::exchange(project_.defaults[std::size_t(field.input)], field.text);
                break;
            }
            undo.fields.insert(undo.fields.begin(), old);
        }
        emit fieldsChanged();
        if (allowance)
            emit totalsChanged();
        break;
    }
    }
    return undo;
}

ProjectEdit ProjectModel::InsertEdit(int row, std::vector<ProjectRun> runs) const {
    ProjectEdit edit;
    edit.kind = ProjectEdit::Kind::Insert;
    row = std::clamp(row, 0, rowCount());
    for (ProjectRun& run : runs)
        edit.insertions.push_back({row++, std::move(run)});
    return edit;
}

ProjectEdit ProjectModel::RemoveEdit(std::vector<int> rows) const {
    ProjectEdit edit;
    edit.kind = ProjectEdit::Kind::Remove;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [&](int row) { return row < 0 || row >= rowCount(); });
    if (rows.empty())
        edit.kind = ProjectEdit::Kind::None;
    edit.rows = std::move(rows);
    return edit;
}

ProjectEdit ProjectModel::MoveEdit(int first, int count, int delta) const {
    ProjectEdit edit;
    const int to = first + delta;
    if (count <= 0 || first < 0 || first + count > rowCount() || to < 0 ||
        to + count > rowCount() || delta == 0)
        return edit;
    edit.kind = ProjectEdit::Kind::Move;
    edit.first = first;
    edit.count = count;
    edit.to = to;
    return edit;
}

ProjectEdit ProjectModel::DuplicateEdit(std::vector<int> rows) const {
    std::sort(rows.begin(), rows.end());
    std::erase_if(rows, [&](int row) { return row < 0 || row >= rowCount(); });
    if (rows.empty())
        return {};
    std::vector<ProjectRun> copies;
    for (int row : rows)
        copies.push_back(Run(row));
    return InsertEdit(rows.back() + 1, std::move(copies));
}

ProjectEdit ProjectModel::FieldEdit(ProjectEdit::Field::Which which, const QString& text,
                                    int input) const {
    ProjectEdit edit;
    edit.kind = ProjectEdit::Kind::Fields;
    edit.fields.push_back({which, input, text});
    return edit;
}

std::variant<ProjectEdit, QString> ProjectModel::PasteEdit(int row, const QString& text) const {
    const int inputFields = 1 + RunInputCount;
    const int copiedFields = inputFields + int(PipeSizingWindow::ResultColumnLabels().size());
    const QString heading = CopyLines({}).constFirst();
    std::vector<ProjectRun> runs;
    const QStringList lines = text.split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line == heading)
            continue;
        QStringList fields = line.split(u'\t');
        // A copied line ends with a TAB, as the result log's lines do.
        if (fields.size() > inputFields && fields.constLast().isEmpty())
            fields.removeLast();
        const bool refusedCopy =
            fields.size() == inputFields + 1 && fields.constLast().startsWith(QStringLiteral("! "));
        if (fields.size() != inputFields && fields.size() != copiedFields && !refusedCopy)
            return messages::PasteFieldCount.arg(n + 1).arg(inputFields).arg(fields.size());
        ProjectRun run;
        run.mark = fields[0];
        for (int i = 0; i < RunInputCount; ++i) {
            const QString& field = fields[i + 1];
            QString& input = run.inputs[std::size_t(i)];
            input = IsListInput(i) ? field : PastedNumber(field);
            // The result log writes a list entry with a blank after it.
            if (IsListInput(i) && input.endsWith(u' ') &&
                Choices(FirstInputColumn + i).contains(input.chopped(1)))
                input.chop(1);
        }
        runs.push_back(std::move(run));
    }
    if (runs.empty())
        return ProjectEdit{};
    return InsertEdit(row, std::move(runs));
}

QStringList ProjectModel::CopyLines(const std::vector<int>& rows) const {
    QStringList heading{MarkLabel};
    for (int i = 0; i < RunInputCount; ++i)
        heading << RunInputLabel(i);
    heading << PipeSizingWindow::ResultColumnLabels();
    QStringList lines{heading.join(u'\t')};
    for (int row : rows) {
        if (row < 0 || row >= rowCount())
            continue;
        const RunResult& result = Result(row);
        if (result.sized) {
            lines << Run(row).mark + u'\t' + result.logLine;
            continue;
        }
        QStringList fields{Run(row).mark};
        for (const QString& input : Run(row).inputs)
            fields << input;
        fields << QStringLiteral("! ") + result.message;
        lines << fields.join(u'\t');
    }
    return lines;
}

QString ProjectModel::PlainText(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

ProjectTotals ProjectModel::Totals() const {
    long double length = 0, loss = 0, energy = 0, cost = 0, co2 = 0;
    ProjectTotals totals;
    const auto add = [](long double& sum, const std::optional<double>& value) {
        if (value)
            sum += *value;
    };
    for (std::size_t i = 0; i < results_.size(); ++i) {
        const RunResult& r = results_[i];
        if (!r.sized)
            continue;
        ++totals.runs;
        long double metres = 0;
        if (TryTextToFloat(project_.runs[i].inputs[SizingLength], metres))
            length += metres;
        add(loss, r.numbers[ResultLoss]);
        add(energy, r.numbers[ResultEnergy]);
        add(cost, r.numbers[ResultCost]);
        add(co2, r.numbers[ResultCo2]);
    }
    totals.length = double(length);
    totals.loss = double(loss);
    totals.energy = double(energy);
    totals.cost = double(cost);
    totals.co2 = double(co2);
    return totals;
}

namespace {

// What a sized run adds to the bill: a size, or nothing (no insulation needed), or a place
// among the runs no size fits.
enum class BillPlace { None, Size, Apart };

BillPlace PlaceOf(const RunResult& r) {
    if (!r.sized || r.texts[ResultGoverning] == common::NotNeeded ||
        r.texts[ResultGoverning].isEmpty())
        return BillPlace::None;
    const QString& size = r.texts[ResultSize];
    if (size == SeeHelp || size == common::NotNeeded || size.isEmpty() ||
        size == QStringLiteral("Error!"))
        return BillPlace::Apart;
    return BillPlace::Size;
}

} // namespace

std::vector<BillEntry> ProjectModel::Bill() const {
    std::vector<BillEntry> bill;
    std::vector<long double> lengths;
    std::map<std::pair<QString, QString>, std::size_t> at;
    for (std::size_t i = 0; i < results_.size(); ++i) {
        const RunResult& r = results_[i];
        if (PlaceOf(r) != BillPlace::Size)
            continue;
        const auto key = std::make_pair(r.material, r.texts[ResultSize]);
        auto found = at.find(key);
        if (found == at.end()) {
            found = at.emplace(key, bill.size()).first;
            bill.push_back({key.first, key.second});
            lengths.push_back(0);
        }
        BillEntry& entry = bill[found->second];
        ++entry.runs;
        long double metres = 0;
        if (TryTextToFloat(project_.runs[i].inputs[SizingLength], metres))
            lengths[found->second] += metres;
    }
    for (std::size_t i = 0; i < bill.size(); ++i) {
        bill[i].length = double(lengths[i]);
        bill[i].lengthWithAllowance =
            RoundedToTenth(lengths[i] * (1.0L + (long double)project_.allowance / 100.0L));
    }
    // A material's sizes together, the materials in the order they first appear.
    std::map<QString, std::size_t> firstSeen;
    for (const BillEntry& entry : bill)
        firstSeen.emplace(entry.material, firstSeen.size());
    std::stable_sort(bill.begin(), bill.end(), [&](const BillEntry& a, const BillEntry& b) {
        return firstSeen[a.material] < firstSeen[b.material];
    });
    return bill;
}

std::vector<UnsizedRun> ProjectModel::Unsized() const {
    std::vector<UnsizedRun> apart;
    for (std::size_t i = 0; i < results_.size(); ++i) {
        const RunResult& r = results_[i];
        if (PlaceOf(r) != BillPlace::Apart)
            continue;
        long double metres = 0;
        TryTextToFloat(project_.runs[i].inputs[SizingLength], metres);
        apart.push_back(
            {int(i), project_.runs[i].mark, r.material, r.texts[ResultThickness], double(metres)});
    }
    return apart;
}

QStringList TotalsFields(const ProjectTotals& t) {
    return {TotalsMark,
            QString::number(t.runs),
            FormatFloat(MetresPattern, t.length),
            FormatFloat(QStringLiteral("#########0.00"), t.loss),
            FormatFloat(QStringLiteral("#########0.0"), t.energy),
            FormatFloat(QStringLiteral("#########0.00"), t.cost),
            FormatFloat(QStringLiteral("#########0.0"), t.co2)};
}

QStringList TotalsLabels() {
    QStringList labels{QString(), QStringLiteral("Liczba odcinkow"),
                       RunInputLabel(SizingLength) + QStringLiteral(" [m]")};
    for (int c = ResultLoss; c < RunResultCount; ++c)
        labels << ProjectModel::ColumnHeading(ProjectModel::FirstResultColumn + c);
    return labels;
}

QStringList BillFields(const BillEntry& e) {
    return {e.material, e.size, QString::number(e.runs), FormatFloat(MetresPattern, e.length),
            FormatFloat(AllowancePattern, e.lengthWithAllowance)};
}

QStringList BillLabels(double allowance) {
    return {QStringLiteral("Material"), QStringLiteral("Rozmiar izolacji"),
            QStringLiteral("Liczba odcinkow"), QStringLiteral("Dlugosc [m]"),
            QStringLiteral("Dlugosc z naddatkiem %1 % [m]")
                .arg(FormatFloat(QStringLiteral("#########0.##"), allowance))};
}

QStringList UnsizedFields(const UnsizedRun& run) {
    return {SeeHelp, run.mark, run.material, run.thickness, FormatFloat(MetresPattern, run.length)};
}

QStringList UnsizedLabels() {
    return {QString(), MarkLabel, QStringLiteral("Material"),
            ProjectModel::ColumnHeading(ProjectModel::FirstResultColumn + ResultThickness),
            QStringLiteral("Dlugosc [m]")};
}

QStringList ProjectSummaryLines(const ProjectModel& model) {
    QStringList lines{TotalsFields(model.Totals()).join(u'\t')};
    for (const BillEntry& entry : model.Bill())
        lines << BillFields(entry).join(u'\t');
    for (const UnsizedRun& run : model.Unsized())
        lines << UnsizedFields(run).join(u'\t');
    return lines;
}

} // namespace kelvara
