// The windows as a user meets them: keys, focus, placement, whole values and the report.
#include "CalculationWindowUi.h"
#include "ModalAnswerer.h"
#include "PdfText.h"
#include "RecordingPrompts.h"
#include "output/TPrintDecision.h"
#include "output/Tf_Print.h"
#include "shell/AppError.h"
#include "shell/ConfigurationLoader.h"
#include "shell/KelvaraApplication.h"
#include "shell/ProgramInfo.h"
#include "shell/Tfrm_Main.h"
#include "shell/ToleranceTable.h"
#include "windows/TF_Help.h"
#include "windows/TSplash.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTimer>

using namespace kelvara;

namespace {

using test::CalculationWindowUi;

// What a control cannot show of its texts; empty when everything is shown whole.
QString Clipped(QWidget* widget) {
    const QFontMetrics metrics = widget->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap() || label->text().isEmpty())
            return {};
        return metrics.horizontalAdvance(label->text()) > label->contentsRect().width()
                   ? label->text()
                   : QString();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        const int room = edit->width() - 2 * frame - 4; // the edit's own 2-pixel margins
        return metrics.horizontalAdvance(edit->text()) > room ? edit->text() : QString();
    }
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.rect = list->rect();
        const int room =
            list->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                .width();
        QStringList texts{list->currentIndex() >= 0 ? list->currentText()
                                                    : list->placeholderText()};
        for (int i = 0; i < list->count(); ++i)
            texts.append(list->itemText(i));
        for (const QString& text : texts)
            if (metrics.horizontalAdvance(text) > room)
                return text;
    }
    return {};
}

// Every control of every group box shows its text whole, stays inside its box below the
// box's title, and overlaps no other control.
void ExpectEverythingShownWhole(QWidget* window) {
    for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
        const int titleBottom = box->title().isEmpty() ? 0 : box->fontMetrics().height();
        QList<QWidget*> controls;
        for (QObject* child : box->children())
            if (auto* widget = qobject_cast<QWidget*>(child); widget && widget->isVisible())
                controls.append(widget);
        for (QWidget* control : controls) {
            const QString name = control->objectName();
            EXPECT_EQ(Clipped(control), QString()) << name.toStdString();
            EXPECT_GE(control->y(), titleBottom) << name.toStdString();
            EXPECT_TRUE(box->rect().adjusted(1, 0, -1, -1).contains(control->geometry()))
                << name.toStdString();
            for (QWidget* other : controls) {
                if (other != control) {
                    EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                        << name.toStdString() << " / " << other->objectName().toStdString();
                }
            }
        }
    }
}

class WindowFaults : public CalculationWindowUi {
protected:
    // The shipped catalogue and size tables, with their real names and lengths.
    void UseShippedData() {
        test::RecordingPrompts quiet;
        const QString dir = QStringLiteral(KELVARA_TEST_DATA_DIR);
        LoadConfiguration(session, quiet, dir + QStringLiteral("/Kelvara.ini"), dir, {});
        LoadPipeToleranceTable(session, quiet, dir);
        LoadSheetToleranceTable(session, quiet, dir);
        ASSERT_TRUE(quiet.Texts().isEmpty());
    }
    // Every message box the test meets is read and answered with OK.
    void SetUp() override {
        QObject::connect(&answerer, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible() || box->property("answered").toBool())
                    continue;
                box->setProperty("answered", true);
                seen.append(test::SeenMessage{box->windowTitle(), box->text(), box->icon()});
                box->button(QMessageBox::Ok)->click();
            }
        });
        answerer.start(10);
    }
    void Calculate() { QTest::mouseClick(Button("Button1"), Qt::LeftButton); }
    QTimer answerer;
    QList<test::SeenMessage> seen;
};

// The shown texts of the longest names and numbers each kind of control receives.
TEST_F(WindowFaults, EveryValueIsShownWholeInEveryType) {
    UseShippedData();
    const int longestMaterial = 3; // "Pianka polietylenowa KV-PE"
    for (int type = 0; type < 8; ++type) {
        SCOPED_TRACE(type);
        Open(type);
        ExpectEverythingShownWhole(form.get());
        for (QComboBox* list : form->findChildren<QComboBox*>()) {
            if (list->objectName().startsWith(QStringLiteral("MaterialList")))
                Pick(list, longestMaterial - 1);
            if (list->objectName().startsWith(QStringLiteral("MediumList")))
                Pick(list, 1); // "Glikol etylenowy 30%"
        }
        Calculate();
        ExpectEverythingShownWhole(form.get());
        form->close();
    }
}

