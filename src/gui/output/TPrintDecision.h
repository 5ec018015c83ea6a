#pragma once

#include "output/ResultOutput.h"

#include <QDialog>
#include <functional>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelvara {

class CalculationWindow;
class PipeSizingWindow;
class Prompts;
class Tf_Print;

// Print the results or copy the result list; keeps project, company and remarks for the run.
class TPrintDecision : public QDialog {
    Q_OBJECT
public:
    TPrintDecision(Prompts& prompts, const QString& dataDir, const QString& fontName,
                   QWidget* parent = nullptr);

    // Shows the window modally for the open calculation or sizing.
    void Open(CalculationWindow& window);
    void Open(PipeSizingWindow& window);
    // The same for another window's result list: copied as the calculation window's; printed
    // by `print` (none: the list can only be copied), `stale` while the results are outdated.
    struct Source {
        QStringList* log = nullptr;
        bool* copyHeaderPending = nullptr;
        bool stale = false;
        std::function<void(const ReportHeadings&)> print;
    };
    void Open(const Source& source);
    void Button1Click();

    ReportHeadings Headings() const;
    // Runs the print choice on the report; the preview by default, replaced in tests.
    std::function<void(Tf_Print&)> Print;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Prompts& prompts_;
    QString dataDir_;
    std::optional<Source> source_;
    QLabel* TntLabel1;
    QGroupBox* TntRadioGroup1;
    QRadioButton* RB1;
    QRadioButton* RB2;
    QLabel *Label2, *Label3, *Label4;
    QLabel* StaleLabel; // why printing is greyed out
    QLineEdit *E_project, *E_company, *E_remarks;
    QPushButton *Button1, *Button2;
};

} // namespace kelvara
