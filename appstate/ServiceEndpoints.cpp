#include "appstate/ServiceEndpoints.h"

#include <QCoreApplication>
#include <QtGlobal>

namespace ServiceEndpoints {

namespace {

const QString kAuthBaseUrl = QStringLiteral("https://auth.tandrel.com");
const QString kAccountApiUrl = QStringLiteral("https://account.tandrel.com/api/v1");
const QString kSyncApiUrl = QStringLiteral("https://sync.tandrel.com/ledgerine/api/v1");
const QString kRealm = QStringLiteral("tandrel");
const QString kClientId = QStringLiteral("5e0d7a2c9b14f8e36a0c4d7b2f91e5a8");
const QString kApplicationName = QStringLiteral("Tandrel Ledgerine");

QString fromEnvironment(const char* variable, const QString& builtIn)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? builtIn : value;
}

} // namespace

TandAccount::ClientConfig clientConfig()
{
    TandAccount::ClientConfig config;
    config.authBaseUrl = fromEnvironment("AUTH_BASE_URL", kAuthBaseUrl);
    config.realm = fromEnvironment("AUTH_REALM_SLUG", kRealm);
    config.accountApiUrl = fromEnvironment("ACCOUNT_API_URL", kAccountApiUrl);
    config.clientId = fromEnvironment("AUTH_CLIENT_ID", kClientId);
    config.appId = QString::fromLatin1(kApplicationId);
    config.appName = kApplicationName;
    config.appVersion = QCoreApplication::applicationVersion();
    return config;
}

QUrl syncApiUrl()
{
    return QUrl(fromEnvironment("SYNC_API_URL", kSyncApiUrl), QUrl::TolerantMode);
}

} // namespace ServiceEndpoints
