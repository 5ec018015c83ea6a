#include "TProjectForm.h"

#include "ProjectTableParts.h"
#include "output/ProjectPrint.h"
#include "output/ProjectReport.h"
#include "output/ProjectSpreadsheet.h"
#include "shell/Look.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "shell/Prompts.h"
#include "shell/Session.h"
#include "workspace/ProjectFile.h"
#include "workspace/ProjectModel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <set>

namespace kelvara {

namespace {

// The keys that merge a project field's typing into one step, apart from the cells' editors.
int FieldMergeKey(ProjectEdit::Field::Which which) {
    return -1 - int(which);
}

QString FolderForFiles() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return folder;
}

const QString SpreadsheetFilter = QStringLiteral("Skoroszyt Excel (*.xlsx)");

} // namespace

TProjectForm::TProjectForm(Session& session, Prompts& prompts, const QString& dataDir,
                           QWidget* parent)
    : QDialog(parent), session_(session), prompts_(prompts), dataDir_(dataDir),
      model_(std::make_unique<ProjectModel>(session)) {
    setObjectName(QStringLiteral("ProjectForm"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    undo_ = new QUndoStack(this);
    AskOpenFileName = [this](const QString& caption, const QString& filter) {
        return QFileDialog::getOpenFileName(this, caption, FolderForFiles(), filter);
    };
    AskSaveFileName = [this](const QString& caption, const QString& proposed,
                             const QString& filter) {
        return QFileDialog::getSaveFileName(this, caption, proposed, filter);
    };
    Print = [](ProjectPrint& print) { print.Preview(); };
    model_->SetEditSink([this](const ProjectEdit& edit) {
        undo_->push(new ProjectEditCommand(*model_, edit, QStringLiteral("Zmiana"),
                                           ProjectCellDelegate::EditorSession()));
    });
    BuildControls();
    connect(undo_, &QUndoStack::cleanChanged, this, [this] { ShowTitle(); });
    connect(model_.get(), &ProjectModel::totalsChanged, this, [this] { ShowSummary(); });
    connect(model_.get(), &ProjectModel::fieldsChanged, this, [this] { LoadHeadingsFromModel(); });
    ShowAll();
}

TProjectForm::~TProjectForm() {
    // The undo stack, a child, is deleted after this window is only a QWidget: it must not
    // call back into it then.
    disconnect(undo_, nullptr, this, nullptr);
    // The views go before the model they show.
    delete table_;
    delete defaults_;
    table_ = nullptr;
    defaults_ = nullptr;
}

void TProjectForm::BuildControls() {
    const QString& family = session_.Catalogue.FontName;
    if (!family.isEmpty())
        ApplyFontFamily(this, family);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 8);

    // The menu: the project's file and output, the editing of the runs.
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("ProjectMenu"));
    layout->setMenuBar(menuBar);
    QMenu* fileMenu = menuBar->addMenu(QStringLiteral("Projekt"));
    QMenu* editMenu = menuBar->addMenu(QStringLiteral("Edycja"));
    auto action = [this](QMenu* menu, const char* name, const QString& text, QKeySequence shortcut,
                         auto slot) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        if (!shortcut.isEmpty()) {
            a->setShortcut(shortcut);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        menu->addAction(a);
        addAction(a);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    action(fileMenu, "Action_new", QStringLiteral("Nowy"), QKeySequence::New,
           [this] { NewProject(); });
    action(fileMenu, "Action_open", QStringLiteral("Otworz…"), QKeySequence::Open,
           [this] { OpenProject(); });
    action(fileMenu, "Action_save", QStringLiteral("Zapisz"), QKeySequence::Save,
           [this] { SaveProject(); });
    action(fileMenu, "Action_save_as", QStringLiteral("Zapisz jako…"), QKeySequence(),
           [this] { SaveProjectAs(); });
    fileMenu->addSeparator();
    action(fileMenu, "Action_export", QStringLiteral("Eksport do Excela…"), QKeySequence(),
           [this] { ExportSpreadsheet(); });
    action(fileMenu, "Action_print", QStringLiteral("Drukuj"), QKeySequence::Print,
           [this] { PrintProject(); });
    fileMenu->addSeparator();
    action(fileMenu, "Action_close", QStringLiteral("zamknij"), QKeySequence(),
           [this] { close(); });

    QAction* undoAction = undo_->createUndoAction(this, QStringLiteral("Cofnij"));
    undoAction->setObjectName(QStringLiteral("Action_undo"));
    undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redoAction = undo_->createRedoAction(this, QStringLiteral("Ponow"));
    redoAction->setObjectName(QStringLiteral("Action_redo"));
    redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // The plain words, not "Cofnij Zmiana".
    connect(undo_, &QUndoStack::undoTextChanged, undoAction,
            [undoAction] { undoAction->setText(QStringLiteral("Cofnij")); });
    connect(undo_, &QUndoStack::redoTextChanged, redoAction,
            [redoAction] { redoAction->setText(QStringLiteral("Ponow")); });
    for (QAction* a : {undoAction, redoAction}) {
        editMenu->addAction(a);
        addAction(a);
    }
    editMenu->addSeparator();
    action(editMenu, "Action_copy", QStringLiteral("Kopiuj"), QKeySequence::Copy,
           [this] { CopyRuns(); });
    action(editMenu, "Action_paste", QStringLiteral("Wklej"), QKeySequence::Paste,
           [this] { PasteFromClipboard(); });
    editMenu->addSeparator();
    QAction* clear = action(editMenu, "Action_clear", QStringLiteral("Wyczysc komorki"),
                            QKeySequence::Delete, [this] { ClearCells(); });
    editMenu->addSeparator();
    action(editMenu, "Action_add", QStringLiteral("Dodaj odcinek"), QKeySequence(),
           [this] { AddRun(); });
    action(editMenu, "Action_duplicate", QStringLiteral("Duplikuj"), QKeySequence(),
           [this] { DuplicateRuns(); });
    action(editMenu, "Action_delete", QStringLiteral("Usun"), QKeySequence(),
           [this] { DeleteRuns(); });
    action(editMenu, "Action_up", QStringLiteral("W gore"), QKeySequence(Qt::ALT | Qt::Key_Up),
           [this] { MoveRuns(-1); });
    action(editMenu, "Action_down", QStringLiteral("W dol"), QKeySequence(Qt::ALT | Qt::Key_Down),
           [this] { MoveRuns(1); });

    // The project's own texts, as in the print window.
    auto* headings = new QGroupBox(QStringLiteral("Projekt"), this);
    headings->setObjectName(QStringLiteral("GroupProject"));
    auto* grid = new QGridLayout(headings);
    auto field = [&](const char* name, const QString& label, int row, int column,
                     ProjectEdit::Field::Which which) {
        auto* caption = new QLabel(label, headings);
        auto* edit = new QLineEdit(headings);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setAccessibleName(label);
        caption->setBuddy(edit);
        grid->addWidget(caption, row, column);
        grid->addWidget(edit, row, column + 1);
        connect(edit, &QLineEdit::textEdited, this, [this, which](const QString& text) {
            undo_->push(new ProjectEditCommand(*model_, model_->FieldEdit(which, text),
                                               QStringLiteral("Zmiana"), FieldMergeKey(which)));
        });
        return edit;
    };
    using W = ProjectEdit::Field::Which;
    E_project = field("E_project", QStringLiteral("Projekt"), 0, 0, W::Name);
    E_company = field("E_company", QStringLiteral("Firma"), 0, 2, W::Company);
    E_remarks = field("E_remarks", QStringLiteral("komentarz"), 1, 0, W::Remarks);
    grid->removeWidget(E_remarks);
    grid->addWidget(E_remarks, 1, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addWidget(headings);

    // The defaults of a new run and the allowance for waste.
    auto* defaultsBox = new QGroupBox(QStringLiteral("Dane domyslne nowego odcinka"), this);
    defaultsBox->setObjectName(QStringLiteral("GroupDefaults"));
    auto* defaultsLayout = new QHBoxLayout(defaultsBox);
    auto pushEdit = [this](const ProjectEdit& edit) {
        undo_->push(new ProjectEditCommand(*model_, edit, QStringLiteral("Zmiana"),
                                           ProjectCellDelegate::EditorSession()));
    };
    defaults_ = new ProjectTableView(defaultsBox);
    defaults_->setObjectName(QStringLiteral("DefaultsTable"));
    defaults_->setAccessibleName(QStringLiteral("Dane domyslne nowego odcinka"));
    defaults_->setHorizontalHeader(new TwoLineHeader(defaults_));
    defaults_->setModel(new ProjectDefaultsModel(*model_, pushEdit, defaults_));
    defaults_->setItemDelegate(new ProjectCellDelegate(defaults_));
    defaults_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    defaults_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    defaultsLayout->addWidget(defaults_, 1);
    auto* allowanceLabel = new QLabel(QStringLiteral("Naddatek na odpady [%]"), defaultsBox);
    E_allowance = new QLineEdit(defaultsBox);
    E_allowance->setObjectName(QStringLiteral("E_allowance"));
    E_allowance->setAccessibleName(QStringLiteral("Naddatek na odpady"));
    E_allowance->setAccessibleDescription(QStringLiteral("%"));
    E_allowance->setMaximumWidth(60);
    allowanceLabel->setBuddy(E_allowance);
    connect(E_allowance, &QLineEdit::textEdited, this, [this](const QString& text) {
        undo_->push(new ProjectEditCommand(*model_, model_->FieldEdit(W::Allowance, text),
                                           QStringLiteral("Zmiana"), FieldMergeKey(W::Allowance)));
    });
    defaultsLayout->addWidget(allowanceLabel);
    defaultsLayout->addWidget(E_allowance);
    layout->addWidget(defaultsBox);

    // The buttons of the runs, above the table they act on.
    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name, const QString& text, auto slot) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    Button_add = button("Button_add", QStringLiteral("Dodaj odcinek"), [this] { AddRun(); });
    Button_duplicate =
        button("Button_duplicate", QStringLiteral("Duplikuj"), [this] { DuplicateRuns(); });
    Button_delete = button("Button_delete", QStringLiteral("Usun"), [this] { DeleteRuns(); });
    Button_up = button("Button_up", QStringLiteral("W gore"), [this] { MoveRuns(-1); });
    Button_down = button("Button_down", QStringLiteral("W dol"), [this] { MoveRuns(1); });
    buttons->addStretch(1);
    layout->addLayout(buttons);

    // The runs, then under them the totals and the bill of materials.
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("Splitter"));
    splitter->setChildrenCollapsible(false);
    auto* view = new ProjectTableView(splitter);
    table_ = view;
    table_->setObjectName(QStringLiteral("RunTable"));
    table_->setAccessibleName(QStringLiteral("Odcinki"));
    table_->setHorizontalHeader(new TwoLineHeader(table_));
    table_->setModel(model_.get());
    auto* delegate = new ProjectCellDelegate(table_);
    table_->setItemDelegate(delegate);
    connect(delegate, &ProjectCellDelegate::enterPressed, view, &ProjectTableView::MoveDown);
    for (auto* d : {delegate, qobject_cast<ProjectCellDelegate*>(defaults_->itemDelegate())})
        connect(d, &ProjectCellDelegate::editCancelled, this, &TProjectForm::CancelTyping);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->setMinimumHeight(120);
    // Delete clears the selected cells of the table, not the text of an edit elsewhere.
    clear->setShortcutContext(Qt::WidgetShortcut);
    table_->addAction(clear);
    splitter->addWidget(table_);

    auto* summary = new QWidget(splitter);
    auto* summaryLayout = new QHBoxLayout(summary);
    summaryLayout->setContentsMargins(0, 0, 0, 0);
    auto* totalsBox = new QGroupBox(QStringLiteral("Suma"), summary);
    totalsBox->setObjectName(QStringLiteral("GroupTotals"));
    auto* totalsGrid = new QGridLayout(totalsBox);
    const std::vector<TotalLine> lines = TotalsLines(ProjectTotals{});
    for (int i = 0; i < int(lines.size()); ++i) {
        const TotalLine& line = lines[std::size_t(i)];
        auto* caption = new QLabel(line.label, totalsBox);
        auto* value = new QLineEdit(totalsBox);
        value->setObjectName(QStringLiteral("Total%1").arg(i));
        value->setReadOnly(true);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setAccessibleName(line.label);
        value->setAccessibleDescription(line.unit);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(u'0') * 12);
        caption->setBuddy(value);
        totalsGrid->addWidget(caption, i, 0);
        totalsGrid->addWidget(value, i, 1);
        totalsGrid->addWidget(new QLabel(line.unit, totalsBox), i, 2);
        totals_.push_back(value);
    }
    totalsGrid->setRowStretch(int(lines.size()), 1);
    summaryLayout->addWidget(totalsBox);
    auto* billBox = new QGroupBox(QStringLiteral("Zestawienie materialow"), summary);
    billBox->setObjectName(QStringLiteral("GroupBill"));
    auto* billLayout = new QVBoxLayout(billBox);
    bill_ = new QTableWidget(billBox);
    bill_->setObjectName(QStringLiteral("BillTable"));
    bill_->setAccessibleName(QStringLiteral("Zestawienie materialow"));
    bill_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    bill_->setColumnCount(int(BillHeadings().size()));
    bill_->setHorizontalHeaderLabels(BillHeadings());
    bill_->verticalHeader()->hide();
    bill_->verticalHeader()->setDefaultSectionSize(bill_->fontMetrics().height() + 8);
    bill_->setTabKeyNavigation(false);
    billLayout->addWidget(bill_);
    summaryLayout->addWidget(billBox, 1);
    splitter->addWidget(summary);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    Button_close = new QPushButton(QStringLiteral("zamknij"), this);
    Button_close->setObjectName(QStringLiteral("Button_close"));
    Button_close->setAutoDefault(false);
    connect(Button_close, &QPushButton::clicked, this, &QWidget::close);
    closeRow->addWidget(Button_close);
    layout->addLayout(closeRow);

    ChainTabs();
    resize(1000, 700);
}

