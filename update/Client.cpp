#include "update/Client.h"

#include "account/BoundedReply.h"
#include "update/Manifest.h"
#include "update/PlatformKey.h"
#include "update/Version.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

Q_LOGGING_CATEGORY(lcUpdateClient, "tandupdate.client")

namespace TandUpdate {

Client::Client(Config config, QObject* parent)
    : QObject(parent)
    , m_config(std::move(config))
    , m_network(new QNetworkAccessManager(this))
{
    qRegisterMetaType<TandUpdate::Artifact>("TandUpdate::Artifact");
}

QUrl Client::manifestUrl() const
{
    QUrl url = m_config.manifestBaseUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    url.setPath(path + QStringLiteral("latest.json"), QUrl::DecodedMode);
    return url;
}

void Client::check()
{
    if (m_inFlight) {
        qCDebug(lcUpdateClient) << "check already in flight, ignoring";
        return;
    }
    if (!isWebUrl(m_config.manifestBaseUrl)) {
        emit checkFailed(QStringLiteral("manifestBaseUrl is not valid"));
        return;
    }
    if (m_config.currentVersion.isEmpty()) {
        emit checkFailed(QStringLiteral("currentVersion is empty"));
        return;
    }
    TandAccount::BoundedReply* answer = getFeedFile(m_network, manifestUrl(), m_config.app, m_limits);
    m_inFlight = true;
    connect(answer, &TandAccount::BoundedReply::finished, this, [this, answer] { onManifestReply(answer); });
}

void Client::onManifestReply(TandAccount::BoundedReply* answer)
{
    QNetworkReply* reply = answer->reply();
    reply->deleteLater();
    m_inFlight = false;

    switch (answer->failure()) {
    case TandAccount::BoundedReply::Failure::TooLarge:
        emit checkFailed(QStringLiteral("network error: the manifest is larger than %1 bytes").arg(m_limits.maxBytes));
        return;
    case TandAccount::BoundedReply::Failure::DeadlinePassed:
        emit checkFailed(QStringLiteral("network error: no complete answer within %1 ms").arg(m_limits.deadlineMs));
        return;
    case TandAccount::BoundedReply::Failure::None:
        break;
    }

    if (reply->error() != QNetworkReply::NoError) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() != QNetworkReply::ContentNotFoundError && status != 404) {
            emit checkFailed(QStringLiteral("network error: %1").arg(reply->errorString()));
            return;
        }
        qCInfo(lcUpdateClient) << "manifest 404, treating as up-to-date";
        emit upToDate();
        return;
    }

    QString error;
    const Manifest manifest = parseManifest(answer->body(), &error);
    if (!manifest.isValid() || !error.isEmpty()) {
        emit checkFailed(QStringLiteral("manifest invalid: %1").arg(error));
        return;
    }

    const QString platform = platformKey();
    if (platform.isEmpty()) {
        qCWarning(lcUpdateClient) << "unknown platform, skipping update check";
        emit upToDate();
        return;
    }
    const auto entry = manifest.artifacts.constFind(platform);
    if (entry == manifest.artifacts.constEnd()) {
        qCInfo(lcUpdateClient) << "platform" << platform << "not shipped in current manifest";
        emit upToDate();
        return;
    }
    const Artifact& artifact = entry.value();

    const Version running = Version::parse(m_config.currentVersion);
    if (!(running < Version::parse(artifact.version))) {
        emit upToDate();
        return;
    }
    if (!artifact.min_upgradable_from.isEmpty() && running < Version::parse(artifact.min_upgradable_from)) {
        emit checkFailed(QStringLiteral("current version %1 is older than min_upgradable_from %2; please upgrade to "
                                        "an intermediate release first")
                             .arg(m_config.currentVersion, artifact.min_upgradable_from));
        return;
    }
    emit updateAvailable(artifact);
}

} // namespace TandUpdate
