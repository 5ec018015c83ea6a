#include "shell/TntIniFile.h"
#include "QtPrinters.h"
#include "shell/AppError.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using kelvara::AppError;
using kelvara::TTntIniFile;

namespace {

const QString PolishText = QStringLiteral("Zażółć gęślą jaźń");

QByteArray Utf16(const QString& text, bool bigEndian) {
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF", 2) : QByteArray("\xFF\xFE", 2);
    for (QChar c : text) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? hi : lo);
        bytes.append(bigEndian ? lo : hi);
    }
    return bytes;
}

struct EncodingCase {
    const char* name;
    QByteArray bytes;
};

class IniEncoding : public testing::TestWithParam<EncodingCase> {};

TEST_P(IniEncoding, DecodesValueWithPolishLetters) {
    const TTntIniFile ini = TTntIniFile::FromBytes(GetParam().bytes);
    EXPECT_EQ(
        ini.ReadString(QStringLiteral("Global"), QStringLiteral("FontName"), QStringLiteral("x")),
        PolishText);
}

const QString Body = QStringLiteral("[Global]\r\nFontName=") + PolishText + QStringLiteral("\r\n");

// "Zażółć gęślą jaźń" in Windows-1250.
const QByteArray Cp1250Body =
    QByteArray("[Global]\r\nFontName=Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1\r\n");

