#include "tests/sync/SyncTestBed.h"

#include "storage/RecordSchema.h"
#include "storage/Timestamp.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QSet>
#include <QSignalSpy>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

QSet<QString> keysOf(const QJsonObject& object)
{
    const QStringList keys = object.keys();
    return QSet<QString>(keys.cbegin(), keys.cend());
}

QSet<QString> setOf(std::initializer_list<const char*> names)
{
    QSet<QString> set;
    for (const char* name : names)
        set.insert(QString::fromLatin1(name));
    return set;
}

const QSet<QString> kChangeKeys = setOf({"entity_type", "entity_id", "action", "version", "payload"});

// A live, pending record whose every column holds a value of its own, and
// whose neighbouring flags differ, so that a field taken from the column
// beside it shows. Choices are the caller's to set.
template <typename Record>
Record distinctRecord(const QString& id, int seed)
{
    Record record;
    bool flag = true;
    int n = seed;
    for (const Column<Record>& column : RecordSchema<Record>::columns()) {
        ++n;
        switch (column.kind) {
        case ColumnKind::Text:
        case ColumnKind::Link:
            column.read(record, QStringLiteral("%1-%2").arg(QLatin1String(column.name)).arg(n));
            break;
        case ColumnKind::Flag:
            column.read(record, std::exchange(flag, !flag) ? 1 : 0);
            break;
        case ColumnKind::Int:
        case ColumnKind::Money:
            column.read(record, n * 1001);
            break;
        case ColumnKind::Date:
            column.read(record, toIsoDate(QDate(2026, 1, 1).addDays(n)));
            break;
        case ColumnKind::Timestamp:
            column.read(record, toIsoUtc(QDateTime(QDate(2026, 2, 1), QTime(8, 0), Qt::UTC).addSecs(n * 60)));
            break;
        case ColumnKind::Choice:
            break;
        }
    }
    record.id = id;
    record.deleted_at.reset();
    record.sync_status = SyncStatus::Pending;
    return record;
}

// Each column of `record` as the push sends it, key by key.
template <typename Record>
void verifyPayload(const Record& record, const QHash<QString, QJsonObject>& changes)
{
    const QJsonObject change = changes.value(record.id);
    QCOMPARE(change.value("version").toInt(), record.version);
    const QJsonObject payload = change.value("payload").toObject();
    QCOMPARE(payload.value("client_id").toString(), record.id);
    for (const Column<Record>& column : RecordSchema<Record>::columns()) {
        const QString key = QLatin1String(column.name);
        // A recurring item sends its version with the change alone.
        if (key == "id" || key == "sync_status" || key == "deleted_at" || (key == "version" && !payload.contains(key)))
            continue;
        const QJsonValue expected = QJsonValue::fromVariant(column.write(record));
        QVERIFY2(payload.value(key) == expected,
                 qPrintable(QStringLiteral("%1 %2: sent %3, stored %4")
                                .arg(record.id, key, payload.value(key).toVariant().toString(),
                                     expected.toVariant().toString())));
    }
}

} // namespace

class SyncPushTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nothingPendingSendsNoPush();
    void payloadsCarryEveryKindsFields();
    void everyFieldGoesUnderItsOwnKey();
    void batchesOfFiveHundredGoOneAfterAnother();
    void onlyAcknowledgedRecordsOfTheBatchAreMarked();
    void answersThatAreNotPushAnswersFailThePush();
    void answersAcknowledgingNothingSentFailThePass();
    void failureInTheSecondBatchKeepsTheFirstSynced();
    void recordEditedWhileInFlightStaysPending();
    void unreadableStoreFailsThePass();
    void marksNeverJoinAnotherWritersTransaction();

private:
    bool runPass() { return m_bed->runPass(); }
    void addTransactions(int count);

    std::unique_ptr<SyncTestBed> m_bed;
};

void SyncPushTest::init()
{
    m_bed = std::make_unique<SyncTestBed>();
    QVERIFY(m_bed->ready());
}

void SyncPushTest::cleanup()
{
    m_bed.reset();
}


