#include "Tfrm_Info.h"

#include "shell/Catalogues.h"
#include "shell/ClickableLabel.h"
#include "shell/Look.h"
#include "shell/NumberText.h"
#include "shell/ProgramInfo.h"
#include "shell/ProgramVersion.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace kelvara {

namespace {

// The toolkit's name on a green tile, drawn here rather than shipped as a file.
QPixmap CreditPicture(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(65, 205, 82));
    painter.drawRoundedRect(QRectF(picture.rect()).adjusted(1, 1, -1, -1), 10, 10);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(size.height() / 2);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Qt"));
    return picture;
}

} // namespace

Tfrm_Info::Tfrm_Info(const Catalogues& catalogues, const QString& dataDir, QWidget* parent)
    : QDialog(parent), catalogues_(catalogues), dataDir_(dataDir) {
    OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    setObjectName(QStringLiteral("frm_Info"));
    setFixedSize(593, 459);
    setWindowTitle(QStringLiteral("Info"));
    PaintCream(this);
    ApplyFontFamily(this, catalogues.FontName);
    auto* top = new QGroupBox(this);
    top->setGeometry(8, 4, 577, 250);
    auto* bottom = new QGroupBox(this);
    bottom->setGeometry(8, 258, 577, 150);
    auto label = [](QWidget* parent, const char* name, const QString& text, QRect g) {
        auto* l = new QLabel(text, parent);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(g);
        return l;
    };
    QLabel* title = label(top, "Label1", ProgramName, {16, 12, 300, 50});
    QFont big = title->font();
    big.setPixelSize(40);
    big.setBold(true);
    title->setFont(big);
    label(top, "Label2",
          QStringLiteral("Software for calculations concerning insulation applications"),
          {16, 66, 545, 20});
    label(top, "Label3", QStringLiteral("Version"), {16, 96, 80, 20});
    TntLabel1 = label(top, "TntLabel1", QString(), {100, 96, 200, 20});
    label(top, "Label4", QStringLiteral("© 2026 Kelvara Technika Izolacyjna Sp. z o.o."),
          {16, 124, 400, 20});
    TntLabel2 = label(top, "TntLabel2", QString(), {16, 156, 200, 20});
    TntLabel3 = label(top, "TntLabel3", QString(), {16, 178, 549, 66});
    TntLabel3->setWordWrap(true);
    TntLabel3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* picture = new ClickableLabel(top);
    picture->setObjectName(QStringLiteral("Image2"));
    picture->setGeometry(400, 12, 165, 66);
    picture->setCursor(Qt::PointingHandCursor);
    Image2 = picture;
    label(bottom, "Label6", QStringLiteral("Kelvara Technika Izolacyjna Sp. z o.o."),
          {16, 12, 400, 20});
    label(bottom, "Label7", QStringLiteral("ul. Chlodnicza 12, 30-001 Krakow"), {16, 34, 400, 20});
    label(bottom, "Label8", QStringLiteral("tel. +48 12 300 40 50"), {16, 56, 400, 20});
    label(bottom, "Label9", QStringLiteral("Polska"), {16, 78, 400, 20});
    auto* web = new ClickableLabel(bottom);
    web->setObjectName(QStringLiteral("Label10"));
    web->setText(MakerWebAddress);
    web->setGeometry(16, 106, 400, 20);
    web->setCursor(Qt::PointingHandCursor);
    QPalette link = web->palette();
    link.setColor(QPalette::WindowText, Qt::blue);
    web->setPalette(link);
    connect(web, &ClickableLabel::clicked, this, [this] { OpenUrl(QUrl(MakerWebAddress)); });
    connect(picture, &ClickableLabel::clicked, this, [this] { OpenUrl(QUrl(MakerWebAddress)); });

    // The credit: "powered by" and the toolkit's picture, both leading to its site.
    auto* poweredBy = new ClickableLabel(bottom);
    poweredBy->setObjectName(QStringLiteral("Label5"));
    poweredBy->setText(QStringLiteral("powered by"));
    poweredBy->setGeometry(430, 20, 130, 20);
    poweredBy->setAlignment(Qt::AlignHCenter);
    poweredBy->setCursor(Qt::PointingHandCursor);
    auto* credit = new ClickableLabel(bottom);
    credit->setObjectName(QStringLiteral("Image1"));
    credit->setGeometry(455, 44, 80, 60);
    credit->setPixmap(CreditPicture(credit->size()));
    credit->setCursor(Qt::PointingHandCursor);
    credit->setAccessibleName(QStringLiteral("Qt"));
    for (ClickableLabel* label : {poweredBy, credit})
        connect(label, &ClickableLabel::clicked, this, [this] { OpenUrl(QUrl(CreditWebAddress)); });
    Cmd_OK = new QPushButton(this);
    Cmd_OK->setObjectName(QStringLiteral("Cmd_OK"));
    Cmd_OK->setGeometry(246, 418, 100, 30);
    Cmd_OK->setDefault(true);
    connect(Cmd_OK, &QPushButton::clicked, this, &QDialog::accept);
}

void Tfrm_Info::showEvent(QShowEvent* event) {
    CentreOn(this, DesktopArea(this));
    TntLabel1->setText(ProgramVersion());
    Cmd_OK->setText(QStringLiteral("Ok"));
    TntLabel2->setText(QStringLiteral("kontakt"));
    TntLabel3->setText(ExpandLineBreaks(catalogues_.SalesAdress).replace(u'\r', u'\n'));
    QPixmap picture;
    if (picture.load(dataDir_ + QStringLiteral("/logo1.bmp")))
        Image2->setPixmap(
            picture.scaled(Image2->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    QDialog::showEvent(event);
}

} // namespace kelvara
