#include "HelpDocuments.h"

#include "shell/Catalogues.h"

#include <QFileInfo>

namespace kelvara {

bool OpenHelpFile(const Catalogues& catalogues, int index,
                  const std::function<bool(const QUrl&)>& openUrl) {
    if (index < 0 || index >= catalogues.HelpFileList.size())
        return false;
    const QString path = catalogues.HelpFileList[index];
    if (!QFileInfo(path).isFile())
        return false;
    openUrl(QUrl::fromLocalFile(path));
    return true;
}

} // namespace kelvara
