#include "shell/ConfigurationLoader.h"
#include "QtPrinters.h"
#include "RecordingPrompts.h"
#include "shell/Session.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvara;

namespace {

class LoadConfigurationTest : public testing::Test {
protected:
    // Writes the file (UTF-8 with marker) and loads it.
    void Load(const QString& content, const QStringList& fonts = {}) {
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBF" + content.toUtf8());
        file.close();
        LoadConfiguration(session, prompts, IniPath(), dir.path(), fonts);
    }
    QString IniPath() const { return dir.filePath(QStringLiteral("Kelvara.ini")); }
    const Catalogues& Cat() const { return session.Catalogue; }

    QTemporaryDir dir;
    Session session;
    test::RecordingPrompts prompts;
};

void ExpectUserEntryLast(const Catalogues& cat) {
    ASSERT_FALSE(cat.MaterialNames.isEmpty());
    EXPECT_EQ(cat.MaterialNames.last(), QStringLiteral("wspólczynnik k"));
    const TMaterialRecord& r = cat.MaterialRecords.back();
    EXPECT_EQ(r.Lambda0, -99.0f);
    EXPECT_EQ(r.LambdaSlope, -99.0f);
    EXPECT_EQ(r.MinTemp, -200.0f);
    EXPECT_EQ(r.MaxTemp, 200.0f);
}

TEST_F(LoadConfigurationTest, ShippedFileLoadsCompletely) {
    const QString dataDir = QStringLiteral(KELVARA_TEST_DATA_DIR);
    ASSERT_FALSE(dataDir.isEmpty());
    LoadConfiguration(session, prompts, dataDir + QStringLiteral("/Kelvara.ini"), dataDir, {});
    EXPECT_TRUE(prompts.messages.empty()) << prompts.Texts().join(u'\n').toStdString();
    EXPECT_GE(Cat().MaterialNames.size(), 7);
    EXPECT_EQ(Cat().MaterialNames.size(), qsizetype(Cat().MaterialRecords.size()));
    ExpectUserEntryLast(Cat());
    EXPECT_EQ(Cat().CladdingNames.first(), QStringLiteral("brak"));
    EXPECT_EQ(Cat().CladdingNames.size(), qsizetype(Cat().CladdingEmissivities.size()));
    EXPECT_FLOAT_EQ(Cat().FeEmissivity, 0.44f);
    ASSERT_FALSE(Cat().MediumNames.isEmpty());
    EXPECT_EQ(Cat().MediumRecords.front().Density, 1000.0f);
    EXPECT_EQ(Cat().MediumRecords.front().SpecificHeat, 4180.0f);
    EXPECT_EQ(Cat().HelpFileList.size(), 10);
    EXPECT_TRUE(Cat().HelpFileList.last().endsWith(QStringLiteral("/dobor_izolacji.html")));
    EXPECT_TRUE(Cat().SalesAdress.contains(QStringLiteral("<CR>")));
    // The regulation's eleven rows: four by inner diameter, then the installation cases.
    ASSERT_EQ(Cat().RegulationNames.size(), 11);
    ASSERT_EQ(Cat().RegulationRows.size(), 11u);
    const auto& reg = Cat().RegulationRows;
    EXPECT_EQ(reg[0].DiameterTo, 22.0f);
    EXPECT_EQ(reg[0].Thickness, 20.0f);
    EXPECT_EQ(reg[1].DiameterFrom, 22.0f);
    EXPECT_EQ(reg[1].Thickness, 30.0f);
    EXPECT_EQ(reg[2].ThicknessPerDiameter, 1.0f);
    EXPECT_EQ(reg[2].Thickness, 0.0f);
    EXPECT_EQ(reg[3].DiameterFrom, 100.0f);
    EXPECT_EQ(reg[3].DiameterTo, 0.0f);
    EXPECT_EQ(reg[3].Thickness, 100.0f);
    for (int row : {4, 5, 9})
        EXPECT_EQ(reg[row].ShareOfDiameterRows, 0.5f) << row;
    EXPECT_EQ(reg[10].ShareOfDiameterRows, 1.0f);
    for (const auto& [row, thickness] : {std::pair{6, 6.0f}, {7, 40.0f}, {8, 80.0f}}) {
        EXPECT_EQ(reg[row].Thickness, thickness) << row;
        EXPECT_EQ(reg[row].DiameterFrom, 0.0f) << row;
        EXPECT_EQ(reg[row].DiameterTo, 0.0f) << row;
        EXPECT_EQ(reg[row].ShareOfDiameterRows, 0.0f) << row;
    }
}

TEST_F(LoadConfigurationTest, RegulationRowsTakeEitherDecimalMarkAndARemark) {
    Load(QStringLiteral("[RegulationThickness]\r\n"
                        "Reg1=do 22 mm;0;22;20;0;0\r\n"
                        "Reg2=ponad 35, do 100 mm;35;100;0;1,0;0;rowna srednicy\r\n"
                        "Reg3=woda lodowa;0;0;0;0;0,5\r\n"
                        "Reg5=po przerwie;0;0;1;0;0\r\n"));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(Cat().RegulationNames,
              (QStringList{QStringLiteral("do 22 mm"), QStringLiteral("ponad 35, do 100 mm"),
                           QStringLiteral("woda lodowa")}));
    ASSERT_EQ(Cat().RegulationRows.size(), 3u);
    EXPECT_EQ(Cat().RegulationRows[0].DiameterTo, 22.0f);
    EXPECT_EQ(Cat().RegulationRows[1].DiameterFrom, 35.0f);
    EXPECT_EQ(Cat().RegulationRows[1].ThicknessPerDiameter, 1.0f);
    EXPECT_EQ(Cat().RegulationRows[2].ShareOfDiameterRows, 0.5f);
    // Everything else of the file is unaffected by the section.
    ExpectUserEntryLast(Cat());
    EXPECT_EQ(Cat().CladdingNames, QStringList{QStringLiteral("brak")});
}

TEST_F(LoadConfigurationTest, BadRegulationRowIsReportedAndTheRestStays) {
    Load(QStringLiteral("[Material]\nMat1=A;0.04;0;-10;90\n[HelpFiles]\nHelp0=a.html\n"
                        "[RegulationThickness]\nReg1=do 22 mm;0;22;20;0;0\n"
                        "Reg2=ponad 22 mm;22;35;30;0\nReg3=do 100 mm;35;100;0;1;0\n"));
    EXPECT_EQ(prompts.Texts(),
              QStringList{QStringLiteral(
                  "blad wczytywania Inifile! Error: '' is not a valid floating point value")});
    EXPECT_EQ(prompts.messages.front().kind, MessageKind::Error);
    // As with the other lists: the failing row's name is in, its numbers are not.
    EXPECT_EQ(Cat().RegulationNames,
              (QStringList{QStringLiteral("do 22 mm"), QStringLiteral("ponad 22 mm")}));
    EXPECT_EQ(Cat().RegulationRows.size(), 1u);
    EXPECT_EQ(Cat().MaterialNames,
              (QStringList{QStringLiteral("A"), QStringLiteral("wspólczynnik k")}));
    EXPECT_EQ(Cat().HelpFileList, QStringList{dir.path() + QStringLiteral("/HELP/a.html")});
}

TEST_F(LoadConfigurationTest, EntriesAndSettings) {
    Load(QStringLiteral("[Material]\r\n"
                        "Mat1=Kauczuk;0.033;0.0001;-50;105\r\n"
                        "Mat2=Welna, otulina;0,035;0,0002;-50;250;uwaga: z remarkiem\r\n"
                        "Mat3=Piana;0.04;0.0001;-40;90;5\r\n"
                        "[Cladding]\r\nClad1=Fe;0.44\r\nClad2=Aluminium;0.13\r\n"
                        "[MediumType]\r\nMed1=Woda;1000;4180;335;0\r\n"
                        "[Global]\r\nFontName=Tahoma\r\nCurrCharSet=238\r\nSalesAdress=A<CR>B=C\r\n"
                        "ShowSurfaceTemp=1\r\nHelpFileDir=DOC\r\n"
                        "[HelpFiles]\r\nHelp0=a.html\r\nHelp1=b.html\r\n"));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(Cat().MaterialNames,
              (QStringList{QStringLiteral("Kauczuk"), QStringLiteral("Welna, otulina"),
                           QStringLiteral("Piana"), QStringLiteral("wspólczynnik k")}));
    EXPECT_FLOAT_EQ(Cat().MaterialRecords[1].Lambda0, 0.035f);
    EXPECT_FLOAT_EQ(Cat().MaterialRecords[1].LambdaSlope, 0.0002f);
    EXPECT_EQ(Cat().MaterialRecords[1].MaxTemp, 250.0f);
    EXPECT_EQ(Cat().MaterialRecords[2].MaxTemp, 90.0f);
    ExpectUserEntryLast(Cat());
    EXPECT_EQ(Cat().CladdingNames, (QStringList{QStringLiteral("brak"), QStringLiteral("Fe"),
                                                QStringLiteral("Aluminium")}));
    EXPECT_EQ(Cat().CladdingEmissivities, (std::vector<float>{0.93f, 0.44f, 0.13f}));
    EXPECT_FLOAT_EQ(Cat().FeEmissivity, 0.44f);
    EXPECT_EQ(Cat().MediumRecords.front().LatentHeat, 335.0f);
    EXPECT_EQ(Cat().FontName, QStringLiteral("Tahoma"));
    EXPECT_EQ(Cat().CurrCharSet, 238);
    EXPECT_EQ(Cat().SalesAdress, QStringLiteral("A<CR>B=C"));
    EXPECT_TRUE(Cat().ShowSurfaceTemp);
    EXPECT_EQ(Cat().HelpFileList, (QStringList{dir.path() + QStringLiteral("/DOC/a.html"),
                                               dir.path() + QStringLiteral("/DOC/b.html")}));
}

TEST_F(LoadConfigurationTest, EmptyFileGivesOnlyTheBuiltInEntries) {
    Load(QString());
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(Cat().MaterialNames, QStringList{QStringLiteral("wspólczynnik k")});
    ExpectUserEntryLast(Cat());
    EXPECT_EQ(Cat().CladdingNames, QStringList{QStringLiteral("brak")});
    EXPECT_EQ(Cat().CladdingEmissivities, std::vector<float>{0.93f});
    EXPECT_FLOAT_EQ(Cat().FeEmissivity, 0.7f);
    EXPECT_EQ(Cat().FontName, QStringLiteral("Arial"));
    EXPECT_EQ(Cat().CurrCharSet, 0);
    EXPECT_FALSE(Cat().ShowSurfaceTemp);
    EXPECT_TRUE(Cat().HelpFileList.isEmpty());
    EXPECT_TRUE(Cat().MediumNames.isEmpty());
    EXPECT_TRUE(Cat().RegulationNames.isEmpty());
    EXPECT_TRUE(Cat().RegulationRows.empty());
}

TEST_F(LoadConfigurationTest, AGapOrAnEmptyValueEndsANumberedList) {
    Load(QStringLiteral("[Material]\nMat1=A;1;0;0;1\nMat2=B;1;0;0;1\nMat4=D;1;0;0;1\n"
                        "[MediumType]\nMed1=W;1;1;1;1\nMed2=\nMed3=X;1;1;1;1\n"
                        "[HelpFiles]\nHelp1=b.html\n"));
    EXPECT_EQ(Cat().MaterialNames.size(), 3);
    EXPECT_EQ(Cat().MediumNames, QStringList{QStringLiteral("W")});
    EXPECT_TRUE(Cat().HelpFileList.isEmpty());
}

struct FeCase {
    const char* cladding;
    float fe;
};

class FeEmissivityTest : public LoadConfigurationTest,
                         public testing::WithParamInterface<FeCase> {};

TEST_P(FeEmissivityTest, FromTheCladdingNamedFe) {
    Load(QStringLiteral("[Cladding]\n") + QString::fromUtf8(GetParam().cladding));
    EXPECT_FLOAT_EQ(Cat().FeEmissivity, GetParam().fe);
}

INSTANTIATE_TEST_SUITE_P(Claddings, FeEmissivityTest,
                         testing::Values(FeCase{"Clad1=Fe;0.44\n", 0.44f},
                                         FeCase{"Clad1=Fe;0\n", 0.7f},
                                         FeCase{"Clad1=fe;0.44\n", 0.7f},
                                         FeCase{"Clad1=Fe;0.44\nClad2=Fe;0.5\n", 0.5f},
                                         FeCase{"Clad1=Al;0.13\n", 0.7f}));

struct SettingCase {
    const char* line;
    bool showSurfaceTemp;
    int charSet;
};

class GlobalSettingsTest : public LoadConfigurationTest,
                           public testing::WithParamInterface<SettingCase> {};

TEST_P(GlobalSettingsTest, LenientValuesNeverFail) {
    Load(QStringLiteral("[Global]\n") + QString::fromUtf8(GetParam().line));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(Cat().ShowSurfaceTemp, GetParam().showSurfaceTemp);
    EXPECT_EQ(Cat().CurrCharSet, GetParam().charSet);
}

INSTANTIATE_TEST_SUITE_P(Settings, GlobalSettingsTest,
                         testing::Values(SettingCase{"ShowSurfaceTemp=1\n", true, 0},
                                         SettingCase{"ShowSurfaceTemp=true\n", false, 0},
                                         SettingCase{"ShowSurfaceTemp=yes\n", false, 0},
                                         SettingCase{"ShowSurfaceTemp= 1\n", false, 0},
                                         SettingCase{"CurrCharSet=abc\n", false, 0},
                                         SettingCase{"CurrCharSet=238\n", false, 238}));

TEST_F(LoadConfigurationTest, InstalledUnicodeFontWins) {
    Load(QStringLiteral("[Global]\nFontName=Tahoma\n"), {QStringLiteral("Arial Unicode MS")});
    EXPECT_EQ(Cat().FontName, QStringLiteral("Arial Unicode MS"));
}

TEST_F(LoadConfigurationTest, HelpDirectoryDefaultsToHelp) {
    Load(QStringLiteral("[HelpFiles]\nHelp0=main.html\n"));
    EXPECT_EQ(Cat().HelpFileList, QStringList{dir.path() + QStringLiteral("/HELP/main.html")});
}

TEST_F(LoadConfigurationTest, BadMaterialNumberStopsEverythingAfterIt) {
    Load(
        QStringLiteral("[Material]\nMat1=A;0.04;0;-10;90\nMat2=B;0.04;0;-10\nMat3=C;0.04;0;-10;90\n"
                       "[Cladding]\nClad1=Fe;0.44\n[Global]\nFontName=Tahoma\n"
                       "[RegulationThickness]\nReg1=do 22 mm;0;22;20;0;0\n"));
    EXPECT_EQ(prompts.Texts(),
              QStringList{QStringLiteral(
                  "blad wczytywania Inifile! Error: '' is not a valid floating point value")});
    EXPECT_EQ(prompts.messages.front().kind, MessageKind::Error);
    // The failing entry's name was added, its record not; nothing after it was read.
    EXPECT_EQ(Cat().MaterialNames, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(Cat().MaterialRecords.size(), 1u);
    EXPECT_TRUE(Cat().CladdingNames.isEmpty());
    EXPECT_EQ(Cat().FeEmissivity, 0.0f);
    EXPECT_TRUE(Cat().FontName.isEmpty());
    EXPECT_TRUE(Cat().RegulationNames.isEmpty());
}

TEST_F(LoadConfigurationTest, BadMediumNumberKeepsWhatCameBefore) {
    Load(QStringLiteral(
        "[MediumType]\nMed1=Woda;1000;4180;335;0\nMed2=Glikol;10x0;3700;235;-15\n"
        "[Global]\nShowSurfaceTemp=1\nFontName=Tahoma\n[HelpFiles]\nHelp0=a.html\n"));
    EXPECT_EQ(prompts.Texts(),
              QStringList{QStringLiteral(
                  "blad wczytywania Inifile! Error: '10x0' is not a valid floating point value")});
    EXPECT_EQ(Cat().FontName, QStringLiteral("Tahoma"));
    EXPECT_EQ(Cat().MediumNames, (QStringList{QStringLiteral("Woda"), QStringLiteral("Glikol")}));
    EXPECT_EQ(Cat().MediumRecords.size(), 1u);
    EXPECT_FALSE(Cat().ShowSurfaceTemp);
    EXPECT_TRUE(Cat().HelpFileList.isEmpty());
}

// A number a float cannot hold is a loading failure, not an infinite conductivity.
TEST_F(LoadConfigurationTest, NumberBeyondTheFloatRangeIsALoadingFailure) {
    for (const char* entry :
         {"[Material]\nMat1=A;0.04;0;-10;90\nMat2=B;1e39;0;-10;90\n",
          "[Cladding]\nClad1=Fe;0.44\nClad2=Al;-4e38\n",
          "[MediumType]\nMed1=Woda;1000;4180;335;0\nMed2=G;1040;3700;1e40;0\n"}) {
        SCOPED_TRACE(entry);
        prompts.messages.clear();
        session = Session();
        Load(QString::fromLatin1(entry));
        EXPECT_EQ(prompts.Texts(),
                  QStringList{
                      QStringLiteral("blad wczytywania Inifile! Error: Floating point overflow")});
    }
    // The largest float itself is still a number.
    prompts.messages.clear();
    Load(QStringLiteral("[Cladding]\nClad1=Fe;3.4028234e38\n"));
    EXPECT_TRUE(prompts.Texts().isEmpty());
}

TEST_F(LoadConfigurationTest, MissingFileGivesOneMessage) {
    LoadConfiguration(session, prompts, IniPath(), dir.path(), {});
    EXPECT_EQ(prompts.Texts(),
              QStringList{QStringLiteral("blad wczytywania Inifile! Error: Cannot open file ") +
                          IniPath()});
    EXPECT_TRUE(Cat().MaterialNames.isEmpty());
    EXPECT_TRUE(Cat().MaterialRecords.empty());
}

TEST_F(LoadConfigurationTest, BinaryOrTruncatedFilesNeverCrash) {
    for (const QByteArray& bytes :
         {QByteArray("\xFF\xFE[\0M\0a", 7), QByteArray("\x00\x01\x02\xFF", 4),
          QByteArray("[Material]\nMat1=A;0.0", 21),
          QByteArray("[Material]\nMat1=\xF3;1;2;3;4\n")}) {
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        Session fresh;
        test::RecordingPrompts quiet;
        LoadConfiguration(fresh, quiet, IniPath(), dir.path(), {});
        EXPECT_LE(quiet.messages.size(), 1u);
    }
}

} // namespace

// The shipped help documents tell the assumptions a user can misread the results by.
TEST(ShippedHelpDocuments, StateTheModelsAssumptions) {
    const struct {
        const char* file;
        const char* phrase;
    } cases[] = {
        {"rury_spadek_temperatury.html", "liczona w przekroju rury o wpisanej"},
        {"rury_spadek_temperatury.html", "strumien objetosci w l/s"},
        {"rury_zamarzanie.html", "ilosc wody jest liczona dla wpisanej srednicy rury"},
        {"rury_zamarzanie.html", "cieplo zgromadzone w sciance rury nie jest brane pod uwage"},
        {"dobor_izolacji.html", "punkt rosy programu pozostaje liczony nad woda"},
        {"dobor_izolacji.html", "do 1 K wyzej"},
        {"dobor_izolacji.html", "&bdquo;zapas ponad punkt rosy&rdquo;"},
    };
    for (const auto& c : cases) {
        QFile file(QStringLiteral(KELVARA_TEST_DATA_DIR "/HELP/") + QString::fromUtf8(c.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.file;
        const QString text = QString::fromUtf8(file.readAll()).simplified();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.phrase))) << c.file << ": " << c.phrase;
    }
}
