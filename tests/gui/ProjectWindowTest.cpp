#include "workspace/TProjectForm.h"

#include "PdfText.h"
#include "RecordingPrompts.h"
#include "TestCatalogue.h"
#include "output/ProjectPrint.h"
#include "output/ProjectReport.h"
#include "output/ProjectSpreadsheet.h"
#include "shell/GuiPrompts.h"
#include "shell/Messages.h"
#include "shell/Session.h"
#include "shell/Tfrm_Main.h"
#include "workspace/ProjectFile.h"
#include "workspace/ProjectModel.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <gtest/gtest.h>

using namespace kelvara;

namespace {

const QString DataDir = QStringLiteral(KELVARA_TEST_DATA_DIR);

constexpr int Mark = ProjectModel::MarkColumn;
constexpr int In = ProjectModel::FirstInputColumn;
constexpr int Out = ProjectModel::FirstResultColumn;

// A hot pipe's fields after the mark, as a spreadsheet line holds them; the installation
// case follows the inner diameter.
QString HotLine(const QString& mark, const QString& outer, const QString& inner) {
    const QString ordinaryPipe =
        QStringLiteral("Przewod zwykly (poz. 1-4 wg srednicy wewnetrznej)");
    return QStringList{mark,  "20",         "70", "50", outer, inner, "Welna mineralna (otuliny)",
                       "9",   ordinaryPipe, "",   "",   "",    "10",  "5000",
                       "0,5", "0.7"}
        .join(u'\t');
}

// The project window over the shipped catalogue and size table, shown offscreen, with its
// messages and questions recorded and its file dialogs answered by the test.
class ProjectWindowTest : public testing::Test {
protected:
    void SetUp() override {
        GuiPrompts quiet;
        test::LoadShippedData(session, quiet, DataDir);
        ASSERT_TRUE(dir.isValid());
        Open();
    }
    void Open() {
        form = std::make_unique<TProjectForm>(session, prompts, DataDir);
        form->AskOpenFileName = [this](const QString&, const QString& filter) {
            filters << filter;
            return openAnswer;
        };
        form->AskSaveFileName = [this](const QString&, const QString& proposed,
                                       const QString& filter) {
            proposals << proposed;
            filters << filter;
            return saveAnswer;
        };
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override {
        if (form && form->isVisible()) {
            form->UndoStack().setClean();
            form->close();
        }
    }
    template <typename T> T* Find(const char* name) {
        T* child = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QTableView* Table() { return form->Table(); }
    ProjectModel& Model() { return form->Model(); }
    QString Cell(int row, int column) { return Model().index(row, column).data().toString(); }
    void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    // Keys go where a user's keys go: to the widget with the focus (the cell's editor).
    static void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    static void Type(const QString& text) {
        for (const QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    void GoTo(int row, int column) {
        Table()->setFocus();
        Table()->setCurrentIndex(Model().index(row, column));
    }
    void SelectRows(int first, int last) {
        Table()->setFocus();
        Table()->setCurrentIndex(Model().index(first, 0));
        Table()->selectionModel()->select(
            QItemSelection(Model().index(first, 0), Model().index(last, 0)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    QStringList Marks() {
        QStringList marks;
        for (int row = 0; row < Model().rowCount(); ++row)
            marks << Cell(row, Mark);
        return marks;
    }
    void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        Table()->setFocus();
        Key(Qt::Key_V, Qt::ControlModifier);
    }

    Session session;
    test::RecordingPrompts prompts;
    QTemporaryDir dir;
    std::unique_ptr<TProjectForm> form;
    QString openAnswer, saveAnswer;
    QStringList filters, proposals;
};

TEST_F(ProjectWindowTest, MainMenuOpensItAfterTheSizingAndItCanBeMaximized) {
    form.reset();
    GuiPrompts guiPrompts;
    Session mainSession;
    Tfrm_Main main(mainSession, guiPrompts, DataDir);
    main.SplashMilliseconds = 0;
    main.show();
    // (The menu's order is checked with the sizing window's entry.)
    bool opened = false;
    main.OnProjectWindow = [&](TProjectForm& window) {
        opened = true;
        QTimer::singleShot(0, &window, [&window] {
            EXPECT_TRUE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
            window.showMaximized();
            EXPECT_GT(window.maximumWidth(), 2000);
            window.close();
        });
    };
    main.findChild<QAction*>(QStringLiteral("Menu_Project"))->trigger();
    EXPECT_TRUE(opened);
    main.hide();
}

TEST_F(ProjectWindowTest, TypedCellsAreSizedAsTheyAreTypedAndEnterMovesDown) {
    Click("Button_add");
    Click("Button_add");
    ASSERT_EQ(Model().rowCount(), 2);
    // A new run has the defaults.
    EXPECT_EQ(Model().Run(0).inputs, Model().Project().defaults);

    GoTo(0, Mark);
    Type(QStringLiteral("CO-01"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Cell(0, Mark), QStringLiteral("CO-01"));
    EXPECT_EQ(Table()->currentIndex().column(), In + SizingAmbient);

    // Each key reaches the model at once: the results follow the typing, before Enter.
    GoTo(0, In + SizingOuterDiameter);
    Type(QStringLiteral("114"));
    EXPECT_EQ(Model().Run(0).inputs[SizingOuterDiameter], QStringLiteral("114"));
    RunInputs expected = Model().Run(0).inputs;
    EXPECT_EQ(Cell(0, Out + ResultSize), SizeRun(session, expected).texts[ResultSize]);
    Type(QStringLiteral(".3"));
    expected[SizingOuterDiameter] = QStringLiteral("114.3");
    EXPECT_EQ(Cell(0, Out + ResultThickness), SizeRun(session, expected).texts[ResultThickness]);
    Key(Qt::Key_Return);
    EXPECT_EQ(Table()->currentIndex(), Model().index(1, In + SizingOuterDiameter));
    EXPECT_EQ(Model().Run(0).inputs[SizingOuterDiameter], QStringLiteral("114.3"));
    // No message box on the way, and the whole typing is one step to undo.
    EXPECT_TRUE(prompts.messages.empty()) << prompts.Texts().join(u'\n').toStdString();
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Model().Run(0).inputs[SizingOuterDiameter],
              Model().Project().defaults[SizingOuterDiameter]);
    EXPECT_EQ(Cell(0, Mark), QStringLiteral("CO-01"));

    // Esc takes the typing back, results included, and only that.
    const QString size = Cell(1, Out + ResultSize);
    GoTo(1, In + SizingInnerDiameter);
    Type(QStringLiteral("12"));
    EXPECT_EQ(Model().Run(1).inputs[SizingInnerDiameter], QStringLiteral("12"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(Model().Run(1).inputs[SizingInnerDiameter],
              Model().Project().defaults[SizingInnerDiameter]);
    EXPECT_EQ(Cell(1, Out + ResultSize), size);
    EXPECT_EQ(Cell(0, Mark), QStringLiteral("CO-01"));
    EXPECT_TRUE(form->isVisible());

    // Delete empties the selected cells in one step; the results are not touched by it.
    Table()->selectionModel()->select(
        QItemSelection(Model().index(0, Mark), Model().index(1, Out + ResultSize)),
        QItemSelectionModel::ClearAndSelect);
    const int steps = form->UndoStack().index();
    Key(Qt::Key_Delete);
    EXPECT_EQ(Cell(0, Mark), QString());
    EXPECT_EQ(Model().Run(1).inputs[SizingAmbient], QString());
    EXPECT_FALSE(Model().Result(0).sized);
    EXPECT_EQ(form->UndoStack().index(), steps + 1);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell(0, Mark), QStringLiteral("CO-01"));
    EXPECT_EQ(Cell(1, Out + ResultSize), size);
}

TEST_F(ProjectWindowTest, ListCellsAreChosenFromTheirList) {
    Click("Button_add");
    for (const int input : {int(SizingMaterial), int(SizingCase)}) {
        GoTo(0, In + input);
        Key(Qt::Key_F2);
        auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
        ASSERT_NE(list, nullptr) << input;
        EXPECT_EQ(list->count(), RunChoices(session, input).size());
        const int pick = list->count() - 1;
        list->setCurrentIndex(pick);
        emit list->activated(pick);
        EXPECT_EQ(Model().Run(0).inputs[std::size_t(input)], RunChoices(session, input)[pick]);
        Key(Qt::Key_Return);
    }
}

TEST_F(ProjectWindowTest, RefusedCellsCarryTheMessageForTheEyeAndTheScreenReader) {
    ASSERT_TRUE(form->PasteRuns(HotLine("A", "60.3", "70")));
    const RunResult& result = Model().Result(0);
    ASSERT_FALSE(result.sized);
    ASSERT_GE(result.faultInput, 0);
    const int column = In + result.faultInput;
    EXPECT_EQ(Model().index(0, column).data(Qt::ToolTipRole).toString(), result.message);

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(Table());
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(0, column);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Description), result.message);
    QAccessibleInterface* fine = table->tableInterface()->cellAt(0, Mark);
    EXPECT_TRUE(fine->text(QAccessible::Description).isEmpty());
}

TEST_F(ProjectWindowTest, RunsAreAddedDuplicatedMovedAndDeletedBySelection) {
    ASSERT_TRUE(
        form->PasteRuns(QStringList{HotLine("A", "33.7", "27.3"), HotLine("B", "42.4", "36"),
                                    HotLine("C", "48.3", "41.9"), HotLine("D", "60.3", "54.5")}
                            .join(u'\n')));
    SelectRows(1, 2);
    Click("Button_duplicate");
    EXPECT_EQ(Marks(), QStringList({"A", "B", "C", "B", "C", "D"}));
    SelectRows(3, 4);
    Click("Button_up");
    EXPECT_EQ(Marks(), QStringList({"A", "B", "B", "C", "C", "D"}));
    Click("Button_up");
    Click("Button_up");
    Click("Button_up"); // at the top: nothing more moves
    EXPECT_EQ(Marks(), QStringList({"B", "C", "A", "B", "C", "D"}));
    SelectRows(0, 1);
    Click("Button_down");
    EXPECT_EQ(Marks(), QStringList({"A", "B", "C", "B", "C", "D"}));
    SelectRows(3, 4);
    Click("Button_delete");
    EXPECT_EQ(Marks(), QStringList({"A", "B", "C", "D"}));
    // A run added after the current one, with the defaults.
    GoTo(1, Mark);
    Click("Button_add");
    EXPECT_EQ(Marks(), QStringList({"A", "B", "", "C", "D"}));
    EXPECT_EQ(Model().Run(2).inputs, Model().Project().defaults);

    // Every step undone in turn, then all of them again.
    // (An "up" at the top is no step.)
    const QStringList after = Marks();
    EXPECT_EQ(form->UndoStack().count(), 8);
    for (int step = 0; step < 7; ++step)
        Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Marks(), QStringList({"A", "B", "C", "D"}));
    for (int step = 0; step < 7; ++step)
        Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Marks(), after);
}

TEST_F(ProjectWindowTest, PastedBlockIsOneStepAndAWrongLineChangesNothing) {
    Paste(HotLine("A", "33.7", "27.3") + QStringLiteral("\r\n") + HotLine("B", "42.4", "36") +
          QStringLiteral("\r\n"));
    EXPECT_EQ(Marks(), QStringList({"A", "B"}));
    // Either decimal mark: the pasted "0,5" is the price 0.5.
    EXPECT_EQ(Model().Run(0).inputs[SizingPrice], QStringLiteral("0.5"));
    EXPECT_TRUE(Model().Result(1).sized) << Model().Result(1).message.toStdString();
    const int steps = form->UndoStack().count();

    Paste(HotLine("C", "21.3", "16.1") + u'\n' + QStringLiteral("D\t20\t70") + u'\n' +
          HotLine("E", "21.3", "16.1"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, messages::PasteFieldCount.arg(2).arg(16).arg(3));
    EXPECT_EQ(Marks(), QStringList({"A", "B"}));
    EXPECT_EQ(form->UndoStack().count(), steps);

    SelectRows(0, 0);
    Paste(QStringList{HotLine("X", "21.3", "16.1"), HotLine("Y", "26.9", "21.7"),
                      HotLine("Z", "33.7", "27.3")}
              .join(u'\n'));
    EXPECT_EQ(Marks(), QStringList({"A", "X", "Y", "Z", "B"}));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Marks(), QStringList({"A", "B"}));
}

TEST_F(ProjectWindowTest, CopiedRowsCarryBothFlavours) {
    ASSERT_TRUE(form->PasteRuns(QStringList{HotLine("A", "33.7", "27.3"),
                                            HotLine("B", "42.4", "36"), HotLine("C", "60.3", "70")}
                                    .join(u'\n')));
    Table()->setFocus();
    Table()->setCurrentIndex(Model().index(1, 3));
    Table()->selectionModel()->select(QItemSelection(Model().index(1, 3), Model().index(2, 5)),
                                      QItemSelectionModel::ClearAndSelect);
    Key(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const CopiedRows expected = CopyProjectRows(Model(), {1, 2});
    EXPECT_EQ(data->text(), expected.text);
    EXPECT_EQ(data->html(), expected.html);
    // A copied block pastes back as the same runs.
    SelectRows(2, 2);
    Paste(data->text());
    EXPECT_EQ(Marks(), QStringList({"A", "B", "C", "B", "C"}));
    EXPECT_EQ(Model().Run(3), Model().Run(1));
    EXPECT_EQ(Model().Run(4), Model().Run(2));
}

TEST_F(ProjectWindowTest, TotalsAndBillFollowTheRuns) {
    ASSERT_TRUE(form->PasteRuns(
        QStringList{HotLine("A", "33.7", "27.3"), HotLine("B", "33.7", "27.3")}.join(u'\n')));
    auto totalsShown = [this] {
        QStringList texts;
        for (QLineEdit* field : form->TotalFields())
            texts << field->text();
        return texts;
    };
    QStringList expected;
    for (const TotalLine& line : TotalsLines(Model().Totals()))
        expected << line.value;
    EXPECT_EQ(totalsShown(), expected);
    EXPECT_EQ(totalsShown().value(1), QStringLiteral("20.0"));
    QTableWidget* bill = form->BillTable();
    ASSERT_EQ(bill->rowCount(), 1);
    EXPECT_EQ(bill->item(0, 2)->text(), QStringLiteral("2"));
    EXPECT_EQ(bill->item(0, 4)->text(), QStringLiteral("22.0"));

    GoTo(1, In + SizingLength);
    Type(QStringLiteral("5"));
    Key(Qt::Key_Return);
    EXPECT_EQ(totalsShown().value(1), QStringLiteral("15.0"));
    EXPECT_EQ(bill->item(0, 3)->text(), QStringLiteral("15.0"));
    // The allowance is the project's: the bill follows it, and so does undo.
    QLineEdit* allowance = Find<QLineEdit>("E_allowance");
    allowance->setFocus();
    allowance->selectAll();
    Type(QStringLiteral("20"));
    EXPECT_EQ(bill->item(0, 4)->text(), QStringLiteral("18.0"));
    form->UndoStack().undo();
    EXPECT_EQ(bill->item(0, 4)->text(), QStringLiteral("16.5"));
}

TEST_F(ProjectWindowTest, SavedProjectOpensAgainAndTheTitleTellsUnsavedChanges) {
    form->PasteRuns(HotLine("A", "60.3", "54.5"));
    Find<QLineEdit>("E_project")->setFocus();
    Type(QStringLiteral("Hala"));
    EXPECT_TRUE(form->isWindowModified());
    saveAnswer = dir.filePath(QStringLiteral("hala")); // the suffix is added
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(proposals.value(0), QFileInfo(proposals.value(0)).path() + "/Hala.kelvara");
    EXPECT_EQ(filters.value(0), QStringLiteral("Projekt Kelvara (*.kelvara)"));
    const QString file = dir.filePath(QStringLiteral("hala.kelvara"));
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(form->FileName(), file);
    EXPECT_FALSE(form->isWindowModified());
    EXPECT_TRUE(form->windowTitle().contains(QStringLiteral("hala.kelvara")));
    // Undo past the save: unsaved again; redo: saved.
    form->UndoStack().undo();
    EXPECT_TRUE(form->isWindowModified());
    form->UndoStack().redo();
    EXPECT_FALSE(form->isWindowModified());

    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Model().rowCount(), 0);
    EXPECT_TRUE(Find<QLineEdit>("E_project")->text().isEmpty());
    openAnswer = file;
    Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Marks(), QStringList({"A"}));
    EXPECT_EQ(Find<QLineEdit>("E_project")->text(), QStringLiteral("Hala"));
    EXPECT_FALSE(form->UndoStack().canUndo());
    EXPECT_TRUE(prompts.messages.empty()) << prompts.Texts().join(u'\n').toStdString();
}

TEST_F(ProjectWindowTest, FileFailuresAreShownAndChangeNothing) {
    form->PasteRuns(HotLine("A", "60.3", "54.5"));
    const QString notProject = dir.filePath(QStringLiteral("notes.kelvara"));
    {
        QFile f(notProject);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("{\"format\": \"something else\"}");
    }
    QString expected;
    ASSERT_FALSE(LoadProject(notProject, expected));
    EXPECT_FALSE(form->OpenFile(notProject));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, expected);
    EXPECT_TRUE(expected.contains(QStringLiteral("notes.kelvara")));
    EXPECT_EQ(int(prompts.messages[0].kind), int(MessageKind::Error));
    EXPECT_EQ(Marks(), QStringList({"A"}));
    EXPECT_TRUE(form->UndoStack().canUndo());

    // A name that cannot be written (a folder has it): the message, the changes stay unsaved.
    const QString taken = dir.filePath(QStringLiteral("taken.kelvara"));
    ASSERT_TRUE(QDir().mkpath(taken));
    EXPECT_FALSE(form->SaveFile(taken));
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_TRUE(prompts.messages[1].text.contains(QStringLiteral("taken.kelvara")));
    EXPECT_EQ(int(prompts.messages[1].kind), int(MessageKind::Error));
    EXPECT_TRUE(form->isWindowModified());
    EXPECT_TRUE(form->FileName().isEmpty());
}

struct CloseCase {
    const char* name;
    Answer answer;
    bool saveAs; // the file dialog gives a name
    bool closed;
    bool saved;
};

class ProjectWindowClosing : public ProjectWindowTest,
                             public testing::WithParamInterface<CloseCase> {};

TEST_P(ProjectWindowClosing, AsksBeforeUnsavedChangesAreLost) {
    const CloseCase c = GetParam();
    form->PasteRuns(HotLine("A", "60.3", "54.5"));
    prompts.threeWayAnswers = {c.answer};
    saveAnswer = c.saveAs ? dir.filePath(QStringLiteral("p.kelvara")) : QString();
    Click("Button_close");
    EXPECT_EQ(prompts.questions,
              QStringList({QStringLiteral("Zestawienie izolacji: Zapisac zmiany w projekcie?")}));
    EXPECT_EQ(form->isVisible(), !c.closed);
    EXPECT_EQ(QFile::exists(dir.filePath(QStringLiteral("p.kelvara"))), c.saved);
    // Esc never closes the window; a saved project closes without a question.
    if (form->isVisible()) {
        Key(Qt::Key_Escape);
        EXPECT_TRUE(form->isVisible());
        form->UndoStack().setClean();
        form->close();
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(prompts.questions.size(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ProjectWindowClosing,
    testing::Values(CloseCase{"Cancel", Answer::Cancel, true, false, false},
                    CloseCase{"No", Answer::No, true, true, false},
                    CloseCase{"Yes", Answer::Yes, true, true, true},
                    CloseCase{"YesButNoFileName", Answer::Yes, false, false, false}),
    [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST_F(ProjectWindowTest, CommandLineFileOpensInTheProjectWindow) {
    form.reset();
    const QString file = dir.filePath(QStringLiteral("start.kelvara"));
    ProjectData project;
    project.name = QStringLiteral("Start");
    project.runs.push_back({QStringLiteral("S-1"), DefaultRunInputs(session)});
    QString message;
    ASSERT_TRUE(SaveProject(file, project, message)) << message.toStdString();

    GuiPrompts guiPrompts;
    Session mainSession;
    Tfrm_Main main(mainSession, guiPrompts, DataDir);
    main.SplashMilliseconds = 0;
    main.StartProject = file;
    QStringList seen;
    main.OnProjectWindow = [&](TProjectForm& window) {
        QTimer::singleShot(0, &window, [&] {
            seen << window.FileName() << window.Model().index(0, Mark).data().toString();
            window.close();
        });
    };
    main.show();
    QTRY_COMPARE(seen, QStringList({file, QStringLiteral("S-1")}));
    main.hide();
}

TEST_F(ProjectWindowTest, EveryControlIsNamedAndTabFollowsTheEye) {
    QStringList unnamed;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(form.get()) || w->focusPolicy() == Qt::NoFocus)
            continue;
        const auto* button = qobject_cast<QPushButton*>(w);
        if (w->accessibleName().isEmpty() && !(button && !button->text().isEmpty()))
            unnamed << w->objectName() + u':' + QString::fromLatin1(w->metaObject()->className());
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(u' ').toStdString();

    QStringList chain;
    QWidget* w = Find<QLineEdit>("E_project");
    for (int i = 0; i < 20 && w; ++i, w = w->nextInFocusChain()) {
        while (w && (w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus)
            w = w->nextInFocusChain();
        if (!w || (i > 0 && w->objectName() == QStringLiteral("E_project")))
            break;
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"))
            chain << w->objectName();
    }
    EXPECT_EQ(chain.mid(0, 11),
              QStringList({"E_project", "E_company", "E_remarks", "DefaultsTable", "E_allowance",
                           "Button_add", "Button_duplicate", "Button_delete", "Button_up",
                           "Button_down", "RunTable"}));
    EXPECT_EQ(chain.mid(chain.size() - 2), QStringList({"BillTable", "Button_close"}));
}

// Nothing cut off at 1024 × 768 under each font a user may get for "Arial".
TEST_F(ProjectWindowTest, NothingIsCutOffAt1024x768UnderEveryFont) {
    form.reset();
    int checked = 0;
    for (const char* family : {"DejaVu Sans", "Liberation Sans", "Nimbus Sans"}) {
        // Each run of the window tests offers one font for "Arial"; the others are checked in
        // their own runs.
        if (!QFontDatabase::hasFamily(QString::fromLatin1(family)))
            continue;
        ++checked;
        session.Catalogue.FontName = QString::fromLatin1(family);
        Open();
        // The whole window, its frame included, on a screen of 1024 × 768.
        const QSize frame = form->frameGeometry().size() - form->size();
        form->resize(QSize(1024, 768) - frame);
        form->ShowProject(NewProject(session));
        form->PasteRuns(
            QStringList{HotLine("A-01", "60.3", "54.5"), HotLine("B", "114.3", "70")}.join(u'\n'));
        QApplication::processEvents();
        EXPECT_EQ(form->frameGeometry().size(), QSize(1024, 768)) << family;
        QStringList cut;
        const QRect window = form->rect();
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(form.get()) || w->window() != form.get())
                continue;
            const QRect box(w->mapTo(form.get(), QPoint(0, 0)), w->size());
            if (!window.contains(box))
                cut << w->objectName() + QStringLiteral(" outside");
            QString text;
            if (auto* label = qobject_cast<QLabel*>(w))
                text = label->text();
            else if (auto* button = qobject_cast<QPushButton*>(w))
                text = button->text();
            else if (auto* edit = qobject_cast<QLineEdit*>(w))
                text = edit->text();
            if (!text.isEmpty() && w->sizeHint().width() > w->width() &&
                !qobject_cast<QLineEdit*>(w))
                cut << text;
            if (auto* edit = qobject_cast<QLineEdit*>(w);
                edit && edit->fontMetrics().horizontalAdvance(text) > edit->width() - 8)
                cut << text;
        }
        // The column headings of the runs are shown whole.
        QHeaderView* header = Table()->horizontalHeader();
        for (int c = 0; c < header->count(); ++c)
            if (header->sectionSizeHint(c) > header->sectionSize(c))
                cut << ProjectModel::ColumnHeading(c);
        EXPECT_TRUE(cut.isEmpty()) << family << ": " << cut.join(u" | ").toStdString();
        form->UndoStack().setClean();
        form->close();
    }
    EXPECT_GT(checked, 0) << "none of the fonts is installed";
}

TEST_F(ProjectWindowTest, PrintedReportHasEveryRunAndNumbersItsPages) {
    QStringList lines;
    for (int k = 0; k < 60; ++k)
        lines << HotLine(QStringLiteral("R-%1").arg(k + 1, 2, 10, QLatin1Char('0')),
                         k % 2 ? QStringLiteral("33.7") : QStringLiteral("60.3"),
                         k % 2 ? QStringLiteral("27.3") : QStringLiteral("54.5"));
    ASSERT_TRUE(form->PasteRuns(lines.join(u'\n')));
    Find<QLineEdit>("E_project")->setFocus();
    Type(QStringLiteral("Hala"));
    const QString pdf = dir.filePath(QStringLiteral("project.pdf"));
    int pages = 0;
    form->Print = [&](ProjectPrint& print) {
        pages = int(print.Pages().size());
        ASSERT_TRUE(print.SavePdf(pdf));
    };
    form->findChild<QAction*>(QStringLiteral("Action_print"))->trigger();
    ASSERT_GE(pages, 2);
    // A PDF that cannot be written is no success.
    EXPECT_FALSE(ProjectPrint(Model(), session, DataDir, QDate(2026, 1, 1)).SavePdf(dir.path()));
    const QStringList text = test::PdfLayoutText(pdf).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(text.size(), pages);
    for (int n = 0; n < pages; ++n) {
        // Every page numbered; each page of the schedule with its headings.
        EXPECT_TRUE(text[n].contains(QStringLiteral("strona %1 z %2").arg(n + 1).arg(pages))) << n;
        static const QRegularExpression scheduleRow(QStringLiteral("R-\\d\\d +20 +70"));
        if (text[n].contains(scheduleRow)) {
            EXPECT_TRUE(text[n].contains(QStringLiteral("Oznaczenie"))) << n;
        }
    }
    test::ExpectInOrder(text[0], {"Zestawienie izolacji", "Projekt", "Hala", "Oznaczenie"});
    const QString all = text.join(QString());
    for (int row = 0; row < Model().rowCount(); ++row) {
        const QString mark = Cell(row, Mark);
        const QString size = Cell(row, Out + ResultSize);
        const QRegularExpression line(QRegularExpression::escape(mark) + QStringLiteral(" .*") +
                                      QRegularExpression::escape(size));
        EXPECT_TRUE(all.contains(line)) << mark.toStdString() << " " << size.toStdString();
    }
    test::ExpectInOrder(all, {"Suma", "Zestawienie materialow", "komentarz"});
}

} // namespace
