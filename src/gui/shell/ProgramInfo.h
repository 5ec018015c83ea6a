#pragma once

#include <QString>

namespace kelvara {

inline const QString ProgramName = QStringLiteral("Kelvara");
// The maker's web site, opened from the logo and the About window.
inline const QString MakerWebAddress = QStringLiteral("https://www.kelvara.pl");
// The toolkit the program is built on, credited in the About window.
inline const QString CreditWebAddress = QStringLiteral("https://www.qt.io");

} // namespace kelvara
