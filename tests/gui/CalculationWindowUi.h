#pragma once

#include "TestCatalogue.h"
#include "UserInput.h"
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
class CalculationWindowUi : public testing::Test, protected UserInput {
protected:
    void Open(int type) {
        session.CalculationType = CalculationTypeFromNumber(type);
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
    bool IsCream(QLineEdit* edit) {
        return edit->palette().color(QPalette::Base) == QColor(255, 251, 240);
    }

    Session session = SessionWithSmallCatalogue();
    GuiPrompts prompts;
    std::unique_ptr<TPipeForm> form;
};

} // namespace kelvara::test
