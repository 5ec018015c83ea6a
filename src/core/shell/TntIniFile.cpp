#include "TntIniFile.h"

#include "AppError.h"

#include <QFile>
#include <QStringDecoder>
#include <array>

namespace kelvara {

namespace {

// Windows-1250 upper half. The five unassigned bytes keep their own code, as the system's
// conversion does.
constexpr std::array<char16_t, 128> Cp1250High = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

QString DecodeCp1250(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b < 0x80 ? char16_t(b) : Cp1250High[b - 0x80]);
    }
    return text;
}

QString DecodeUtf16(QByteArrayView bytes, bool bigEndian) {
    const qsizetype units = bytes.size() / 2; // a dangling odd byte is dropped
    QString text(units, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < units; ++i) {
        const auto lo = static_cast<unsigned char>(bytes[2 * i + (bigEndian ? 1 : 0)]);
        const auto hi = static_cast<unsigned char>(bytes[2 * i + (bigEndian ? 0 : 1)]);
        out[i] = QChar(char16_t(lo | (hi << 8)));
    }
    return text;
}

} // namespace

QString TTntIniFile::DecodeText(const QByteArray& bytes) {
    const QByteArrayView view(bytes);
    if (view.startsWith("\xFF\xFE"))
        return DecodeUtf16(view.sliced(2), false);
    if (view.startsWith("\xFE\xFF"))
        return DecodeUtf16(view.sliced(2), true);
    if (view.startsWith("\xEF\xBB\xBF")) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        return utf8.decode(view.sliced(3));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    return DecodeCp1250(view);
}

QStringList TTntIniFile::SplitLines(const QString& text) {
    constexpr char16_t LineSeparator = 0x2028;
    QStringList lines;
    const qsizetype end = [&] {
        const qsizetype nul = text.indexOf(QChar(u'\0'));
        return nul < 0 ? text.size() : nul;
    }();
    qsizetype pos = 0;
    while (pos < end) {
        const qsizetype start = pos;
        while (pos < end) {
            const char16_t c = text[pos].unicode();
            if (c == u'\r' || c == u'\n' || c == LineSeparator)
                break;
            ++pos;
        }
        lines.append(text.mid(start, pos - start));
        if (pos < end && text[pos] == u'\r')
            ++pos;
        if (pos < end && text[pos] == u'\n')
            ++pos;
        if (pos < end && text[pos].unicode() == LineSeparator)
            ++pos;
    }
    return lines;
}

TTntIniFile::TTntIniFile(const QString& fileName) : lines_(LoadLines(fileName)) {}

QStringList TTntIniFile::LoadLines(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file %1").arg(fileName));
    if (file.size() > MaxFileSize)
        throw AppError(QStringLiteral("File %1 is too large").arg(fileName));
    // Read in pieces: a buffer of the largest size accepted would be reserved for every file.
    QByteArray bytes;
    char piece[64 * 1024];
    qint64 count = 0;
    while ((count = file.read(piece, sizeof piece)) > 0) {
        bytes.append(piece, qsizetype(count));
        if (bytes.size() > MaxFileSize)
            throw AppError(QStringLiteral("File %1 is too large").arg(fileName));
    }
    if (count < 0)
        throw AppError(QStringLiteral("Cannot read file %1").arg(fileName));
    return SplitLines(DecodeText(bytes));
}

TTntIniFile TTntIniFile::FromBytes(const QByteArray& bytes) {
    TTntIniFile ini;
    ini.lines_ = SplitLines(DecodeText(bytes));
    return ini;
}

QString TTntIniFile::ReadString(const QString& section, const QString& key,
                                const QString& defaultValue) const {
    const QString header = QLatin1Char('[') + section + QLatin1Char(']');
    const qsizetype start = lines_.indexOf(header);
    if (start < 0)
        return defaultValue;
    // The search deliberately runs on past the next section header: a key missing from its
    // section is taken from a later one.
    for (qsizetype i = start; i < lines_.size(); ++i) {
        const QString& line = lines_[i];
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QStringView keyPart = eq < 0 ? QStringView() : QStringView(line).left(eq);
        if (keyPart == key)
            return eq < 0 ? QString() : line.mid(eq + 1);
    }
    return defaultValue;
}

} // namespace kelvara
