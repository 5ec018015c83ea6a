#include "ProjectSpreadsheet.h"

#include "ResultOutput.h"
#include "shell/Messages.h"
#include "workspace/ProjectModel.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <clocale>
#include <map>
#include <string>
#include <xlsxwriter.h>

namespace kelvara {

namespace {

// A field that is a plain decimal number as the program writes it ("." mark; "," as typed).
const QRegularExpression PlainNumber(QStringLiteral("^-?[0-9]+([.,][0-9]+)?$"));

class Sheet {
public:
    Sheet(lxw_workbook* book, lxw_worksheet* sheet, lxw_format* bold)
        : book_(book), sheet_(sheet), bold_(bold) {}

    // A text, or a number cell showing the field's decimals.
    void Field(int row, int column, const QString& text) {
        if (text.isEmpty())
            return;
        if (PlainNumber.match(text).hasMatch()) {
            QString dot = text;
            dot.replace(u',', u'.');
            const qsizetype mark = dot.indexOf(u'.');
            const int decimals = mark < 0 ? 0 : int(dot.size() - mark - 1);
            worksheet_write_number(sheet_, lxw_row_t(row), lxw_col_t(column), dot.toDouble(),
                                   NumberFormat(decimals));
            return;
        }
        worksheet_write_string(sheet_, lxw_row_t(row), lxw_col_t(column), text.toUtf8().constData(),
                               nullptr);
    }
    void Fields(int row, const QStringList& fields) {
        for (int c = 0; c < fields.size(); ++c)
            Field(row, c, fields[c]);
    }
    void Heading(int row, const QStringList& labels) {
        for (int c = 0; c < labels.size(); ++c)
            worksheet_write_string(sheet_, lxw_row_t(row), lxw_col_t(c),
                                   labels[c].toUtf8().constData(), bold_);
    }
    lxw_worksheet* Handle() { return sheet_; }

private:
    lxw_format* NumberFormat(int decimals) {
        lxw_format*& format = formats_[decimals];
        if (!format) {
            format = workbook_add_format(book_);
            const QByteArray pattern =
                decimals > 0 ? "0." + QByteArray(decimals, '0') : QByteArray("0");
            format_set_num_format(format, pattern.constData());
        }
        return format;
    }

    lxw_workbook* book_;
    lxw_worksheet* sheet_;
    lxw_format* bold_;
    std::map<int, lxw_format*> formats_;
};

void WriteSchedule(Sheet& sheet, const ProjectModel& model) {
    QStringList headings;
    for (int c = 0; c < ProjectModel::ColumnCount; ++c)
        headings << ProjectModel::ColumnHeading(c);
    sheet.Heading(0, headings);
    for (int row = 0; row < model.rowCount(); ++row) {
        const ProjectRun& run = model.Run(row);
        const RunResult& result = model.Result(row);
        QStringList fields{run.mark};
        for (const QString& input : run.inputs)
            fields << input;
        if (result.sized) {
            for (const QString& text : result.texts)
                fields << text;
        } else {
            fields << QStringLiteral("! ") + result.message;
        }
        sheet.Fields(row + 1, fields);
    }
    worksheet_freeze_panes(sheet.Handle(), 1, 1);
    worksheet_set_column(sheet.Handle(), 0, lxw_col_t(ProjectModel::ColumnCount - 1), 14, nullptr);
}

void WriteMaterials(Sheet& sheet, const ProjectModel& model) {
    int row = 0;
    sheet.Heading(row++, BillLabels(model.Project().allowance));
    for (const BillEntry& entry : model.Bill())
        sheet.Fields(row++, BillFields(entry));
    const std::vector<UnsizedRun> apart = model.Unsized();
    if (!apart.empty()) {
        ++row;
        sheet.Heading(row++, UnsizedLabels());
        for (const UnsizedRun& run : apart)
            sheet.Fields(row++, UnsizedFields(run));
    }
    ++row;
    sheet.Heading(row++, TotalsLabels());
    sheet.Fields(row, TotalsFields(model.Totals()));
    worksheet_set_column(sheet.Handle(), 0, 0, 40, nullptr);
    worksheet_set_column(sheet.Handle(), 1, 6, 18, nullptr);
}

// The library prints numbers with the C runtime, which follows LC_NUMERIC: under a
// decimal-comma locale the file would hold "60,3", which no spreadsheet reads as a number.
class CNumbers {
public:
    CNumbers() {
        if (const char* current = std::setlocale(LC_NUMERIC, nullptr))
            previous_ = current;
        std::setlocale(LC_NUMERIC, "C");
    }
    ~CNumbers() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
    CNumbers(const CNumbers&) = delete;
    CNumbers& operator=(const CNumbers&) = delete;

private:
    std::string previous_ = "C";
};

} // namespace

bool WriteProjectSpreadsheet(const QString& path, const ProjectModel& model, QString& message) {
    const QString name = QFileInfo(path).fileName();
    const auto fail = [&](const QString& reason) {
        message = messages::SpreadsheetNotSaved.arg(name, reason);
        return false;
    };
    // The library writes a file of its own; the finished file is then put in place whole.
    QTemporaryDir work;
    if (!work.isValid())
        return fail(work.errorString());
    const QByteArray built = QFile::encodeName(work.filePath(QStringLiteral("project.xlsx")));
    const CNumbers numbers;
    lxw_workbook* book = workbook_new(built.constData());
    if (!book)
        return fail(QStringLiteral("libxlsxwriter"));
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    Sheet schedule(book, workbook_add_worksheet(book, ScheduleSheetName.toUtf8().constData()),
                   bold);
    Sheet materials(book, workbook_add_worksheet(book, MaterialsSheetName.toUtf8().constData()),
                    bold);
    WriteSchedule(schedule, model);
    WriteMaterials(materials, model);
    if (const lxw_error error = workbook_close(book); error != LXW_NO_ERROR)
        return fail(QString::fromUtf8(lxw_strerror(error)));

    QFile finished(QString::fromLocal8Bit(built));
    if (!finished.open(QIODevice::ReadOnly))
        return fail(finished.errorString());
    const QByteArray bytes = finished.readAll();
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() ||
        !target.commit()) {
        const QString reason = target.errorString();
        target.cancelWriting();
        return fail(reason);
    }
    return true;
}

CopiedRows CopyProjectRows(const ProjectModel& model, const std::vector<int>& rows,
                           const QLocale& locale) {
    const QStringList lines = model.CopyLines(rows);
    return {ProjectModel::PlainText(lines), ResultLogHtml(lines, locale)};
}

} // namespace kelvara
