#pragma once

#include <QColor>
#include <QWidget>

namespace kelvara {

// The program's cream background, also the colour of results that no longer match the inputs.
inline const QColor Cream(255, 251, 240);

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
