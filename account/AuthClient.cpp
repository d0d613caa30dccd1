#include "account/AuthClient.h"

#include "account/ApiClient.h"
#include "account/ListAnswer.h"
#include "account/PathId.h"
#include "account/SignInCallback.h"
#include "account/TokenClaims.h"
#include "account/WebAuthHandler.h"

#include <QDebug>
#include <QDesktopServices>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace TandAccount {

namespace {

// Only these answers say the service refused the refresh token. Anything
// else (a timeout, rate limiting, a server fault, a proxy's page) may pass,
// and must not cost the user their sign-in.
bool refusesRefresh(int httpStatus)
{
    return httpStatus == 400 || httpStatus == 401 || httpStatus == 403;
}

} // namespace

AuthClient::AuthClient(const QString& authBaseUrl, const QString& realm, const QString& clientId, ApiClient* api,
                       TokenManager* tokens, QObject* parent)
    : QObject(parent)
    , m_authBaseUrl(authBaseUrl)
    , m_realm(realm)
    , m_clientId(clientId)
    , m_api(api)
    , m_tokens(tokens)
{
    QPointer<AuthClient> self(this);
    m_tokens->setRefresher([self](const QString& refreshToken, TokenManager::RefreshSucceeded onSuccess,
                                  TokenManager::RefreshFailed onFailure) {
        if (!self) {
            onFailure(false);
            return;
        }
        self->requestTokenRefresh(refreshToken, std::move(onSuccess), std::move(onFailure));
    });
}

