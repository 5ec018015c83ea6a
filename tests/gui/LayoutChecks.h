#pragma once

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>

namespace kelvara::test {

// The frame line a group box draws under its title: its contents start below it.
inline int FrameLineBottom(const QGroupBox* box) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const QRect contents = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                        QStyle::SC_GroupBoxContents, box);
    return std::max(label.bottom(), contents.top());
}

// Every edit, list and button of a titled box lies below the frame line under its title, clear
// of it, and inside the box.
inline void ExpectControlsBelowTheFrameLine(QWidget* window) {
    for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
        if (box->title().isEmpty())
            continue;
        const int line = FrameLineBottom(box);
        for (QObject* child : box->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (!widget || !widget->isVisible() || qobject_cast<QLabel*>(widget))
                continue;
            EXPECT_GT(widget->y(), line + 1)
                << box->title().toStdString() << ": " << widget->objectName().toStdString();
            EXPECT_LE(widget->geometry().bottom(), box->height() - 2)
                << widget->objectName().toStdString();
        }
    }
}

// A screen reader reads a label by its accessible name: a shown label says its own text, never
// the title of the box around it.
inline void ExpectLabelsAnnounceTheirText(QWidget* window) {
    QStringList titles;
    for (QGroupBox* box : window->findChildren<QGroupBox*>())
        titles << box->title();
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisible())
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(accessible, nullptr);
        const QString name = accessible->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << label->objectName().toStdString();
        EXPECT_FALSE(titles.contains(name))
            << label->objectName().toStdString() << " is read as " << name.toStdString();
    }
}

} // namespace kelvara::test
