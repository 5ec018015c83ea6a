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
        // The active modal window; some platforms are slow to report it, so a visible modal
        // top-level window will do as well.
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            modal = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->isModal())
                    modal = w;
        }
        if (!modal)
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

// Answers the next `count` message boxes with `button`, appending what each said to seen.
inline void AnswerMessageBoxes(QMessageBox::StandardButton button, int count,
                               QList<SeenMessage>* seen) {
    auto* timer = new QTimer;
    auto left = std::make_shared<int>(count);
    QObject::connect(timer, &QTimer::timeout, [timer, left, button, seen] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible() || box->property("answered").toBool())
                continue;
            box->setProperty("answered", true);
            seen->append(SeenMessage{box->windowTitle(), box->text(), box->icon()});
            if (--*left == 0) {
                timer->stop();
                timer->deleteLater();
            }
            box->button(button)->click();
            return;
        }
    });
    timer->start(10);
}

} // namespace kelvara::test
