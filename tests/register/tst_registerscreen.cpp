#include "RegisterTestData.h"

#include "app/AppState.h"
#include "register/RegisterScreen.h"
#include "tests/support/TestDataDir.h"

#include <QTableView>
#include <QtTest>

#include <memory>

using namespace registertest;

class TestRegisterScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void keepsTheCurrentTransactionAcrossReloads();
    void selectsTheRowThatTookADeletedOnesPlace();
    void anotherAccountStartsWithoutACurrentRow();

private:
    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<RegisterScreen> m_screen;
    QTableView* m_view = nullptr;
    Account m_account;
};

void TestRegisterScreen::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_account = addAccount(*m_state, QStringLiteral("Checking"), 1000);
    m_screen = std::make_unique<RegisterScreen>(m_state.get());
    m_view = m_screen->findChild<QTableView*>();
    QVERIFY(m_view);
}

void TestRegisterScreen::cleanup()
{
    m_screen.reset();
    m_state.reset();
    m_dir.reset();
}

void TestRegisterScreen::keepsTheCurrentTransactionAcrossReloads()
{
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 2), 500, QStringLiteral("Second"));
    const Transaction chosen = addTransaction(*m_state, m_account.id, QDate(2024, 1, 3), 500, QStringLiteral("Third"));
    m_screen->setAccount(m_account.id);
    m_view->setCurrentIndex(m_view->model()->index(1, 0));

    // An earlier transaction pushes the chosen one down a row.
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), 500, QStringLiteral("First"));
    QTRY_COMPARE(m_view->model()->rowCount(), 3);
    QCOMPARE(m_view->currentIndex().row(), 2);
    QCOMPARE(m_view->model()->index(2, 2).data().toString(), chosen.payee);
}

void TestRegisterScreen::selectsTheRowThatTookADeletedOnesPlace()
{
    const Transaction gone = addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), 500, QStringLiteral("Gone"));
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 2), 500, QStringLiteral("Next"));
    m_screen->setAccount(m_account.id);
    m_view->setCurrentIndex(m_view->model()->index(0, 0));

    QVERIFY(m_state->transactionRepository()->softDelete(gone.id));
    QTRY_COMPARE(m_view->model()->rowCount(), 1);
    QCOMPARE(m_view->currentIndex().row(), 0);
    QCOMPARE(m_view->model()->index(0, 2).data().toString(), QStringLiteral("Next"));
}

void TestRegisterScreen::anotherAccountStartsWithoutACurrentRow()
{
    const Account other = addAccount(*m_state, QStringLiteral("Savings"));
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), 500, QStringLiteral("Here"));
    addTransaction(*m_state, other.id, QDate(2024, 1, 1), 500, QStringLiteral("There"));
    m_screen->setAccount(m_account.id);
    m_view->setCurrentIndex(m_view->model()->index(0, 0));

    m_screen->setAccount(other.id);
    QCOMPARE(m_view->model()->rowCount(), 1);
    QVERIFY(!m_view->currentIndex().isValid());
}

QTEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
