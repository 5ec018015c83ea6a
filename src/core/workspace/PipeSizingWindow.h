#pragma once

#include "TParaLine.h"
#include "engine/PipeSizing.h"
#include "engine/RegulationThickness.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace kelvara {

struct Session;
class Prompts;

inline const QString PipeSizingCaption = QStringLiteral("Dobor izolacji");

// The input rows of the sizing window, top to bottom.
enum SizingRow {
    SizingAmbient,
    SizingMedium,
    SizingHumidity,
    SizingOuterDiameter,
    SizingInnerDiameter,
    SizingMaterial,
    SizingH,
    SizingCase,
    SizingMaxSurface,
    SizingMaxLoss,
    SizingMargin,
    SizingLength,
    SizingHours,
    SizingPrice,
    SizingCo2,
    SizingRowCount
};

// One line of the results: a criterion with its thickness and size, the governing one, or a
// yearly figure (no size).
struct SizingResultLine {
    QString label;
    QString value;
    QString unit;
    QString size;
    bool hasSize = false;
};

// The insulation sizing window without its widgets: the input rows, remembered between openings,
// the result lines of the last calculation and the result log for copying.
class PipeSizingWindow : public RowEvents {
public:
    PipeSizingWindow(Session& session, Prompts& prompts);

    void TntFormShow();
    // Checks, calculates and writes the result lines; false after a refusal or failure, which
    // have been reported.
    bool Button1Click();
    // Keeps the inputs for the next opening.
    void TntFormClose();

    TParaLine& Input(int i) { return *InputRows[std::size_t(i)]; }
    Session& GetSession() { return session_; }
    Prompts& GetPrompts() { return prompts_; }

    TParas InputRows;
    std::vector<SizingResultLine> ResultLines;
    QStringList ResultLog; // caption, column labels, then one line per calculation
    bool PrintEnabled = false;
    bool ResultsStale = false;
    bool CopyHeaderPending = true; // the log has no heading lines of an earlier copy yet
    // The input row a refusal is about (choice: its list), -1 for none.
    struct Fault {
        int row = -1;
        bool choice = false;
    };
    Fault LastFault;
    // Called after the result lines or their state changed, so that a view can show them.
    std::function<void()> OnResultsChanged;

    void EditChanged(TParaLine& row) override;
    void MaterialChosen(TParaLine& row) override;
    void FlowRateChosen(TParaLine&) override {}
    void MediumChanged(TParaLine&) override {}
    void AlternativeChosen(TParaLine&) override {}
    void HButtonClicked(TParaLine& row) override;

    // The installation cases the "Rodzaj przewodu" list offers, in its order.
    const std::vector<InstallationCase>& Cases() const { return cases_; }
    // The surface limit is a maximum on a hot pipe and a minimum on a cold one.
    static QString SurfaceLimitLabel(bool coldPipe);

    // The labels of the log's result columns, after the input rows' labels.
    static QStringList ResultColumnLabels();
    // The lines shown before the first calculation: every line's label and unit, no values.
    static std::vector<SizingResultLine> PlaceholderLines();

private:
    void BuildRows();
    bool Calculate();
    void WriteResults(const PipeSizingInput& in, const PipeSizingResult& r);
    void MarkStale();
    void ShowSurfaceLimitKind();
    bool RequiredFieldsTyped();
    QString RefusalText(const SizingRefusal& refusal, const PipeSizingInput& in);

    Session& session_;
    Prompts& prompts_;
    float lastThickness_ = 0; // m, the governing thickness of the last calculation
    std::vector<InstallationCase> cases_;
};

} // namespace kelvara
