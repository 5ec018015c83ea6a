#pragma once

#include "output/ResultOutput.h"

#include <QPageLayout>
#include <QPixmap>
#include <QString>
#include <functional>

class QFont;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace kelvara {

class CalculationWindow;
class PipeSizingWindow;
class Prompts;

// The printed report: builds it from the open calculation or sizing, shows the print preview,
// and can write it as a PDF file.
class Tf_Print {
public:
    Tf_Print(CalculationWindow& window, const ReportHeadings& headings, const QString& dataDir,
             QWidget* owner = nullptr);
    Tf_Print(PipeSizingWindow& window, const ReportHeadings& headings, const QString& dataDir,
             QWidget* owner = nullptr);

    // Builds the report and shows the preview; returns when the preview is closed.
    void Cmd_previewClick();
    // Writes the report to a PDF file; false (after a message) when it cannot be built.
    bool SavePdf(const QString& fileName);

    // Where "Zapisz jako PDF" proposes to write: the user's documents folder (the home folder
    // when there is none) and a file named after the calculation's caption.
    static QString ProposedPdfPath(const QString& caption);
    // A multiple of 72 dots per inch: every whole point size is a whole number of dots.
    static constexpr int PdfResolution = 576;
    // A4 with the reports' margins, in the given orientation.
    static void SetupPage(QPagedPaintDevice& device, QPageLayout::Orientation orientation);

    // Paints report items on an A4 page with 10 mm margins.
    static void Paint(QPagedPaintDevice& device, const std::vector<ReportItem>& items,
                      const QPixmap& logo, const QString& fontName);
    // Paints report items with a painter scaled to designer pixels, each band from its top;
    // `fitOneLine` sets each text on one line, smaller where it is wider than its item.
    static void PaintItems(QPainter& painter, const QPaintDevice& device,
                           const std::vector<ReportItem>& items, const int (&bandTop)[3],
                           const QPixmap& logo, const QString& fontName, bool fitOneLine = false);

private:
    bool Build();
    // The items as painted: one-line texts set smaller where they would run into their
    // neighbour on the line.
    static std::vector<ReportItem> FitLines(QPagedPaintDevice& device,
                                            const std::vector<ReportItem>& items,
                                            const QString& fontName);
    static QFont ReportFont(const ReportItem& item, const QString& fontName, int deviceDpi);

    using Builder = std::function<std::vector<ReportItem>(const ReportHeadings&)>;
    Tf_Print(Prompts& prompts, const QString& caption, const QString& fontName, Builder build,
             const ReportHeadings& headings, const QString& dataDir, QWidget* owner);

    Prompts& prompts_;
    QString caption_;
    QString fontName_;
    Builder build_;
    ReportHeadings headings_;
    QString dataDir_;
    QWidget* owner_;
    std::vector<ReportItem> items_;
    QPixmap logo_;
};

} // namespace kelvara
