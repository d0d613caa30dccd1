#pragma once

#include "account/AuthState.h"
#include "account/ClientConfig.h"
#include "account/TokenClaims.h"

#include <QObject>
#include <QString>

#include <memory>

namespace TandAccount {

class ApiClient;
class AuthClient;
class TokenManager;
class TokenStore;

// The one way into the account service: owns the token manager, the three
// transports that share it (authentication realm, account API, sync API)
// and the authentication client.
class Client : public QObject
{
    Q_OBJECT

public:
    // Keeps the tokens in the platform's credential store under the
    // application id.
    explicit Client(const ClientConfig& config, QObject* parent = nullptr);
    // Keeps them in `tokenStore` instead.
    Client(const ClientConfig& config, std::unique_ptr<TokenStore> tokenStore, QObject* parent = nullptr);

    // Restores the sign-in from the stored tokens; once, after construction.
    void initialize();

    bool isAuthenticated() const;
    // The claims of the usable access token; empty without one.
    TndClaims claims() const;
    const ClientConfig& config() const { return m_config; }

    // A configured text as given; otherwise the running system's name in
    // lower case ("linux", "macos", "windows").
    static QString platformName(const QString& configured);

    TokenManager* tokenManager() const { return m_tokens; }
    ApiClient* authApiClient() const { return m_authApi; }
    ApiClient* accountApiClient() const { return m_accountApi; }
    // Has no base URL until the application shell gives it the sync API's.
    ApiClient* syncApiClient() const { return m_syncApi; }
    AuthClient* authClient() const { return m_auth; }

signals:
    void authStateChanged(TandAccount::AuthState state);
    // Follows authStateChanged(Authenticated).
    void claimsUpdated(const TandAccount::TndClaims& claims);

private:
    ClientConfig m_config;
    TokenManager* m_tokens;
    ApiClient* m_authApi;
    ApiClient* m_accountApi;
    ApiClient* m_syncApi;
    AuthClient* m_auth;
};

} // namespace TandAccount
