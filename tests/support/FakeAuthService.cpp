#include "tests/support/FakeAuthService.h"

#include "account/TokenClaims.h"
#include "tests/support/TestTokens.h"

#include <QDateTime>
#include <QJsonArray>

namespace {

FakeResponse refused(int status, const QString& error)
{
    return FakeResponse::json(status, {{QStringLiteral("error"), error}});
}

} // namespace

FakeAuthService::FakeAuthService(const QString& realm, QObject* parent)
    : QObject(parent)
    , m_server(new FakeHttpServer(this))
    , m_realm(realm)
{
    m_server->route("POST", realmPath(QStringLiteral("/auth/token/refresh")),
                    [this](const RecordedRequest& request) { return handleRefresh(request); });
    m_server->route("POST", realmPath(QStringLiteral("/auth/logout")),
                    [this](const RecordedRequest& request) { return handleLogout(request); });
    m_server->route("GET", loginPath(), [this](const RecordedRequest& request) { return handleLogin(request); });
    m_server->route("GET", realmPath(QStringLiteral("/users/me/sessions")),
                    [this](const RecordedRequest& request) { return handleSessions(request); });
    m_server->route("GET", realmPath(QStringLiteral("/users/me")), [this](const RecordedRequest& request) {
        const SignInSession* session = sessionOf(request);
        return session ? FakeResponse::json(200, userJson(session->userId)) : refused(401, QStringLiteral("unauthorized"));
    });
    m_server->route("PATCH", realmPath(QStringLiteral("/users/me")), [this](const RecordedRequest& request) {
        const SignInSession* session = sessionOf(request);
        if (!session)
            return refused(401, QStringLiteral("unauthorized"));
        const QString name = request.json().value(QLatin1String("display_name")).toString();
        if (name.trimmed().isEmpty())
            return refused(400, QStringLiteral("display_name must not be empty"));
        m_displayName = name;
        return FakeResponse::json(200, userJson(session->userId));
    });
    m_server->route("POST", realmPath(QStringLiteral("/users/me/password")), [this](const RecordedRequest& request) {
        if (!sessionOf(request))
            return refused(401, QStringLiteral("unauthorized"));
        const QJsonObject body = request.json();
        if (body.value(QLatin1String("current_password")).toString() != m_password)
            return refused(400, QStringLiteral("current password is wrong"));
        m_password = body.value(QLatin1String("new_password")).toString();
        return FakeResponse::empty(204);
    });
}

bool FakeAuthService::start()
{
    return m_server->listen();
}

QString FakeAuthService::realmPath(const QString& path) const
{
    return QStringLiteral("/api/v1/realms/") + m_realm + path;
}

QString FakeAuthService::loginPath() const
{
    return u'/' + m_realm + QStringLiteral("/account/login");
}

FakeAuthService::TokenPair FakeAuthService::newPair(const QString& sessionId, const QString& userId)
{
    const int serial = ++m_lastId;
    QJsonObject payload{{QStringLiteral("sub"), userId},
                        {QStringLiteral("sid"), sessionId},
                        {QStringLiteral("jti"), serial},
                        {QStringLiteral("exp"), QDateTime::currentSecsSinceEpoch() + m_accessLifetime}};
    if (const auto claims = m_groupClaims.constFind(userId); claims != m_groupClaims.constEnd())
        payload.insert(QStringLiteral("custom"), QJsonObject{{QStringLiteral("tnd"), *claims}});
    return {makeToken(payload), QStringLiteral("refresh-%1").arg(serial)};
}

FakeAuthService::TokenPair FakeAuthService::signIn(const QString& userId)
{
    const QString id = QStringLiteral("sess-%1").arg(++m_lastId);
    SignInSession session{id, userId, newPair(id, userId)};
    m_sessions.insert(id, session);
    m_server->route("DELETE", realmPath(QStringLiteral("/users/me/sessions/") + id),
                    [this, id](const RecordedRequest& request) {
                        if (!sessionOf(request))
                            return refused(401, QStringLiteral("unauthorized"));
                        m_sessions.remove(id);
                        return FakeResponse::empty(204);
                    });
    return session.pair;
}

void FakeAuthService::setGroupClaims(const QString& userId, const QString& groupId, const QString& role)
{
    if (groupId.isEmpty() && role.isEmpty())
        m_groupClaims.remove(userId);
    else
        m_groupClaims.insert(userId, {{QStringLiteral("group_id"), groupId}, {QStringLiteral("role"), role}});
}

