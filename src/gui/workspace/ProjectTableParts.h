#pragma once

#include "workspace/Project.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QUndoCommand>
#include <functional>

namespace kelvara {

class ProjectModel;

// One reversible project edit on the undo stack: redo performs it, undo performs the edit it
// returned. Typing into one cell (or one project field) makes one command, not one per key.
class ProjectEditCommand : public QUndoCommand {
public:
    // `mergeKey`: edits with the same non-zero key follow each other as one command.
    ProjectEditCommand(ProjectModel& model, ProjectEdit edit, const QString& text,
                       int mergeKey = 0);
    void redo() override;
    void undo() override;
    int id() const override { return mergeKey_ != 0 ? 1 : -1; }
    int MergeKey() const { return mergeKey_; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    ProjectModel& model_;
    ProjectEdit edit_;
    ProjectEdit inverse_;
    int mergeKey_;
};

// The editors of the tables' cells: a list for a cell with choices (material, installation
// case), a line otherwise. Every change is handed to the model at once, so the results follow
// the typing; Enter ends the edit and asks to move down.
class ProjectCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    // A number for each editor made, so the edits of one editor can be told from the next's.
    static int EditorSession() { return session_; }

signals:
    void enterPressed();
    // Esc in an editor: what it typed is to be taken back.
    void editCancelled(int session);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    static inline int session_ = 0;
};

// The table view of a spreadsheet user: Enter moves down, a typed key starts editing.
class ProjectTableView : public QTableView {
    Q_OBJECT
public:
    explicit ProjectTableView(QWidget* parent = nullptr);
    void MoveDown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Column headings on two lines (the label broken near its middle, the unit below it), so the
// columns are as narrow as their values allow.
class TwoLineHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit TwoLineHeader(QWidget* parent = nullptr);
    static QString TwoLines(const QString& heading);

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
};

// The defaults of a new run as a table of one row: the fifteen inputs of the project's
// defaults, edited through `edit` (the window's undo stack).
class ProjectDefaultsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ProjectDefaultsModel(ProjectModel& project, std::function<void(const ProjectEdit&)> edit,
                         QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    ProjectModel& project_;
    std::function<void(const ProjectEdit&)> edit_;
};

} // namespace kelvara
