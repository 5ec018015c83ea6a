#pragma once

#include <QLabel>

namespace kelvara {

// A label (usually a picture) that reports a left click.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace kelvara
