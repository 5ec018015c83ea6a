#include "HelpDocuments.h"

#include "shell/Catalogues.h"

#include <QFileInfo>

namespace kelvara {

bool OpenHelpFile(const Catalogues& catalogues, int index,
                  const std::function<bool(const QUrl&)>& openUrl,
                  const std::function<bool(const QString&)>& showInProgram) {
    if (index < 0 || index >= catalogues.HelpFileList.size())
        return false;
    const QString path = catalogues.HelpFileList[index];
    if (!QFileInfo(path).isFile())
        return false;
    // A desktop without a viewer for the document would otherwise leave the user with nothing.
    return openUrl(QUrl::fromLocalFile(path)) || (showInProgram && showInProgram(path));
}

} // namespace kelvara
