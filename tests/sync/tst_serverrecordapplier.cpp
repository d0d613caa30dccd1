#include "storage/RecordId.h"
#include "sync/ServerRecordApplier.h"
#include "tests/support/TestStore.h"
#include "tests/support/ServerRecords.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace serverrecords;
using Outcome = ServerRecordApplier::Outcome;

Q_DECLARE_METATYPE(ServerRecordApplier::Outcome)

namespace {

const QRegularExpression kUuid(QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));

QDateTime utc(const QString& text)
{
    return QDateTime::fromString(text, Qt::ISODate).toUTC();
}

} // namespace

class ServerRecordApplierTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newRecordsTakeTheClientIdOrANewOne();
    void versionDecidesAgainstASyncedRow();
    void pendingRowYieldsOnlyToAHigherVersion();
    void localDeletionNotYetPushedStands();
    void serverDeletionsCarryTheServersTime();
    void brokenAndEarlyDatesAreSkippedWithTheKindsWarning();
    void timesWithoutOffsetAreUtc();
    void splitLinesFollowTheTransaction();
    void flagsAsBooleansOrNumbersReadAlike();
    void recordsTheStoreCannotHoldAreSkipped_data();
    void recordsTheStoreCannotHoldAreSkipped();
    void unknownTextsReadAsAFallbackOrWaitForAVersionThatKnowsThem();
    void keysLeftOutKeepTheLocalValues();
    void transactionMovedToAnotherAccountMovesHere();
    void recordsOfAnAccountNotHereAwaitIt();

private:
    std::unique_ptr<TestStore> m_store;
    std::unique_ptr<ServerRecordApplier> m_applier;
};

void ServerRecordApplierTest::init()
{
    m_store = std::make_unique<TestStore>();
    m_applier = std::make_unique<ServerRecordApplier>(&m_store->accounts, &m_store->categories, &m_store->recurring,
                                                      &m_store->transactions, &m_store->reconciliations,
                                                      &m_store->splitLines);
    QCOMPARE(m_applier->applyAccount(account("acct")), Outcome::Written);
}

void ServerRecordApplierTest::cleanup()
{
    m_applier.reset();
    m_store.reset();
}

void ServerRecordApplierTest::newRecordsTakeTheClientIdOrANewOne()
{
    QCOMPARE(m_applier->applyAccount(with(account("a1"), {{"id", "S1"}, {"version", 3}})), Outcome::Written);
    const Account stored = *m_store->accounts.getById("a1");
    QCOMPARE(stored.server_id, QStringLiteral("S1"));
    QCOMPARE(stored.sync_status, SyncStatus::Synced);
    QCOMPARE(stored.version, 3);
    QCOMPARE(stored.created_at, utc("2026-01-05T10:00:00Z"));

    // Known to the service alone: a new id here, found by the server id after.
    QJsonObject anonymous = with(account(QString()), {{"id", "S-anon"}});
    anonymous.remove("client_id");
    QCOMPARE(m_applier->applyAccount(anonymous), Outcome::Written);
    const QString localId = m_store->accounts.findLocalIdByServerId("S-anon");
    QVERIFY2(kUuid.match(localId).hasMatch(), qPrintable(localId));
    QCOMPARE(m_applier->applyAccount(with(anonymous, {{"name", "Renamed"}, {"version", 2}})), Outcome::Written);
    QCOMPARE(m_store->accounts.findLocalIdByServerId("S-anon"), localId);
    QCOMPARE(m_store->accounts.getById(localId)->name, QStringLiteral("Renamed"));

    // Without either id every pull of it would add another copy.
    anonymous.remove("id");
    QTest::ignoreMessage(QtWarningMsg,
                         "applyAccount: skipping server record the store cannot hold: \"\" id is missing");
    QCOMPARE(m_applier->applyAccount(anonymous), Outcome::Skipped);
    QCOMPARE(m_store->accounts.listActive().size(), 3);
}

