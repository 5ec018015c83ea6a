#include "shell/NumericEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace kelvara;

namespace {

// A numeric edit holding "1" with the cursor at its end.
class NumericEditTest : public testing::Test {
public:
    void SetUp() override {
        edit.setText(QStringLiteral("1"));
        NumericEdit* filter = NumericEdit::Install(&edit);
        entered = std::make_unique<QSignalSpy>(filter, &NumericEdit::TextEntered);
        edits = std::make_unique<QSignalSpy>(&edit, &QLineEdit::textEdited);
        edit.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
        edit.setFocus();
        edit.end(false);
    }
    void Paste(const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
    }
    void Commit(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(&edit, &event);
    }
    void Drop(const QString& text) {
        QMimeData mime;
        mime.setText(text);
        const QPoint at(edit.width() - 3, edit.height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&edit, &enter);
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&edit, &drop);
    }

    QLineEdit edit;
    std::unique_ptr<QSignalSpy> entered; // TextEntered
    std::unique_ptr<QSignalSpy> edits;   // textEdited
};

struct Route {
    const char* name;
    void (NumericEditTest::*enter)(const QString&);
};

class EveryRoute : public NumericEditTest, public testing::WithParamInterface<Route> {};

// Whichever way a text comes in, it goes in as the number it means, or not at all: a filter
// dropping characters would put in a different number.
TEST_P(EveryRoute, TextGoesInOnlyAsTheNumberItMeans) {
    (this->*GetParam().enter)(QStringLiteral("2 345,5"));
    EXPECT_EQ(edit.text(), QStringLiteral("12345.5"));
    EXPECT_EQ(entered->count(), 1);

    // Not a number as it stands: no change, no change signal.
    for (const char* text : {"1e3", "1,5e3 abc", "abc"}) {
        (this->*GetParam().enter)(QString::fromUtf8(text));
        EXPECT_EQ(edit.text(), QStringLiteral("12345.5")) << text;
    }
    EXPECT_EQ(entered->count(), 1);
    EXPECT_EQ(edits->count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Routes, EveryRoute,
                         testing::Values(Route{"Paste", &NumericEditTest::Paste},
                                         Route{"InputMethod", &NumericEditTest::Commit},
                                         Route{"Drop", &NumericEditTest::Drop}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NumericEditTest, TypedKeys) {
    QTest::keyClicks(&edit, QStringLiteral("2x ,5"));
    EXPECT_EQ(edit.text(), QStringLiteral("12.5"));
    EXPECT_EQ(edit.cursorPosition(), 4);
    EXPECT_EQ(entered->count(), 3); // "2", "." and "5"; the letter and the blank changed nothing
    EXPECT_EQ(edits->count(), 3);

    // Deleting is a change but puts nothing in.
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), QStringLiteral("2."));
    EXPECT_EQ(entered->count(), 3);
    EXPECT_EQ(edits->count(), 5);

    // Typed over a selection, a digit replaces it.
    edit.selectAll();
    QTest::keyClicks(&edit, QStringLiteral("7"));
    EXPECT_EQ(edit.text(), QStringLiteral("7"));
    EXPECT_EQ(entered->count(), 4);
}

TEST_F(NumericEditTest, TheClipboardKeysAreDiscarded) {
    QApplication::clipboard()->setText(QStringLiteral("55"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("1"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("55"));
    EXPECT_EQ(edits->count(), 0);
}

TEST_F(NumericEditTest, TheProgramsOwnTextIsLeftAlone) {
    edit.setText(QStringLiteral("nigdy"));
    EXPECT_EQ(edit.text(), QStringLiteral("nigdy"));
    EXPECT_EQ(entered->count(), 0);
    // Enter still reaches the window.
    QSignalSpy returns(&edit, &QLineEdit::returnPressed);
    edit.setText(QStringLiteral("2.5"));
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(returns.count(), 1);
}

} // namespace
