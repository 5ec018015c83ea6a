// Writes what a copy of a two-calculation pipe heat-loss window puts on the clipboard: the
// spreadsheet table (numbers with the decimal mark of the user's locale) and the plain text.
//   ClipboardTableFixture TABLE.html TEXT.txt [--point]
// --point writes the table with "." whatever the locale, as a table unaware of it would.
#include "RecordingPrompts.h"
#include "TestCatalogue.h"
#include "output/ResultOutput.h"
#include "workspace/CalculationWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

using namespace kelvara;

namespace {

bool WriteUtf8(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: %s TABLE.html TEXT.txt [--point]\n", argv[0]);
        return 2;
    }
    Session session = test::SessionWithSmallCatalogue(2);
    test::RecordingPrompts prompts;
    CalculationWindow window(session, prompts);
    window.TntFormShow();
    window.Input(5).ChooseMaterial(0);
    for (const char* thickness : {"20", "13"}) {
        window.Input(3).SetParaLineEditText(QString::fromLatin1(thickness));
        if (!window.Button1Click()) {
            std::fprintf(stderr, "the calculation was refused\n");
            return 1;
        }
    }
    const QString text =
        CopyResultLog(window, {QStringLiteral("Hala 3.5"), QStringLiteral("Zakład Północ"),
                               QStringLiteral("<izolacja> & \"żółć\"")});
    const QLocale locale =
        args.size() > 3 && args[3] == QLatin1String("--point") ? QLocale::c() : QLocale::system();
    if (!WriteUtf8(args[1], ResultLogHtml(window.ResultLog, locale)) || !WriteUtf8(args[2], text)) {
        std::fprintf(stderr, "cannot write the output files\n");
        return 1;
    }
    return 0;
}
