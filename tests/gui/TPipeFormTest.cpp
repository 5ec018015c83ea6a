#include "workspace/TPipeForm.h"
#include "output/Tf_Print.h"

#include "CalculationWindowUi.h"
#include "ModalAnswerer.h"
#include "PdfText.h"
#include "TestCatalogue.h"
#include "shell/GuiPrompts.h"
#include "shell/ToolkitTranslations.h"
#include "windows/TF_Help.h"
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace kelvara;

namespace {

using test::CalculationWindowUi;

TEST_F(CalculationWindowUi, HeatLossByKeyboard) {
    Open(2);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Obliczanie strat ciepla w rurociagu"));
    EXPECT_EQ(Button("Button1")->text(), QStringLiteral("Oblicz"));
    EXPECT_FALSE(Button("Button3")->isEnabled());
    auto* material = Find<QComboBox>(QStringLiteral("MaterialList5"));
    EXPECT_EQ(material->placeholderText(), QStringLiteral("wybierz"));
    EXPECT_EQ(material->currentIndex(), -1);
    // Lists take no typed text.
    QTest::keyClicks(material, QStringLiteral("Kw"));
    EXPECT_EQ(material->currentIndex(), -1);
    // The arrow keys choose, as the mouse does.
    material->setFocus();
    QTest::keyClick(material, Qt::Key_Down);
    EXPECT_EQ(form->Model().Input(5).MaterialText(), QStringLiteral("Kauczuk"));
    Pick(material, 0);
    EXPECT_EQ(form->Model().Input(5).MaterialText(), QStringLiteral("Kauczuk"));

    // "," becomes ".", a letter is dropped.
    TypeInto(Input(3), "2x0,5");
    EXPECT_EQ(Input(3)->text(), QStringLiteral("20.5"));
    QTest::keyClick(Input(3), Qt::Key_Return);
    EXPECT_EQ(Input(3)->text(), QStringLiteral("20.500"));
    EXPECT_EQ(Result(0)->text(), QStringLiteral("0.0340"));
    EXPECT_FALSE(Result(2)->text().isEmpty());
    EXPECT_TRUE(Button("Button3")->isEnabled());
    EXPECT_FALSE(IsCream(Result(0)));
    auto* choices = Find<QComboBox>(QStringLiteral("ChoiceList5"));
    EXPECT_EQ(choices->count(), 8);
    EXPECT_EQ(choices->placeholderText(), QStringLiteral("wybierz"));
    EXPECT_EQ(choices->currentIndex(), -1);

    // A change paints the results stale; an alternative recalculates at once.
    TypeInto(Input(0), "30");
    EXPECT_TRUE(IsCream(Result(0)));
    Pick(choices, 2);
    EXPECT_EQ(Input(3)->text(), QStringLiteral("13.000"));
    EXPECT_FALSE(IsCream(Result(0)));
    EXPECT_EQ(form->Model().ResultLog.size(), 4);
}

TEST_F(CalculationWindowUi, PrintButtonFollowsTheOutcome) {
    Open(2);
    test::SeenMessage seen;
    test::AnswerMessageBox(QMessageBox::Ok, &seen);
    QTest::mouseClick(Button("Button1"), Qt::LeftButton);
    EXPECT_EQ(seen.text, QStringLiteral("Przed obliczeniami prosze podac typ materialu."));
    EXPECT_FALSE(Button("Button3")->isEnabled());

    Pick(Find<QComboBox>(QStringLiteral("MaterialList5")), 0);
    QTest::mouseClick(Button("Button1"), Qt::LeftButton);
    EXPECT_TRUE(Button("Button3")->isEnabled());

    TypeInto(Input(1), "-");
    test::AnswerMessageBox(QMessageBox::Ok, &seen);
    QTest::keyClick(Input(1), Qt::Key_Enter);
    EXPECT_EQ(seen.text,
              QStringLiteral("blad obliczen! Error: '-' is not a valid floating point value"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_FALSE(Button("Button3")->isEnabled());
}

TEST_F(CalculationWindowUi, ClosingKeepsTheTypedValues) {
    Open(2);
    TypeInto(Input(0), "31");
    TypeInto(Input(4), "");
    TypeInto(Input(6), "8");
    form->close();
    EXPECT_EQ(session.Remembered.AmbientTemp, 31.0f);
    EXPECT_EQ(session.Remembered.PipeLength, 1.0f); // the empty length keeps the value before
    EXPECT_EQ(session.Remembered.SurfaceCoeff, 8.0f);
    Open(1);
    EXPECT_EQ(Input(0)->text(), QStringLiteral("31.00"));
}

TEST_F(CalculationWindowUi, FreezingThatNeverHappensLeavesTheSeriesEmpty) {
    Open(4);
    TypeInto(Input(0), "5");
    TypeInto(Input(1), "20");
    Pick(Find<QComboBox>(QStringLiteral("MaterialList9")), 0);
    QTest::keyClick(Input(0), Qt::Key_Return);
    EXPECT_EQ(Result(0)->text(), QStringLiteral("nigdy"));
    auto* series = Find<QComboBox>(QStringLiteral("ChoiceList1"));
    EXPECT_EQ(series->count(), 0);
    EXPECT_EQ(series->placeholderText(), QStringLiteral("wybierz"));
}

TEST_F(CalculationWindowUi, MediumChoiceAndItsEditAcceptAnyText) {
    Open(3);
    auto* medium = Find<QComboBox>(QStringLiteral("MediumList2"));
    EXPECT_EQ(medium->currentText(), QStringLiteral("Woda"));
    Pick(medium, 1);
    EXPECT_EQ(Input(2)->text(), QStringLiteral("1040.00"));
    EXPECT_EQ(Input(3)->text(), QStringLiteral("3700.00"));
    QTest::keyClicks(Input(2), QStringLiteral("a"));
    EXPECT_TRUE(Input(2)->text().endsWith(u'a'));
}

TEST_F(CalculationWindowUi, HelpShowsTheBuiltInText) {
    Open(6);
    QString shown;
    test::AnswerNextModal([&shown](QWidget* modal) {
        shown = modal->findChild<QPlainTextEdit*>(QStringLiteral("Memo_Help"))->toPlainText();
        modal->findChild<QPushButton*>(QStringLiteral("Cmd_OK"))->click();
    });
    QTest::mouseClick(Button("Button2"), Qt::LeftButton);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Nawet izolowane powierzchnie traca cieplo")));
    EXPECT_TRUE(shown.contains(QStringLiteral("\n\nJesli nie jest znany")));
}

// The help document of the calculation, when the system has no viewer for it, shows in the
// program's window; the built-in text shows in the memo again afterwards.
TEST_F(CalculationWindowUi, HelpDocumentShowsInTheProgramWhenTheSystemCannotOpenIt) {
    QTemporaryDir dir;
    const QString document = dir.filePath(QStringLiteral("straty.html"));
    QFile file(document);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><h1>Straty ciepla</h1><p>Grubo&#347;&#263; izolacji "
               "&lt;20 mm&gt;</p></body></html>");
    file.close();
    session.Catalogue.HelpFileList = {QString(), QString(), document};
    Open(2);
    QStringList asked;
    form->OpenUrl = [&asked](const QUrl& url) {
        asked.append(url.toLocalFile());
        return false;
    };
    QString shown;
    test::AnswerNextModal([&shown](QWidget* modal) {
        auto* browser = modal->findChild<QTextBrowser*>(QStringLiteral("Browser_Help"));
        EXPECT_TRUE(browser->isVisible());
        EXPECT_FALSE(modal->findChild<QPlainTextEdit*>(QStringLiteral("Memo_Help"))->isVisible());
        shown = browser->toPlainText();
        modal->findChild<QPushButton*>(QStringLiteral("Cmd_OK"))->click();
    });
    QTest::mouseClick(Button("Button2"), Qt::LeftButton);
    EXPECT_EQ(asked, QStringList{document});
    EXPECT_EQ(shown, QStringLiteral("Straty ciepla\nGrubość izolacji <20 mm>"));

    // A document the system opens leaves the program's window closed.
    form->OpenUrl = [](const QUrl&) { return true; };
    QTest::mouseClick(Button("Button2"), Qt::LeftButton);
    EXPECT_FALSE(prompts.HelpWindow().isVisible());

    // Without a document, the built-in text in the memo.
    session.Catalogue.HelpFileList[2] = dir.filePath(QStringLiteral("missing.html"));
    bool memoShown = false;
    test::AnswerNextModal([&memoShown](QWidget* modal) {
        memoShown = modal->findChild<QPlainTextEdit*>(QStringLiteral("Memo_Help"))->isVisible() &&
                    !modal->findChild<QTextBrowser*>(QStringLiteral("Browser_Help"))->isVisible();
        modal->findChild<QPushButton*>(QStringLiteral("Cmd_OK"))->click();
    });
    QTest::mouseClick(Button("Button2"), Qt::LeftButton);
    EXPECT_TRUE(memoShown);
}

TEST_F(CalculationWindowUi, UserConductivityWindow) {
    Open(1);
    QStringList messages;
    test::AnswerNextModal([&messages](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("ME_lambda"));
        EXPECT_TRUE(edit->text().isEmpty());
        EXPECT_EQ(modal->findChild<QPushButton*>(QStringLiteral("Cmd_finished"))->text(),
                  QStringLiteral("potwierdz"));
        // An empty text is refused and the window stays.
        QList<test::SeenMessage>* seen = new QList<test::SeenMessage>;
        test::AnswerMessageBoxes(QMessageBox::Ok, 1, seen);
        QTest::keyClick(edit, Qt::Key_Return);
        for (const auto& m : *seen)
            messages.append(m.text);
        delete seen;
        EXPECT_TRUE(modal->isVisible());
        QTest::keyClicks(edit, QStringLiteral("0,04"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    Pick(Find<QComboBox>(QStringLiteral("MaterialList4")), 2);
    EXPECT_EQ(messages, QStringList{QStringLiteral("Wprowadz wlasciwe dane")});
    EXPECT_FLOAT_EQ(session.Remembered.UserLambda, 0.04f);
    EXPECT_TRUE(IsCream(Result(0)));
}

TEST_F(CalculationWindowUi, CoefficientCalculatorWindow) {
    Open(2);
    Pick(Find<QComboBox>(QStringLiteral("MaterialList5")), 0);
    QStringList seenTexts;
    test::AnswerNextModal([&seenTexts](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(),
                  QStringLiteral("Obliczanie wspólczynnika przejmowania ciepla z powierzchni h"));
        auto* outdoor = modal->findChild<QRadioButton*>(QStringLiteral("TntRadioButton2"));
        auto* wind = modal->findChild<QLineEdit*>(QStringLiteral("TntEdit2"));
        auto* emissivity = modal->findChild<QLineEdit*>(QStringLiteral("TntEdit1"));
        auto* cladding = modal->findChild<QComboBox*>(QStringLiteral("TntComboBox1"));
        EXPECT_EQ(emissivity->text(), QStringLiteral("0.93"));
        EXPECT_FALSE(wind->isVisible());
        outdoor->click();
        EXPECT_TRUE(wind->isVisible());
        EXPECT_EQ(wind->text(), QStringLiteral("1"));
        // Outdoors without a cladding: refused, the window stays.
        QList<test::SeenMessage>* seen = new QList<test::SeenMessage>;
        test::AnswerMessageBoxes(QMessageBox::Ok, 1, seen);
        modal->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        for (const auto& m : *seen)
            seenTexts.append(m.text);
        delete seen;
        emit cladding->activated(2);
        EXPECT_EQ(emissivity->text(), QStringLiteral("0.13"));
        modal->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    QTest::mouseClick(Find<QPushButton>(QStringLiteral("HButton6")), Qt::LeftButton);
    EXPECT_EQ(seenTexts, QStringList{QStringLiteral("Wprowadz wlasciwe dane")});
    EXPECT_NE(Input(6)->text(), QStringLiteral("9.000"));
    EXPECT_TRUE(session.CoeffFromCalculator);
    EXPECT_EQ(session.CalculatorCladdingIndex, 2);
}

TEST_F(CalculationWindowUi, CopyPutsTheResultListOnTheClipboard) {
    Open(2);
    Pick(Find<QComboBox>(QStringLiteral("MaterialList5")), 0);
    QTest::mouseClick(Button("Button1"), Qt::LeftButton);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QStringList said;
    test::AnswerNextModal([&said](QWidget* modal) {
        EXPECT_TRUE(modal->findChild<QRadioButton*>(QStringLiteral("RB1"))->isChecked());
        modal->findChild<QLineEdit*>(QStringLiteral("E_company"))
            ->setText(QStringLiteral("Zakład Północ"));
        modal->findChild<QRadioButton*>(QStringLiteral("RB2"))->click();
        QList<test::SeenMessage>* seen = new QList<test::SeenMessage>;
        test::AnswerMessageBoxes(QMessageBox::Ok, 1, seen);
        modal->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        for (const auto& m : *seen)
            said.append(m.text);
        delete seen;
    });
    QTest::mouseClick(Button("Button3"), Qt::LeftButton);
    EXPECT_EQ(said, QStringList{QStringLiteral("Ok")});
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("Projekt \r\nFirma Zakład Północ\r\nkomentarz \r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\t\r\n")));
    // Beside the text, the same lines as a table for spreadsheets.
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasHtml());
    EXPECT_EQ(data->html(), ResultLogHtml(form->Model().ResultLog));
    EXPECT_TRUE(data->html().contains(QStringLiteral("<td>Firma Zakład Północ</td>")));

    // "Anuluj" leaves the clipboard alone.
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    test::AnswerNextModal(
        [](QWidget* modal) { modal->findChild<QPushButton*>(QStringLiteral("Button2"))->click(); });
    QTest::mouseClick(Button("Button3"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

TEST_F(CalculationWindowUi, ReportReachesThePdfInOrder) {
    session.Catalogue.SalesAdress = QStringLiteral("Kelvara Technika<CR>Krakow");
    Open(2);
    Pick(Find<QComboBox>(QStringLiteral("MaterialList5")), 0);
    QTest::mouseClick(Button("Button1"), Qt::LeftButton);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("raport.pdf"));
    Tf_Print report(form->Model(),
                    {QStringLiteral("Hala"), QStringLiteral("Firma X"), QStringLiteral("uwagi")},
                    QStringLiteral(KELVARA_TEST_DATA_DIR));
    ASSERT_TRUE(report.SavePdf(pdf));
    const QString text = test::PdfLayoutText(pdf);
    const QStringList inOrder = {QStringLiteral("Kelvara - Wersja 5.0"),
                                 QStringLiteral("ISO 12241:1998"),
                                 QStringLiteral("Obliczanie strat ciepla w rurociagu"),
                                 QStringLiteral("Hala"),
                                 QStringLiteral("Temp otoczenia"),
                                 QStringLiteral("Kauczuk"),
                                 QStringLiteral("Straty ciepla Q"),
                                 QStringLiteral("uwagi"),
                                 QStringLiteral("Kelvara Technika"),
                                 QStringLiteral("Krakow")};
    test::ExpectInOrder(text, inOrder);
}

// The file dialog of "Zapisz jako PDF", in the toolkit's Polish, proposes the user's documents
// folder and a file named after the calculation.
TEST_F(CalculationWindowUi, PdfDialogProposesTheDocumentsFolderInPolish) {
    const auto polish = InstallToolkitTranslations(QCoreApplication::applicationDirPath());
    ASSERT_NE(polish, nullptr) << "qtbase_pl.qm not found (package qt6-translations-l10n)";
#ifdef _WIN32
    // The user's known folder "Documents".
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
#else
    QTemporaryDir config;
    const QString documents = config.filePath(QStringLiteral("Dokumenty"));
    ASSERT_TRUE(QDir().mkpath(documents));
    QFile dirs(config.filePath(QStringLiteral("user-dirs.dirs")));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DOCUMENTS_DIR=\"" + documents.toUtf8() + "\"\n");
    dirs.close();
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
#endif

    Open(2);
    Pick(Find<QComboBox>(QStringLiteral("MaterialList5")), 0);
    QTest::mouseClick(Button("Button1"), Qt::LeftButton);
    Tf_Print report(form->Model(), {}, QStringLiteral(KELVARA_TEST_DATA_DIR));
    QString folder, fileName, cancel, title;
    bool sawPreview = false;
    test::AnswerNextModal([&](QWidget* modal) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
        ASSERT_NE(preview, nullptr);
        sawPreview = true;
        QAction* save = nullptr;
        for (QAction* action : preview->findChild<QToolBar*>()->actions())
            if (action->text() == QStringLiteral("Zapisz jako PDF"))
                save = action;
        ASSERT_NE(save, nullptr);
        // The file dialog opens inside the preview; answer it when it shows.
        auto* poll = new QTimer(preview);
        QObject::connect(poll, &QTimer::timeout, [&, poll] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QFileDialog*>(w);
                if (!dialog || !dialog->isVisible())
                    continue;
                poll->stop();
                title = dialog->windowTitle();
                folder = dialog->directory().absolutePath();
                fileName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
                cancel = dialog->findChild<QDialogButtonBox*>()
                             ->button(QDialogButtonBox::Cancel)
                             ->text();
                dialog->reject();
                return;
            }
        });
        poll->start(10);
        save->trigger();
        preview->reject();
    });
    report.Cmd_previewClick();
#ifndef _WIN32
    if (oldConfig.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfig);
#endif

    EXPECT_TRUE(sawPreview);
    EXPECT_EQ(title, QStringLiteral("Zapisz jako PDF"));
    EXPECT_EQ(folder, QDir(documents).absolutePath());
    EXPECT_EQ(fileName, QStringLiteral("Obliczanie strat ciepla w rurociagu.pdf"));
    EXPECT_EQ(cancel, QStringLiteral("Anuluj"));
}

TEST_F(CalculationWindowUi, ReturningFromTheCalculatorsHelpStartsItOver) {
    Open(2);
    Pick(Find<QComboBox>(QStringLiteral("MaterialList5")), 0);
    QString windAfterHelp;
    bool indoorAfterHelp = false;
    test::AnswerNextModal([&](QWidget* modal) {
        modal->findChild<QRadioButton*>(QStringLiteral("TntRadioButton2"))->click();
        modal->findChild<QLineEdit*>(QStringLiteral("TntEdit2"))->setText(QStringLiteral("5"));
        test::AnswerNextModal([](QWidget* help) {
            help->findChild<QPushButton*>(QStringLiteral("Cmd_OK"))->click();
        });
        modal->findChild<QPushButton*>(QStringLiteral("Button3"))->click();
        windAfterHelp = modal->findChild<QLineEdit*>(QStringLiteral("TntEdit2"))->text();
        indoorAfterHelp =
            modal->findChild<QRadioButton*>(QStringLiteral("TntRadioButton1"))->isChecked();
        modal->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    });
    QTest::mouseClick(Find<QPushButton>(QStringLiteral("HButton6")), Qt::LeftButton);
    EXPECT_EQ(windAfterHelp, QStringLiteral("1"));
    EXPECT_TRUE(indoorAfterHelp);
    EXPECT_FALSE(session.CoeffFromCalculator);
    EXPECT_EQ(Input(6)->text(), QStringLiteral("9.000"));
}

// A pasted or committed text goes in only as the number it means; otherwise the field stays.
TEST_F(CalculationWindowUi, PastedAndCommittedTextGoesInOnlyAsANumber) {
    Open(2);
    QLineEdit* length = Input(4); // "Dlugosc rury", 1.000
    length->setFocus();
    const QString before = length->text();
    for (const char* text : {"1e3", "1,5e3 abc"}) {
        QApplication::clipboard()->setText(QString::fromUtf8(text));
        QTest::keyClick(length, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(length->text(), before) << text;
    }
    length->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("1 234,5"));
    QTest::keyClick(length, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(form->Model().Input(4).ParaLineEditText(), QStringLiteral("1234.5"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("x1"));
    QApplication::sendEvent(length, &commit);
    EXPECT_EQ(form->Model().Input(4).ParaLineEditText(), QStringLiteral("1234.5"));
    QApplication::clipboard()->setText(QStringLiteral("3a,5 C"));
    // The medium row's density edit takes any text.
    form->close();
    Open(3);
    Input(2)->setFocus();
    QTest::keyClick(Input(2), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_TRUE(Input(2)->text().endsWith(QStringLiteral("3a,5 C")));
}

} // namespace
