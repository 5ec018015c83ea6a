#include "Tfrm_Main.h"
#include "shell/Look.h"

#include "ClickableLabel.h"
#include "GuiPrompts.h"
#include "ProgramInfo.h"
#include "shell/ConfigurationLoader.h"
#include "shell/Session.h"
#include "shell/ToleranceTable.h"
#include "windows/HelpDocuments.h"
#include "windows/TF_Help.h"
#include "windows/TSplash.h"
#include "windows/Tfrm_Info.h"

#include "shell/Messages.h"
#include "shell/Version.h"
#include "workspace/TPipeForm.h"
#include "workspace/TPipeSizingForm.h"
#include "workspace/TProjectForm.h"
#include <QTimer>
#include <utility>

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>

namespace kelvara {

Tfrm_Main::Tfrm_Main(Session& session, GuiPrompts& prompts, const QString& dataDir, QWidget* parent)
    : QMainWindow(parent), session_(session), prompts_(prompts), dataDir_(dataDir) {
    OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    setObjectName(QStringLiteral("frm_Main"));
    BuildControls();
    FormCreate();
}

Tfrm_Main::~Tfrm_Main() = default; // after Tfrm_Info is complete

void Tfrm_Main::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(562, 426);
    PaintCream(client);
    setCentralWidget(client);

    Label1 = new QLabel(client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 6, 372, 64);
    StyleHeading(Label1, 51, TitleGreen);

    Image1 = new ClickableLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(396, 8, 150, 62);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setAlignment(Qt::AlignCenter);
    connect(Image1, &ClickableLabel::clicked, this, &Tfrm_Main::Image1Click);

    Label2 = new QLabel(client);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(0, 78, 562, 26);
    Label2->setAlignment(Qt::AlignCenter);
    StyleHeading(Label2, 17, SubtitleMaroon);

    auto makeGroup = [&](const QString& panelName, const QString& groupName, QRect geometry) {
        auto* panel = new QWidget(client);
        panel->setObjectName(panelName);
        panel->setGeometry(geometry);
        auto* group = new QGroupBox(panel);
        group->setObjectName(groupName);
        group->setGeometry(0, 0, geometry.width(), geometry.height());
        return group;
    };
    GroupBox1 =
        makeGroup(QStringLiteral("Panel1"), QStringLiteral("GroupBox1"), {16, 116, 262, 294});
    GroupBox2 =
        makeGroup(QStringLiteral("Panel2"), QStringLiteral("GroupBox2"), {290, 116, 256, 190});
    GroupBox3 =
        makeGroup(QStringLiteral("Panel3"), QStringLiteral("GroupBox3"), {290, 316, 256, 94});

    auto makeButton = [&](QGroupBox* group, const QString& name, QRect geometry, int type) {
        auto* button = new QPushButton(group);
        button->setObjectName(name);
        button->setGeometry(geometry);
        if (type >= 0)
            connect(button, &QPushButton::clicked, this, [this, type] { OpenCalculation(type); });
        return button;
    };
    auto pipeRow = [](int k) { return QRect(20, 30 + 52 * k, 222, 40); };
    button_heatloss_pipes =
        makeButton(GroupBox1, QStringLiteral("button_heatloss_pipes"), pipeRow(0), 2);
    button_thickness_pipes =
        makeButton(GroupBox1, QStringLiteral("button_thickness_pipes"), pipeRow(1), 0);
    button_surface_pipes =
        makeButton(GroupBox1, QStringLiteral("button_surface_pipes"), pipeRow(2), 1);
    button_temperature_drop_pipes =
        makeButton(GroupBox1, QStringLiteral("button_temperature_drop_pipes"), pipeRow(3), 3);
    button_freeze_pipes =
        makeButton(GroupBox1, QStringLiteral("button_freeze_pipes"), pipeRow(4), 4);
    auto sheetRow = [](int k) { return QRect(17, 30 + 52 * k, 222, 40); };
    button_heatloss_sheets =
        makeButton(GroupBox2, QStringLiteral("button_heatloss_sheets"), sheetRow(0), 6);
    button_thickness_sheets =
        makeButton(GroupBox2, QStringLiteral("button_thickness_sheets"), sheetRow(1), 5);
    button_surface_sheets =
        makeButton(GroupBox2, QStringLiteral("button_surface_sheets"), sheetRow(2), 7);
    button_main_info =
        makeButton(GroupBox3, QStringLiteral("button_main_info"), {17, 34, 104, 40}, -1);
    button_main_end =
        makeButton(GroupBox3, QStringLiteral("button_main_end"), {135, 34, 104, 40}, -1);
    connect(button_main_info, &QPushButton::clicked, this, &Tfrm_Main::button_main_infoClick);
    connect(button_main_end, &QPushButton::clicked, this, &QWidget::close);

