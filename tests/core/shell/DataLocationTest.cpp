#include "shell/DataLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvara;

namespace {

// An installed tree: prefix/bin for the executables, prefix/share/kelvara for the data.
class DataLocation : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("share/kelvara")));
    }
    void Put(const QString& dir) {
        QFile file(prefix.path() + u'/' + dir + QStringLiteral("/Kelvara.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString Path(const char* dir) const { return prefix.path() + u'/' + QLatin1String(dir); }
    QTemporaryDir prefix;
};

TEST_F(DataLocation, BesideTheExecutableComesFirst) {
    Put(QStringLiteral("share/kelvara"));
    Put(QStringLiteral("bin"));
    EXPECT_EQ(FindDataDir(Path("bin")), Path("bin"));
}

TEST_F(DataLocation, ThenTheInstalledDataFolder) {
    Put(QStringLiteral("share/kelvara"));
    EXPECT_EQ(FindDataDir(Path("bin")), Path("share/kelvara"));
}

TEST_F(DataLocation, WithoutEitherTheExecutablesFolderIsReported) {
    EXPECT_EQ(FindDataDir(Path("bin")), Path("bin"));
}

} // namespace
