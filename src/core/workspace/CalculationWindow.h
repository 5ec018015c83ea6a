#pragma once

#include "CalculationTypes.h"
#include "TParaLine.h"

#include <QStringList>

namespace kelvara {

struct Session;
class Prompts;

// The calculation window without its widgets: the rows of the open type, the result log, the
// state of the print button, and the reactions of the rows. A view shows it; the engine's
// calculations read and write its rows.
class CalculationWindow : public RowEvents {
public:
    CalculationWindow(Session& session, Prompts& prompts);

    // Builds the rows of the session's calculation type, as showing the window does.
    void TntFormShow();
    // Runs the type's calculation; true on success. Refusals and failures have been reported.
    bool Button1Click();
    // Keeps the inputs in the session's remembered values and releases the rows.
    void TntFormClose();

    void MarkResultsStale();
    void MarkResultsCurrent();
    // The results shown no longer match the inputs (painted cream): a report would pair them
    // with inputs that did not produce them.
    bool ResultsStale() const;

    const CalculationTypeSpec& TypeInfo() const { return CalculationTypeOf(calculationType_); }
    kelvara::CalculationType CalculationType() const { return calculationType_; }
    TParaLine& Input(int i);
    TParaLine& Result(int j);
    Session& GetSession() { return session_; }
    Prompts& GetPrompts() { return prompts_; }

    TParas InputRows;
    TResult ResultRows;
    QStringList ResultLog;
    int MediumRowIndex = -1;
    bool CopyHeaderPending = false;
    bool PrintEnabled = false; // Button3

    // The input row a refused or failed calculation is about, so the view can point at it;
    // choice: the row's list (material, flow unit) rather than its value.
    struct Fault {
        int row = -1;
        bool choice = false;
    };
    Fault LastFault;

    // Row reactions.
    void EditChanged(TParaLine& row) override;
    void MaterialChosen(TParaLine& row) override;
    void FlowRateChosen(TParaLine& row) override;
    void MediumChanged(TParaLine& row) override;
    void AlternativeChosen(TParaLine& row) override;
    void HButtonClicked(TParaLine& row) override;

private:
    void BuildRows();
    bool RunCalculation();
    QStringList FreezingTimeSeries();

    Session& session_;
    Prompts& prompts_;
    kelvara::CalculationType calculationType_ = kelvara::CalculationType::PipeCondensation;
};

} // namespace kelvara
