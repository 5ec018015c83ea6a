#include "KelvaraApplication.h"

#include "ProgramInfo.h"
#include "shell/AppError.h"

#include <QMessageBox>

namespace kelvara {

bool KelvaraApplication::notify(QObject* receiver, QEvent* event) {
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError& error) {
        message = error.Message();
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    QMessageBox::critical(activeWindow(), ProgramName, message);
    return false;
}

} // namespace kelvara
