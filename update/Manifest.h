#pragma once

#include "update/Artifact.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QLatin1StringView>
#include <QString>

namespace TandUpdate {

// The channel's "latest.json": the newest build of each platform.
struct Manifest
{
    int schema = 0;
    QString app;
    QString channel;
    // Keyed by platform key ("linux-x64", "windows-x64").
    QHash<QString, Artifact> artifacts;

    bool isValid() const;
};

// The manifest as far as it could be read. The first failure's text goes to
// `error` (which must be empty on entry) and is never overwritten; the
// manifest is usable only when it isValid() and no error was reported. The
// texts are plain English for the log, not for translation.
Manifest parseManifest(const QByteArray& json, QString* error);

// One entry of "artifacts"; an entry that breaks a rule names `platformKey`
// in its error.
Artifact parseArtifact(const QJsonObject& entry, const QString& platformKey, QString* error);

// The text of a string member; otherwise empty, with
// "missing or non-string field: <key>" in `error` when it is given and still empty.
QString requiredString(const QJsonObject& object, QLatin1StringView key, QString* error);

} // namespace TandUpdate