void SyncPushTest::addTransactions(int count)
{
    QSqlDatabase db = m_bed->database.connection();
    QVERIFY(db.transaction());
    m_bed->addAccount(QStringLiteral("acct"));
    for (int i = 1; i < count; ++i)
        m_bed->addTransaction(QStringLiteral("tx-%1").arg(i), QStringLiteral("acct"));
    QVERIFY(db.commit());
}

void SyncPushTest::nothingPendingSendsNoPush()
{
    QVERIFY(runPass());
    QVERIFY(m_bed->pushes().isEmpty());
    QCOMPARE(m_bed->service.server()->requestsTo("GET", "/sync/pull").size(), 1);
}

void SyncPushTest::payloadsCarryEveryKindsFields()
{
    Account account;
    account.id = QStringLiteral("acc-1");
    account.name = QStringLiteral("Visa");
    account.account_type = AccountType::CreditCard;
    account.currency = Currency::JPY;
    account.institution = QStringLiteral("Bank");
    account.starting_balance = 123456789012;
    account.sort_order = 3;
    account.is_shared = true;
    account.version = 4;
    account.server_id = QStringLiteral("S-acc");
    account.created_at = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
    account.updated_at = account.created_at;
    QVERIFY(m_bed->accounts.insert(account));

    Category category;
    category.id = QStringLiteral("cat-1");
    category.name = QStringLiteral("Salary");
    category.category_type = CategoryType::Income;
    category.is_tax_relevant = true;
    QVERIFY(m_bed->categories.insert(category));
    QVERIFY(m_bed->categories.softDelete(category.id));

    RecurringTransaction recurring;
    recurring.id = QStringLiteral("rec-1");
    recurring.account_id = account.id;
    recurring.amount = -5000;
    recurring.frequency = Frequency::SemiAnnual;
    recurring.start_date = QDate(2026, 1, 31);
    recurring.next_due_date = QDate(2026, 7, 31);
    recurring.version = 2;
    QVERIFY(m_bed->recurring.insert(recurring));
    RecurringTransaction ending = recurring;
    ending.id = QStringLiteral("rec-2");
    ending.end_date = QDate(2027, 1, 31);
    QVERIFY(m_bed->recurring.insert(ending));

    Transaction plain = m_bed->addTransaction(QStringLiteral("tx-plain"), account.id);
    m_bed->addSplitLine(plain.id, QStringLiteral("left-over"), -1);
    m_bed->addTransaction(QStringLiteral("tx-split"), account.id, true);
    m_bed->addSplitLine(QStringLiteral("tx-split"), QStringLiteral("food"), -1000);
    m_bed->addTransaction(QStringLiteral("tx-split-empty"), account.id, true);

    Reconciliation reconciliation;
    reconciliation.id = QStringLiteral("rc-1");
    reconciliation.account_id = account.id;
    reconciliation.statement_date = QDate(2026, 2, 28);
    reconciliation.statement_balance = -250000;
    reconciliation.reconciled_balance = -250001;
    reconciliation.completed_at = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
    QVERIFY(m_bed->reconciliations.insert(reconciliation));

    QVERIFY(runPass());
    const QList<QJsonObject> changes = m_bed->sentChanges();
    QCOMPARE(changes.size(), 8);
    QHash<QString, QJsonObject> byId;
    QStringList typeOrder;
    for (const QJsonObject& change : changes) {
        QCOMPARE(keysOf(change), kChangeKeys);
        byId.insert(change.value("entity_id").toString(), change);
        typeOrder << change.value("entity_type").toString();
        const QJsonObject payload = change.value("payload").toObject();
        QCOMPARE(payload.value("client_id").toString(), change.value("entity_id").toString());
        QVERIFY(payload.value("created_at").toString().endsWith(u'Z'));
    }
    typeOrder.removeDuplicates();
    QCOMPARE(typeOrder, (QStringList{"account", "category", "recurring", "transaction", "reconciliation"}));

    const QSet<QString> times = setOf({"created_at", "updated_at"});
    const QJsonObject accountChange = byId.value("acc-1");
    QCOMPARE(accountChange.value("action").toString(), QStringLiteral("upsert"));
    QCOMPARE(accountChange.value("version").toInt(), 4);
    const QJsonObject accountPayload = accountChange.value("payload").toObject();
    QCOMPARE(keysOf(accountPayload), setOf({"client_id", "server_id", "name", "account_type", "currency", "is_shared",
                                            "institution", "account_number_last4", "starting_balance", "sort_order",
                                            "version"}) + times);
    QCOMPARE(accountPayload.value("server_id").toString(), QStringLiteral("S-acc"));
    QCOMPARE(accountPayload.value("account_type").toString(), QStringLiteral("credit_card"));
    QCOMPARE(accountPayload.value("currency").toString(), QStringLiteral("JPY"));
    QVERIFY(accountPayload.value("is_shared").isDouble());
    QCOMPARE(accountPayload.value("is_shared").toInt(), 1);
    QCOMPARE(accountPayload.value("starting_balance").toInteger(), 123456789012);
    QCOMPARE(accountPayload.value("created_at").toString(), QStringLiteral("2026-01-02T03:04:05Z"));
    QVERIFY(accountPayload.value("account_number_last4").isString());

    const QJsonObject categoryChange = byId.value("cat-1");
    QCOMPARE(categoryChange.value("action").toString(), QStringLiteral("delete"));
    const QJsonObject categoryPayload = categoryChange.value("payload").toObject();
    QCOMPARE(keysOf(categoryPayload), setOf({"client_id", "name", "category_type", "parent_id", "is_tax_relevant",
                                             "tax_category", "icon", "color", "is_default", "account_id", "version",
                                             "deleted_at"}) + times);
    QCOMPARE(categoryPayload.value("category_type").toString(), QStringLiteral("income"));
    QCOMPARE(categoryPayload.value("is_tax_relevant").toInt(), 1);
    QVERIFY(categoryPayload.value("is_default").isDouble());
    QCOMPARE(categoryPayload.value("is_default").toInt(), 0);
    QVERIFY(parseTimestamp(categoryPayload.value("deleted_at").toString()).isValid());

    const QSet<QString> recurringKeys =
        setOf({"client_id", "account_id", "payee", "memo", "amount", "category_id", "transfer_dest_account_id",
               "frequency", "start_date", "next_due_date", "auto_post", "lead_days", "interval_count",
               "semimonthly_day_1", "semimonthly_day_2", "is_active"}) + times;
    const QJsonObject recurringChange = byId.value("rec-1");
    QCOMPARE(recurringChange.value("version").toInt(), 2);
    const QJsonObject recurringPayload = recurringChange.value("payload").toObject();
    QCOMPARE(keysOf(recurringPayload), recurringKeys);
    QCOMPARE(recurringPayload.value("frequency").toString(), QStringLiteral("semi_annual"));
    QCOMPARE(recurringPayload.value("start_date").toString(), QStringLiteral("2026-01-31"));
    QCOMPARE(recurringPayload.value("is_active").toInt(), 1);
    QCOMPARE(recurringPayload.value("amount").toInteger(), -5000);
    const QJsonObject endingPayload = byId.value("rec-2").value("payload").toObject();
    QCOMPARE(keysOf(endingPayload), recurringKeys + setOf({"end_date"}));
    QCOMPARE(endingPayload.value("end_date").toString(), QStringLiteral("2027-01-31"));

    const QSet<QString> transactionKeys =
        setOf({"client_id", "account_id", "date", "payee", "memo", "amount", "category_id", "check_number",
               "cleared", "reconciled", "transfer_link_id", "transfer_dest_account_id", "is_split", "recurring_id",
               "version"}) + times;
    const QJsonObject plainPayload = byId.value("tx-plain").value("payload").toObject();
    QCOMPARE(keysOf(plainPayload), transactionKeys);
    QCOMPARE(plainPayload.value("date").toString(), QStringLiteral("2026-03-14"));
    QCOMPARE(plainPayload.value("memo"), QJsonValue(QString()));
    QCOMPARE(plainPayload.value("is_split").toInt(), 0);
    QCOMPARE(plainPayload.value("amount").toInteger(), -1234);

    const QJsonObject splitPayload = byId.value("tx-split").value("payload").toObject();
    QCOMPARE(keysOf(splitPayload), transactionKeys + setOf({"split_lines"}));
    QCOMPARE(splitPayload.value("is_split").toInt(), 1);
    const QJsonArray lines = splitPayload.value("split_lines").toArray();
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.at(0).toObject(), (QJsonObject{{"category_id", "food"}, {"amount", -1000}, {"memo", "part"}}));
    QCOMPARE(byId.value("tx-split-empty").value("payload").toObject().value("split_lines"), QJsonValue(QJsonArray()));

    const QJsonObject reconciliationPayload = byId.value("rc-1").value("payload").toObject();
    QCOMPARE(keysOf(reconciliationPayload), setOf({"client_id", "account_id", "statement_date", "statement_balance",
                                                   "reconciled_balance", "completed_at", "version"}) + times);
    QCOMPARE(reconciliationPayload.value("completed_at").toString(), QStringLiteral("2026-03-01T12:00:00Z"));
    QCOMPARE(reconciliationPayload.value("reconciled_balance").toInteger(), -250001);

    // Everything was acknowledged, so nothing goes again.
    m_bed->service.server()->clearLog();
    QVERIFY(runPass());
    QVERIFY(m_bed->pushes().isEmpty());
    QCOMPARE(m_bed->accounts.getById("acc-1")->server_id, QStringLiteral("S-acc"));
    QCOMPARE(m_bed->transactions.getById("tx-split")->server_id,
             m_bed->service.record("transaction", "tx-split")->serverId);
}

