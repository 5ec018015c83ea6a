#include "RowView.h"
#include "FormParts.h"
#include "shell/Look.h"

#include "shell/NumericEdit.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace kelvara {

namespace {

// The type size of a result value.
constexpr int ResultPoints = 10;

// Room between a row label and the control to its right.
constexpr int LabelGap = 8;

int TextWidth(const QWidget* widget, const QString& text) {
    return widget->fontMetrics().horizontalAdvance(text);
}

// The width an edit needs to show a text whole (frame and inner margins included).
int EditWidthFor(const QLineEdit* edit, const QString& text) {
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const QMargins margins = edit->textMargins();
    return TextWidth(edit, text) + 2 * frame + margins.left() + margins.right() + 8;
}

// The width a list needs to show its longest entry or shown text whole, arrow included.
int ListWidthFor(const QComboBox* list, const QStringList& texts) {
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, TextWidth(list, text));
    QStyleOptionComboBox option;
    option.initFrom(list);
    const QSize size = list->style()->sizeFromContents(
        QStyle::CT_ComboBox, &option, QSize(widest, list->fontMetrics().height()), list);
    return size.width() + 4;
}

// Widens a control leftwards from its right edge when its text needs more room, never over
// the row label; a control that fits keeps its designed width.
void FitLeftwards(QWidget* control, int designLeft, int designWidth, int needed,
                  const QLabel* label) {
    const int right = designLeft + designWidth;
    const int floor = label ? label->x() + label->width() + LabelGap : 0;
    const int width = std::max(designWidth, std::min(needed, right - floor));
    control->setGeometry(right - width, control->y(), width, control->height());
}

void SetBase(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Button, color);
    widget->setPalette(palette);
}

} // namespace

RowView::RowView(TParaLine& row, QWidget* box, int index, int top, bool resultRow,
                 const QString& fontName)
    : QObject(box), row_(row) {
    const QString suffix = QString::number(index);
    Label = new QLabel(box);
    Label->setObjectName(
        (resultRow ? QStringLiteral("ResultLabel") : QStringLiteral("InputLabel")) + suffix);
    Label->setFont(FontOf(fontName, resultRow ? 10 : 11));
    Label->move(resultRow ? 10 : 30, top + 2);

    auto makeEdit = [&](int left, int width) {
        Edit = new QLineEdit(box);
        Edit->setObjectName(
            (resultRow ? QStringLiteral("ResultEdit") : QStringLiteral("InputEdit")) + suffix);
        Edit->setFont(FontOf(fontName, 10));
        Edit->setGeometry(left, top, width, RowLayout::RowHeight - 2);
        Edit->setContextMenuPolicy(Qt::NoContextMenu);
        Edit->setAcceptDrops(false);
        connect(Edit, &QLineEdit::textEdited, this,
                [this](const QString& text) { row_.SetParaLineEditText(text); });
    };
    auto makeUnit = [&](int left) {
        Unit = new QLabel(box);
        Unit->setObjectName(
            (resultRow ? QStringLiteral("ResultUnit") : QStringLiteral("InputUnit")) + suffix);
        Unit->setFont(FontOf(fontName, 9));
        Unit->move(left, top + 4);
    };
    auto makeList = [&](const QString& name, int left, int width) {
        List = new QComboBox(box);
        List->setObjectName(name + suffix);
        List->setFont(FontOf(fontName, 10));
        List->setGeometry(left, top, width, RowLayout::RowHeight);
        List->installEventFilter(this);
    };

    auto makeHButton = [&](int left, int width) {
        HButton = new QPushButton(box);
        HButton->setObjectName(QStringLiteral("HButton") + suffix);
        HButton->setFont(FontOf(fontName, 9));
        HButton->setGeometry(left, top, width, RowLayout::RowHeight);
        connect(HButton, &QPushButton::clicked, this, [this] { row_.ClickHButton(); });
    };

    // Controls are made left to right, so that Tab meets them in the order the eye does.
    switch (row.Kind()) {
    case RowKind::rkEdit:
        makeEdit(400, 100);
        makeUnit(510);
        NumericEdit::Install(Edit);
        break;
    case RowKind::rkMaterial:
        makeList(QStringLiteral("MaterialList"), 400, 200);
        connect(List, &QComboBox::activated, this, [this](int i) { row_.ChooseMaterial(i); });
        break;
    case RowKind::rkCoefficient:
        makeHButton(400, 90);
        makeEdit(500, 62);
        makeUnit(567);
        NumericEdit::Install(Edit);
        break;
    case RowKind::rkFlowRate:
        makeList(QStringLiteral("FlowRateList"), 270, 100);
        connect(List, &QComboBox::activated, this, [this](int i) { row_.ChooseFlowRate(i); });
        makeEdit(400, 100);
        makeUnit(510);
        NumericEdit::Install(Edit);
        break;
    case RowKind::rkMedium:
        makeList(QStringLiteral("MediumList"), 270, 100);
        connect(List, &QComboBox::activated, this, [this](int i) { row_.ChooseMedium(i); });
        // The density edit takes any text.
        makeEdit(400, 100);
        makeUnit(510);
        break;
    case RowKind::rkResult:
        makeEdit(ResultRight - 105, 105);
        Edit->setReadOnly(true);
        makeUnit(ResultRight + 5);
        break;
    case RowKind::rkResultChoice:
        makeList(QStringLiteral("ChoiceList"), ResultRight - 130, 130);
        makeUnit(ResultRight + 5);
        connect(List, &QComboBox::activated, this, [this](int i) { row_.ChooseAlternative(i); });
        break;
    }
    if (Edit)
        editDesign_ = {Edit->x(), Edit->width()};
    if (List)
        listDesign_ = {List->x(), List->width()};
    labelPoints_ = Label->font().pointSize();
    labelLimit_ = box->width();
    for (QWidget* control : std::initializer_list<QWidget*>{Edit, List, HButton, Unit})
        if (control && control != Unit)
            labelLimit_ = std::min(labelLimit_, control->x() - LabelGap);
    row_.OnModelChanged = [this] { Refresh(); };
    Refresh();
    // The rows are made while the window is being shown.
    for (QWidget* widget : std::initializer_list<QWidget*>{Label, Edit, Unit, List, HButton})
        if (widget)
            widget->show();
}

