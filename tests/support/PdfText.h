#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace kelvara::test {

// What a program prints for some arguments (poppler's pdftotext, pdfimages, …).
inline QString ProgramOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF as pdftotext lays it out, pages ended by form feeds.
inline QString PdfLayoutText(const QString& pdf) {
    return ProgramOutput(QStringLiteral("pdftotext"),
                         {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// Every piece occurs in the text, each after the one before.
inline void ExpectInOrder(const QString& text, const QStringList& pieces) {
    qsizetype at = 0;
    for (const QString& piece : pieces) {
        const qsizetype found = text.indexOf(piece, at);
        EXPECT_GE(found, 0) << piece.toStdString() << "\n" << text.toStdString();
        if (found >= 0)
            at = found + piece.size();
    }
}

} // namespace kelvara::test