// A 10 km bare pipe loses millions of watts: the minus sign and every digit stay in view.
TEST_F(WindowFaults, AHugeHeatLossKeepsItsSign) {
    UseShippedData();
    Open(2);
    Pick(Find<QComboBox>(QStringLiteral("MaterialList5")), 4);
    for (const auto& [row, text] : std::vector<std::pair<int, const char*>>{
             {0, "20"}, {1, "100"}, {2, "1000"}, {3, "0"}, {4, "10000"}})
        TypeInto(Input(row), text);
    Calculate();
    EXPECT_EQ(Result(2)->text(), QStringLiteral("-22510950.000"));
    ExpectEverythingShownWhole(form.get());
}

TEST_F(WindowFaults, EveryControlOfARowIsNamedAfterItsLabel) {
    Open(3);
    for (int i = 0; i < int(form->Model().InputRows.size()); ++i) {
        const QString label = form->Model().Input(i).ParaLineLabelText();
        for (QWidget* control : form->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (name.endsWith(QString::number(i)) && !name.startsWith(QStringLiteral("Result")) &&
                (qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control)) &&
                control->parentWidget()->objectName() == QStringLiteral("GroupBox1")) {
                EXPECT_EQ(control->accessibleName(), label) << name.toStdString();
            }
        }
    }
    EXPECT_EQ(Result(2)->accessibleName(), form->Model().Result(2).ParaLineLabelText());
    EXPECT_EQ(Result(2)->accessibleDescription(), QStringLiteral("W"));
}

// Tab visits the input rows top to bottom and each row left to right, then the results, then
// the buttons.
TEST_F(WindowFaults, TabFollowsTheEye) {
    Open(3);
    std::vector<QWidget*> visited;
    QWidget* widget = Input(0);
    do {
        if (widget->isVisible() && widget->focusPolicy() & Qt::TabFocus &&
            widget->window() == form.get())
            visited.push_back(widget);
        widget = widget->nextInFocusChain();
    } while (widget != Input(0));
    auto place = [this](QWidget* w) {
        const QPoint at = w->mapTo(form.get(), QPoint(0, 0));
        const bool buttons = w->parentWidget()->objectName() == QStringLiteral("GroupBox3");
        return std::tuple(buttons, at.y() / 20, at.x());
    };
    for (std::size_t i = 1; i < visited.size(); ++i)
        EXPECT_LT(place(visited[i - 1]), place(visited[i]))
            << visited[i - 1]->objectName().toStdString() << " before "
            << visited[i]->objectName().toStdString();
    EXPECT_EQ(visited.back(), Button("Button4"));
}

TEST_F(WindowFaults, EnterPressesTheFocusedButton) {
    Open(2);
    Pick(Find<QComboBox>(QStringLiteral("MaterialList5")), 0);
    // "oblicz h" opens the calculator, it does not calculate.
    bool calculatorOpened = false;
    test::AnswerNextModal([&](QWidget* modal) {
        calculatorOpened = modal->findChild<QRadioButton*>(QStringLiteral("TntRadioButton1"));
        modal->close();
    });
    auto* hButton = Find<QPushButton>(QStringLiteral("HButton6"));
    hButton->setFocus();
    QTest::keyClick(hButton, Qt::Key_Return);
    EXPECT_TRUE(calculatorOpened);
    EXPECT_EQ(form->Model().ResultLog.size(), 2);
    // In an edit Enter still calculates.
    QTest::keyClick(Input(0), Qt::Key_Return);
    EXPECT_EQ(form->Model().ResultLog.size(), 3);
    // "zamknij" closes.
    Button("Button4")->setFocus();
    QTest::keyClick(Button("Button4"), Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->Model().ResultLog.size(), 0);
}

TEST_F(WindowFaults, EscKeepsTheWindowAndItsResults) {
    Open(2);
    Pick(Find<QComboBox>(QStringLiteral("MaterialList5")), 0);
    Calculate();
    QTest::keyClick(Input(0), Qt::Key_Escape);
    QTest::keyClick(Button("Button1"), Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(Result(2)->text().isEmpty());
}

// The message box says what is wrong; the field it is about then has the focus, selected.
TEST_F(WindowFaults, ARefusalPointsAtTheFieldAtFault) {
    Open(2);
    Calculate();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].text, QStringLiteral("Przed obliczeniami prosze podac typ materialu."));
    EXPECT_EQ(form->focusWidget(), Find<QComboBox>(QStringLiteral("MaterialList5")));

    Pick(Find<QComboBox>(QStringLiteral("MaterialList5")), 0);
    TypeInto(Input(4), "0");
    seen.clear();
    Calculate();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].text, QStringLiteral("Wprowadz wlasciwe dane"));
    EXPECT_EQ(form->focusWidget(), Input(4));
    EXPECT_EQ(Input(4)->selectedText(), QStringLiteral("0"));

    // A text that is no number is an error, and the field is pointed at the same way.
    TypeInto(Input(4), "1");
    TypeInto(Input(2), "-");
    seen.clear();
    Calculate();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].text,
              QStringLiteral("blad obliczen! Error: '-' is not a valid floating point value"));
    EXPECT_EQ(form->focusWidget(), Input(2));
}

