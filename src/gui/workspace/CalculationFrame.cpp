#include "CalculationFrame.h"
#include "FormParts.h"
#include "shell/Look.h"

#include "RowView.h"
#include "shell/Session.h"
#include "windows/HelpDocuments.h"
#include "windows/TF_Help.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace kelvara {

namespace {

constexpr int FontPoints = 8;
constexpr int Bevel = 2;
// The least room between two rows.
constexpr int LeastGap = 2;

// Room between the frame line under a box's title and the top of its first row's controls.
constexpr int FrameClearance = 3;

// The height of a panel whose box spreads `lines` rows `gap` apart below `top`.
int PanelHeightFor(int top, int lines, int gap) {
    return top + lines * RowLayout::RowHeight + (lines + 1) * gap + 2 * Bevel;
}

} // namespace

CalculationFrame::CalculationFrame(Session& session, TF_Help& help, const QString& objectName,
                                   const Geometry& geometry, QWidget* parent)
    : QDialog(parent), session_(session), help_(help), geometry_(geometry) {
    OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    setObjectName(objectName);
    setFixedSize(geometry.width, geometry.inputHeight + geometry.resultHeight);
    PaintCream(this);
    setFont(FontOf(session.Catalogue.FontName, FontPoints));

    GroupBox1 = MakePanel(this, QStringLiteral("Panel1"), QStringLiteral("GroupBox1"),
                          {0, 0, geometry.width, geometry.inputHeight});
    GroupBox2 = MakePanel(this, QStringLiteral("Panel2"), QStringLiteral("GroupBox2"),
                          {0, geometry.inputHeight, geometry.resultWidth, geometry.resultHeight});
    GroupBox3 = MakePanel(this, QStringLiteral("Panel3"), QStringLiteral("GroupBox3"),
                          {geometry.resultWidth, geometry.inputHeight,
                           geometry.width - geometry.resultWidth, geometry.resultHeight});
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
    connect(Button1, &QPushButton::clicked, this, &CalculationFrame::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &CalculationFrame::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &CalculationFrame::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &CalculationFrame::Button4Click);
}

int CalculationFrame::RowsTop(const QGroupBox* box, const QString& title) {
    const QRect contents = GroupBoxPart(box, title, QStyle::SC_GroupBoxContents);
    const QRect label = TitleRect(box, title);
    const int line = std::max(contents.top(), label.bottom() + 1);
    return std::max(FontPoints + 1, line + FrameClearance - LeastGap);
}

void CalculationFrame::PlaceSideBySide(int inputWidth, int inputLines, int resultWidth, int shift) {
    rowShift_ = shift;
    constexpr int ButtonRow = 24 + 25 + 8;
    const int inputTop = RowsTop(GroupBox1, QStringLiteral("Dane"));
    const int inputHeight = PanelHeightFor(inputTop, inputLines, LeastGap);
    // The results take the height the inputs leave above the buttons, at a gap of their own.
    const int resultHeight = inputHeight - ButtonRow - 2 * Bevel;
    geometry_ = {inputWidth + resultWidth, inputHeight, resultHeight, resultWidth};
    const auto place = [](QGroupBox* box, QRect panel) {
        box->parentWidget()->setGeometry(panel);
        box->resize(panel.width() - 2 * Bevel, panel.height() - 2 * Bevel);
    };
    place(GroupBox1, {0, 0, inputWidth, inputHeight});
    place(GroupBox2, {inputWidth, 0, resultWidth, resultHeight});
    place(GroupBox3, {inputWidth, resultHeight, resultWidth, inputHeight - resultHeight});
    const int step = (GroupBox3->width() - 4 * 100) / 5;
    int left = step;
    for (QPushButton* button : {Button1, Button2, Button3, Button4}) {
        button->move(left, 24);
        left += 100 + step;
    }
    setFixedSize(inputWidth + resultWidth, inputHeight);
}

