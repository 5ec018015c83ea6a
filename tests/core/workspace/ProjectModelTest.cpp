#include "workspace/ProjectModel.h"
#include "RecordingPrompts.h"
#include "TestCatalogue.h"
#include "output/ProjectSpreadsheet.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "shell/Session.h"

#include <gtest/gtest.h>

using namespace kelvara;

namespace {

const QString DataDir = QStringLiteral(KELVARA_TEST_DATA_DIR);

// A schedule over the shipped catalogue and size table.
class Schedule : public testing::Test {
protected:
    void SetUp() override {
        test::RecordingPrompts prompts;
        test::LoadShippedData(configured, prompts, DataDir);
        ASSERT_TRUE(prompts.messages.empty());
        model = std::make_unique<ProjectModel>(configured);
    }
    // A run from its mark and fifteen TAB-separated fields; "M1"/"M2" stand for the first two
    // materials, "C1" for the ordinary pipe as the list names it and "C2" for the regulation's
    // second row by its own name, as older projects store it (also the ordinary pipe).
    ProjectRun MakeRun(const QString& mark, const QString& fields) const {
        QString text = fields;
        const Catalogues& c = configured.Catalogue;
        text.replace(QStringLiteral("M1"), c.MaterialNames[0])
            .replace(QStringLiteral("M2"), c.MaterialNames[1])
            .replace(QStringLiteral("C1"), InstallationCases(c).front().name)
            .replace(QStringLiteral("C2"), c.RegulationNames[1]);
        const QStringList list = text.split(u'\t');
        EXPECT_EQ(list.size(), RunInputCount) << mark.toStdString();
        ProjectRun run{mark, {}};
        for (int i = 0; i < RunInputCount && i < list.size(); ++i)
            run.inputs[std::size_t(i)] = list[i];
        return run;
    }
    void Load(const std::vector<ProjectRun>& runs, double allowance = 10) {
        ProjectData project = model->Project();
        project.runs = runs;
        project.allowance = allowance;
        model->SetProject(project);
    }
    QString Cell(int row, int column, int role = Qt::DisplayRole) const {
        return model->data(model->index(row, column), role).toString();
    }
    QString ResultCell(int row, int column) const {
        return Cell(row, ProjectModel::FirstResultColumn + column);
    }

