#pragma once

#include <QApplication>

namespace kelvara {

// Shows an exception that escapes an event handler in a message box and carries on.
class KelvaraApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace kelvara
