#include "TInsideOutside.h"
#include "shell/Look.h"

#include "shell/NumericEdit.h"
#include "windows/TF_Help.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kelvara {

TInsideOutside::TInsideOutside(CoefficientCalculator& calculator, TF_Help& help,
                               const QString& fontName, QWidget* parent)
    : QDialog(parent), calculator_(calculator), help_(help), fontName_(fontName) {
    setObjectName(QStringLiteral("InsideOutside"));
    setFixedSize(477, 470);
    PaintCream(this);
    ApplyFontFamily(this, fontName);
    auto label = [](QWidget* parent, const char* name, QRect g) {
        auto* l = new QLabel(parent);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(g);
        return l;
    };
    auto radio = [](QWidget* parent, const char* name, QRect g) {
        auto* r = new QRadioButton(parent);
        r->setObjectName(QString::fromLatin1(name));
        r->setGeometry(g);
        return r;
    };
    auto edit = [](QWidget* parent, const char* name, QRect g) {
        auto* e = new QLineEdit(parent);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(g);
        return e;
    };
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(4, 0, 469, 298);
    TntLabel1 = label(GroupBox1, "TntLabel1", {16, 20, 200, 20});
    TntRadioButton1 = radio(GroupBox1, "TntRadioButton1", {16, 44, 140, 22});
    TntRadioButton2 = radio(GroupBox1, "TntRadioButton2", {170, 44, 140, 22});
    TntLabel2 = label(GroupBox1, "TntLabel2", {16, 96, 200, 20});
    QFont heading = TntLabel2->font();
    heading.setBold(true);
    TntLabel1->setFont(heading);
    TntLabel2->setFont(heading);

    GroupBox2 = new QGroupBox(this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(4, 300, 350, 166);
    TntLabel3 = label(GroupBox2, "TntLabel3", {10, 24, 150, 22});
    TntEdit1 = edit(GroupBox2, "TntEdit1", {170, 22, 70, 24});
    TntRadioButton3 = radio(GroupBox2, "TntRadioButton3", {10, 52, 100, 22});
    TntRadioButton4 = radio(GroupBox2, "TntRadioButton4", {120, 52, 100, 22});
    TntLabel4 = label(GroupBox2, "TntLabel4", {10, 80, 150, 22});
    TntEdit2 = edit(GroupBox2, "TntEdit2", {170, 78, 70, 24});
    TntLabel5 = label(GroupBox2, "TntLabel5", {10, 108, 150, 22});
    TntComboBox1 = new QComboBox(GroupBox2);
    TntComboBox1->setObjectName(QStringLiteral("TntComboBox1"));
    // Wide enough for the longest cladding name.
    TntComboBox1->setGeometry(170, 106, 170, 26);
    TntLabel6 = label(GroupBox2, "TntLabel6", {10, 136, 150, 22});
    TntEdit3 = edit(GroupBox2, "TntEdit3", {170, 134, 70, 24});
    // The orientation pair is a group of its own, apart from indoor/outdoor.
    auto* orientation = new QWidget(GroupBox2);
    orientation->setGeometry(0, 48, 240, 28);
    TntRadioButton3->setParent(orientation);
    TntRadioButton4->setParent(orientation);
    TntRadioButton3->setGeometry(10, 4, 100, 22);
    TntRadioButton4->setGeometry(120, 4, 100, 22);
    TntRadioButton4->setChecked(true);
    TntEdit2->setText(QStringLiteral("0"));
    TntEdit3->setText(QStringLiteral("1"));
    TntComboBox1->installEventFilter(this);

    // The calculator's settings are the one place the state lives; the fields hand every
    // change of the user to them and show them back.
    connect(TntEdit1, &QLineEdit::textChanged, this,
            [this](const QString& text) { calculator_.Settings.emissivityText = text; });
    connect(TntEdit2, &QLineEdit::textChanged, this,
            [this](const QString& text) { calculator_.Settings.windText = text; });
    connect(TntEdit3, &QLineEdit::textChanged, this,
            [this](const QString& text) { calculator_.Settings.sheetDimensionText = text; });
    connect(TntRadioButton4, &QRadioButton::toggled, this,
            [this](bool checked) { calculator_.Settings.horizontal = checked; });
    // A typed emissivity and a chosen cladding never stand together; deleting is no typing.
    connect(NumericEdit::Install(TntEdit1), &NumericEdit::TextEntered, this, [this] {
        calculator_.EmissivityTyped();
        ShowCladding();
    });

    GroupBox3 = new QGroupBox(this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(358, 300, 115, 166);
    auto button = [&](const char* name, int top) {
        auto* b = new QPushButton(GroupBox3);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(5, top, 105, 27);
        // Enter presses the button that has the focus; elsewhere it presses "kontynuuj".
        b->setAutoDefault(true);
        return b;
    };
    Button1 = button("Button1", 30);
    Button2 = button("Button2", 72);
    Button3 = button("Button3", 114);
    Button1->setDefault(true);
    // Tab follows the window from top to bottom, left to right.
    QWidget* order[] = {TntRadioButton1, TntRadioButton2, TntEdit1,     TntRadioButton3,
                        TntRadioButton4, TntEdit2,        TntComboBox1, TntEdit3,
                        Button1,         Button2,         Button3};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // Checked by a click, a key or a screen reader's action alike; a check the settings
    // themselves show back changes nothing.
    connect(TntRadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (!on || !calculator_.Settings.outdoor)
            return;
        calculator_.TntRadioButton1Click();
        ShowSettings();
    });
    connect(TntRadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (!on || calculator_.Settings.outdoor)
            return;
        calculator_.TntRadioButton2Click();
        ShowSettings();
    });
    connect(TntComboBox1, &QComboBox::activated, this, [this](int index) {
        const auto outcome = calculator_.TntComboBox1Change(index);
        ShowSettings();
        if (outcome == CoefficientCalculator::Outcome::Closed)
            QDialog::reject();
    });
    connect(Button1, &QPushButton::clicked, this, &TInsideOutside::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TInsideOutside::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TInsideOutside::Button3Click);
}

