#include "ProjectPrint.h"

#include "Tf_Print.h"
#include "shell/Session.h"
#include "workspace/ProjectModel.h"

#include <QAction>
#include <QFileDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace kelvara {

ProjectPrint::ProjectPrint(const ProjectModel& model, const Session& session,
                           const QString& dataDir, const QDate& date, QWidget* owner)
    : pages_(BuildProjectReport(model, session.Catalogue.SalesAdress, date)),
      fontName_(session.Catalogue.FontName), owner_(owner) {
    const QString name = model.Project().name.simplified();
    caption_ = name.isEmpty() ? ProjectCaption : name;
    // The configured picture when it loads, else the one built into the program.
    if (!logo_.load(dataDir + QStringLiteral("/logoprint.bmp")))
        logo_.load(QStringLiteral(":/logo.png"));
}

bool ProjectPrint::Paint(QPagedPaintDevice& device) const {
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    const qreal scale = device.logicalDpiX() / 96.0;
    for (std::size_t n = 0; n < pages_.size(); ++n) {
        const ReportPage& page = pages_[n];
        if (n > 0)
            device.newPage();
        painter.resetTransform();
        painter.scale(scale, scale);
        int bandTop[] = {0, 0, 0};
        if (page.heading) {
            bandTop[1] = HeadingBandHeight;
            bandTop[2] = HeadingBandHeight + CustomerBandHeight;
            painter.drawRect(0, 0, LandscapeWidth, HeadingBandHeight);
            painter.drawLine(0, bandTop[2] - 1, LandscapeWidth, bandTop[2] - 1);
        }
        for (const ReportRule& rule : page.rules)
            painter.drawLine(rule.left, bandTop[2] + rule.top, rule.right, bandTop[2] + rule.top);
        Tf_Print::PaintItems(painter, device, page.items, bandTop, logo_, fontName_);
        Tf_Print::PaintItems(painter, device, page.cells, bandTop, logo_, fontName_, true);
    }
    return painter.end();
}

void ProjectPrint::Preview() {
    QPrinter printer(QPrinter::HighResolution);
    Tf_Print::SetupPage(printer, QPageLayout::Landscape);
    QPrintPreviewDialog preview(&printer, owner_);
    preview.setWindowTitle(caption_);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [this](QPrinter* p) { Paint(*p); });
    if (auto* toolbar = preview.findChild<QToolBar*>()) {
        QAction* pdf = toolbar->addAction(QStringLiteral("Zapisz jako PDF"));
        QObject::connect(pdf, &QAction::triggered, &preview, [this, &preview] {
            const QString file = QFileDialog::getSaveFileName(
                &preview, QStringLiteral("Zapisz jako PDF"), Tf_Print::ProposedPdfPath(caption_),
                QStringLiteral("PDF (*.pdf)"));
            if (!file.isEmpty())
                SavePdf(file);
        });
    }
    preview.exec();
}

bool ProjectPrint::SavePdf(const QString& fileName) {
    QPdfWriter writer(fileName);
    writer.setResolution(Tf_Print::PdfResolution);
    Tf_Print::SetupPage(writer, QPageLayout::Landscape);
    return Paint(writer);
}

} // namespace kelvara
