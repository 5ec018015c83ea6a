// A seeded stream of random key presses, clicks and list choices over every calculation window,
// the sizing window and whatever dialog they open. Nothing may crash, no edit or list may show
// "nan" or "inf", and every message box must say one of the program's own texts.
#include "workspace/TPipeForm.h"
#include "workspace/TPipeSizingForm.h"

#include "NonFiniteText.h"
#include "TestCatalogue.h"
#include "shell/GuiPrompts.h"
#include "shell/Messages.h"
#include "shell/ToleranceTable.h"
#include "workspace/PipeSizingWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <random>

using namespace kelvara;
using test::ShowsNonFinite;

namespace {

// What a message box of the program may say; the runtime texts follow an "Error: " prefix.
bool IsProgramText(const QString& text) {
    static const QString runtime =
        QStringLiteral("('.*' is not a valid floating point value|Floating point overflow|"
                       "Invalid floating point operation|Floating point division by zero)");
    static const QList<QRegularExpression> patterns = [] {
        QList<QRegularExpression> list;
        using namespace messages;
        const auto quoted = [](const QString& t) { return QRegularExpression::escape(t); };
        for (const QString& p :
             {quoted(WrongData), quoted(NoMaterial), quoted(MaterialTooHot),
              quoted(MaterialTooCold), quoted(NoFlowUnit), quoted(NoSheetDimension),
              quoted(CoefficientOutOfRange),
              quoted(SurfaceTemperature) + QStringLiteral("-?\\d+\\.\\d°C"), quoted(Copied),
              quoted(CalculationError) + runtime, quoted(NoCoefficient) + runtime,
              quoted(MediumError) + runtime,
              quoted(NoCladding) + u'(' + quoted(ZeroEmissivity) + u'|' + runtime + u')',
              quoted(ToleranceNotReadable) + u'(' + quoted(PipesTableNotOpen) + u'|' +
                  quoted(SheetsTableNotOpen) + u')',
              quoted(ToleranceError) + runtime})
            list.append(QRegularExpression(QRegularExpression::anchoredPattern(p),
                                           QRegularExpression::DotMatchesEverythingOption));
        return list;
    }();
    for (const QRegularExpression& p : patterns)
        if (p.match(text).hasMatch())
            return true;
    return false;
}

template <typename T> QList<T*> Usable(QWidget* window) {
    QList<T*> usable;
    for (T* w : window->findChildren<T*>())
        if (w->isVisible() && w->isEnabled())
            usable.append(w);
    return usable;
}

// Drives the windows one action per event-loop turn. Each step is a fresh single-shot timer,
// so the steps go on inside the event loop of whatever modal window the last step opened.
class Monkey {
public:
    // sizing: the walk goes through the sizing window instead of a calculation window.
    Monkey(Session& session, GuiPrompts& prompts, unsigned seed, int steps, bool sizing = false)
        : session_(session), prompts_(prompts), sizing_(sizing), random_(seed), left_(steps) {}

    void Run() {
        Open();
        QTimer::singleShot(0, [this] { Step(); });
        loop_.exec();
        form_->close();
        delete form_;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QStringList strangeMessages;
    QStringList nonFiniteTexts;
    int messageBoxes = 0;
    // The classes of the windows the walk acted in, with the number of steps in each.
    QMap<QString, int> windows;

private:
    static QWidget* TopModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible())
            return modal;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->isModal())
                modal = w;
        return modal && modal->isVisible() ? modal : nullptr;
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    void Check(QWidget* window) {
        for (QLineEdit* edit : window->findChildren<QLineEdit*>())
            if (ShowsNonFinite(edit->text()))
                nonFiniteTexts.append(edit->objectName() + u'=' + edit->text());
        for (QComboBox* list : window->findChildren<QComboBox*>())
            for (int i = 0; i < list->count(); ++i)
                if (ShowsNonFinite(list->itemText(i)))
                    nonFiniteTexts.append(list->objectName() + u'=' + list->itemText(i));
    }

