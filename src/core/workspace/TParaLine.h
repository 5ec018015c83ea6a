#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace kelvara {

enum class RowKind {
    rkEdit = 0,
    rkMaterial = 1,
    rkCoefficient = 2,
    rkFlowRate = 3,
    rkResult = 4,
    rkResultChoice = 5,
    rkMedium = 6,
};

class TParaLine;

// What a row reports to the window that holds it: the reactions to a changed input.
class RowEvents {
public:
    virtual ~RowEvents() = default;
    virtual void EditChanged(TParaLine& row) = 0;
    virtual void MaterialChosen(TParaLine& row) = 0;
    virtual void FlowRateChosen(TParaLine& row) = 0;
    virtual void MediumChanged(TParaLine& row) = 0;
    virtual void AlternativeChosen(TParaLine& row) = 0;
    virtual void HButtonClicked(TParaLine& row) = 0;
};

inline const QString ChooseText = QStringLiteral("wybierz");

// One row of a calculation window as a model: texts, list items and selections, the flags
// of which controls it has. Writing an edit text fires the row's change reaction, exactly as
// typing does; a list choice made by the user goes through the Choose... calls.
class TParaLine {
public:
    TParaLine(RowKind kind, RowEvents* events) : kind_(kind), events_(events) {}

    RowKind Kind() const { return kind_; }

    const QString& ParaLineEditText() const { return editText_; }
    void SetParaLineEditText(const QString& text);
    const QString& ParaLineLabelText() const { return labelText_; }
    void SetParaLineLabelText(const QString& text) {
        labelText_ = text;
        Changed();
    }
    const QString& UnitText() const { return unitText_; }
    void SetUnitText(const QString& text) {
        unitText_ = text;
        Changed();
    }
    const QString& ButtonText() const { return buttonText_; }
    void SetButtonText(const QString& text) {
        buttonText_ = text;
        Changed();
    }
    bool Get_h_enabled() const { return hEnabled_; }
    void SetGet_h_enabled(bool enabled) {
        hEnabled_ = enabled;
        Changed();
    }

    // Material list.
    void SetMaterialItems(const QStringList& items) {
        materials_.Append(items);
        Changed();
    }
    const QStringList& MaterialItemList() const { return materials_.items; }
    int MaterialIndex() const { return materials_.index; }
    void SetMaterialIndex(int index);
    const QString& MaterialText() const { return materials_.text; }
    void SetMaterialText(const QString& text) {
        materials_.text = text;
        Changed();
    }
    void ChooseMaterial(int index); // a user's choice

    // Flow-unit list.
    void SetFlowRateItems(const QStringList& items) {
        flowRates_.Append(items);
        Changed();
    }
    const QStringList& FlowRateItemList() const { return flowRates_.items; }
    int FlowRateIndex() const { return flowRates_.index; }
    void SetFlowRateIndex(int index);
    const QString& FlowRateText() const { return flowRates_.text; }
    void SetFlowRateText(const QString& text) {
        flowRates_.text = text;
        Changed();
    }
    void ChooseFlowRate(int index);

    // Medium list.
    void SetMediumItems(const QStringList& items) {
        media_.Append(items);
        Changed();
    }
    const QStringList& MediumItemList() const { return media_.items; }
    int MediumIndex() const { return media_.index; }
    void SetMediumIndex(int index);
    const QString& MediumText() const { return media_.text; }
    void SetMediumText(const QString& text) {
        media_.text = text;
        Changed();
    }
    void ChooseMedium(int index);

    // Choice list of alternatives.
    QStringList Alternatives() const { return choices_.items; }
    void SetAlternatives(const QStringList& items);
    int AlternativeIndex() const { return choices_.index; }
    const QString& AlternativeText() const { return choices_.text; }
    // A text that is none of the entries leaves the list without a selection, as "wybierz" does.
    void SetAlternativeText(const QString& text) {
        choices_.text = text;
        choices_.index = int(choices_.items.indexOf(text));
        Changed();
    }
    void ChooseAlternative(int index);
    int MoveAlternative() const { return moveAlternative_; }
    void SetMoveAlternative(int pixels) {
        moveAlternative_ += pixels;
        Changed();
    }

    void ClickHButton();

    // 1 cream (stale), 0 white (current).
    int EditColor() const { return editColor_; }
    void SetEditColor(int color) {
        editColor_ = color;
        Changed();
    }

    bool ParaLineLabelAvailable() const { return true; }
    bool ParaLineEditAvailable() const;
    bool ParaLineMaterialAvailable() const { return kind_ == RowKind::rkMaterial; }
    bool ParaLineFlowRateAvailable() const { return kind_ == RowKind::rkFlowRate; }
    bool ParaLinehButtonAvailable() const { return kind_ == RowKind::rkCoefficient; }
    bool ParaLineMediumAvailable() const { return kind_ == RowKind::rkMedium; }
    bool ParaLineUnitAvailable() const { return kind_ != RowKind::rkMaterial; }
    bool AlternativesAvailable() const { return kind_ == RowKind::rkResultChoice; }

    // Called after any change, so that a view can show it.
    std::function<void()> OnModelChanged;

private:
    struct List {
        QStringList items;
        int index = -1;
        QString text;
        void Append(const QStringList& more) { items += more; }
        // Selects by program; -1 clears. Returns false for an index past the end.
        bool Select(int v);
    };
    void Changed() {
        if (OnModelChanged)
            OnModelChanged();
    }

    RowKind kind_;
    RowEvents* events_;
    QString editText_, labelText_, unitText_, buttonText_;
    bool hEnabled_ = false;
    List materials_{{}, -1, ChooseText};
    List flowRates_{{}, -1, ChooseText};
    List media_{{}, -1, ChooseText};
    List choices_;
    int moveAlternative_ = 0;
    int editColor_ = 0;
};

// The rows of the open window, in order; row i of a table is item i.
using TParas = std::vector<std::unique_ptr<TParaLine>>;
using TResult = std::vector<std::unique_ptr<TParaLine>>;

// Spreads rows evenly down a group box: the gap between rows and the top of row `index`.
struct RowLayout {
    int gap;
    int firstTop;
    int Top(int index) const { return index * (gap + RowHeight) + gap + firstTop; }
    static constexpr int RowHeight = 26;
};
// available = box height - box font size (points) - 1; offset = input box font size + 1.
RowLayout LayoutRows(int available, int rowCount, int offset);

} // namespace kelvara
