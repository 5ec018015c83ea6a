#pragma once

#include "CalculationCase.h"
#include "TParaLine.h"

#include <QStringList>

namespace kelvara {

struct Session;
class Prompts;

// The calculation window without its widgets: the rows of the open type, the result log, the
// state of the print button, and the reactions of the rows. A view shows it; the engine's
// calculations read and write its rows.
class CalculationWindow : public CalculationCase, public RowEvents {
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

    kelvara::CalculationType CalculationType() const override { return calculationType_; }
    TParaLine& Input(int i);
    TParaLine& Result(int j);
    Session& GetSession() override { return session_; }
    Prompts& GetPrompts() override { return prompts_; }

    // The case a calculation reads and writes: the rows.
    const QString& InputText(int row) override { return Input(row).ParaLineEditText(); }
    void SetInputText(int row, const QString& text) override {
        Input(row).SetParaLineEditText(text);
    }
    int MaterialIndex(int row) override { return Input(row).MaterialIndex(); }
    const QString& MaterialText(int row) override { return Input(row).MaterialText(); }
    int FlowRateIndex(int row) override { return Input(row).FlowRateIndex(); }
    const QString& FlowRateText(int row) override { return Input(row).FlowRateText(); }
    const QString& ResultText(int row) override { return Result(row).ParaLineEditText(); }
    void SetResultText(int row, const QString& text) override {
        Result(row).SetParaLineEditText(text);
    }
    void AppendLog(const QString& line) override { ResultLog.append(line); }

    TParas InputRows;
    TResult ResultRows;
    QStringList ResultLog;
    int MediumRowIndex = -1;
    bool CopyHeaderPending = false;
    bool PrintEnabled = false; // Button3

    // Row reactions.
    void EditChanged(TParaLine& row) override;
    void MaterialChosen(TParaLine& row) override;
    void FlowRateChosen(TParaLine& row) override;
    void MediumChanged(TParaLine& row) override;
    void AlternativeChosen(TParaLine& row) override;
    void HButtonClicked(TParaLine& row) override;

private:
    void BuildRows();

    Session& session_;
    Prompts& prompts_;
    kelvara::CalculationType calculationType_ = kelvara::CalculationType::PipeCondensation;
};

} // namespace kelvara
