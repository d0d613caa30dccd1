#pragma once

#include "update/Config.h"
#include "update/FeedRequest.h"

#include <QLocale>
#include <QObject>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;

namespace TandAccount {
class BoundedReply;
}

namespace TandUpdate {

// Downloads one version's release notes (Markdown), preferring the copy in
// the user's language and falling back to the plain one. Answers once per
// fetch(), after at most two requests.
class ReleaseNotesFetcher : public QObject
{
    Q_OBJECT

public:
    // The notes of the running version: "<version>/release-notes.md" in the
    // folder beside the channel's.
    ReleaseNotesFetcher(const Config& config, QObject* parent, const QLocale& locale = QLocale::system());
    ReleaseNotesFetcher(const QUrl& notesUrl, const QString& app, QObject* parent,
                        const QLocale& locale = QLocale::system());

    void fetch();

    QUrl plainUrl() const { return m_plainUrl; }
    // Empty when the plain notes are the user's language's.
    QUrl localizedUrl() const { return m_localizedUrl; }

    // "release-notes.md" becomes "release-notes.<language>.md"; empty for
    // English and for a locale without a language (C, POSIX).
    static QUrl localizedUrl(const QUrl& plain, const QLocale& locale = QLocale::system());
    static QUrl notesUrlFor(const Config& config);

    void setDeadline(int milliseconds) { m_limits.deadlineMs = milliseconds; }

Q_SIGNALS:
    // Never empty, trimmed.
    void notesReady(QString markdown);
    void notesUnavailable();

private:
    // Asks for `url`; `next` runs when it gave no notes.
    void request(const QUrl& url, const std::function<void()>& next);

    QString m_app;
    QNetworkAccessManager* m_network;
    QUrl m_plainUrl;
    QUrl m_localizedUrl;
    FeedLimits m_limits{FeedLimits::kReleaseNotesBytes};
};

} // namespace TandUpdate