void ServerRecordApplierTest::versionDecidesAgainstASyncedRow()
{
    QCOMPARE(m_applier->applyTransactionChange(with(transaction("t1", "acct"), {{"version", 3}})), Outcome::Written);
    const auto payeeAfter = [&](const QJsonObject& record, Outcome expected) {
        [&] { QCOMPARE(m_applier->applyTransactionChange(record), expected); }();
        return m_store->transactions.getById("t1")->payee;
    };
    QCOMPARE(payeeAfter(with(transaction("t1", "acct"), {{"version", 2}, {"payee", "Older"}}), Outcome::LeftAlone),
             QStringLiteral("Grocer"));
    QCOMPARE(payeeAfter(with(transaction("t1", "acct"), {{"version", 3}, {"payee", "Same"}}), Outcome::Written),
             QStringLiteral("Same"));
    QCOMPARE(payeeAfter(with(transaction("t1", "acct"), {{"version", 4}, {"payee", "Newer"}}), Outcome::Written),
             QStringLiteral("Newer"));
    QJsonObject unversioned = with(transaction("t1", "acct"), {{"payee", "No version"}});
    unversioned.remove("version");
    QCOMPARE(payeeAfter(unversioned, Outcome::LeftAlone), QStringLiteral("Newer"));
    // What this store sent comes back unchanged: nothing is written.
    QCOMPARE(payeeAfter(with(transaction("t1", "acct"), {{"version", 4}, {"payee", "Newer"}}), Outcome::LeftAlone),
             QStringLiteral("Newer"));
}

void ServerRecordApplierTest::pendingRowYieldsOnlyToAHigherVersion()
{
    QCOMPARE(m_applier->applyTransactionChange(with(transaction("t1", "acct"), {{"version", 2}})), Outcome::Written);
    Transaction edited = *m_store->transactions.getById("t1");
    edited.payee = QStringLiteral("Mine");
    edited.version = 3;
    edited.sync_status = SyncStatus::Pending;
    QVERIFY(m_store->transactions.update(edited));

    QCOMPARE(m_applier->applyTransactionChange(with(transaction("t1", "acct"), {{"version", 3}, {"payee", "Theirs"}})),
             Outcome::LeftAlone);
    QCOMPARE(*m_store->transactions.getById("t1"), edited);

    QCOMPARE(m_applier->applyTransactionChange(with(transaction("t1", "acct"), {{"version", 4}, {"payee", "Theirs"}})),
             Outcome::Written);
    const Transaction replaced = *m_store->transactions.getById("t1");
    QCOMPARE(replaced.payee, QStringLiteral("Theirs"));
    QCOMPARE(replaced.version, 4);
    QCOMPARE(replaced.sync_status, SyncStatus::Synced);
}

void ServerRecordApplierTest::localDeletionNotYetPushedStands()
{
    QCOMPARE(m_applier->applyTransactionChange(transaction("t1", "acct")), Outcome::Written);
    QVERIFY(m_store->transactions.softDelete("t1"));
    const Transaction deleted = *m_store->transactions.getById("t1");

    QCOMPARE(m_applier->applyTransactionChange(with(transaction("t1", "acct"), {{"version", 9}})), Outcome::LeftAlone);
    QCOMPARE(*m_store->transactions.getById("t1"), deleted);
    QVERIFY(deleted.deleted_at.has_value());
    QCOMPARE(deleted.sync_status, SyncStatus::Pending);
}

void ServerRecordApplierTest::serverDeletionsCarryTheServersTime()
{
    const QString deletedAt = QStringLiteral("2026-04-01T08:00:00Z");
    QCOMPARE(m_applier->applyAccount(with(account("never-seen"), {{"deleted_at", deletedAt}})), Outcome::LeftAlone);
    QVERIFY(!m_store->accounts.getById("never-seen"));

    QCOMPARE(m_applier->applyAccount(with(account("acct"), {{"deleted_at", deletedAt}})), Outcome::Written);
    Account account = *m_store->accounts.getById("acct");
    QCOMPARE(account.deleted_at, std::optional<QDateTime>(utc(deletedAt)));
    // The service has the deletion already: nothing goes back to it.
    QCOMPARE(account.sync_status, SyncStatus::Synced);

    QCOMPARE(m_applier->applyReconciliation(reconciliation("rc1", "acct")), Outcome::Written);
    QCOMPARE(m_applier->applyReconciliation(with(reconciliation("rc1", "acct"), {{"deleted_at", deletedAt}})),
             Outcome::Written);
    QCOMPARE(m_store->reconciliations.getById("rc1")->deleted_at, std::optional<QDateTime>(utc(deletedAt)));

    // Restored on another device: the live record brings the row back.
    QCOMPARE(m_applier->applyAccount(serverrecords::account("acct")), Outcome::Written);
    QVERIFY(!m_store->accounts.getById("acct")->deleted_at);
}

