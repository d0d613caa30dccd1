#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <functional>
#include <optional>

class QNetworkAccessManager;
namespace TandAccount {

class BoundedReply;
class TokenManager;

// `ok` is true exactly for HTTP 200 to 299 whose body is a JSON object or
// empty; a 2xx with any other body (a captive portal's page) is a failure
// that keeps its status. `httpStatus` is 0 when no HTTP answer arrived;
// `body` is the answer's JSON object, or an empty object.
using ResponseCallback = std::function<void(bool ok, int httpStatus, const QJsonObject& body)>;

// JSON over HTTP(S) for the account service and the sync API. Adds the JSON,
// application and bearer headers, refreshes a token that is about to expire
// before sending, and answers one 401 with one refresh and one retry. Every
// request ends in exactly one callback on this thread (unless the transport
// is destroyed first). A request speaks only for the user it was made for:
// when another has signed in meanwhile, it is never sent again as them and
// its answer is dropped; it ends with status 0 instead.
class ApiClient : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultTransferTimeoutMs = 30000;
    static constexpr int kDefaultDeadlineMs = 60000;
    // Sync pages and account records are far smaller; anything beyond is not
    // an answer of the service.
    static constexpr qint64 kMaxAnswerBytes = 8 * 1024 * 1024;

    explicit ApiClient(TokenManager* tokens, QObject* parent = nullptr);

    // Requests made before a change keep the value they started with.
    void setBaseUrl(const QUrl& url);
    QUrl baseUrl() const { return m_baseUrl; }
    void setAppInfo(const QString& appId, const QString& appVersion, const QString& platform);
    // A request that transfers nothing for this long ends like a network failure.
    void setTransferTimeout(int milliseconds);
    // A request not answered whole this long after it was sent ends like a
    // network failure, however steadily the answer trickles in.
    void setDeadline(int milliseconds);
    // An answer larger than this ends the request like a network failure.
    void setMaxAnswerBytes(qint64 bytes);

    // `path` is appended to the base URL's path in its encoded form: an id in
    // it goes in as a pathSegment() (PathId.h).
    void get(const QString& path, ResponseCallback callback, const QUrlQuery& query = {});
    void getPublic(const QString& path, ResponseCallback callback, const QUrlQuery& query = {});
    void post(const QString& path, const QJsonObject& body, ResponseCallback callback);
    void postPublic(const QString& path, const QJsonObject& body, ResponseCallback callback);
    void patch(const QString& path, const QJsonObject& body, ResponseCallback callback);
    void deleteResource(const QString& path, ResponseCallback callback);
    // Speaks for a session the token manager no longer holds (the sign-out,
    // sent after the pair is cleared): sent with `bearerToken` as given,
    // without a refresh or a retry.
    void postWithToken(const QString& path, const QJsonObject& body, const QString& bearerToken,
                       ResponseCallback callback);
    // Speaks for a pair not taken up (yet) in the same way.
    void getWithToken(const QString& path, const QString& bearerToken, ResponseCallback callback);

signals:
    // A token refresh that a request needed was refused by the service.
    void authenticationRequired();
    // A request failed without any HTTP answer.
    void networkError(const QString& message);

private:
    enum class Method { Get, Post, Patch, Delete };

    void sendRequest(Method method, const QString& path, const QJsonObject& body, ResponseCallback callback,
                     const QUrlQuery& query, bool requiresAuth);
    QUrl urlFor(const QString& path, const QUrlQuery& query) const;
    void executeRequest(Method method, const QUrl& url, const QByteArray& body, const QString& token,
                        ResponseCallback callback, bool allowRetry);
    // `sentToken` is the access token the request went out with.
    void handleReply(BoundedReply* answer, Method method, const QUrl& url, const QByteArray& body,
                     const QString& sentToken, const ResponseCallback& callback, bool allowRetry);
    // Runs a refresh and then the request with the token it delivered. A
    // failed refresh is logged, naming the request by `logPath`, when one is given.
    void sendAfterRefresh(Method method, const QUrl& url, const QByteArray& body, ResponseCallback callback,
                          bool allowRetry, const std::optional<QString>& logPath);

    static const char* methodName(Method method);

    QNetworkAccessManager* m_network;
    TokenManager* m_tokens;
    QUrl m_baseUrl;
    QString m_appId;
    QString m_appVersion;
    QString m_platform;
    int m_transferTimeoutMs = kDefaultTransferTimeoutMs;
    int m_deadlineMs = kDefaultDeadlineMs;
    qint64 m_maxAnswerBytes = kMaxAnswerBytes;
};

} // namespace TandAccount
