#include "ToleranceTable.h"

#include "AppError.h"
#include "FloatingPoint.h"
#include "NumberText.h"
#include "Prompts.h"
#include "Session.h"
#include "TntIniFile.h"
#include "shell/Messages.h"

namespace kelvara {

namespace {

constexpr qsizetype HeadingLines = 10;

// Takes the text before the next ";" off the front of rest; without one, the empty text.
QString TakeField(QString& rest) {
    const qsizetype semicolon = rest.indexOf(u';');
    if (semicolon < 0)
        return {};
    const QString field = rest.left(semicolon);
    rest.remove(0, semicolon + 1);
    return field;
}

void ParseLine(const QString& text, TToleranceLine& line) {
    QString rest = text;
    line.DiameterFrom = fp::Store(TextToFloat(TakeField(rest)));
    line.DiameterTo = fp::Store(TextToFloat(TakeField(rest)));
    line.ThicknessFrom = fp::Store(TextToFloat(TakeField(rest)));
    line.ThicknessTo = fp::Store(TextToFloat(TakeField(rest)));
    const qsizetype semicolon = rest.indexOf(u';');
    line.SizeText = semicolon < 0 ? rest : rest.left(semicolon);
}

} // namespace

std::shared_ptr<const TToleranceTable> LoadToleranceTable(const QString& fileName,
                                                          Prompts& prompts) {
    std::shared_ptr<TToleranceTable> table;
    try {
        const QStringList lines = TTntIniFile::LoadLines(fileName);
        table = std::make_shared<TToleranceTable>();
        for (qsizetype i = HeadingLines; i < lines.size(); ++i) {
            if (lines[i].isEmpty())
                continue;
            // The line joins the table before it is parsed, so a failing line keeps what it got.
            table->emplace_back();
            ParseLine(lines[i], table->back());
        }
    } catch (const AppError& error) {
        prompts.ShowMessage(MessageKind::Error, messages::ToleranceError + error.Message());
    }
    return table;
}

void LoadPipeToleranceTable(Session& session, Prompts& prompts, const QString& dataDir) {
    session.PipeToleranceTable =
        LoadToleranceTable(dataDir + u'/' + PipeToleranceFileName, prompts);
}

void LoadSheetToleranceTable(Session& session, Prompts& prompts, const QString& dataDir) {
    session.SheetToleranceTable =
        LoadToleranceTable(dataDir + u'/' + SheetToleranceFileName, prompts);
}

} // namespace kelvara
