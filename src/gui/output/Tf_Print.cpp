#include "Tf_Print.h"

#include "output/SizingReport.h"
#include "shell/AppError.h"
#include "shell/Messages.h"
#include "shell/Prompts.h"
#include "shell/Session.h"
#include "workspace/CalculationWindow.h"
#include "workspace/PipeSizingWindow.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolBar>

// The report's own picture lives in a static library: register it before the first report,
// or the linker may leave it out.
static void RegisterReportPicture() {
    Q_INIT_RESOURCE(kelvara);
}

namespace kelvara {

Tf_Print::Tf_Print(Prompts& prompts, const QString& caption, const QString& fontName, Builder build,
                   const ReportHeadings& headings, const QString& dataDir, QWidget* owner)
    : prompts_(prompts), caption_(caption), fontName_(fontName), build_(std::move(build)),
      headings_(headings), dataDir_(dataDir), owner_(owner) {
    RegisterReportPicture();
}

Tf_Print::Tf_Print(CalculationWindow& window, const ReportHeadings& headings,
                   const QString& dataDir, QWidget* owner)
    : Tf_Print(
          window.GetPrompts(), CalculationTypeTextsOf(window.CalculationType()).caption,
          window.GetSession().Catalogue.FontName,
          [&window](const ReportHeadings& h) {
              return BuildReport(window, h, QDate::currentDate());
          },
          headings, dataDir, owner) {}

Tf_Print::Tf_Print(PipeSizingWindow& window, const ReportHeadings& headings, const QString& dataDir,
                   QWidget* owner)
    : Tf_Print(
          window.GetPrompts(), PipeSizingCaption, window.GetSession().Catalogue.FontName,
          [&window](const ReportHeadings& h) {
              return BuildSizingReport(window, h, QDate::currentDate());
          },
          headings, dataDir, owner) {}

bool Tf_Print::Build() {
    // The configured picture when it loads, else the one built into the program.
    if (!logo_.load(dataDir_ + QStringLiteral("/logoprint.bmp")))
        logo_.load(QStringLiteral(":/logo.png"));
    try {
        items_ = build_(headings_);
        return true;
    } catch (const AppError& error) {
        prompts_.ShowMessage(MessageKind::Error, messages::MediumError + error.Message());
        return false;
    }
}

QFont Tf_Print::ReportFont(const ReportItem& item, const QString& fontName, int deviceDpi) {
    QFont font(fontName.isEmpty() ? QStringLiteral("Arial") : fontName);
    // The item's points in whole device pixels: exact on a device of a multiple of 72 dpi
    // (the PDF copy), within one printer dot elsewhere.
    font.setPixelSize(qRound(item.fontSize * deviceDpi / 72.0));
    return font;
}

namespace {

// Room between two texts on one line of the report, in designer pixels.
constexpr qreal TextGap = 6;
// No text is set smaller than this to make room.
constexpr int LeastPoints = 6;
// Texts whose tops lie closer than this share a line.
constexpr int SameLine = 12;

bool OneLine(const ReportItem& item) {
    return !item.logo && item.height == 0;
}

} // namespace

// Each one-line text stays on its line: it never wraps, and a left-aligned text that would run
// into the next text on its line (a long label into its value) is set smaller until it clears it.
std::vector<ReportItem> Tf_Print::FitLines(QPagedPaintDevice& device,
                                           const std::vector<ReportItem>& items,
                                           const QString& fontName) {
    const qreal scale = device.logicalDpiX() / 96.0;
    const auto widthOf = [&](const ReportItem& item) {
        const QFontMetricsF metrics(ReportFont(item, fontName, device.logicalDpiY()), &device);
        qreal widest = 0;
        for (const QString& line : QString(item.text).replace(u'\r', u'\n').split(u'\n'))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        return widest / scale;
    };
    // Where a text starts on its line.
    const auto startOf = [&](const ReportItem& item) -> qreal {
        if (!OneLine(item) || item.align == ReportAlign::Left)
            return item.left;
        if (item.align == ReportAlign::Right)
            return item.left - widthOf(item);
        const qreal width = item.width > 0 ? item.width : BandWidth;
        return (item.width > 0 ? item.left : 0) + (width - widthOf(item)) / 2;
    };
    std::vector<ReportItem> fitted = items;
    for (std::size_t i = 0; i < fitted.size(); ++i) {
        ReportItem& item = fitted[i];
        if (!OneLine(item) || item.align != ReportAlign::Left || item.text.isEmpty())
            continue;
        qreal limit = item.width > 0 ? item.left + item.width : BandWidth;
        for (std::size_t j = 0; j < items.size(); ++j) {
            const ReportItem& other = items[j];
            if (j == i || other.logo || other.band != item.band ||
                std::abs(other.top - item.top) >= SameLine || other.text.isEmpty())
                continue;
            const qreal start = startOf(other);
            if (start > item.left)
                limit = std::min(limit, start - TextGap);
        }
        while (item.left + widthOf(item) > limit && item.fontSize > LeastPoints)
            --item.fontSize;
    }
    return fitted;
}

void Tf_Print::Paint(QPagedPaintDevice& device, const std::vector<ReportItem>& designed,
                     const QPixmap& logo, const QString& fontName) {
    const std::vector<ReportItem> items = FitLines(device, designed, fontName);
    QPainter painter(&device);
    // Designer pixels are 96 per inch; the page's own resolution may be finer.
    const qreal scale = device.logicalDpiX() / 96.0;
    painter.scale(scale, scale);
    const int bandTop[] = {0, HeadingBandHeight, HeadingBandHeight + CustomerBandHeight};
    painter.drawRect(0, 0, BandWidth, HeadingBandHeight);
    painter.drawLine(0, bandTop[2] - 1, BandWidth, bandTop[2] - 1);
    PaintItems(painter, device, items, bandTop, logo, fontName);
}

void Tf_Print::PaintItems(QPainter& painter, const QPaintDevice& device,
                          const std::vector<ReportItem>& items, const int (&bandTop)[3],
                          const QPixmap& logo, const QString& fontName, bool fitOneLine) {
    const qreal scale = device.logicalDpiX() / 96.0;
    for (const ReportItem& item : items) {
        const int top = bandTop[int(item.band)] + item.top;
        if (item.logo) {
            painter.drawPixmap(QRect(item.left, top, item.width, item.height), logo);
            continue;
        }
        const int height = item.height > 0 ? item.height : item.fontSize * 2;
        QRect box;
        int flags = Qt::AlignTop;
        switch (item.align) {
        case ReportAlign::Left:
            box =
                QRect(item.left, top, item.width > 0 ? item.width : BandWidth - item.left, height);
            flags |= Qt::AlignLeft;
            break;
        case ReportAlign::Right:
            box = QRect(item.left - (item.width > 0 ? item.width : 480), top,
                        item.width > 0 ? item.width : 480, height);
            flags |= Qt::AlignRight;
            break;
        case ReportAlign::Center:
            box = item.width > 0 ? QRect(item.left, top, item.width, height)
                                 : QRect(0, top, BandWidth, height);
            flags |= Qt::AlignHCenter;
            break;
        }
        // Only a text given a box of its own wraps inside it.
        if (!OneLine(item))
            flags |= Qt::TextWordWrap;
        QString text = item.text;
        text.replace(u'\r', u'\n');
        // Text is set in device pixels, so that its size is not rounded in designer pixels.
        painter.save();
        painter.resetTransform();
        QFont font = ReportFont(item, fontName, device.logicalDpiY());
        const QRect onDevice(qRound(box.x() * scale), qRound(box.y() * scale),
                             qRound(box.width() * scale), qRound(box.height() * scale));
        if (fitOneLine) {
            // A table's cell: one line, set smaller rather than run into the next cell.
            flags &= ~Qt::TextWordWrap;
            while (QFontMetrics(font, &device).horizontalAdvance(text) > onDevice.width() &&
                   font.pixelSize() > 1)
                font.setPixelSize(font.pixelSize() * 9 / 10);
        }
        painter.setFont(font);
        painter.drawText(onDevice, flags | Qt::TextDontClip, text);
        painter.restore();
    }
}

void Tf_Print::SetupPage(QPagedPaintDevice& device, QPageLayout::Orientation orientation) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(orientation);
    device.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

QString Tf_Print::ProposedPdfPath(const QString& caption) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QString name = caption.simplified();
    // Characters no file system takes in a name.
    for (QChar& c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c))
            c = u'-';
    if (name.isEmpty())
        name = QStringLiteral("Kelvara");
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

