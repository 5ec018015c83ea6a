#include "shell/Tfrm_Main.h"
#include "ModalAnswerer.h"
#include "QtPrinters.h"
#include "shell/GuiPrompts.h"
#include "shell/Session.h"
#include "shell/ToolkitTranslations.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace kelvara;

namespace {

QString DataDir() {
    return QStringLiteral(KELVARA_TEST_DATA_DIR);
}

class MainWindowTest : public testing::Test {
protected:
    void Open(const QString& dataDir = DataDir()) {
        window = std::make_unique<Tfrm_Main>(session, prompts, dataDir);
        window->SplashMilliseconds = splash;
        prompts.SetParent(window.get());
        window->OpenUrl = [this](const QUrl& url) {
            opened.append(url.toString());
            return true;
        };
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    template <typename T> T* Find(const char* name) {
        T* child = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    // Closes the window answering the confirmation with `button`.
    test::SeenMessage CloseAnswering(QMessageBox::StandardButton button) {
        test::SeenMessage seen;
        test::AnswerMessageBox(button, &seen);
        window->close();
        return seen;
    }
    void TearDown() override {
        if (window && window->isVisible()) {
            test::AnswerMessageBox(QMessageBox::Yes, nullptr);
            window->close();
        }
    }

    Session session;
    GuiPrompts prompts;
    int splash = 0;
    std::unique_ptr<Tfrm_Main> window;
    QStringList opened;
};

TEST_F(MainWindowTest, ShowsItsTexts) {
    Open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kelvara 5"));
    EXPECT_EQ(Find<QLabel>("Label1")->text(), QStringLiteral("Kelvara  5.0"));
    EXPECT_EQ(Find<QLabel>("Label2")->text(),
              QStringLiteral("Program do obliczen chlodniczych i cieplnych"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox1")->title(), QStringLiteral("Rurociagi"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox2")->title(), QStringLiteral("Plyty"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox3")->title(), QStringLiteral("sprawdz"));
    EXPECT_EQ(Find<QPushButton>("button_main_info")->text(), QStringLiteral("Info"));
    EXPECT_EQ(Find<QPushButton>("button_main_end")->text(), QStringLiteral("zamknij"));
    EXPECT_EQ(Find<QAction>("Help1")->text(), QStringLiteral("Pomoc"));
    EXPECT_EQ(Find<QAction>("Menu_End")->text(), QStringLiteral("zamknij"));
    EXPECT_EQ(window->centralWidget()->size(), QSize(562, 426));
    EXPECT_EQ(Find<QLabel>("Label1")->font().pixelSize(), 51);
    EXPECT_EQ(Find<QLabel>("Label1")->font().family(), session.Catalogue.FontName);
    EXPECT_FALSE(Find<QLabel>("Image1")->pixmap().isNull());
    ASSERT_TRUE(session.PipeToleranceTable && session.SheetToleranceTable);
    EXPECT_FALSE(session.PipeToleranceTable->empty());
}

struct Entry {
    const char* button;
    const char* menuItem;
    const char* caption;
    int type;
};

TEST_F(MainWindowTest, EachEntrySetsItsCalculationType) {
    Open();
    const Entry entries[] = {
        {"button_thickness_pipes", "Menu_Pipes_ThicknessofInsulation", "Przed kondensacja", 0},
        {"button_surface_pipes", "Menu_Pipes_SurfaceTemperature", "Temperatura powierzchni", 1},
        {"button_heatloss_pipes", "Menu_Pipes_HeatLoss", "Straty ciepla", 2},
        {"button_temperature_drop_pipes", "Menu_Pipes_TemperatureDrop", "Spadek temperatury", 3},
        {"button_freeze_pipes", "Menu_Pipes_FreezingTime", "Temperatura zamarzania czynnika", 4},
        {"button_thickness_sheets", "Menu_Sheets_ThicknessofInsulation", "Przed kondensacja", 5},
        {"button_heatloss_sheets", "Menu_Sheets_HeatLoss", "Straty ciepla", 6},
        {"button_surface_sheets", "Menu_Sheets_SurfaceTemperature", "Temperatura powierzchni", 7},
    };
    // Each entry opens a fresh calculation window of its type; close it at once.
    QStringList captions;
    window->OnCalculationWindow = [&](QDialog& form) {
        QTimer::singleShot(0, &form, [&form, &captions] {
            captions.append(form.windowTitle());
            form.reject();
        });
    };
    for (const Entry& e : entries) {
        auto* button = Find<QPushButton>(e.button);
        auto* action = Find<QAction>(e.menuItem);
        ASSERT_TRUE(button && action);
        EXPECT_EQ(button->text(), QString::fromUtf8(e.caption));
        EXPECT_EQ(action->text(), QString::fromUtf8(e.caption));
        // Another type beforehand, so that the entry is seen setting its own.
        const CalculationType other =
            CalculationTypeFromNumber((e.type + 1) % CalculationTypeCount);
        session.CalculationType = other;
        button->click();
        EXPECT_EQ(session.CalculationType, CalculationTypeFromNumber(e.type)) << e.button;
        session.CalculationType = other;
        action->trigger();
        EXPECT_EQ(session.CalculationType, CalculationTypeFromNumber(e.type)) << e.menuItem;
    }
    ASSERT_EQ(captions.size(), 16);
    EXPECT_EQ(captions[0], QStringLiteral("Zabezpieczanie przed kondensacja na rurach"));
    EXPECT_EQ(captions[4], QStringLiteral("Obliczanie strat ciepla w rurociagu"));
    EXPECT_EQ(captions[15], QStringLiteral("Obliczanie temperatur powierzchni plaskich"));
}

TEST_F(MainWindowTest, CloseAnsweredNoKeepsEverything) {
    Open();
    const auto materials = session.Catalogue.MaterialNames;
    const test::SeenMessage seen = CloseAnswering(QMessageBox::No);
    EXPECT_EQ(seen.title, QStringLiteral("Kelvara"));
    EXPECT_EQ(seen.text, QStringLiteral("Are you sure to close the program?"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(session.Catalogue.MaterialNames, materials);
}

// With the toolkit's Polish texts installed, as the program does at start-up, the standard
// buttons of the closing question read as in the user's other programs.
TEST_F(MainWindowTest, StandardButtonsSpeakPolish) {
    const auto polish = InstallToolkitTranslations(QCoreApplication::applicationDirPath());
    ASSERT_NE(polish, nullptr) << "qtbase_pl.qm not found (package qt6-translations-l10n)";
    Open();
    QStringList captions;
    test::AnswerNextModal([&captions](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        captions = {box->button(QMessageBox::Yes)->text(), box->button(QMessageBox::No)->text()};
        box->button(QMessageBox::No)->click();
    });
    window->close();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("&Tak"), QStringLiteral("&Nie")}));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, CloseAnsweredYesFreesTheCatalogues) {
    Open();
    ASSERT_FALSE(session.Catalogue.MaterialNames.isEmpty());
    test::AnswerMessageBox(QMessageBox::Yes, nullptr);
    QTest::mouseClick(Find<QPushButton>("button_main_end"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(session.Catalogue.MaterialNames.isEmpty());
}

TEST_F(MainWindowTest, HelpOpensTheConfiguredDocument) {
    Open();
    Find<QAction>("Help1")->trigger();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened.first().endsWith(QStringLiteral("/HELP/kelvara.html")));
}

TEST_F(MainWindowTest, HelpShowsTheDocumentItselfWhenTheSystemCannotOpenIt) {
    Open();
    window->OpenUrl = [this](const QUrl& url) {
        opened.append(url.toString());
        return false; // no viewer for HTML on this desktop
    };
    QString title, shown, closeText;
    bool memoShown = true;
    test::AnswerNextModal([&](QWidget* modal) {
        title = modal->windowTitle();
        auto* browser = modal->findChild<QTextBrowser*>(QStringLiteral("Browser_Help"));
        shown = browser->toPlainText();
        memoShown = modal->findChild<QPlainTextEdit*>(QStringLiteral("Memo_Help"))->isVisible();
        EXPECT_TRUE(browser->isVisible());
        EXPECT_NE(browser->verticalScrollBar()->maximum(), 0); // longer than the window: scrolls
        auto* close = modal->findChild<QPushButton*>(QStringLiteral("Cmd_OK"));
        closeText = close->text();
        close->click();
    });
    Find<QAction>("Help1")->trigger();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(title, QStringLiteral("Pomoc"));
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Kelvara – pomoc ogolna"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Praca z programem")));
    EXPECT_FALSE(shown.contains(u'<'));
    EXPECT_FALSE(memoShown);
    EXPECT_EQ(closeText, QStringLiteral("zamknij"));
}

TEST_F(MainWindowTest, HelpWithoutDocumentSaysSo) {
    // A configuration naming a help document that is not there.
    QTemporaryDir dir;
    QFile ini(dir.filePath(QStringLiteral("Kelvara.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[HelpFiles]\nHelp0=a.html\n");
    ini.close();
    for (const char* table : {"tt_p.txt", "tt_s.txt"})
        QFile::copy(QStringLiteral(KELVARA_TEST_DATA_DIR "/") + QString::fromLatin1(table),
                    dir.filePath(QString::fromLatin1(table)));
    Open(dir.path());
    QList<test::SeenMessage> seen;
    test::AnswerMessageBoxes(QMessageBox::Ok, 1, &seen);
    Find<QAction>("Help1")->trigger();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].text, QStringLiteral("no help available!"));
    EXPECT_EQ(seen[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(MainWindowTest, LogoOpensTheMakersSite) {
    Open();
    QTest::mouseClick(Find<QLabel>("Image1"), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened.first().startsWith(QStringLiteral("https://")));
}

TEST_F(MainWindowTest, WrongConfigurationIsReportedAndTheWindowStillOpens) {
    QTemporaryDir dir;
    QFile ini(dir.filePath(QStringLiteral("Kelvara.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Material]\nMat1=A;x;0;0;1\n");
    ini.close();
    QList<test::SeenMessage> seen;
    test::AnswerMessageBoxes(QMessageBox::Ok, 3, &seen);
    Open(dir.path());
    ASSERT_EQ(seen.size(), 3);
    EXPECT_EQ(
        seen[0].text,
        QStringLiteral("blad wczytywania Inifile! Error: 'x' is not a valid floating point value"));
    // Without the size tables each is reported once, and the program goes on.
    EXPECT_EQ(seen[1].text, QStringLiteral("blad tablicy tolerancji! Error: Cannot open file ") +
                                dir.filePath(QStringLiteral("tt_p.txt")));
    EXPECT_EQ(seen[2].text, QStringLiteral("blad tablicy tolerancji! Error: Cannot open file ") +
                                dir.filePath(QStringLiteral("tt_s.txt")));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(Find<QLabel>("Image1")->pixmap().isNull());
}

TEST_F(MainWindowTest, SplashClosesByItself) {
    splash = 50;
    Open();
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() != nullptr, 2000);
    EXPECT_EQ(QApplication::activeModalWidget()->objectName(), QStringLiteral("Splash"));
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() == nullptr, 2000);
}

TEST_F(MainWindowTest, AboutShowsTheVersionAndTheContact) {
    Open();
    Find<QPushButton>("button_main_info")->click();
    QDialog* info = window->InfoWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_FALSE(info->isModal());
    const QString version = info->findChild<QLabel*>(QStringLiteral("TntLabel1"))->text();
    EXPECT_EQ(version.split(u'.').size(), 4) << version.toStdString();
    const QString contact = info->findChild<QLabel*>(QStringLiteral("TntLabel3"))->text();
    EXPECT_TRUE(contact.contains(u'\n'));
    EXPECT_FALSE(contact.contains(QStringLiteral("<CR>")));
    EXPECT_EQ(info->findChild<QPushButton*>(QStringLiteral("Cmd_OK"))->text(),
              QStringLiteral("Ok"));
    info->close();
}

} // namespace
