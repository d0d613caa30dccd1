#pragma once

#include "account/CredentialVault.h"
#include "account/TokenStore.h"

namespace TandAccount {

// Keeps each token as one credential under the target "Tandrel/<store>/<key>",
// the blob being the token's UTF-8 bytes.
class CredentialManagerTokenStore : public TokenStore
{
public:
    // Keeps the files of the platform layer in "<data dir>/credentials".
    explicit CredentialManagerTokenStore(const QString& storeName);
    // Keeps them in `credentialDirectory` instead.
    CredentialManagerTokenStore(const QString& storeName, const QString& credentialDirectory);

    std::optional<QString> read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;
    bool remove(const QString& key) override;
    void clear() override;

    QString targetName(const QString& key) const;

private:
    QString m_storeName;
    CredentialVault m_vault;
};

} // namespace TandAccount
