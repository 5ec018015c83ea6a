#include "ResultOutput.h"

#include "shell/NumberText.h"
#include "shell/Session.h"
#include "shell/Version.h"
#include "workspace/CalculationWindow.h"

#include <QRegularExpression>
#include <algorithm>

namespace kelvara {

QString CopyResultLog(CalculationWindow& window, const ReportHeadings& headings) {
    return CopyResultLines(window.ResultLog, window.CopyHeaderPending, headings);
}

QString CopyResultLines(QStringList& log, bool& copyHeaderPending, const ReportHeadings& headings) {
    if (copyHeaderPending)
        copyHeaderPending = false;
    else
        log.erase(log.begin(), log.begin() + std::min<qsizetype>(3, log.size()));
    log.insert(0, QStringLiteral("komentarz ") + headings.remarks);
    log.insert(0, QStringLiteral("Firma ") + headings.company);
    log.insert(0, QStringLiteral("Projekt ") + headings.project);
    QString text;
    for (const QString& line : log)
        text += line + QStringLiteral("\r\n");
    return text;
}

QString WithDecimalMark(const QString& field, const QString& decimalMark) {
    // Exactly what the number patterns write, and integers as typed; "1e3", "6 mm : 3.14" or a
    // name stay text.
    static const QRegularExpression plainNumber(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    if (decimalMark == QLatin1String(".") || !plainNumber.match(field).hasMatch())
        return field;
    QString converted = field;
    converted.replace(u'.', decimalMark);
    return converted;
}

QString ResultLogHtml(const QStringList& lines, const QLocale& locale) {
    const QString mark = locale.decimalPoint();
    QString html = QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" "
                                  "content=\"text/html; charset=utf-8\"></head><body><table>\n");
    for (const QString& line : lines) {
        QStringList fields = line.split(u'\t');
        if (fields.size() > 1 && fields.last().isEmpty())
            fields.removeLast();
        html += QStringLiteral("<tr>");
        for (const QString& field : fields)
            html += QStringLiteral("<td>") + WithDecimalMark(field, mark).toHtmlEscaped() +
                    QStringLiteral("</td>");
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table></body></html>\n");
    return html;
}

std::vector<ReportItem> BuildReport(CalculationWindow& window, const ReportHeadings& headings,
                                    const QDate& date) {
    const Session& session = window.GetSession();
    std::vector<ReportItem> items;
    auto add = [&](ReportBand band, int left, int top, ReportAlign align, int size,
                   const QString& text) {
        items.push_back({band, left, top, align, size, text});
    };
    using B = ReportBand;
    using A = ReportAlign;

    AddReportHeading(items,
                     window.InputRows.empty()
                         ? QString()
                         : CalculationTypeTextsOf(window.CalculationType()).caption,
                     headings, date);

    add(B::Data, 16, 24, A::Left, 11, QStringLiteral("Dane"));
    int k = 0;
    for (const auto& row : window.InputRows) {
        const int top = 60 + 25 * k;
        if (row->ParaLineEditAvailable()) {
            add(B::Data, 20, top, A::Left, 14, row->ParaLineLabelText());
            add(B::Data, 500, top, A::Right, 14, row->ParaLineEditText());
            if (row->ParaLineUnitAvailable())
                add(B::Data, 520, top, A::Left, 14, row->UnitText());
            if (row->ParaLineMediumAvailable())
                add(B::Data, 600, top + 2, A::Left, 12, u'(' + row->MediumText() + u')');
            if (row->ParaLineFlowRateAvailable())
                add(B::Data, 520, top, A::Left, 14, row->FlowRateText());
        } else if (row->ParaLineMaterialAvailable()) {
            add(B::Data, 20, top, A::Left, 14, row->ParaLineLabelText());
            if (row->MaterialText() == UserCoefficientMaterialName) {
                add(B::Data, 500, top, A::Right, 14,
                    row->MaterialText() + u' ' +
                        FormatFloat(QStringLiteral("#0.00"), session.Remembered.UserLambda));
                add(B::Data, 520, top, A::Left, 14, QStringLiteral("W/m K"));
            } else {
                add(B::Data, 500, top, A::Right, 14, row->MaterialText());
            }
        }
        ++k;
    }
    const auto& claddings = session.Catalogue.CladdingNames;
    const int cladding = session.CalculatorCladdingIndex;
    if (session.CoeffFromCalculator && cladding >= 0 && cladding < claddings.size()) {
        add(B::Data, 20, 60 + 25 * k, A::Left, 14, QStringLiteral("rodzaj pokrycia"));
        add(B::Data, 500, 60 + 25 * k, A::Right, 14, claddings[cladding]);
    }

    add(B::Data, 16, 370, A::Left, 11, QStringLiteral("Wyniki"));
    k = 0;
    int lastTop = 370;
    for (const auto& row : window.ResultRows) {
        const int top = 406 + 25 * k;
        lastTop = std::max(lastTop, top);
        add(B::Data, 20, top, A::Left, 14, row->ParaLineLabelText());
        if (window.TypeInfo().HasFreezingSeries() && row->AlternativesAvailable()) {
            // The freezing series: one line per thickness, the first beside the label.
            const QStringList entries = row->Alternatives();
            for (int e = 0; e < entries.size(); ++e) {
                lastTop = 406 + 25 * (k + e);
                add(B::Data, 500, lastTop, A::Right, 14, entries[e]);
                add(B::Data, 520, lastTop, A::Left, 14, row->UnitText());
            }
            k += std::max<int>(1, int(entries.size()));
            continue;
        }
        if (row->ParaLineEditAvailable())
            add(B::Data, 500, top, A::Right, 14, row->ParaLineEditText());
        if (row->ParaLineUnitAvailable() && !row->AlternativesAvailable())
            add(B::Data, 520, top, A::Left, 14, row->UnitText());
        ++k;
    }

    // A long result list would run into the remarks and the contact: they follow its last line
    // instead, a little closer together, so the page still holds them.
    const bool moved = lastTop + 25 > 560;
    AddReportFoot(items, moved ? lastTop + 30 : 560, moved, headings,
                  session.Catalogue.SalesAdress);
    return items;
}

void AddReportHeading(std::vector<ReportItem>& items, const QString& caption,
                      const ReportHeadings& headings, const QDate& date) {
    auto add = [&](ReportBand band, int left, int top, ReportAlign align, int size,
                   const QString& text) {
        items.push_back({band, left, top, align, size, text});
    };
    using B = ReportBand;
    using A = ReportAlign;
    // Centred in the space left of the logo.
    items.push_back({B::Heading, 106, 16, A::Center, 24,
                     QStringLiteral("Kelvara - Wersja ") + QLatin1String(version::Title), false,
                     374, 0});
    add(B::Heading, 8, 80, A::Left, 12,
        QStringLiteral("Program do obliczen chlodniczych i cieplnych"));
    add(B::Heading, 8, 120, A::Left, 12, QStringLiteral("W oparciu o przepisy ISO 12241:1998"));
    items.push_back({B::Heading, 480, 40, A::Left, 0, QString(), true, 226, 91});

    add(B::Customer, 8, 24, A::Left, 12, caption);
    add(B::Customer, 664, 24, A::Right, 12, date.toString(QStringLiteral("dd.MM.yyyy")));
    add(B::Customer, 8, 64, A::Left, 12, QStringLiteral("Projekt"));
    add(B::Customer, 104, 64, A::Left, 12, headings.project);
    add(B::Customer, 8, 96, A::Left, 12, QStringLiteral("Firma"));
    add(B::Customer, 104, 96, A::Left, 12, headings.company);
}

void AddReportFoot(std::vector<ReportItem>& items, int top, bool close,
                   const ReportHeadings& headings, const QString& salesAddress) {
    const int remarks = top + (close ? 22 : 30);
    const int contact = top + (close ? 50 : 80);
    const int address = top + (close ? 68 : 102);
    using B = ReportBand;
    using A = ReportAlign;
    items.push_back({B::Data, 16, top, A::Left, 11, QStringLiteral("komentarz")});
    items.push_back({B::Data, 20, remarks, A::Left, 11, headings.remarks});
    items.push_back({B::Data, 16, contact, A::Left, 11, QStringLiteral("kontakt")});
    items.push_back(
        {B::Data, 20, address, A::Left, 11, ExpandLineBreaks(salesAddress), false, 669, 51});
}

int DataBandHeightOf(const std::vector<ReportItem>& items) {
    int height = DataBandHeight;
    for (const ReportItem& item : items)
        if (item.band == ReportBand::Data)
            height = std::max(height, item.top + std::max(item.height, 25) + 15);
    return height;
}

} // namespace kelvara
