#include "workspace/TPipeSizingForm.h"
#include "LayoutChecks.h"
#include "output/SizingReport.h"

#include "ModalAnswerer.h"
#include "PdfText.h"
#include "TestCatalogue.h"
#include "UserInput.h"
#include "output/TPrintDecision.h"
#include "output/Tf_Print.h"
#include "shell/GuiPrompts.h"
#include "shell/Session.h"
#include "shell/Tfrm_Main.h"
#include "windows/TF_Help.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace kelvara;

namespace {

const QString DataDir = QStringLiteral(KELVARA_TEST_DATA_DIR);

// The sizing window over the shipped catalogue and size table, shown offscreen.
class SizingFormUi : public testing::Test, protected test::UserInput {
protected:
    void SetUp() override {
        GuiPrompts quiet;
        test::LoadShippedData(session, quiet, DataDir);
        prompts.SetDataDir(DataDir);
        Open();
    }
    void Open() {
        form = std::make_unique<TPipeSizingForm>(session, prompts, prompts.HelpWindow(),
                                                 prompts.PrintDecision());
        form->OpenUrl = [this](const QUrl& url) {
            opened.append(url.toLocalFile());
            return true;
        };
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
    QComboBox* List(int i) { return Find<QComboBox>(QStringLiteral("MaterialList%1").arg(i)); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(QString::fromLatin1(name)); }
    void FillHotPipe() {
        TypeInto(Input(SizingAmbient), "20");
        TypeInto(Input(SizingMedium), "70");
        TypeInto(Input(SizingHumidity), "50");
        TypeInto(Input(SizingOuterDiameter), "60.3");
        TypeInto(Input(SizingInnerDiameter), "54.5");
        Pick(List(SizingMaterial), int(session.Catalogue.MaterialNames.indexOf(
                                       QStringLiteral("Welna mineralna (otuliny)"))));
        TypeInto(Input(SizingH), "9");
        Pick(List(SizingCase), 0);
        TypeInto(Input(SizingMaxSurface), "25");
        TypeInto(Input(SizingLength), "10");
    }
    QStringList ShownLines() const {
        QStringList lines;
        for (const auto& v : form->ResultViews())
            if (v.label->isVisible())
                lines << v.label->text() + u'|' + v.value->text() + u'|' + v.unit->text() + u'|' +
                             (v.size->isVisible() ? v.size->text() : QString());
        return lines;
    }

    Session session;
    GuiPrompts prompts;
    std::unique_ptr<TPipeSizingForm> form;
    QStringList opened;
};

TEST_F(SizingFormUi, CalculatedByKeyboard) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Dobor izolacji"));
    EXPECT_EQ(Find<QGroupBox>(QStringLiteral("GroupBox1"))->title(), QStringLiteral("Dane"));
    EXPECT_FALSE(Button("Button3")->isEnabled());
    FillHotPipe();
    QTest::keyClick(Input(SizingLength), Qt::Key_Return);
    EXPECT_EQ(ShownLines(),
              (QStringList{"zabezpieczenie przed kondensacja|-/-|mm|-/-",
                           "minimum wg warunkow technicznych (poz. 3)|68.5|mm|patrz Pomoc",
                           "max temperatura powierzchni|29.8|mm|KV-32/60.3",
                           "decyduje: minimum wg warunkow technicznych|68.5|mm|patrz Pomoc",
                           "Straty ciepla na metr|10.48|W/m|", "Straty ciepla Q|104.81|W|",
                           "energia w roku|524.0|kWh|", "koszty w roku|262.01|€|",
                           "emisja CO2 w roku|366.8|kg|"}));
    EXPECT_TRUE(Button("Button3")->isEnabled());
    // A change leaves the results behind, painted cream.
    TypeInto(Input(SizingLength), "11");
    EXPECT_EQ(form->ResultViews()[0].value->palette().color(QPalette::Base), QColor(255, 251, 240));
}

TEST_F(SizingFormUi, RefusalFocusesTheFieldAtFault) {
    FillHotPipe();
    TypeInto(Input(SizingInnerDiameter), "61");
    test::SeenMessage seen;
    test::AnswerMessageBox(QMessageBox::Ok, &seen);
    Button("Button1")->click();
    EXPECT_EQ(seen.text, QStringLiteral("Srednica wewnetrzna rury: musi byc wieksza od 0 i "
                                        "mniejsza od srednicy zewnetrznej (60.3 mm)"));
    EXPECT_EQ(form->focusWidget(), Input(SizingInnerDiameter));
    EXPECT_EQ(Input(SizingInnerDiameter)->selectedText(), QStringLiteral("61"));
    EXPECT_FALSE(Button("Button3")->isEnabled());
}

TEST_F(SizingFormUi, NamesTabOrderAndNothingClipped) {
    FillHotPipe();
    Button("Button1")->click();
    // Every control a screen reader meets is named after its label.
    for (int i = 0; i < SizingRowCount; ++i) {
        auto* label = Find<QLabel>(QStringLiteral("InputLabel%1").arg(i));
        QWidget* control = form->findChild<QLineEdit*>(QStringLiteral("InputEdit%1").arg(i));
        if (!control)
            control = List(i);
        EXPECT_EQ(control->accessibleName(), label->text()) << i;
        // The label ends before the row's controls and inside the box.
        EXPECT_LE(label->geometry().right(), control->x()) << i;
        EXPECT_LE(control->geometry().right(), control->parentWidget()->width()) << i;
    }
    for (const auto& v : form->ResultViews()) {
        if (!v.label->isVisible())
            continue;
        EXPECT_EQ(v.value->accessibleName(), v.label->text());
        EXPECT_LE(v.label->geometry().right(), v.value->x()) << v.label->text().toStdString();
        EXPECT_LE(v.label->width(), v.label->sizeHint().width() + 1);
        EXPECT_LE(v.unit->geometry().right(), v.size->x());
        EXPECT_LE(v.size->geometry().right(), v.size->parentWidget()->width());
        EXPECT_GE(v.size->width(), v.size->fontMetrics().horizontalAdvance(v.size->text()));
    }
    // Tab walks the inputs top to bottom, then the results, then the buttons.
    Input(SizingAmbient)->setFocus();
    QWidget* previous = Input(SizingAmbient);
    QStringList order;
    for (int step = 0; step < 60 && previous != Button("Button4"); ++step) {
        QTest::keyClick(previous, Qt::Key_Tab);
        QWidget* next = QApplication::focusWidget();
        ASSERT_NE(next, previous);
        const QPoint a = previous->mapTo(form.get(), QPoint(0, 0));
        const QPoint b = next->mapTo(form.get(), QPoint(0, 0));
        const bool sameBox = previous->parentWidget() == next->parentWidget();
        if (sameBox && next->parentWidget() != Button("Button1")->parentWidget()) {
            EXPECT_TRUE(b.y() > a.y() + 5 || (std::abs(b.y() - a.y()) <= 5 && b.x() > a.x()))
                << previous->objectName().toStdString() << " -> "
                << next->objectName().toStdString();
        }
        order << next->objectName();
        previous = next;
    }
    EXPECT_EQ(previous, Button("Button4"));
    EXPECT_EQ(order.first(), QStringLiteral("InputEdit1"));
    EXPECT_TRUE(order.contains(QStringLiteral("ResultSize3")));
}

// The room an edit's text has: its contents without frame and the inner margins.
int TextRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 4;
}