void TInsideOutside::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        calculator_.TntFormShow();
        ShowSettings();
        FormActivate();
    }
    QDialog::showEvent(event);
}

void TInsideOutside::FormActivate() {
    setWindowTitle(QStringLiteral("Obliczanie wspólczynnika przejmowania ciepla z powierzchni h"));
    GroupBox1->setTitle(QStringLiteral("Dane"));
    TntLabel1->setText(QStringLiteral("rodzaj obliczen"));
    TntRadioButton1->setText(QStringLiteral("wewnatrz"));
    TntRadioButton2->setText(QStringLiteral("zewnatrz"));
    TntLabel2->setText(QStringLiteral("Dane"));
    GroupBox2->setTitle(QStringLiteral("dodatkowe ustawienia"));
    TntLabel3->setText(QStringLiteral("Wspólczynnik emisji"));
    TntRadioButton3->setText(QStringLiteral("pionowo"));
    TntRadioButton4->setText(QStringLiteral("poziomo"));
    TntLabel4->setText(QStringLiteral("predkosc wiatru (m/s)"));
    TntLabel5->setText(QStringLiteral("rodzaj pokrycia"));
    TntLabel6->setText(QStringLiteral("grubosc plyty (m)"));
    GroupBox3->setTitle(QStringLiteral("sprawdz"));
    Button1->setText(QStringLiteral("kontynuuj"));
    Button2->setText(QStringLiteral("Anuluj"));
    Button3->setText(QStringLiteral("Pomoc"));
    // A screen reader names each field by the label beside it.
    TntEdit1->setAccessibleName(TntLabel3->text());
    TntEdit2->setAccessibleName(TntLabel4->text());
    TntComboBox1->setAccessibleName(TntLabel5->text());
    TntEdit3->setAccessibleName(TntLabel6->text());
    calculator_.FormActivate();
    {
        const QSignalBlocker block(TntComboBox1);
        TntComboBox1->clear();
        TntComboBox1->addItems(calculator_.CladdingNames());
    }
    ShowSettings();
    ShowSummary();
}

