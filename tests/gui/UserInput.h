#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace kelvara::test {

// What a user does to a window's controls, for the window tests' fixtures.
struct UserInput {
    // Replaces an edit's text by typing, as a user does.
    static void TypeInto(QLineEdit* edit, const char* text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }
    // Picks list entry `index` as a mouse choice in the open list does.
    static void Pick(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
};

} // namespace kelvara::test
