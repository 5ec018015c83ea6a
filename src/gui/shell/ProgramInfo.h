#pragma once

#include <QString>

namespace kelvara {

inline const QString ProgramName = QStringLiteral("Kelvara");
// The maker's web site, opened from the logo and the About window.
inline const QString MakerWebAddress = QStringLiteral("https://www.kelvara.pl");

} // namespace kelvara