void SyncPushTest::everyFieldGoesUnderItsOwnKey()
{
    auto account = distinctRecord<Account>("acc", 0);
    account.account_type = AccountType::CreditCard;
    account.currency = Currency::JPY;
    QVERIFY(m_bed->accounts.insert(account));
    auto category = distinctRecord<Category>("cat", 100);
    category.category_type = CategoryType::Income;
    QVERIFY(m_bed->categories.insert(category));
    auto recurring = distinctRecord<RecurringTransaction>("rec", 200);
    recurring.account_id = account.id;
    recurring.frequency = Frequency::SemiAnnual;
    QVERIFY(m_bed->recurring.insert(recurring));
    auto transaction = distinctRecord<Transaction>("tx", 300);
    transaction.account_id = account.id;
    QVERIFY(m_bed->transactions.insert(transaction));
    auto reconciliation = distinctRecord<Reconciliation>("rc", 400);
    reconciliation.account_id = account.id;
    QVERIFY(m_bed->reconciliations.insert(reconciliation));

    QVERIFY(runPass());
    QHash<QString, QJsonObject> changes;
    for (const QJsonObject& change : m_bed->sentChanges())
        changes.insert(change.value("entity_id").toString(), change);
    verifyPayload(account, changes);
    verifyPayload(category, changes);
    verifyPayload(recurring, changes);
    verifyPayload(transaction, changes);
    verifyPayload(reconciliation, changes);
}