    Session configured;
    std::unique_ptr<ProjectModel> model;
};

// The small project whose totals and bill are worked out by hand below.
class SmallSchedule : public Schedule {
protected:
    void SetUp() override {
        Schedule::SetUp();
        Load({
            MakeRun("A", "20\t60\t50\t22\t20\tM1\t9\tC1\t\t\t\t10\t5000\t0.5\t0.7"),
            MakeRun("B", "20\t60\t50\t22\t20\tM1\t9\tC2\t\t\t\t2.6\t5000\t0.5\t0.7"),
            MakeRun("C", "20\t60\t50\t28\t25\tM1\t9\tC2\t\t\t\t7.25\t5000\t0.5\t0.7"),
            // The regulation asks for more than any size of the table.
            MakeRun("D", "20\t6\t50\t60.3\t54.5\tM1\t9\tC1\t\t\t\t12.5\t5000\t0.5\t0.7"),
            MakeRun("E", "20\t60\tx\t22\t20\tM1\t9\tC1\t\t\t\t5\t5000\t0.5\t0.7"),
            MakeRun("F", "20\t60\t50\t22\t20\tM2\t9\tC1\t\t\t\t10\t5000\t0.5\t0.7"),
        });
    }
};

TEST_F(Schedule, HeadingsCarryUnitsAndListsOfferTheSizingLists) {
    EXPECT_EQ(model->columnCount(), 1 + 15 + 8);
    EXPECT_EQ(ProjectModel::ColumnHeading(0), QStringLiteral("Oznaczenie"));
    EXPECT_EQ(ProjectModel::ColumnHeading(1), QStringLiteral("Temp otoczenia [°C]"));
    EXPECT_EQ(ProjectModel::ColumnHeading(1 + SizingOuterDiameter),
              QStringLiteral("Srednica zewnetrzna rury [mm]"));
    EXPECT_EQ(ProjectModel::ColumnHeading(ProjectModel::FirstResultColumn + ResultThickness),
              QStringLiteral("grubosc izolacji [mm]"));
    EXPECT_EQ(ProjectModel::ColumnHeading(ProjectModel::FirstResultColumn + ResultLoss),
              QStringLiteral("Straty ciepla Q [W]"));
    EXPECT_EQ(ProjectModel::ColumnHeading(ProjectModel::FirstResultColumn + ResultCo2),
              QStringLiteral("emisja CO2 w roku [kg]"));
    EXPECT_EQ(model->Choices(1 + SizingMaterial), configured.Catalogue.MaterialNames);
    QStringList cases;
    for (const InstallationCase& c : InstallationCases(configured.Catalogue))
        cases << c.name;
    EXPECT_EQ(model->Choices(1 + SizingCase), cases);
    EXPECT_TRUE(model->Choices(1 + SizingH).isEmpty());
    // A new run starts from the defaults of the sizing window.
    EXPECT_EQ(model->NewRun().inputs[SizingH], QStringLiteral("9.000"));
}

// Each run's results are the engine's for its inputs, shown with the sizing window's patterns.
TEST_F(Schedule, ResultsAreTheEnginesForEachRun) {
    struct Case {
        const char* fields;
        int material, regulation;
    };
    const Case cases[] = {
        {"20\t60\t50\t22\t20\tM1\t9\tC1\t\t\t\t10\t5000\t0.5\t0.7", 0, 0},
        {"20\t8\t70\t28\t25\tM1\t9\tC2\t\t\t2\t4\t5000\t0.5\t0.7", 0, 1},
        {"25\t90\t50\t60.3\t54.5\tM2\t8\tC2\t40\t30\t\t12\t4000\t0.8\t0.3", 1, 1},
    };
    std::vector<ProjectRun> runs;
    for (const Case& c : cases)
        runs.push_back(MakeRun(QStringLiteral("R"), QString::fromUtf8(c.fields)));
    Load(runs);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const ProjectRun& run = runs[i];
        const auto number = [&](int input, long double scale = 1) {
            return float(TextToFloat(run.inputs[std::size_t(input)]) * scale);
        };
        const auto optional = [&](int input) -> std::optional<float> {
            if (run.inputs[std::size_t(input)].isEmpty())
                return std::nullopt;
            return number(input);
        };
        PipeSizingInput in;
        in.ambientTemp = number(SizingAmbient);
        in.mediumTemp = number(SizingMedium);
        in.relativeHumidity = number(SizingHumidity);
        in.pipeDiameter = number(SizingOuterDiameter, 0.001L);
        in.innerDiameter = number(SizingInnerDiameter, 0.001L);
        in.material = {cases[i].material, false, 0};
        in.surfaceCoeff = number(SizingH);
        in.regulationCase = cases[i].regulation;
        in.maxSurfaceTemp = optional(SizingMaxSurface);
        in.maxHeatLoss = optional(SizingMaxLoss);
        in.dewPointMargin = optional(SizingMargin);
        in.pipeLength = number(SizingLength);
        in.operatingHours = number(SizingHours);
        in.energyCost = number(SizingPrice);
        in.co2Factor = number(SizingCo2);
        const PipeSizingResult r = PipeSizingResults(configured, in);
        ASSERT_TRUE(r.governing && !r.unreachable);
        const int row = int(i);
        EXPECT_TRUE(model->Result(row).sized);
        EXPECT_EQ(ResultCell(row, ResultThickness), FormatFloat("#########0.0", r.thicknessMm));
        EXPECT_EQ(ResultCell(row, ResultLossPerMetre),
                  FormatFloat("#########0.00", *r.lossPerMetre));
        EXPECT_EQ(ResultCell(row, ResultLoss), FormatFloat("#########0.00", *r.loss));
        EXPECT_EQ(ResultCell(row, ResultEnergy), FormatFloat("#########0.0", *r.yearlyEnergy));
        EXPECT_EQ(ResultCell(row, ResultCost), FormatFloat("#########0.00", *r.yearlyCost));
        EXPECT_EQ(ResultCell(row, ResultCo2), FormatFloat("#########0.0", *r.yearlyCo2));
        // The regulation's criterion also names the row that applied, "(poz. N)".
        EXPECT_TRUE(ResultCell(row, ResultGoverning)
                        .startsWith(PipeSizingWindow::ResultColumnLabels()[2 * int(*r.governing)]));
        EXPECT_FALSE(ResultCell(row, ResultSize).isEmpty());
        EXPECT_EQ(*model->Result(row).numbers[ResultLoss],
                  double(TextToFloat(ResultCell(row, ResultLoss))));
    }
}

