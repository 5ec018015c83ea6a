#pragma once

#include "output/ProjectReport.h"

#include <QDate>
#include <QPixmap>
#include <QString>
#include <vector>

class QPagedPaintDevice;
class QWidget;

namespace kelvara {

class ProjectModel;
struct Session;

// The printed project: its pages on landscape A4, in the print preview (which prints and saves
// as PDF) or straight into a PDF file.
class ProjectPrint {
public:
    ProjectPrint(const ProjectModel& model, const Session& session, const QString& dataDir,
                 const QDate& date, QWidget* owner = nullptr);

    const std::vector<ReportPage>& Pages() const { return pages_; }
    // Shows the preview; returns when it is closed.
    void Preview();
    // Writes the report as a PDF file; false when the file cannot be written.
    bool SavePdf(const QString& fileName);
    // Paints the pages on a device, one page each; false when the device cannot be painted.
    bool Paint(QPagedPaintDevice& device) const;

private:
    std::vector<ReportPage> pages_;
    QString fontName_;
    QString caption_;
    QPixmap logo_;
    QWidget* owner_;
};

} // namespace kelvara
