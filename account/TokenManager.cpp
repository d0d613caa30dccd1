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
    m_accessToken = m_store->read(TokenStore::kAccessTokenKey).value_or(QString());
    m_refreshToken = m_store->read(TokenStore::kRefreshTokenKey).value_or(QString());
}

void TokenManager::setTokens(const QString& access, const QString& refresh)
{
    m_accessToken = access;
    m_refreshToken = refresh;
    m_store->write(TokenStore::kAccessTokenKey, access);
    m_store->write(TokenStore::kRefreshTokenKey, refresh);
}

void TokenManager::clear()
{
    m_accessToken.clear();
    m_refreshToken.clear();
    m_store->clear();
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
    if (waiter)
        m_waiters.append(std::move(waiter));

    if (m_refreshInFlight) {
        m_mutex.unlock();
        return;
    }

    if (m_refreshToken.isEmpty() || !m_refresher) {
        const QList<Waiter> waiters = std::exchange(m_waiters, {});
        m_mutex.unlock();
        for (const Waiter& w : waiters)
            w(RefreshResult::Rejected);
        return;
    }

    m_refreshInFlight = true;
    const QString refreshToken = m_refreshToken;
    m_mutex.unlock();

    // A refresher that answers twice, or after the manager is gone, must not
    // answer the waiters of a later refresh or touch freed memory.
    QPointer<TokenManager> self(this);
    auto answered = std::make_shared<bool>(false);
    m_refresher(
        refreshToken,
        [self, answered](const QString& access, const QString& refresh) {
            if (!self || std::exchange(*answered, true))
                return;
            self->setTokens(access, refresh);
            self->finishRefresh(RefreshResult::Success);
        },
        [self, answered](bool rejected) {
            if (!self || std::exchange(*answered, true))
                return;
            self->finishRefresh(rejected ? RefreshResult::Rejected : RefreshResult::TransientFailure);
        });
}

void TokenManager::finishRefresh(RefreshResult result)
{
    m_mutex.lock();
    m_refreshInFlight = false;
    const QList<Waiter> waiters = std::exchange(m_waiters, {});
    m_mutex.unlock();
    for (const Waiter& w : waiters)
        w(result);
}

} // namespace TandAccount
