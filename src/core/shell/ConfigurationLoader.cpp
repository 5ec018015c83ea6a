#include "ConfigurationLoader.h"

#include "AppError.h"
#include "Messages.h"
#include "NumberText.h"
#include "Prompts.h"
#include "Session.h"
#include "TntIniFile.h"

#include <array>

namespace kelvara {

namespace {

// Splits "name;n1;n2;...;nk[;anything]" into the name and k numbers. Every number but the
// last must be followed by ";"; a missing one reads as the empty text and fails.
template <std::size_t Count> class Entry {
public:
    explicit Entry(const QString& value) {
        const qsizetype semicolon = value.indexOf(u';');
        name_ = semicolon < 0 ? QString() : value.left(semicolon);
        rest_ = semicolon < 0 ? QString() : value.mid(semicolon + 1);
    }
    const QString& Name() const { return name_; }

    // Converts the numbers; throws on the first bad one.
    std::array<float, Count> Numbers() const {
        std::array<float, Count> numbers{};
        QString rest = rest_;
        for (std::size_t i = 0; i < Count; ++i) {
            const qsizetype semicolon = rest.indexOf(u';');
            QString text;
            if (semicolon >= 0) {
                text = rest.left(semicolon);
                rest = rest.mid(semicolon + 1);
            } else {
                text = i + 1 == Count ? rest : QString();
                rest.clear();
            }
            numbers[i] = TextToStoredFloat(text);
        }
        return numbers;
    }

private:
    QString name_;
    QString rest_;
};

// Reads Prefix1, Prefix2, ... (or from 0) until a key is missing or empty.
template <typename Handler>
void ReadNumberedKeys(const TTntIniFile& ini, const QString& section, const QString& prefix,
                      int first, Handler handle) {
    for (int n = first;; ++n) {
        const QString value = ini.ReadString(section, prefix + QString::number(n), QString());
        if (value.isEmpty())
            return;
        handle(value);
    }
}

void Load(Catalogues& cat, const QString& iniPath, const QString& executableDir,
          const QStringList& installedFonts) {
    cat.MaterialRecords.clear();
    const TTntIniFile ini(iniPath);
    cat.MaterialNames.clear();

    ReadNumberedKeys(ini, QStringLiteral("Material"), QStringLiteral("Mat"), 1,
                     [&](const QString& value) {
                         const Entry<4> entry(value);
                         cat.MaterialNames.append(entry.Name());
                         const auto n = entry.Numbers();
                         cat.MaterialRecords.push_back({n[0], n[1], n[2], n[3]});
                     });
    cat.MaterialNames.append(UserCoefficientMaterialName);
    cat.MaterialRecords.push_back({UserCoefficientLambda0, -99.0f, -200.0f, 200.0f});

    cat.CladdingNames = {QStringLiteral("brak")};
    cat.CladdingEmissivities.clear();
    ReadNumberedKeys(ini, QStringLiteral("Cladding"), QStringLiteral("Clad"), 1,
                     [&](const QString& value) {
                         const Entry<1> entry(value);
                         cat.CladdingNames.append(entry.Name());
                         const float emissivity = entry.Numbers()[0];
                         if (entry.Name() == QLatin1String("Fe"))
                             cat.FeEmissivity = emissivity;
                         cat.CladdingEmissivities.push_back(emissivity);
                     });
    if (cat.FeEmissivity == 0.0f)
        cat.FeEmissivity = 0.7f;
    cat.CladdingEmissivities.insert(cat.CladdingEmissivities.begin(), 0.93f);

    const QString preferredFont = QStringLiteral("Arial Unicode MS");
    cat.FontName = installedFonts.contains(preferredFont)
                       ? preferredFont
                       : ini.ReadString(QStringLiteral("Global"), QStringLiteral("FontName"),
                                        QStringLiteral("Arial"));
    bool ok = false;
    const int charSet =
        ini.ReadString(QStringLiteral("Global"), QStringLiteral("CurrCharSet"), QStringLiteral("0"))
            .toInt(&ok);
    cat.CurrCharSet = ok ? charSet : 0;
    cat.SalesAdress = ini.ReadString(QStringLiteral("Global"), QStringLiteral("SalesAdress"), {});

    cat.MediumNames.clear();
    cat.MediumRecords.clear();
    ReadNumberedKeys(ini, QStringLiteral("MediumType"), QStringLiteral("Med"), 1,
                     [&](const QString& value) {
                         const Entry<4> entry(value);
                         cat.MediumNames.append(entry.Name());
                         const auto n = entry.Numbers();
                         cat.MediumRecords.push_back({n[0], n[1], n[2], n[3]});
                     });

    cat.ShowSurfaceTemp =
        ini.ReadString(QStringLiteral("Global"), QStringLiteral("ShowSurfaceTemp"),
                       QStringLiteral("0")) == QLatin1String("1");

    cat.HelpFileList.clear();
    const QString helpDir = executableDir + u'/' +
                            ini.ReadString(QStringLiteral("Global"), QStringLiteral("HelpFileDir"),
                                           QStringLiteral("HELP")) +
                            u'/';
    ReadNumberedKeys(ini, QStringLiteral("HelpFiles"), QStringLiteral("Help"), 0,
                     [&](const QString& value) { cat.HelpFileList.append(helpDir + value); });

    // Read last, so that a user's slip in this newer section costs nothing read before it.
    cat.RegulationNames.clear();
    cat.RegulationRows.clear();
    ReadNumberedKeys(ini, QStringLiteral("RegulationThickness"), QStringLiteral("Reg"), 1,
                     [&](const QString& value) {
                         const Entry<5> entry(value);
                         cat.RegulationNames.append(entry.Name());
                         const auto n = entry.Numbers();
                         cat.RegulationRows.push_back({n[0], n[1], n[2], n[3], n[4]});
                     });
}

} // namespace

void LoadConfiguration(Session& session, Prompts& prompts, const QString& iniPath,
                       const QString& executableDir, const QStringList& installedFonts) {
    try {
        Load(session.Catalogue, iniPath, executableDir, installedFonts);
    } catch (const AppError& error) {
        prompts.ShowMessage(MessageKind::Error, messages::IniFileError + error.Message());
    } catch (const std::exception& error) {
        prompts.ShowMessage(MessageKind::Error,
                            messages::IniFileError + QString::fromLocal8Bit(error.what()));
    }
}

} // namespace kelvara
