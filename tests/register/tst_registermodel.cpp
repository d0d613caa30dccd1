#include "RegisterTestData.h"

#include "appstate/AppState.h"
#include "appstate/ThemeHelpers.h"
#include "register/RegisterModel.h"
#include "storage/CategoryRepository.h"
#include "storage/PreferencesRepository.h"
#include "tests/support/TestDataDir.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace registertest;

class TestRegisterModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void showsAmountsInTheirColumnsWithRunningBalances();
    void amountsFollowTheAccountsCurrency();
    void newestFirstKeepsEachBalanceWithItsRow();
    void reloadsOnceForABurstOfItsOwnChanges();
    void followsCategoryRenamesAndDeletes();
    void ignoresChangesThatDoNotConcernIt();

private:
    QString text(int row, int column) const;

    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<RegisterModel> m_model;
};

void TestRegisterModel::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_model = std::make_unique<RegisterModel>(m_state->transactionRepository(), m_state->accountRepository(),
                                              m_state->categoryRepository(), m_state->preferencesRepository());
}

void TestRegisterModel::cleanup()
{
    m_model.reset();
    m_state.reset();
    m_dir.reset();
}

QString TestRegisterModel::text(int row, int column) const
{
    return m_model->data(m_model->index(row, column)).toString();
}

void TestRegisterModel::showsAmountsInTheirColumnsWithRunningBalances()
{
    const Account account = addAccount(*m_state, QStringLiteral("Checking"), 10000);
    Transaction paycheck = makeTransaction(account.id, QDate(2024, 3, 1), 123456, QStringLiteral("Employer"));
    paycheck.cleared = true;
    m_state->transactionRepository()->insert(paycheck);
    Transaction rent = makeTransaction(account.id, QDate(2024, 3, 2), -250000, QStringLiteral("Landlord"));
    rent.check_number = QStringLiteral("1001");
    rent.memo = QStringLiteral("March");
    rent.cleared = true;
    rent.reconciled = true;
    m_state->transactionRepository()->insert(rent);
    addTransaction(*m_state, account.id, QDate(2024, 3, 3), 0, QStringLiteral("Nothing"));

    m_model->setAccount(account.id);
    QCOMPARE(m_model->rowCount(), 3);
    QCOMPARE(m_model->columnCount(), int(RegisterModel::ColumnCount));

    QCOMPARE(text(0, RegisterModel::DateColumn), QStringLiteral("03/01/2024"));
    QCOMPARE(text(0, RegisterModel::PayeeColumn), QStringLiteral("Employer"));
    QCOMPARE(text(0, RegisterModel::PaymentColumn), QString());
    QCOMPARE(text(0, RegisterModel::DepositColumn), QStringLiteral("1,234.56"));
    QCOMPARE(text(0, RegisterModel::ClearedColumn), QStringLiteral("C"));
    QCOMPARE(text(0, RegisterModel::BalanceColumn), QStringLiteral("$1,334.56"));

    QCOMPARE(text(1, RegisterModel::NumberColumn), QStringLiteral("1001"));
    QCOMPARE(text(1, RegisterModel::MemoColumn), QStringLiteral("March"));
    QCOMPARE(text(1, RegisterModel::PaymentColumn), QStringLiteral("2,500.00"));
    QCOMPARE(text(1, RegisterModel::DepositColumn), QString());
    QCOMPARE(text(1, RegisterModel::ClearedColumn), QStringLiteral("R"));
    QCOMPARE(text(1, RegisterModel::BalanceColumn), QStringLiteral("-$1,165.44"));

    QCOMPARE(text(2, RegisterModel::PaymentColumn), QString());
    QCOMPARE(text(2, RegisterModel::DepositColumn), QString());
    QCOMPARE(text(2, RegisterModel::ClearedColumn), QString());

    // Only a balance below zero takes the negative colour.
    const auto foreground = [&](int row) {
        return m_model->data(m_model->index(row, RegisterModel::BalanceColumn), Qt::ForegroundRole);
    };
    QVERIFY(!foreground(0).isValid());
    QCOMPARE(foreground(1).value<QColor>(), negativeAmountColor());
    QVERIFY(!m_model->data(m_model->index(1, RegisterModel::PaymentColumn), Qt::ForegroundRole).isValid());
}

void TestRegisterModel::amountsFollowTheAccountsCurrency()
{
    const Account yen = addAccount(*m_state, QStringLiteral("Tokyo"), 5000, Currency::JPY);
    addTransaction(*m_state, yen.id, QDate(2024, 1, 5), -123456, QStringLiteral("Ryokan"));

    m_model->setAccount(yen.id);
    QCOMPARE(m_model->currency(), Currency::JPY);
    QCOMPARE(text(0, RegisterModel::PaymentColumn), QStringLiteral("123,456"));
    QCOMPARE(text(0, RegisterModel::BalanceColumn), QStringLiteral("-¥118,456"));
}

