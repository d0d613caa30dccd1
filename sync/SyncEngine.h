#pragma once

#include "sync/PullPageApplier.h"
#include "sync/PushQueue.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSet>
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
class SyncedRepository;
class TransactionRepository;

namespace TandAccount {
class ApiClient;
}

// Keeps the local records and the sync service's copy in step. A pass sends
// every pending local change in batches, one after the other, then takes in
// the service's changes. Passes start on demand, from a debounce timer that
// coalesces bursts of edits, and from a periodic timer; only one pass runs at
// a time, and requests made during a pass give exactly one more pass after it.
// After the push a pass pulls the service's changes page by page from the
// stored cursor, at most kMaxPullPages a pass, and writes each page whole. A
// pass that meets the bound asks for another, a few times in a row at most;
// a service that never runs out of pages then waits for the regular sync. A
// cursor the service sends twice in one pass ends the pass as a failure,
// since asking on would only bring the same pages again.
// The windows learn what a page changed from the repositories' change
// signals, once per changed repository; a pass that brings nothing new
// announces nothing.
// While another writer holds the database in a transaction no pass reads,
// marks or writes anything; it waits for the transaction to end, and ends in
// Error when that takes longer than the wait limit.
// Every pass has a number, and each answer of the service is taken only by
// the pass that asked for it: a pass dropped meanwhile (the sync started
// over, the user signed out) stores nothing of what arrives for it.
class SyncEngine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(SyncState state READ state NOTIFY stateChanged)

public:
    enum SyncState { Idle = 0, Syncing = 1, Error = 2, Offline = 3 };
    Q_ENUM(SyncState)

    static constexpr int kDebounceMs = 2000;
    static constexpr int kPullPageSize = 200;
    static constexpr int kMaxPullPages = 50;
    static constexpr int kPassesInARowAtTheBound = 3;
    static constexpr int kDefaultWaitLimitMs = 120000;
    static constexpr const char* kLastSyncTimestampKey = "lastSyncTimestamp";

    // What a restart does with the local rows already synced.
    enum class LocalRows { KeepSyncMarks, SendAgain };

    SyncEngine(TandAccount::ApiClient* api, AccountRepository* accounts, TransactionRepository* transactions,
               CategoryRepository* categories, RecurringRepository* recurring,
               ReconciliationRepository* reconciliations, SplitLineRepository* splitLines,
               PreferencesRepository* preferences, QObject* parent = nullptr);

    // Asked at the start of every pass; a closed gate (signed out) skips it.
    void setSyncGate(std::function<bool()> gate);
    void startAutoSync(int intervalMs);
    void stopAutoSync();
    // A pass 2 s after the last of a burst of requests; the writes of the
    // pull itself ask for none.
    void requestSync();
    // The user signed out: the pass that runs now ends, and nothing that
    // still arrives for it is stored; requests waiting for a pass are dropped.
    void abandonPass();
    void syncNow();
    // How long a pass waits for another writer's transaction to end.
    void setWaitLimit(int milliseconds);
    // The next pull starts from the beginning: the cursor, the time of the
    // last sync and the records waiting for their account are removed, and
    // with SendAgain every live local row is set pending to be pushed again.
    // A pass that runs now is dropped; the caller asks for the next one.
    // Written in one transaction: false (with a log line) when it could not
    // be, and then nothing changed.
    bool restartFromBeginning(LocalRows localRows = LocalRows::KeepSyncMarks);

    static QString stateText(SyncState state);
    SyncState state() const { return m_state; }
    QString lastError() const { return m_lastError; }
    // Records the service sent that this version cannot read yet (with the
    // records that wait for them): kept, and read once a version can.
    int recordsNotReadable() const;

signals:
    void stateChanged(SyncEngine::SyncState state);
    void syncCompleted();
    void syncFailed(const QString& error);

private:
    void startSync();
    void pushNextBatch();
    void handlePushAnswer(bool ok, int httpStatus, const QJsonObject& body);
    void startPull();
    void pullChanges(const QString& cursor);
    void handlePullAnswer(const QString& requestCursor, bool ok, int httpStatus, const QJsonObject& body);
    void checkIntegrity(const QJsonObject& integrity);
    // Whether an answer asked for by pass `pass` still has a pass to go to.
    bool isCurrentPass(quint64 pass) const;
    // Ends the pass that runs now without another word: answers still out
    // for it are dropped when they come.
    void dropRunningPass();
    void deferPass();
    // Logs what the pages of the pass left behind them.
    void reportPulledRecords();
    void finishPass();
    void failPass(const QString& error);
    void setState(SyncState state);

    TandAccount::ApiClient* m_api;
    CategoryRepository* m_categories;
    TransactionRepository* m_transactions;
    // The synced tables, for a restart that sends every row again.
    QList<SyncedRepository*> m_syncedTables;
    PreferencesRepository* m_preferences;
    QTimer* m_periodicTimer;
    QTimer* m_debounceTimer;
    SyncState m_state = Idle;
    QString m_lastError;
    // The shown state can change during a pass (sign-out, a rejected token),
    // so whether a pass runs is kept apart from it.
    bool m_passInFlight = false;
    // The number of the pass that runs or ran last.
    quint64 m_pass = 0;
    bool m_syncAgain = false;
    std::function<bool()> m_gate;
    PushQueue m_pushQueue;
    PullPageApplier m_pullApplier;
    int m_pullPages = 0;
    bool m_pulledRecords = false;
    // The cursors of the pass so far, the one it started from included.
    QSet<QString> m_passCursors;
    int m_passesAtTheBound = 0;
    bool m_writingPage = false;
    // Runs while a pass waits for another writer, across its tries.
    QElapsedTimer m_waitingSince;
    int m_waitLimitMs = kDefaultWaitLimitMs;
};