TEST_F(Schedule, RefusedRunKeepsItsInputsAndPointsAtTheField) {
    struct Case {
        const char* fields;
        int input;
        QString message;
    };
    const Case cases[] = {
        {"20\t60\tx\t22\t20\tM1\t9\tC1\t\t\t\t10\t5000\t0.5\t0.7", SizingHumidity,
         messages::CalculationError + "'x' is not a valid floating point value"},
        {"20\t60\t50\t22\t20\tStyropian XPS\t9\tC1\t\t\t\t10\t5000\t0.5\t0.7", SizingMaterial,
         messages::UnknownMaterial.arg(QStringLiteral("Styropian XPS"))},
        {"20\t60\t50\t22\t20\tM1\t9\tPrzewod w scianie\t\t\t\t10\t5000\t0.5\t0.7", SizingCase,
         messages::UnknownPipeCase.arg(QStringLiteral("Przewod w scianie"))},
        {"20\t60\t50\t22\t20\tM1\t9\tC1\t\t\t\t-1\t5000\t0.5\t0.7", SizingLength,
         QStringLiteral("Dlugosc rury: dozwolone od 0.001 do 1000000 m")},
        {"20\t60\t50\t22\t20\t\t9\tC1\t\t\t\t1\t5000\t0.5\t0.7", SizingMaterial,
         messages::NoMaterial},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields);
        const ProjectRun run = MakeRun(QStringLiteral("X"), QString::fromUtf8(c.fields));
        Load({run});
        const RunResult& result = model->Result(0);
        EXPECT_FALSE(result.sized);
        EXPECT_EQ(result.faultInput, c.input);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(model->Run(0), run);
        const int column = ProjectModel::FirstInputColumn + c.input;
        EXPECT_EQ(Cell(0, column, Qt::ToolTipRole), c.message);
        EXPECT_EQ(Cell(0, column, Qt::AccessibleDescriptionRole), c.message);
        EXPECT_TRUE(model->data(model->index(0, column), ProjectModel::FaultRole).toBool());
        EXPECT_FALSE(model->data(model->index(0, 0), ProjectModel::FaultRole).toBool());
        EXPECT_EQ(ResultCell(0, ResultThickness), QString());
        EXPECT_EQ(Cell(0, ProjectModel::FirstResultColumn, Qt::ToolTipRole), c.message);
    }
}

TEST_F(SmallSchedule, EditSizesOnlyTheEditedRunAndTheTotalsFollow) {
    int totalsSignals = 0;
    QObject::connect(model.get(), &ProjectModel::totalsChanged, [&] { ++totalsSignals; });
    const long long before = model->SizingCount();
    const double length = model->Totals().length;
    ASSERT_TRUE(model->setData(model->index(0, 1 + SizingLength), QStringLiteral("20")));
    EXPECT_EQ(model->SizingCount(), before + 1);
    EXPECT_EQ(totalsSignals, 1);
    EXPECT_DOUBLE_EQ(model->Totals().length, length + 10);
    EXPECT_EQ(ResultCell(0, ResultLoss), QStringLiteral("152.41"));
    // The mark is no input of the sizing.
    model->setData(model->index(0, 0), QStringLiteral("CO-zas-01"));
    EXPECT_EQ(model->SizingCount(), before + 1);
    EXPECT_EQ(Cell(0, 0), QStringLiteral("CO-zas-01"));
    // A refused run becomes sized once its field is mended.
    model->setData(model->index(4, 1 + SizingHumidity), QStringLiteral("50"));
    EXPECT_TRUE(model->Result(4).sized);
    EXPECT_EQ(model->SizingCount(), before + 2);
    // Result cells take no typing.
    EXPECT_FALSE(model->setData(model->index(0, ProjectModel::FirstResultColumn), "1"));
    EXPECT_FALSE(model->flags(model->index(0, ProjectModel::FirstResultColumn)) &
                 Qt::ItemIsEditable);
}

