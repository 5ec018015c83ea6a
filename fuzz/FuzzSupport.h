#pragma once

#include "engine/CoefficientCalculator.h"
#include "shell/Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace kelvara::fuzz {

// Answers every question the way a hurried user would: No, no conductivity, calculator
// cancelled. Keeps the messages so a target can check them.
class QuietPrompts : public Prompts {
public:
    void ShowMessage(MessageKind, const QString& text) override { messages.append(text); }
    bool AskYesNo(const QString&, const QString&) override { return false; }
    std::optional<float> AskUserConductivity() override { return std::nullopt; }
    void ShowCoefficientCalculator(CoefficientCalculator& calculator) override {
        calculator.Button2Click();
    }
    QStringList messages;
};

// Stops the run with the offending text: the fuzzer keeps the input that led here.
[[noreturn]] inline void Fail(const char* what, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", what, text.toUtf8().constData());
    std::abort();
}

// A text a user would see with a number that is not one.
inline bool ShowsNonFinite(const QString& text) {
    return text.contains(QStringLiteral("nan"), Qt::CaseInsensitive) ||
           text.contains(QStringLiteral("inf"), Qt::CaseInsensitive);
}

// Writes the bytes to one file in a folder of this process; the loaders read files.
inline QString WriteScratchFile(const QString& name, const uint8_t* data, size_t size) {
    static const QString dir = [] {
        const QString path =
            QDir::tempPath() +
            QStringLiteral("/kelvara-fuzz-%1").arg(QCoreApplication::applicationPid());
        QDir().mkpath(path);
        return path;
    }();
    const QString path = dir + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        Fail("cannot write scratch file", path);
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

} // namespace kelvara::fuzz