QString FakeAuthService::userOf(const RecordedRequest& request) const
{
    const SignInSession* session = sessionOf(request);
    return session ? session->userId : QString();
}

bool FakeAuthService::isLive(const TokenPair& pair) const
{
    for (const SignInSession& session : m_sessions) {
        if (session.pair.refresh == pair.refresh)
            return true;
    }
    return false;
}

const FakeAuthService::SignInSession* FakeAuthService::sessionOf(const RecordedRequest& request) const
{
    const QByteArray authorization = request.header("Authorization");
    if (!authorization.startsWith("Bearer "))
        return nullptr;
    const QString token = QString::fromLatin1(authorization.mid(7));
    for (const SignInSession& session : m_sessions) {
        if (session.pair.access == token && TandAccount::jwtExpiry(token) > QDateTime::currentSecsSinceEpoch())
            return &session;
    }
    return nullptr;
}

QJsonObject FakeAuthService::userJson(const QString& userId) const
{
    return {{QStringLiteral("id"), userId},
            {QStringLiteral("email"), QString(userId + QStringLiteral("@example.org"))},
            {QStringLiteral("display_name"), m_displayName},
            {QStringLiteral("username"), userId},
            {QStringLiteral("created_at"), QStringLiteral("2024-03-05T14:07:00")}};
}

FakeResponse FakeAuthService::handleRefresh(const RecordedRequest& request)
{
    const QString refreshToken = request.json().value(QLatin1String("refresh_token")).toString();
    for (SignInSession& session : m_sessions) {
        if (!refreshToken.isEmpty() && session.pair.refresh == refreshToken) {
            session.pair = newPair(session.id, session.userId);
            return FakeResponse::json(200, {{QStringLiteral("access_token"), session.pair.access},
                                            {QStringLiteral("refresh_token"), session.pair.refresh},
                                            {QStringLiteral("expires_in"), m_accessLifetime}});
        }
    }
    return refused(401, QStringLiteral("invalid_grant"));
}

FakeResponse FakeAuthService::handleLogout(const RecordedRequest& request)
{
    const SignInSession* session = sessionOf(request);
    if (!session)
        return refused(401, QStringLiteral("unauthorized"));
    const QString id = session->id;
    m_sessions.remove(id);
    return FakeResponse::empty(204);
}

FakeResponse FakeAuthService::handleSessions(const RecordedRequest& request) const
{
    const SignInSession* current = sessionOf(request);
    if (!current)
        return refused(401, QStringLiteral("unauthorized"));
    QJsonArray sessions;
    for (const SignInSession& session : m_sessions) {
        if (session.userId != current->userId)
            continue;
        sessions.append(QJsonObject{{QStringLiteral("id"), session.id},
                                    {QStringLiteral("user_agent"), QStringLiteral("Ledgerine test")},
                                    {QStringLiteral("ip_address"), QStringLiteral("127.0.0.1")},
                                    {QStringLiteral("created_at"), QStringLiteral("2024-03-05T14:07:00Z")},
                                    {QStringLiteral("is_current"), session.id == current->id}});
    }
    return FakeResponse::json(200, {{QStringLiteral("sessions"), sessions}});
}

FakeResponse FakeAuthService::handleLogin(const RecordedRequest& request)
{
    if (request.query.queryItemValue(QStringLiteral("client_id")) != QLatin1String(kClientId))
        return FakeResponse::raw(400, "unknown client", "text/html");
    const QUrl redirect(request.query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded));
    if (redirect.scheme() != QLatin1String("http") || redirect.host() != QLatin1String("localhost")
        || redirect.path() != QLatin1String("/callback"))
        return FakeResponse::raw(400, "redirect address refused", "text/html");

    const TokenPair pair = signIn(m_loginUser);
    QUrlQuery answer;
    answer.addQueryItem(QStringLiteral("access_token"), pair.access);
    answer.addQueryItem(QStringLiteral("refresh_token"), pair.refresh);
    if (m_echoesState && request.query.hasQueryItem(QStringLiteral("state")))
        answer.addQueryItem(QStringLiteral("state"),
                            request.query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded));
    QUrl target = redirect;
    target.setQuery(answer);

    FakeResponse response = FakeResponse::raw(302, "", "text/html");
    response.headers.append({"Location", target.toEncoded()});
    return response;
}
