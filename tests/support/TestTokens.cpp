#include "tests/support/TestTokens.h"

#include <QDateTime>
#include <QJsonDocument>

namespace {

QByteArray base64Url(const QByteArray& bytes)
{
    return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

} // namespace

QString makeToken(const QByteArray& payload)
{
    return QString::fromLatin1(base64Url(R"({"alg":"none"})") + '.' + base64Url(payload) + '.' + base64Url("sig"));
}

QString makeToken(const QJsonObject& payload)
{
    return makeToken(QJsonDocument(payload).toJson(QJsonDocument::Compact));
}

QString tokenExpiringIn(qint64 seconds, const QString& subject)
{
    return makeToken(QJsonObject{{QStringLiteral("sub"), subject},
                                 {QStringLiteral("exp"), QDateTime::currentSecsSinceEpoch() + seconds}});
}

MemoryTokenStore::MemoryTokenStore(QHash<QString, QString>* entries)
    : m_entries(entries)
{
}

std::optional<QString> MemoryTokenStore::read(const QString& key)
{
    const auto entry = m_entries->constFind(key);
    if (entry == m_entries->constEnd())
        return std::nullopt;
    return *entry;
}

bool MemoryTokenStore::write(const QString& key, const QString& value)
{
    m_entries->insert(key, value);
    return true;
}

bool MemoryTokenStore::remove(const QString& key)
{
    return m_entries->remove(key);
}

void MemoryTokenStore::clear()
{
    remove(kAccessTokenKey);
    remove(kRefreshTokenKey);
}
