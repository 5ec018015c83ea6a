#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QGroupBox>

namespace kelvara {

// What the calculation windows are made of: lowered panels each filled by a group box, and the
// fonts and colours of their rows.

inline const QColor White(255, 255, 255);

// A font of the configured family (Arial when none is configured) in a point size.
inline QFont FontOf(const QString& family, int points, bool bold = false) {
    QFont font(family.isEmpty() ? QStringLiteral("Arial") : family);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

// A lowered panel (bevel 2) at a place in the window, filled by a group box, which is returned.
inline QGroupBox* MakePanel(QWidget* parent, const QString& panelName, const QString& boxName,
                            QRect geometry) {
    constexpr int Bevel = 2;
    auto* panel = new QFrame(parent);
    panel->setObjectName(panelName);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(Bevel);
    panel->setGeometry(geometry);
    auto* box = new QGroupBox(panel);
    box->setObjectName(boxName);
    box->setGeometry(Bevel, Bevel, geometry.width() - 2 * Bevel, geometry.height() - 2 * Bevel);
    return box;
}

} // namespace kelvara
