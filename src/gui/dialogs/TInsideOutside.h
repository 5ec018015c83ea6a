#pragma once

#include "workspace/CoefficientCalculator.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelvara {

class TF_Help;

// The surface-coefficient calculator window over the calculator's compute side.
class TInsideOutside : public QDialog {
    Q_OBJECT
public:
    TInsideOutside(CoefficientCalculator& calculator, TF_Help& help, const QString& fontName,
                   QWidget* parent = nullptr);

    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void FormActivate();
    void ShowSettings();
    void ShowCladding();
    void ShowSummary();

    CoefficientCalculator& calculator_;
    TF_Help& help_;
    QString fontName_;
    bool shown_ = false;
    std::vector<QLabel*> summary_;

    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    QGroupBox* GroupBox3;
    QLabel *TntLabel1, *TntLabel2, *TntLabel3, *TntLabel4, *TntLabel5, *TntLabel6;
    QRadioButton *TntRadioButton1, *TntRadioButton2, *TntRadioButton3, *TntRadioButton4;
    QLineEdit *TntEdit1, *TntEdit2, *TntEdit3;
    QComboBox* TntComboBox1;
    QPushButton *Button1, *Button2, *Button3;
};

} // namespace kelvara
