#pragma once

#include "RecordingPrompts.h"

#include <deque>
#include <gtest/gtest.h>

namespace kelvara::test {

// Records like RecordingPrompts, but a message the test did not announce with Expect fails the
// test, and so does a question without a queued answer or an announced message never shown.
class StrictPrompts : public RecordingPrompts {
public:
    StrictPrompts() = default;
    StrictPrompts(const StrictPrompts&) = delete;
    StrictPrompts& operator=(const StrictPrompts&) = delete;
    ~StrictPrompts() override {
        for (const Message& m : expected_)
            ADD_FAILURE() << "expected message not shown: " << m.text.toStdString();
    }

    // The next message must be this text, shown as this kind.
    void Expect(const QString& text, MessageKind kind = MessageKind::Plain) {
        expected_.push_back({kind, text});
    }
    void Expect(const char* text, MessageKind kind = MessageKind::Plain) {
        Expect(QString::fromUtf8(text), kind);
    }
    bool AllShown() const { return expected_.empty(); }

    void ShowMessage(MessageKind kind, const QString& text) override {
        RecordingPrompts::ShowMessage(kind, text);
        if (expected_.empty()) {
            ADD_FAILURE() << "unexpected message: " << text.toStdString();
            return;
        }
        const Message want = expected_.front();
        expected_.pop_front();
        EXPECT_EQ(text, want.text);
        EXPECT_EQ(int(kind), int(want.kind)) << text.toStdString();
    }
    bool AskYesNo(const QString& caption, const QString& text) override {
        if (yesNoAnswers.empty())
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return RecordingPrompts::AskYesNo(caption, text);
    }

private:
    std::deque<Message> expected_;
};

} // namespace kelvara::test