void Tf_Print::Cmd_previewClick() {
    if (!Build())
        return;
    QPrinter printer(QPrinter::HighResolution);
    SetupPage(printer, QPageLayout::Portrait);
    QPrintPreviewDialog preview(&printer, owner_);
    preview.setWindowTitle(caption_);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [this](QPrinter* p) { Paint(*p, items_, logo_, fontName_); });
    // Filing a report needs no printer: a PDF copy from the preview.
    if (auto* toolbar = preview.findChild<QToolBar*>()) {
        QAction* pdf = toolbar->addAction(QStringLiteral("Zapisz jako PDF"));
        QObject::connect(pdf, &QAction::triggered, &preview, [this, &preview] {
            const QString file = QFileDialog::getSaveFileName(
                &preview, QStringLiteral("Zapisz jako PDF"), ProposedPdfPath(caption_),
                QStringLiteral("PDF (*.pdf)"));
            if (!file.isEmpty())
                SavePdf(file);
        });
    }
    preview.exec();
}

bool Tf_Print::SavePdf(const QString& fileName) {
    if (items_.empty() && !Build())
        return false;
    QPdfWriter writer(fileName);
    writer.setResolution(PdfResolution);
    SetupPage(writer, QPageLayout::Portrait);
    Paint(writer, items_, logo_, fontName_);
    return true;
}

} // namespace kelvara
