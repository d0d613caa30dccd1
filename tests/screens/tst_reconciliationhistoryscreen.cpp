#include "tests/register/RegisterTestData.h"

#include "appstate/AppState.h"
#include "screens/ReconciliationHistoryScreen.h"
#include "storage/ReconciliationRepository.h"
#include "tests/support/TestDataDir.h"

#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace registertest;

class TestReconciliationHistoryScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void listsTheAccountsStatementsNewestFirst();
    void emptyStateAndAMissingAccount();

private:
    void addStatement(const Account& account, QDate date, qint64 balance);
    QString heading() const;
    bool tableShown() const { return !m_screen->findChild<QTableWidget*>()->isHidden(); }
    bool emptyTextShown() const { return !m_screen->findChild<QLabel*>(QStringLiteral("emptyLabel"))->isHidden(); }

    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<ReconciliationHistoryScreen> m_screen;
};

void TestReconciliationHistoryScreen::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_screen = std::make_unique<ReconciliationHistoryScreen>(m_state.get());
}

void TestReconciliationHistoryScreen::cleanup()
{
    m_screen.reset();
    m_state.reset();
    m_dir.reset();
}

void TestReconciliationHistoryScreen::addStatement(const Account& account, QDate date, qint64 balance)
{
    Reconciliation statement;
    statement.id = newId();
    statement.account_id = account.id;
    statement.statement_date = date;
    statement.statement_balance = balance;
    statement.reconciled_balance = balance;
    statement.completed_at = nowUtc();
    statement.created_at = statement.completed_at;
    statement.updated_at = statement.completed_at;
    QVERIFY(m_state->reconciliationRepository()->insert(statement));
}

QString TestReconciliationHistoryScreen::heading() const
{
    for (QLabel* label : m_screen->findChildren<QLabel*>()) {
        if (label->text().startsWith(QLatin1String("Reconciliation History")))
            return label->text();
    }
    return {};
}

void TestReconciliationHistoryScreen::listsTheAccountsStatementsNewestFirst()
{
    const Account card = addAccount(*m_state, QStringLiteral("Card"), 0, Currency::EUR);
    const Account other = addAccount(*m_state, QStringLiteral("Other"));
    addStatement(card, QDate(2024, 2, 29), -12050);
    addStatement(card, QDate(2024, 3, 31), 0);
    addStatement(card, QDate(2024, 1, 31), 1000);
    addStatement(other, QDate(2024, 4, 30), 500);

    m_screen->setAccount(card.id);

    QCOMPARE(heading(), QStringLiteral("Reconciliation History — Card"));
    QVERIFY(tableShown() && !emptyTextShown());
    auto* table = m_screen->findChild<QTableWidget*>();
    QCOMPARE(table->rowCount(), 3);
    QStringList dates;
    for (int row = 0; row < table->rowCount(); ++row)
        dates << table->item(row, 0)->text();
    QCOMPARE(dates, QStringList({QStringLiteral("Mar 31, 2024"), QStringLiteral("Feb 29, 2024"),
                                 QStringLiteral("Jan 31, 2024")}));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("-€120.50"));
}

void TestReconciliationHistoryScreen::emptyStateAndAMissingAccount()
{
    const Account fresh = addAccount(*m_state, QStringLiteral("Fresh"));
    const Account reconciled = addAccount(*m_state, QStringLiteral("Reconciled"));
    addStatement(reconciled, QDate(2024, 1, 31), 1000);

    m_screen->setAccount(fresh.id);
    QCOMPARE(heading(), QStringLiteral("Reconciliation History — Fresh"));
    QVERIFY(!tableShown() && emptyTextShown());

    m_screen->setAccount(reconciled.id);
    QVERIFY(tableShown() && !emptyTextShown());

    // No account: no other account's name over its (empty) history.
    m_screen->setAccount(newId());
    QCOMPARE(heading(), QStringLiteral("Reconciliation History"));
    QVERIFY(!tableShown() && emptyTextShown());
}

QTEST_MAIN(TestReconciliationHistoryScreen)
#include "tst_reconciliationhistoryscreen.moc"
