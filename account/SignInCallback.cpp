#include "account/SignInCallback.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QUrlQuery>

#include <array>

namespace TandAccount {

namespace {

bool constantTimeEquals(const QByteArray& a, const QByteArray& b)
{
    // The length of a state is no secret: every one is the same length.
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace

SignInCallback SignInCallback::fromUrl(const QUrl& url)
{
    // A service may answer in the fragment or in the query; whichever holds
    // the access token holds the rest. A browser never sends the fragment,
    // so the listener only ever hands on the query; the fragment is read for
    // the other callers of AuthClient::handleAuthCallback, which may pass the
    // whole address the service redirected to (one handed over by the
    // system, or pasted), fragment and all.
    const QUrlQuery fragment(url.fragment(QUrl::FullyEncoded));
    const QUrlQuery source = fragment.hasQueryItem(QStringLiteral("access_token")) ? fragment : QUrlQuery(url);
    SignInCallback callback;
    callback.m_accessToken = source.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
    callback.m_refreshToken = source.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    callback.m_state = source.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    callback.m_hasState = source.hasQueryItem(QStringLiteral("state"));
    return callback;
}

QString SignInCallback::newState()
{
    std::array<quint32, 8> words;
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    const QByteArray bytes(reinterpret_cast<const char*>(words.data()), qsizetype(sizeof words));
    return QString::fromLatin1(bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

bool SignInCallback::carriesState(const QString& expected) const
{
    if (expected.isEmpty())
        return false;
    return constantTimeEquals(m_state.toUtf8(), expected.toUtf8());
}

} // namespace TandAccount
