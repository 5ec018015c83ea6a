#include "KelvaraApplication.h"

#include "ProgramInfo.h"
#include "shell/AppError.h"

#include <QMessageBox>

namespace kelvara {

void KelvaraApplication::ShowCurrentException() {
    QString message;
    try {
        throw;
    } catch (const AppError& error) {
        message = error.Message();
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    QMessageBox::critical(activeWindow(), ProgramName, message);
}

bool KelvaraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException();
    }
    return false;
}

int KelvaraApplication::Start(const std::function<int()>& program) {
    try {
        return program();
    } catch (...) {
        ShowCurrentException();
    }
    return 1;
}

} // namespace kelvara
