#include "BatchRunner.h"
#include "ProjectCommand.h"
#include "shell/DataLocation.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

void Write(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

QString Usage() {
    return QStringLiteral(
               "Usage: kelvara-cli [--data-dir DIR] [--header] [--decimal-comma] TYPE < cases.tsv\n"
               "       kelvara-cli [--data-dir DIR] [--decimal-comma] project FILE [--xlsx OUT]\n"
               "       kelvara-cli [--data-dir DIR] project --new FILE < runs.tsv\n"
               "\n"
               "Runs one Kelvara calculation per input line and prints its result-log line.\n"
               "Fields are the input rows of the type, TAB-separated, written as the result log\n"
               "writes them (material \"name\" or \"wspólczynnik k 0.0400\", flow \"1[m/s]\"); a\n"
               "whole copied result line (inputs and results) is accepted too. A refused case\n"
               "prints \"! \" and the message; other messages go to standard error.\n"
               "pipe-sizing takes a list field by its text or its position (1 for the first)\n"
               "and leaves a limit with an empty field unused.\n"
               "\n"
               "project FILE sizes every run of a project file (.kelvara) and prints one line\n"
               "per run: its mark, then what pipe-sizing prints for its fields; then \"Suma\"\n"
               "with the totals, one line per material and size of the bill of materials and\n"
               "one per run no size fits. --xlsx OUT also writes the spreadsheet file.\n"
               "project --new FILE makes a project from lines of a mark and the fifteen\n"
               "pipe-sizing fields; it never overwrites a file.\n"
               "\n"
               "  --data-dir DIR  read Kelvara.ini from DIR (default: the program's folder, else\n"
               "                  ../share/kelvara beside it)\n"
               "  --header        print the caption and the column labels first\n"
               "  --decimal-comma write the numbers of the result lines with \",\" (for a\n"
               "                  spreadsheet that reads a decimal comma); input takes both\n"
               "\n"
               "Exit status: 0 all cases calculated, 1 a case refused or failed, 2 usage,\n"
               "input-shape or configuration error.\n"
               "\n"
               "TYPE:\n") +
           kelvara::CalculationTypeNames();
}

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Lines end in LF as on Linux, so the output is the same bytes on every platform; input
    // lines may end in CR LF either way (the reader drops the CR).
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    QCoreApplication app(argc, argv);
    kelvara::BatchOptions options;
    options.dataDir = kelvara::FindDataDir(QCoreApplication::applicationDirPath());
    const QStringList args = QCoreApplication::arguments().mid(1);
    QString type;
    kelvara::ProjectOptions project;
    bool isProject = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            Write(stdout, Usage().toStdString());
            return kelvara::BatchOk;
        }
        if (arg == QLatin1String("--header")) {
            options.header = true;
        } else if (arg == QLatin1String("--decimal-comma")) {
            options.decimalComma = true;
        } else if (arg == QLatin1String("--data-dir") && i + 1 < args.size()) {
            options.dataDir = args[++i];
        } else if (type.isEmpty() && arg == QLatin1String("project")) {
            type = arg;
            isProject = true;
        } else if (isProject && arg == QLatin1String("--new")) {
            project.create = true;
        } else if (isProject && arg == QLatin1String("--xlsx") && i + 1 < args.size()) {
            project.xlsx = args[++i];
        } else if (isProject && project.file.isEmpty() && !arg.startsWith(u'-')) {
            project.file = arg;
        } else if (type.isEmpty() && !arg.startsWith(u'-')) {
            type = arg;
        } else {
            Write(
                stderr,
                QStringLiteral("kelvara-cli: unexpected argument '%1'\n\n").arg(arg).toStdString());
            Write(stderr, Usage().toStdString());
            return kelvara::BatchUsageError;
        }
    }
    if (isProject) {
        if (project.file.isEmpty() || (project.create && !project.xlsx.isEmpty())) {
            Write(stderr,
                  "kelvara-cli: project needs one FILE (and --xlsx only without --new)\n\n");
            Write(stderr, Usage().toStdString());
            return kelvara::BatchUsageError;
        }
        QByteArray input;
        if (project.create) {
            QFile in;
            if (!in.open(stdin, QIODevice::ReadOnly)) {
                Write(stderr, "kelvara-cli: cannot read standard input\n");
                return kelvara::BatchUsageError;
            }
            input = in.readAll();
        }
        std::string out, err;
        const int code = kelvara::RunProject(options, project, input, out, err);
        Write(stdout, out);
        Write(stderr, err);
        return code;
    }
    options.calculationType = kelvara::ParseCalculationType(type);
    if (options.calculationType < 0) {
        Write(stderr,
              (type.isEmpty()
                   ? QStringLiteral("kelvara-cli: no calculation type given\n\n")
                   : QStringLiteral("kelvara-cli: unknown calculation type '%1'\n\n").arg(type))
                  .toStdString());
        Write(stderr, Usage().toStdString());
        return kelvara::BatchUsageError;
    }
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) {
        Write(stderr, "kelvara-cli: cannot read standard input\n");
        return kelvara::BatchUsageError;
    }
    std::string out, err;
    const int code = kelvara::RunBatch(options, in.readAll(), out, err);
    Write(stdout, out);
    Write(stderr, err);
    return code;
}
