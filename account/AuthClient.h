#pragma once

#include "account/AuthState.h"
#include "account/Session.h"
#include "account/TokenManager.h"
#include "account/User.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

namespace TandAccount {

class ApiClient;
class WebAuthHandler;

// The user's sign-in with the authentication service: restores it from the
// stored tokens at start-up, refreshes tokens against the realm, and holds
// the current user, their display name, password and sign-in sessions.
// Every request goes through the realm transport, relative to
// "<auth base>/api/v1/realms/<realm>".
class AuthClient : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TandAccount::AuthState state READ state NOTIFY stateChanged)
    Q_PROPERTY(bool isAuthenticated READ isAuthenticated NOTIFY stateChanged)

public:
    AuthClient(const QString& authBaseUrl, const QString& realm, const QString& clientId, ApiClient* api,
               TokenManager* tokens, QObject* parent = nullptr);

    // Reads the stored tokens: a usable access token signs the user in at
    // once; an expired one with a refresh token is refreshed, and the user
    // stays signed in unless the service refuses it (offline included).
    void initialize();

    // Signs the user in through the service's login page in the system
    // browser; the outcome comes as loginSucceeded() or loginFailed(). While
    // a sign-in waits for the browser, another call opens the same page again.
    void login();
    // Completes the waiting sign-in from the address the browser came back
    // to. One that names another state than that sign-in's is refused with a
    // log line and changes nothing: the sign-in goes on waiting. One that
    // names no state may come from any page, with anyone's tokens: the
    // service is asked whose they are, and signInNeedsConfirmation() asks
    // the user; until confirmSignIn() nothing is stored or signed in.
    void handleAuthCallback(const QUrl& url);
    // The user's answer to signInNeedsConfirmation(). A sign-in declined
    // keeps nothing of its tokens and ends their session on the service.
    void confirmSignIn();
    void declineSignIn();

    // Refreshes the pair; a refusal by the service signs the user out here.
    // The callback (which may be empty) hears whether the refresh succeeded.
    void refreshToken(std::function<void(bool succeeded)> callback);

    // `ok` tells whether the service named the user; on failure the
    // callback gets the user cached from the last success.
    void fetchCurrentUser(std::function<void(bool ok, User user)> callback);
    void updateProfile(const QString& displayName, std::function<void(bool ok, User user)> callback);
    void changePassword(const QString& currentPassword, const QString& newPassword,
                        std::function<void(bool ok)> callback);
    // An empty list when the request failed.
    void listSessions(std::function<void(bool ok, QList<Session> sessions)> callback);
    // A session id that is not a plain id is refused without a request.
    void revokeSession(const QString& sessionId, std::function<void(bool ok)> callback = {});

    // Ends the session on the service and here. The user is signed out here
    // at once, whatever the network does.
    void logout();

    // The service refused to refresh the tokens a transport needed: the
    // session is over, so it is ended here too instead of failing every
    // request from now on.
    void endRefusedSession();

    AuthState state() const { return m_state; }
    bool isAuthenticated() const { return m_state == AuthState::Authenticated; }
    User currentUser() const { return m_user; }
    // The subject of the usable access token; empty without one.
    QString userId() const;
    // The subject of the access token held, usable or not: who is signed
    // in, also while their token waits for a refresh.
    QString heldUserId() const;

signals:
    void stateChanged(TandAccount::AuthState state);
    void loginSucceeded();
    void loginFailed(const QString& error);
    // A sign-in whose origin is unknown waits for the user to say that
    // `email` is the account they signed in with.
    void signInNeedsConfirmation(const QString& email);
    void logoutCompleted();
    // The service no longer accepts the session the user was signed in
    // with; they are signed out and must sign in again.
    void sessionExpired();

private:
    void setState(AuthState state);
    // Asks the realm for a new pair; the refresher of the token manager.
    void requestTokenRefresh(const QString& refreshToken, TokenManager::RefreshSucceeded onSuccess,
                             TokenManager::RefreshFailed onFailure);
    void sendLogout(const QString& accessToken, const QString& refreshToken);
    QUrl loginPageUrl(const QString& redirectUri, const QString& state) const;
    void endSignIn();
    void completeSignIn(const QString& accessToken, const QString& refreshToken);
    // Learns from the service whose tokens an unconfirmed callback brought,
    // then asks.
    void askToConfirm(const QString& accessToken, const QString& refreshToken);
    // Forgets a sign-in being confirmed, and any answer still on its way for one.
    void dropUnconfirmed();
    // Takes a "/users/me" answer into the cache when it is one: a success
    // that names a user by its id.
    bool takeUser(bool ok, const QJsonObject& body);

    QString m_authBaseUrl;
    QString m_realm;
    QString m_clientId;
    ApiClient* m_api;
    TokenManager* m_tokens;
    AuthState m_state = AuthState::Unknown;
    User m_user;
    // The sign-in waiting for the browser, if any; only one at a time.
    QPointer<WebAuthHandler> m_signIn;
    struct TokenPair
    {
        QString access;
        QString refresh;
    };
    // Tokens waiting for the user's confirmation; held nowhere else.
    std::optional<TokenPair> m_unconfirmed;
    // Counts the sign-ins asked about, so an answer about the tokens of one
    // that was dropped meanwhile is ignored.
    quint64 m_confirmationRound = 0;
};

} // namespace TandAccount