void SyncPushTest::batchesOfFiveHundredGoOneAfterAnother()
{
    addTransactions(1200);
    m_bed->service.server()->delayRoute("POST", "/sync/push", 100);
    QElapsedTimer clock;
    clock.start();
    QList<qint64> arrivals;
    connect(m_bed->service.server(), &FakeHttpServer::requestReceived, this,
            [&](const RecordedRequest&) { arrivals << clock.elapsed(); });

    QTest::ignoreMessage(QtInfoMsg, "Pushing 1200 changes (in batches of 500 )");
    QTest::ignoreMessage(QtInfoMsg, "Push batch: 500 changes, 700 remaining");
    QTest::ignoreMessage(QtInfoMsg, "Push batch: 500 changes, 200 remaining");
    QTest::ignoreMessage(QtInfoMsg, "Push batch: 200 changes, 0 remaining");
    QVERIFY(runPass());

    const QList<RecordedRequest> pushes = m_bed->pushes();
    QCOMPARE(pushes.size(), 3);
    QCOMPARE(pushes.at(0).json().value("changes").toArray().size(), 500);
    QCOMPARE(pushes.at(1).json().value("changes").toArray().size(), 500);
    QCOMPARE(pushes.at(2).json().value("changes").toArray().size(), 200);
    // Each batch waits for the answer to the one before.
    QVERIFY2(arrivals.at(1) - arrivals.at(0) >= 100 && arrivals.at(2) - arrivals.at(1) >= 100,
             qPrintable(QStringLiteral("%1 %2 %3").arg(arrivals.at(0)).arg(arrivals.at(1)).arg(arrivals.at(2))));

    QCOMPARE(m_bed->service.recordCount(), 1200);
    QVERIFY(m_bed->transactions.listPending().isEmpty());
    QVERIFY(m_bed->accounts.listPending().isEmpty());
    QCOMPARE(m_bed->transactions.getById("tx-1199")->server_id,
             m_bed->service.record("transaction", "tx-1199")->serverId);
}

