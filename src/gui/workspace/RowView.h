#pragma once

#include "workspace/TParaLine.h"

#include <QComboBox>
#include <QObject>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kelvara {

// A list whose closed field may wrap its shown text over several lines.
class WrappingList : public QComboBox {
public:
    explicit WrappingList(QWidget* parent);
    void SetWrapping(bool wrapping);
    // Whether the shown text (the chosen entry or the placeholder) fits the closed field.
    bool ShowsWhole() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString ShownText() const;
    QRect TextRect() const;
    bool wrapping_ = false;
};

// The controls of one row on its group box, placed by the row layout; shows its TParaLine and
// hands the user's edits and choices back to it.
class RowView : public QObject {
    Q_OBJECT
public:
    // index: the row's place in its list; top: from the layout rule.
    // `shift` moves the input row's controls that many pixels to the left of their design
    // places, and its label to the box's edge, for a narrower window.
    RowView(TParaLine& row, QWidget* box, int index, int top, bool resultRow, int shift,
            const QString& fontName);
    ~RowView() override;

    void Refresh();
    // The row's controls that take the keyboard focus, left to right.
    std::vector<QWidget*> FocusChain() const;
    // The control a refused calculation points the user at: the row's list for a missing
    // choice, else its value.
    QWidget* FaultControl(bool choice) const;

    // Makes the row's list taller, reaching to `right`, with its shown text wrapped: for
    // entries too long for one line beside the label.
    void SpanListOverLines(int height, int right);

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
    WrappingList* list_ = nullptr;
    bool refreshing_ = false;
};

} // namespace kelvara
