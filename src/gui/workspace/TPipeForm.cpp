#include "TPipeForm.h"
#include "shell/Look.h"

#include "RowView.h"
#include "output/TPrintDecision.h"
#include "shell/Session.h"
#include "windows/HelpDocuments.h"
#include "windows/TF_Help.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace kelvara {

namespace {

constexpr int FontPoints = 8;
constexpr int Bevel = 2;

QGroupBox* MakePanel(QWidget* parent, const QString& panelName, const QString& boxName,
                     QRect geometry) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(panelName);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(Bevel);
    panel->setGeometry(geometry);
    auto* box = new QGroupBox(panel);
    box->setObjectName(boxName);
    box->setGeometry(Bevel, Bevel, geometry.width() - 2 * Bevel, geometry.height() - 2 * Bevel);
    return box;
}

} // namespace

TPipeForm::TPipeForm(Session& session, Prompts& prompts, TF_Help& help,
                     TPrintDecision& printDecision, QWidget* parent)
    : QDialog(parent), session_(session), prompts_(prompts), help_(help),
      printDecision_(printDecision), model_(session, prompts) {
    OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    setObjectName(QStringLiteral("PipeForm"));
    setFixedSize(632, 581);
    PaintCream(this);
    QFont base(session.Catalogue.FontName.isEmpty() ? QStringLiteral("Arial")
                                                    : session.Catalogue.FontName);
    base.setPointSize(FontPoints);
    setFont(base);

    GroupBox1 =
        MakePanel(this, QStringLiteral("Panel1"), QStringLiteral("GroupBox1"), {0, 0, 632, 400});
    GroupBox2 =
        MakePanel(this, QStringLiteral("Panel2"), QStringLiteral("GroupBox2"), {0, 400, 457, 181});
    GroupBox3 = MakePanel(this, QStringLiteral("Panel3"), QStringLiteral("GroupBox3"),
                          {457, 400, 175, 181});
    auto makeButton = [&](const QString& name, int top) {
        auto* button = new QPushButton(GroupBox3);
        button->setObjectName(name);
        button->setGeometry(34, top, 100, 25);
        return button;
    };
    Button1 = makeButton(QStringLiteral("Button1"), 24);
    Button2 = makeButton(QStringLiteral("Button2"), 60);
    Button3 = makeButton(QStringLiteral("Button3"), 96);
    Button4 = makeButton(QStringLiteral("Button4"), 132);
    // Enter in any edit calculates.
    Button1->setDefault(true);
    for (QPushButton* b : {Button2, Button3, Button4})
        b->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TPipeForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TPipeForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TPipeForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TPipeForm::Button4Click);
}

TPipeForm::~TPipeForm() = default;

void TPipeForm::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        TntFormShow();
    }
    QDialog::showEvent(event);
}

void TPipeForm::TntFormShow() {
    GroupBox1->setTitle(QStringLiteral("Dane"));
    GroupBox2->setTitle(QStringLiteral("Wyniki"));
    GroupBox3->setTitle(QStringLiteral("sprawdz"));
    Button1->setText(QStringLiteral("Oblicz"));
    Button2->setText(QStringLiteral("Pomoc"));
    Button3->setText(QStringLiteral("Drukuj"));
    Button4->setText(QStringLiteral("zamknij"));

    model_.TntFormShow();
    setWindowTitle(CalculationTypeTextsOf(model_.CalculationType()).caption);

    const QString& fontName = session_.Catalogue.FontName;
    const int offset = FontPoints + 1;
    const RowLayout inputs =
        LayoutRows(GroupBox1->height() - FontPoints - 1, int(model_.InputRows.size()), offset);
    const RowLayout results =
        LayoutRows(GroupBox2->height() - FontPoints - 1, int(model_.ResultRows.size()), offset);
    for (int i = 0; i < int(model_.InputRows.size()); ++i)
        rowViews_.push_back(
            new RowView(model_.Input(i), GroupBox1, i, inputs.Top(i), false, fontName));
    for (int j = 0; j < int(model_.ResultRows.size()); ++j)
        rowViews_.push_back(
            new RowView(model_.Result(j), GroupBox2, j, results.Top(j), true, fontName));
    RefreshButtons();
    if (!rowViews_.empty() && rowViews_.front()->Edit)
        rowViews_.front()->Edit->setFocus();
}

void TPipeForm::RefreshButtons() {
    Button3->setEnabled(model_.PrintEnabled);
}

void TPipeForm::Button1Click() {
    model_.Button1Click();
    RefreshButtons();
}

void TPipeForm::Button2Click() {
    if (OpenHelpFile(session_.Catalogue, model_.CalculationType(), OpenUrl,
                     [this](const QString& path) { return help_.ShowHelpDocument(path); }))
        return;
    help_.SetHelpText(QString::fromUtf16(model_.TypeInfo().helpText));
    help_.exec();
}

void TPipeForm::Button3Click() {
    printDecision_.Open(model_);
}

// Every way of closing ends here: the button, the frame and Esc.
void TPipeForm::done(int result) {
    if (!closed_) {
        closed_ = true;
        for (RowView* view : rowViews_)
            delete view;
        rowViews_.clear();
        model_.TntFormClose();
    }
    QDialog::done(result);
}

} // namespace kelvara
