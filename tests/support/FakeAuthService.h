#pragma once

#include "tests/support/FakeHttpServer.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QUrl>

// The authentication service as far as the client needs it, on 127.0.0.1:
// the realm's token refresh, "/users/me" with the password and the sign-in
// sessions, the sign-out, and the login page, which signs in the login user
// at once and redirects to the given redirect address with both tokens (in
// the query, as a browser hands it on), and with the state it was given only
// when told to echo it.
//
// Each sign-in is a session with one live pair; a refresh rotates the pair
// and refuses the old refresh token from then on. Only a session's current,
// unexpired access token opens the requests that need one.
class FakeAuthService : public QObject
{
    Q_OBJECT

public:
    struct TokenPair
    {
        QString access;
        QString refresh;
    };

    static constexpr const char* kClientId = "test-client";

    explicit FakeAuthService(const QString& realm = QStringLiteral("tandrel"), QObject* parent = nullptr);

    bool start();
    // What AUTH_BASE_URL names; the realm lives below it.
    QUrl baseUrl() const { return m_server->baseUrl(); }
    FakeHttpServer* server() const { return m_server; }
    // The full path of a realm request ("/api/v1/realms/<realm>" + path).
    QString realmPath(const QString& path) const;
    QString loginPath() const;

    // A new session of `userId`, as a completed browser sign-in makes one.
    TokenPair signIn(const QString& userId = QStringLiteral("user-1"));
    // Lifetime of the access tokens handed out from now on (default 3600 s;
    // 20 s makes one the client holds as already in need of a refresh).
    void setAccessLifetime(qint64 seconds) { m_accessLifetime = seconds; }
    void setLoginUser(const QString& userId) { m_loginUser = userId; }
    // Whether the login page's redirect carries back the state it was opened with.
    void setEchoesState(bool echoes) { m_echoesState = echoes; }
    void setPassword(const QString& password) { m_password = password; }
    // The display name "/users/me" answers with; empty for a user who set none.
    void setDisplayName(const QString& name) { m_displayName = name; }

    // The family group and role that tokens handed out to `userId` from now
    // on carry; empty texts carry none.
    void setGroupClaims(const QString& userId, const QString& groupId, const QString& role);
    // The user whose live access token `request` carries; empty without one.
    QString userOf(const RecordedRequest& request) const;

    int liveSessionCount() const { return int(m_sessions.size()); }
    bool isLive(const TokenPair& pair) const;
    QString displayName() const { return m_displayName; }

private:
    struct SignInSession
    {
        QString id;
        QString userId;
        TokenPair pair;
    };

    FakeResponse handleRefresh(const RecordedRequest& request);
    FakeResponse handleLogin(const RecordedRequest& request);
    FakeResponse handleLogout(const RecordedRequest& request);
    FakeResponse handleSessions(const RecordedRequest& request) const;
    // The session whose live access token the request carries.
    const SignInSession* sessionOf(const RecordedRequest& request) const;
    QJsonObject userJson(const QString& userId) const;
    TokenPair newPair(const QString& sessionId, const QString& userId);

    FakeHttpServer* m_server;
    QString m_realm;
    QHash<QString, SignInSession> m_sessions;
    // User id to its claims ("group_id", "role").
    QHash<QString, QJsonObject> m_groupClaims;
    QString m_loginUser = QStringLiteral("user-1");
    QString m_displayName = QStringLiteral("Test User");
    QString m_password = QStringLiteral("old-secret");
    qint64 m_accessLifetime = 3600;
    bool m_echoesState = false;
    int m_lastId = 0;
};