void ServerRecordApplierTest::brokenAndEarlyDatesAreSkippedWithTheKindsWarning()
{
    QTest::ignoreMessage(QtWarningMsg, "applyTransactionChange: skipping server record with broken date: \"t1\" "
                                       "\"Grocer\" QDate(\"1999-12-31\")");
    QCOMPARE(m_applier->applyTransactionChange(with(transaction("t1", "acct"), {{"date", "1999-12-31"}})),
             Outcome::Skipped);
    QTest::ignoreMessage(QtWarningMsg, "applyRecurring: skipping server record with broken nextDueDate: \"r1\" "
                                       "\"Rent\" QDate(Invalid)");
    QCOMPARE(m_applier->applyRecurring(with(recurring("r1", "acct"), {{"next_due_date", "soon"}})), Outcome::Skipped);
    QJsonObject undated = reconciliation("rc1", "acct");
    undated.remove("statement_date");
    QTest::ignoreMessage(QtWarningMsg, "applyReconciliation: skipping server record with broken statementDate: "
                                       "\"rc1\" QDate(Invalid)");
    QCOMPARE(m_applier->applyReconciliation(undated), Outcome::Skipped);
    QVERIFY(!m_store->transactions.getById("t1") && !m_store->recurring.getById("r1")
            && !m_store->reconciliations.getById("rc1"));

    QCOMPARE(m_applier->applyTransactionChange(with(transaction("t2", "acct"), {{"date", "2000-01-01"}})),
             Outcome::Written);
}

void ServerRecordApplierTest::timesWithoutOffsetAreUtc()
{
    QCOMPARE(m_applier->applyTransactionChange(with(transaction("t1", "acct"),
                                                    {{"created_at", "2026-03-01T10:00:00"},
                                                     {"updated_at", "2026-03-01T10:00:00+02:00"},
                                                     {"date", "2026-03-14T23:30:00-05:00"}})),
             Outcome::Written);
    const Transaction stored = *m_store->transactions.getById("t1");
    QCOMPARE(stored.created_at, QDateTime(QDate(2026, 3, 1), QTime(10, 0), Qt::UTC));
    QCOMPARE(stored.updated_at, QDateTime(QDate(2026, 3, 1), QTime(8, 0), Qt::UTC));
    // A date sent as a time keeps the calendar day it names.
    QCOMPARE(stored.date, QDate(2026, 3, 14));
}

void ServerRecordApplierTest::splitLinesFollowTheTransaction()
{
    const QJsonArray twoLines{QJsonObject{{"category_id", "food"}, {"amount", -1500}, {"memo", "bread"}},
                              QJsonObject{{"category_id", "home"}, {"amount", -1000}, {"memo", ""}}};
    QCOMPARE(m_applier->applyTransactionChange(
                 with(transaction("t1", "acct"), {{"is_split", 1}, {"split_lines", twoLines}})),
             Outcome::Written);
    const QList<SplitLine> lines = m_store->splitLines.listByTransaction("t1");
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).category_id, QStringLiteral("food"));
    QCOMPARE(lines.at(0).amount, -1500);
    QCOMPARE(lines.at(0).memo, QStringLiteral("bread"));
    QCOMPARE(lines.at(1).category_id, QStringLiteral("home"));
    QVERIFY(kUuid.match(lines.at(0).id).hasMatch());
    QCOMPARE(lines.at(0).created_at, m_store->transactions.getById("t1")->created_at);

    // A split record that brings no lines leaves the local ones.
    QCOMPARE(m_applier->applyTransactionChange(
                 with(transaction("t1", "acct"), {{"is_split", 1}, {"version", 2}, {"payee", "Market"}})),
             Outcome::Written);
    QCOMPARE(m_store->splitLines.listByTransaction("t1"), lines);

    // A line the store cannot hold keeps the whole transaction out.
    const QJsonArray badLine{QJsonObject{{"category_id", "food"}, {"amount", "-25.00"}}};
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("skipping server record the store cannot hold: \"t1\" "
                                                          "split_lines"));
    QCOMPARE(m_applier->applyTransactionChange(
                 with(transaction("t1", "acct"), {{"is_split", 1}, {"version", 3}, {"split_lines", badLine}})),
             Outcome::Skipped);
    QCOMPARE(m_store->transactions.getById("t1")->version, 2);

    const QJsonArray oneLine{QJsonObject{{"category_id", "home"}, {"amount", -2500}, {"memo", "all"}}};
    QCOMPARE(m_applier->applyTransactionChange(
                 with(transaction("t1", "acct"), {{"is_split", true}, {"version", 3}, {"split_lines", oneLine}})),
             Outcome::Written);
    QCOMPARE(m_store->splitLines.listByTransaction("t1").size(), 1);
    QCOMPARE(m_store->splitLines.listByTransaction("t1").at(0).memo, QStringLiteral("all"));

    // Split to unsplit: the lines go.
    QCOMPARE(m_applier->applyTransactionChange(with(transaction("t1", "acct"), {{"version", 4}})), Outcome::Written);
    QVERIFY(m_store->splitLines.listByTransaction("t1").isEmpty());
}

