#include "ProjectTableParts.h"

#include "workspace/ProjectModel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleOptionHeader>

namespace kelvara {

ProjectEditCommand::ProjectEditCommand(ProjectModel& model, ProjectEdit edit, const QString& text,
                                       int mergeKey)
    : QUndoCommand(text), model_(model), edit_(std::move(edit)), mergeKey_(mergeKey) {}

void ProjectEditCommand::redo() {
    inverse_ = model_.Apply(edit_);
    // An edit that changed nothing is no step to undo.
    setObsolete(inverse_.IsNone());
}

void ProjectEditCommand::undo() {
    edit_ = model_.Apply(inverse_);
}

bool ProjectEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ProjectEditCommand*>(other);
    if (next->mergeKey_ != mergeKey_)
        return false;
    // The state before the first key and the one after the last.
    edit_ = next->edit_;
    return true;
}

QWidget* ProjectCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
    ++session_;
    const QStringList choices = index.data(ProjectModel::ChoicesRole).toStringList();
    const QString name = index.model()->headerData(index.column(), Qt::Horizontal).toString();
    if (!choices.isEmpty()) {
        auto* list = new QComboBox(parent);
        list->addItems(choices);
        list->setAccessibleName(name);
        // The long installation cases are shown whole in the open list.
        int widest = 0;
        for (const QString& choice : choices)
            widest = std::max(widest, list->fontMetrics().horizontalAdvance(choice));
        list->view()->setMinimumWidth(widest + 32);
        connect(list, &QComboBox::activated, this,
                [this, list] { emit const_cast<ProjectCellDelegate*>(this)->commitData(list); });
        return list;
    }
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(name);
    edit->setFrame(false);
    connect(edit, &QLineEdit::textEdited, this,
            [this, edit] { emit const_cast<ProjectCellDelegate*>(this)->commitData(edit); });
    return edit;
}

void ProjectCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        // An entry the catalogue no longer has is shown as it is, not replaced by the first.
        if (list->findText(text) < 0 && !text.isEmpty())
            list->addItem(text);
        list->setCurrentIndex(list->findText(text));
        return;
    }
    auto* edit = static_cast<QLineEdit*>(editor);
    // The text the user is typing stays with its cursor.
    if (edit->text() != text)
        edit->setText(text);
}

void ProjectCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                       const QModelIndex& index) const {
    if (auto* list = qobject_cast<QComboBox*>(editor))
        model->setData(index, list->currentText());
    else
        model->setData(index, static_cast<QLineEdit*>(editor)->text());
}

bool ProjectCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit commitData(editor);
            emit closeEditor(editor, NoHint);
            emit enterPressed();
            return true;
        }
        if (key == Qt::Key_Escape) {
            emit closeEditor(editor, RevertModelCache);
            emit editCancelled(session_);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

void ProjectCellDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    // A refused run: the input at fault and its results on a light red.
    if (index.data(ProjectModel::FaultRole).toBool())
        option->backgroundBrush = QColor(255, 214, 214);
}

ProjectTableView::ProjectTableView(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(true);
}

void ProjectTableView::MoveDown() {
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    const QModelIndex below = model()->index(current.row() + 1, current.column());
    if (below.isValid())
        setCurrentIndex(below);
}

void ProjectTableView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        state() != EditingState) {
        MoveDown();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

TwoLineHeader::TwoLineHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(true);
}

QString TwoLineHeader::TwoLines(const QString& heading) {
    if (heading.contains(u'\n'))
        return heading;
    // The space nearest the middle of the heading; none: one line.
    const qsizetype middle = heading.size() / 2;
    qsizetype best = -1;
    for (qsizetype i = 0; i < heading.size(); ++i)
        if (heading[i] == u' ' && (best < 0 || qAbs(i - middle) < qAbs(best - middle)))
            best = i;
    return best < 0 ? heading : heading.left(best) + u'\n' + heading.mid(best + 1);
}

void TwoLineHeader::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const {
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    option->text = TwoLines(option->text);
}

QSize TwoLineHeader::sectionSizeFromContents(int logicalIndex) const {
    QStyleOptionHeader option;
    initStyleOptionForIndex(&option, logicalIndex);
    // Measured in bold, as the current column's heading is shown.
    QFont bold = font();
    bold.setBold(true);
    option.fontMetrics = QFontMetrics(bold);
    QSize size = style()->sizeFromContents(QStyle::CT_HeaderSection, &option,
                                           option.fontMetrics.size(0, option.text), this);
    // A little more than the lines' spacing: some fonts draw below their descent.
    size.rheight() += option.fontMetrics.descent() + 2;
    return size;
}

ProjectDefaultsModel::ProjectDefaultsModel(ProjectModel& project,
                                           std::function<void(const ProjectEdit&)> edit,
                                           QObject* parent)
    : QAbstractTableModel(parent), project_(project), edit_(std::move(edit)) {
    connect(&project_, &ProjectModel::fieldsChanged, this,
            [this] { emit dataChanged(index(0, 0), index(0, RunInputCount - 1)); });
    connect(&project_, &QAbstractItemModel::modelReset, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int ProjectDefaultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

int ProjectDefaultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RunInputCount;
}

QVariant ProjectDefaultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return project_.Project().defaults[std::size_t(index.column())];
    case ProjectModel::ChoicesRole:
        return project_.Choices(ProjectModel::FirstInputColumn + index.column());
    default:
        return {};
    }
}

QVariant ProjectDefaultsModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return ProjectModel::ColumnHeading(ProjectModel::FirstInputColumn + section);
    return QStringLiteral("Domyslne");
}

Qt::ItemFlags ProjectDefaultsModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable
                           : Qt::NoItemFlags;
}

bool ProjectDefaultsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || data(index).toString() == value.toString())
        return false;
    edit_(project_.FieldEdit(ProjectEdit::Field::Which::Default, value.toString(), index.column()));
    return true;
}

} // namespace kelvara