INSTANTIATE_TEST_SUITE_P(Encodings, IniEncoding,
                         testing::Values(EncodingCase{"Utf16LittleEndian", Utf16(Body, false)},
                                         EncodingCase{"Utf16BigEndian", Utf16(Body, true)},
                                         EncodingCase{"Utf8WithMarker",
                                                      QByteArray("\xEF\xBB\xBF") + Body.toUtf8()},
                                         EncodingCase{"Utf8WithoutMarker", Body.toUtf8()},
                                         EncodingCase{"Windows1250", Cp1250Body}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IniDecoding, Windows1250UpperHalfMatchesTheCodePage) {
    // A few letters from every row of the upper half that Polish users meet.
    const QString text = TTntIniFile::DecodeText(
        QByteArray("\x80\x8C\x8F\xA3\xA5\xAF\xB3\xB9\xBF\xC6\xCA\xD1\xD3\xE6\xEA\xF1\xF3"));
    EXPECT_EQ(text, QStringLiteral("€ŚŹŁĄŻłążĆĘŃÓćęńó"));
}

TEST(IniDecoding, InvalidUtf8WithoutMarkerFallsBackToWindows1250) {
    // 0xF3 alone is not UTF-8, so the whole file is taken as Windows-1250.
    EXPECT_EQ(TTntIniFile::DecodeText(QByteArray("k\xF3\xB3ko")), QStringLiteral("kółko"));
}

TEST(IniDecoding, Utf16WithOddByteCountDropsTheLastByte) {
    QByteArray bytes = Utf16(QStringLiteral("ab"), false);
    bytes.append('c');
    EXPECT_EQ(TTntIniFile::DecodeText(bytes), QStringLiteral("ab"));
}

struct SplitCase {
    const char* name;
    QString text;
    QStringList lines;
};

class IniLineEnds : public testing::TestWithParam<SplitCase> {};

TEST_P(IniLineEnds, SplitsAsExpected) {
    EXPECT_EQ(TTntIniFile::SplitLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, IniLineEnds,
    testing::Values(
        SplitCase{"Lf", QStringLiteral("a\nb\n"), {QStringLiteral("a"), QStringLiteral("b")}},
        SplitCase{"Cr", QStringLiteral("a\rb"), {QStringLiteral("a"), QStringLiteral("b")}},
        SplitCase{"CrLf", QStringLiteral("a\r\nb\r\n"), {QStringLiteral("a"), QStringLiteral("b")}},
        SplitCase{"LineSeparator",
                  QString::fromUtf16(u"a\u2028b"),
                  {QStringLiteral("a"), QStringLiteral("b")}},
        SplitCase{"CrLfLineSeparatorIsOneEnd",
                  QString::fromUtf16(u"a\r\n\u2028b"),
                  {QStringLiteral("a"), QStringLiteral("b")}},
        SplitCase{"LfCrIsTwoEnds",
                  QStringLiteral("a\n\rb"),
                  {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        SplitCase{"BlankLinesKept",
                  QStringLiteral("a\n\nb"),
                  {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        SplitCase{"NulEndsTheText",
                  QString::fromUtf16(u"a\nb\0\nc", 7),
                  {QStringLiteral("a"), QStringLiteral("b")}},
        SplitCase{"Empty", QString(), {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct LookupCase {
    const char* name;
    const char* file;
    const char* section;
    const char* key;
    const char* expected; // default is "DEF"
};

class IniLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(IniLookup, ReadStringFollowsTheLineOrder) {
    const auto& c = GetParam();
    const TTntIniFile ini = TTntIniFile::FromBytes(QByteArray(c.file));
    EXPECT_EQ(ini.ReadString(QString::fromUtf8(c.section), QString::fromUtf8(c.key),
                             QStringLiteral("DEF")),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, IniLookup,
    testing::Values(
        LookupCase{"Plain", "[Global]\nFontName=Arial\n", "Global", "FontName", "Arial"},
        LookupCase{"BlankBeforeEqualsIsPartOfTheKey", "[Global]\nFontName = Arial\n", "Global",
                   "FontName", "DEF"},
        LookupCase{"BlankAfterHeaderDoesNotStartSection", "[Global] \nFontName=Arial\n", "Global",
                   "FontName", "DEF"},
        LookupCase{"KeysAreCaseSensitive", "[Global]\nfontname=Arial\n", "Global", "FontName",
                   "DEF"},
        LookupCase{"SectionsAreCaseSensitive", "[global]\nFontName=Arial\n", "Global", "FontName",
                   "DEF"},
        LookupCase{"ValueKeepsFurtherEquals", "[Global]\nSalesAdress=a=b\n", "Global",
                   "SalesAdress", "a=b"},
        LookupCase{"ValueKeepsBlanks", "[Global]\nFontName= Arial \n", "Global", "FontName",
                   " Arial "},
        LookupCase{"EmptyValueIsNotTheDefault", "[Global]\nFontName=\n", "Global", "FontName", ""},
        LookupCase{"FirstOfDuplicateKeys", "[Global]\nK=1\nK=2\n", "Global", "K", "1"},
        LookupCase{"LaterSectionSuppliesMissingKey", "[A]\nX=1\n[B]\nK=from B\n", "A", "K",
                   "from B"},
        LookupCase{"EarlierSectionIsNotSearched", "[B]\nK=from B\n[A]\nX=1\n", "A", "K", "DEF"},
        LookupCase{"AbsentSectionGivesDefault", "[A]\nK=1\n", "Global", "K", "DEF"},
        LookupCase{"SemicolonLineIsAnOrdinaryKey", "[A]\n;K=1\n", "A", ";K", "1"},
        LookupCase{"FirstHeaderCounts", "[A]\nX=1\n[A]\nK=2\n", "A", "K", "2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniFile, ReadsFromDiskAndReportsAMissingFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kelvara.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBF[Global]\r\nFontName=Arial\r\n");
    file.close();
    EXPECT_EQ(
        TTntIniFile(path).ReadString(QStringLiteral("Global"), QStringLiteral("FontName"), {}),
        QStringLiteral("Arial"));

    const QString missing = dir.filePath(QStringLiteral("none.ini"));
    try {
        TTntIniFile ini(missing);
        FAIL() << "no error for a missing file";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot open file ") + missing);
    }
}

TEST(IniFile, ArbitraryBytesNeverCrashTheReader) {
    QByteArray bytes;
    quint32 state = 12345;
    for (int round = 0; round < 200; ++round) {
        bytes.resize(round * 7);
        for (char& b : bytes) {
            state = state * 1103515245u + 12345u;
            b = char(state >> 24);
        }
        for (const QByteArray& prefix : {QByteArray(), QByteArray("\xFF\xFE"),
                                         QByteArray("\xFE\xFF"), QByteArray("\xEF\xBB\xBF")}) {
            const TTntIniFile ini = TTntIniFile::FromBytes(prefix + bytes);
            (void)ini.ReadString(QStringLiteral("Material"), QStringLiteral("Mat1"), {});
        }
    }
}

} // namespace