void SyncPushTest::onlyAcknowledgedRecordsOfTheBatchAreMarked()
{
    Account stored = m_bed->addAccount(QStringLiteral("a-ok"));
    stored.server_id = QStringLiteral("S-old");
    QVERIFY(m_bed->accounts.update(stored));
    m_bed->addAccount(QStringLiteral("a-bad"));
    m_bed->addAccount(QStringLiteral("a-none"));
    Account synced = m_bed->addAccount(QStringLiteral("a-synced"));
    synced.server_id = QStringLiteral("S1");
    synced.sync_status = SyncStatus::Synced;
    QVERIFY(m_bed->accounts.update(synced));

    const auto result = [](const char* type, const char* id, const char* status, const char* serverId) {
        return QJsonObject{{"entity_type", type}, {"entity_id", id}, {"status", status}, {"server_id", serverId},
                           {"message", "case matters"}};
    };
    m_bed->service.server()->respondOnce(
        "POST", "/sync/push",
        FakeResponse::json(200, {{"results", QJsonArray{result("account", "a-ok", "ok", ""),
                                                        result("account", "a-bad", "OK", "S-bad"),
                                                        result("account", "a-synced", "ok", "S2"),
                                                        result("widget", "a-none", "ok", "S3")}}}));

    QTest::ignoreMessage(QtWarningMsg, "Push result ok without a server id — leaving record pending: "
                                       "\"account\" \"a-ok\"");
    QTest::ignoreMessage(QtWarningMsg, "Push result not ok — leaving record pending: \"account\" \"a-bad\" "
                                       "status= \"OK\" message= \"case matters\"");
    QTest::ignoreMessage(QtWarningMsg,
                         "Push batch: 0 ok, 2 errors — failed records remain pending for next sync");
    QVERIFY(runPass());
    QCOMPARE(m_bed->pushes().at(0).json().value("changes").toArray().size(), 3);

    // "ok" without a server id is no acknowledgement: the row stays pending
    // and keeps the server id it had.
    const Account ok = *m_bed->accounts.getById("a-ok");
    QCOMPARE(ok.sync_status, SyncStatus::Pending);
    QCOMPARE(ok.server_id, QStringLiteral("S-old"));
    QCOMPARE(m_bed->accounts.getById("a-bad")->sync_status, SyncStatus::Pending);
    QCOMPARE(m_bed->accounts.getById("a-bad")->server_id, QString());
    QCOMPARE(m_bed->accounts.getById("a-none")->sync_status, SyncStatus::Pending);
    QCOMPARE(m_bed->accounts.getById("a-synced")->server_id, QStringLiteral("S1"));

    // What was not acknowledged goes with the next pass.
    m_bed->service.server()->clearLog();
    QVERIFY(runPass());
    QCOMPARE(m_bed->sentChanges().size(), 3);
    QVERIFY(m_bed->accounts.listPending().isEmpty());
    QCOMPARE(m_bed->accounts.getById("a-ok")->server_id, QStringLiteral("S-old"));
}