// The room a closed list has for its shown text, beside the arrow.
QRect TextRoom(const QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.currentText = list->currentText();
    return list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                         list);
}

// The longest installation case, "patrz Pomoc" in a value and in a size field: each is shown
// whole, and the result lines start below the title of their box.
TEST_F(SizingFormUi, LongTextsShownWholeBelowTheTitle) {
    QComboBox* cases = List(SizingCase);
    int longest = 0;
    for (int i = 1; i < cases->count(); ++i)
        if (cases->itemText(i).size() > cases->itemText(longest).size())
            longest = i;
    Pick(cases, longest);
    // Wrapped over the lines of the closed field, which sits on its label's line.
    const QRect room = TextRoom(cases);
    const QRect shown =
        cases->fontMetrics().boundingRect(room, Qt::TextWordWrap, cases->currentText());
    EXPECT_LE(shown.width(), room.width()) << cases->currentText().toStdString();
    EXPECT_LE(shown.height(), room.height()) << cases->currentText().toStdString();
    EXPECT_GE(cases->font().pointSize(), 8);
    auto* label = Find<QLabel>(QStringLiteral("InputLabel%1").arg(SizingCase));
    const int middle = label->geometry().center().y();
    EXPECT_TRUE(cases->y() <= middle && middle <= cases->geometry().bottom());
    EXPECT_LE(cases->geometry().right(), cases->parentWidget()->width());
    for (QWidget* other : cases->parentWidget()->findChildren<QWidget*>()) {
        if (other != cases && other->parentWidget() == cases->parentWidget() &&
            other->isVisible()) {
            EXPECT_FALSE(other->geometry().intersects(cases->geometry()))
                << other->objectName().toStdString();
        }
    }

    FillHotPipe();
    TypeInto(Input(SizingMaxLoss), "0.1"); // a loss no thickness reaches
    Button("Button1")->click();
    QStringList seeHelp;
    for (const auto& v : form->ResultViews())
        for (const QLineEdit* field : {v.value, v.size}) {
            if (!field->isVisible())
                continue;
            if (field->text() == QStringLiteral("patrz Pomoc"))
                seeHelp << field->objectName();
            EXPECT_LE(field->fontMetrics().horizontalAdvance(field->text()), TextRoom(field))
                << field->objectName().toStdString() << " " << field->text().toStdString();
        }
    EXPECT_TRUE(seeHelp.contains(QStringLiteral("ResultEdit3")))
        << seeHelp.join(u' ').toStdString();
    EXPECT_TRUE(seeHelp.contains(QStringLiteral("ResultSize1")))
        << seeHelp.join(u' ').toStdString();

    auto* box = Find<QGroupBox>(QStringLiteral("GroupBox2"));
    const QRect title = test::BoxPart(box, QStyle::SC_GroupBoxLabel);
    const auto& first = form->ResultViews().front();
    EXPECT_GT(first.value->y(), title.bottom());
    EXPECT_GT(first.label->y(), title.bottom());
    // The last line still lies inside its box.
    const auto& last = form->ResultViews().back();
    EXPECT_LE(last.value->geometry().bottom(), box->contentsRect().bottom());
}

