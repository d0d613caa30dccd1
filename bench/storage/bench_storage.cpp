// Register-scale storage work: writing a large import in one transaction and
// reading a long register with running balances.
//
//   build/bench/storage/bench_storage
//
// Targets: the repository insert within 3x of a bare prepared statement,
// listRegisterRows of 100,000 rows under 300 ms, and opening a ten-year
// ledger from a warm cache (its quick check reads every page) under 300 ms.

#include "bench/support/BenchLedger.h"
#include "bench/support/BenchMain.h"
#include "storage/AccountRepository.h"
#include "storage/Database.h"
#include "storage/TransactionRepository.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kRows = 100'000;

struct BenchStore
{
    QTemporaryDir dir;
    Database db;
    std::unique_ptr<AccountRepository> accounts;
    std::unique_ptr<TransactionRepository> transactions;

    BenchStore()
    {
        if (!db.open(dir.filePath(QStringLiteral("bench.db"))))
            qFatal("cannot open the benchmark database: %s", qPrintable(db.lastError()));
        accounts = std::make_unique<AccountRepository>(&db);
        transactions = std::make_unique<TransactionRepository>(&db);
        Account account;
        account.id = QStringLiteral("acct");
        account.name = QStringLiteral("Checking");
        account.starting_balance = 100000;
        accounts->insert(account);
    }
};

QList<Transaction> makeTransactions()
{
    QList<Transaction> rows;
    rows.reserve(kRows);
    const QDateTime created = QDateTime(QDate(2015, 1, 1), QTime(12, 0), Qt::UTC);
    for (int i = 0; i < kRows; ++i) {
        Transaction t;
        t.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        t.account_id = QStringLiteral("acct");
        t.date = QDate(2015, 1, 1).addDays(i / 30);
        t.payee = QStringLiteral("Payee %1").arg(i % 500);
        t.memo = QStringLiteral("memo");
        t.amount = (i % 7 == 0) ? 250000 : -(1000 + i % 9000);
        t.check_number = (i % 10 == 0) ? QString::number(1000 + i) : QString();
        t.cleared = i % 3 == 0;
        t.created_at = created.addSecs(i);
        t.updated_at = t.created_at;
        rows << t;
    }
    return rows;
}

void insertThroughRepository(benchmark::State& state)
{
    const QList<Transaction> rows = makeTransactions();
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<BenchStore>();
        state.ResumeTiming();

        store->db.connection().transaction();
        for (const Transaction& t : rows)
            store->transactions->insert(t);
        store->db.connection().commit();

        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

// The floor: the same rows through one prepared statement, no repository.
void insertWithBarePreparedStatement(benchmark::State& state)
{
    const QList<Transaction> rows = makeTransactions();
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<BenchStore>();
        state.ResumeTiming();

        QSqlDatabase& db = store->db.connection();
        db.transaction();
        {
            QSqlQuery query(db);
            query.prepare(QStringLiteral(
                "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, "
                "cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, "
                "sync_status, server_id, created_at, updated_at) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            const QVariant null(QMetaType::fromType<QString>());
            for (const Transaction& t : rows) {
                query.bindValue(0, t.id);
                query.bindValue(1, t.account_id);
                query.bindValue(2, t.date.toString(Qt::ISODate));
                query.bindValue(3, t.payee);
                query.bindValue(4, t.memo);
                query.bindValue(5, t.amount);
                query.bindValue(6, null);
                query.bindValue(7, t.check_number);
                query.bindValue(8, int(t.cleared));
                query.bindValue(9, int(t.reconciled));
                query.bindValue(10, null);
                query.bindValue(11, null);
                query.bindValue(12, int(t.is_split));
                query.bindValue(13, null);
                query.bindValue(14, t.version);
                query.bindValue(15, QStringLiteral("pending"));
                query.bindValue(16, null);
                query.bindValue(17, t.created_at.toString(Qt::ISODate));
                query.bindValue(18, t.updated_at.toString(Qt::ISODate));
                query.exec();
            }
        }
        db.commit();

        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void registerRowsOfALongAccount(benchmark::State& state)
{
    BenchStore store;
    store.db.connection().transaction();
    for (const Transaction& t : makeTransactions())
        store.transactions->insert(t);
    store.db.connection().commit();

    for (auto _ : state) {
        const QList<RegisterRow> rows = store.transactions->listRegisterRows(QStringLiteral("acct"));
        if (rows.size() != kRows)
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(rows.constData());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

// What start-up pays before the first window: the checks of the file, the
// quick check of every page among them, and the migration record.
void openATenYearLedger(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ledgerine.db"));
    {
        Database db;
        if (!db.open(file))
            qFatal("cannot open the benchmark database: %s", qPrintable(db.lastError()));
        benchledger::fill(db);
    }
    for (auto _ : state) {
        Database db;
        if (!db.open(file))
            state.SkipWithError("the ledger was refused");
    }
    state.counters["file_mb"] = double(QFileInfo(file).size()) / (1024.0 * 1024.0);
}

} // namespace

BENCHMARK(insertThroughRepository)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(insertWithBarePreparedStatement)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(registerRowsOfALongAccount)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(openATenYearLedger)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
