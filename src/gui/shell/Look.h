#pragma once

#include <QColor>
#include <QLabel>
#include <QScreen>

namespace kelvara {

// The program's cream background, also the colour of results that no longer match the inputs.
inline const QColor Cream(255, 251, 240);

// The colours of the program's title and subtitle.
inline const QColor TitleGreen(0, 128, 0);
inline const QColor SubtitleMaroon(128, 0, 0);

// A bold label of a given pixel size and text colour on the cream background.
inline void StyleHeading(QLabel* label, int pixels, const QColor& color) {
    QFont font = label->font();
    font.setPixelSize(pixels);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Cream);
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

// Places a window so that it is centred on an area (a screen, the desktop, another window).
inline void CentreOn(QWidget* window, const QRect& area) {
    if (area.isEmpty())
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

// The screen a window is on, without the task bars.
inline QRect ScreenArea(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen ? screen->availableGeometry() : QRect();
}

// All screens together.
inline QRect DesktopArea(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen ? screen->availableVirtualGeometry() : QRect();
}

// Paints a window (and, with fields, its edit fields) cream.
inline void PaintCream(QWidget* widget, bool fields = false) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Cream);
    if (fields)
        palette.setColor(QPalette::Base, Cream);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The configured font family on a window; sizes and styles stay as designed.
inline void ApplyFontFamily(QWidget* widget, const QString& family) {
    if (family.isEmpty())
        return;
    QFont font = widget->font();
    font.setFamily(family);
    widget->setFont(font);
}

} // namespace kelvara
