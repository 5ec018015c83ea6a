#include "TPrintDecision.h"

#include "Tf_Print.h"
#include "shell/EmptyCaption.h"
#include "shell/Look.h"
#include "shell/Messages.h"
#include "shell/Prompts.h"
#include "workspace/CalculationWindow.h"
#include "workspace/PipeSizingWindow.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>

namespace kelvara {

TPrintDecision::TPrintDecision(Prompts& prompts, const QString& dataDir, const QString& fontName,
                               QWidget* parent)
    : QDialog(parent), prompts_(prompts), dataDir_(dataDir) {
    setObjectName(QStringLiteral("PrintDecision"));
    setFixedSize(389, 295);
    SetEmptyCaption(this);
    PaintCream(this);
    ApplyFontFamily(this, fontName);
    Print = [](Tf_Print& report) { report.Cmd_previewClick(); };
    TntLabel1 = new QLabel(this);
    TntLabel1->setObjectName(QStringLiteral("TntLabel1"));
    TntLabel1->setGeometry(16, 10, 360, 20);
    TntRadioGroup1 = new QGroupBox(this);
    TntRadioGroup1->setObjectName(QStringLiteral("TntRadioGroup1"));
    TntRadioGroup1->setGeometry(16, 34, 357, 70);
    RB1 = new QRadioButton(TntRadioGroup1);
    RB1->setObjectName(QStringLiteral("RB1"));
    RB1->setGeometry(12, 10, 330, 24);
    RB2 = new QRadioButton(TntRadioGroup1);
    RB2->setObjectName(QStringLiteral("RB2"));
    RB2->setGeometry(12, 38, 330, 24);
    auto field = [this](QLabel*& label, QLineEdit*& edit, const char* labelName,
                        const char* editName, int top) {
        label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(labelName));
        label->setGeometry(16, top + 3, 90, 20);
        edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(editName));
        edit->setGeometry(110, top, 263, 24);
    };
    field(Label2, E_project, "Label2", "E_project", 118);
    field(Label3, E_company, "Label3", "E_company", 152);
    field(Label4, E_remarks, "Label4", "E_remarks", 186);
    StaleLabel = new QLabel(this);
    StaleLabel->setObjectName(QStringLiteral("StaleLabel"));
    StaleLabel->setGeometry(16, 216, 357, 20);
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(96, 240, 95, 27);
    Button1->setDefault(true);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(201, 240, 95, 27);
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TPrintDecision::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrintDecision::showEvent(QShowEvent* event) {
    TntLabel1->setText(QStringLiteral("prosze wybrac nastepny krok"));
    RB1->setText(QStringLiteral("drukuj aktualne wyniki"));
    RB2->setText(QStringLiteral("kopiuj liste wyników do schowka"));
    Label2->setText(QStringLiteral("Projekt"));
    Label3->setText(QStringLiteral("Firma"));
    Label4->setText(QStringLiteral("komentarz"));
    Button1->setText(QStringLiteral("kontynuuj"));
    Button2->setText(QStringLiteral("Anuluj"));
    // A report shows the inputs beside the results, so it is made only while they belong
    // together; the list of results can always be copied.
    const bool printable = source_ && source_->print && !source_->stale;
    RB1->setEnabled(printable);
    (printable ? RB1 : RB2)->setChecked(true);
    // Why printing is not offered, when the user can do something about it.
    const bool stale = source_ && source_->print && source_->stale;
    StaleLabel->setText(stale ? messages::StaleResults : QString());
    StaleLabel->setVisible(stale);
    QDialog::showEvent(event);
}

void TPrintDecision::Open(CalculationWindow& window) {
    Open(Source{&window.ResultLog, &window.CopyHeaderPending, window.ResultsStale(),
                [this, &window](const ReportHeadings& headings) {
                    Tf_Print report(window, headings, dataDir_, this);
                    Print(report);
                }});
}

void TPrintDecision::Open(PipeSizingWindow& window) {
    Open(Source{&window.ResultLog, &window.CopyHeaderPending, window.ResultsStale,
                [this, &window](const ReportHeadings& headings) {
                    Tf_Print report(window, headings, dataDir_, this);
                    Print(report);
                }});
}

void TPrintDecision::Open(const Source& source) {
    source_ = source;
    exec();
    source_.reset();
}

ReportHeadings TPrintDecision::Headings() const {
    return {E_project->text(), E_company->text(), E_remarks->text()};
}

void TPrintDecision::Button1Click() {
    if (!source_)
        return;
    if (RB1->isChecked() && RB1->isEnabled()) {
        Button1->setEnabled(false);
        source_->print(Headings());
        Button1->setEnabled(true);
    } else {
        // Unicode text, so that letters such as "ó" reach the spreadsheet as they are; beside
        // it a table whose numbers carry the user's decimal mark, which spreadsheets prefer
        // when they paste and read as numbers in any locale.
        auto* data = new QMimeData;
        data->setText(CopyResultLines(*source_->log, *source_->copyHeaderPending, Headings()));
        data->setHtml(ResultLogHtml(*source_->log));
        QGuiApplication::clipboard()->setMimeData(data);
        prompts_.ShowMessage(MessageKind::Plain, messages::Copied);
    }
    accept();
}

} // namespace kelvara
