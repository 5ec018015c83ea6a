#include "TPipeSizingForm.h"
#include "FormParts.h"
#include "shell/Look.h"

#include "RowView.h"
#include "output/TPrintDecision.h"
#include "shell/Session.h"
#include "windows/HelpDocuments.h"
#include "windows/TF_Help.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvara {

namespace {

constexpr int FontPoints = 8;
constexpr int WindowWidth = 632;
constexpr int InputHeight = 440;
constexpr int ResultHeight = 300;
constexpr int ResultWidth = 500;
// Criteria, the governing line and five yearly figures.
constexpr int ResultLineCount = 10;
constexpr int SizingHelpIndex = 9;

// The result columns: label, value, unit, size.
constexpr int ValueLeft = 290, ValueWidth = 80;
constexpr int UnitLeft = 374;
constexpr int SizeLeft = 408, SizeWidth = 86;

// A label set a little smaller rather than run into the value to its right.
void FitLabel(QLabel* label, int points, int right) {
    QFont font = label->font();
    font.setPointSize(points);
    label->setFont(font);
    label->adjustSize();
    while (label->x() + label->width() > right && font.pointSize() > 6) {
        font.setPointSize(font.pointSize() - 1);
        label->setFont(font);
        label->adjustSize();
    }
}

void SetBase(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, color);
    widget->setPalette(palette);
}

const QString HelpText = QStringLiteral(
    "Dobor izolacji rury wedlug kazdego kryterium: grubosc chroniaca przed kondensacja (punkt "
    "rosy i zapas), minimum warunkow technicznych przeliczone na wybrany material, max "
    "temperatura powierzchni i max strata ciepla. Decyduje najwieksza grubosc. Minimum "
    "warunkow technicznych nie chroni zimnej rury przed kondensacja.");

} // namespace

TPipeSizingForm::TPipeSizingForm(Session& session, Prompts& prompts, TF_Help& help,
                                 TPrintDecision& printDecision, QWidget* parent)
    : QDialog(parent), session_(session), prompts_(prompts), help_(help),
      printDecision_(printDecision), model_(session, prompts) {
    OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    setObjectName(QStringLiteral("PipeSizingForm"));
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
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TPipeSizingForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TPipeSizingForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TPipeSizingForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TPipeSizingForm::Button4Click);
}

TPipeSizingForm::~TPipeSizingForm() {
    model_.OnResultsChanged = nullptr;
    ReleaseRowViews();
}

void TPipeSizingForm::ReleaseRowViews() {
    for (RowView* view : rowViews_)
        delete view;
    rowViews_.clear();
}

void TPipeSizingForm::keyPressEvent(QKeyEvent* event) {
    // One key must not throw the results away: Esc does not close the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPipeSizingForm::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        TntFormShow();
    }
    QDialog::showEvent(event);
}

void TPipeSizingForm::TntFormShow() {
    GroupBox1->setTitle(QStringLiteral("Dane"));
    GroupBox2->setTitle(QStringLiteral("Wyniki"));
    GroupBox3->setTitle(QStringLiteral("sprawdz"));
    Button1->setText(QStringLiteral("Oblicz"));
    Button2->setText(QStringLiteral("Pomoc"));
    Button3->setText(QStringLiteral("Drukuj"));
    Button4->setText(QStringLiteral("zamknij"));
    setWindowTitle(PipeSizingCaption);

    model_.TntFormShow();
    const QString& fontName = session_.Catalogue.FontName;
    const int offset = FontPoints + 1;
    const RowLayout inputs =
        LayoutRows(GroupBox1->height() - FontPoints - 1, int(model_.InputRows.size()), offset);
    for (int i = 0; i < int(model_.InputRows.size()); ++i)
        rowViews_.push_back(
            new RowView(model_.Input(i), GroupBox1, i, inputs.Top(i), false, fontName));

    const RowLayout results =
        LayoutRows(GroupBox2->height() - FontPoints - 1, ResultLineCount, offset);
    for (int j = 0; j < ResultLineCount; ++j) {
        const QString suffix = QString::number(j);
        const int top = results.Top(j);
        ResultView view;
        view.label = new QLabel(GroupBox2);
        view.label->setObjectName(QStringLiteral("ResultLabel") + suffix);
        view.label->setFont(FontOf(fontName, 10));
        view.label->move(10, top + 2);
        view.value = new QLineEdit(GroupBox2);
        view.value->setObjectName(QStringLiteral("ResultEdit") + suffix);
        view.value->setFont(FontOf(fontName, 10));
        view.value->setGeometry(ValueLeft, top, ValueWidth, RowLayout::RowHeight - 2);
        view.value->setReadOnly(true);
        view.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        view.unit = new QLabel(GroupBox2);
        view.unit->setObjectName(QStringLiteral("ResultUnit") + suffix);
        view.unit->setFont(FontOf(fontName, 9));
        view.unit->move(UnitLeft, top + 4);
        view.size = new QLineEdit(GroupBox2);
        view.size->setObjectName(QStringLiteral("ResultSize") + suffix);
        view.size->setFont(FontOf(fontName, 10));
        view.size->setGeometry(SizeLeft, top, SizeWidth, RowLayout::RowHeight - 2);
        view.size->setReadOnly(true);
        resultViews_.push_back(view);
    }
    // The installation cases are long: the open list shows each one whole.
    if (QComboBox* cases = rowViews_[SizingCase]->List) {
        int widest = 0;
        for (const QString& name : session_.Catalogue.RegulationNames)
            widest = std::max(widest, cases->fontMetrics().horizontalAdvance(name));
        cases->view()->setMinimumWidth(widest + 24);
        cases->setToolTip(cases->currentText());
        connect(cases, &QComboBox::currentTextChanged, cases, &QWidget::setToolTip);
    }
    model_.OnResultsChanged = [this] { ShowResults(); };
    ShowResults();
    ChainTabs();
    if (!rowViews_.empty() && rowViews_.front()->Edit)
        rowViews_.front()->Edit->setFocus();
}

