#pragma once

#include "account/TokenStore.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace TandAccount {

enum class RefreshResult {
    Success = 0,
    // The service refused the refresh token, or there was none to send.
    Rejected = 1,
    // The refresh failed for another reason; the tokens may still be good.
    TransientFailure = 2,
};

// Holds the token pair in memory and in its store, and runs refreshes one at
// a time: every caller that asks while a refresh is in flight waits for it.
class TokenManager : public QObject
{
    Q_OBJECT

public:
    using RefreshSucceeded = std::function<void(const QString& accessToken, const QString& refreshToken)>;
    using RefreshFailed = std::function<void(bool rejected)>;
    // Must call exactly one of the two completions, once, now or later.
    using Refresher = std::function<void(const QString& refreshToken, RefreshSucceeded, RefreshFailed)>;
    using Waiter = std::function<void(RefreshResult)>;

    TokenManager(std::unique_ptr<TokenStore> store, QObject* parent = nullptr);
    ~TokenManager() override;

    // Loading, setting or clearing the pair ends the session a refresh in
    // flight was started for: that refresh stores nothing when it completes,
    // and its waiters go on with the pair held then (Success when its access
    // token is usable, else the outcome of a refresh of that pair).
    void loadTokens();
    // Store failures are not reported: the pair in memory still holds for
    // this run, and the user signs in again after a restart.
    void setTokens(const QString& access, const QString& refresh);
    void clear();

    // Empty unless the access token is usable (see isTokenUsableAt).
    QString accessToken() const;
    // The access token as held, usable or not.
    QString heldAccessToken() const { return m_accessToken; }
    QString refreshToken() const { return m_refreshToken; }
    bool needsRefresh() const;

    void setRefresher(Refresher refresher);
    // Obtains a new pair, single-flight. The waiter may be empty.
    void refresh(Waiter waiter);

private:
    // One refresh and the callers waiting for it. `generation` is the pair
    // it was started for; once the pair is replaced or cleared its answer
    // belongs to a session that is over.
    struct Flight
    {
        quint64 generation = 0;
        QList<Waiter> waiters;
        bool answered = false;
    };

    // Called whenever the pair changes; makes a refresh in flight stale.
    void startNewGeneration();
    void completeRefresh(const std::shared_ptr<Flight>& flight, RefreshResult result, const QString& access = {},
                         const QString& refresh = {});
    void retryWithCurrentPair(const Waiter& waiter);

    std::unique_ptr<TokenStore> m_store;
    QString m_accessToken;
    QString m_refreshToken;
    Refresher m_refresher;

    // Guards the two members below. Never held while a refresher or a waiter
    // runs, so a waiter may start the next refresh at once.
    QMutex m_mutex;
    quint64 m_generation = 0;
    std::shared_ptr<Flight> m_flight;
};

} // namespace TandAccount
