#include "shell/DataLocation.h"
#include "shell/GuiPrompts.h"
#include "shell/KelvaraApplication.h"
#include "shell/Session.h"
#include "shell/Tfrm_Main.h"
#include "shell/ToolkitTranslations.h"

#include <QFileInfo>
#include <QStringList>
#include <QTranslator>

int main(int argc, char** argv) {
    kelvara::KelvaraApplication app(argc, argv);
    kelvara::KelvaraApplication::setApplicationName(QStringLiteral("Kelvara"));
    const auto toolkitTexts =
        kelvara::InstallToolkitTranslations(kelvara::KelvaraApplication::applicationDirPath());
    return kelvara::KelvaraApplication::Start([] {
        kelvara::Session session;
        kelvara::GuiPrompts prompts;
        kelvara::Tfrm_Main mainWindow(
            session, prompts,
            kelvara::FindDataDir(kelvara::KelvaraApplication::applicationDirPath()));
        prompts.SetParent(&mainWindow);
        // `kelvara FILE.kelvara` opens that project.
        const QStringList arguments = kelvara::KelvaraApplication::arguments();
        for (qsizetype i = 1; i < arguments.size(); ++i)
            if (!arguments[i].startsWith(u'-')) {
                mainWindow.StartProject = QFileInfo(arguments[i]).absoluteFilePath();
                break;
            }
        mainWindow.show();
        return kelvara::KelvaraApplication::exec();
    });
}
