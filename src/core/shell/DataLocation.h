#pragma once

#include <QString>

namespace kelvara {

// The installed data folder relative to the folder of the executables.
inline const QString InstalledDataSubdir = QStringLiteral("../share/kelvara");

// The folder the program reads its configuration, size tables, logos and help from: beside the
// executable when the configuration file is there, else the installed data folder when it is
// there, else beside the executable (whose missing file is then reported as usual).
QString FindDataDir(const QString& executableDir);

} // namespace kelvara
