#pragma once

#include "tests/support/FakeHttpServer.h"
#include "update/Config.h"

#include <QJsonObject>
#include <QString>

// A fake download server on 127.0.0.1 laid out as the real one is: the
// channel folder "/ledgerine/stable/" with "latest.json", and a folder per
// version beside it with the release notes.
class UpdateTestFeed : public FakeHttpServer
{
public:
    static constexpr const char* kManifestPath = "/ledgerine/stable/latest.json";

    explicit UpdateTestFeed(QObject* parent = nullptr);

    // The channel folder, with its final slash.
    QUrl channelUrl() const;
    // A configuration of version `running` that reads this feed.
    TandUpdate::Config config(const QString& running = QStringLiteral("1.1.4")) const;
    QUrl notesUrl(const QString& version, const QString& language = {}) const;
    static QString notesPath(const QString& version, const QString& language = {});

    // One entry of "artifacts" for `version`; `notes` adds its release-notes address.
    QJsonObject artifact(const QString& version, bool notes = false, bool mandatory = false) const;
    // Publishes a manifest whose only build is this platform's.
    void publish(const QJsonObject& artifact);
    void publishNotes(const QString& version, const QByteArray& markdown, const QString& language = {});
};
