#pragma once

#include <QString>

namespace TandAccount {

// The application's own claims in an access token.
struct TndClaims
{
    QString group_id;
    QString role;

    bool operator==(const TndClaims&) const = default;
};

// Readers of an access token's payload. The signature is not checked: the
// service checks it, the client only needs to know when to refresh and whom
// it holds. A token that cannot be read gives 0, an empty text or empty claims.

// Seconds since 1970-01-01 UTC. 64 bits, so tokens expiring after 2038 work.
qint64 jwtExpiry(const QString& token);
QString jwtSubject(const QString& token);
TndClaims decodeClaims(const QString& token);

// A token is dropped 30 s before its expiry, so a request sent with it does
// not expire on the way; one without a readable expiry is never usable.
bool isTokenUsableAt(const QString& token, qint64 nowSecsSinceEpoch);

} // namespace TandAccount
