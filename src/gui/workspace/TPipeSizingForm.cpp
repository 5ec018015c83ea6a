#include "TPipeSizingForm.h"
#include "FormParts.h"
#include "shell/Look.h"

#include "RowView.h"
#include "output/TPrintDecision.h"
#include "shell/Session.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace kelvara {

namespace {

// The places follow from the rows (PlaceSideBySide): inputs left, results right, so that the
// window fits a 1024 x 768 screen.
constexpr CalculationFrame::Geometry Frame{1010, 0, 0, 505};
constexpr int InputWidth = 505, ResultWidth = 505;
// The input rows' controls stand this much left of a calculation window's.
constexpr int InputShift = 110;
// Criteria, the governing line and five yearly figures.
constexpr int ResultLineCount = 10;
constexpr int SizingHelpIndex = 9;

// The result columns: label, value, unit, size; the value and size fields hold "patrz Pomoc".
constexpr int ValueLeft = 270, ValueWidth = 94;
constexpr int UnitLeft = 368;
constexpr int SizeLeft = 404, SizeWidth = 94;
constexpr int ResultPoints = 10;
// Room between a label and the value to its right.
constexpr int LabelGap = 6;

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

const QString SizingHelpText = QStringLiteral(
    "Dobor izolacji rury wedlug kazdego kryterium: grubosc chroniaca przed kondensacja (punkt "
    "rosy i zapas), minimum warunkow technicznych przeliczone na wybrany material, max "
    "temperatura powierzchni i max strata ciepla. Decyduje najwieksza grubosc. Minimum "
    "warunkow technicznych nie chroni zimnej rury przed kondensacja.");

} // namespace

TPipeSizingForm::TPipeSizingForm(Session& session, Prompts& prompts, TF_Help& help,
                                 TPrintDecision& printDecision, QWidget* parent)
    : CalculationFrame(session, help, QStringLiteral("PipeSizingForm"), Frame, parent),
      printDecision_(printDecision), model_(Hold<PipeSizingWindow>(session, prompts)) {
    // The installation cases are too long for one line beside their label: their list takes
    // two.
    PlaceSideBySide(InputWidth, SizingRowCount + 1, ResultWidth, InputShift);
}

void TPipeSizingForm::ShowModel() {
    setWindowTitle(PipeSizingCaption);
    model_.TntFormShow();
    const QString& fontName = session_.Catalogue.FontName;
    ShowRows(model_.InputRows, GroupBox1, false, SizingCase);

    const RowLayout results = LayoutOf(GroupBox2, ResultLineCount);
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
        for (const QString& name : model_.Input(SizingCase).MaterialItemList())
            widest = std::max(widest, cases->view()->fontMetrics().horizontalAdvance(name));
        cases->view()->setMinimumWidth(widest + 24);
        cases->setToolTip(cases->currentText());
        connect(cases, &QComboBox::currentTextChanged, cases, &QWidget::setToolTip);
    }
    model_.OnResultsChanged = [this] { ShowResults(); };
    ShowResults();
}

// The results line by line, each value before its size.
std::vector<QWidget*> TPipeSizingForm::ResultChain() const {
    std::vector<QWidget*> chain;
    for (const ResultView& view : resultViews_) {
        chain.push_back(view.value);
        chain.push_back(view.size);
    }
    return chain;
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
        FitLabel(view.label, 10, ValueLeft - LabelGap);
        view.value->setText(line.value);
        FitValue(view.value, ValueLeft, ValueWidth,
                 view.label->x() + view.label->width() + LabelGap, ResultPoints);
        view.value->setAccessibleName(line.label);
        view.value->setAccessibleDescription(line.unit);
        view.unit->setText(line.unit);
        view.unit->adjustSize();
        view.size->setText(line.size);
        FitValue(view.size, SizeLeft, SizeWidth, SizeLeft, ResultPoints);
        view.size->setAccessibleName(QStringLiteral("Rozmiar izolacji: ") + line.label);
        SetBase(view.value, color);
        SetBase(view.size, color);
    }
    RefreshButtons();
}

int TPipeSizingForm::HelpIndex() const {
    return SizingHelpIndex;
}

QString TPipeSizingForm::HelpText() const {
    return SizingHelpText;
}

void TPipeSizingForm::Print() {
    printDecision_.Open(model_);
}

// The result lines are shown no more once the rows have gone.
void TPipeSizingForm::CloseModel() {
    model_.OnResultsChanged = nullptr;
    model_.TntFormClose();
}

} // namespace kelvara