    void Step() {
        QWidget* modal = TopModal();
        if (left_-- <= 0) {
            // Wind down: close the modal windows from the top, then stop.
            if (!modal) {
                loop_.quit();
                return;
            }
            QTimer::singleShot(0, [this] { Step(); });
            Dismiss(modal);
            return;
        }
        QTimer::singleShot(0, [this] { Step(); });
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            ++messageBoxes;
            if (!IsProgramText(box->text()))
                strangeMessages.append(box->text());
            if (ShowsNonFinite(box->text()))
                nonFiniteTexts.append(box->text());
            const auto buttons = box->buttons();
            buttons[Pick(int(buttons.size()))]->click();
            return;
        }
        // Printing and files are left to their own tests: a random walk would print and save.
        if (qobject_cast<QPrintPreviewDialog*>(modal) || qobject_cast<QPrintDialog*>(modal) ||
            qobject_cast<QFileDialog*>(modal)) {
            ++windows[QString::fromLatin1(modal->metaObject()->className())];
            Dismiss(modal);
            return;
        }
        if (!modal && !form_->isVisible())
            Open(); // closed by a key or its button: the user opens it again
        QWidget* window = modal ? modal : form_;
        ++windows[QString::fromLatin1(window->metaObject()->className())];
        Check(window);
        Act(window);
    }

    static void Dismiss(QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->buttons().constFirst()->click();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }

    // A new window each time, as the main window makes one for every opening.
    void Open() {
        if (form_)
            form_->deleteLater();
        if (sizing_)
            form_ = new TPipeSizingForm(session_, prompts_, prompts_.HelpWindow(),
                                        prompts_.PrintDecision());
        else
            form_ =
                new TPipeForm(session_, prompts_, prompts_.HelpWindow(), prompts_.PrintDecision());
        form_->OpenUrl = [](const QUrl&) { return true; };
        form_->show();
    }

    // A sizing a user would ask for: a cold or a hot pipe, each list on one of its entries.
    void FillSizing() {
        static const std::vector<QStringList> pipes = {
            {"20", "70", "50", "60.3", "54.5", "9", "25", "", "", "10", "5000", "0.45", "0.7"},
            {"25", "-10", "80", "28", "25.6", "7", "", "8", "2", "1", "8760", "0,5", "0"},
            {"-5", "110", "60", "114.3", "107.1", "9", "", "", "", "100", "2000", "1", "1"}};
        const QStringList& values = pipes[std::size_t(Pick(int(pipes.size())))];
        const int edits[] = {SizingAmbient,
                             SizingMedium,
                             SizingHumidity,
                             SizingOuterDiameter,
                             SizingInnerDiameter,
                             SizingH,
                             SizingMaxSurface,
                             SizingMaxLoss,
                             SizingMargin,
                             SizingLength,
                             SizingHours,
                             SizingPrice,
                             SizingCo2};
        for (int i = 0; i < int(std::size(edits)); ++i)
            if (auto* edit =
                    form_->findChild<QLineEdit*>(QStringLiteral("InputEdit%1").arg(edits[i])))
                edit->setText(values[i]);
        for (QComboBox* list : Usable<QComboBox>(form_)) {
            const int index = Pick(int(list->count()));
            list->setCurrentIndex(index);
            emit list->activated(index);
        }
        Calculate();
    }

    // "Oblicz", and often straight on to printing, as after a good result.
    void Calculate() {
        QTest::mouseClick(form_->findChild<QAbstractButton*>(QStringLiteral("Button1")),
                          Qt::LeftButton);
        auto* print = form_->findChild<QAbstractButton*>(QStringLiteral("Button3"));
        if (print->isEnabled() && Pick(2) == 0)
            QTest::mouseClick(print, Qt::LeftButton);
    }

    // What a user does most: every edit filled with an ordinary number, a material, "Oblicz".
    void FillAndCalculate() {
        if (sizing_)
            return FillSizing();
        static const QStringList numbers = {QStringLiteral("20"),   QStringLiteral("-5"),
                                            QStringLiteral("25,4"), QStringLiteral("9"),
                                            QStringLiteral("60"),   QStringLiteral("1")};
        for (QLineEdit* edit : Usable<QLineEdit>(form_))
            if (!edit->isReadOnly() && edit->objectName().startsWith(QStringLiteral("InputEdit")))
                edit->setText(numbers[Pick(int(numbers.size()))]);
        for (QComboBox* list : Usable<QComboBox>(form_))
            if (list->objectName().startsWith(QStringLiteral("MaterialList")) ||
                list->objectName() == QStringLiteral("FlowRateList")) {
                list->setCurrentIndex(0);
                emit list->activated(0);
            }
        Calculate();
    }

    void Act(QWidget* window) {
        if (window == form_ && Pick(12) == 0)
            return FillAndCalculate();
        switch (Pick(10)) {
        case 0:
        case 1:
        case 2: { // a click on a button, option or check box
            const auto buttons = Usable<QAbstractButton>(window);
            if (!buttons.isEmpty())
                QTest::mouseClick(buttons[Pick(int(buttons.size()))], Qt::LeftButton);
            return;
        }
        case 3:
        case 4: { // a choice from a list
            const auto lists = Usable<QComboBox>(window);
            if (lists.isEmpty())
                return;
            QComboBox* list = lists[Pick(int(lists.size()))];
            if (list->count() == 0)
                return;
            const int index = Pick(int(list->count()));
            list->setCurrentIndex(index);
            emit list->activated(index);
            return;
        }
        default: { // keys into an edit; the letters can never spell "nan" or "inf"
            const auto edits = Usable<QLineEdit>(window);
            if (edits.isEmpty())
                return;
            QLineEdit* edit = edits[Pick(int(edits.size()))];
            edit->setFocus();
            if (Pick(3) == 0) { // a number a user would type, so that calculations succeed
                static const QStringList numbers = {
                    QStringLiteral("20"),  QStringLiteral("-5"),  QStringLiteral("25,4"),
                    QStringLiteral("0.5"), QStringLiteral("80"),  QStringLiteral("9"),
                    QStringLiteral("1"),   QStringLiteral("300"), QStringLiteral("0")};
                edit->selectAll();
                QTest::keyClicks(edit, numbers[Pick(int(numbers.size()))]);
                return;
            }
            static const QString keys = QStringLiteral("0123456789.,-e+ xk0");
            const int count = 1 + Pick(4);
            for (int i = 0; i < count; ++i) {
                switch (Pick(14)) {
                case 0:
                    QTest::keyClick(edit, Qt::Key_Backspace);
                    break;
                case 1:
                    QTest::keyClick(edit, Qt::Key_Return);
                    return; // may have opened or closed a window
                case 2:
                    QTest::keyClick(edit, Qt::Key_Escape);
                    return;
                case 3:
                    edit->selectAll();
                    break;
                default:
                    QTest::keyClick(edit, keys[Pick(int(keys.size()))].toLatin1());
                }
            }
        }
        }
    }

    Session& session_;
    GuiPrompts& prompts_;
    bool sizing_;
    QPointer<CalculationFrame> form_;
    std::mt19937 random_;
    int left_;
    QEventLoop loop_;
};

