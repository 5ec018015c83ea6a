#pragma once

#include "engine/SurfaceCoefficientCalc.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kelvara {

class CalculationCase;

// The state of the surface-coefficient calculator's fields. The window edits it; the hidden
// automatic run fills it itself.
struct CoefficientSettings {
    bool outdoor = false;                   // TntRadioButton2 checked, else TntRadioButton1
    bool horizontal = true;                 // TntRadioButton4 checked, else TntRadioButton3
    QString emissivityText;                 // TntEdit1
    QString windText = QStringLiteral("0"); // TntEdit2
    QString sheetDimensionText = QStringLiteral("1"); // TntEdit3
    bool sheetDimensionVisible = true;                // TntEdit3 and TntLabel6
    int claddingIndex = -1;                           // TntComboBox1, -1 shows "wybierz"
    // What the caller lets the user see.
    bool outdoorOptionVisible = true; // TntRadioButton2
    bool claddingVisible = true;      // TntComboBox1 and TntLabel5
    bool orientationVisible = true;   // TntRadioButton3 and TntRadioButton4
    bool windVisible = false;         // TntLabel4 and TntEdit2
};

// One line of the calculator's data summary.
struct SummaryLine {
    QString label;
    QString value;
    QString unit;
    bool hasUnit = false;
    int top = 0;
};

// The compute side of the surface-coefficient calculator: reads the open calculation's input
// rows and the settings, computes h into the session's SurfaceCoeff.
class CoefficientCalculator {
public:
    explicit CoefficientCalculator(CalculationCase& window) : window_(window) {}

    enum class Outcome { StayOpen, Closed };

    CoefficientSettings Settings;

    // Showing: sheet fields, flag cleared.
    void TntFormShow();
    // Activation: indoor, emissivity from the remembered value, wind "1", no cladding.
    void FormActivate();
    std::vector<SummaryLine> DataSummary() const;
    QStringList CladdingNames() const;
    void TntRadioButton1Click();
    void TntRadioButton2Click();
    // A cladding chosen; Closed when the choice was refused (the window closes).
    Outcome TntComboBox1Change(int index);
    // A key accepted by the emissivity field drops the cladding.
    void EmissivityTyped() { Settings.claddingIndex = -1; }
    Outcome Button1Click();
    // The field a refusal of Button1Click was about, so that the window can point at it.
    enum class Field { None, Emissivity, Wind, Cladding, SheetDimension };
    Field RefusedField() const { return refused_; }
    // True once a computation has put a new h into SurfaceCoeff; a calculator cancelled or
    // closed by a refusal or a failure has none.
    bool Computed() const { return computed_; }
    void Button2Click();
    static QString HelpText();
    bool IsSheet() const;

    Outcome InsidePipeCoefficient();
    Outcome OutsidePipeCoefficient();
    Outcome InsideSheetCoefficient();
    Outcome OutsideSheetCoefficient();

private:
    Outcome Compute(CoefficientPlace place);

    CalculationCase& window_;
    Field refused_ = Field::None;
    bool computed_ = false;
};

// h of the bare outer surface for the data in the open window, computed by the hidden
// calculator (indoors, horizontal, the "Fe" emissivity). Never throws.
float AutoSurfaceCoefficient(CalculationCase& window);

} // namespace kelvara