void ServerRecordApplierTest::flagsAsBooleansOrNumbersReadAlike()
{
    QCOMPARE(m_applier->applyTransactionChange(
                 with(transaction("t1", "acct"), {{"cleared", true}, {"reconciled", false}, {"is_split", false}})),
             Outcome::Written);
    QCOMPARE(m_applier->applyTransactionChange(
                 with(transaction("t2", "acct"), {{"cleared", 1}, {"reconciled", 0}, {"is_split", 0}})),
             Outcome::Written);
    Transaction first = *m_store->transactions.getById("t1");
    Transaction second = *m_store->transactions.getById("t2");
    QVERIFY(first.cleared && !first.reconciled && !first.is_split);
    second.id = first.id;
    QCOMPARE(second, first);
}

void ServerRecordApplierTest::recordsTheStoreCannotHoldAreSkipped_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QJsonObject>("record");

    const QJsonObject tx = transaction("t-bad", "acct");
    QJsonObject noAccount = tx;
    noAccount.remove("account_id");
    QJsonObject noAmount = tx;
    noAmount.remove("amount");
    const QString overlong(kMaxRecordIdLength + 1, u'x');
    QTest::newRow("type as a number") << "account" << with(account("a-bad"), {{"account_type", 2}});
    QTest::newRow("fraction of a cent") << "account" << with(account("a-bad"), {{"starting_balance", 10.5}});
    QTest::newRow("beyond the store's amounts") << "account" << with(account("a-bad"), {{"starting_balance", 2e15}});
    QTest::newRow("overlong parent") << "category" << with(category("c-bad"), {{"parent_id", overlong}});
    QTest::newRow("interval as text") << "recurring" << with(recurring("r-bad", "acct"), {{"interval_count", "2"}});
    QTest::newRow("no account") << "transaction" << noAccount;
    QTest::newRow("empty account") << "transaction" << with(tx, {{"account_id", ""}});
    QTest::newRow("no amount") << "transaction" << noAmount;
    QTest::newRow("amount as text") << "transaction" << with(tx, {{"amount", "-25.00"}});
    QTest::newRow("flag as text") << "transaction" << with(tx, {{"cleared", "yes"}});
    QTest::newRow("version as text") << "transaction" << with(tx, {{"version", "2"}});
    QTest::newRow("unreadable deletion time") << "transaction" << with(tx, {{"deleted_at", "yesterday"}});
    QTest::newRow("unreadable creation time") << "transaction" << with(tx, {{"created_at", "2026-13-45T99:00:00Z"}});
    QTest::newRow("client id as a number") << "transaction" << with(tx, {{"client_id", 7}});
    QTest::newRow("split lines not a list") << "transaction" << with(tx, {{"is_split", 1}, {"split_lines", "none"}});
    QTest::newRow("overlong transfer link") << "transaction" << with(tx, {{"transfer_link_id", overlong}});
    const QJsonArray overlongLine{QJsonObject{{"category_id", overlong}, {"amount", 1}}};
    QTest::newRow("overlong line category") << "transaction"
                                            << with(tx, {{"is_split", 1}, {"split_lines", overlongLine}});
    QTest::newRow("balance as text") << "reconciliation"
                                     << with(reconciliation("rc-bad", "acct"), {{"statement_balance", "1500"}});
}

