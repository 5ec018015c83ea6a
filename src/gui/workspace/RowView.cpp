#include "RowView.h"
#include "shell/Look.h"

#include "shell/NumericEdit.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvara {

namespace {

const QColor White(255, 255, 255);

QFont FontOf(const QString& family, int points, bool bold = false) {
    QFont font(family.isEmpty() ? QStringLiteral("Arial") : family);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
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
        makeEdit(505, 50);
        makeUnit(565);
        NumericEdit::Install(Edit);
        HButton = new QPushButton(box);
        HButton->setObjectName(QStringLiteral("HButton") + suffix);
        HButton->setFont(FontOf(fontName, 9));
        HButton->setGeometry(400, top, 90, RowLayout::RowHeight);
        HButton->setAutoDefault(false);
        connect(HButton, &QPushButton::clicked, this, [this] { row_.ClickHButton(); });
        break;
    case RowKind::rkFlowRate:
        makeEdit(400, 100);
        makeUnit(510);
        NumericEdit::Install(Edit);
        makeList(QStringLiteral("FlowRateList"), 270, 100);
        connect(List, &QComboBox::activated, this, [this](int i) { row_.ChooseFlowRate(i); });
        break;
    case RowKind::rkMedium:
        // The density edit takes any text.
        makeEdit(400, 100);
        makeUnit(510);
        makeList(QStringLiteral("MediumList"), 270, 100);
        connect(List, &QComboBox::activated, this, [this](int i) { row_.ChooseMedium(i); });
        break;
    case RowKind::rkResult:
        makeEdit(330, 75);
        Edit->setReadOnly(true);
        makeUnit(410);
        break;
    case RowKind::rkResultChoice:
        makeList(QStringLiteral("ChoiceList"), 280, 125);
        makeUnit(410);
        connect(List, &QComboBox::activated, this, [this](int i) { row_.ChooseAlternative(i); });
        break;
    }
    row_.OnModelChanged = [this] { Refresh(); };
    Refresh();
    // The rows are made while the window is being shown.
    for (QWidget* widget : std::initializer_list<QWidget*>{Label, Edit, Unit, List, HButton})
        if (widget)
            widget->show();
}

RowView::~RowView() {
    row_.OnModelChanged = nullptr;
}

void RowView::Refresh() {
    if (refreshing_)
        return;
    refreshing_ = true;
    Label->setText(row_.ParaLineLabelText());
    Label->adjustSize();
    if (Unit) {
        Unit->setText(row_.UnitText());
        Unit->adjustSize();
    }
    const QColor color = row_.EditColor() == 1 ? Cream : White;
    if (Edit) {
        if (Edit->text() != row_.ParaLineEditText())
            Edit->setText(row_.ParaLineEditText());
        SetBase(Edit, color);
    }
    if (HButton) {
        HButton->setText(row_.ButtonText());
        HButton->setEnabled(row_.Get_h_enabled());
    }
    if (List) {
        QStringList items;
        int index = -1;
        QString text;
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
            const QRect g = List->geometry();
            List->setGeometry(280 + row_.MoveAlternative(), g.top(), 125 - row_.MoveAlternative(),
                              g.height());
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
