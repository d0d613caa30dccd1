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

#include <QHash>
#include <QObject>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class FakeSyncService;

// A sync benchmark's world: an empty database in a temporary folder with its
// repositories, the fake sync service on a thread of its own (so that its
// work counts neither towards the engine's time nor its event-loop stalls),
// and a signed-in engine talking to it over loopback.
class SyncBenchBed
{
public:
    SyncBenchBed();
    ~SyncBenchBed();

    bool ready() const { return m_ready; }

    // Runs `work` on the service's thread and waits for it.
    void onService(const std::function<void(FakeSyncService&)>& work);

    struct PassFigures
    {
        bool completed = false;
        qint64 longestStallMs = 0;
    };
    // One pass, started from the event loop so that the stall probe sees its
    // first stage too.
    PassFigures runPass();

    QTemporaryDir dir;
    Database database;
    AccountRepository accounts{&database};
    TransactionRepository transactions{&database};
    CategoryRepository categories{&database};
    RecurringRepository recurring{&database};
    ReconciliationRepository reconciliations{&database};
    SplitLineRepository splitLines{&database};
    PreferencesRepository preferences{&database};

private:
    QThread m_serviceThread;
    QObject m_serviceContext;
    FakeSyncService* m_service = nullptr;
    QHash<QString, QString> m_storedTokens;
    std::unique_ptr<TandAccount::TokenManager> m_tokens;
    std::unique_ptr<TandAccount::ApiClient> m_api;
    std::unique_ptr<SyncEngine> m_engine;
    bool m_ready = false;
};
