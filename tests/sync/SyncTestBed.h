#pragma once

#include "account/ApiClient.h"
#include "account/TokenManager.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/PreferencesRepository.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/SplitLineRepository.h"
#include "storage/TransactionRepository.h"
#include "sync/SyncEngine.h"
#include "tests/support/FakeSyncService.h"
#include "tests/support/TestDataDir.h"

#include <memory>

// A signed-in engine over a fresh database, talking to a fake sync service
// on the loopback interface. Beds may share one service and, one after the
// other, one database file: two devices syncing through the service. Only one
// bed may live at a time, since every database is Qt's default connection.
class SyncTestBed
{
public:
    // With `sharedService`, talks to that service instead of one of its own;
    // with `databasePath`, opens that file instead of a fresh one.
    explicit SyncTestBed(FakeSyncService* sharedService = nullptr, const QString& databasePath = {});
    ~SyncTestBed();

    // False when the database or the service could not be set up.
    bool ready() const { return m_ready; }

    // Runs one pass to its end; true when it completed without failure.
    // Whatever its end, a row of the ledger that points at a missing parent
    // fails the running test.
    bool runPass();
    // Each row that breaks a reference, as "<table> <rowid> -> <parent>".
    static QStringList rowsBreakingReferences();
    // How many records wait for their account.
    static int parkedRecordCount();

    Account addAccount(const QString& id);
    Transaction addTransaction(const QString& id, const QString& accountId, bool split = false);
    void addSplitLine(const QString& transactionId, const QString& categoryId, qint64 amount);
    QList<RecordedRequest> pushes() const;
    // Every "change" sent to "/sync/push", over all requests.
    QList<QJsonObject> sentChanges() const;

    TestDataDir dataDir;
    Database database;
    AccountRepository accounts{&database};
    TransactionRepository transactions{&database};
    CategoryRepository categories{&database};
    RecurringRepository recurring{&database};
    ReconciliationRepository reconciliations{&database};
    SplitLineRepository splitLines{&database};
    PreferencesRepository preferences{&database};
    FakeSyncService ownService;
    FakeSyncService& service;
    QHash<QString, QString> storedTokens;
    TandAccount::TokenManager* tokens = nullptr;
    std::unique_ptr<TandAccount::ApiClient> api;
    std::unique_ptr<SyncEngine> engine;

private:
    bool m_ready = false;
};
