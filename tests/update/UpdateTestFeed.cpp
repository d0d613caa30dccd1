#include "tests/update/UpdateTestFeed.h"

#include "update/PlatformKey.h"

#include <QJsonDocument>

UpdateTestFeed::UpdateTestFeed(QObject* parent)
    : FakeHttpServer(parent)
{
    if (!listen())
        qFatal("The fake update feed could not listen");
}

QUrl UpdateTestFeed::channelUrl() const
{
    return QUrl(baseUrl().toString() + QStringLiteral("/ledgerine/stable/"));
}

TandUpdate::Config UpdateTestFeed::config(const QString& running) const
{
    return {QStringLiteral("ledgerine"), QStringLiteral("stable"), channelUrl(), running};
}

QString UpdateTestFeed::notesPath(const QString& version, const QString& language)
{
    return QStringLiteral("/ledgerine/%1/release-notes%2.md")
        .arg(version, language.isEmpty() ? QString() : QLatin1Char('.') + language);
}

QUrl UpdateTestFeed::notesUrl(const QString& version, const QString& language) const
{
    return QUrl(baseUrl().toString() + notesPath(version, language));
}

QJsonObject UpdateTestFeed::artifact(const QString& version, bool notes, bool mandatory) const
{
    QJsonObject entry{{"version", version},
                      {"released_at", "2026-03-01T12:00:00Z"},
                      {"url", QStringLiteral("https://downloads.example.com/ledgerine-%1.tar.gz").arg(version)},
                      {"size", 48000000},
                      {"sha256", QString(64, QLatin1Char('0'))},
                      {"mandatory", mandatory}};
    if (notes)
        entry.insert("release_notes_url", notesUrl(version).toString());
    return entry;
}

void UpdateTestFeed::publish(const QJsonObject& artifact)
{
    const QJsonObject manifest{{"schema", 1},
                               {"app", "ledgerine"},
                               {"channel", "stable"},
                               {"artifacts", QJsonObject{{TandUpdate::platformKey(), artifact}}}};
    respondAlways("GET", kManifestPath,
                  FakeResponse::raw(200, QJsonDocument(manifest).toJson(), "application/json"));
}

void UpdateTestFeed::publishNotes(const QString& version, const QByteArray& markdown, const QString& language)
{
    respondAlways("GET", notesPath(version, language), FakeResponse::raw(200, markdown, "text/markdown"));
}
