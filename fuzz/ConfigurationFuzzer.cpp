// Any bytes as the configuration file: the loader reports what it cannot read and keeps the
// rest; every calculation then runs on whatever catalogue came out.
#include "FuzzSupport.h"
#include "shell/ConfigurationLoader.h"
#include "shell/Session.h"
#include "shell/TntIniFile.h"
#include "workspace/CalculationTypes.h"
#include "workspace/CalculationWindow.h"
#include "workspace/Calculations.h"

using namespace kelvara;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzz::WriteScratchFile(ConfigurationFileName, data, size);

    // The reader alone, over the same bytes.
    const TTntIniFile ini = TTntIniFile::FromBytes(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    (void)ini.ReadString(QStringLiteral("Material"), QStringLiteral("Count"), QString());

    Session session;
    fuzz::QuietPrompts prompts;
    LoadConfiguration(session, prompts, path, QFileInfo(path).absolutePath(),
                      {QStringLiteral("DejaVu Sans")});
    if (prompts.messages.size() > 1)
        fuzz::Fail("more than one loading message", prompts.Texts().join(u'|'));

    // One calculation over the loaded catalogue, its type and material taken from the input.
    session.CalculationType = CalculationTypeFromNumber(int(size % CalculationTypeCount));
    CalculationWindow window(session, prompts);
    window.TntFormShow();
    const int materialRow = window.TypeInfo().materialRow;
    if (materialRow >= 0 && !session.Catalogue.MaterialNames.isEmpty())
        window.Input(materialRow)
            .ChooseMaterial(int(size % std::size_t(session.Catalogue.MaterialNames.size())));
    window.Button1Click();
    for (const auto& row : window.ResultRows)
        if (fuzz::ShowsNonFinite(row->ParaLineEditText()))
            fuzz::Fail("result row", row->ParaLineEditText());
    return 0;
}
