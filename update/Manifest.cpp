#include "update/Manifest.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringList>

#include <cmath>

namespace TandUpdate {

namespace {

constexpr int kSupportedSchema = 1;
constexpr qsizetype kSha256HexLength = 64;

void setError(QString* error, const QString& text)
{
    if (error && error->isEmpty())
        *error = text;
}

// A JSON number as a byte count, truncated toward zero; -1 when it is no
// number or lies outside what a 64-bit count holds (a cast would overflow).
qint64 readSize(const QJsonValue& value)
{
    if (!value.isDouble())
        return -1;
    const double size = std::trunc(value.toDouble());
    constexpr double kLimit = 9223372036854775808.0; // 2^63
    if (!(size >= -kLimit && size < kLimit))
        return -1;
    return static_cast<qint64>(size);
}

bool isValidArtifact(const Artifact& artifact)
{
    return !artifact.version.isEmpty() && artifact.released_at.isValid() && artifact.url.isValid()
           && artifact.size >= 1 && artifact.sha256.size() == kSha256HexLength;
}

} // namespace

bool Manifest::isValid() const
{
    return schema == kSupportedSchema && !app.isEmpty() && !channel.isEmpty() && !artifacts.isEmpty();
}

QString requiredString(const QJsonObject& object, QLatin1StringView key, QString* error)
{
    const QJsonValue value = object.value(key);
    if (value.isString())
        return value.toString();
    setError(error, QStringLiteral("missing or non-string field: %1").arg(key));
    return {};
}

Artifact parseArtifact(const QJsonObject& entry, const QString& platformKey, QString* error)
{
    QString failure;
    Artifact artifact;
    artifact.version = requiredString(entry, QLatin1StringView("version"), &failure);
    artifact.released_at =
        QDateTime::fromString(requiredString(entry, QLatin1StringView("released_at"), &failure), Qt::ISODate);
    artifact.url = QUrl(requiredString(entry, QLatin1StringView("url"), &failure), QUrl::TolerantMode);
    artifact.size = readSize(entry.value(QLatin1StringView("size")));
    artifact.sha256 = requiredString(entry, QLatin1StringView("sha256"), &failure);
    artifact.mandatory = entry.value(QLatin1StringView("mandatory")).toBool(false);
    artifact.min_upgradable_from = entry.value(QLatin1StringView("min_upgradable_from")).toString();
    const QString notes = entry.value(QLatin1StringView("release_notes_url")).toString();
    if (!notes.isEmpty())
        artifact.release_notes_url = QUrl(notes, QUrl::TolerantMode);

    if (failure.isEmpty() && !isValidArtifact(artifact))
        failure = QStringLiteral("artifact %1 failed validation").arg(platformKey);
    setError(error, failure);
    return artifact;
}

Manifest parseManifest(const QByteArray& json, QString* error)
{
    Manifest manifest;
    QString failure;
    // Every return passes its failure on to the caller's text once.
    const auto fail = [&](const QString& text) {
        setError(error, text);
        return manifest;
    };

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(QStringLiteral("JSON parse error: %1").arg(parseError.errorString()));
    if (!document.isObject())
        return fail(QStringLiteral("manifest root is not a JSON object"));
    const QJsonObject root = document.object();

    const QJsonValue schema = root.value(QLatin1StringView("schema"));
    if (!schema.isDouble())
        return fail(QStringLiteral("missing or non-integer field: schema"));
    manifest.schema = schema.toInt();
    if (manifest.schema != kSupportedSchema)
        return fail(QStringLiteral("unsupported manifest schema: %1 (expected %2)")
                        .arg(manifest.schema)
                        .arg(kSupportedSchema));

    manifest.app = requiredString(root, QLatin1StringView("app"), &failure);
    manifest.channel = requiredString(root, QLatin1StringView("channel"), &failure);
    if (!failure.isEmpty())
        return fail(failure);

    const QJsonValue artifacts = root.value(QLatin1StringView("artifacts"));
    if (!artifacts.isObject())
        return fail(QStringLiteral("missing or non-object field: artifacts"));
    const QJsonObject entries = artifacts.toObject();
    // QJsonObject keeps its keys sorted, so the first bad entry is the same
    // whatever order the server wrote them in.
    for (auto it = entries.constBegin(); it != entries.constEnd(); ++it) {
        if (!it.value().isObject())
            return fail(QStringLiteral("artifact %1 is not an object").arg(it.key()));
        const Artifact artifact = parseArtifact(it.value().toObject(), it.key(), &failure);
        if (!failure.isEmpty())
            return fail(failure);
        manifest.artifacts.insert(it.key(), artifact);
    }

    if (!manifest.isValid())
        return fail(QStringLiteral("manifest failed validation"));
    return manifest;
}

} // namespace TandUpdate
