#pragma once

#include <QString>

namespace TandAccount {

// What the application shell tells the account-service client at start-up.
struct ClientConfig
{
    // Base URL of the authentication service.
    QString authBaseUrl;
    // The authentication service's realm slug.
    QString realm;
    QString accountApiUrl;
    // The sign-in client id the login page is opened with.
    QString clientId;
    // Also names the token store and keys the device fingerprint.
    QString appId;
    QString appName;
    QString appVersion;
    // Sent as "X-Platform"; empty means the running system's name.
    QString platform;
};

} // namespace TandAccount