void SyncPushTest::answersAcknowledgingNothingSentFailThePass()
{
    m_bed->addAccount(QStringLiteral("a1"));
    m_bed->addAccount(QStringLiteral("a2"));
    const QString lastSyncKey = QString::fromLatin1(SyncEngine::kLastSyncTimestampKey);
    const QList<QJsonArray> answers{
        QJsonArray(),
        QJsonArray{QJsonObject{{"entity_type", "account"}, {"entity_id", "never-sent"}, {"status", "ok"},
                               {"server_id", "S1"}}},
        QJsonArray{QJsonObject{{"entity_type", "account"}, {"entity_id", 1}, {"status", "ok"}, {"server_id", "S1"}},
                   QJsonArray{"account", "a1", "ok"}, "ok"},
    };
    for (const QJsonArray& results : answers) {
        m_bed->service.server()->respondOnce("POST", "/sync/push", FakeResponse::json(200, {{"results", results}}));
        QVERIFY(!runPass());
        QCOMPARE(m_bed->engine->lastError(), QStringLiteral("Push failed (bad answer)"));
        QCOMPARE(m_bed->accounts.listPending().size(), 2);
        QVERIFY(!m_bed->preferences.get(lastSyncKey).has_value());
    }

    // A server id that is not a text marks nothing; the other record of the
    // batch is acknowledged, so the pass goes on.
    const QJsonArray results{
        QJsonObject{{"entity_type", "account"}, {"entity_id", "a1"}, {"status", "ok"}, {"server_id", 42}},
        QJsonObject{{"entity_type", "account"}, {"entity_id", "a2"}, {"status", "ok"}, {"server_id", "S2"}},
    };
    m_bed->service.server()->respondOnce("POST", "/sync/push", FakeResponse::json(200, {{"results", results}}));
    QTest::ignoreMessage(QtWarningMsg, "Push result ok without a server id — leaving record pending: "
                                       "\"account\" \"a1\"");
    QTest::ignoreMessage(QtWarningMsg,
                         "Push batch: 1 ok, 1 errors — failed records remain pending for next sync");
    QVERIFY(runPass());
    QCOMPARE(m_bed->accounts.getById("a1")->sync_status, SyncStatus::Pending);
    QCOMPARE(m_bed->accounts.getById("a1")->server_id, QString());
    QCOMPARE(m_bed->accounts.getById("a2")->server_id, QStringLiteral("S2"));
}

void SyncPushTest::answersThatAreNotPushAnswersFailThePush()
{
    m_bed->addAccount(QStringLiteral("a1"));
    const QList<FakeResponse> answers{
        FakeResponse::raw(200, "<html>proxy login</html>", "text/html"),
        FakeResponse::json(200, {}),
        FakeResponse::json(200, {{"results", QJsonObject{{"status", "ok"}}}}),
        FakeResponse::raw(200, R"([{"status":"ok"}])"),
        FakeResponse::empty(204),
    };
    for (const FakeResponse& answer : answers) {
        m_bed->service.server()->respondOnce("POST", "/sync/push", answer);
        QVERIFY(!runPass());
        QCOMPARE(m_bed->engine->lastError(), QStringLiteral("Push failed (bad answer)"));
        QCOMPARE(m_bed->engine->state(), SyncEngine::Error);
        QCOMPARE(m_bed->accounts.getById("a1")->sync_status, SyncStatus::Pending);
    }

    m_bed->service.server()->respondOnce("POST", "/sync/push", FakeResponse::json(500, {{"results", QJsonArray()}}));
    QVERIFY(!runPass());
    QCOMPARE(m_bed->engine->lastError(), QStringLiteral("Push failed (HTTP 500)"));
}

void SyncPushTest::failureInTheSecondBatchKeepsTheFirstSynced()
{
    addTransactions(700);
    FakeHttpServer* server = m_bed->service.server();
    connect(server, &FakeHttpServer::requestReceived, this, [&](const RecordedRequest&) {
        if (m_bed->pushes().size() == 2)
            server->respondOnce("POST", "/sync/push", FakeResponse::json(500, {}));
    });

    QVERIFY(!runPass());
    QCOMPARE(m_bed->engine->lastError(), QStringLiteral("Push failed (HTTP 500)"));
    QTest::qWait(100);
    QCOMPARE(m_bed->pushes().size(), 2);

    QSet<QString> firstBatch;
    for (const QJsonValue& change : m_bed->pushes().at(0).json().value("changes").toArray())
        firstBatch.insert(change.toObject().value("entity_id").toString());
    QCOMPARE(firstBatch.size(), 500);
    const QList<Transaction> pending = m_bed->transactions.listPending();
    QCOMPARE(pending.size() + int(m_bed->accounts.listPending().size()), 200);
    for (const Transaction& transaction : pending)
        QVERIFY(!firstBatch.contains(transaction.id));
}