void ServerRecordApplierTest::recordsTheStoreCannotHoldAreSkipped()
{
    QFETCH(QString, kind);
    QFETCH(QJsonObject, record);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^apply\\w+: skipping server record the store cannot hold:"));
    const QHash<QString, Outcome (ServerRecordApplier::*)(const QJsonObject&)> apply{
        {"account", &ServerRecordApplier::applyAccount},
        {"category", &ServerRecordApplier::applyCategory},
        {"recurring", &ServerRecordApplier::applyRecurring},
        {"transaction", &ServerRecordApplier::applyTransactionChange},
        {"reconciliation", &ServerRecordApplier::applyReconciliation},
    };
    QCOMPARE((m_applier.get()->*apply.value(kind))(record), Outcome::Skipped);
    QCOMPARE(m_store->accounts.listActive().size(), 1);
    QVERIFY(m_store->categories.listAll().isEmpty());
    QVERIFY(m_store->recurring.listPending().isEmpty() && !m_store->recurring.getById("r-bad"));
    QVERIFY(!m_store->transactions.getById("t-bad") && !m_store->reconciliations.getById("rc-bad"));
}

void ServerRecordApplierTest::unknownTextsReadAsAFallbackOrWaitForAVersionThatKnowsThem()
{
    QTest::ignoreMessage(QtWarningMsg, "applyCategory: reading category_type \"gift\" of \"c1\" as expense");
    QCOMPARE(m_applier->applyCategory(with(category("c1"), {{"category_type", "gift"}})), Outcome::Written);
    QCOMPARE(m_store->categories.getById("c1")->category_type, CategoryType::Expense);

    // Another frequency would change every due date; the local row stays.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("keeping server record this version cannot read yet:"));
    QCOMPARE(m_applier->applyRecurring(with(recurring("r1", "acct"), {{"frequency", "fortnightly"}})),
             Outcome::NotReadable);
    QVERIFY(!m_store->recurring.getById("r1"));
    // One older than the local row has nothing to keep.
    QCOMPARE(m_applier->applyAccount(with(account("acct"), {{"currency", "CHF"}, {"version", 0}})),
             Outcome::LeftAlone);
}

void ServerRecordApplierTest::keysLeftOutKeepTheLocalValues()
{
    QCOMPARE(m_applier->applyRecurring(with(recurring("r1", "acct"), {{"memo", "flat"},
                                                                      {"lead_days", 3},
                                                                      {"interval_count", 2},
                                                                      {"frequency", "semimonthly"},
                                                                      {"semimonthly_day_1", 5},
                                                                      {"semimonthly_day_2", 0},
                                                                      {"end_date", "2026-12-31"}})),
             Outcome::Written);
    const RecurringTransaction before = *m_store->recurring.getById("r1");

    const QJsonObject partial{{"client_id", "r1"}, {"version", 2}, {"payee", "Landlord"}};
    QCOMPARE(m_applier->applyRecurring(partial), Outcome::Written);
    RecurringTransaction after = *m_store->recurring.getById("r1");
    QCOMPARE(after.payee, QStringLiteral("Landlord"));
    // The push leaves "end_date" out for an item without one.
    QVERIFY(!after.end_date);
    after.payee = before.payee;
    after.version = before.version;
    after.end_date = before.end_date;
    QCOMPARE(after, before);

    // A new item without them takes the store's defaults.
    QJsonObject bare = recurring("r2", "acct");
    for (const char* key : {"lead_days", "interval_count", "semimonthly_day_1", "semimonthly_day_2", "frequency"})
        bare.remove(key);
    QCOMPARE(m_applier->applyRecurring(bare), Outcome::Written);
    const RecurringTransaction fresh = *m_store->recurring.getById("r2");
    QCOMPARE(fresh.lead_days, 0);
    QCOMPARE(fresh.interval_count, 1);
    QCOMPARE(fresh.semimonthly_day_1, 1);
    QCOMPARE(fresh.semimonthly_day_2, 15);
    QCOMPARE(fresh.frequency, Frequency::Monthly);
}

