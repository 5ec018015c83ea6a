#pragma once

#include "BatchRunner.h"

#include <QByteArray>
#include <QString>
#include <string>

namespace kelvara {

// `project FILE [--xlsx OUT]`: one line per run (its mark, then what `pipe-sizing` prints for
// its inputs), a line "Suma" with the totals, then the bill of materials and the runs no size
// fits. `project --new FILE`: a project from lines of a mark and fifteen fields. Exit codes as
// for the other types: 2 for a file that cannot be read or written.
struct ProjectOptions {
    QString file;
    QString xlsx;        // also write the spreadsheet file
    bool create = false; // --new
};

int RunProject(const BatchOptions& options, const ProjectOptions& project, const QByteArray& input,
               std::string& out, std::string& err);

} // namespace kelvara