    QMenuBar* MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    Menu_Pipes = MainMenu1->addMenu(QString());
    Menu_Pipes->setObjectName(QStringLiteral("Menu_Pipes"));
    Menu_Sheets = MainMenu1->addMenu(QString());
    Menu_Sheets->setObjectName(QStringLiteral("Menu_Sheets"));
    auto makeAction = [&](QWidget* menu, const QString& name, int type) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        menu->addAction(action);
        if (type >= 0)
            connect(action, &QAction::triggered, this, [this, type] { OpenCalculation(type); });
        return action;
    };
    Menu_Pipes_HeatLoss = makeAction(Menu_Pipes, QStringLiteral("Menu_Pipes_HeatLoss"), 2);
    Menu_Pipes_ThicknessofInsulation =
        makeAction(Menu_Pipes, QStringLiteral("Menu_Pipes_ThicknessofInsulation"), 0);
    Menu_Pipes_SurfaceTemperature =
        makeAction(Menu_Pipes, QStringLiteral("Menu_Pipes_SurfaceTemperature"), 1);
    Menu_Pipes_TemperatureDrop =
        makeAction(Menu_Pipes, QStringLiteral("Menu_Pipes_TemperatureDrop"), 3);
    Menu_Pipes_FreezingTime = makeAction(Menu_Pipes, QStringLiteral("Menu_Pipes_FreezingTime"), 4);
    Menu_Sheets_HeatLoss = makeAction(Menu_Sheets, QStringLiteral("Menu_Sheets_HeatLoss"), 6);
    Menu_Sheets_ThicknessofInsulation =
        makeAction(Menu_Sheets, QStringLiteral("Menu_Sheets_ThicknessofInsulation"), 5);
    Menu_Sheets_SurfaceTemperature =
        makeAction(Menu_Sheets, QStringLiteral("Menu_Sheets_SurfaceTemperature"), 7);
    Menu_Sizing = makeAction(MainMenu1, QStringLiteral("Menu_Sizing"), -1);
    connect(Menu_Sizing, &QAction::triggered, this, &Tfrm_Main::OpenSizing);
    Menu_Project = makeAction(MainMenu1, QStringLiteral("Menu_Project"), -1);
    connect(Menu_Project, &QAction::triggered, this, [this] { OpenProject(); });
    Menu_Info = makeAction(MainMenu1, QStringLiteral("Menu_Info"), -1);
    Help1 = makeAction(MainMenu1, QStringLiteral("Help1"), -1);
    Menu_End = makeAction(MainMenu1, QStringLiteral("Menu_End"), -1);
    connect(Menu_Info, &QAction::triggered, this, &Tfrm_Main::button_main_infoClick);
    connect(Help1, &QAction::triggered, this, &Tfrm_Main::Help1Click);
    connect(Menu_End, &QAction::triggered, this, &QWidget::close);

    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Tfrm_Main::FormCreate() {
    separatorGuard_ = std::make_unique<DecimalSeparatorGuard>();
    LoadConfiguration(session_, prompts_, dataDir_ + u'/' + ConfigurationFileName, dataDir_,
                      QFontDatabase::families());
    LoadPipeToleranceTable(session_, prompts_, dataDir_);
    LoadSheetToleranceTable(session_, prompts_, dataDir_);
    prompts_.SetFontName(session_.Catalogue.FontName);
    prompts_.SetDataDir(dataDir_);
    QPixmap logo;
    if (logo.load(dataDir_ + QStringLiteral("/logo1.bmp")))
        Image1->setPixmap(
            logo.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void Tfrm_Main::showEvent(QShowEvent* event) {
    if (!shown_)
        CentreOn(this, ScreenArea(this));
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void Tfrm_Main::FormShow() {
    setWindowTitle(QStringLiteral("Kelvara 5"));
    Label1->setText(QStringLiteral("Kelvara  ") + QLatin1String(version::Title));
    Label2->setText(QStringLiteral("Program do obliczen chlodniczych i cieplnych"));
    GroupBox1->setTitle(QStringLiteral("Rurociagi"));
    GroupBox2->setTitle(QStringLiteral("Plyty"));
    GroupBox3->setTitle(QStringLiteral("sprawdz"));
    const struct {
        QPushButton* button;
        QAction* action;
        const char16_t* caption;
    } entries[] = {
        {button_thickness_pipes, Menu_Pipes_ThicknessofInsulation, u"Przed kondensacja"},
        {button_surface_pipes, Menu_Pipes_SurfaceTemperature, u"Temperatura powierzchni"},
        {button_heatloss_pipes, Menu_Pipes_HeatLoss, u"Straty ciepla"},
        {button_temperature_drop_pipes, Menu_Pipes_TemperatureDrop, u"Spadek temperatury"},
        {button_freeze_pipes, Menu_Pipes_FreezingTime, u"Temperatura zamarzania czynnika"},
        {button_thickness_sheets, Menu_Sheets_ThicknessofInsulation, u"Przed kondensacja"},
        {button_heatloss_sheets, Menu_Sheets_HeatLoss, u"Straty ciepla"},
        {button_surface_sheets, Menu_Sheets_SurfaceTemperature, u"Temperatura powierzchni"},
    };
    for (const auto& entry : entries) {
        entry.button->setText(QString::fromUtf16(entry.caption));
        entry.action->setText(QString::fromUtf16(entry.caption));
    }
    button_main_info->setText(QStringLiteral("Info"));
    Menu_Info->setText(QStringLiteral("Info"));
    button_main_end->setText(QStringLiteral("zamknij"));
    Menu_End->setText(QStringLiteral("zamknij"));
    Menu_Pipes->setTitle(QStringLiteral("Rurociagi"));
    Menu_Sheets->setTitle(QStringLiteral("Plyty"));
    Menu_Sizing->setText(QStringLiteral("Dobor izolacji"));
    Menu_Project->setText(ProjectCaption);
    Help1->setText(QStringLiteral("Pomoc"));

    // The splash first, then the project named on the command line.
    if (SplashMilliseconds > 0 || !StartProject.isEmpty())
        QTimer::singleShot(0, this, [this] {
            if (SplashMilliseconds > 0) {
                TSplash splash(dataDir_, session_.Catalogue.FontName, SplashMilliseconds, this);
                splash.exec();
            }
            if (!StartProject.isEmpty())
                OpenProject(std::exchange(StartProject, QString()));
        });

    // The configured family on the window and its controls; sizes and styles stay as designed.
    const QString& family = session_.Catalogue.FontName;
    if (!family.isEmpty()) {
        for (QWidget* widget : std::initializer_list<QWidget*>{
                 centralWidget(), Label1, Label2, GroupBox1, GroupBox2, GroupBox3,
                 button_heatloss_pipes, button_thickness_pipes, button_surface_pipes,
                 button_temperature_drop_pipes, button_freeze_pipes, button_heatloss_sheets,
                 button_thickness_sheets, button_surface_sheets, button_main_info, button_main_end})
            ApplyFontFamily(widget, family);
    }
}

void Tfrm_Main::OpenCalculation(int calculationType) {
    session_.CalculationType = CalculationTypeFromNumber(calculationType);
    TPipeForm form(session_, prompts_, prompts_.HelpWindow(), prompts_.PrintDecision(), this);
    form.OpenUrl = OpenUrl;
    if (OnCalculationWindow)
        OnCalculationWindow(form);
    form.exec();
}

void Tfrm_Main::OpenSizing() {
    TPipeSizingForm form(session_, prompts_, prompts_.HelpWindow(), prompts_.PrintDecision(), this);
    form.OpenUrl = OpenUrl;
    if (OnCalculationWindow)
        OnCalculationWindow(form);
    form.exec();
}

void Tfrm_Main::OpenProject(const QString& fileName) {
    TProjectForm form(session_, prompts_, dataDir_, this);
    if (OnProjectWindow)
        OnProjectWindow(form);
    if (!fileName.isEmpty())
        form.OpenFile(fileName);
    form.exec();
}

void Tfrm_Main::button_main_infoClick() {
    if (!info_) {
        info_ = std::make_unique<Tfrm_Info>(session_.Catalogue, dataDir_, this);
        info_->OpenUrl = OpenUrl;
    }
    info_->show(); // modeless: it may stay open beside the main window
    info_->raise();
}

QDialog* Tfrm_Main::InfoWindow() const {
    return info_.get();
}

void Tfrm_Main::Help1Click() {
    if (!OpenHelpFile(session_.Catalogue, 8, OpenUrl, [this](const QString& path) {
            return prompts_.HelpWindow().ShowHelpDocument(path);
        }))
        prompts_.ShowMessage(MessageKind::Error, messages::NoHelp);
}

void Tfrm_Main::Image1Click() {
    OpenUrl(QUrl(MakerWebAddress));
}

void Tfrm_Main::closeEvent(QCloseEvent* event) {
    if (!prompts_.AskYesNo(ProgramName, messages::ConfirmClose)) {
        event->ignore();
        return;
    }
    session_.ReleaseCatalogues();
    event->accept();
}

} // namespace kelvara
