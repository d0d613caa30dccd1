#include "tests/sync/SyncTestBed.h"

#include "storage/Timestamp.h"
#include "sync/ParkedRecords.h"
#include "tests/support/TestTokens.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

SyncTestBed::SyncTestBed(FakeSyncService* sharedService, const QString& databasePath)
    : service(sharedService ? *sharedService : ownService)
{
    if (!database.open(databasePath.isEmpty() ? dataDir.filePath(QStringLiteral("ledgerine.db")) : databasePath))
        return;
    if (!sharedService && !service.start())
        return;
    tokens = new TandAccount::TokenManager(std::make_unique<MemoryTokenStore>(&storedTokens));
    tokens->setTokens(tokenExpiringIn(3600), QStringLiteral("refresh"));
    api = std::make_unique<TandAccount::ApiClient>(tokens);
    tokens->setParent(api.get());
    api->setBaseUrl(service.baseUrl());
    engine = std::make_unique<SyncEngine>(api.get(), &accounts, &transactions, &categories, &recurring,
                                          &reconciliations, &splitLines, &preferences);
    m_ready = true;
}

SyncTestBed::~SyncTestBed()
{
    engine.reset();
    api.reset();
}

bool SyncTestBed::runPass()
{
    QSignalSpy completed(engine.get(), &SyncEngine::syncCompleted);
    QSignalSpy failed(engine.get(), &SyncEngine::syncFailed);
    engine->syncNow();
    if (!QTest::qWaitFor([&] { return completed.count() + failed.count() > 0; }, 20000))
        return false;
    const QStringList broken = rowsBreakingReferences();
    QTest::qVerify(broken.isEmpty(), "rowsBreakingReferences().isEmpty()", qPrintable(broken.join(u", ")), __FILE__,
                   __LINE__);
    return completed.count() == 1;
}

QStringList SyncTestBed::rowsBreakingReferences()
{
    QSqlQuery check(QSqlDatabase::database());
    if (!check.exec(QStringLiteral("PRAGMA foreign_key_check")))
        return {QStringLiteral("the check failed: ") + check.lastError().text()};
    QStringList rows;
    while (check.next()) {
        rows << QStringLiteral("%1 %2 -> %3")
                    .arg(check.value(0).toString(), check.value(1).toString(), check.value(2).toString());
    }
    return rows;
}

int SyncTestBed::parkedRecordCount()
{
    return ParkedRecords().count().value_or(-1);
}

Account SyncTestBed::addAccount(const QString& id)
{
    Account account;
    account.id = id;
    account.name = QStringLiteral("Account %1").arg(id);
    account.created_at = nowUtc();
    account.updated_at = account.created_at;
    accounts.insert(account);
    return account;
}

Transaction SyncTestBed::addTransaction(const QString& id, const QString& accountId, bool split)
{
    Transaction transaction;
    transaction.id = id;
    transaction.account_id = accountId;
    transaction.date = QDate(2026, 3, 14);
    transaction.payee = QStringLiteral("Payee %1").arg(id);
    transaction.amount = -1234;
    transaction.is_split = split;
    transaction.created_at = nowUtc();
    transaction.updated_at = transaction.created_at;
    transactions.insert(transaction);
    return transaction;
}

void SyncTestBed::addSplitLine(const QString& transactionId, const QString& categoryId, qint64 amount)
{
    SplitLine line;
    line.id = QStringLiteral("%1-%2").arg(transactionId, categoryId);
    line.transaction_id = transactionId;
    line.category_id = categoryId;
    line.amount = amount;
    line.memo = QStringLiteral("part");
    line.created_at = nowUtc();
    line.updated_at = line.created_at;
    splitLines.insert(line);
}

QList<RecordedRequest> SyncTestBed::pushes() const
{
    return service.server()->requestsTo("POST", QStringLiteral("/sync/push"));
}

QList<QJsonObject> SyncTestBed::sentChanges() const
{
    QList<QJsonObject> changes;
    for (const RecordedRequest& request : pushes()) {
        for (const QJsonValue& change : request.json().value(QLatin1String("changes")).toArray())
            changes.append(change.toObject());
    }
    return changes;
}
