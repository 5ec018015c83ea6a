#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kelvara {

// Read-only reader of the program's INI file. The whole file is held as a list of lines;
// nothing is indexed, so lookups follow the line order exactly (see ReadString).
class TTntIniFile {
public:
    // Reads the whole file; throws AppError with the file error when it cannot be read.
    explicit TTntIniFile(const QString& fileName);

    // Builds a reader over bytes already in memory (same decoding as a file).
    static TTntIniFile FromBytes(const QByteArray& bytes);

    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue) const;

    const QStringList& Lines() const { return lines_; }

    // Largest file the reader accepts; a configuration file is a few kilobytes.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    // Decodes by the leading marker: UTF-16 LE/BE, UTF-8; without a marker valid UTF-8
    // is taken as UTF-8 and anything else as Windows-1250.
    static QString DecodeText(const QByteArray& bytes);
    // Splits at CR, LF and U+2028 (CR LF U+2028 together count as one end); NUL ends the text.
    static QStringList SplitLines(const QString& text);
    // Reads, decodes and splits a whole text file; throws AppError when it cannot be read.
    static QStringList LoadLines(const QString& fileName);

private:
    TTntIniFile() = default;
    QStringList lines_;
};

} // namespace kelvara
