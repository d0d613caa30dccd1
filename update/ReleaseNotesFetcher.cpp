#include "update/ReleaseNotesFetcher.h"

#include "account/BoundedReply.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTimer>
#include <QtDebug>

namespace TandUpdate {

ReleaseNotesFetcher::ReleaseNotesFetcher(const Config& config, QObject* parent, const QLocale& locale)
    : ReleaseNotesFetcher(notesUrlFor(config), config.app, parent, locale)
{
}

ReleaseNotesFetcher::ReleaseNotesFetcher(const QUrl& notesUrl, const QString& app, QObject* parent,
                                         const QLocale& locale)
    : QObject(parent)
    , m_app(app)
    , m_network(new QNetworkAccessManager(this))
    , m_plainUrl(notesUrl)
    , m_localizedUrl(localizedUrl(notesUrl, locale))
{
}

QUrl ReleaseNotesFetcher::notesUrlFor(const Config& config)
{
    QUrl url = config.manifestBaseUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    // The version folders sit beside the channel folders; a channel at the
    // host's root has them at the root as well.
    path.truncate(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    url.setPath(path + config.currentVersion + QStringLiteral("/release-notes.md"), QUrl::DecodedMode);
    return url;
}

QUrl ReleaseNotesFetcher::localizedUrl(const QUrl& plain, const QLocale& locale)
{
    // "C" and "POSIX" name no language: they get the English notes.
    static const QRegularExpression language(QStringLiteral("^([a-z]{2})(?:[_-]|$)"));
    const QRegularExpressionMatch match = language.match(locale.name());
    if (!match.hasMatch() || match.captured(1) == QLatin1String("en"))
        return {};
    QString path = plain.path(QUrl::FullyDecoded);
    if (path.endsWith(QLatin1String(".md")))
        path.insert(path.size() - 3, QLatin1Char('.') + match.captured(1));
    QUrl url = plain;
    url.setPath(path, QUrl::DecodedMode);
    return url;
}

void ReleaseNotesFetcher::fetch()
{
    const auto plain = [this] {
        request(m_plainUrl, [this] { emit notesUnavailable(); });
    };
    if (m_localizedUrl.isValid())
        request(m_localizedUrl, plain);
    else
        plain();
}

void ReleaseNotesFetcher::request(const QUrl& url, const std::function<void()>& next)
{
    TandAccount::BoundedReply* answer = getFeedFile(m_network, url, m_app, m_limits);
    if (!answer) {
        if (!url.isEmpty())
            qWarning().noquote() << QStringLiteral("Release notes not read from an address of scheme \"%1\": only "
                                                   "http and https are read")
                                        .arg(url.scheme());
        // Answered from the event loop, as a request would be.
        QTimer::singleShot(0, this, next);
        return;
    }
    connect(answer, &TandAccount::BoundedReply::finished, this, [this, answer, next] {
        QNetworkReply* reply = answer->reply();
        reply->deleteLater();
        const QString text = answer->withinLimits() && reply->error() == QNetworkReply::NoError
                                 ? QString::fromUtf8(answer->body()).trimmed()
                                 : QString();
        if (text.isEmpty())
            next();
        else
            emit notesReady(text);
    });
}

} // namespace TandUpdate
