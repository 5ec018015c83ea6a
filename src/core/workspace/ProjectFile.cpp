#include "ProjectFile.h"

#include "shell/Messages.h"
#include "shell/NumberText.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace kelvara {

namespace {

// The keys of the inputs, in the sizing window's row order.
const std::array<const char*, RunInputCount> InputKeys = {
    "ambientTemp",    "mediumTemp",   "relativeHumidity", "outerDiameter",  "innerDiameter",
    "material",       "surfaceCoeff", "pipeCase",         "maxSurfaceTemp", "maxHeatLoss",
    "dewPointMargin", "length",       "operatingHours",   "energyCost",     "co2Factor"};

QJsonObject InputsObject(const RunInputs& inputs) {
    QJsonObject object;
    for (int i = 0; i < RunInputCount; ++i)
        object.insert(QLatin1String(InputKeys[std::size_t(i)]), inputs[std::size_t(i)]);
    return object;
}

// Inputs from a JSON object: every key a string (a number is taken as its text); a missing
// key is left empty.
bool ReadInputs(const QJsonValue& value, RunInputs& inputs, QString& reason, const QString& where) {
    if (!value.isObject()) {
        reason = messages::ProjectBadField.arg(where);
        return false;
    }
    const QJsonObject object = value.toObject();
    for (int i = 0; i < RunInputCount; ++i) {
        const QString key = QLatin1String(InputKeys[std::size_t(i)]);
        const QJsonValue field = object.value(key);
        if (field.isUndefined() || field.isNull())
            continue;
        if (field.isString()) {
            inputs[std::size_t(i)] = field.toString();
        } else if (field.isDouble() && std::isfinite(field.toDouble())) {
            inputs[std::size_t(i)] = QString::number(field.toDouble(), 'g', 17);
        } else {
            reason = messages::ProjectBadField.arg(where + u'.' + key);
            return false;
        }
    }
    return true;
}

bool ReadText(const QJsonObject& object, const char* key, QString& into, QString& reason) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined() || value.isNull())
        return true;
    if (!value.isString()) {
        reason = messages::ProjectBadField.arg(QLatin1String(key));
        return false;
    }
    into = value.toString();
    return true;
}

// A JSON parse that stops at the end of the text was cut short.
bool CutShort(const QByteArray& json, const QJsonParseError& error) {
    if (json.trimmed().isEmpty())
        return true;
    switch (error.error) {
    case QJsonParseError::UnterminatedObject:
    case QJsonParseError::UnterminatedArray:
    case QJsonParseError::UnterminatedString:
    case QJsonParseError::IllegalEscapeSequence:
        return true;
    default:
        return error.offset >= json.trimmed().size();
    }
}

} // namespace

QByteArray ProjectToJson(const ProjectData& project) {
    QJsonObject root;
    root.insert(QStringLiteral("format"), ProjectFormatName);
    root.insert(QStringLiteral("version"), ProjectFormatVersion);
    root.insert(QStringLiteral("name"), project.name);
    root.insert(QStringLiteral("company"), project.company);
    root.insert(QStringLiteral("remarks"), project.remarks);
    root.insert(QStringLiteral("allowancePercent"), project.allowance);
    root.insert(QStringLiteral("defaults"), InputsObject(project.defaults));
    QJsonArray runs;
    for (const ProjectRun& run : project.runs) {
        QJsonObject object = InputsObject(run.inputs);
        object.insert(QStringLiteral("mark"), run.mark);
        runs.append(object);
    }
    root.insert(QStringLiteral("runs"), runs);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<ProjectData> ProjectFromJson(const QByteArray& json, QString& reason) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        reason = CutShort(json, error) ? messages::ProjectCutShort
                                       : messages::ProjectNotJson.arg(error.errorString());
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (!document.isObject() ||
        root.value(QStringLiteral("format")).toString() != ProjectFormatName) {
        reason = messages::ProjectNotProject;
        return std::nullopt;
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    const double number = version.toDouble(-1);
    if (!version.isDouble() || number < 1 || number != std::floor(number)) {
        reason = messages::ProjectBadField.arg(QStringLiteral("version"));
        return std::nullopt;
    }
    if (number > ProjectFormatVersion) {
        reason = messages::ProjectNewerVersion.arg(qint64(std::min(number, 1e15)))
                     .arg(ProjectFormatVersion);
        return std::nullopt;
    }
    ProjectData project;
    if (!ReadText(root, "name", project.name, reason) ||
        !ReadText(root, "company", project.company, reason) ||
        !ReadText(root, "remarks", project.remarks, reason))
        return std::nullopt;
    const QJsonValue allowance = root.value(QStringLiteral("allowancePercent"));
    if (!allowance.isUndefined()) {
        const double percent = allowance.toDouble(-1);
        if (!allowance.isDouble() || !(percent >= 0 && percent <= 1000)) {
            reason = messages::ProjectBadField.arg(QStringLiteral("allowancePercent"));
            return std::nullopt;
        }
        project.allowance = percent;
    }
    const QJsonValue defaults = root.value(QStringLiteral("defaults"));
    if (!defaults.isUndefined() &&
        !ReadInputs(defaults, project.defaults, reason, QStringLiteral("defaults")))
        return std::nullopt;
    const QJsonValue runs = root.value(QStringLiteral("runs"));
    if (!runs.isArray()) {
        reason = messages::ProjectBadField.arg(QStringLiteral("runs"));
        return std::nullopt;
    }
    const QJsonArray list = runs.toArray();
    project.runs.reserve(std::size_t(list.size()));
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString where = QStringLiteral("runs[%1]").arg(i);
        ProjectRun run;
        if (!ReadInputs(list[i], run.inputs, reason, where))
            return std::nullopt;
        if (!ReadText(list[i].toObject(), "mark", run.mark, reason)) {
            reason = messages::ProjectBadField.arg(where + QStringLiteral(".mark"));
            return std::nullopt;
        }
        project.runs.push_back(std::move(run));
    }
    return project;
}

std::optional<ProjectData> LoadProject(const QString& path, QString& message) {
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::ReadOnly)) {
        message = messages::ProjectNotOpened.arg(name, file.errorString());
        return std::nullopt;
    }
    QString reason;
    std::optional<ProjectData> project = ProjectFromJson(file.readAll(), reason);
    if (!project)
        message = messages::ProjectNotOpened.arg(name, reason);
    return project;
}

bool SaveProject(const QString& path, const ProjectData& project, QString& message) {
    QSaveFile file(path);
    const QString name = QFileInfo(path).fileName();
    const QByteArray json = ProjectToJson(project);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        // A write that fails in the buffer's flush leaves Qt without the system's reason.
        const int error = errno;
        QString reason = file.errorString();
        if ((reason.isEmpty() || reason == QStringLiteral("Unknown error")) && error != 0)
            reason = QString::fromLocal8Bit(std::strerror(error));
        message = messages::ProjectNotSaved.arg(name, reason);
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace kelvara
