#pragma once

#include "NonFiniteText.h"
#include "RecordingPrompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace kelvara::fuzz {

// No answers are set: every question gets No, the conductivity entry and the calculator are
// cancelled; the messages are kept for the targets to check.
using QuietPrompts = test::RecordingPrompts;
using test::ShowsNonFinite;

// Stops the run with the offending text: the fuzzer keeps the input that led here.
[[noreturn]] inline void Fail(const char* what, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", what, text.toUtf8().constData());
    std::abort();
}

// Writes the bytes to one file in a folder of this process; the loaders read files.
inline QString WriteScratchFile(const QString& name, const uint8_t* data, size_t size) {
    // Removed when the run ends (libFuzzer ends by exit(), which runs the destructor).
    static const QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/kelvara-fuzz-XXXXXX"));
    if (!scratch.isValid())
        Fail("cannot make a scratch folder", QDir::tempPath());
    const QString dir = scratch.path();
    const QString path = dir + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        Fail("cannot write scratch file", path);
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

} // namespace kelvara::fuzz
