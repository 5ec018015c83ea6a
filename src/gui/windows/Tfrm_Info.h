#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;

namespace kelvara {

struct Catalogues;

// The About window: name, version, the configured sales contact and the maker.
class Tfrm_Info : public QDialog {
    Q_OBJECT
public:
    Tfrm_Info(const Catalogues& catalogues, const QString& dataDir, QWidget* parent = nullptr);

    std::function<bool(const QUrl&)> OpenUrl;

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Catalogues& catalogues_;
    QString dataDir_;
    QLabel* TntLabel1;
    QLabel* TntLabel2;
    QLabel* TntLabel3;
    QLabel* Image2;
    QPushButton* Cmd_OK;
};

} // namespace kelvara
