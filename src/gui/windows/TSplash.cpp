#include "TSplash.h"

#include "shell/Look.h"
#include "shell/Version.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

namespace kelvara {

TSplash::TSplash(const QString& dataDir, const QString& fontName, int milliseconds, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Splash"));
    setFixedSize(566, 373);
    PaintCream(this);
    ApplyFontFamily(this, fontName);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(0, 20, 566, 70);
    Label1->setAlignment(Qt::AlignCenter);
    StyleHeading(Label1, 52, TitleGreen);
    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(0, 95, 566, 26);
    Label4->setAlignment(Qt::AlignCenter);
    StyleHeading(Label4, 17, SubtitleMaroon);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(24, 140, 517, 208);
    Image1->setAlignment(Qt::AlignCenter);
    QPixmap picture;
    if (picture.load(dataDir + QStringLiteral("/logo.bmp")))
        Image1->setPixmap(
            picture.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Splashtimer = new QTimer(this);
    Splashtimer->setObjectName(QStringLiteral("Splashtimer"));
    Splashtimer->setSingleShot(true);
    Splashtimer->setInterval(milliseconds);
    connect(Splashtimer, &QTimer::timeout, this, [this] {
        timedOut_ = true;
        accept();
    });
}

// Only the timer ends the splash: neither Esc nor a close request does.
void TSplash::reject() {
    if (timedOut_)
        QDialog::reject();
}

void TSplash::closeEvent(QCloseEvent* event) {
    if (!timedOut_)
        event->ignore();
}

void TSplash::showEvent(QShowEvent* event) {
    CentreOn(this, ScreenArea(this));
    Label1->setText(QStringLiteral("Kelvara  ") + QLatin1String(version::Title));
    Label4->setText(QStringLiteral("Program do obliczen chlodniczych i cieplnych"));
    Splashtimer->start();
    QDialog::showEvent(event);
}

} // namespace kelvara