// Top to bottom, each line left to right.
void TProjectForm::ChainTabs() {
    std::vector<QWidget*> chain = {
        E_project,        E_company,     E_remarks, defaults_,   E_allowance, Button_add,
        Button_duplicate, Button_delete, Button_up, Button_down, table_};
    for (QLineEdit* total : totals_)
        chain.push_back(total);
    chain.push_back(bill_);
    chain.push_back(Button_close);
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TProjectForm::ShowAll() {
    LoadHeadingsFromModel();
    ShowSummary();
    ShowTitle();
    table_->resizeColumnsToContents();
    defaults_->resizeColumnsToContents();
    // The installation cases are sentences: their column is not as wide as the longest.
    for (QTableView* view :
         {static_cast<QTableView*>(table_), static_cast<QTableView*>(defaults_)}) {
        const int caseColumn =
            view == table_ ? ProjectModel::FirstInputColumn + SizingCase : int(SizingCase);
        view->setColumnWidth(caseColumn, std::min(view->columnWidth(caseColumn), 240));
    }
    // Rows as high as their text, as in a spreadsheet.
    for (QTableView* view : {static_cast<QTableView*>(table_), static_cast<QTableView*>(defaults_)})
        view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
    const int rowHeight = defaults_->verticalHeader()->defaultSectionSize();
    defaults_->setFixedHeight(defaults_->horizontalHeader()->sizeHint().height() + rowHeight +
                              defaults_->horizontalScrollBar()->sizeHint().height() +
                              2 * defaults_->frameWidth());
}

void TProjectForm::LoadHeadingsFromModel() {
    const ProjectData& project = model_->Project();
    auto set = [](QLineEdit* edit, const QString& text) {
        if (edit->text() != text)
            edit->setText(text);
    };
    set(E_project, project.name);
    set(E_company, project.company);
    set(E_remarks, project.remarks);
    set(E_allowance, FormatFloat(QStringLiteral("#0.##"), project.allowance));
}

void TProjectForm::ShowSummary() {
    const std::vector<TotalLine> lines = TotalsLines(model_->Totals());
    for (std::size_t i = 0; i < totals_.size(); ++i)
        totals_[i]->setText(lines[i].value);
    const std::vector<QStringList> rows = BillRows(*model_);
    bill_->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row)
        for (int column = 0; column < int(rows[std::size_t(row)].size()); ++column) {
            auto* item = new QTableWidgetItem(rows[std::size_t(row)][column]);
            // The counts and lengths are numbers.
            if (column >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            bill_->setItem(row, column, item);
        }
    bill_->resizeColumnsToContents();
}

void TProjectForm::ShowTitle() {
    const QString name =
        fileName_.isEmpty() ? QStringLiteral("nowy projekt") : QFileInfo(fileName_).fileName();
    setWindowTitle(ProjectCaption + QStringLiteral(" - ") + name + QStringLiteral("[*]"));
    setWindowModified(!undo_->isClean());
}

std::vector<int> TProjectForm::SelectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty() && table_->currentIndex().isValid())
        rows.insert(table_->currentIndex().row());
    return {rows.begin(), rows.end()};
}

