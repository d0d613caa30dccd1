#pragma once

#include "sync/PushQueue.h"

#include <QObject>
#include <QString>

#include <functional>

class QJsonObject;
class QTimer;
class AccountRepository;
class CategoryRepository;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;

namespace TandAccount {
class ApiClient;
}

// Keeps the local records and the sync service's copy in step. A pass sends
// every pending local change in batches, one after the other, then takes in
// the service's changes. Passes start on demand, from a debounce timer that
// coalesces bursts of edits, and from a periodic timer; only one pass runs at
// a time, and requests made during a pass give exactly one more pass after it.
// While another writer holds the database in a transaction no pass reads or
// marks anything; it waits for the transaction to end.
class SyncEngine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(SyncState state READ state NOTIFY stateChanged)

public:
    enum SyncState { Idle = 0, Syncing = 1, Error = 2, Offline = 3 };
    Q_ENUM(SyncState)

    static constexpr int kDebounceMs = 2000;
    static constexpr const char* kLastSyncTimestampKey = "lastSyncTimestamp";

    SyncEngine(TandAccount::ApiClient* api, AccountRepository* accounts, TransactionRepository* transactions,
               CategoryRepository* categories, RecurringRepository* recurring,
               ReconciliationRepository* reconciliations, SplitLineRepository* splitLines,
               PreferencesRepository* preferences, QObject* parent = nullptr);

    // Asked at the start of every pass; a closed gate (signed out) skips it.
    void setSyncGate(std::function<bool()> gate);
    void startAutoSync(int intervalMs);
    void stopAutoSync();
    // A pass 2 s after the last of a burst of requests.
    void requestSync();
    void syncNow();

    static QString stateText(SyncState state);
    SyncState state() const { return m_state; }
    QString lastError() const { return m_lastError; }

signals:
    void stateChanged(SyncEngine::SyncState state);
    void syncCompleted();
    void syncFailed(const QString& error);
    void dataChanged();

private:
    void startSync();
    void pushNextBatch();
    void handlePushAnswer(bool ok, int httpStatus, const QJsonObject& body);
    void startPull();
    void deferPass();
    void finishPass();
    void failPass(const QString& error);
    void setState(SyncState state);

    TandAccount::ApiClient* m_api;
    PreferencesRepository* m_preferences;
    QTimer* m_periodicTimer;
    QTimer* m_debounceTimer;
    SyncState m_state = Idle;
    QString m_lastError;
    // The shown state can change during a pass (sign-out, a rejected token),
    // so whether a pass runs is kept apart from it.
    bool m_passInFlight = false;
    bool m_syncAgain = false;
    std::function<bool()> m_gate;
    PushQueue m_pushQueue;
};
