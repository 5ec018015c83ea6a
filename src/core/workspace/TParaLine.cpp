#include "TParaLine.h"

namespace kelvara {

bool TParaLine::List::Select(int v) {
    if (v >= items.size() || v < -1)
        return false;
    index = v;
    if (v >= 0)
        text = items[v];
    return true;
}

bool TParaLine::ParaLineEditAvailable() const {
    switch (kind_) {
    case RowKind::rkEdit:
    case RowKind::rkCoefficient:
    case RowKind::rkFlowRate:
    case RowKind::rkResult:
    case RowKind::rkMedium:
        return true;
    default:
        return false;
    }
}

void TParaLine::SetParaLineEditText(const QString& text) {
    editText_ = text;
    Changed();
    if (events_)
        events_->EditChanged(*this);
}

void TParaLine::SetMaterialIndex(int index) {
    if (!materials_.Select(index))
        return;
    // The user-conductivity entry is only ever chosen by the user.
    if (materials_.text == QStringLiteral("wspólczynnik k")) {
        materials_.index = -1;
        materials_.text = ChooseText;
    }
    Changed();
}

void TParaLine::ChooseMaterial(int index) {
    if (!materials_.Select(index))
        return;
    Changed();
    if (events_)
        events_->MaterialChosen(*this);
}

void TParaLine::SetFlowRateIndex(int index) {
    if (flowRates_.Select(index))
        Changed();
}

void TParaLine::ChooseFlowRate(int index) {
    if (!flowRates_.Select(index))
        return;
    Changed();
    if (events_)
        events_->FlowRateChosen(*this);
}

void TParaLine::SetMediumIndex(int index) {
    if (!media_.Select(index))
        return;
    Changed();
    if (index != -1 && events_)
        events_->MediumChanged(*this);
}

void TParaLine::ChooseMedium(int index) {
    if (index < 0)
        return;
    SetMediumIndex(index);
}

void TParaLine::SetAlternatives(const QStringList& items) {
    choices_.items = items;
    choices_.index = items.isEmpty() ? -1 : 0;
    choices_.text = items.isEmpty() ? QString() : items.first();
    Changed();
}

void TParaLine::ChooseAlternative(int index) {
    if (index < 0 || !choices_.Select(index))
        return;
    Changed();
    if (events_)
        events_->AlternativeChosen(*this);
}

void TParaLine::ClickHButton() {
    if (events_ && hEnabled_)
        events_->HButtonClicked(*this);
}

RowLayout LayoutRows(int available, int rowCount, int offset) {
    const int gap = (available - RowLayout::RowHeight * rowCount) / (rowCount + 1);
    return {gap, offset};
}

} // namespace kelvara
