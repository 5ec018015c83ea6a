#include "TPipeForm.h"
#include "FormParts.h"
#include "shell/Look.h"

#include "RowView.h"
#include "output/TPrintDecision.h"
#include "shell/Session.h"
#include "windows/HelpDocuments.h"
#include "windows/TF_Help.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace kelvara {

namespace {

constexpr int FontPoints = 8;
constexpr int WindowWidth = 632;
constexpr int InputHeight = 400;
constexpr int ResultHeight = 234;
constexpr int ResultWidth = 480;

} // namespace

TPipeForm::TPipeForm(Session& session, Prompts& prompts, TF_Help& help,
                     TPrintDecision& printDecision, QWidget* parent)
    : QDialog(parent), session_(session), prompts_(prompts), help_(help),
      printDecision_(printDecision), model_(session, prompts) {
    OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    setObjectName(QStringLiteral("PipeForm"));
    // Taller and wider results than the classic 632 x 581 frame, so that six result rows clear
    // the box title and every unit fits inside its box.
    setFixedSize(WindowWidth, InputHeight + ResultHeight);
    PaintCream(this);
    QFont base(session.Catalogue.FontName.isEmpty() ? QStringLiteral("Arial")
                                                    : session.Catalogue.FontName);
    base.setPointSize(FontPoints);
    setFont(base);

    GroupBox1 = MakePanel(this, QStringLiteral("Panel1"), QStringLiteral("GroupBox1"),
                          {0, 0, WindowWidth, InputHeight});
    GroupBox2 = MakePanel(this, QStringLiteral("Panel2"), QStringLiteral("GroupBox2"),
                          {0, InputHeight, ResultWidth, ResultHeight});
    GroupBox3 = MakePanel(this, QStringLiteral("Panel3"), QStringLiteral("GroupBox3"),
                          {ResultWidth, InputHeight, WindowWidth - ResultWidth, ResultHeight});
    auto makeButton = [&](const QString& name, int top) {
        auto* button = new QPushButton(GroupBox3);
        button->setObjectName(name);
        button->setGeometry((GroupBox3->width() - 100) / 2, top, 100, 25);
        return button;
    };
    Button1 = makeButton(QStringLiteral("Button1"), 24);
    Button2 = makeButton(QStringLiteral("Button2"), 60);
    Button3 = makeButton(QStringLiteral("Button3"), 96);
    Button4 = makeButton(QStringLiteral("Button4"), 132);
    // Enter in any edit calculates; Enter on a button that has the focus presses that button.
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TPipeForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TPipeForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TPipeForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TPipeForm::Button4Click);
}

// The row views point into the model's rows: they go first, also when the window is destroyed
// without having been closed.
TPipeForm::~TPipeForm() {
    ReleaseRowViews();
}

void TPipeForm::ReleaseRowViews() {
    for (RowView* view : rowViews_)
        delete view;
    rowViews_.clear();
}

void TPipeForm::keyPressEvent(QKeyEvent* event) {
    // One key must not throw the results away: Esc does not close the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

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
    // Tab follows the eye: the input rows, the result rows, then the buttons.
    std::vector<QWidget*> chain;
    for (const RowView* view : rowViews_)
        for (QWidget* widget : view->FocusChain())
            chain.push_back(widget);
    for (QWidget* button : {Button1, Button2, Button3, Button4})
        chain.push_back(button);
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    if (!rowViews_.empty() && rowViews_.front()->Edit)
        rowViews_.front()->Edit->setFocus();
}

void TPipeForm::RefreshButtons() {
    Button3->setEnabled(model_.PrintEnabled);
}

void TPipeForm::Button1Click() {
    const bool done = model_.Button1Click();
    RefreshButtons();
    if (!done)
        FocusFault();
}

void TPipeForm::FocusFault() {
    const CalculationWindow::Fault& fault = model_.LastFault;
    if (fault.row < 0 || std::size_t(fault.row) >= model_.InputRows.size())
        return;
    QWidget* control = rowViews_[std::size_t(fault.row)]->FaultControl(fault.choice);
    if (!control)
        return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
}

void TPipeForm::Button2Click() {
    if (OpenHelpFile(session_.Catalogue, CalculationTypeNumber(model_.CalculationType()), OpenUrl,
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
        ReleaseRowViews();
        model_.TntFormClose();
    }
    QDialog::done(result);
}

} // namespace kelvara