void ServerRecordApplierTest::transactionMovedToAnotherAccountMovesHere()
{
    QCOMPARE(m_applier->applyAccount(account("savings")), Outcome::Written);
    QCOMPARE(m_applier->applyTransactionChange(transaction("t1", "acct")), Outcome::Written);
    QSignalSpy changed(&m_store->transactions, &TransactionRepository::transactionsChanged);

    const QJsonObject moved = with(transaction("t1", "acct"), {{"account_id", "savings"}, {"version", 2}});
    QCOMPARE(m_applier->applyTransactionChange(moved), Outcome::Written);
    QCOMPARE(m_store->transactions.getById("t1")->account_id, QStringLiteral("savings"));
    QVERIFY(m_store->transactions.listByAccount("acct").isEmpty());
    // Both registers show a change.
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("savings"));
    QCOMPARE(changed.at(1).at(0).toString(), QStringLiteral("acct"));
}

void ServerRecordApplierTest::recordsOfAnAccountNotHereAwaitIt()
{
    QCOMPARE(m_applier->applyRecurring(recurring("r1", "late")), Outcome::AwaitsAccount);
    QCOMPARE(m_applier->applyTransactionChange(transaction("t1", "late")), Outcome::AwaitsAccount);
    QCOMPARE(m_applier->applyReconciliation(reconciliation("rc1", "late")), Outcome::AwaitsAccount);
    QVERIFY(!m_store->recurring.getById("r1") && !m_store->transactions.getById("t1")
            && !m_store->reconciliations.getById("rc1"));
    // A category's account is a loose link of its own.
    QCOMPARE(m_applier->applyCategory(with(category("c1"), {{"account_id", "late"}})), Outcome::Written);

    // Named by the id the service gave it, the account is found and the row
    // points at its id here.
    QCOMPARE(m_applier->applyAccount(with(account("savings"), {{"id", "S-savings"}})), Outcome::Written);
    QCOMPARE(m_applier->applyTransactionChange(transaction("t1", "S-savings")), Outcome::Written);
    QCOMPARE(m_store->transactions.getById("t1")->account_id, QStringLiteral("savings"));
    // A deleted account is still in the store, and its rows with it.
    QVERIFY(m_store->accounts.softDelete("savings"));
    QCOMPARE(m_applier->applyTransactionChange(transaction("t2", "S-savings")), Outcome::Written);
    QCOMPARE(m_store->transactions.getById("t2")->account_id, QStringLiteral("savings"));

    // Moved to an account not here yet, the row stays where it is for now;
    // an older version is left alone before any account is looked for.
    QCOMPARE(m_applier->applyTransactionChange(with(transaction("t1", "late"), {{"version", 2}})),
             Outcome::AwaitsAccount);
    QCOMPARE(m_applier->applyTransactionChange(with(transaction("t1", "late"), {{"version", 0}})), Outcome::LeftAlone);
    QCOMPARE(m_store->transactions.getById("t1")->account_id, QStringLiteral("savings"));

    // A deletion needs no account: the row is deleted where it is, and one
    // never seen stays unseen.
    const QString deletedAt = QStringLiteral("2026-04-01T08:00:00Z");
    QCOMPARE(m_applier->applyTransactionChange(with(transaction("t1", "late"), {{"version", 2}, {"deleted_at", deletedAt}})),
             Outcome::Written);
    const Transaction deleted = *m_store->transactions.getById("t1");
    QCOMPARE(deleted.account_id, QStringLiteral("savings"));
    QCOMPARE(deleted.deleted_at, std::optional<QDateTime>(utc(deletedAt)));
    QCOMPARE(m_applier->applyTransactionChange(with(transaction("t9", "late"), {{"deleted_at", deletedAt}})),
             Outcome::LeftAlone);
    QVERIFY(!m_store->transactions.getById("t9"));
}

QTEST_GUILESS_MAIN(ServerRecordApplierTest)
#include "tst_serverrecordapplier.moc"
