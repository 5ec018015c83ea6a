// Renders the main window, each calculation window after a calculation, and the dialogs to
// PNG files, offscreen. Run by scripts/screenshots.sh.
#include "dialogs/TInsideOutside.h"
#include "dialogs/TThermal_Cond.h"
#include "output/ProjectPrint.h"
#include "output/TPrintDecision.h"
#include "output/Tf_Print.h"
#include "shell/GuiPrompts.h"
#include "shell/Session.h"
#include "shell/Tfrm_Main.h"
#include "windows/TF_Help.h"
#include "windows/TSplash.h"
#include "workspace/CoefficientCalculator.h"
#include "workspace/ProjectModel.h"
#include "workspace/TPipeForm.h"
#include "workspace/TPipeSizingForm.h"
#include "workspace/TProjectForm.h"

#include <QApplication>
#include <QDir>
#include <QTableView>
#include <QTimer>

using namespace kelvara;

namespace {

// Typical inputs per type, in row order; the material row takes an index, "" leaves a row.
const std::vector<std::vector<QString>> Cases = {
    {"25", "-5", "21.3", "0", "9", "80"},
    {"25", "-5", "21.3", "20", "0", "9"},
    {"20", "70", "33.7", "30", "10", "3", "9", "0.45"},
    {"20", "80", "", "", "1", "50", "20", "100", "3", "9"},
    {"-10", "5", "", "", "", "", "20", "25.4", "13", "0", "9"},
    {"25", "-5", "0", "9", "80"},
    {"20", "80", "40", "2", "3", "9", "0.45"},
    {"20", "-10", "19", "0", "9"},
};

// A building's pipe runs: heating supply and return, hot and cold water, chilled water, in the
// usual steel pipe sizes.
ProjectData SampleProject(const Session& session) {
    ProjectData project;
    project.name = QStringLiteral("Budynek biurowy B2");
    project.company = QStringLiteral("Instal-Projekt");
    project.remarks = QStringLiteral("izolacja instalacji w piwnicy i szachtach");
    project.defaults = DefaultRunInputs(session);
    const QStringList materials = RunChoices(session, SizingMaterial);
    const QStringList cases = RunChoices(session, SizingCase);
    const struct {
        const char* mark;
        const char* ambient;
        const char* medium;
        const char* humidity;
        int material;
    } systems[] = {{"CO-zas", "20", "70", "50", 3},
                   {"CO-pow", "20", "50", "50", 3},
                   {"CWU", "20", "55", "50", 0},
                   {"ZW", "25", "10", "65", 0},
                   {"WL-zas", "25", "7", "60", 1}};
    const struct {
        const char* outer;
        const char* inner;
    } pipes[] = {{"21.3", "16.1"}, {"26.9", "21.7"}, {"33.7", "27.3"}, {"42.4", "36"},
                 {"48.3", "41.9"}, {"60.3", "54.5"}, {"76.1", "70.3"}, {"114.3", "107.1"}};
    for (int k = 0; k < 40; ++k) {
        const auto& system = systems[k % 5];
        const auto& pipe = pipes[(k / 5 + k) % 8];
        ProjectRun run;
        run.mark = QStringLiteral("%1-%2")
                       .arg(QLatin1String(system.mark))
                       .arg(k / 5 + 1, 2, 10, QLatin1Char('0'));
        run.inputs = project.defaults;
        run.inputs[SizingAmbient] = QLatin1String(system.ambient);
        run.inputs[SizingMedium] = QLatin1String(system.medium);
        run.inputs[SizingHumidity] = QLatin1String(system.humidity);
        run.inputs[SizingOuterDiameter] = QLatin1String(pipe.outer);
        run.inputs[SizingInnerDiameter] = QLatin1String(pipe.inner);
        run.inputs[SizingMaterial] = materials.value(system.material);
        const double inner = QString::fromLatin1(pipe.inner).toDouble();
        const int regulation = system.mark[0] == 'W' ? 9
                               : inner <= 22         ? 0
                               : inner <= 35         ? 1
                               : inner <= 100        ? 2
                                                     : 3;
        run.inputs[SizingCase] = cases.value(regulation);
        run.inputs[SizingLength] = QString::number(6 + (k * 7) % 30);
        const bool cold = QString::fromLatin1(system.medium).toInt() < 20;
        run.inputs[SizingHours] = cold ? QStringLiteral("2000") : QStringLiteral("5000");
        // A cold pipe is sized against condensation, not for a surface temperature limit.
        if (cold)
            run.inputs[SizingMaxSurface].clear();
        project.runs.push_back(run);
    }
    return project;
}

void Save(QWidget& widget, const QString& dir, const QString& name) {
    widget.grab().save(dir + u'/' + name + QStringLiteral(".png"));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    Session session;
    GuiPrompts prompts;
    Tfrm_Main main(session, prompts, QCoreApplication::applicationDirPath());
    main.SplashMilliseconds = 0;
    main.show();
    Save(main, out, QStringLiteral("main"));

    for (int type = 0; type < 8; ++type) {
        session.CalculationType = CalculationTypeFromNumber(type);
        TPipeForm form(session, prompts, prompts.HelpWindow(), prompts.PrintDecision());
        form.show();
        CalculationWindow& model = form.Model();
        const auto& values = Cases[std::size_t(type)];
        for (int i = 0; i < int(values.size()); ++i) {
            if (values[std::size_t(i)].isEmpty())
                continue;
            TParaLine& row = model.Input(i);
            if (row.ParaLineMaterialAvailable())
                row.ChooseMaterial(values[std::size_t(i)].toInt());
            else
                row.SetParaLineEditText(values[std::size_t(i)]);
        }
        form.Button1Click();
        Save(form, out, QStringLiteral("calculation-%1").arg(type));
        if (type == 4) {
            Tf_Print report(model,
                            {QStringLiteral("Chlodnia Hala B"), QStringLiteral("Kelvara"),
                             QStringLiteral("zima")},
                            QCoreApplication::applicationDirPath());
            report.SavePdf(out + QStringLiteral("/report-4.pdf"));
        }
        if (type == 2) {
            CoefficientCalculator calculator(model);
            TInsideOutside window(calculator, prompts.HelpWindow(), session.Catalogue.FontName);
            window.show();
            calculator.TntRadioButton2Click();
            window.hide();
            window.show();
            Save(window, out, QStringLiteral("h-calculator"));
        }
        form.close();
    }
    {
        // A hot pipe through a wall, with a surface-temperature limit.
        TPipeSizingForm form(session, prompts, prompts.HelpWindow(), prompts.PrintDecision());
        form.show();
        PipeSizingWindow& model = form.Model();
        const std::vector<QString> values = {"20", "70", "50", "60.3", "54.5", "3",    "9",  "1",
                                             "25", "",   "",   "10",   "5000", "0.45", "0.7"};
        for (int i = 0; i < int(values.size()); ++i) {
            TParaLine& row = model.Input(i);
            if (row.ParaLineMaterialAvailable())
                row.ChooseMaterial(values[std::size_t(i)].toInt());
            else
                row.SetParaLineEditText(values[std::size_t(i)]);
        }
        form.Button1Click();
        Save(form, out, QStringLiteral("sizing"));
        Tf_Print report(model,
                        {QStringLiteral("Kotlownia Hala A"), QStringLiteral("Kelvara"),
                         QStringLiteral("przejscie przez sciane")},
                        QCoreApplication::applicationDirPath());
        report.SavePdf(out + QStringLiteral("/sizing-report.pdf"));
        form.close();
    }
    {
        TProjectForm form(session, prompts, QCoreApplication::applicationDirPath());
        form.ShowProject(SampleProject(session), QStringLiteral("budynek-b2.kelvara"));
        form.resize(1024, 768);
        form.show();
        form.Table()->setCurrentIndex(form.Model().index(3, ProjectModel::FirstInputColumn + 4));
        Save(form, out, QStringLiteral("project"));
        ProjectPrint report(form.Model(), session, QCoreApplication::applicationDirPath(),
                            QDate(2026, 12, 11));
        report.SavePdf(out + QStringLiteral("/project-report.pdf"));
        form.hide();
    }
    TThermal_Cond conductivity(prompts, session.Catalogue.FontName);
    conductivity.show();
    Save(conductivity, out, QStringLiteral("conductivity"));

    TPrintDecision& decision = prompts.PrintDecision();
    decision.show();
    Save(decision, out, QStringLiteral("print-decision"));
    decision.hide();

    TF_Help& help = prompts.HelpWindow();
    help.SetHelpText(QString::fromUtf16(CalculationTypeOf(2).helpText));
    help.show();
    Save(help, out, QStringLiteral("help"));
    help.hide();

    main.button_main_infoClick();
    Save(*main.InfoWindow(), out, QStringLiteral("about"));
    main.InfoWindow()->hide();

    TSplash splash(QCoreApplication::applicationDirPath(), session.Catalogue.FontName, 60000);
    splash.show();
    Save(splash, out, QStringLiteral("splash"));
    return 0;
}
