#include "DataLocation.h"

#include "ConfigurationLoader.h"

#include <QDir>
#include <QFileInfo>

namespace kelvara {

QString FindDataDir(const QString& executableDir) {
    if (QFileInfo::exists(executableDir + u'/' + ConfigurationFileName))
        return executableDir;
    const QString installed = QDir::cleanPath(executableDir + u'/' + InstalledDataSubdir);
    if (QFileInfo::exists(installed + u'/' + ConfigurationFileName))
        return installed;
    return executableDir;
}

} // namespace kelvara
