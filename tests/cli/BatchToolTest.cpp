#include "QtPrinters.h"
#include "RecordingPrompts.h"
#include "shell/ConfigurationLoader.h"
#include "shell/Session.h"
#include "workspace/CalculationWindow.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvara;

namespace {

const QString DataDir = QStringLiteral(KELVARA_TEST_DATA_DIR);

struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

CliRun RunCli(const QStringList& args, const QByteArray& input) {
    QProcess process;
    process.start(DataDir + QStringLiteral("/kelvara-cli"), args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// What a user gets in the program for the same inputs: the log line, or the last message.
QString InProgram(const QStringList& fields, const QString& material,
                  std::optional<float> userLambda) {
    Session session;
    test::RecordingPrompts prompts;
    LoadConfiguration(session, prompts, DataDir + QStringLiteral("/Kelvara.ini"), DataDir, {});
    session.CalculationType = CalculationType::PipeHeatLoss;
    CalculationWindow window(session, prompts);
    window.TntFormShow();
    for (int i = 0; i < fields.size(); ++i)
        if (i != 5)
            window.Input(i).SetParaLineEditText(fields[i]);
    prompts.userConductivity = userLambda;
    const qsizetype index = session.Catalogue.MaterialNames.indexOf(material);
    if (index >= 0)
        window.Input(5).ChooseMaterial(int(index));
    prompts.messages.clear();
    if (window.Button1Click())
        return window.ResultLog.last();
    return QStringLiteral("! ") + prompts.messages.back().text;
}

struct Case {
    const char* name;
    const char* line;     // as fed to the tool
    const char* material; // as chosen in the program
    float userLambda;     // 0: none typed
};

class BatchMatchesTheProgram : public testing::TestWithParam<Case> {};

TEST_P(BatchMatchesTheProgram, FieldForField) {
    const Case& c = GetParam();
    const QString line = QString::fromUtf8(c.line);
    const CliRun run = RunCli({QStringLiteral("pipe-heatloss")}, line.toUtf8() + '\n');
    QStringList fields = line.split(u'\t');
    const QString expected =
        InProgram(fields, QString::fromUtf8(c.material),
                  c.userLambda > 0 ? std::optional<float>(c.userLambda) : std::nullopt);
    EXPECT_EQ(run.out, expected + u'\n');
    EXPECT_EQ(run.exitCode, expected.startsWith(QStringLiteral("! ")) ? 1 : 0)
        << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    PipeHeatLoss, BatchMatchesTheProgram,
    testing::Values(
        Case{"Insulated", "25\t-5\t25.4\t20\t1\tKauczuk syntetyczny KV-Flex \t9\t0.5",
             "Kauczuk syntetyczny KV-Flex", 0},
        Case{"NameWithoutBlank", "25\t-5\t25.4\t20\t1\tPianka PIR\t9\t0.5", "Pianka PIR", 0},
        Case{"Bare", "25\t-5\t25.4\t0\t1\tPianka PIR\t9\t0.5", "Pianka PIR", 0},
        Case{"HotMedium", "20\t90\t33.7\t30\t10\tWelna mineralna (otuliny) \t7\t0.45",
             "Welna mineralna (otuliny)", 0},
        Case{"UserConductivity", "25\t-5\t25.4\t20\t1\twspólczynnik k 0.0400\t9\t0.5",
             "wspólczynnik k", 0.04f},
        Case{"NoMaterial", "25\t-5\t25.4\t20\t1\t\t9\t0.5", "", 0},
        Case{"UnknownMaterial", "25\t-5\t25.4\t20\t1\tBeton\t9\t0.5", "Beton", 0},
        Case{"TooHot", "25\t120\t25.4\t20\t1\tKauczuk syntetyczny KV-Flex\t9\t0.5",
             "Kauczuk syntetyczny KV-Flex", 0},
        Case{"ThinPipe", "25\t-5\t0.9\t20\t1\tPianka PIR\t9\t0.5", "Pianka PIR", 0},
        Case{"PriceTooHigh", "25\t-5\t25.4\t20\t1\tPianka PIR\t9\t1000001", "Pianka PIR", 0},
        Case{"NotANumber", "25\t-5\t25,4\t2O\t1\tPianka PIR\t9\t0.5", "Pianka PIR", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatchTool, WarningsGoToStandardErrorWithTheLine) {
    const CliRun run = RunCli({QStringLiteral("2")},
                              "\n25\t-60\t25.4\t20\t1\tKauczuk syntetyczny KV-Flex\t9\t0.5\r\n"
                              "25\t-5\t25.4\t20\t1\twspólczynnik k abc\t9\t0.5\t\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.count(u'\n'), 2);
    EXPECT_TRUE(run.out.split(u'\n')[1].contains(QStringLiteral("\twspólczynnik k 0.0360\t")));
    EXPECT_EQ(run.err,
              QStringLiteral("line 2: Temperatura medium jest za niska dla wybranego materialu \n"
                             "line 3: Wprowadz wlasciwe dane\n"));
}

TEST(BatchTool, CopiedResultListFeedsBack) {
    const CliRun first = RunCli({QStringLiteral("--header"), QStringLiteral("pipe-heatloss")},
                                "25\t-5\t25.4\t20\t1\tPianka PIR\t9\t0.5\n");
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_TRUE(first.out.startsWith(
        QStringLiteral("Obliczanie strat ciepla w rurociagu\nTemp otoczenia\t")));
    const CliRun again =
        RunCli({QStringLiteral("--header"), QStringLiteral("pipe-heatloss")}, first.out.toUtf8());
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(again.out, first.out);
}

TEST(BatchTool, DecimalCommaForTheNumbersOnly) {
    const QByteArray input = "25\t-5\t25.4\t20\t1\twspólczynnik k 0.04\t9\t0.5\n";
    const CliRun plain = RunCli({QStringLiteral("pipe-heatloss")}, input);
    const CliRun comma =
        RunCli({QStringLiteral("--decimal-comma"), QStringLiteral("pipe-heatloss")}, input);
    ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    ASSERT_EQ(comma.exitCode, 0) << comma.err.toStdString();
    EXPECT_TRUE(plain.out.startsWith(
        QStringLiteral("25\t-5\t25.4\t20.000\t1\twspólczynnik k 0.0400\t9\t0.5\t0.0400\t")))
        << plain.out.toStdString();
    QStringList fields = plain.out.split(u'\t');
    for (QString& field : fields)
        if (field != QStringLiteral("wspólczynnik k 0.0400"))
            field.replace(u'.', u',');
    EXPECT_EQ(comma.out, fields.join(u'\t'));
    // The comma list reads back as it is.
    const CliRun again =
        RunCli({QStringLiteral("--decimal-comma"), QStringLiteral("2")}, comma.out.toUtf8());
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(again.out, comma.out);
}

struct TypeLine {
    const char* type;
    const char* line;
    const char* start; // the printed line starts with it
};

class EveryType : public testing::TestWithParam<TypeLine> {};

TEST_P(EveryType, RunsAndFeedsItsOwnOutputBack) {
    const TypeLine& c = GetParam();
    const CliRun first = RunCli({QString::fromUtf8(c.type)}, QByteArray(c.line) + '\n');
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString() << first.out.toStdString();
    EXPECT_TRUE(first.out.startsWith(QString::fromUtf8(c.start))) << first.out.toStdString();
    EXPECT_FALSE(first.out.contains(QStringLiteral("nan")) ||
                 first.out.contains(QStringLiteral("inf")));
    const CliRun again = RunCli({QString::fromUtf8(c.type)}, first.out.toUtf8());
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(again.out, first.out);
}

INSTANTIATE_TEST_SUITE_P(
    Types, EveryType,
    testing::Values(
        TypeLine{"pipe-condensation", "25\t-5\t25.4\tKauczuk syntetyczny KV-Flex\t9\t80",
                 "25\t-5\t25.4\tKauczuk syntetyczny KV-Flex \t9\t80\t21.30\t"},
        TypeLine{"pipe-surface", "25\t-5\t25.4\t20\tPianka PIR\t9",
                 "25\t-5\t25.4\t20\tPianka PIR \t9\t"},
        TypeLine{
            "pipe-temperature-drop",
            "20\t80\t1000\t4180\t1[m/s]\t50\t20\t100\twspólczynnik k 0.036\t9",
            "20\t80\t1000\t4180\t1[m/s]\t50\t20\t100\twspólczynnik k 0.0360\t9\t0.0360\t0.24\t"},
        TypeLine{"pipe-temperature-drop",
                 "20\t80\t1000\t4180\t10[gal/min]\t50\t20\t100\tPianka PIR\t9",
                 "20\t80\t1000\t4180\t10[gal/min]\t"},
        TypeLine{
            "pipe-freezing", "-10\t5\t1000\t4180\t0\t335\t20\t25.4\t10\twspólczynnik k 0.036\t9",
            "-10\t5\t1000\t4180\t0[°C]\t335\t20\t25.4\t10\twspólczynnik k 0.0360\t9\t3.95\t6 mm : "
            "3.14\t13 mm : 4.50\t"},
        TypeLine{"sheet-condensation", "25\t-5\tPianka PIR\t9\t80",
                 "25\t-5\tPianka PIR \t9\t80\t21.30\t"},
        TypeLine{"sheet-condensation", "25\t-5\tPianka PIR\t9\t0",
                 "25\t-5\tPianka PIR\t9\t0\t-109.80\t-/-\t-/-\t"},
        TypeLine{"sheet-heatloss", "20\t80\t20\t1\twspólczynnik k 0.036\t9\t0.5",
                 "20\t80\t20.000\t1\twspólczynnik k 0.0360\t9\t0.5\t0.0360\t1.500\t-90.000\t"},
        TypeLine{"sheet-surface", "20\t80\t20\twspólczynnik k 0.036\t9",
                 "20\t80\t20\twspólczynnik k 0.0360\t9\t0.0360\t30.00\t"}));

TEST(BatchTool, FlowWithoutAKnownUnitIsRefused) {
    const CliRun run =
        RunCli({QStringLiteral("3")}, "20\t80\t1000\t4180\t1[m/h]\t50\t20\t100\tPianka PIR\t9\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QStringLiteral("! prosze wybrac jednostke przeplywu przed obliczeniami\n"));
}

TEST(BatchTool, UsageAndShapeErrors) {
    EXPECT_EQ(RunCli({}, {}).exitCode, 2);
    EXPECT_EQ(RunCli({QStringLiteral("pipe-nothing")}, {}).exitCode, 2);
    EXPECT_EQ(RunCli({QStringLiteral("8")}, {}).exitCode, 2);
    const CliRun help = RunCli({QStringLiteral("--help")}, {});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: kelvara-cli")));
    const CliRun shape = RunCli({QStringLiteral("pipe-heatloss")},
                                "25\t-5\t25.4\t20\t1\tPianka PIR\t9\t0.5\n25\t-5\n");
    EXPECT_EQ(shape.exitCode, 2);
    EXPECT_EQ(shape.out.count(u'\n'), 1);
    EXPECT_TRUE(shape.err.contains(QStringLiteral("line 2")));
}

TEST(BatchTool, ConfigurationFailureEndsTheRun) {
    QTemporaryDir dir;
    QFile ini(dir.filePath(QStringLiteral("Kelvara.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Material]\nMat1=A;x;0;0;1\n");
    ini.close();
    const CliRun run =
        RunCli({QStringLiteral("--data-dir"), dir.path(), QStringLiteral("2")}, "25\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral(
        "blad wczytywania Inifile! Error: 'x' is not a valid floating point value")));
}

} // namespace

namespace {

// The results of a pipe-sizing line, after its fifteen input fields.
QStringList SizingResults(const QString& printed) {
    QStringList fields = printed.trimmed().split(u'\t');
    return fields.mid(15);
}

struct SizingCase {
    const char* name;
    const char* line;
    // condensation, regulation, surface, heat loss (thickness, size), governing, its thickness
    const char* results;
};

class PipeSizingBatch : public testing::TestWithParam<SizingCase> {};

TEST_P(PipeSizingBatch, CriteriaAsTheWindowShowsThem) {
    const CliRun run = RunCli({QStringLiteral("pipe-sizing")}, QByteArray(GetParam().line) + '\n');
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(SizingResults(run.out).mid(0, 11).join(u'|'), QString::fromUtf8(GetParam().results));
}

// Worked out as in the engine's sizing cases, with the shipped catalogue: mineral wool
// 0.033 + 0.00018 θ, rubber 0.033 + 0.0001 θ; sizes from the shipped pipe table.
INSTANTIATE_TEST_SUITE_P(
    HandChecked, PipeSizingBatch,
    testing::Values(
        // Wool λ40 0.0402: row 3's 54.5 mm on 60.3 mm is 68.53 mm; λ45 0.0411: 25 °C at the
        // surface needs 29.74 mm; 20 W/m needs 22.58 mm.
        SizingCase{"hot_by_position",
                   "20\t70\t50\t60.3\t54.5\t4\t9\t3\t25\t20\t\t10\t5000\t0.5\t0.7",
                   "-/-|-/-|68.5|patrz Pomoc|29.8|KV-32/60.3|22.6|KV-25/60.3|"
                   "minimum wg warunkow technicznych|68.5|patrz Pomoc"},
        // Chilled water inside, half of row 2 (15 mm) at rubber λ40 0.037: 16.23 mm; 2 K over
        // the dew point of 25 °C / 85 % needs 53.02 mm; no limits.
        SizingCase{"cold_margin_by_text",
                   "25\t5\t85\t28\t25.6\tKauczuk syntetyczny KV-Flex\t9\tPrzewody wody lodowej "
                   "prowadzone wewnatrz budynku\t\t\t2\t20\t4000\t0.6\t0.7",
                   "53.0|patrz Pomoc|16.2|KV-19/28|||||zabezpieczenie przed kondensacja|53.0|"
                   "patrz Pomoc"}),
    [](const testing::TestParamInfo<SizingCase>& info) { return info.param.name; });

TEST(PipeSizingBatchTool, ListFieldsByTextOrPositionAndFedBack) {
    const QByteArray byPosition = "20\t70\t50\t60.3\t54.5\t4\t9\t3\t25\t\t\t10\t5000\t0.5\t0.7\n";
    const CliRun first = RunCli({QStringLiteral("pipe-sizing")}, byPosition);
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    // The printed line names the lists by text; fed back, whole, it prints itself.
    const CliRun again = RunCli({QStringLiteral("pipe-sizing")}, first.out.toUtf8());
    EXPECT_EQ(again.out, first.out);
    EXPECT_TRUE(first.out.startsWith(
        QStringLiteral("20\t70\t50\t60.3\t54.5\tWelna mineralna (otuliny) \t9\tSrednica")));
    // Unused limits stay empty.
    EXPECT_EQ(SizingResults(first.out).mid(6, 2), (QStringList{QString(), QString()}));
}

TEST(PipeSizingBatchTool, RefusalsAndShape) {
    const CliRun refused =
        RunCli({QStringLiteral("pipe-sizing")},
               "20\t70\t50\t28\t30\t4\t9\t3\t\t\t\t10\t5000\t0.5\t0.7\n"    // inner over outer
               "20\t70\t50\t28\t25\t99\t9\t3\t\t\t\t10\t5000\t0.5\t0.7\n"   // no such material
               "20\t70\t50\t28\t25\t4\t9\t12\t\t\t\t10\t5000\t0.5\t0.7\n"); // no such case
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, QStringLiteral("! Wprowadz wlasciwe dane\n"
                                          "! Przed obliczeniami prosze podac typ materialu.\n"
                                          "! Wprowadz wlasciwe dane\n"));
    const CliRun shape = RunCli({QStringLiteral("pipe-sizing")}, "20\t70\n");
    EXPECT_EQ(shape.exitCode, 2);
    EXPECT_TRUE(shape.err.contains(QStringLiteral("line 1: expected 15 fields")));
}

} // namespace

namespace {

// The runs of a project print what pipe-sizing prints for their fields, after their marks.
TEST(ProjectBatchTool, RunsPrintThePipeSizingLinesThenTotalsAndBill) {
    const QStringList fields = {
        "20\t70\t50\t60.3\t54.5\t4\t9\t3\t25\t20\t\t10\t5000\t0.5\t0.7",
        "25\t5\t85\t28\t25.6\tKauczuk syntetyczny KV-Flex\t9\tPrzewody wody lodowej prowadzone "
        "wewnatrz budynku\t\t\t2\t20\t4000\t0.6\t0.7",
        "20\t60\t50\t22\t20\t1\t9\t1\t\t\t\t10\t5000\t0.5\t0.7",
        "20\t60\t50\t22\t20\t1\t9\t2\t\t\t\t2.6\t5000\t0.5\t0.7",
        "20\t60\t50\t22\t20\twspólczynnik k 0.0400\t9\t1\t\t\t\t3\t5000\t0.5\t0.7",
        "20\t70\t50\t28\t30\t4\t9\t3\t\t\t\t10\t5000\t0.5\t0.7",
    };
    QByteArray runs, cases;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        runs += QStringLiteral("R-%1\t%2\n").arg(i + 1).arg(fields[i]).toUtf8();
        cases += fields[i].toUtf8() + '\n';
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("instalacja.kelvara"));
    const CliRun created = RunCli({"project", "--new", file}, runs);
    ASSERT_EQ(created.exitCode, 0) << created.err.toStdString();
    const CliRun sizing = RunCli({QStringLiteral("pipe-sizing")}, cases);
    const QString xlsx = dir.filePath(QStringLiteral("instalacja.xlsx"));
    const CliRun project = RunCli({"project", file, "--xlsx", xlsx}, {});
    EXPECT_EQ(project.exitCode, 1); // the last run is refused
    const QStringList sized = sizing.out.split(u'\n');
    const QStringList lines = project.out.split(u'\n');
    ASSERT_GE(lines.size(), fields.size() + 2);
    for (qsizetype i = 0; i < fields.size(); ++i)
        EXPECT_EQ(lines[i], QStringLiteral("R-%1\t").arg(i + 1) + sized[i]) << i;
    EXPECT_TRUE(lines[fields.size()].startsWith(QStringLiteral("Suma\t5\t45.6\t")))
        << lines[fields.size()].toStdString();
    EXPECT_TRUE(project.out.contains(
        QStringLiteral("\nKauczuk syntetyczny KV-Flex\tKV-25/22\t2\t12.6\t13.9\n")));
    EXPECT_TRUE(project.out.contains(QStringLiteral("\npatrz Pomoc\tR-1\t")));
    EXPECT_TRUE(QFileInfo(xlsx).size() > 0);

    // A spreadsheet reading a decimal comma gets one.
    const CliRun comma = RunCli({"--decimal-comma", "project", file}, {});
    EXPECT_TRUE(comma.out.contains(QStringLiteral("\t12,6\t13,9\n")));
}

TEST(ProjectBatchTool, FilesThatCannotBeReadOrWritten) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("p.kelvara"));
    const QByteArray line = "A\t20\t60\t50\t22\t20\t1\t9\t1\t\t\t\t10\t5000\t0.5\t0.7\n";
    ASSERT_EQ(RunCli({"project", "--new", file}, line).exitCode, 0);
    const QByteArray before = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const CliRun again = RunCli({"project", "--new", file}, line + line);
    EXPECT_EQ(again.exitCode, 2);
    EXPECT_EQ(again.err, QStringLiteral("kelvara-cli: p.kelvara: plik juz istnieje\n"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);

    const CliRun shape =
        RunCli({"project", "--new", dir.filePath("q.kelvara")}, line + "B\t20\t60\n");
    EXPECT_EQ(shape.exitCode, 2);
    EXPECT_EQ(shape.err, QStringLiteral("kelvara-cli: Wiersz 2: oczekiwano 16 pol, jest 3. Nic "
                                        "nie wklejono.\n"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("q.kelvara")));

    const CliRun missing = RunCli({"project", dir.filePath("brak.kelvara")}, {});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.startsWith(
        QStringLiteral("kelvara-cli: Nie mozna otworzyc projektu brak.kelvara: ")));
    EXPECT_TRUE(missing.out.isEmpty());
}

} // namespace
