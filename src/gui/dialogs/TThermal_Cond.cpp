#include "TThermal_Cond.h"
#include "shell/EmptyCaption.h"
#include "shell/Look.h"

#include "shell/FloatingPoint.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "shell/Prompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kelvara {

namespace {
QFont PixelFont(const QString& family, int pixels, bool bold) {
    QFont font(family.isEmpty() ? QStringLiteral("Arial") : family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
} // namespace

TThermal_Cond::TThermal_Cond(Prompts& prompts, const QString& fontName, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setObjectName(QStringLiteral("Thermal_Cond"));
    setFixedSize(520, 235);
    SetEmptyCaption(this);
    PaintCream(this);

    TntMemo1 = new QPlainTextEdit(this);
    TntMemo1->setObjectName(QStringLiteral("TntMemo1"));
    TntMemo1->setGeometry(9, 9, 500, 130);
    TntMemo1->setReadOnly(true);
    TntMemo1->setFont(PixelFont(fontName, 15, true));
    PaintCream(TntMemo1, true);
    TntMemo1->setFocusPolicy(Qt::NoFocus);

    TntLabel2 = new QLabel(this);
    TntLabel2->setObjectName(QStringLiteral("TntLabel2"));
    TntLabel2->setFont(PixelFont(fontName, 13, true));
    TntLabel2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Right-aligned against the edit; the name is longer than the room left of the edit in this
    // window, so it wraps onto a second line rather than losing its start.
    TntLabel2->setWordWrap(true);
    TntLabel2->setGeometry(9, 145, 277, 44);

    ME_lambda = new QLineEdit(this);
    ME_lambda->setObjectName(QStringLiteral("ME_lambda"));
    ME_lambda->setFont(PixelFont(fontName, 13, false));
    ME_lambda->setGeometry(293, 155, 96, 24);

    TntLabel1 = new QLabel(this);
    TntLabel1->setObjectName(QStringLiteral("TntLabel1"));
    TntLabel1->setFont(PixelFont(fontName, 13, true));
    TntLabel1->setGeometry(396, 155, 110, 24);

    Cmd_cancel = new QPushButton(this);
    Cmd_cancel->setObjectName(QStringLiteral("Cmd_cancel"));
    Cmd_cancel->setGeometry(172, 198, 81, 27);
    // Enter presses the button that has the focus; from the edit it confirms.
    Cmd_cancel->setAutoDefault(true);
    Cmd_finished = new QPushButton(this);
    Cmd_finished->setObjectName(QStringLiteral("Cmd_finished"));
    Cmd_finished->setGeometry(267, 198, 81, 27);
    Cmd_finished->setAutoDefault(true);
    Cmd_finished->setDefault(true);
    setTabOrder(ME_lambda, Cmd_cancel);
    setTabOrder(Cmd_cancel, Cmd_finished);
    connect(Cmd_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Cmd_finished, &QPushButton::clicked, this, &TThermal_Cond::Cmd_finishedClick);
}

void TThermal_Cond::showEvent(QShowEvent* event) {
    TntMemo1->setPlainText(QStringLiteral("Wprowadz pozadana wartosc przewodzenia ciepla"));
    TntLabel2->setText(QStringLiteral("Wspolczynnik przewodzenia ciepla lambda"));
    TntLabel1->setText(QStringLiteral("W/m K"));
    Cmd_cancel->setText(QStringLiteral("Anuluj"));
    Cmd_finished->setText(QStringLiteral("potwierdz"));
    ME_lambda->setAccessibleName(TntLabel2->text());
    ME_lambda->clear();
    ME_lambda->setFocus();
    QDialog::showEvent(event);
}

void TThermal_Cond::Cmd_finishedClick() {
    long double value = 0;
    // Any number is taken, zero and negative ones too; nothing else.
    if (ME_lambda->text().isEmpty() || !TryTextToFloat(ME_lambda->text(), value) ||
        !(std::fabs(value) <= FLT_MAX)) {
        prompts_.ShowMessage(MessageKind::Plain, messages::WrongData);
        // Back to the value, ready to be typed over.
        ME_lambda->setFocus(Qt::OtherFocusReason);
        ME_lambda->selectAll();
        return;
    }
    value_ = static_cast<float>(value);
    accept();
}

std::optional<float> TThermal_Cond::Ask() {
    value_.reset();
    exec();
    return value_;
}

} // namespace kelvara
