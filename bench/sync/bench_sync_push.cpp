// One sync pass pushing a large backlog of pending transactions to the fake
// sync service over loopback. The service runs on its own thread so that its
// work counts neither towards the engine's time nor its event-loop stalls.
//
// Targets: under 10 s for 50,000 pending transactions (10 % of them split),
// no event-loop stall above 250 ms, peak memory under 300 MB.

#include "account/ApiClient.h"
#include "account/TokenManager.h"
#include "bench/support/BenchMain.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/PreferencesRepository.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/SplitLineRepository.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"
#include "sync/SyncEngine.h"
#include "tests/support/FakeSyncService.h"
#include "tests/support/TestTokens.h"

#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

namespace {

constexpr int kTransactions = 50000;
constexpr int kSplitEvery = 10;
constexpr int kProbeIntervalMs = 10;

// The fake service, living on a thread of its own.
class ServiceThread
{
public:
    ServiceThread()
    {
        m_context.moveToThread(&m_thread);
        m_thread.start();
        QMetaObject::invokeMethod(
            &m_context,
            [this] {
                m_service = new FakeSyncService;
                m_service->start();
                m_url = m_service->baseUrl();
            },
            Qt::BlockingQueuedConnection);
    }
    ~ServiceThread()
    {
        QMetaObject::invokeMethod(&m_context, [this] { delete m_service; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    QUrl url() const { return m_url; }

private:
    QThread m_thread;
    QObject m_context;
    FakeSyncService* m_service = nullptr;
    QUrl m_url;
};

bool fillDatabase(Database& database, AccountRepository& accounts, TransactionRepository& transactions,
                  SplitLineRepository& splitLines)
{
    QSqlDatabase db = database.connection();
    if (!db.transaction())
        return false;
    const QDateTime now = nowUtc();
    Account account;
    account.id = QStringLiteral("bench-account");
    account.name = QStringLiteral("Checking");
    account.created_at = now;
    account.updated_at = now;
    accounts.insert(account);

    for (int i = 0; i < kTransactions; ++i) {
        Transaction transaction;
        transaction.id = QStringLiteral("bench-tx-%1").arg(i);
        transaction.account_id = account.id;
        transaction.date = QDate(2020, 1, 1).addDays(i % 2000);
        transaction.payee = QStringLiteral("Payee %1").arg(i % 500);
        transaction.memo = QStringLiteral("Memo for transaction %1").arg(i);
        transaction.amount = -(i % 100000);
        transaction.is_split = i % kSplitEvery == 0;
        transaction.created_at = now;
        transaction.updated_at = now;
        transactions.insert(transaction);
        if (!transaction.is_split)
            continue;
        for (int part = 0; part < 2; ++part) {
            SplitLine line;
            line.id = QStringLiteral("%1-%2").arg(transaction.id).arg(part);
            line.transaction_id = transaction.id;
            line.amount = transaction.amount / 2;
            line.memo = QStringLiteral("part %1").arg(part);
            line.created_at = now;
            line.updated_at = now;
            splitLines.insert(line);
        }
    }
    return db.commit();
}

void BM_PushPendingBacklog(benchmark::State& state)
{
    QTemporaryDir dir;
    Database database;
    if (!database.open(dir.filePath(QStringLiteral("ledgerine.db")))) {
        state.SkipWithError("cannot open the database");
        return;
    }
    AccountRepository accounts(&database);
    TransactionRepository transactions(&database);
    CategoryRepository categories(&database);
    RecurringRepository recurring(&database);
    ReconciliationRepository reconciliations(&database);
    SplitLineRepository splitLines(&database);
    PreferencesRepository preferences(&database);
    if (!fillDatabase(database, accounts, transactions, splitLines)) {
        state.SkipWithError("cannot fill the database");
        return;
    }

    ServiceThread service;
    QHash<QString, QString> storedTokens;
    TandAccount::TokenManager tokens(std::make_unique<MemoryTokenStore>(&storedTokens));
    tokens.setTokens(tokenExpiringIn(3600, QStringLiteral("bench")), QStringLiteral("refresh"));
    TandAccount::ApiClient api(&tokens);
    api.setBaseUrl(service.url());
    SyncEngine engine(&api, &accounts, &transactions, &categories, &recurring, &reconciliations, &splitLines,
                      &preferences);

    qint64 longestStallMs = 0;
    bool failed = false;
    for (auto _ : state) {
        state.PauseTiming();
        transactions.markAllPendingForResync();
        accounts.markAllPendingForResync();
        state.ResumeTiming();

        QElapsedTimer sinceTick;
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            longestStallMs = std::max(longestStallMs, sinceTick.restart() - kProbeIntervalMs);
        });
        QEventLoop loop;
        QObject::connect(&engine, &SyncEngine::syncCompleted, &loop, &QEventLoop::quit);
        QObject::connect(&engine, &SyncEngine::syncFailed, &loop, [&] {
            failed = true;
            loop.quit();
        });

        sinceTick.start();
        probe.start(kProbeIntervalMs);
        // The pass starts from the loop, so the probe sees its first stage too.
        QTimer::singleShot(0, &engine, &SyncEngine::syncNow);
        loop.exec();
        probe.stop();
    }

    if (failed || !transactions.listPending().isEmpty())
        state.SkipWithError("the pass did not push everything");
    state.counters["changes"] = kTransactions + 1;
    state.counters["longest_stall_ms"] = double(longestStallMs);
    state.counters["peak_rss_mb"] = peakRssMb();
}

} // namespace

BENCHMARK(BM_PushPendingBacklog)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char** argv)
{
    // A line per batch is noise here.
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false"));
    return runBenchmarks(argc, argv);
}
