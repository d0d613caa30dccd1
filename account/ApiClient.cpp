#include "account/ApiClient.h"

#include "account/BoundedReply.h"
#include "account/TokenManager.h"

#include <QDebug>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

namespace TandAccount {

namespace {

void complete(const ResponseCallback& callback, bool ok, int status, const QJsonObject& body = {})
{
    if (callback)
        callback(ok, status, body);
}

// Paths carry server ids and invite codes ("/group/join/<code>"), which
// never go into a log. The first segment names the area of the service,
// which is what a reader of the log needs.
QString loggablePath(const QString& path)
{
    const QStringList segments = path.split(u'/', Qt::SkipEmptyParts);
    if (segments.size() <= 1)
        return path;
    return u'/' + segments.first() + QStringLiteral("/...");
}

// No body at all for an empty object: a POST of {} sends nothing.
QByteArray bodyBytes(const QJsonObject& body)
{
    return body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);
}

// The answer's JSON object; an empty object for an empty body (a 204, an
// empty 200), and nothing for a body that is not a JSON object.
std::optional<QJsonObject> parseBody(const QByteArray& bytes)
{
    if (bytes.trimmed().isEmpty())
        return QJsonObject();
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject())
        return std::nullopt;
    return document.object();
}

bool isSuccess(int status)
{
    return status >= 200 && status <= 299;
}

} // namespace

ApiClient::ApiClient(TokenManager* tokens, QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_tokens(tokens)
{
}

void ApiClient::setBaseUrl(const QUrl& url)
{
    m_baseUrl = url;
}

void ApiClient::setAppInfo(const QString& appId, const QString& appVersion, const QString& platform)
{
    m_appId = appId;
    m_appVersion = appVersion;
    m_platform = platform;
}

void ApiClient::setTransferTimeout(int milliseconds)
{
    m_transferTimeoutMs = milliseconds;
}

void ApiClient::setDeadline(int milliseconds)
{
    m_deadlineMs = milliseconds;
}

void ApiClient::setMaxAnswerBytes(qint64 bytes)
{
    m_maxAnswerBytes = bytes;
}

void ApiClient::get(const QString& path, ResponseCallback callback, const QUrlQuery& query)
{
    sendRequest(Method::Get, path, {}, std::move(callback), query, true);
}

void ApiClient::getPublic(const QString& path, ResponseCallback callback, const QUrlQuery& query)
{
    sendRequest(Method::Get, path, {}, std::move(callback), query, false);
}

void ApiClient::post(const QString& path, const QJsonObject& body, ResponseCallback callback)
{
    sendRequest(Method::Post, path, body, std::move(callback), {}, true);
}

void ApiClient::postPublic(const QString& path, const QJsonObject& body, ResponseCallback callback)
{
    sendRequest(Method::Post, path, body, std::move(callback), {}, false);
}

void ApiClient::patch(const QString& path, const QJsonObject& body, ResponseCallback callback)
{
    sendRequest(Method::Patch, path, body, std::move(callback), {}, true);
}

void ApiClient::deleteResource(const QString& path, ResponseCallback callback)
{
    sendRequest(Method::Delete, path, {}, std::move(callback), {}, true);
}

void ApiClient::postWithToken(const QString& path, const QJsonObject& body, const QString& bearerToken,
                              ResponseCallback callback)
{
    executeRequest(Method::Post, urlFor(path, {}), bodyBytes(body), bearerToken, std::move(callback), false);
}

void ApiClient::getWithToken(const QString& path, const QString& bearerToken, ResponseCallback callback)
{
    executeRequest(Method::Get, urlFor(path, {}), {}, bearerToken, std::move(callback), false);
}

const char* ApiClient::methodName(Method method)
{
    switch (method) {
    case Method::Get:
        return "GET";
    case Method::Post:
        return "POST";
    case Method::Patch:
        return "PATCH";
    case Method::Delete:
        return "DELETE";
    }
    return "GET";
}

void ApiClient::sendRequest(Method method, const QString& path, const QJsonObject& body, ResponseCallback callback,
                            const QUrlQuery& query, bool requiresAuth)
{
    const QUrl url = urlFor(path, query);
    const QByteArray bytes = bodyBytes(body);

    if (!requiresAuth) {
        executeRequest(method, url, bytes, QString(), std::move(callback), false);
        return;
    }
    if (m_tokens->needsRefresh()) {
        const QString logPath = loggablePath(path);
        qDebug() << "ApiClient: token needs refresh before" << methodName(method) << logPath;
        sendAfterRefresh(method, url, bytes, std::move(callback), true, logPath);
        return;
    }
    // Signed out, with nothing to refresh: the request would go out as
    // nobody. It ends here as the service would end it, like the other
    // requests refused before sending, without a word to the service.
    const QString token = m_tokens->accessToken();
    if (token.isEmpty()) {
        qDebug() << "ApiClient:" << methodName(method) << loggablePath(path) << "not sent: nobody is signed in";
        complete(callback, false, 401);
        return;
    }
    executeRequest(method, url, bytes, token, std::move(callback), true);
}

QUrl ApiClient::urlFor(const QString& path, const QUrlQuery& query) const
{
    // The path is appended as given: the caller owns the seam, so no slash is
    // added or dropped. It is taken as encoded, since the ids in it are
    // encoded segments (PathId.h): read decoded, an id's "%2F" would be sent
    // as "%252F", and decoding it would make it a slash.
    QUrl url = m_baseUrl;
    url.setPath(m_baseUrl.path(QUrl::FullyEncoded) + path, QUrl::TolerantMode);
    if (!query.isEmpty())
        url.setQuery(query);
    return url;
}

void ApiClient::sendAfterRefresh(Method method, const QUrl& url, const QByteArray& body, ResponseCallback callback,
                                 bool allowRetry, const std::optional<QString>& logPath)
{
    QPointer<ApiClient> self(this);
    m_tokens->refresh([self, method, url, body, callback, allowRetry, logPath](RefreshResult result) {
        if (!self)
            return;
        switch (result) {
        case RefreshResult::Success:
            // The token the refresh just delivered is the one to use, even if
            // it is already close to its expiry: the service decides.
            self->executeRequest(method, url, body, self->m_tokens->heldAccessToken(), callback, allowRetry);
            return;
        case RefreshResult::Rejected:
            if (logPath)
                qWarning() << "ApiClient: token refresh" << "rejected" << "for" << methodName(method) << *logPath;
            emit self->authenticationRequired();
            complete(callback, false, 401);
            return;
        case RefreshResult::TransientFailure:
            if (logPath)
                qWarning() << "ApiClient: token refresh" << "failed (transient)" << "for" << methodName(method)
                           << *logPath;
            complete(callback, false, 0);
            return;
        }
    });
}

void ApiClient::executeRequest(Method method, const QUrl& url, const QByteArray& body, const QString& token,
                               ResponseCallback callback, bool allowRetry)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setRawHeader(QByteArrayLiteral("Accept"), QByteArrayLiteral("application/json"));
    if (!m_appId.isEmpty())
        request.setRawHeader(QByteArrayLiteral("X-App-Id"), m_appId.toUtf8());
    if (!m_appVersion.isEmpty())
        request.setRawHeader(QByteArrayLiteral("X-App-Version"), m_appVersion.toUtf8());
    if (!m_platform.isEmpty())
        request.setRawHeader(QByteArrayLiteral("X-Platform"), m_platform.toUtf8());
    if (!token.isEmpty())
        request.setRawHeader(QByteArrayLiteral("Authorization"), QByteArrayLiteral("Bearer ") + token.toUtf8());
    request.setTransferTimeout(m_transferTimeoutMs);
    // Qt keeps every header on a redirect, the bearer token included, so a
    // redirect to another host would hand that host the user's session.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);

    QNetworkReply* reply = nullptr;
    switch (method) {
    case Method::Get:
        reply = m_network->get(request);
        break;
    case Method::Post:
        reply = m_network->post(request, body);
        break;
    case Method::Patch:
        reply = m_network->sendCustomRequest(request, QByteArrayLiteral("PATCH"), body);
        break;
    case Method::Delete:
        reply = m_network->deleteResource(request);
        break;
    }
    if (!reply) {
        complete(callback, false, 0);
        return;
    }

    auto* answer = new BoundedReply(reply, m_maxAnswerBytes, m_deadlineMs);
    connect(answer, &BoundedReply::finished, this, [this, answer, method, url, body, token, callback, allowRetry] {
        handleReply(answer, method, url, body, token, callback, allowRetry);
    });
}