void TestRegisterModel::newestFirstKeepsEachBalanceWithItsRow()
{
    const Account account = addAccount(*m_state, QStringLiteral("Checking"));
    const Transaction first = addTransaction(*m_state, account.id, QDate(2024, 1, 1), 1000, QStringLiteral("A"));
    addTransaction(*m_state, account.id, QDate(2024, 1, 2), 2000, QStringLiteral("B"));
    const Transaction last = addTransaction(*m_state, account.id, QDate(2024, 1, 3), -500, QStringLiteral("C"));

    m_model->setAccount(account.id);
    QCOMPARE(m_model->rowOf(first.id), 0);

    QSignalSpy reset(m_model.get(), &RegisterModel::modelReset);
    m_state->preferencesRepository()->setBool(QStringLiteral("registerNewestFirst"), true);
    QTRY_COMPARE(reset.count(), 1);
    QCOMPARE(m_model->rowOf(last.id), 0);
    QCOMPARE(text(0, RegisterModel::BalanceColumn), QStringLiteral("$25.00"));
    QCOMPARE(text(1, RegisterModel::BalanceColumn), QStringLiteral("$30.00"));
    QCOMPARE(text(2, RegisterModel::PayeeColumn), QStringLiteral("A"));
    QCOMPARE(text(2, RegisterModel::BalanceColumn), QStringLiteral("$10.00"));

    m_state->preferencesRepository()->setBool(QStringLiteral("registerNewestFirst"), false);
    QTRY_COMPARE(reset.count(), 2);
    QCOMPARE(m_model->rowOf(first.id), 0);
}

void TestRegisterModel::reloadsOnceForABurstOfItsOwnChanges()
{
    const Account account = addAccount(*m_state, QStringLiteral("Checking"));
    m_model->setAccount(account.id);
    QSignalSpy reset(m_model.get(), &RegisterModel::modelReset);

    for (int day = 1; day <= 5; ++day)
        addTransaction(*m_state, account.id, QDate(2024, 2, day), 100, QStringLiteral("Deposit"));
    QCOMPARE(reset.count(), 0);
    QTRY_COMPARE(reset.count(), 1);
    QCOMPARE(m_model->rowCount(), 5);

    // A change announced for no particular account may be this one's too.
    Q_EMIT m_state->transactionRepository()->transactionsChanged(QString());
    QTRY_COMPARE(reset.count(), 2);

    // The starting balance lives on the account.
    Account changed = account;
    changed.starting_balance = -10000;
    QVERIFY(m_state->accountRepository()->update(changed));
    QTRY_COMPARE(reset.count(), 3);
    QCOMPARE(text(4, RegisterModel::BalanceColumn), QStringLiteral("-$95.00"));
}

void TestRegisterModel::followsCategoryRenamesAndDeletes()
{
    const Account account = addAccount(*m_state, QStringLiteral("Checking"));
    Category category;
    category.id = newId();
    category.name = QStringLiteral("Food");
    category.created_at = nowUtc();
    category.updated_at = category.created_at;
    QVERIFY(m_state->categoryRepository()->insert(category));
    Transaction lunch = makeTransaction(account.id, QDate(2024, 2, 1), -900, QStringLiteral("Diner"));
    lunch.category_id = category.id;
    m_state->transactionRepository()->insert(lunch);
    m_model->setAccount(account.id);
    QCOMPARE(text(0, RegisterModel::CategoryColumn), QStringLiteral("Food"));

    category.name = QStringLiteral("Dining Out");
    QVERIFY(m_state->categoryRepository()->update(category));
    QTRY_COMPARE(text(0, RegisterModel::CategoryColumn), QStringLiteral("Dining Out"));

    QVERIFY(m_state->categoryRepository()->softDelete(category.id));
    QTRY_COMPARE(text(0, RegisterModel::CategoryColumn), QString());
}

void TestRegisterModel::ignoresChangesThatDoNotConcernIt()
{
    const Account account = addAccount(*m_state, QStringLiteral("Checking"));
    const Account other = addAccount(*m_state, QStringLiteral("Savings"));
    m_model->setAccount(account.id);
    QSignalSpy reset(m_model.get(), &RegisterModel::modelReset);

    addTransaction(*m_state, other.id, QDate(2024, 2, 1), 100, QStringLiteral("Elsewhere"));
    m_state->preferencesRepository()->set(QStringLiteral("syncCursor"), QStringLiteral("abc"));
    QTest::qWait(20);
    QCOMPARE(reset.count(), 0);
    QCOMPARE(m_model->rowCount(), 0);
}

QTEST_MAIN(TestRegisterModel)
#include "tst_registermodel.moc"
