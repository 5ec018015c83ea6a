#include "output/ProjectSpreadsheet.h"
#include "RecordingPrompts.h"
#include "TestCatalogue.h"
#include "shell/Messages.h"
#include "shell/Session.h"
#include "workspace/ProjectModel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvara;

namespace {

// The cells themselves are read by openpyxl and LibreOffice (tests/spreadsheet); here the file
// is written whole or not at all.
TEST(ProjectSpreadsheet, WrittenWholeOrNotAtAll) {
    Session configured;
    test::RecordingPrompts prompts;
    test::LoadShippedData(configured, prompts, QStringLiteral(KELVARA_TEST_DATA_DIR));
    ProjectModel model(configured);
    ProjectData project = model.Project();
    project.runs.push_back(model.NewRun());
    model.SetProject(project);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zestawienie.xlsx"));
    QString message;
    ASSERT_TRUE(WriteProjectSpreadsheet(path, model, message)) << message.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("PK\x03\x04"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"zestawienie.xlsx"});

    const QString nowhere = dir.filePath(QStringLiteral("brak/zestawienie.xlsx"));
    EXPECT_FALSE(WriteProjectSpreadsheet(nowhere, model, message));
    EXPECT_TRUE(message.startsWith(
        messages::SpreadsheetNotSaved.arg(QStringLiteral("zestawienie.xlsx"), QString())));
    EXPECT_GT(message.size(), messages::SpreadsheetNotSaved.arg("zestawienie.xlsx", "").size());
    EXPECT_FALSE(QFile::exists(nowhere));
}

} // namespace
