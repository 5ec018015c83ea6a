#include "workspace/ProjectFile.h"
#include "RecordingPrompts.h"
#include "TestCatalogue.h"
#include "shell/Messages.h"
#include "shell/Session.h"
#include "workspace/ProjectModel.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace kelvara;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

ProjectData SampleProject() {
    ProjectData p;
    p.name = QStringLiteral("Szpital – budynek B");
    p.company = QStringLiteral("Instal Sp. z o.o.");
    p.remarks = QStringLiteral("uwagi\nw dwoch wierszach");
    p.allowance = 12.5;
    p.defaults[SizingAmbient] = QStringLiteral("20");
    ProjectRun run{QStringLiteral("CO-zas-01"), {}};
    run.inputs = {
        "20", "60", "50",   "22",  "20", "Pianka z przyszlosci", "9", "Przewod na Marsie", "", "",
        "",   "10", "5000", "0.5", "0.7"};
    p.runs = {run, run};
    p.runs[1].mark = QStringLiteral("CO-zas-02");
    p.runs[1].inputs[SizingLength] = QStringLiteral("2,5");
    return p;
}

class ProjectFileTest : public testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QTemporaryDir dir;
};

// What a user stored comes back as it was, even entries the catalogue no longer has; the run
// is refused naming the entry, and saving again writes the same bytes.
TEST_F(ProjectFileTest, RoundTripKeepsUnknownEntriesAndWritesThemBack) {
    const QString path = Path("projekt.kelvara");
    QString message;
    ASSERT_TRUE(SaveProject(path, SampleProject(), message)) << message.toStdString();
    const QByteArray written = ReadAll(path);
    EXPECT_TRUE(written.contains("\"format\": \"kelvara-project\""));
    EXPECT_TRUE(written.contains("\"version\": 1"));
    EXPECT_FALSE(written.contains("KV-")); // no results in the file

    const std::optional<ProjectData> loaded = LoadProject(path, message);
    ASSERT_TRUE(loaded) << message.toStdString();
    EXPECT_EQ(*loaded, SampleProject());

    Session configured;
    test::RecordingPrompts prompts;
    test::LoadShippedData(configured, prompts, QStringLiteral(KELVARA_TEST_DATA_DIR));
    ProjectModel model(configured);
    model.SetProject(*loaded);
    EXPECT_EQ(model.Result(0).message,
              messages::UnknownMaterial.arg(QStringLiteral("Pianka z przyszlosci")));
    EXPECT_EQ(model.Result(0).faultInput, SizingMaterial);

    ASSERT_TRUE(SaveProject(Path("znowu.kelvara"), model.Project(), message));
    EXPECT_EQ(ReadAll(Path("znowu.kelvara")), written);
}

// Files another tool wrote: numbers for inputs, fields left out.
TEST_F(ProjectFileTest, ReadsNumbersAndMissingFieldsOfOtherWriters) {
    QString reason;
    const auto project = ProjectFromJson(
        R"({"format":"kelvara-project","version":1,"runs":[{"mark":"A","length":12.5,
            "mediumTemp":-5}]})",
        reason);
    ASSERT_TRUE(project) << reason.toStdString();
    EXPECT_DOUBLE_EQ(project->allowance, 10);
    ASSERT_EQ(project->runs.size(), 1u);
    EXPECT_EQ(project->runs[0].inputs[SizingLength], QStringLiteral("12.5"));
    EXPECT_EQ(project->runs[0].inputs[SizingMedium], QStringLiteral("-5"));
    EXPECT_EQ(project->runs[0].inputs[SizingAmbient], QString());
}