// Worked out from the runs' shown figures: E is refused, D needs more than any size.
TEST_F(SmallSchedule, TotalsAndBillOfMaterialsByHand) {
    const ProjectTotals t = model->Totals();
    EXPECT_EQ(t.runs, 5);
    EXPECT_NEAR(t.length, 10 + 2.6 + 7.25 + 12.5 + 10, 1e-9);
    EXPECT_NEAR(t.loss, 76.20 + 19.81 + 51.94 + 33.26 + 77.04, 1e-9);
    EXPECT_NEAR(t.energy, 381.0 + 99.1 + 259.7 + 166.3 + 385.2, 1e-9);
    EXPECT_NEAR(t.cost, 190.51 + 49.53 + 129.84 + 83.16 + 192.61, 1e-9);
    EXPECT_NEAR(t.co2, 266.7 + 69.3 + 181.8 + 116.4 + 269.7, 1e-9);

    const QString m1 = configured.Catalogue.MaterialNames[0];
    const QString m2 = configured.Catalogue.MaterialNames[1];
    const std::vector<BillEntry> bill = model->Bill();
    ASSERT_EQ(bill.size(), 3u);
    const auto expect = [](const BillEntry& e, const QString& material, const char* size, int runs,
                           double length, double withAllowance) {
        EXPECT_EQ(e.material, material);
        EXPECT_EQ(e.size, QString::fromUtf8(size));
        EXPECT_EQ(e.runs, runs);
        EXPECT_NEAR(e.length, length, 1e-9);
        EXPECT_DOUBLE_EQ(e.lengthWithAllowance, withAllowance);
    };
    expect(bill[0], m1, "KV-25/22", 2, 12.6, 13.9); // 13.86
    expect(bill[1], m1, "KV-40/28", 1, 7.25, 8.0);  // 7.975
    expect(bill[2], m2, "KV-32/22", 1, 10, 11.0);

    const std::vector<UnsizedRun> apart = model->Unsized();
    ASSERT_EQ(apart.size(), 1u);
    EXPECT_EQ(apart[0].mark, QStringLiteral("D"));
    EXPECT_EQ(apart[0].material, m1);
    EXPECT_EQ(apart[0].thickness, QStringLiteral("59.6"));
    EXPECT_DOUBLE_EQ(apart[0].length, 12.5);

    // The allowance is one of the project's fields, undone like the others.
    const ProjectEdit undo =
        model->Apply(model->FieldEdit(ProjectEdit::Field::Which::Allowance, QStringLiteral("25")));
    EXPECT_DOUBLE_EQ(model->Bill()[0].lengthWithAllowance, 15.8); // 15.75 + a hair of 1.25
    EXPECT_DOUBLE_EQ(model->Bill()[2].lengthWithAllowance, 12.5);
    model->Apply(undo);
    EXPECT_DOUBLE_EQ(model->Project().allowance, 10);
}

// Every edit undone gives the project back as it was, and redone gives the edited one.
TEST_F(SmallSchedule, EveryEditUndoesAndRedoes) {
    using Which = ProjectEdit::Field::Which;
    ProjectEdit cells;
    cells.kind = ProjectEdit::Kind::Cells;
    cells.cells = {{1, 0, "B-1"},
                   {1, 1 + SizingLength, "3"},
                   {3, 1 + SizingMedium, "70"},
                   {1, 1 + SizingLength, "4"}};
    ProjectEdit fields;
    fields.kind = ProjectEdit::Kind::Fields;
    fields.fields = {{Which::Name, -1, "Szpital"},
                     {Which::Company, -1, "Instal"},
                     {Which::Remarks, -1, "uwagi"},
                     {Which::Default, SizingHours, "8760"}};
    const std::vector<std::pair<const char*, ProjectEdit>> edits = {
        {"cells", cells},
        {"insert", model->InsertEdit(2, {model->NewRun(), model->Run(0)})},
        {"remove apart", model->RemoveEdit({4, 0, 2})},
        {"move down", model->MoveEdit(1, 2, 3)},
        {"move up", model->MoveEdit(3, 3, -2)},
        {"duplicate", model->DuplicateEdit({5, 1})},
        {"fields", fields},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        const ProjectData before = model->Project();
        const std::vector<QString> sizesBefore = [&] {
            std::vector<QString> sizes;
            for (int r = 0; r < model->rowCount(); ++r)
                sizes.push_back(model->Result(r).logLine);
            return sizes;
        }();
        ASSERT_FALSE(edit.IsNone());
        const ProjectEdit undo = model->Apply(edit);
        const ProjectData after = model->Project();
        EXPECT_NE(after, before);
        const ProjectEdit redo = model->Apply(undo);
        EXPECT_EQ(model->Project(), before);
        for (int r = 0; r < model->rowCount(); ++r)
            EXPECT_EQ(model->Result(r).logLine, sizesBefore[std::size_t(r)]) << r;
        model->Apply(redo);
        EXPECT_EQ(model->Project(), after);
        model->Apply(undo);
    }
    // Moved rows carry their results with them.
    const QString first = model->Result(0).logLine;
    model->Apply(model->MoveEdit(0, 1, 2));
    EXPECT_EQ(model->Result(2).logLine, first);
    EXPECT_EQ(model->Run(2).mark, QStringLiteral("A"));
    EXPECT_TRUE(model->MoveEdit(0, 1, -1).IsNone());
    EXPECT_TRUE(model->MoveEdit(5, 1, 1).IsNone());
}