// Inputs and results side by side: the whole window fits a 1024 x 768 screen with room for a
// title bar and a task bar, its rows clear of the boxes' frame lines and no label read by its
// box's name.
TEST_F(SizingFormUi, FitsASmallScreen) {
    EXPECT_LE(form->width(), 1014);
    EXPECT_LE(form->height(), 768 - 64);
    test::ExpectControlsBelowTheFrameLine(form.get());
    test::ExpectLabelsAnnounceTheirText(form.get());
    FillHotPipe();
    Button("Button1")->click();
    test::ExpectLabelsAnnounceTheirText(form.get());
    // Everything lies inside the window.
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        const QRect shown(widget->mapTo(form.get(), QPoint(0, 0)), widget->size());
        EXPECT_TRUE(form->rect().contains(shown)) << widget->objectName().toStdString();
    }
}

TEST_F(SizingFormUi, HelpOpensItsDocument) {
    Button("Button2")->click();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened.first().endsWith(QStringLiteral("/HELP/dobor_izolacji.html")));
}

TEST_F(SizingFormUi, PrintCopiesTheResultList) {
    FillHotPipe();
    Button("Button1")->click();
    test::AnswerNextModal([](QWidget* modal) {
        auto* decision = qobject_cast<TPrintDecision*>(modal);
        ASSERT_NE(decision, nullptr);
        // The report is offered first, as in the calculation window; the list is the other way.
        auto* print = decision->findChild<QRadioButton*>(QStringLiteral("RB1"));
        auto* copy = decision->findChild<QRadioButton*>(QStringLiteral("RB2"));
        EXPECT_TRUE(print->isEnabled());
        EXPECT_TRUE(print->isChecked());
        copy->click();
        test::AnswerMessageBox(QMessageBox::Ok, nullptr);
        decision->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    Button("Button3")->click();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QStringList lines = data->text().split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[3], QStringLiteral("Dobor izolacji"));
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("20\t70\t50\t60.3\t54.5\t")));
    EXPECT_TRUE(
        lines[5].contains(QStringLiteral("\tminimum wg warunkow technicznych (poz. 3)\t68.5\t")));
    EXPECT_TRUE(data->html().contains(QStringLiteral("<td>patrz Pomoc</td>")));
}

