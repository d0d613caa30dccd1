#pragma once

#include <QString>
#include <QUrl>

class QNetworkAccessManager;

namespace TandAccount {
class BoundedReply;
}

namespace TandUpdate {

// How long and how much one answer of the download server may take.
struct FeedLimits
{
    static constexpr qint64 kManifestBytes = 256 * 1024;
    static constexpr qint64 kReleaseNotesBytes = 2 * 1024 * 1024;
    // Measures silence only: a trickle of bytes resets it.
    static constexpr int kTransferTimeoutMs = 30000;
    // From sending to the last byte, whatever comes in between.
    static constexpr int kDeadlineMs = 60000;

    qint64 maxBytes = kManifestBytes;
    int deadlineMs = kDeadlineMs;
};

// Only the web is asked for update files or opened for them: Qt's network
// manager would also read file: and qrc: addresses a manifest might name.
bool isWebUrl(const QUrl& url);

// GETs one file of the download server with the update checker's
// User-Agent and redirects that never step down from HTTPS to HTTP; its
// answer is read within `limits`. Null for an address that isWebUrl refuses.
// The caller deletes the reply (the BoundedReply's parent) when it is done.
TandAccount::BoundedReply* getFeedFile(QNetworkAccessManager* network, const QUrl& url, const QString& app,
                                       const FeedLimits& limits);

} // namespace TandUpdate
