#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>

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

// A group box's parts as its style places them for a title.
inline QRect GroupBoxPart(const QGroupBox* box, const QString& title, QStyle::SubControl part) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = title;
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, part, box);
}

// Where a group box draws a title, in the box: the rows below it must start under its bottom.
inline QRect TitleRect(const QGroupBox* box, const QString& title) {
    return GroupBoxPart(box, title, QStyle::SC_GroupBoxLabel);
}

// The width an edit needs to show a text whole (frame and inner margins included).
inline int EditWidthFor(const QLineEdit* edit, const QString& text) {
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const QMargins margins = edit->textMargins();
    return edit->fontMetrics().horizontalAdvance(text) + 2 * frame + margins.left() +
           margins.right() + 8;
}

// Widens a control leftwards from its right edge when its text needs more room, never past
// `floor`; a control that fits keeps its designed width.
inline void FitLeftwards(QWidget* control, int designLeft, int designWidth, int needed, int floor) {
    const int right = designLeft + designWidth;
    const int width = std::max(designWidth, std::min(needed, right - floor));
    control->setGeometry(right - width, control->y(), width, control->height());
}

// Shows a value whole: its edit grows to the left down to `floor` for a long text, and a text
// longer still is set in a smaller type.
inline void FitValue(QLineEdit* edit, int designLeft, int designWidth, int floor, int points) {
    QFont font = edit->font();
    font.setPointSize(points);
    edit->setFont(font);
    FitLeftwards(edit, designLeft, designWidth, EditWidthFor(edit, edit->text()), floor);
    while (EditWidthFor(edit, edit->text()) > edit->width() && font.pointSize() > 5) {
        font.setPointSize(font.pointSize() - 1);
        edit->setFont(font);
    }
    edit->setCursorPosition(0);
}

} // namespace kelvara
