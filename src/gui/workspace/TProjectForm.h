#pragma once

#include "workspace/Project.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLineEdit;
class QPushButton;
class QTableView;
class QTableWidget;
class QUndoStack;

namespace kelvara {

struct Session;
class Prompts;
class ProjectModel;
class ProjectPrint;

// The project window: the project's name, company and remarks, the defaults of new runs, the
// table of runs (inputs left, results right) edited as a spreadsheet, the totals and the bill
// of materials. Every change of the runs goes through the undo stack, whose clean state is the
// saved project.
class TProjectForm : public QDialog {
    Q_OBJECT
public:
    TProjectForm(Session& session, Prompts& prompts, const QString& dataDir,
                 QWidget* parent = nullptr);
    ~TProjectForm() override;

    ProjectModel& Model() { return *model_; }
    QUndoStack& UndoStack() { return *undo_; }
    QTableView* Table() const { return table_; }
    QTableView* DefaultsTable() const { return defaults_; }
    QTableWidget* BillTable() const { return bill_; }
    const std::vector<QLineEdit*>& TotalFields() const { return totals_; }
    const QString& FileName() const { return fileName_; }

    // The file dialogs; tests replace them. An empty name: the user cancelled.
    std::function<QString(const QString& caption, const QString& filter)> AskOpenFileName;
    std::function<QString(const QString& caption, const QString& proposed, const QString& filter)>
        AskSaveFileName;
    // Runs the print choice on the report: the preview by default, replaced in tests.
    std::function<void(ProjectPrint&)> Print;

    // "Nowy", "Otworz…", "Zapisz", "Zapisz jako…": each asks about unsaved changes first where
    // they would be lost; false when nothing was done (cancelled or refused).
    bool NewProject();
    bool OpenProject();
    bool OpenFile(const QString& fileName);
    bool SaveProject();
    bool SaveProjectAs();
    bool SaveFile(const QString& fileName);
    bool ExportSpreadsheet();
    void PrintProject();

    // Runs: add (with the defaults) after the current one, duplicate, delete, move the
    // selected ones; copy the selected rows; paste a TAB-separated block at the current row.
    void AddRun();
    void DuplicateRuns();
    void DeleteRuns();
    void MoveRuns(int by);
    void CopyRuns();
    // Empties the selected input cells (Delete), as one step.
    void ClearCells();
    bool PasteRuns(const QString& text);
    void PasteFromClipboard();

    // Shows a project as saved in `fileName` (none: not saved yet), with nothing to undo.
    void ShowProject(ProjectData project, const QString& fileName = QString());

    // Asks "Zapisac zmiany w projekcie?" when there are unsaved changes; false: stay.
    bool MayDiscard();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void BuildControls();
    void ChainTabs();
    void ShowAll();
    void ShowSummary();
    void ShowTitle();
    void LoadHeadingsFromModel();
    void CancelTyping(int session);
    std::vector<int> SelectedRows() const;
    void SelectRows(int first, int count);

    Session& session_;
    Prompts& prompts_;
    QString dataDir_;
    std::unique_ptr<ProjectModel> model_;
    QUndoStack* undo_ = nullptr;
    QString fileName_;

    QLineEdit* E_project = nullptr;
    QLineEdit* E_company = nullptr;
    QLineEdit* E_remarks = nullptr;
    QLineEdit* E_allowance = nullptr;
    QTableView* defaults_ = nullptr;
    QTableView* table_ = nullptr;
    std::vector<QLineEdit*> totals_;
    QTableWidget* bill_ = nullptr;
    QPushButton *Button_add = nullptr, *Button_duplicate = nullptr, *Button_delete = nullptr,
                *Button_up = nullptr, *Button_down = nullptr, *Button_close = nullptr;
};

} // namespace kelvara
