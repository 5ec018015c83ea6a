#pragma once

#include "shell/Session.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

namespace kelvara {

struct BatchOptions {
    QString dataDir;
    bool header = false;
    int calculationType = -1;
    // Numbers of the printed lines with "," for a spreadsheet that reads a decimal comma.
    bool decimalComma = false;
};

// Exit codes of the batch tool.
enum BatchExit { BatchOk = 0, BatchCaseRefused = 1, BatchUsageError = 2 };

// The insulation sizing, named "pipe-sizing": no calculation type of its own.
inline constexpr int PipeSizingBatchType = 8;

// Parses a type argument: a number 0 to 7 or a name such as "pipe-heatloss"; -1 otherwise.
int ParseCalculationType(const QString& argument);
QString CalculationTypeNames();

// The configuration and size tables read once, and the two heading lines of the type's list.
struct BatchSetup {
    Session configured;
    QString caption;
    QString header;
    bool decimalComma = false;
};

// Reads the data folder for the type; nothing (after a message in err) when that fails.
std::optional<BatchSetup> PrepareBatch(const BatchOptions& options, std::string& err);

// Runs one calculation per input line; appends UTF-8 text to out and err, returns the exit code.
int RunBatch(const BatchOptions& options, const QByteArray& input, std::string& out,
             std::string& err);
int RunBatchInput(const BatchSetup& setup, const QByteArray& input, std::string& out,
                  std::string& err);

} // namespace kelvara
