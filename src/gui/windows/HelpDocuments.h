#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace kelvara {

struct Catalogues;

// Opens external help document `index` of the configured list with the system's viewer; when
// the system cannot open it, `showInProgram` shows it in the program's own window. False when
// the list is empty, the index lies outside it, no file exists at that path, or neither way
// could show it.
bool OpenHelpFile(const Catalogues& catalogues, int index,
                  const std::function<bool(const QUrl&)>& openUrl,
                  const std::function<bool(const QString&)>& showInProgram);

} // namespace kelvara
