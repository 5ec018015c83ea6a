#pragma once

#include "TestCatalogue.h"
#include "shell/GuiPrompts.h"
#include "shell/Session.h"
#include "workspace/TPipeForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace kelvara::test {

// A calculation window of one type, shown offscreen over the small catalogue.
class CalculationWindowUi : public testing::Test {
protected:
    void Open(int type) {
        session.CalculationType = type;
        form = std::make_unique<TPipeForm>(session, prompts, prompts.HelpWindow(),
                                           prompts.PrintDecision());
        form->OpenUrl = [](const QUrl&) { return true; };
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override {
        if (form)
            form->close();
    }
    template <typename T> T* Find(const QString& name) {
        T* child = form->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    QLineEdit* Input(int i) { return Find<QLineEdit>(QStringLiteral("InputEdit%1").arg(i)); }
    QLineEdit* Result(int i) { return Find<QLineEdit>(QStringLiteral("ResultEdit%1").arg(i)); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(QString::fromLatin1(name)); }
    // Replaces an edit's text by typing, as a user does.
    void TypeInto(QLineEdit* edit, const char* text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }
    // Picks list entry `index` as a mouse choice in the open list does.
    void Pick(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    bool IsCream(QLineEdit* edit) {
        return edit->palette().color(QPalette::Base) == QColor(255, 251, 240);
    }

    Session session = SessionWithSmallCatalogue();
    GuiPrompts prompts;
    std::unique_ptr<TPipeForm> form;
};

} // namespace kelvara::test