void AuthClient::setState(AuthState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void AuthClient::requestTokenRefresh(const QString& refreshToken, TokenManager::RefreshSucceeded onSuccess,
                                     TokenManager::RefreshFailed onFailure)
{
    m_api->postPublic(u"/auth/token/refresh"_s, {{u"refresh_token"_s, refreshToken}},
                      [refreshToken, onSuccess, onFailure](bool ok, int status, const QJsonObject& body) {
                          if (!ok) {
                              onFailure(refusesRefresh(status));
                              return;
                          }
                          const QString access = body.value("access_token"_L1).toString();
                          if (access.isEmpty()) {
                              // Storing nothing would sign the user out on a
                              // malformed answer; try again later instead.
                              qWarning() << "AuthClient: the token refresh answer holds no access token";
                              onFailure(false);
                              return;
                          }
                          // A service that does not rotate refresh tokens
                          // sends none back: the one sent stays good.
                          const QString refresh = body.value("refresh_token"_L1).toString();
                          onSuccess(access, refresh.isEmpty() ? refreshToken : refresh);
                      });
}

void AuthClient::initialize()
{
    m_tokens->loadTokens();
    if (!m_tokens->accessToken().isEmpty()) {
        setState(AuthState::Authenticated);
        return;
    }
    if (m_tokens->refreshToken().isEmpty()) {
        setState(AuthState::Unauthenticated);
        return;
    }
    QPointer<AuthClient> self(this);
    m_tokens->refresh([self](RefreshResult result) {
        if (!self)
            return;
        if (result == RefreshResult::Rejected)
            self->endRefusedSession();
        else
            self->setState(AuthState::Authenticated);
    });
}

void AuthClient::login()
{
    dropUnconfirmed();
    if (!m_signIn) {
        auto* handler = new WebAuthHandler(this);
        if (handler->start().isEmpty()) {
            handler->deleteLater();
            emit loginFailed(u"Failed to start local auth server"_s);
            return;
        }
        m_signIn = handler;
        connect(handler, &WebAuthHandler::callbackReceived, this, &AuthClient::handleAuthCallback);
        connect(handler, &WebAuthHandler::timedOut, this, [this] {
            endSignIn();
            emit loginFailed(u"Sign-in timed out"_s);
        });
    } else {
        // The page is opened again (its tab may be lost); the wait starts anew.
        m_signIn->start();
    }

    if (!QDesktopServices::openUrl(loginPageUrl(m_signIn->redirectUri(), m_signIn->state()))) {
        endSignIn();
        emit loginFailed(u"Failed to open the browser"_s);
    }
}

QUrl AuthClient::loginPageUrl(const QString& redirectUri, const QString& state) const
{
    const QString text = u"%1/%2/account/login?client_id=%3&redirect_uri=%4&state=%5"_s.arg(
        m_authBaseUrl, m_realm, QString::fromLatin1(QUrl::toPercentEncoding(m_clientId)),
        QString::fromLatin1(QUrl::toPercentEncoding(redirectUri)), state);
    return QUrl(text, QUrl::TolerantMode);
}

void AuthClient::endSignIn()
{
    if (m_signIn) {
        m_signIn->stop();
        m_signIn->deleteLater();
    }
    m_signIn = nullptr;
}

void AuthClient::handleAuthCallback(const QUrl& url)
{
    const SignInCallback callback = SignInCallback::fromUrl(url);
    if (!m_signIn || (callback.hasState() && !callback.carriesState(m_signIn->state()))) {
        // Not the browser coming back from the sign-in that waits: another
        // page made it up. It signs nobody in, and is no outcome of the
        // sign-in, which goes on waiting for its own.
        qWarning() << "AuthClient: refused a sign-in callback without the state of a waiting sign-in";
        return;
    }
    const bool verified = callback.carriesState(m_signIn->state());
    endSignIn();
    if (!callback.hasTokens()) {
        emit loginFailed(u"No tokens received"_s);
        return;
    }
    if (verified)
        completeSignIn(callback.accessToken(), callback.refreshToken());
    else
        askToConfirm(callback.accessToken(), callback.refreshToken());
}

void AuthClient::completeSignIn(const QString& accessToken, const QString& refreshToken)
{
    m_tokens->setTokens(accessToken, refreshToken);
    // Whoever was cached belongs to the session before.
    m_user = User();
    setState(AuthState::Authenticated);
    emit loginSucceeded();
}

void AuthClient::askToConfirm(const QString& accessToken, const QString& refreshToken)
{
    const quint64 round = ++m_confirmationRound;
    QPointer<AuthClient> self(this);
    // The service names the account, not the token's own claims: nothing
    // here checks a token's signature, so a made-up one could claim any
    // address while its refresh token buys someone else's session.
    m_api->getWithToken(u"/users/me"_s, accessToken,
                        [self, round, accessToken, refreshToken](bool ok, int, const QJsonObject& body) {
                            if (!self || self->m_confirmationRound != round)
                                return;
                            const User user = ok ? User::fromJson(body) : User();
                            if (user.email.isEmpty()) {
                                qWarning() << "AuthClient: the service did not name the account of an unconfirmed "
                                              "sign-in";
                                emit self->loginFailed(u"The account signing in could not be identified"_s);
                                return;
                            }
                            self->m_unconfirmed = TokenPair{accessToken, refreshToken};
                            emit self->signInNeedsConfirmation(user.email);
                        });
}

void AuthClient::confirmSignIn()
{
    if (!m_unconfirmed)
        return;
    const TokenPair pair = *m_unconfirmed;
    dropUnconfirmed();
    completeSignIn(pair.access, pair.refresh);
}

void AuthClient::declineSignIn()
{
    if (!m_unconfirmed)
        return;
    const TokenPair pair = *m_unconfirmed;
    dropUnconfirmed();
    qInfo() << "AuthClient: the user declined the account of an unconfirmed sign-in";
    sendLogout(pair.access, pair.refresh);
}

void AuthClient::dropUnconfirmed()
{
    m_unconfirmed.reset();
    ++m_confirmationRound;
}

void AuthClient::refreshToken(std::function<void(bool succeeded)> callback)
{
    QPointer<AuthClient> self(this);
    m_tokens->refresh([self, callback = std::move(callback)](RefreshResult result) {
        if (self && result == RefreshResult::Rejected)
            self->endRefusedSession();
        if (callback)
            callback(result == RefreshResult::Success);
    });
}

void AuthClient::endRefusedSession()
{
    const bool hadSession = m_state == AuthState::Authenticated || !m_tokens->refreshToken().isEmpty()
                            || !m_tokens->heldAccessToken().isEmpty();
    if (!hadSession) {
        setState(AuthState::Unauthenticated);
        return;
    }
    qWarning() << "AuthClient: the service refused the sign-in; signing out";
    m_tokens->clear();
    m_user = User();
    setState(AuthState::Unauthenticated);
    emit sessionExpired();
}

bool AuthClient::takeUser(bool ok, const QJsonObject& body)
{
    if (!ok)
        return false;
    const User user = User::fromJson(body);
    if (user.id.isEmpty())
        return false;
    m_user = user;
    return true;
}

void AuthClient::fetchCurrentUser(std::function<void(bool ok, User user)> callback)
{
    QPointer<AuthClient> self(this);
    m_api->get(u"/users/me"_s, [self, callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
        if (!self)
            return;
        const bool named = self->takeUser(ok, body);
        if (ok && !named)
            qWarning() << "AuthClient: the answer about the signed-in user names nobody";
        if (callback)
            callback(named, self->m_user);
    });
}

void AuthClient::updateProfile(const QString& displayName, std::function<void(bool ok, User user)> callback)
{
    QPointer<AuthClient> self(this);
    m_api->patch(u"/users/me"_s, {{u"display_name"_s, displayName}},
                 [self, displayName, callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
                     if (!self)
                         return;
                     // A yes that does not echo the user (a 204, say) still
                     // renamed them: the cached name must not stay the old one.
                     if (!self->takeUser(ok, body) && ok)
                         self->m_user.display_name = displayName;
                     if (callback)
                         callback(ok, self->m_user);
                 });
}

void AuthClient::changePassword(const QString& currentPassword, const QString& newPassword,
                                std::function<void(bool ok)> callback)
{
    m_api->post(u"/users/me/password"_s,
                {{u"current_password"_s, currentPassword}, {u"new_password"_s, newPassword}},
                [callback = std::move(callback)](bool ok, int, const QJsonObject&) {
                    if (callback)
                        callback(ok);
                });
}

void AuthClient::listSessions(std::function<void(bool ok, QList<Session> sessions)> callback)
{
    m_api->get(u"/users/me/sessions"_s, listAnswer("sessions"_L1, &Session::fromJson, std::move(callback)));
}

void AuthClient::revokeSession(const QString& sessionId, std::function<void(bool ok)> callback)
{
    const std::optional<QString> segment = pathSegment(sessionId);
    if (!segment) {
        qWarning() << "AuthClient: refused to revoke a session whose id cannot stand in a request path";
        if (callback)
            callback(false);
        return;
    }
    m_api->deleteResource(u"/users/me/sessions/"_s + *segment,
                          [callback = std::move(callback)](bool ok, int, const QJsonObject&) {
                              if (callback)
                                  callback(ok);
                          });
}

void AuthClient::logout()
{
    // Taken before the pair is cleared: the service's session ends only when
    // the request speaks for it, and clearing first would leave it nothing to
    // speak with (or cancel the refresh it waits for).
    const QString access = m_tokens->accessToken();
    const QString refresh = m_tokens->refreshToken();
    sendLogout(access, refresh);
    dropUnconfirmed();

    m_tokens->clear();
    m_user = User();
    setState(AuthState::Unauthenticated);
    emit logoutCompleted();
}

void AuthClient::sendLogout(const QString& accessToken, const QString& refreshToken)
{
    if (!accessToken.isEmpty()) {
        m_api->postWithToken(u"/auth/logout"_s, {}, accessToken, {});
        return;
    }
    if (refreshToken.isEmpty())
        return;
    // The access token has expired: buy one for the sign-out alone. The pair
    // it comes with is never stored, since the user is signing out.
    QPointer<AuthClient> self(this);
    requestTokenRefresh(
        refreshToken,
        [self](const QString& access, const QString&) {
            if (self)
                self->m_api->postWithToken(u"/auth/logout"_s, {}, access, {});
        },
        [](bool) {});
}

QString AuthClient::userId() const
{
    return jwtSubject(m_tokens->accessToken());
}

QString AuthClient::heldUserId() const
{
    return jwtSubject(m_tokens->heldAccessToken());
}

} // namespace TandAccount