// After a change of h the shown results belong to the old h: the report is not offered, the
// list of results still is.
TEST_F(WindowFaults, AChangedHLeavesNoReportOfTheOldResults) {
    Open(2);
    Pick(Find<QComboBox>(QStringLiteral("MaterialList5")), 0);
    Calculate();
    EXPECT_FALSE(form->Model().ResultsStale());
    TypeInto(Input(6), "12");
    EXPECT_TRUE(form->Model().ResultsStale());
    EXPECT_TRUE(Button("Button3")->isEnabled());
    bool printOffered = true, copyChosen = false;
    QString reason; // the window's visible texts but the choices' and fields' own
    const auto visibleReason = [&](QWidget* modal) {
        reason.clear();
        for (const QLabel* label : modal->findChildren<QLabel*>())
            if (label->isVisible() && label->text().contains(QStringLiteral("Oblicz")))
                reason = label->text();
    };
    test::AnswerNextModal([&](QWidget* modal) {
        auto* print = modal->findChild<QRadioButton*>(QStringLiteral("RB1"));
        auto* copy = modal->findChild<QRadioButton*>(QStringLiteral("RB2"));
        printOffered = print->isEnabled();
        copyChosen = copy->isChecked();
        visibleReason(modal);
        modal->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    });
    QTest::mouseClick(Button("Button3"), Qt::LeftButton);
    EXPECT_FALSE(printOffered);
    EXPECT_TRUE(copyChosen);
    EXPECT_EQ(reason, QStringLiteral("wyniki nieaktualne — nacisnij Oblicz"));

    // Once calculated again, printing is the first choice again, with nothing to explain.
    Calculate();
    test::AnswerNextModal([&](QWidget* modal) {
        printOffered = modal->findChild<QRadioButton*>(QStringLiteral("RB1"))->isChecked();
        visibleReason(modal);
        modal->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    });
    QTest::mouseClick(Button("Button3"), Qt::LeftButton);
    EXPECT_TRUE(printOffered);
    EXPECT_TRUE(reason.isEmpty());
}

// A window destroyed while open (no close first) must not touch its released rows.
TEST_F(WindowFaults, DestroyingAnOpenWindowIsSafe) {
    Open(4);
    EXPECT_TRUE(form->isVisible());
    form.reset();
    SUCCEED();
}

// Where each window opens.
class Placement : public testing::Test {
protected:
    // Within the frame's title bar, which the window system adds after placing.
    static void ExpectCentredOn(const QWidget* window, const QRect& area) {
        const QPoint offset = window->frameGeometry().center() - area.center();
        EXPECT_LE(std::abs(offset.x()), 1) << window->objectName().toStdString();
        EXPECT_LE(std::abs(offset.y()), 12) << window->objectName().toStdString();
    }
    Session session = test::SessionWithSmallCatalogue();
    GuiPrompts prompts;
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
};

TEST_F(Placement, MainSplashAboutAndHelp) {
    Tfrm_Main main(session, prompts, QStringLiteral(KELVARA_TEST_DATA_DIR));
    main.SplashMilliseconds = 0;
    main.OpenUrl = [](const QUrl&) { return false; };
    prompts.SetParent(&main);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    ExpectCentredOn(&main, screen);

    TSplash splash(QString(), QString(), 60000, &main);
    QRect splashAt;
    bool stayedAfterEsc = false;
    test::AnswerNextModal([&](QWidget* modal) {
        splashAt = modal->frameGeometry();
        QTest::keyClick(modal, Qt::Key_Escape);
        stayedAfterEsc = modal->isVisible();
        modal->findChild<QTimer*>(QStringLiteral("Splashtimer"))->setInterval(0);
        modal->findChild<QTimer*>(QStringLiteral("Splashtimer"))->start();
    });
    splash.exec();
    EXPECT_TRUE(stayedAfterEsc);
    EXPECT_LE((splashAt.center() - screen.center()).manhattanLength(), 2);

    main.button_main_infoClick();
    ExpectCentredOn(main.InfoWindow(), main.InfoWindow()->screen()->availableVirtualGeometry());
    main.InfoWindow()->close();

    main.move(main.pos() + QPoint(-40, 30));
    QRect helpAt;
    test::AnswerNextModal([&](QWidget* modal) {
        helpAt = modal->frameGeometry();
        modal->close();
    });
    prompts.HelpWindow().exec();
    EXPECT_LE((helpAt.center() - main.frameGeometry().center()).manhattanLength(), 2);
    test::AnswerMessageBox(QMessageBox::Yes, nullptr);
    main.close();
}

