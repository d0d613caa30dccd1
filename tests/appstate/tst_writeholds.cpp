#include "appstate/AppState.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/ChangeHold.h"
#include "storage/RecordId.h"
#include "storage/TransactionRepository.h"
#include "tests/support/TestDataDir.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The application state tells when a long write that held the repositories'
// change signals has ended: once, when the last of its holds ends.
class TestWriteHolds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void releasedOnceWhenTheLastHoldEnds();
    void releasedAfterTheChangesAreAnnounced();

private:
    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
};

void TestWriteHolds::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
}

void TestWriteHolds::cleanup()
{
    m_state.reset();
    m_dir.reset();
}

void TestWriteHolds::releasedOnceWhenTheLastHoldEnds()
{
    QSignalSpy released(m_state.get(), &AppState::writesReleased);
    QVERIFY(!m_state->writesHeld());
    {
        ChangeHold outer{m_state->accountRepository(), m_state->transactionRepository()};
        QVERIFY(m_state->writesHeld());
        {
            ChangeHold inner{m_state->transactionRepository(), m_state->categoryRepository()};
        }
        // The outer hold still keeps the accounts and transactions.
        QVERIFY(m_state->writesHeld());
        QCOMPARE(released.count(), 0);
    }
    QVERIFY(!m_state->writesHeld());
    QCOMPARE(released.count(), 1);

    // Two holds over different repositories that end apart: the write ends
    // with the second.
    ChangeHold accounts{m_state->accountRepository()};
    ChangeHold categories{m_state->categoryRepository()};
    accounts.release();
    QVERIFY(m_state->writesHeld());
    QCOMPARE(released.count(), 1);
    categories.release();
    QVERIFY(!m_state->writesHeld());
    QCOMPARE(released.count(), 2);
}

void TestWriteHolds::releasedAfterTheChangesAreAnnounced()
{
    QStringList heard;
    connect(m_state->accountRepository(), &AccountRepository::accountsChanged, this,
            [&heard] { heard << QStringLiteral("accounts"); });
    connect(m_state->transactionRepository(), &TransactionRepository::transactionsChanged, this,
            [&heard] { heard << QStringLiteral("transactions"); });
    connect(m_state.get(), &AppState::writesReleased, this, [&heard, this] {
        heard << (m_state->writesHeld() ? QStringLiteral("released while held") : QStringLiteral("released"));
    });
    {
        ChangeHold hold{m_state->accountRepository(), m_state->transactionRepository()};
        Account account;
        account.id = newRecordId();
        account.name = QStringLiteral("Checking");
        QVERIFY(m_state->accountRepository()->insert(account));
        Transaction transaction;
        transaction.id = newRecordId();
        transaction.account_id = account.id;
        transaction.date = QDate(2024, 3, 1);
        transaction.amount = -500;
        QVERIFY(m_state->transactionRepository()->insert(transaction));
        QVERIFY(heard.isEmpty());
    }
    QCOMPARE(heard, (QStringList{QStringLiteral("accounts"), QStringLiteral("transactions"),
                                 QStringLiteral("released")}));
}

QTEST_MAIN(TestWriteHolds)
#include "tst_writeholds.moc"