class MonkeyTest : public testing::TestWithParam<int> {};

TEST_P(MonkeyTest, RandomUseNeverShowsAStrangeText) {
    Session session = test::SessionWithSmallCatalogue();
    session.CalculationType = CalculationTypeFromNumber(GetParam());
    GuiPrompts prompts;
    Monkey monkey(session, prompts, 20261210u + unsigned(GetParam()), 1500);
    monkey.Run();
    EXPECT_EQ(monkey.strangeMessages, QStringList());
    EXPECT_EQ(monkey.nonFiniteTexts, QStringList());
    // The walk must have reached the windows it is meant to test.
    EXPECT_GT(monkey.messageBoxes, 5);
    EXPECT_GT(monkey.windows.size(), 3) << monkey.windows.keys().join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryCalculation, MonkeyTest, testing::Range(0, 8));

// The sizing window over the shipped catalogue, regulation rows and size table.
TEST(SizingMonkeyTest, RandomUseNeverShowsAStrangeText) {
    const QString dataDir = QStringLiteral(KELVARA_TEST_DATA_DIR);
    Session session;
    GuiPrompts prompts;
    {
        GuiPrompts quiet;
        test::LoadShippedData(session, quiet, dataDir);
    }
    prompts.SetDataDir(dataDir);
    Monkey monkey(session, prompts, 20261210u + 8u, 1500, true);
    monkey.Run();
    EXPECT_EQ(monkey.strangeMessages, QStringList());
    EXPECT_EQ(monkey.nonFiniteTexts, QStringList());
    EXPECT_GT(monkey.messageBoxes, 5);
    EXPECT_GT(monkey.windows.size(), 3) << monkey.windows.keys().join(u' ').toStdString();
}

} // namespace
