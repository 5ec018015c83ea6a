#include "dialogs/TInsideOutside.h"
#include "dialogs/TThermal_Cond.h"
#include "output/TPrintDecision.h"

#include "ModalAnswerer.h"
#include "RecordingPrompts.h"
#include "TestCatalogue.h"
#include "UserInput.h"
#include "shell/EmptyCaption.h"
#include "windows/TF_Help.h"
#include "workspace/CalculationWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace kelvara;

namespace {

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
    return a ? a->text(QAccessible::Name) : QString();
}

// Every label, button and list of `window` shows its whole text inside its parent.
void ExpectNothingClipped(QWidget* window, const std::string& where) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        const std::string name = where + " " + w->objectName().toStdString() + " ";
        int needed = -1;
        auto* label = qobject_cast<QLabel*>(w);
        if (label && label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name << "cut off";
            needed = 0;
        } else if (label)
            needed = label->text().isEmpty() ? -1 : label->sizeHint().width();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            needed = button->sizeHint().width();
        else if (auto* list = qobject_cast<QComboBox*>(w)) {
            QComboBox probe;
            probe.setFont(list->font());
            probe.setSizeAdjustPolicy(QComboBox::AdjustToContents);
            probe.addItems(QStringList{list->placeholderText()} + [&] {
                QStringList items;
                for (int i = 0; i < list->count(); ++i)
                    items.append(list->itemText(i));
                return items;
            }());
            needed = probe.sizeHint().width();
        }
        if (needed < 0)
            continue;
        EXPECT_LE(needed, w->width()) << name << "cut off";
        if (w->parentWidget()) {
            EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
                << name << "outside its parent";
        }
    }
}