TEST_F(ProjectFileTest, RefusesWhatIsNoProjectNamingFileAndReason) {
    const QByteArray good = ProjectToJson(SampleProject());
    struct Case {
        const char* name;
        QByteArray bytes;
        QString reason; // empty: only the start of the message is known
    };
    const Case cases[] = {
        {"tekst.kelvara", "Oznaczenie;Temp\nA;20\n", {}},
        {"pusty.kelvara", "", messages::ProjectCutShort},
        {"uciety.kelvara", good.left(good.size() / 2), messages::ProjectCutShort},
        {"nowszy.kelvara", R"({"format":"kelvara-project","version":2,"runs":[]})",
         messages::ProjectNewerVersion.arg(2).arg(1)},
        {"inny.kelvara", R"({"format":"arkusz","version":1,"runs":[]})",
         messages::ProjectNotProject},
        {"tablica.kelvara", "[1, 2, 3]", messages::ProjectNotProject},
        {"bez-wersji.kelvara", R"({"format":"kelvara-project","runs":[]})",
         messages::ProjectBadField.arg("version")},
        {"zly-przebieg.kelvara",
         R"({"format":"kelvara-project","version":1,"runs":[{"mark":"A","length":[1]}]})",
         messages::ProjectBadField.arg("runs[0].length")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Path(c.name);
        WriteAll(path, c.bytes);
        QString message;
        EXPECT_FALSE(LoadProject(path, message));
        const QString start = messages::ProjectNotOpened.arg(QString::fromUtf8(c.name), "");
        EXPECT_TRUE(message.startsWith(start)) << message.toStdString();
        if (!c.reason.isEmpty()) {
            EXPECT_EQ(message, messages::ProjectNotOpened.arg(QString::fromUtf8(c.name), c.reason));
        }
        EXPECT_EQ(ReadAll(path), c.bytes); // reading never changes the file
    }
    QString message;
    EXPECT_FALSE(LoadProject(Path("brak.kelvara"), message));
    EXPECT_TRUE(message.startsWith(messages::ProjectNotOpened.arg("brak.kelvara", "")));
    EXPECT_GT(message.size(), messages::ProjectNotOpened.arg("brak.kelvara", "").size());
}

#ifndef _WIN32
// The two failures below are made with POSIX means.

// A save that fails leaves the previous file as it was and tells the system's reason.
TEST_F(ProjectFileTest, FailedSaveLeavesThePreviousFile) {
    const QString folder = Path("tylko-do-odczytu");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/projekt.kelvara");
    QString message;
    ASSERT_TRUE(SaveProject(path, SampleProject(), message));
    const QByteArray previous = ReadAll(path);
    ProjectData changed = SampleProject();
    changed.name = QStringLiteral("zmieniony");

    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    // The owner of every file ignores permissions; an immutable folder stops it too.
    const bool immutable =
        geteuid() == 0 && QProcess::execute(QStringLiteral("chattr"), {"+i", folder}) == 0;
    if (geteuid() == 0 && !immutable) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "no way to make a folder read-only for this user";
    }
    const bool saved = SaveProject(path, changed, message);
    if (immutable)
        QProcess::execute(QStringLiteral("chattr"), {"-i", folder});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(message.startsWith(messages::ProjectNotSaved.arg("projekt.kelvara", "").left(30)));
    EXPECT_TRUE(message.contains(QStringLiteral("denied")) ||
                message.contains(QStringLiteral("not permitted")))
        << message.toStdString();
    EXPECT_EQ(ReadAll(path), previous);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"projekt.kelvara"});
}

// A full disk: the write fails part way, the previous file stays whole.
TEST_F(ProjectFileTest, WriteFailingPartWayLeavesThePreviousFile) {
    const QString path = Path("projekt.kelvara");
    QString message;
    ASSERT_TRUE(SaveProject(path, SampleProject(), message));
    const QByteArray previous = ReadAll(path);
    ProjectData big = SampleProject();
    big.runs.resize(2000, big.runs[0]);

    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool ok = SaveProject(path, big, message);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ok);
    EXPECT_TRUE(message.contains(QStringLiteral("projekt.kelvara"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("large"))) << message.toStdString();
    EXPECT_EQ(ReadAll(path), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"projekt.kelvara"});
}

#endif

} // namespace
