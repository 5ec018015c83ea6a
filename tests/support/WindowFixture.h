#pragma once

#include "RecordingPrompts.h"
#include "StrictPrompts.h"
#include "TestCatalogue.h"
#include "workspace/CalculationWindow.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace kelvara::test {

// A calculation window of one type over the small catalogue, with recorded prompts.
template <class PromptsType> class WindowFixtureOf : public testing::Test {
protected:
    void Open(int type) {
        session.CalculationType = CalculationTypeFromNumber(type);
        window = std::make_unique<CalculationWindow>(session, prompts);
        window->TntFormShow();
    }
    // Types the texts into the edit rows, in order; an empty entry leaves a row alone.
    void Type(const QStringList& texts) {
        for (int i = 0; i < int(texts.size()); ++i)
            if (!texts[i].isNull() && window->Input(i).ParaLineEditAvailable())
                window->Input(i).SetParaLineEditText(texts[i]);
    }
    // Enters texts in row order as a user would: an empty text leaves the row alone, the
    // material row takes a name, the flow row "value unit" (an unknown unit: none chosen).
    void Enter(const std::vector<const char*>& inputs) {
        for (int i = 0; i < int(inputs.size()); ++i) {
            TParaLine& row = window->Input(i);
            const QString text = QString::fromUtf8(inputs[std::size_t(i)]);
            if (text.isEmpty())
                continue;
            if (row.ParaLineMaterialAvailable()) {
                row.ChooseMaterial(int(session.Catalogue.MaterialNames.indexOf(text)));
            } else if (row.ParaLineFlowRateAvailable()) {
                const QStringList parts = text.split(u' ');
                row.SetParaLineEditText(parts[0]);
                if (parts.size() > 1)
                    row.ChooseFlowRate(int(FlowRateUnits.indexOf(parts[1])));
            } else {
                row.SetParaLineEditText(text);
            }
        }
    }
    QStringList Results() const {
        QStringList texts;
        for (const auto& row : window->ResultRows)
            texts.append(row->ParaLineEditText());
        return texts;
    }

    Session session = SessionWithSmallCatalogue();
    PromptsType prompts;
    std::unique_ptr<CalculationWindow> window;
};

using WindowFixture = WindowFixtureOf<RecordingPrompts>;
// Every message the test does not announce with prompts.Expect fails it.
using StrictWindowFixture = WindowFixtureOf<StrictPrompts>;

} // namespace kelvara::test