void TProjectForm::SelectRows(int first, int count) {
    if (count <= 0 || first < 0 || first >= model_->rowCount())
        return;
    const int column = std::max(0, table_->currentIndex().column());
    table_->setCurrentIndex(model_->index(first, column));
    table_->selectionModel()->select(
        QItemSelection(model_->index(first, 0),
                       model_->index(first + count - 1, ProjectModel::ColumnCount - 1)),
        QItemSelectionModel::ClearAndSelect);
}

void TProjectForm::AddRun() {
    const std::vector<int> rows = SelectedRows();
    const int at = rows.empty() ? model_->rowCount() : rows.back() + 1;
    undo_->push(new ProjectEditCommand(*model_, model_->InsertEdit(at, {model_->NewRun()}),
                                       QStringLiteral("Dodaj odcinek")));
    table_->setCurrentIndex(model_->index(at, ProjectModel::MarkColumn));
    table_->setFocus();
}

void TProjectForm::DuplicateRuns() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty())
        return;
    undo_->push(
        new ProjectEditCommand(*model_, model_->DuplicateEdit(rows), QStringLiteral("Duplikuj")));
    SelectRows(rows.back() + 1, int(rows.size()));
}

void TProjectForm::DeleteRuns() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty())
        return;
    undo_->push(new ProjectEditCommand(*model_, model_->RemoveEdit(rows), QStringLiteral("Usun")));
    if (model_->rowCount() > 0)
        table_->setCurrentIndex(model_->index(std::min(rows.front(), model_->rowCount() - 1),
                                              std::max(0, table_->currentIndex().column())));
}