void SyncPushTest::recordEditedWhileInFlightStaysPending()
{
    m_bed->addAccount(QStringLiteral("acct"));
    m_bed->addTransaction(QStringLiteral("edited"), QStringLiteral("acct"));
    m_bed->addTransaction(QStringLiteral("deleted"), QStringLiteral("acct"));
    m_bed->addTransaction(QStringLiteral("untouched"), QStringLiteral("acct"));

    // The user edits one row and deletes another after they were collected
    // and before the service answers. The edit keeps updated_at, so only the
    // version tells it apart; the delete keeps the version.
    bool edited = false;
    connect(m_bed->service.server(), &FakeHttpServer::requestReceived, this, [&](const RecordedRequest&) {
        if (std::exchange(edited, true))
            return;
        Transaction transaction = *m_bed->transactions.getById("edited");
        transaction.payee = QStringLiteral("Changed in flight");
        transaction.version += 1;
        transaction.sync_status = SyncStatus::Pending;
        QVERIFY(m_bed->transactions.update(transaction));
        QVERIFY(m_bed->transactions.softDelete(QStringLiteral("deleted")));
    });

    QVERIFY(runPass());
    QVERIFY(edited);
    QCOMPARE(m_bed->transactions.getById("untouched")->sync_status, SyncStatus::Synced);
    QCOMPARE(m_bed->transactions.getById("edited")->sync_status, SyncStatus::Pending);
    QCOMPARE(m_bed->transactions.getById("deleted")->sync_status, SyncStatus::Pending);

    m_bed->service.server()->clearLog();
    QVERIFY(runPass());
    QCOMPARE(m_bed->sentChanges().size(), 2);
    const auto editedOnServer = m_bed->service.record("transaction", "edited");
    QCOMPARE(editedOnServer->version, 2);
    QCOMPARE(editedOnServer->payload.value("payee").toString(), QStringLiteral("Changed in flight"));
    QCOMPARE(m_bed->service.record("transaction", "deleted")->action, QStringLiteral("delete"));
    QVERIFY(m_bed->transactions.listPending().isEmpty());
}

void SyncPushTest::unreadableStoreFailsThePass()
{
    m_bed->addAccount(QStringLiteral("a1"));
    QSqlQuery drop(m_bed->database.connection());
    QVERIFY(drop.exec(QStringLiteral("DROP TABLE reconciliations")));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^PendingRecordReader: cannot read pending records:"));
    QVERIFY(!runPass());
    QCOMPARE(m_bed->engine->lastError(), QStringLiteral("Push failed (database error)"));
    QCOMPARE(m_bed->engine->state(), SyncEngine::Error);
    QVERIFY(m_bed->pushes().isEmpty());
}

void SyncPushTest::marksNeverJoinAnotherWritersTransaction()
{
    m_bed->addAccount(QStringLiteral("a1"));
    PushQueue queue(&m_bed->accounts, &m_bed->categories, &m_bed->recurring, &m_bed->transactions,
                    &m_bed->reconciliations, &m_bed->splitLines);
    QCOMPARE(queue.start(), std::optional<int>(1));
    QCOMPARE(queue.takeBatch()->size(), 1);

    QSqlDatabase db = m_bed->database.connection();
    QVERIFY(db.transaction());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Could not begin a database transaction"));
    const QJsonArray results{QJsonObject{{"entity_type", "account"}, {"entity_id", "a1"}, {"status", "ok"}}};
    QVERIFY(!queue.acknowledge(results).has_value());
    QCOMPARE(m_bed->accounts.getById("a1")->sync_status, SyncStatus::Pending);
    QVERIFY(db.rollback());
    QCOMPARE(m_bed->accounts.getById("a1")->sync_status, SyncStatus::Pending);
}

QTEST_GUILESS_MAIN(SyncPushTest)
#include "tst_syncpush.moc"
