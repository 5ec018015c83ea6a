// Start-up probes: each starts, shows its window and quits as soon as the window has painted
// itself once. Built twice: the program's main window (splash skipped) and a bare QWidget, so
// bench/startup.sh can time both and take their peak memory in the same run.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#ifdef KELVARA_MAIN_WINDOW
#include "shell/DataLocation.h"
#include "shell/GuiPrompts.h"
#include "shell/KelvaraApplication.h"
#include "shell/Session.h"
#include "shell/Tfrm_Main.h"
#endif

namespace {

class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget& window) { window.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool quitting_ = false;
};

} // namespace

int main(int argc, char** argv) {
#ifdef KELVARA_MAIN_WINDOW
    // As the program's own main(), with the splash skipped.
    kelvara::KelvaraApplication app(argc, argv);
    kelvara::KelvaraApplication::setApplicationName(QStringLiteral("Kelvara"));
    kelvara::Session session;
    kelvara::GuiPrompts prompts;
    kelvara::Tfrm_Main window(session, prompts,
                              kelvara::FindDataDir(QCoreApplication::applicationDirPath()));
    window.SplashMilliseconds = 0;
    prompts.SetParent(&window);
#else
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
#endif
    QuitAfterFirstPaint quit(window);
    window.show();
    return QApplication::exec();
}