// Tab follows the eye: the input rows, the results line by line, then the buttons.
void TPipeSizingForm::ChainTabs() {
    std::vector<QWidget*> chain;
    for (const RowView* view : rowViews_)
        for (QWidget* widget : view->FocusChain())
            chain.push_back(widget);
    for (const ResultView& view : resultViews_) {
        chain.push_back(view.value);
        chain.push_back(view.size);
    }
    for (QWidget* button : {Button1, Button2, Button3, Button4})
        chain.push_back(button);
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TPipeSizingForm::ShowResults() {
    const std::vector<SizingResultLine> lines =
        model_.ResultLines.empty() ? PipeSizingWindow::PlaceholderLines() : model_.ResultLines;
    const QColor color = model_.ResultsStale ? Cream : White;
    for (std::size_t j = 0; j < resultViews_.size(); ++j) {
        const ResultView& view = resultViews_[j];
        const bool used = j < lines.size();
        for (QWidget* w : std::initializer_list<QWidget*>{view.label, view.value, view.unit})
            w->setVisible(used);
        view.size->setVisible(used && lines[j].hasSize);
        if (!used)
            continue;
        const SizingResultLine& line = lines[j];
        view.label->setText(line.label);
        FitLabel(view.label, 10, ValueLeft - 6);
        view.value->setText(line.value);
        view.value->setCursorPosition(0);
        view.value->setAccessibleName(line.label);
        view.value->setAccessibleDescription(line.unit);
        view.unit->setText(line.unit);
        view.unit->adjustSize();
        view.size->setText(line.size);
        view.size->setCursorPosition(0);
        view.size->setAccessibleName(QStringLiteral("Rozmiar izolacji: ") + line.label);
        SetBase(view.value, color);
        SetBase(view.size, color);
    }
    Button3->setEnabled(model_.PrintEnabled);
}

void TPipeSizingForm::Button1Click() {
    if (!model_.Button1Click())
        FocusFault();
    ShowResults();
}

void TPipeSizingForm::FocusFault() {
    const PipeSizingWindow::Fault& fault = model_.LastFault;
    if (fault.row < 0 || std::size_t(fault.row) >= rowViews_.size())
        return;
    QWidget* control = rowViews_[std::size_t(fault.row)]->FaultControl(fault.choice);
    if (!control)
        return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
}

void TPipeSizingForm::Button2Click() {
    if (OpenHelpFile(session_.Catalogue, SizingHelpIndex, OpenUrl,
                     [this](const QString& path) { return help_.ShowHelpDocument(path); }))
        return;
    help_.SetHelpText(HelpText);
    help_.exec();
}

void TPipeSizingForm::Button3Click() {
    printDecision_.Open(TPrintDecision::Source{
        &model_.ResultLog, &model_.CopyHeaderPending, model_.ResultsStale, {}});
}

void TPipeSizingForm::done(int result) {
    if (!closed_) {
        closed_ = true;
        model_.OnResultsChanged = nullptr;
        ReleaseRowViews();
        model_.TntFormClose();
    }
    QDialog::done(result);
}

} // namespace kelvara