void TInsideOutside::ShowSettings() {
    const CoefficientSettings& s = calculator_.Settings;
    TntRadioButton1->setChecked(!s.outdoor);
    TntRadioButton2->setChecked(s.outdoor);
    TntRadioButton2->setVisible(s.outdoorOptionVisible);
    TntRadioButton3->setVisible(s.orientationVisible);
    TntRadioButton4->setVisible(s.orientationVisible);
    TntRadioButton4->setChecked(s.horizontal);
    TntRadioButton3->setChecked(!s.horizontal);
    TntLabel4->setVisible(s.windVisible);
    TntEdit2->setVisible(s.windVisible);
    TntLabel5->setVisible(s.claddingVisible);
    TntComboBox1->setVisible(s.claddingVisible);
    TntLabel6->setVisible(s.sheetDimensionVisible);
    TntEdit3->setVisible(s.sheetDimensionVisible);
    // Only a text that differs is written, so that the cursor stays where the user typed.
    for (auto [edit, text] :
         {std::pair{TntEdit1, &s.emissivityText}, std::pair{TntEdit2, &s.windText},
          std::pair{TntEdit3, &s.sheetDimensionText}})
        if (edit->text() != *text)
            edit->setText(*text);
    ShowCladding();
}

void TInsideOutside::ShowCladding() {
    const QSignalBlocker block(TntComboBox1);
    TntComboBox1->setPlaceholderText(QStringLiteral("wybierz"));
    TntComboBox1->setCurrentIndex(calculator_.Settings.claddingIndex);
}

void TInsideOutside::ShowSummary() {
    for (QLabel* l : summary_)
        delete l;
    summary_.clear();
    const auto lines = calculator_.DataSummary();
    // The lines stand a fixed pitch apart: their type is the largest, up to 10 points, whose
    // line fits the pitch in the font the machine gives (a taller line would overlap the next).
    int pitch = 0;
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (lines[i].top > lines[i - 1].top)
            pitch = pitch ? std::min(pitch, lines[i].top - lines[i - 1].top)
                          : lines[i].top - lines[i - 1].top;
    QFont type = GroupBox1->font();
    type.setPointSize(10);
    while (pitch > 0 && QFontMetrics(type).height() > pitch && type.pointSize() > 6)
        type.setPointSize(type.pointSize() - 1);
    for (const SummaryLine& line : lines) {
        auto add = [&](int left, const QString& text, bool bold) {
            // An empty label would be read by the name of its box.
            if (text.isEmpty())
                return;
            auto* l = new QLabel(text, GroupBox1);
            QFont f = type;
            f.setBold(bold);
            l->setFont(f);
            l->move(left, line.top);
            l->adjustSize();
            l->show();
            summary_.push_back(l);
        };
        add(16, line.label, false);
        add(260, line.value, false);
        if (line.hasUnit)
            add(350, line.unit, false);
    }
}

bool TInsideOutside::eventFilter(QObject* watched, QEvent* event) {
    // The cladding list takes no typed text; only arrows and the mouse choose.
    if (watched == TntComboBox1 && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        return !text.isEmpty() && text.at(0).isPrint();
    }
    return QDialog::eventFilter(watched, event);
}

void TInsideOutside::Button1Click() {
    if (calculator_.Button1Click() == CoefficientCalculator::Outcome::Closed) {
        accept();
        return;
    }
    // Point at the field the refusal was about.
    QWidget* field = nullptr;
    switch (calculator_.RefusedField()) {
    case CoefficientCalculator::Field::None:
        break;
    case CoefficientCalculator::Field::Emissivity:
        field = TntEdit1;
        break;
    case CoefficientCalculator::Field::Wind:
        field = TntEdit2;
        break;
    case CoefficientCalculator::Field::Cladding:
        field = TntComboBox1;
        break;
    case CoefficientCalculator::Field::SheetDimension:
        field = TntEdit3;
        break;
    }
    if (field && field->isVisible()) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->selectAll();
    }
}

void TInsideOutside::Button2Click() {
    calculator_.Button2Click();
    QDialog::reject();
}

// Closing by the frame or Esc is the same as "Anuluj".
void TInsideOutside::reject() {
    Button2Click();
}

void TInsideOutside::Button3Click() {
    help_.SetHelpText(CoefficientCalculator::HelpText());
    help_.exec();
    // Coming back from another window of the program activates this one again, which starts
    // it over; a message box is no window of the program and leaves it as it was.
    FormActivate();
}

} // namespace kelvara
