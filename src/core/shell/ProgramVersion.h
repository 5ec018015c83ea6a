#pragma once

#include <QString>

namespace kelvara {

// The four-part version of the running program (major.minor.release.build): on Windows from
// the executable's file version information, so it names the file the user runs; elsewhere,
// and for an executable without that information, the version it was built as.
QString ProgramVersion();

} // namespace kelvara
