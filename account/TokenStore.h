#pragma once

#include <QString>

#include <optional>

namespace TandAccount {

// Durable storage of the sign-in tokens. The rest of the client sees only
// this contract, so each platform can keep the tokens where it keeps secrets.
class TokenStore
{
public:
    static inline const QString kAccessTokenKey = QStringLiteral("tandrel_access_token");
    static inline const QString kRefreshTokenKey = QStringLiteral("tandrel_refresh_token");

    virtual ~TokenStore() = default;

    // No value when nothing is stored under the key.
    virtual std::optional<QString> read(const QString& key) = 0;
    // Stores or replaces the text; true on success.
    virtual bool write(const QString& key, const QString& value) = 0;
    // True when an entry was deleted.
    virtual bool remove(const QString& key) = 0;
    // Deletes both token entries.
    virtual void clear() = 0;
};

} // namespace TandAccount
