#include "storage/ChangeHold.h"
#include "storage/RecordId.h"
#include "tests/support/TestStore.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QDateTime kNow(QDate(2026, 5, 1), QTime(9, 0), Qt::UTC);

Transaction makeTransaction(const QString& accountId)
{
    Transaction t;
    t.id = newRecordId();
    t.account_id = accountId;
    t.date = QDate(2026, 5, 1);
    t.amount = -100;
    t.created_at = kNow;
    t.updated_at = kNow;
    return t;
}

} // namespace

class ChangeHoldTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void signalsOnceForEachRepositoryThatChanged();
    void nestedHoldsSignalOnceWhenTheLastEnds();
    void discardedHoldForgetsOnlyItsOwnChanges();

private:
    void addAccount(const QString& id);

    std::unique_ptr<TestStore> m_store;
};

void ChangeHoldTest::init()
{
    m_store = std::make_unique<TestStore>();
    addAccount(QStringLiteral("a"));
    addAccount(QStringLiteral("b"));
}

void ChangeHoldTest::cleanup() { m_store.reset(); }

void ChangeHoldTest::addAccount(const QString& id)
{
    Account account;
    account.id = id;
    account.name = id;
    account.created_at = kNow;
    account.updated_at = kNow;
    QVERIFY(m_store->accounts.insert(account));
}

void ChangeHoldTest::signalsOnceForEachRepositoryThatChanged()
{
    QSignalSpy transactions(&m_store->transactions, &TransactionRepository::transactionsChanged);
    QSignalSpy categories(&m_store->categories, &CategoryRepository::categoriesChanged);
    QSignalSpy accounts(&m_store->accounts, &AccountRepository::accountsChanged);
    {
        ChangeHold hold{&m_store->transactions, &m_store->categories, &m_store->accounts};
        QVERIFY(m_store->transactions.changesHeld());
        for (int i = 0; i < 3; ++i)
            QVERIFY(m_store->transactions.insert(makeTransaction(QStringLiteral("a"))));
        Category category;
        category.id = newRecordId();
        category.name = QStringLiteral("Food");
        QVERIFY(m_store->categories.insert(category));
        QVERIFY(!m_store->transactions.insert(makeTransaction(QStringLiteral("no such account"))));
        QCOMPARE(transactions.count(), 0);
        QCOMPARE(categories.count(), 0);
    }
    QVERIFY(!m_store->transactions.changesHeld());
    QCOMPARE(transactions.count(), 1);
    QCOMPARE(transactions.first().first().toString(), QStringLiteral("a"));
    QCOMPARE(categories.count(), 1);
    // Nothing was written to the accounts: nothing to announce.
    QCOMPARE(accounts.count(), 0);

    // Without a hold every write signals, as before.
    QVERIFY(m_store->transactions.insert(makeTransaction(QStringLiteral("a"))));
    QCOMPARE(transactions.count(), 2);
}

void ChangeHoldTest::nestedHoldsSignalOnceWhenTheLastEnds()
{
    QSignalSpy spy(&m_store->transactions, &TransactionRepository::transactionsChanged);
    // What was heard, in order: the change, and the end of the last hold.
    QStringList heard;
    connect(&m_store->transactions, &TransactionRepository::transactionsChanged, this,
            [&heard] { heard << QStringLiteral("changed"); });
    connect(&m_store->transactions, &SyncedRepository::holdReleased, this,
            [&heard] { heard << QStringLiteral("released"); });
    ChangeHold outer{&m_store->transactions};
    {
        ChangeHold inner{&m_store->transactions};
        QVERIFY(m_store->transactions.insert(makeTransaction(QStringLiteral("a"))));
        QVERIFY(m_store->transactions.insert(makeTransaction(QStringLiteral("b"))));
    }
    QVERIFY(m_store->transactions.changesHeld());
    QVERIFY(m_store->transactions.insert(makeTransaction(QStringLiteral("a"))));
    QCOMPARE(spy.count(), 0);
    QVERIFY(heard.isEmpty());
    outer.release();
    outer.release();
    // Rows of several accounts changed: any account may have.
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toString(), QString());
    // Whoever waited for the write reads what the change signal announced.
    QCOMPARE(heard, (QStringList{QStringLiteral("changed"), QStringLiteral("released")}));

    // A hold under which nothing changed ends all the same.
    heard.clear();
    ChangeHold({&m_store->transactions}).release();
    QCOMPARE(heard, QStringList{QStringLiteral("released")});
}

void ChangeHoldTest::discardedHoldForgetsOnlyItsOwnChanges()
{
    QSignalSpy transactions(&m_store->transactions, &TransactionRepository::transactionsChanged);
    QSignalSpy categories(&m_store->categories, &CategoryRepository::categoriesChanged);
    QSignalSpy released(&m_store->transactions, &SyncedRepository::holdReleased);
    {
        ChangeHold hold{&m_store->transactions, &m_store->categories};
        QVERIFY(m_store->transactions.insert(makeTransaction(QStringLiteral("a"))));
        hold.discard();
        // Whoever waits for the write to end is told all the same.
        QCOMPARE(released.count(), 1);
        QVERIFY(!m_store->transactions.changesHeld());
    }
    QCOMPARE(transactions.count(), 0);
    QCOMPARE(categories.count(), 0);
    QCOMPARE(released.count(), 1);

    // Inside another hold, what the outer one noted before still goes out,
    // for the one account it named.
    {
        ChangeHold outer{&m_store->transactions};
        QVERIFY(m_store->transactions.insert(makeTransaction(QStringLiteral("a"))));
        ChangeHold inner{&m_store->transactions};
        QVERIFY(m_store->transactions.insert(makeTransaction(QStringLiteral("b"))));
        inner.discard();
    }
    QCOMPARE(transactions.count(), 1);
    QCOMPARE(transactions.first().first().toString(), QStringLiteral("a"));

    // Without an outer one, the next hold starts with nothing noted.
    {
        ChangeHold hold{&m_store->transactions};
    }
    QCOMPARE(transactions.count(), 1);
}

QTEST_GUILESS_MAIN(ChangeHoldTest)
#include "tst_changehold.moc"