void TProjectForm::MoveRuns(int by) {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty())
        return;
    // One block of rows moves; a scattered selection moves from its first to its last.
    const int first = rows.front();
    const int count = rows.back() - first + 1;
    const ProjectEdit edit = model_->MoveEdit(first, count, by);
    if (edit.IsNone())
        return;
    undo_->push(new ProjectEditCommand(*model_, edit, QStringLiteral("Przesun")));
    SelectRows(first + by, count);
}

void TProjectForm::ClearCells() {
    ProjectEdit edit;
    edit.kind = ProjectEdit::Kind::Cells;
    for (const QModelIndex& index : table_->selectionModel()->selectedIndexes())
        if (index.column() < ProjectModel::FirstResultColumn)
            edit.cells.push_back({index.row(), index.column(), QString()});
    if (!edit.cells.empty())
        undo_->push(new ProjectEditCommand(*model_, edit, QStringLiteral("Wyczysc")));
}

void TProjectForm::CopyRuns() {
    const CopiedRows copied = CopyProjectRows(*model_, SelectedRows());
    auto* data = new QMimeData;
    data->setText(copied.text);
    data->setHtml(copied.html);
    QGuiApplication::clipboard()->setMimeData(data);
}

bool TProjectForm::PasteRuns(const QString& text) {
    const std::vector<int> rows = SelectedRows();
    const int at = rows.empty() ? model_->rowCount() : rows.back() + 1;
    auto edit = model_->PasteEdit(at, text);
    if (const QString* refusal = std::get_if<QString>(&edit)) {
        prompts_.ShowMessage(MessageKind::Error, *refusal);
        return false;
    }
    const ProjectEdit& paste = std::get<ProjectEdit>(edit);
    if (paste.IsNone())
        return false;
    undo_->push(new ProjectEditCommand(*model_, paste, QStringLiteral("Wklej")));
    SelectRows(at, int(paste.insertions.size()));
    return true;
}

