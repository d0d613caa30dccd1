#include "account/TokenManager.h"

#include "account/TokenClaims.h"

#include <QDateTime>
#include <QPointer>

namespace TandAccount {

TokenManager::TokenManager(std::unique_ptr<TokenStore> store, QObject* parent)
    : QObject(parent)
    , m_store(std::move(store))
{
}

TokenManager::~TokenManager() = default;

void TokenManager::loadTokens()
{
    startNewGeneration();
    m_accessToken = m_store->read(TokenStore::kAccessTokenKey).value_or(QString());
    m_refreshToken = m_store->read(TokenStore::kRefreshTokenKey).value_or(QString());
}

void TokenManager::setTokens(const QString& access, const QString& refresh)
{
    startNewGeneration();
    m_accessToken = access;
    m_refreshToken = refresh;
    m_store->write(TokenStore::kAccessTokenKey, access);
    m_store->write(TokenStore::kRefreshTokenKey, refresh);
}

void TokenManager::clear()
{
    startNewGeneration();
    m_accessToken.clear();
    m_refreshToken.clear();
    m_store->clear();
}

void TokenManager::startNewGeneration()
{
    // A refresh in flight keeps its own callers; whoever asks from now on
    // waits for a refresh of the new pair instead.
    QMutexLocker lock(&m_mutex);
    ++m_generation;
    m_flight.reset();
}

QString TokenManager::accessToken() const
{
    return isTokenUsableAt(m_accessToken, QDateTime::currentSecsSinceEpoch()) ? m_accessToken : QString();
}

bool TokenManager::needsRefresh() const
{
    if (isTokenUsableAt(m_accessToken, QDateTime::currentSecsSinceEpoch()))
        return false;
    return !m_refreshToken.isEmpty();
}

void TokenManager::setRefresher(Refresher refresher)
{
    m_refresher = std::move(refresher);
}

void TokenManager::refresh(Waiter waiter)
{
    m_mutex.lock();
    if (m_flight) {
        if (waiter)
            m_flight->waiters.append(std::move(waiter));
        m_mutex.unlock();
        return;
    }

    if (m_refreshToken.isEmpty() || !m_refresher) {
        m_mutex.unlock();
        if (waiter)
            waiter(RefreshResult::Rejected);
        return;
    }

    auto flight = std::make_shared<Flight>();
    flight->generation = m_generation;
    if (waiter)
        flight->waiters.append(std::move(waiter));
    m_flight = flight;
    const QString refreshToken = m_refreshToken;
    m_mutex.unlock();

    // A refresher that answers twice, or after the manager is gone, must not
    // answer the waiters of a later refresh or touch freed memory.
    QPointer<TokenManager> self(this);
    m_refresher(
        refreshToken,
        [self, flight](const QString& access, const QString& refresh) {
            if (!self || std::exchange(flight->answered, true))
                return;
            self->completeRefresh(flight, RefreshResult::Success, access, refresh);
        },
        [self, flight](bool rejected) {
            if (!self || std::exchange(flight->answered, true))
                return;
            self->completeRefresh(flight, rejected ? RefreshResult::Rejected : RefreshResult::TransientFailure);
        });
}

void TokenManager::completeRefresh(const std::shared_ptr<Flight>& flight, RefreshResult result,
                                   const QString& access, const QString& refresh)
{
    m_mutex.lock();
    const bool current = flight->generation == m_generation;
    if (current)
        m_flight.reset();
    const QList<Waiter> waiters = std::exchange(flight->waiters, {});
    m_mutex.unlock();

    if (!current) {
        // The pair was cleared (sign-out) or replaced (another sign-in) while
        // this refresh ran: whatever it brings back belongs to a session that
        // is over and is not stored. Its callers are not refused for that:
        // they go on with the pair held now.
        for (const Waiter& w : waiters)
            retryWithCurrentPair(w);
        return;
    }
    if (result == RefreshResult::Success)
        setTokens(access, refresh);
    for (const Waiter& w : waiters)
        w(result);
}

void TokenManager::retryWithCurrentPair(const Waiter& waiter)
{
    // A fresh sign-in usually brings a usable access token; only without one
    // does the caller wait for a refresh of the current pair (which, after a
    // sign-out, is refused at once: there is nothing to send).
    if (isTokenUsableAt(m_accessToken, QDateTime::currentSecsSinceEpoch()))
        waiter(RefreshResult::Success);
    else
        refresh(waiter);
}

} // namespace TandAccount
