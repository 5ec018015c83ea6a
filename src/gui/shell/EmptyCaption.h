#pragma once

#include <QString>
#include <QWidget>

namespace kelvara {

// A window without a caption. An empty title makes the window system show the program's name
// instead; a single blank shows nothing and stays what the window is meant to have.
inline const QString EmptyCaption = QStringLiteral(" ");

inline void SetEmptyCaption(QWidget* window) {
    window->setWindowTitle(EmptyCaption);
}

} // namespace kelvara
