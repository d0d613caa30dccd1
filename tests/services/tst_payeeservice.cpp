#include "services/PayeeService.h"
#include "storage/Timestamp.h"
#include "tests/support/TestStore.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QtTest>

#include <memory>

namespace {

const QDateTime kEarlier(QDate(2025, 3, 1), QTime(9, 30), Qt::UTC);

} // namespace

// Against a real database: the rewrite is one SQL statement per payee.
class TestPayeeService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void renameRewritesLiveRowsOfThatExactPayee();
    void renamingToTheSameNameChangesNothing();
    void mergeGoesIntoTheFirstPayeeUnlessOneIsTyped();
    void aFailedWriteLeavesEveryRowAsItWas();

private:
    // A synced transaction, so that a rewrite shows in its sync columns.
    void add(const QString& id, const QString& payee, bool deleted = false);
    Transaction row(const QString& id) const { return *m_store->transactions.getById(id); }
    bool untouched(const QString& id, const QString& payee) const
    {
        const Transaction t = row(id);
        return t.payee == payee && t.version == 3 && t.sync_status == SyncStatus::Synced && t.updated_at == kEarlier;
    }

    std::unique_ptr<TestStore> m_store;
    std::unique_ptr<PayeeService> m_service;
};

void TestPayeeService::init()
{
    m_store = std::make_unique<TestStore>();
    m_service = std::make_unique<PayeeService>(&m_store->db);
    Account account;
    account.id = QStringLiteral("chk");
    account.name = QStringLiteral("Checking");
    QVERIFY(m_store->accounts.insert(account));
}

void TestPayeeService::cleanup()
{
    m_service.reset();
    m_store.reset();
}

void TestPayeeService::add(const QString& id, const QString& payee, bool deleted)
{
    Transaction transaction;
    transaction.id = id;
    transaction.account_id = QStringLiteral("chk");
    transaction.date = QDate(2025, 2, 1);
    transaction.payee = payee;
    transaction.amount = -100;
    transaction.version = 3;
    transaction.sync_status = SyncStatus::Synced;
    transaction.created_at = kEarlier;
    transaction.updated_at = kEarlier;
    QVERIFY(m_store->transactions.insert(transaction));
    if (deleted) {
        QSqlQuery query(m_store->db.connection());
        QVERIFY(query.exec(QStringLiteral("UPDATE transactions SET deleted_at = '2025-03-02T00:00:00Z' WHERE id = '%1'")
                               .arg(id)));
    }
}

void TestPayeeService::renameRewritesLiveRowsOfThatExactPayee()
{
    add(QStringLiteral("a1"), QStringLiteral("amazon"));
    add(QStringLiteral("a2"), QStringLiteral("amazon"));
    add(QStringLiteral("gone"), QStringLiteral("amazon"), true);
    add(QStringLiteral("other"), QStringLiteral("Amazon Prime"));

    // Only the letter case changes: the comparison is exact, so it still rewrites.
    QCOMPARE(m_service->rename({QStringLiteral("amazon")}, QStringLiteral("Amazon")), 2);
    for (const QString& id : {QStringLiteral("a1"), QStringLiteral("a2")}) {
        const Transaction t = row(id);
        QCOMPARE(t.payee, QStringLiteral("Amazon"));
        QCOMPARE(t.version, 4);
        QCOMPARE(t.sync_status, SyncStatus::Pending);
        QVERIFY(t.updated_at > kEarlier);
    }
    // A deleted row keeps its old name, so a restore brings back what was deleted.
    QVERIFY(untouched(QStringLiteral("gone"), QStringLiteral("amazon")));
    // A recurring item of the payee posts under the new name from now on.
    RecurringTransaction item;
    item.id = QStringLiteral("r1");
    item.account_id = QStringLiteral("chk");
    item.payee = QStringLiteral("Amazon");
    item.start_date = item.next_due_date = QDate(2025, 4, 1);
    QVERIFY(m_store->recurring.insert(item));
    QCOMPARE(m_service->rename({QStringLiteral("Amazon")}, QStringLiteral("Amazon.com")), 2);
    QCOMPARE(m_store->recurring.getById(QStringLiteral("r1"))->payee, QStringLiteral("Amazon.com"));
    QCOMPARE(m_store->recurring.getById(QStringLiteral("r1"))->version, 2);
    QVERIFY(untouched(QStringLiteral("other"), QStringLiteral("Amazon Prime")));

    // The stored time has the one form every writer uses.
    QSqlQuery stored(m_store->db.connection());
    QVERIFY(stored.exec(QStringLiteral("SELECT updated_at FROM transactions WHERE id = 'a1'")) && stored.next());
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"))
                 .match(stored.value(0).toString())
                 .hasMatch(),
             qPrintable(stored.value(0).toString()));
}

