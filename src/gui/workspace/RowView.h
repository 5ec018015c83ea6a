#pragma once

#include "workspace/TParaLine.h"

#include <QObject>

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

    QLabel* Label = nullptr;
    QLineEdit* Edit = nullptr;
    QLabel* Unit = nullptr;
    QComboBox* List = nullptr;
    QPushButton* HButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TParaLine& row_;
    bool refreshing_ = false;
};

} // namespace kelvara
