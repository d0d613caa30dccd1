#include "tests/support/FakeServices.h"

#include "account/Client.h"
#include "account/ClientConfig.h"
#include "account/TokenStore.h"
#include "tests/support/TestTokens.h"

#include <QtGlobal>

namespace {

const QString kRealm = QStringLiteral("tandrel");
const char* const kAddressVariables[] = {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL", "AUTH_CLIENT_ID"};

} // namespace

FakeServices::FakeServices(AccountApi accountApi)
    : auth(kRealm)
    , accounts(&auth)
    , m_accountApi(accountApi)
{
    for (const char* name : kAddressVariables)
        m_saved.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
}

FakeServices::~FakeServices()
{
    for (const SavedVariable& variable : m_saved) {
        if (variable.wasSet)
            qputenv(variable.name, variable.value);
        else
            qunsetenv(variable.name);
    }
}

bool FakeServices::start()
{
    if (!auth.start() || !sync.start())
        return false;
    if (m_accountApi == AccountApi::Served && !accounts.start())
        return false;
    const QUrl accountApi = m_accountApi == AccountApi::Served ? accounts.baseUrl() : auth.baseUrl();
    qputenv("AUTH_BASE_URL", auth.baseUrl().toEncoded());
    qputenv("ACCOUNT_API_URL", accountApi.toEncoded());
    qputenv("SYNC_API_URL", sync.baseUrl().toEncoded());
    qputenv("AUTH_CLIENT_ID", FakeAuthService::kClientId);
    return true;
}

void FakeServices::addPerson(const QString& name, const QString& displayName)
{
    const QString accountId = QStringLiteral("acc-") + name;
    const QString email = name + QStringLiteral("@example.org");
    accounts.addUser({accountId, QStringLiteral("user-") + name, email, displayName});
    sync.addShareUser(accountId, email, displayName);
}

std::unique_ptr<TandAccount::Client> FakeServices::signedInClient(const QString& authUserId)
{
    const FakeAuthService::TokenPair pair = auth.signIn(authUserId);
    m_clientTokens = {{TandAccount::TokenStore::kAccessTokenKey, pair.access},
                      {TandAccount::TokenStore::kRefreshTokenKey, pair.refresh}};
    TandAccount::ClientConfig config;
    config.authBaseUrl = auth.baseUrl().toString();
    config.realm = kRealm;
    config.accountApiUrl = accounts.baseUrl().toString();
    config.appId = QStringLiteral("ledgerine-test");
    auto client = std::make_unique<TandAccount::Client>(config, std::make_unique<MemoryTokenStore>(&m_clientTokens));
    client->initialize();
    return client;
}
