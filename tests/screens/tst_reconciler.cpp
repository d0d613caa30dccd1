#include "tests/register/RegisterTestData.h"

#include "appstate/AppState.h"
#include "screens/Reconciler.h"
#include "screens/ReconciliationModel.h"
#include "storage/ReconciliationRepository.h"
#include "tests/support/TestDataDir.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace registertest;

class TestReconciler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void openingStartsWhereTheLastStatementLeftOff();
    void ticksSurviveAReload();
    void finishRefusesTransactionsChangedSinceShown_data();
    void finishRefusesTransactionsChangedSinceShown();

private:
    Transaction addReconciled(const Account& account, QDate date, qint64 amount);
    void addStatement(const Account& account, QDate date);

    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
};

void TestReconciler::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
}

void TestReconciler::cleanup()
{
    m_state.reset();
    m_dir.reset();
}

Transaction TestReconciler::addReconciled(const Account& account, QDate date, qint64 amount)
{
    Transaction transaction = makeTransaction(account.id, date, amount, QStringLiteral("Reconciled"));
    transaction.cleared = true;
    transaction.reconciled = true;
    m_state->transactionRepository()->insert(transaction);
    return transaction;
}

void TestReconciler::addStatement(const Account& account, QDate date)
{
    Reconciliation statement;
    statement.id = newId();
    statement.account_id = account.id;
    statement.statement_date = date;
    statement.completed_at = nowUtc();
    statement.created_at = statement.completed_at;
    statement.updated_at = statement.completed_at;
    QVERIFY(m_state->reconciliationRepository()->insert(statement));
}

void TestReconciler::openingStartsWhereTheLastStatementLeftOff()
{
    Reconciler reconciler(m_state.get());

    // Never reconciled: no date to propose, and only the starting balance.
    const Account fresh = addAccount(*m_state, QStringLiteral("Fresh"), 1000);
    addTransaction(*m_state, fresh.id, QDate(2024, 1, 5), -250, QStringLiteral("Open"));
    std::optional<Reconciler::Opening> opening = reconciler.open(fresh.id);
    QVERIFY(opening);
    QCOMPARE(opening->previousBalance, 1000);
    QVERIFY(!opening->statementDate);

    // January 31 is followed by the last day of February.
    const Account monthly = addAccount(*m_state, QStringLiteral("Monthly"), 1000);
    addStatement(monthly, QDate(2024, 1, 31));
    addReconciled(monthly, QDate(2024, 1, 15), 500);
    addTransaction(*m_state, monthly.id, QDate(2024, 2, 3), -100, QStringLiteral("Open"));
    opening = reconciler.open(monthly.id);
    QCOMPARE(opening->statementDate, QDate(2024, 2, 29));
    QCOMPARE(opening->previousBalance, 1500);

    // A transaction reconciled after the last statement (on another device)
    // moves the proposal past it.
    addReconciled(monthly, QDate(2024, 2, 10), 200);
    opening = reconciler.open(monthly.id);
    QCOMPARE(opening->statementDate, QDate(2024, 3, 10));
    QCOMPARE(opening->previousBalance, 1700);

    QVERIFY(!reconciler.open(newId()));
    QVERIFY(m_state->accountRepository()->softDelete(fresh.id));
    QVERIFY(!reconciler.open(fresh.id));
}

void TestReconciler::ticksSurviveAReload()
{
    const Account account = addAccount(*m_state, QStringLiteral("Checking"));
    Transaction cleared = makeTransaction(account.id, QDate(2024, 1, 1), -1000, QStringLiteral("Cleared"));
    cleared.cleared = true;
    QVERIFY(m_state->transactionRepository()->insert(cleared));
    const Transaction open = addTransaction(*m_state, account.id, QDate(2024, 1, 2), 4000, QStringLiteral("Open"));
    const Transaction later = addTransaction(*m_state, account.id, QDate(2024, 1, 3), -300, QStringLiteral("Later"));
    addReconciled(account, QDate(2023, 12, 1), 99900);

    ReconciliationModel model(m_state->transactionRepository());
    QSignalSpy ticks(&model, &ReconciliationModel::ticksChanged);
    model.setAccount(account.id, Currency::USD);
    QCOMPARE(model.rowCount(), 3);
    QVERIFY(model.isTicked(0));
    QVERIFY(!model.isTicked(1));
    QCOMPARE(model.tickedWithdrawals(), -1000);

    // The user's ticks, not the cleared marks, decide from here on; a click
    // on the tick column lands in setData.
    QVERIFY(model.setData(model.index(0, ReconciliationModel::TickColumn), Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(model.toggleTick(1));
    QVERIFY(!model.toggleTick(3));
    QCOMPARE(ticks.size(), 2);

    Transaction newCleared = makeTransaction(account.id, QDate(2024, 1, 4), -50, QStringLiteral("New cleared"));
    newCleared.cleared = true;
    QVERIFY(m_state->transactionRepository()->insert(newCleared));
    addTransaction(*m_state, account.id, QDate(2024, 1, 5), 70, QStringLiteral("New open"));
    Transaction elsewhere = later;
    elsewhere.reconciled = true;
    QVERIFY(m_state->transactionRepository()->update(elsewhere));
    model.reload();

    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.rowOf(later.id), -1);
    QVERIFY(!model.isTicked(model.rowOf(cleared.id)));
    QVERIFY(model.isTicked(model.rowOf(open.id)));
    QVERIFY(model.isTicked(model.rowOf(newCleared.id)));
    QVERIFY(!model.isTicked(3));
    QCOMPARE(model.tickedDeposits(), 4000);
    QCOMPARE(model.tickedWithdrawals(), -50);
    QCOMPARE(model.tickedTransactions().size(), 2);
}

void TestReconciler::finishRefusesTransactionsChangedSinceShown_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("deleted") << QStringLiteral("deleted");
    QTest::newRow("reconciled") << QStringLiteral("reconciled");
    QTest::newRow("new amount") << QStringLiteral("amount");
}

void TestReconciler::finishRefusesTransactionsChangedSinceShown()
{
    QFETCH(QString, change);
    const Account account = addAccount(*m_state, QStringLiteral("Checking"), 1000);
    const Transaction kept = addTransaction(*m_state, account.id, QDate(2024, 1, 1), 200, QStringLiteral("Kept"));
    const Transaction changed = addTransaction(*m_state, account.id, QDate(2024, 1, 2), -300, QStringLiteral("Gone"));
    Reconciler reconciler(m_state.get());
    const Reconciler::Opening opening = *reconciler.open(account.id);

    // The user balanced against what was shown; a sync pass changes it.
    Transaction stored = changed;
    if (change == u"deleted") {
        QVERIFY(m_state->transactionRepository()->softDelete(changed.id));
    } else {
        if (change == u"reconciled")
            stored.reconciled = true;
        else
            stored.amount = -400;
        QVERIFY(m_state->transactionRepository()->update(stored));
    }

    QVERIFY(!reconciler.finish(opening, QDate(2024, 1, 31), 900, {kept, changed}));
    QCOMPARE(*m_state->transactionRepository()->getById(kept.id), kept);
    QVERIFY(m_state->reconciliationRepository()->listByAccount(account.id).isEmpty());
}

QTEST_MAIN(TestReconciler)
#include "tst_reconciler.moc"
