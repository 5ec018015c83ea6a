#pragma once

#include "workspace/TParaLine.h"

#include <QObject>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kelvara {

// The controls of one row on its group box, placed by the row layout; shows its TParaLine and
// hands the user's edits and choices back to it.
class RowView : public QObject {
    Q_OBJECT
public:
    // index: the row's place in its list; top: from the layout rule.
    RowView(TParaLine& row, QWidget* box, int index, int top, bool resultRow,
            const QString& fontName);
    ~RowView() override;

    void Refresh();
    // The row's controls that take the keyboard focus, left to right.
    std::vector<QWidget*> FocusChain() const;
    // The control a refused calculation points the user at: the row's list for a missing
    // choice, else its value.
    QWidget* FaultControl(bool choice) const;

    // The right edge of the value column of the result rows.
    static constexpr int ResultRight = 410;

    QLabel* Label = nullptr;
    QLineEdit* Edit = nullptr;
    QLabel* Unit = nullptr;
    QComboBox* List = nullptr;
    QPushButton* HButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitResult();
    void FitLabel();

    struct Span {
        int left = 0;
        int width = 0;
    };
    TParaLine& row_;
    Span editDesign_;
    Span listDesign_;
    int labelPoints_ = 0;
    int labelLimit_ = 0;
    bool refreshing_ = false;
};

} // namespace kelvara
