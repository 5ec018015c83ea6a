#pragma once

#include "shell/DecimalSeparator.h"

#include <QMainWindow>
#include <QUrl>
#include <functional>
#include <memory>

class QLabel;
class QGroupBox;
class QPushButton;
class QAction;
class QMenu;

namespace kelvara {

struct Session;
class GuiPrompts;
class ClickableLabel;

// The main window: the eight calculation entries, About, help and closing. Creating it loads
// the configuration into the session; the session keeps the remembered input values.
class Tfrm_Main : public QMainWindow {
    Q_OBJECT
public:
    Tfrm_Main(Session& session, GuiPrompts& prompts, const QString& dataDir,
              QWidget* parent = nullptr);
    ~Tfrm_Main() override;

    Session& GetSession() { return session_; }

    // Opens a URL or a document with the desktop; tests replace it.
    std::function<bool(const QUrl&)> OpenUrl;

    // Sets the calculation type and opens a fresh calculation window, modally.
    void OpenCalculation(int calculationType);
    // Opens a fresh insulation sizing window, modally.
    void OpenSizing();
    // Opens the project window, modally: a new project, or the one in `fileName`.
    void OpenProject(const QString& fileName = QString());
    // A project file to open once the window has first shown (the command line's).
    QString StartProject;
    // Called with the project window once it is made, before it is shown; tests use it.
    std::function<void(class TProjectForm&)> OnProjectWindow;
    // How long the splash stays when the window first shows; 0 shows none (tests).
    int SplashMilliseconds = 3000;
    QDialog* InfoWindow() const;

    // Called with each calculation window once it is made, before it is shown; tests use it.
    std::function<void(QDialog&)> OnCalculationWindow;

    void button_main_infoClick();
    void Help1Click();
    void Image1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void BuildControls();

    Session& session_;
    GuiPrompts& prompts_;
    QString dataDir_;
    std::unique_ptr<DecimalSeparatorGuard> separatorGuard_;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    ClickableLabel* Image1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QPushButton* button_heatloss_pipes = nullptr;
    QPushButton* button_thickness_pipes = nullptr;
    QPushButton* button_surface_pipes = nullptr;
    QPushButton* button_temperature_drop_pipes = nullptr;
    QPushButton* button_freeze_pipes = nullptr;
    QPushButton* button_heatloss_sheets = nullptr;
    QPushButton* button_thickness_sheets = nullptr;
    QPushButton* button_surface_sheets = nullptr;
    QPushButton* button_main_info = nullptr;
    QPushButton* button_main_end = nullptr;
    QMenu* Menu_Pipes = nullptr;
    QMenu* Menu_Sheets = nullptr;
    QAction* Menu_Pipes_HeatLoss = nullptr;
    QAction* Menu_Pipes_ThicknessofInsulation = nullptr;
    QAction* Menu_Pipes_SurfaceTemperature = nullptr;
    QAction* Menu_Pipes_TemperatureDrop = nullptr;
    QAction* Menu_Pipes_FreezingTime = nullptr;
    QAction* Menu_Sheets_HeatLoss = nullptr;
    QAction* Menu_Sheets_ThicknessofInsulation = nullptr;
    QAction* Menu_Sheets_SurfaceTemperature = nullptr;
    QAction* Menu_Sizing = nullptr;
    QAction* Menu_Project = nullptr;
    QAction* Menu_Info = nullptr;
    QAction* Help1 = nullptr;
    QAction* Menu_End = nullptr;
    bool shown_ = false;
    std::unique_ptr<class Tfrm_Info> info_;
};

} // namespace kelvara
