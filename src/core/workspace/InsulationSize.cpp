#include "InsulationSize.h"

#include "engine/InsulationSize.h"
#include "shell/Messages.h"
#include "shell/Prompts.h"

namespace kelvara {

namespace {

QString SizeText(const SizeMatch& match, Prompts& prompts, const QString& absent) {
    if (match.tableMissing) {
        prompts.ShowMessage(MessageKind::Error, messages::ToleranceNotReadable + absent);
        return QStringLiteral("Error!");
    }
    if (!match.line || match.line->SizeText.isEmpty())
        return QStringLiteral("patrz Pomoc");
    return match.line->SizeText;
}

} // namespace

QString PipeInsulationSize(const Session& session, Prompts& prompts, float pipeDiameter,
                           float thickness) {
    return SizeText(PipeSizeLine(session, pipeDiameter, thickness), prompts,
                    messages::PipesTableNotOpen);
}

QString SheetInsulationSize(const Session& session, Prompts& prompts, float thickness) {
    return SizeText(SheetSizeLine(session, thickness), prompts, messages::SheetsTableNotOpen);
}

} // namespace kelvara