// "Drukuj" with "drukuj aktualne wyniki" opens the preview of the report, which offers the PDF;
// once an input has changed only the list can be copied.
TEST_F(SizingFormUi, PrintOpensTheReportPreview) {
    FillHotPipe();
    Button("Button1")->click();
    QString title;
    bool offersPdf = false;
    test::AnswerNextModal([&](QWidget* decision) {
        ASSERT_TRUE(decision->findChild<QRadioButton*>(QStringLiteral("RB1"))->isChecked());
        test::AnswerNextModal([&](QWidget* modal) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
            ASSERT_NE(preview, nullptr);
            title = preview->windowTitle();
            for (QAction* action : preview->findChild<QToolBar*>()->actions())
                offersPdf |= action->text() == QStringLiteral("Zapisz jako PDF");
            preview->reject();
        });
        decision->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    Button("Button3")->click();
    EXPECT_EQ(title, QStringLiteral("Dobor izolacji"));
    EXPECT_TRUE(offersPdf);

    TypeInto(Input(SizingLength), "11");
    bool printOffered = true;
    test::AnswerNextModal([&](QWidget* decision) {
        printOffered = decision->findChild<QRadioButton*>(QStringLiteral("RB1"))->isEnabled();
        decision->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    });
    Button("Button3")->click();
    EXPECT_FALSE(printOffered);
}

// The report's PDF as another program reads it: headings, inputs, the criteria with their
// sizes, the governing one, the year and the remarks, in the order of the page.
TEST_F(SizingFormUi, ReportReachesThePdfInOrder) {
    session.Catalogue.SalesAdress = QStringLiteral("Kelvara Technika<CR>Krakow");
    FillHotPipe();
    Button("Button1")->click();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("dobor.pdf"));
    Tf_Print report(form->Model(),
                    {QStringLiteral("Hala"), QStringLiteral("Firma X"), QStringLiteral("uwagi")},
                    DataDir);
    ASSERT_TRUE(report.SavePdf(pdf));
    const QString text = test::PdfLayoutText(pdf);
    const QStringList inOrder = {
        QStringLiteral("Kelvara - Wersja 5.0"),
        QStringLiteral("Dobor izolacji"),
        QStringLiteral("Hala"),
        QStringLiteral("Firma X"),
        QStringLiteral("Temp otoczenia"),
        QStringLiteral("Welna mineralna (otuliny)"),
        QStringLiteral("Rodzaj przewodu"),
        QStringLiteral("Przewod zwykly (poz. 1-4 wg srednicy wewnetrznej)"),
        QStringLiteral("wskaznik emisji CO2"),
        QStringLiteral("Wyniki"),
        QStringLiteral("minimum wg warunkow technicznych (poz. 3)"),
        QStringLiteral("patrz Pomoc"),
        QStringLiteral("KV-32/60.3"),
        QStringLiteral("decyduje: minimum wg warunkow technicznych"),
        QStringLiteral("Straty ciepla na metr"),
        QStringLiteral("104.81"),
        QStringLiteral("524.0"),
        QStringLiteral("366.8"),
        QStringLiteral("uwagi"),
        QStringLiteral("Kelvara Technika"),
        QStringLiteral("Krakow"),
    };
    test::ExpectInOrder(text, inOrder);
    test::ExpectReportTextsOnTheirOwnLines(
        pdf, BuildSizingReport(
                 form->Model(),
                 {QStringLiteral("Hala"), QStringLiteral("Firma X"), QStringLiteral("uwagi")},
                 QDate::currentDate()));
    // One page.
    EXPECT_EQ(text.count(u'\f'), 1) << text.toStdString();
}

TEST_F(SizingFormUi, InputsRememberedForTheNextOpening) {
    FillHotPipe();
    TypeInto(Input(SizingMargin), "2");
    form->close();
    Open();
    EXPECT_EQ(Input(SizingInnerDiameter)->text(), QStringLiteral("54.500"));
    EXPECT_EQ(Input(SizingMargin)->text(), QStringLiteral("2.00"));
    EXPECT_EQ(Input(SizingMaxLoss)->text(), QString());
    EXPECT_EQ(List(SizingCase)->currentIndex(), 0);
}

// The main menu gains the sizing after "Plyty"; the entries before it keep their places.
TEST(SizingMenu, AfterPlytyOpensTheWindow) {
    Session session;
    GuiPrompts prompts;
    Tfrm_Main window(session, prompts, DataDir);
    window.SplashMilliseconds = 0;
    prompts.SetParent(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QStringList titles;
    for (QAction* action : window.menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, (QStringList{"Rurociagi", "Plyty", "Dobor izolacji", "Zestawienie izolacji",
                                   "Info", "Pomoc", "zamknij"}));
    QString caption;
    window.OnCalculationWindow = [&caption](QDialog& form) {
        QTimer::singleShot(0, &form, [&form, &caption] {
            caption = form.windowTitle();
            form.reject();
        });
    };
    window.findChild<QAction*>(QStringLiteral("Menu_Sizing"))->trigger();
    EXPECT_EQ(caption, QStringLiteral("Dobor izolacji"));
    test::AnswerMessageBox(QMessageBox::Yes, nullptr);
    window.close();
}

} // namespace
