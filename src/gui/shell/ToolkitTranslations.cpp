#include "ToolkitTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kelvara {

std::unique_ptr<QTranslator> InstallToolkitTranslations(const QString& applicationDir) {
    const QString folders[] = {applicationDir, applicationDir + QStringLiteral("/translations"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    // "qt_pl" is the combined file that the Windows deployment tool writes.
    const QString names[] = {QStringLiteral("qtbase_pl"), QStringLiteral("qt_pl")};
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders)
        for (const QString& name : names)
            if (translator->load(name, folder) &&
                QCoreApplication::installTranslator(translator.get()))
                return translator;
    return nullptr;
}

} // namespace kelvara
