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

// Watches every paint of the application: a window whose children cover it paints only them.
class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget& window) : window_(window) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::Paint && !quitting_ && widget &&
            widget->window() == &window_) {
            quitting_ = true;
            // exit, not quit: quitting would close the window, which asks first.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    QWidget& window_;
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
