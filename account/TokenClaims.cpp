#include "account/TokenClaims.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

#include <optional>

namespace TandAccount {

namespace {

constexpr qint64 kExpiryMarginSecs = 30;

std::optional<QJsonObject> payloadOf(const QString& token)
{
    const QStringList parts = token.split(QLatin1Char('.'));
    if (parts.size() < 2)
        return std::nullopt;

    const auto decoded = QByteArray::fromBase64Encoding(
        parts.at(1).toLatin1(),
        QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;

    const QJsonDocument document = QJsonDocument::fromJson(*decoded);
    if (!document.isObject())
        return std::nullopt;
    return document.object();
}

} // namespace

qint64 jwtExpiry(const QString& token)
{
    const std::optional<QJsonObject> payload = payloadOf(token);
    if (!payload)
        return 0;
    const QJsonValue exp = payload->value(QLatin1String("exp"));
    // Whole seconds only; a fraction or text is not an expiry we can trust.
    if (!exp.isDouble())
        return 0;
    const double seconds = exp.toDouble();
    const qint64 whole = exp.toInteger();
    return double(whole) == seconds ? whole : 0;
}

QString jwtSubject(const QString& token)
{
    const std::optional<QJsonObject> payload = payloadOf(token);
    return payload ? payload->value(QLatin1String("sub")).toString() : QString();
}

TndClaims decodeClaims(const QString& token)
{
    const std::optional<QJsonObject> payload = payloadOf(token);
    if (!payload)
        return {};
    const QJsonObject tnd = payload->value(QLatin1String("custom")).toObject().value(QLatin1String("tnd")).toObject();
    return {tnd.value(QLatin1String("group_id")).toString(), tnd.value(QLatin1String("role")).toString()};
}

bool isTokenUsableAt(const QString& token, qint64 nowSecsSinceEpoch)
{
    if (token.isEmpty())
        return false;
    const qint64 expiry = jwtExpiry(token);
    return expiry != 0 && nowSecsSinceEpoch < expiry - kExpiryMarginSecs;
}

} // namespace TandAccount
