#pragma once

#include <QApplication>
#include <functional>

namespace kelvara {

// Shows an exception that escapes an event handler in a message box and carries on.
class KelvaraApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;

    // Runs the program (making its windows and the event loop); an exception that escapes it,
    // while the windows are still being made, is shown the same way and ends the run with 1.
    static int Start(const std::function<int()>& program);

private:
    // The message box for the exception being handled.
    static void ShowCurrentException();
};

} // namespace kelvara