// The h calculator over a calculation window model with recorded prompts.
class CalculatorWindowTest : public testing::Test, protected test::UserInput {
protected:
    void Open(int type) {
        session.CalculationType = CalculationTypeFromNumber(type);
        model = std::make_unique<CalculationWindow>(session, prompts);
        model->TntFormShow();
        model->Input(model->TypeInfo().materialRow).ChooseMaterial(0);
        calculator = std::make_unique<CoefficientCalculator>(*model);
        window = std::make_unique<TInsideOutside>(*calculator, help, QStringLiteral("Arial"));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::setActiveWindow(window.get());
    }
    template <typename T> T* Find(const char* name) {
        T* child = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QLineEdit* Edit(int i) { return Find<QLineEdit>(("TntEdit" + std::to_string(i)).c_str()); }
    QRadioButton* Radio(int i) {
        return Find<QRadioButton>(("TntRadioButton" + std::to_string(i)).c_str());
    }
    QPushButton* Button(int i) { return Find<QPushButton>(("Button" + std::to_string(i)).c_str()); }
    QComboBox* Cladding() { return Find<QComboBox>("TntComboBox1"); }

    Session session = test::SessionWithSmallCatalogue();
    test::RecordingPrompts prompts;
    TF_Help help{QStringLiteral("Arial")};
    std::unique_ptr<CalculationWindow> model;
    std::unique_ptr<CoefficientCalculator> calculator;
    std::unique_ptr<TInsideOutside> window;
};

TEST_F(CalculatorWindowTest, IndoorAndOutdoorKeepWhatWasTyped) {
    Open(2);
    TypeInto(Edit(1), "0.55");
    Radio(3)->click(); // "pionowo"
    Radio(2)->click(); // "zewnatrz"
    EXPECT_EQ(Edit(1)->text(), QStringLiteral("0.55"));
    TypeInto(Edit(2), "5");
    Radio(1)->click();
    EXPECT_EQ(Edit(1)->text(), QStringLiteral("0.55"));
    EXPECT_TRUE(Radio(3)->isChecked());
    Radio(2)->click();
    EXPECT_EQ(Edit(2)->text(), QStringLiteral("5"));
    Radio(1)->click();
    // The computation takes what the window shows: ε 0.55, vertical.
    EXPECT_EQ(calculator->Settings.emissivityText, QStringLiteral("0.55"));
    EXPECT_FALSE(calculator->Settings.horizontal);
    QTest::mouseClick(Button(1), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(session.CoeffFromCalculator);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CalculatorWindowTest, SheetDimensionStaysWhenTheAirChanges) {
    Open(6);
    EXPECT_FALSE(Radio(3)->isVisible());
    TypeInto(Edit(3), "2.5");
    Radio(2)->click();
    Radio(1)->click();
    EXPECT_EQ(Edit(3)->text(), QStringLiteral("2.5"));
    QTest::mouseClick(Button(1), Qt::LeftButton);
    EXPECT_EQ(session.Remembered.SheetDimension, 2.5f);
}

TEST_F(CalculatorWindowTest, OnlyPuttingAnEmissivityInDropsTheCladding) {
    Open(2);
    Pick(Cladding(), 2);
    EXPECT_EQ(Edit(1)->text(), QStringLiteral("0.13"));
    Edit(1)->setFocus();
    Edit(1)->end(false);
    QTest::keyClick(Edit(1), Qt::Key_Backspace);
    EXPECT_EQ(Edit(1)->text(), QStringLiteral("0.1"));
    EXPECT_EQ(Cladding()->currentIndex(), 2);
    // The paste key is discarded, and a pasted text that the filter leaves empty is nothing.
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(Edit(1), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(Edit(1), Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClicks(Edit(1), QStringLiteral("x "));
    EXPECT_EQ(Edit(1)->text(), QStringLiteral("0.1"));
    EXPECT_EQ(Cladding()->currentIndex(), 2);
    EXPECT_EQ(calculator->Settings.claddingIndex, 2);
    // A digit is a typed emissivity.
    QTest::keyClicks(Edit(1), QStringLiteral("5"));
    EXPECT_EQ(Edit(1)->text(), QStringLiteral("0.15"));
    EXPECT_EQ(Cladding()->currentIndex(), -1);
    EXPECT_EQ(Cladding()->placeholderText(), QStringLiteral("wybierz"));
    EXPECT_EQ(calculator->Settings.claddingIndex, -1);
    // So is a pasted number.
    Pick(Cladding(), 1);
    Edit(1)->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("0,5"));
    QTest::keyClick(Edit(1), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Edit(1)->text(), QStringLiteral("0.5"));
    EXPECT_EQ(calculator->Settings.claddingIndex, -1);
}

TEST_F(CalculatorWindowTest, EnterPressesTheFocusedButton) {
    Open(2);
    session.Remembered.SurfaceCoeff = 9;
    // "Pomoc" focused: the help window.
    bool helpShown = false;
    test::AnswerNextModal([&helpShown](QWidget* modal) {
        helpShown = modal->findChild<QPushButton*>(QStringLiteral("Cmd_OK")) != nullptr;
        modal->findChild<QPushButton*>(QStringLiteral("Cmd_OK"))->click();
    });
    Button(3)->setFocus();
    QTest::keyClick(Button(3), Qt::Key_Return);
    EXPECT_TRUE(helpShown);
    EXPECT_TRUE(window->isVisible());
    // "Anuluj" focused: no result.
    Button(2)->setFocus();
    QTest::keyClick(Button(2), Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(session.Remembered.SurfaceCoeff, 9.0f);
    EXPECT_FALSE(session.CoeffFromCalculator);
}

TEST_F(CalculatorWindowTest, EnterInAFieldComputesAndEscCancels) {
    Open(2);
    Edit(1)->setFocus();
    QTest::keyClick(Edit(1), Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(session.CoeffFromCalculator);

    Open(2);
    session.Remembered.SurfaceCoeff = 9;
    Pick(Cladding(), 1);
    QTest::keyClick(Edit(1), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(session.Remembered.SurfaceCoeff, 9.0f);
    EXPECT_FALSE(session.CoeffFromCalculator);
    EXPECT_EQ(calculator->Settings.claddingIndex, -1);
}

TEST_F(CalculatorWindowTest, ARefusalPointsAtTheFieldAtFault) {
    Open(7);
    TypeInto(Edit(3), "0");
    QTest::mouseClick(Button(1), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), Edit(3));
    EXPECT_EQ(Edit(3)->selectedText(), QStringLiteral("0"));

    Radio(2)->click();
    QTest::mouseClick(Button(1), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), Cladding());
    Pick(Cladding(), 1);
    TypeInto(Edit(2), "0");
    Button(1)->setFocus();
    QTest::mouseClick(Button(1), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), Edit(2));
    EXPECT_EQ(Edit(2)->selectedText(), QStringLiteral("0"));
    TypeInto(Edit(1), "");
    QTest::mouseClick(Button(1), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), Edit(1));
    EXPECT_EQ(
        prompts.Texts(),
        (QStringList{
            QStringLiteral("nie mozna okreslic wlasciwej grubosci, prosze spróbowac ponownie!"),
            QStringLiteral("Wprowadz wlasciwe dane"), QStringLiteral("Wprowadz wlasciwe dane"),
            QStringLiteral("Wprowadz wlasciwe dane")}));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(CalculatorWindowTest, TabFollowsTheWindowAndEveryFieldHasItsLabelsName) {
    Open(2);
    Radio(2)->click();
    Radio(1)->click();
    Radio(1)->setFocus();
    QStringList order;
    for (int i = 0; i < 9; ++i) {
        // Tab visits one button of each pair; arrows move within the pair.
        QString name = QApplication::focusWidget()->objectName();
        if (name == QStringLiteral("TntRadioButton1") || name == QStringLiteral("TntRadioButton2"))
            name = QStringLiteral("air");
        if (name == QStringLiteral("TntRadioButton3") || name == QStringLiteral("TntRadioButton4"))
            name = QStringLiteral("orientation");
        order.append(name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (QStringList{"air", "TntEdit1", "orientation", "TntComboBox1", "Button1",
                                  "Button2", "Button3", "air", "TntEdit1"}));
    EXPECT_EQ(AccessibleName(Edit(1)), QStringLiteral("Wspólczynnik emisji"));
    EXPECT_EQ(AccessibleName(Edit(2)), QStringLiteral("predkosc wiatru (m/s)"));
    EXPECT_EQ(AccessibleName(Cladding()), QStringLiteral("rodzaj pokrycia"));
    EXPECT_EQ(AccessibleName(Edit(3)), QStringLiteral("grubosc plyty (m)"));
    EXPECT_EQ(AccessibleName(Button(2)), QStringLiteral("Anuluj"));
    EXPECT_EQ(AccessibleName(Radio(2)), QStringLiteral("zewnatrz"));
}

TEST_F(CalculatorWindowTest, NoTextIsCutOff) {
    // The longest names of the program's catalogue.
    session.Catalogue.CladdingNames[2] = QStringLiteral("Blacha ocynkowana");
    for (int type = 0; type < 8; ++type) {
        Open(type);
        Radio(2)->click();
        ExpectNothingClipped(window.get(), "type " + std::to_string(type));
        // The summary's lines stay apart: each piece ends before the next begins.
        auto labels = Find<QGroupBox>("GroupBox1")
                          ->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
        for (QLabel* a : labels)
            for (QLabel* b : labels)
                if (a != b && a->y() == b->y() && a->x() < b->x() && !a->text().isEmpty()) {
                    EXPECT_LT(a->x() + a->sizeHint().width(), b->x())
                        << type << ": " << a->text().toStdString() << " runs into "
                        << b->text().toStdString();
                }
        // ... and each line ends above the next, under any font given for "Arial".
        for (QLabel* a : labels)
            for (QLabel* b : labels)
                if (a != b && a->isVisible() && b->isVisible() && a->y() < b->y()) {
                    EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                        << type << ": " << a->text().toStdString() << " lies over "
                        << b->text().toStdString();
                }
        window->close();
    }
}

class ConductivityWindowTest : public testing::Test {
protected:
    void SetUp() override { QApplication::clipboard()->clear(); }
    // Opens the window and runs `use` on it while it is shown; the value it gave.
    std::optional<float> Ask(const std::function<void(QDialog*)>& use) {
        test::AnswerNextModal([use](QWidget* modal) { use(static_cast<QDialog*>(modal)); });
        return window.Ask();
    }
    static QLineEdit* Value(QDialog* d) { return d->findChild<QLineEdit*>("ME_lambda"); }
    static QPushButton* Cancel(QDialog* d) { return d->findChild<QPushButton*>("Cmd_cancel"); }

    test::RecordingPrompts prompts;
    TThermal_Cond window{prompts, QStringLiteral("Arial")};
};

TEST_F(ConductivityWindowTest, EnterPressesTheFocusedButtonEscCancels) {
    EXPECT_EQ(Ask([](QDialog* d) {
                  QTest::keyClicks(Value(d), QStringLiteral("0.05"));
                  Cancel(d)->setFocus();
                  QTest::keyClick(Cancel(d), Qt::Key_Return);
              }),
              std::nullopt);
    EXPECT_EQ(Ask([](QDialog* d) {
                  QTest::keyClicks(Value(d), QStringLiteral("0.05"));
                  QTest::keyClick(Value(d), Qt::Key_Escape);
              }),
              std::nullopt);
    // Back in the edit, Enter confirms again.
    EXPECT_EQ(Ask([](QDialog* d) {
                  Cancel(d)->setFocus();
                  QTest::keyClicks(Value(d), QStringLiteral("0,05"));
                  Value(d)->setFocus();
                  QTest::keyClick(Value(d), Qt::Key_Return);
              }),
              0.05f);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ConductivityWindowTest, ARefusalSelectsTheValue) {
    QString selected;
    QString name;
    bool focused = false;
    EXPECT_EQ(Ask([&](QDialog* d) {
                  QTest::keyClicks(Value(d), QStringLiteral("abc"));
                  QTest::mouseClick(d->findChild<QPushButton*>("Cmd_finished"), Qt::LeftButton);
                  focused = QApplication::focusWidget() == Value(d);
                  selected = Value(d)->selectedText();
                  name = AccessibleName(Value(d));
                  ExpectNothingClipped(d, "conductivity");
                  Cancel(d)->click();
              }),
              std::nullopt);
    EXPECT_EQ(prompts.Texts(), QStringList{QStringLiteral("Wprowadz wlasciwe dane")});
    EXPECT_TRUE(focused);
    EXPECT_EQ(selected, QStringLiteral("abc"));
    EXPECT_EQ(name, QStringLiteral("Wspolczynnik przewodzenia ciepla lambda"));
}

// The windows without a caption show none: not the program's name, which the window system
// puts in place of an empty title. On X11 the test asks the window system itself.
TEST(EmptyCaption, ConductivityAndPrintOrCopyWindowsShowNoCaption) {
    test::RecordingPrompts prompts;
    TThermal_Cond conductivity(prompts, QStringLiteral("Arial"));
    TPrintDecision decision(prompts, QString(), QStringLiteral("Arial"));
    for (QDialog* d : std::initializer_list<QDialog*>{&conductivity, &decision}) {
        d->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(d));
        const QString title = d->windowTitle();
        EXPECT_TRUE(title.trimmed().isEmpty()) << title.toStdString();
        EXPECT_FALSE(title.isEmpty()) << "an empty title shows the program's name";
        if (QGuiApplication::platformName() == QStringLiteral("xcb")) {
            QProcess name;
            name.start(QStringLiteral("xdotool"),
                       {QStringLiteral("getwindowname"), QString::number(d->winId())});
            ASSERT_TRUE(name.waitForFinished(10000));
            EXPECT_EQ(QString::fromUtf8(name.readAllStandardOutput()).trimmed(), QString());
        }
        d->close();
    }
}

} // namespace
