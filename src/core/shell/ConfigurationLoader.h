#pragma once

#include <QString>
#include <QStringList>

namespace kelvara {

struct Session;
class Prompts;

inline const QString ConfigurationFileName = QStringLiteral("Kelvara.ini");

// Reads the configuration file into the session's catalogues. Never throws: a failure ends
// the loading where it happened, keeps what was read before it and is reported once
// through prompts. installedFonts is the list of font families the system offers.
void LoadConfiguration(Session& session, Prompts& prompts, const QString& iniPath,
                       const QString& executableDir, const QStringList& installedFonts);

} // namespace kelvara