TEST(About, CreditsTheToolkitAndNamesTheSalesContactOnce) {
    Session session = test::SessionWithSmallCatalogue();
    test::RecordingPrompts quiet;
    const QString dir = QStringLiteral(KELVARA_TEST_DATA_DIR);
    LoadConfiguration(session, quiet, dir + QStringLiteral("/Kelvara.ini"), dir, {});
    GuiPrompts prompts;
    Tfrm_Main main(session, prompts, dir);
    QList<QUrl> opened;
    main.OpenUrl = [&opened](const QUrl& url) {
        opened.append(url);
        return true;
    };
    main.button_main_infoClick();
    QWidget* about = main.InfoWindow();
    for (const char* name : {"Label5", "Image1"}) {
        auto* credit = about->findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(credit, nullptr) << name;
        EXPECT_EQ(credit->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(credit, Qt::LeftButton);
    }
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("Label5"))->text(),
              QStringLiteral("powered by"));
    EXPECT_EQ(opened, (QList<QUrl>{QUrl(CreditWebAddress), QUrl(CreditWebAddress)}));
    // No line of text appears twice in the window.
    QStringList lines;
    for (QLabel* label : about->findChildren<QLabel*>())
        for (const QString& line : label->text().split(u'\n', Qt::SkipEmptyParts))
            lines.append(line);
    for (const QString& line : lines)
        EXPECT_EQ(lines.count(line), 1) << line.toStdString();
    about->close();
}

TEST(StartUp, AnExceptionWhileMakingTheWindowsIsShown) {
    test::SeenMessage seen;
    test::AnswerMessageBox(QMessageBox::Ok, &seen);
    const int status = KelvaraApplication::Start(
        []() -> int { throw AppError(QStringLiteral("Cannot open file logo.bmp")); });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(seen.text, QStringLiteral("Cannot open file logo.bmp"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

// The report through the programs that read it: its picture and its type sizes.
class Report : public CalculationWindowUi {
protected:
    QString Pdf(const QString& dataDir) {
        Open(2);
        Pick(Find<QComboBox>(QStringLiteral("MaterialList5")), 0);
        QTest::mouseClick(Button("Button1"), Qt::LeftButton);
        const QString file = dir.filePath(QStringLiteral("report.pdf"));
        Tf_Print report(form->Model(), {}, dataDir);
        EXPECT_TRUE(report.SavePdf(file));
        return file;
    }
    QTemporaryDir dir;
};

TEST_F(Report, TheBuiltInPictureStandsInForAMissingOne) {
    const QString pdf = Pdf(dir.path()); // no logoprint.bmp there
    const QStringList images =
        test::ProgramOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
            .split(u'\n');
    // A heading, a rule, then one line per picture.
    EXPECT_GE(images.size(), 3);
    EXPECT_TRUE(images.value(2).contains(QStringLiteral("image")))
        << images.join(u'\n').toStdString();
}

TEST_F(Report, TheLogoSitsOnWhitePaper) {
    Open(2);
    const Tf_Print report(form->Model(), {}, QString()); // makes the built-in picture available
    for (const QString& file :
         {QStringLiteral(KELVARA_TEST_DATA_DIR "/logoprint.bmp"), QStringLiteral(":/logo.png")}) {
        QImage picture(file);
        ASSERT_FALSE(picture.isNull()) << file.toStdString();
        EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::white)) << file.toStdString();
    }
}

// Word heights in the PDF follow the type sizes exactly: the 14-point input lines against
// the 12-point "Projekt" heading.
TEST_F(Report, TypeSizesAreExactPoints) {
    const QString pdf = Pdf(QStringLiteral(KELVARA_TEST_DATA_DIR));
    const QString boxes = test::ProgramOutput(QStringLiteral("pdftotext"),
                                              {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    auto heightOf = [&boxes](const QString& word) {
        const QRegularExpression line(QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" "
                                                     "yMax=\"([0-9.]+)\">%1<")
                                          .arg(QRegularExpression::escape(word)));
        const QRegularExpressionMatch match = line.match(boxes);
        EXPECT_TRUE(match.hasMatch()) << word.toStdString();
        return match.captured(2).toDouble() - match.captured(1).toDouble();
    };
    EXPECT_NEAR(heightOf(QStringLiteral("otoczenia")) / heightOf(QStringLiteral("Projekt")),
                14.0 / 12.0, 0.005);
    EXPECT_NEAR(heightOf(QStringLiteral("Wyniki")) / heightOf(QStringLiteral("Projekt")),
                11.0 / 12.0, 0.005);
}

} // namespace
