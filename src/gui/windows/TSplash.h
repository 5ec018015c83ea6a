#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace kelvara {

// The splash: shown modally when the main window first appears; closes itself.
class TSplash : public QDialog {
    Q_OBJECT
public:
    TSplash(const QString& dataDir, const QString& fontName, int milliseconds,
            QWidget* parent = nullptr);

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* Label1;
    QLabel* Label4;
    QLabel* Image1;
    QTimer* Splashtimer;
    bool timedOut_ = false;
};

} // namespace kelvara