void TestPayeeService::renamingToTheSameNameChangesNothing()
{
    add(QStringLiteral("a1"), QStringLiteral("Amazon"));
    QCOMPARE(m_service->rename({QStringLiteral("Amazon")}, QStringLiteral("Amazon")), 0);
    QVERIFY(untouched(QStringLiteral("a1"), QStringLiteral("Amazon")));
    // A payee nobody has any more rewrites nothing either.
    QCOMPARE(m_service->rename({QStringLiteral("Nobody")}, QStringLiteral("Amazon")), 0);
    // Nor does a blank name, which would take the payee away.
    QVERIFY(!m_service->rename({QStringLiteral("Amazon")}, QStringLiteral("  ")));
    QVERIFY(untouched(QStringLiteral("a1"), QStringLiteral("Amazon")));
}

void TestPayeeService::mergeGoesIntoTheFirstPayeeUnlessOneIsTyped()
{
    const QStringList selected{QStringLiteral("Shell"), QStringLiteral("SHELL OIL"), QStringLiteral("shell #42")};
    QCOMPARE(PayeeService::mergeTarget(selected, QStringLiteral("   ")), QStringLiteral("Shell"));
    QCOMPARE(PayeeService::mergeTarget(selected, QStringLiteral(" Shell Gas ")), QStringLiteral("Shell Gas"));

    add(QStringLiteral("s1"), QStringLiteral("Shell"));
    add(QStringLiteral("s2"), QStringLiteral("SHELL OIL"));
    add(QStringLiteral("s3"), QStringLiteral("shell #42"));
    add(QStringLiteral("s4"), QStringLiteral("shell #42"));
    QCOMPARE(m_service->rename(selected, PayeeService::mergeTarget(selected, {})), 3);
    // The target's own rows are not rewritten.
    QVERIFY(untouched(QStringLiteral("s1"), QStringLiteral("Shell")));
    for (const QString& id : {QStringLiteral("s2"), QStringLiteral("s3"), QStringLiteral("s4")}) {
        QCOMPARE(row(id).payee, QStringLiteral("Shell"));
        QCOMPARE(row(id).version, 4);
    }
    QCOMPARE(m_store->transactions.listPayees(), QStringList{QStringLiteral("Shell")});
}

void TestPayeeService::aFailedWriteLeavesEveryRowAsItWas()
{
    add(QStringLiteral("b1"), QStringLiteral("Bakery"));
    add(QStringLiteral("c1"), QStringLiteral("Cafe"));
    QSqlQuery trigger(m_store->db.connection());
    QVERIFY(trigger.exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE UPDATE ON transactions "
                                        "WHEN OLD.payee = 'Cafe' BEGIN SELECT RAISE(ABORT, 'refused'); END")));

    // Bakery is rewritten first, then Cafe fails: Bakery goes back too.
    QVERIFY(!m_service->rename({QStringLiteral("Bakery"), QStringLiteral("Cafe")}, QStringLiteral("Corner Shop")));
    QVERIFY(untouched(QStringLiteral("b1"), QStringLiteral("Bakery")));
    QVERIFY(untouched(QStringLiteral("c1"), QStringLiteral("Cafe")));
}

QTEST_GUILESS_MAIN(TestPayeeService)
#include "tst_payeeservice.moc"
