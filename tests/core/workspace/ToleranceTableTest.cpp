#include "shell/ToleranceTable.h"
#include "QtPrinters.h"
#include "RecordingPrompts.h"
#include "shell/Session.h"
#include "workspace/InsulationSize.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvara;

namespace {

const QByteArray Heading = "h1\nh2\nh3\nh4\n\nh6\nh7\nh8\nh9\nh10\n";

class ToleranceTableTest : public testing::Test {
protected:
    void Load(const QByteArray& body) {
        for (const QString& name : {PipeToleranceFileName, SheetToleranceFileName}) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(Heading + body);
        }
        LoadPipeToleranceTable(session, prompts, dir.path());
        LoadSheetToleranceTable(session, prompts, dir.path());
    }
    QString Pipe(float diameter, float thickness) {
        return PipeInsulationSize(session, prompts, diameter, thickness);
    }
    QString Sheet(float thickness) { return SheetInsulationSize(session, prompts, thickness); }

    QTemporaryDir dir;
    Session session;
    test::RecordingPrompts prompts;
};

TEST_F(ToleranceTableTest, BoundsAreExclusiveBelowAndInclusiveAbove) {
    Load("20;25;9;13;A 13\n\n20;25;13;19;A 19;ignored\n20;25;0;50;overlap\n25;30,5;9;13;B 13\n");
    EXPECT_TRUE(prompts.messages.empty());
    ASSERT_EQ(session.PipeToleranceTable->size(), 4u);
    EXPECT_EQ(Pipe(0.0213f, 13), QStringLiteral("A 13"));
    EXPECT_EQ(Pipe(0.0213f, 13.0001f), QStringLiteral("A 19"));
    EXPECT_EQ(Pipe(0.0213f, 9), QStringLiteral("overlap"));
    // The float of 25 mm lies just above 25, and the comparison is exact.
    EXPECT_EQ(Pipe(0.025f, 12), QStringLiteral("B 13"));
    EXPECT_EQ(Pipe(0.03f, 12), QStringLiteral("B 13"));
    EXPECT_EQ(Pipe(0.02f, 12), QStringLiteral("patrz Pomoc"));
    EXPECT_EQ(Pipe(0.0213f, 60), QStringLiteral("patrz Pomoc"));
    EXPECT_EQ(Sheet(13), QStringLiteral("A 13"));
    EXPECT_EQ(Sheet(14), QStringLiteral("A 19"));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ToleranceTableTest, AnEmptySizeTextSendsToTheHelp) {
    Load("0;100;0;10;\n");
    EXPECT_EQ(Sheet(5), QStringLiteral("patrz Pomoc"));
}

TEST_F(ToleranceTableTest, ABadFieldStopsLoadingAndKeepsThePartlyReadLine) {
    Load("0;10;0;9;ok\n0;10;x;13;bad\n0;10;13;19;never read\n");
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(
        prompts.messages[0].text,
        QStringLiteral("blad tablicy tolerancji! Error: 'x' is not a valid floating point value"));
    ASSERT_EQ(session.PipeToleranceTable->size(), 2u);
    const TToleranceLine& partial = session.PipeToleranceTable->back();
    EXPECT_EQ(partial.DiameterTo, 10.0f);
    EXPECT_EQ(partial.ThicknessFrom, 0.0f);
    EXPECT_TRUE(partial.SizeText.isEmpty());
}

TEST_F(ToleranceTableTest, ALineOfBlanksIsNotEmpty) {
    Load("0;10;0;9;ok\n   \n0;10;9;13;late\n");
    EXPECT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(Sheet(12), QStringLiteral("patrz Pomoc"));
}

TEST_F(ToleranceTableTest, ShortFileGivesAnEmptyTable) {
    for (const QString& name : {PipeToleranceFileName, SheetToleranceFileName}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("only\nheading\n");
    }
    LoadPipeToleranceTable(session, prompts, dir.path());
    ASSERT_TRUE(session.PipeToleranceTable);
    EXPECT_EQ(Pipe(0.02f, 10), QStringLiteral("patrz Pomoc"));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ToleranceTableTest, MissingFilesAreReportedAtLoadAndAtEveryLookup) {
    LoadPipeToleranceTable(session, prompts, dir.path());
    LoadSheetToleranceTable(session, prompts, dir.path());
    EXPECT_EQ(prompts.Texts(),
              (QStringList{QStringLiteral("blad tablicy tolerancji! Error: Cannot open file ") +
                               dir.filePath(PipeToleranceFileName),
                           QStringLiteral("blad tablicy tolerancji! Error: Cannot open file ") +
                               dir.filePath(SheetToleranceFileName)}));
    prompts.messages.clear();
    EXPECT_EQ(Pipe(0.02f, 10), QStringLiteral("Error!"));
    EXPECT_EQ(Sheet(10), QStringLiteral("Error!"));
    EXPECT_EQ(
        prompts.Texts(),
        (QStringList{
            QStringLiteral(
                "Nie mozna ocenic tabeli tolerancji! Error: Pipes Tolerance table not open!"),
            QStringLiteral(
                "Nie mozna ocenic tabeli tolerancji! Error: Sheets Tolerance table not open!")}));
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);
}

TEST_F(ToleranceTableTest, ShippedTablesCoverTheStandardPipes) {
    const QString data = QStringLiteral(KELVARA_TEST_DATA_DIR);
    LoadPipeToleranceTable(session, prompts, data);
    LoadSheetToleranceTable(session, prompts, data);
    EXPECT_TRUE(prompts.messages.empty());
    for (float d : {0.006f, 0.0213f, 0.0337f, 0.0603f, 0.1143f, 0.2191f})
        for (float s : {1.0f, 6.0f, 6.5f, 13.0f, 31.0f, 50.0f})
            EXPECT_NE(Pipe(d, s), QStringLiteral("patrz Pomoc")) << d << " " << s;
    EXPECT_EQ(Pipe(0.0213f, 51), QStringLiteral("patrz Pomoc"));
    EXPECT_NE(Sheet(20), QStringLiteral("patrz Pomoc"));
}

} // namespace
