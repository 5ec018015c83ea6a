#pragma once

#include <QUrl>
#include <functional>

namespace kelvara {

struct Catalogues;

// Opens external help document `index` of the configured list. False when the list is
// empty, the index lies outside it, or no file exists at that path.
bool OpenHelpFile(const Catalogues& catalogues, int index,
                  const std::function<bool(const QUrl&)>& openUrl);

} // namespace kelvara