void TProjectForm::PasteFromClipboard() {
    PasteRuns(QGuiApplication::clipboard()->text());
}

// Esc in a cell takes back what its editor typed (already in the model, key by key).
void TProjectForm::CancelTyping(int session) {
    const auto* last = dynamic_cast<const ProjectEditCommand*>(undo_->command(undo_->index() - 1));
    if (last && last->MergeKey() == session)
        undo_->undo();
}

bool TProjectForm::MayDiscard() {
    if (undo_->isClean())
        return true;
    switch (prompts_.AskYesNoCancel(ProjectCaption, messages::ProjectSaveChanges)) {
    case Answer::Yes:
        return SaveProject();
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

bool TProjectForm::NewProject() {
    if (!MayDiscard())
        return false;
    ShowProject(kelvara::NewProject(session_));
    return true;
}

bool TProjectForm::OpenProject() {
    if (!MayDiscard())
        return false;
    const QString file = AskOpenFileName(QStringLiteral("Otworz projekt"), ProjectFileFilter);
    return !file.isEmpty() && OpenFile(file);
}

bool TProjectForm::OpenFile(const QString& fileName) {
    QString message;
    std::optional<ProjectData> project = LoadProject(fileName, message);
    if (!project) {
        prompts_.ShowMessage(MessageKind::Error, message);
        return false;
    }
    ShowProject(std::move(*project), fileName);
    return true;
}

void TProjectForm::ShowProject(ProjectData project, const QString& fileName) {
    model_->SetProject(std::move(project));
    undo_->clear();
    fileName_ = fileName;
    ShowAll();
    if (model_->rowCount() > 0)
        table_->setCurrentIndex(model_->index(0, ProjectModel::MarkColumn));
}

bool TProjectForm::SaveProject() {
    return fileName_.isEmpty() ? SaveProjectAs() : SaveFile(fileName_);
}

bool TProjectForm::SaveProjectAs() {
    QString proposed = fileName_;
    if (proposed.isEmpty()) {
        QString name = model_->Project().name.simplified();
        for (QChar& c : name)
            if (QStringLiteral("/\\:*?\"<>|").contains(c))
                c = u'-';
        proposed = QDir(FolderForFiles())
                       .filePath((name.isEmpty() ? QStringLiteral("projekt") : name) + u'.' +
                                 ProjectFileSuffix);
    }
    QString file = AskSaveFileName(QStringLiteral("Zapisz projekt"), proposed, ProjectFileFilter);
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().isEmpty())
        file += u'.' + ProjectFileSuffix;
    return SaveFile(file);
}

bool TProjectForm::SaveFile(const QString& fileName) {
    QString message;
    if (!::kelvara::SaveProject(fileName, model_->Project(), message)) {
        prompts_.ShowMessage(MessageKind::Error, message);
        return false;
    }
    fileName_ = fileName;
    undo_->setClean();
    ShowTitle();
    return true;
}

bool TProjectForm::ExportSpreadsheet() {
    const QString base =
        fileName_.isEmpty()
            ? QDir(FolderForFiles()).filePath(QStringLiteral("projekt"))
            : QFileInfo(fileName_).path() + u'/' + QFileInfo(fileName_).completeBaseName();
    QString file = AskSaveFileName(QStringLiteral("Eksport do Excela"),
                                   base + QStringLiteral(".xlsx"), SpreadsheetFilter);
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".xlsx");
    QString message;
    if (!WriteProjectSpreadsheet(file, *model_, message)) {
        prompts_.ShowMessage(MessageKind::Error, message);
        return false;
    }
    return true;
}

void TProjectForm::PrintProject() {
    ProjectPrint print(*model_, session_, dataDir_, QDate::currentDate(), this);
    Print(print);
}

void TProjectForm::keyPressEvent(QKeyEvent* event) {
    // One key must not close the project: Esc ends a cell's edit, never the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TProjectForm::done(int result) {
    if (!MayDiscard())
        return;
    QDialog::done(result);
}

} // namespace kelvara
