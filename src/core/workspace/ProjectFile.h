#pragma once

// The project file: UTF-8 JSON with the format's name and version, the project's fields and
// the runs' inputs (never results: they are sized again on opening). docs/project-format.md
// describes it.

#include "Project.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace kelvara {

inline const QString ProjectFormatName = QStringLiteral("kelvara-project");
inline constexpr int ProjectFormatVersion = 1;
inline const QString ProjectFileSuffix = QStringLiteral("kelvara");
inline const QString ProjectFileFilter = QStringLiteral("Projekt Kelvara (*.kelvara)");

QByteArray ProjectToJson(const ProjectData& project);
// The project in `json`; nothing, with the reason in `reason`, for a text that is no project.
std::optional<ProjectData> ProjectFromJson(const QByteArray& json, QString& reason);

// Reads a project file; nothing, with a message naming the file and the reason, when it
// cannot be read or is no project.
std::optional<ProjectData> LoadProject(const QString& path, QString& message);
// Writes the file whole or not at all; false, with a message naming the file and the
// system's reason, when it could not (the previous file then stays as it was).
bool SaveProject(const QString& path, const ProjectData& project, QString& message);

} // namespace kelvara