// The row views point into the model's rows: they go first, also when the window is destroyed
// without having been closed, and the model goes after them.
CalculationFrame::~CalculationFrame() {
    ReleaseRowViews();
}

void CalculationFrame::ReleaseRowViews() {
    for (RowView* view : rowViews_)
        delete view;
    rowViews_.clear();
    inputRowCount_ = 0;
}

void CalculationFrame::keyPressEvent(QKeyEvent* event) {
    // One key must not throw the results away: Esc does not close the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CalculationFrame::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        GroupBox1->setTitle(QStringLiteral("Dane"));
        GroupBox2->setTitle(QStringLiteral("Wyniki"));
        GroupBox3->setTitle(QStringLiteral("sprawdz"));
        Button1->setText(QStringLiteral("Oblicz"));
        Button2->setText(QStringLiteral("Pomoc"));
        Button3->setText(QStringLiteral("Drukuj"));
        Button4->setText(QStringLiteral("zamknij"));
        ShowModel();
        RefreshButtons();
        ChainTabs();
        if (!rowViews_.empty() && rowViews_.front()->Edit)
            rowViews_.front()->Edit->setFocus();
    }
    QDialog::showEvent(event);
}

RowLayout CalculationFrame::LayoutOf(const QGroupBox* box, int rowCount) {
    const int top = RowsTop(box, box->title());
    return LayoutRows(box->height() - top, rowCount, top);
}

void CalculationFrame::ShowRows(TParas& rows, QGroupBox* box, bool results, int twoLineList) {
    const int count = int(rows.size());
    const bool extraLine = twoLineList >= 0 && twoLineList < count;
    const RowLayout layout = LayoutOf(box, count + (extraLine ? 1 : 0));
    int line = 0;
    for (int i = 0; i < count; ++i, ++line) {
        auto* view = new RowView(*rows[std::size_t(i)], box, i, layout.Top(line), results,
                                 results ? 0 : rowShift_, session_.Catalogue.FontName);
        rowViews_.push_back(view);
        if (i == twoLineList && view->List) {
            ++line;
            view->SpanListOverLines(layout.Top(line) + RowLayout::RowHeight - view->List->y(),
                                    box->width() - 10);
        }
    }
    if (!results)
        inputRowCount_ = int(rowViews_.size());
}

// Tab follows the eye: the input rows, the results, then the buttons.
void CalculationFrame::ChainTabs() {
    std::vector<QWidget*> chain;
    for (const RowView* view : rowViews_)
        for (QWidget* widget : view->FocusChain())
            chain.push_back(widget);
    for (QWidget* widget : ResultChain())
        chain.push_back(widget);
    for (QWidget* button : {Button1, Button2, Button3, Button4})
        chain.push_back(button);
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void CalculationFrame::RefreshButtons() {
    Button3->setEnabled(PrintEnabled());
}

void CalculationFrame::Button1Click() {
    const bool done = Calculate();
    RefreshButtons();
    if (!done)
        FocusFault();
}

// The user is pointed at what to correct: its list, or its value with the text selected.
void CalculationFrame::FocusFault() {
    const Fault fault = LastFault();
    if (fault.row < 0 || fault.row >= inputRowCount_)
        return;
    QWidget* control = rowViews_[std::size_t(fault.row)]->FaultControl(fault.choice);
    if (!control)
        return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
}

void CalculationFrame::Button2Click() {
    if (OpenHelpFile(session_.Catalogue, HelpIndex(), OpenUrl,
                     [this](const QString& path) { return help_.ShowHelpDocument(path); }))
        return;
    help_.SetHelpText(HelpText());
    help_.exec();
}

// Every way of closing ends here: the button, the frame and Esc.
void CalculationFrame::done(int result) {
    if (!closed_) {
        closed_ = true;
        ReleaseRowViews();
        CloseModel();
    }
    QDialog::done(result);
}

} // namespace kelvara
