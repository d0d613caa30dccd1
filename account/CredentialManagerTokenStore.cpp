#include "account/CredentialManagerTokenStore.h"

#include "storage/Database.h"

#include <QDir>

namespace TandAccount {

CredentialManagerTokenStore::CredentialManagerTokenStore(const QString& storeName)
    : CredentialManagerTokenStore(storeName, QDir(Database::dataDirectory()).filePath(QStringLiteral("credentials")))
{
}

CredentialManagerTokenStore::CredentialManagerTokenStore(const QString& storeName,
                                                         const QString& credentialDirectory)
    : m_storeName(storeName)
    , m_vault(credentialDirectory)
{
}

QString CredentialManagerTokenStore::targetName(const QString& key) const
{
    return QStringLiteral("Tandrel/%1/%2").arg(m_storeName, key);
}

std::optional<QString> CredentialManagerTokenStore::read(const QString& key)
{
    const std::optional<QByteArray> blob = m_vault.read(targetName(key));
    if (!blob)
        return std::nullopt;
    return QString::fromUtf8(*blob);
}

bool CredentialManagerTokenStore::write(const QString& key, const QString& value)
{
    return m_vault.write(targetName(key), value.toUtf8());
}

bool CredentialManagerTokenStore::remove(const QString& key)
{
    return m_vault.remove(targetName(key));
}

void CredentialManagerTokenStore::clear()
{
    remove(kAccessTokenKey);
    remove(kRefreshTokenKey);
}

} // namespace TandAccount
