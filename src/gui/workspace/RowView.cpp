#include "RowView.h"
#include "FormParts.h"
#include "shell/Look.h"

#include "shell/NumericEdit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <algorithm>

namespace kelvara {

namespace {

// The type size of a result value.
constexpr int ResultPoints = 10;

// Room between a row label and the control to its right.
constexpr int LabelGap = 8;

// The type size of a list's entries.
constexpr int ListPoints = 10;

int TextWidth(const QWidget* widget, const QString& text) {
    return widget->fontMetrics().horizontalAdvance(text);
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

// The left end of the room a control may grow into: after the row label.
int FloorAfter(const QLabel* label) {
    return label ? label->x() + label->width() + LabelGap : 0;
}

void SetBase(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Button, color);
    widget->setPalette(palette);
}

} // namespace

WrappingList::WrappingList(QWidget* parent) : QComboBox(parent) {}

void WrappingList::SetWrapping(bool wrapping) {
    wrapping_ = wrapping;
    update();
}

QString WrappingList::ShownText() const {
    return currentIndex() >= 0 ? currentText() : placeholderText();
}

QRect WrappingList::TextRect() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                   this);
}

bool WrappingList::ShowsWhole() const {
    const QRect room = TextRect();
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | (wrapping_ ? Qt::TextWordWrap : 0);
    const QRect needed = fontMetrics().boundingRect(room, flags, ShownText());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void WrappingList::paintEvent(QPaintEvent* event) {
    if (!wrapping_) {
        QComboBox::paintEvent(event);
        return;
    }
    // The frame and the arrow as the style draws them, the text wrapped inside.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QString text = ShownText();
    const bool placeholder = currentIndex() < 0;
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    QColor color = option.palette.color(QPalette::ButtonText);
    if (placeholder)
        color = option.palette.color(QPalette::PlaceholderText);
    painter.setPen(color);
    painter.drawText(TextRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
}

RowView::RowView(TParaLine& row, QWidget* box, int index, int top, bool resultRow, int shift,
                 const QString& fontName)
    : QObject(box), row_(row) {
    const QString suffix = QString::number(index);
    Label = new QLabel(box);
    Label->setObjectName(
        (resultRow ? QStringLiteral("ResultLabel") : QStringLiteral("InputLabel")) + suffix);
    Label->setFont(FontOf(fontName, resultRow ? 10 : 11));
    Label->move(resultRow || shift > 0 ? 10 : 30, top + 2);

    auto makeEdit = [&](int left, int width) {
        left -= shift;
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
        left -= shift;
        Unit = new QLabel(box);
        Unit->setObjectName(
            (resultRow ? QStringLiteral("ResultUnit") : QStringLiteral("InputUnit")) + suffix);
        Unit->setFont(FontOf(fontName, 9));
        Unit->move(left, top + 4);
    };
    auto makeList = [&](const QString& name, int left, int width) {
        left -= shift;
        list_ = new WrappingList(box);
        List = list_;
        List->setObjectName(name + suffix);
        List->setFont(FontOf(fontName, ListPoints));
        // The open list keeps its type when a long shown text sets the closed one smaller.
        List->view()->setFont(List->font());
        List->setGeometry(left, top, width, RowLayout::RowHeight);
        List->installEventFilter(this);
    };

    auto makeHButton = [&](int left, int width) {
        left -= shift;
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
    // The rows are made while the window is being shown; a unit label shows only with a unit.
    for (QWidget* widget : std::initializer_list<QWidget*>{Label, Edit, List, HButton})
        if (widget)
            widget->show();
    if (Unit)
        Unit->setVisible(!Unit->text().isEmpty());
}

// Results are shown whole: the edit grows to the left up to its label for a long number, and
// a number longer still (a pipe of thousands of kilometres) is set in a smaller type.
void RowView::FitResult() {
    FitValue(Edit, editDesign_.left, editDesign_.width, FloorAfter(Label), ResultPoints);
}

void RowView::SpanListOverLines(int height, int right) {
    List->resize(List->width(), height);
    listDesign_.width = right - listDesign_.left;
    list_->SetWrapping(true);
    Refresh();
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
        // An empty label would be announced by the name of its box.
        if (Unit->isVisibleTo(Unit->parentWidget()) == Unit->text().isEmpty())
            Unit->setVisible(!Unit->text().isEmpty());
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
        // Every entry and the shown text fit; the list keeps its right edge. A shown text
        // longer still is set in a smaller type.
        QFont font = List->font();
        font.setPointSize(ListPoints);
        List->setFont(font);
        FitLeftwards(List, left, width, ListWidthFor(List, items + QStringList{text, ChooseText}),
                     FloorAfter(Label));
        while (!list_->ShowsWhole() && font.pointSize() > 5) {
            font.setPointSize(font.pointSize() - 1);
            List->setFont(font);
        }
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