void ApiClient::handleReply(BoundedReply* answer, Method method, const QUrl& url, const QByteArray& body,
                            const QString& sentToken, const ResponseCallback& callback, bool allowRetry)
{
    QNetworkReply* reply = answer->reply();
    reply->deleteLater();
    // Another user signed in while this request was out: whatever came back
    // speaks for the user before (their profile, their group), and neither
    // reaches the one signed in now nor is sent again as them.
    if (!sentToken.isEmpty() && m_tokens->holdsAnotherUsersPair(sentToken)) {
        qWarning() << "ApiClient:" << methodName(method) << loggablePath(url.path())
                   << "answer dropped: another user has signed in since it was sent";
        complete(callback, false, 0);
        return;
    }
    if (!answer->withinLimits()) {
        emit networkError(answer->failure() == BoundedReply::Failure::TooLarge
                              ? QStringLiteral("The service's answer was too large")
                              : QStringLiteral("The service did not answer in time"));
        complete(callback, false, 0);
        return;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();

    if (status == 401 && allowRetry) {
        sendAfterRefresh(method, url, body, callback, false, std::nullopt);
        return;
    }
    if (status == 0 && reply->error() != QNetworkReply::NoError) {
        emit networkError(reply->errorString());
        complete(callback, false, 0);
        return;
    }
    const std::optional<QJsonObject> json = parseBody(answer->body());
    if (isSuccess(status) && !json) {
        // A captive portal's or a proxy's page: whatever it says, it is not
        // the service's answer, and reading it as an empty one would show
        // "nothing there" where the service was never asked.
        qWarning() << "ApiClient:" << methodName(method) << loggablePath(url.path()) << "answered" << status
                   << "with something that is not a JSON object";
        complete(callback, false, status);
        return;
    }
    complete(callback, isSuccess(status), status, json.value_or(QJsonObject()));
}

} // namespace TandAccount
