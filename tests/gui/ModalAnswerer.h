#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>

namespace kelvara::test {

// Waits (from the event loop) for the next modal window and hands it to `answer`, which
// records what it shows and closes it, as a user would.
inline void AnswerNextModal(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    auto pending = std::make_shared<std::function<void(QWidget*)>>(std::move(answer));
    QObject::connect(timer, &QTimer::timeout, [timer, pending] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        (*pending)(modal);
    });
    timer->start(10);
}

struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers the next message box by pressing `button`, recording what it said.
inline void AnswerMessageBox(QMessageBox::StandardButton button, SeenMessage* seen) {
    AnswerNextModal([button, seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            modal->close();
            return;
        }
        if (seen)
            *seen = {box->windowTitle(), box->text(), box->icon()};
        box->button(button)->click();
    });
}

} // namespace kelvara::test
