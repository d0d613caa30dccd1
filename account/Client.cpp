#include "account/Client.h"

#include "account/AccountClient.h"
#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/CredentialManagerTokenStore.h"
#include "account/TokenManager.h"

#include <QSysInfo>

namespace TandAccount {

Client::Client(const ClientConfig& config, QObject* parent)
    : Client(config, std::make_unique<CredentialManagerTokenStore>(config.appId), parent)
{
}

Client::Client(const ClientConfig& config, std::unique_ptr<TokenStore> tokenStore, QObject* parent)
    : QObject(parent)
    , m_config(config)
    , m_tokens(new TokenManager(std::move(tokenStore), this))
    , m_authApi(new ApiClient(m_tokens, this))
    , m_accountApi(new ApiClient(m_tokens, this))
    , m_syncApi(new ApiClient(m_tokens, this))
{
    const QString platform = platformName(config.platform);
    m_authApi->setBaseUrl(
        QUrl(QStringLiteral("%1/api/v1/realms/%2").arg(config.authBaseUrl, config.realm), QUrl::TolerantMode));
    m_accountApi->setBaseUrl(QUrl(config.accountApiUrl, QUrl::TolerantMode));
    for (ApiClient* api : {m_authApi, m_accountApi, m_syncApi})
        api->setAppInfo(config.appId, config.appVersion, platform);

    m_auth = new AuthClient(config.authBaseUrl, config.realm, config.clientId, m_authApi, m_tokens, this);
    connect(m_auth, &AuthClient::stateChanged, this, [this](AuthState state) {
        emit authStateChanged(state);
        if (state == AuthState::Authenticated)
            emit claimsUpdated(claims());
    });
    // A refusal on any transport ends the sign-in everywhere: the program
    // then asks the user to sign in instead of failing every request.
    for (ApiClient* api : {m_authApi, m_accountApi, m_syncApi})
        connect(api, &ApiClient::authenticationRequired, m_auth, &AuthClient::endRefusedSession);

    m_account = new AccountClient(m_accountApi, m_auth, config, this);
}

void Client::initialize()
{
    m_auth->initialize();
}

bool Client::isAuthenticated() const
{
    return m_auth->isAuthenticated();
}

TndClaims Client::claims() const
{
    return decodeClaims(m_tokens->accessToken());
}

TndClaims Client::heldClaims() const
{
    return decodeClaims(m_tokens->heldAccessToken());
}

QString Client::platformName(const QString& configured)
{
    if (!configured.isEmpty())
        return configured;
    const QString kernel = QSysInfo::kernelType().toLower();
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("macos");
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("windows");
    return kernel;
}

} // namespace TandAccount
