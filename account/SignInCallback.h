#pragma once

#include <QString>
#include <QUrl>

namespace TandAccount {

// What the service's redirect to the sign-in listener carries: the two
// tokens and, from a service that echoes it, the state the login page was
// opened with, in the address's fragment or else its query.
class SignInCallback
{
public:
    static SignInCallback fromUrl(const QUrl& url);
    // A random state of 256 bits for a new sign-in, safe in a URL as it is.
    static QString newState();

    QString accessToken() const { return m_accessToken; }
    QString refreshToken() const { return m_refreshToken; }
    bool hasTokens() const { return !m_accessToken.isEmpty() && !m_refreshToken.isEmpty(); }
    // Whether the redirect names a state at all, even an empty one. A service
    // that does not echo the state names none; any other page may name none
    // either, so such a callback proves nothing about where it came from.
    bool hasState() const { return m_hasState; }
    // Whether the callback answers the sign-in started with `expected`.
    // Compared in constant time, so the time taken tells nothing of how much
    // of a guess was right; an empty state never matches.
    bool carriesState(const QString& expected) const;

private:
    QString m_accessToken;
    QString m_refreshToken;
    QString m_state;
    bool m_hasState = false;
};

} // namespace TandAccount
