#pragma once

#include "CalculationTypes.h"

#include <QString>

namespace kelvara {

struct Session;
class Prompts;

// What a calculation reads and writes: the texts and list choices of the input rows of one
// calculation type, the texts of its result rows and its result log. The calculation window is
// one; a case of the batch tool, which holds only its fields, is another. A row index past the
// type's rows throws AppError.
class CalculationCase {
public:
    virtual ~CalculationCase() = default;

    virtual kelvara::CalculationType CalculationType() const = 0;
    const CalculationTypeSpec& TypeInfo() const { return CalculationTypeOf(CalculationType()); }
    virtual Session& GetSession() = 0;
    virtual Prompts& GetPrompts() = 0;

    virtual const QString& InputText(int row) = 0;
    // Writing an input reacts as typing it does: a typed h is no longer the calculator's.
    virtual void SetInputText(int row, const QString& text) = 0;
    virtual int MaterialIndex(int row) = 0;
    virtual const QString& MaterialText(int row) = 0;
    virtual int FlowRateIndex(int row) = 0;
    virtual const QString& FlowRateText(int row) = 0;
    virtual const QString& ResultText(int row) = 0;
    virtual void SetResultText(int row, const QString& text) = 0;
    virtual void AppendLog(const QString& line) = 0;

    // The input row a refused or failed calculation is about, so a view can point at it;
    // choice: the row's list (material, flow unit) rather than its value.
    struct Fault {
        int row = -1;
        bool choice = false;
    };
    Fault LastFault;
};

// Runs the calculation of the case's type: true when it wrote its results, false when it
// refused or failed, after telling the user. A type with a freezing series gets it in `series`.
bool RunCalculationCase(CalculationCase& c, QStringList& series);

} // namespace kelvara
