#include "update/FeedRequest.h"

#include "account/BoundedReply.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace TandUpdate {

bool isWebUrl(const QUrl& url)
{
    const QString scheme = url.scheme();
    return url.isValid() && !url.host().isEmpty()
           && (scheme == QLatin1String("https") || scheme == QLatin1String("http"));
}

TandAccount::BoundedReply* getFeedFile(QNetworkAccessManager* network, const QUrl& url, const QString& app,
                                       const FeedLimits& limits)
{
    if (!isWebUrl(url))
        return nullptr;
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("TandUpdateQt/0.1 (%1)").arg(app));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(FeedLimits::kTransferTimeoutMs);
    return new TandAccount::BoundedReply(network->get(request), limits.maxBytes, limits.deadlineMs);
}

} // namespace TandUpdate