TEST_F(SmallSchedule, EditsGoToTheSinkWhenOneIsSet) {
    std::vector<ProjectEdit> sunk;
    model->SetEditSink([&](const ProjectEdit& edit) { sunk.push_back(edit); });
    model->setData(model->index(0, 1 + SizingLength), QStringLiteral("20"));
    ASSERT_EQ(sunk.size(), 1u);
    EXPECT_EQ(model->Run(0).inputs[SizingLength], QStringLiteral("10"));
    model->Apply(sunk[0]);
    EXPECT_EQ(model->Run(0).inputs[SizingLength], QStringLiteral("20"));
}

TEST_F(SmallSchedule, PasteTakesEitherDecimalMarkAndRefusesAWrongLine) {
    const QString m1 = configured.Catalogue.MaterialNames[0];
    const QString c1 = configured.Catalogue.RegulationNames[0];
    const QString line = QStringLiteral("P%1\t20\t60\t50\t22\t20\t") + m1 +
                         QStringLiteral("\t9\t") + c1 +
                         QStringLiteral("\t\t\t\t%2\t5000\t0,5\t0.7");
    const QString block =
        line.arg(1).arg("2,5") + "\r\n" + line.arg(2).arg("3") + "\n\n" + line.arg(3).arg("4.5");
    const auto paste = model->PasteEdit(1, block);
    ASSERT_TRUE(std::holds_alternative<ProjectEdit>(paste));
    model->Apply(std::get<ProjectEdit>(paste));
    ASSERT_EQ(model->rowCount(), 9);
    EXPECT_EQ(model->Run(1).mark, QStringLiteral("P1"));
    EXPECT_EQ(model->Run(1).inputs[SizingLength], QStringLiteral("2.5"));
    EXPECT_EQ(model->Run(1).inputs[SizingPrice], QStringLiteral("0.5"));
    EXPECT_EQ(model->Run(3).mark, QStringLiteral("P3"));
    EXPECT_TRUE(model->Result(1).sized);
    EXPECT_EQ(model->Run(4).mark, QStringLiteral("B"));

    const ProjectData before = model->Project();
    const auto refused = model->PasteEdit(0, line.arg(4).arg(1) + "\n" + line.arg(5).arg(1) +
                                                 QStringLiteral("\textra"));
    ASSERT_TRUE(std::holds_alternative<QString>(refused));
    EXPECT_EQ(std::get<QString>(refused), messages::PasteFieldCount.arg(2).arg(16).arg(17));
    EXPECT_EQ(model->Project(), before);
}

// Copied rows paste back as the same runs; the spreadsheet flavour carries the user's mark.
TEST_F(SmallSchedule, CopiedRowsInBothFlavoursAndBackAsRuns) {
    const QStringList lines = model->CopyLines({0, 4});
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Oznaczenie\tTemp otoczenia\t")));
    EXPECT_EQ(lines[1], QStringLiteral("A\t") + model->Result(0).logLine);
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("\t! ") + model->Result(4).message));
    const QString plain = ProjectModel::PlainText(lines);
    EXPECT_EQ(plain.count(QStringLiteral("\r\n")), 3);
    const CopiedRows copied = CopyProjectRows(*model, {0, 4}, QLocale(QLocale::Polish));
    EXPECT_EQ(copied.text, plain);
    EXPECT_TRUE(copied.html.contains(QStringLiteral(">76,20<"))) << copied.html.toStdString();
    EXPECT_TRUE(copied.html.contains(QStringLiteral(">KV-25/22<")));

    const auto pasted = model->PasteEdit(6, plain);
    ASSERT_TRUE(std::holds_alternative<ProjectEdit>(pasted));
    model->Apply(std::get<ProjectEdit>(pasted));
    ASSERT_EQ(model->rowCount(), 8);
    EXPECT_EQ(model->Run(6), model->Run(0));
    EXPECT_EQ(model->Run(7), model->Run(4));
}

} // namespace