// Results are shown whole: the edit grows to the left up to its label for a long number, and
// a number longer still (a pipe of thousands of kilometres) is set in a smaller type.
void RowView::FitResult() {
    QFont font = Edit->font();
    font.setPointSize(ResultPoints);
    Edit->setFont(font);
    FitLeftwards(Edit, editDesign_.left, editDesign_.width, EditWidthFor(Edit, Edit->text()),
                 Label);
    while (EditWidthFor(Edit, Edit->text()) > Edit->width() && font.pointSize() > 5) {
        font.setPointSize(font.pointSize() - 1);
        Edit->setFont(font);
    }
    Edit->setCursorPosition(0);
}

// A label that would run into the row's controls (a wider font than the one designed for) is
// set a little smaller, never cut.
void RowView::FitLabel() {
    QFont font = Label->font();
    font.setPointSize(labelPoints_);
    Label->setFont(font);
    Label->adjustSize();
    while (Label->x() + Label->width() > labelLimit_ && font.pointSize() > 6) {
        font.setPointSize(font.pointSize() - 1);
        Label->setFont(font);
        Label->adjustSize();
    }
}

std::vector<QWidget*> RowView::FocusChain() const {
    std::vector<QWidget*> chain;
    for (QWidget* widget : std::initializer_list<QWidget*>{List, HButton, Edit})
        if (widget)
            chain.push_back(widget);
    std::sort(chain.begin(), chain.end(),
              [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    return chain;
}

QWidget* RowView::FaultControl(bool choice) const {
    if (choice && List)
        return List;
    if (Edit && !Edit->isReadOnly())
        return Edit;
    return List;
}

RowView::~RowView() {
    row_.OnModelChanged = nullptr;
}

void RowView::Refresh() {
    if (refreshing_)
        return;
    refreshing_ = true;
    const QString label = row_.ParaLineLabelText();
    Label->setText(label);
    FitLabel();
    if (Unit) {
        Unit->setText(row_.UnitText());
        Unit->adjustSize();
    }
    // A screen reader names every control of the row after its label and tells the unit.
    for (QWidget* control : std::initializer_list<QWidget*>{Edit, List}) {
        if (!control)
            continue;
        control->setAccessibleName(label);
        control->setAccessibleDescription(Unit ? Unit->text() : QString());
    }
    if (HButton)
        HButton->setAccessibleDescription(label);
    const QColor color = row_.EditColor() == 1 ? Cream : White;
    if (Edit) {
        if (Edit->text() != row_.ParaLineEditText())
            Edit->setText(row_.ParaLineEditText());
        SetBase(Edit, color);
        if (Edit->isReadOnly())
            FitResult();
    }
    if (HButton) {
        HButton->setText(row_.ButtonText());
        HButton->setEnabled(row_.Get_h_enabled());
    }
    if (List) {
        QStringList items;
        int index = -1;
        QString text;
        int left = listDesign_.left;
        int width = listDesign_.width;
        switch (row_.Kind()) {
        case RowKind::rkMaterial:
            items = row_.MaterialItemList(), index = row_.MaterialIndex(),
            text = row_.MaterialText();
            break;
        case RowKind::rkFlowRate:
            items = row_.FlowRateItemList(), index = row_.FlowRateIndex(),
            text = row_.FlowRateText();
            break;
        case RowKind::rkMedium:
            items = row_.MediumItemList(), index = row_.MediumIndex(), text = row_.MediumText();
            break;
        default:
            items = row_.Alternatives(), index = row_.AlternativeIndex(),
            text = row_.AlternativeText();
            SetBase(List, color);
            left += row_.MoveAlternative();
            width -= row_.MoveAlternative();
            break;
        }
        const QSignalBlocker block(List);
        QStringList shown;
        for (int i = 0; i < List->count(); ++i)
            shown.append(List->itemText(i));
        if (shown != items) {
            List->clear();
            List->addItems(items);
        }
        List->setPlaceholderText(text);
        List->setCurrentIndex(index);
        // Every entry and the shown text fit; the list keeps its right edge.
        FitLeftwards(List, left, width, ListWidthFor(List, items + QStringList{text, ChooseText}),
                     Label);
    }
    refreshing_ = false;
}

bool RowView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (watched == List) {
        // Lists take no typed text; only arrows and the mouse choose.
        return !text.isEmpty() && text.at(0).isPrint();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvara
