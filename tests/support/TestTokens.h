#pragma once

#include "account/TokenStore.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QString>

// Access tokens shaped like the service's: a Base64URL header, payload and
// signature, unpadded. Nothing checks the signature on the client side.
QString makeToken(const QByteArray& payload);
QString makeToken(const QJsonObject& payload);
// A token of `subject` that expires `seconds` from now (in the past when negative).
QString tokenExpiringIn(qint64 seconds, const QString& subject = QStringLiteral("user-1"));

// Token storage in a hash the test owns, so what a manager wrote stays
// visible after the manager has taken the store.
class MemoryTokenStore : public TandAccount::TokenStore
{
public:
    explicit MemoryTokenStore(QHash<QString, QString>* entries);

    std::optional<QString> read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;
    bool remove(const QString& key) override;
    void clear() override;

private:
    QHash<QString, QString>* m_entries;
};
