#pragma once

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>

namespace kelvara::test {

// A part of a group box as its style places it for the box's title.
inline QRect BoxPart(const QGroupBox* box, QStyle::SubControl part) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, part, box);
}

// The frame line a group box draws under its title: its contents start below it.
inline int FrameLineBottom(const QGroupBox* box) {
    return std::max(BoxPart(box, QStyle::SC_GroupBoxLabel).bottom(),
                    BoxPart(box, QStyle::SC_GroupBoxContents).top());
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

#include "PdfText.h"
#include "output/ResultOutput.h"

#include <QRegularExpression>

namespace kelvara::test {

// A word of a PDF as pdftotext -bbox finds it, in points.
struct PdfWord {
    QRectF box;
    QString text;
};

inline std::vector<PdfWord> PdfWords(const QString& pdf) {
    const QString boxes = ProgramOutput(QStringLiteral("pdftotext"),
                                        {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    std::vector<PdfWord> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(boxes)) {
        QString text = m.captured(5);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.push_back({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                         text});
    }
    return words;
}

// Every one-line text of a report stands on one line of the PDF as words of its own, and no
// word's box overlaps another's: nothing wraps onto a neighbour and no label runs into its value.
inline void ExpectReportTextsOnTheirOwnLines(const QString& pdf,
                                             const std::vector<ReportItem>& items) {
    const std::vector<PdfWord> words = PdfWords(pdf);
    ASSERT_FALSE(words.empty());
    for (std::size_t i = 0; i < words.size(); ++i)
        for (std::size_t j = i + 1; j < words.size(); ++j) {
            const QRectF overlap = words[i].box.intersected(words[j].box);
            EXPECT_FALSE(overlap.width() > 0.3 && overlap.height() > 0.3)
                << words[i].text.toStdString() << " / " << words[j].text.toStdString();
        }
    for (const ReportItem& item : items) {
        const QStringList tokens = item.text.split(u' ', Qt::SkipEmptyParts);
        if (item.logo || item.height > 0 || tokens.isEmpty())
            continue;
        bool found = false;
        for (std::size_t start = 0; !found && start + tokens.size() <= words.size(); ++start) {
            found = true;
            for (qsizetype t = 0; found && t < tokens.size(); ++t) {
                const PdfWord& w = words[start + std::size_t(t)];
                found = w.text == tokens[t] &&
                        std::abs(w.box.bottom() - words[start].box.bottom()) < 0.5;
            }
        }
        EXPECT_TRUE(found) << "not on a line of its own: " << item.text.toStdString();
    }
}

} // namespace kelvara::test
