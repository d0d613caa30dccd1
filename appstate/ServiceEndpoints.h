#pragma once

#include "account/ClientConfig.h"

#include <QUrl>

// Where the account and sync services are: the maker's, unless the
// environment names others (AUTH_BASE_URL, AUTH_REALM_SLUG, ACCOUNT_API_URL,
// AUTH_CLIENT_ID, SYNC_API_URL; a variable counts only when set and not
// empty). Tests point every address at this machine.
namespace ServiceEndpoints {

// Names the token store and keys the device fingerprint, so it never changes.
inline constexpr char kApplicationId[] = "ledgerine";

// What the account-service client is built from; the version is the
// application object's.
TandAccount::ClientConfig clientConfig();
QUrl syncApiUrl();

} // namespace ServiceEndpoints
