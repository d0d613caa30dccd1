#pragma once

#include "account/AuthState.h"
#include "account/ClientConfig.h"
#include "account/TokenClaims.h"

#include <QObject>
#include <QString>

#include <memory>

namespace TandAccount {

class AccountClient;
class ApiClient;
class AuthClient;
class TokenManager;
class TokenStore;

// The one way into the account service: owns the token manager, the three
// transports that share it (authentication realm, account API, sync API),
// the authentication client and the account client.
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
    // The claims of the access token held, usable or not: once it has
    // expired, the group and role it names are still the newest known, and
    // the user's role does not lapse with it. Empty when signed out.
    TndClaims heldClaims() const;
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
    AccountClient* accountClient() const { return m_account; }

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
    AccountClient* m_account;
};

} // namespace TandAccount
