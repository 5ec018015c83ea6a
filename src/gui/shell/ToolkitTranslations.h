#pragma once

#include <QString>
#include <memory>

class QTranslator;

namespace kelvara {

// Installs the toolkit's Polish texts (standard buttons, the print, file and preview dialogs),
// so they read as a Polish user's other programs do. Looked for beside the executable, in its
// "translations" folder (where the Windows installer puts them) and in the toolkit's own
// translations folder. The translation stays installed while the returned object lives;
// nothing when none is found (the dialogs then keep their English texts).
std::unique_ptr<QTranslator> InstallToolkitTranslations(const QString& applicationDir);

} // namespace kelvara
