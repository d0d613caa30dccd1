#include "services/ReportService.h"
#include "storage/Money.h"
#include "tests/support/TestStore.h"

#include <QtTest>

#include <memory>

namespace {

QDate day(int year, int month, int d) { return QDate(year, month, d); }

} // namespace

// One small ledger with totals worked out by hand:
//   Checking (start 1000.00), Savings (start 500.00, no transactions), Visa
//   (start -50.00), and a deleted account; a transfer Checking -> Visa; a
//   split at Superstore over Groceries and Charity; a transaction in a
//   deleted category and one in a category that does not exist; a deleted
//   transaction that must never count.
class TestReportService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void categorySpending();
    void payeeSummary();
    void taxReport();
    void incomeVsExpensesLeavesTransfersOut();
    void cashFlowKeepsTransfers();
    void yearOverYear();
    void categoryNamesSortIgnoringCase();
    void transferCategoriesAreNeitherSpendingNorIncome();
    void accountSummary();
    void transactionReport();
    void readerHandsOutTheTransactionsInBatches();
    void rowsOfOneAccountCarryItsCurrency();
    void summariesKeepCurrenciesApart();
    void oneSidedLinkIsOrdinaryIncomeOrSpending();
    void csvQuoting();
    void sumsBeyondSixtyFourBitsHoldAtTheLimit();

private:
    void addAccount(const QString& id, const QString& name, AccountType type, qint64 start, int sortOrder,
                    Currency currency = Currency::USD);
    void addCategory(const QString& id, const QString& name, const QString& taxCode = {});
    Transaction addTransaction(const QString& id, const QString& account, const QDate& date, const QString& payee,
                               qint64 amount, const QString& category, bool cleared);

    const QDate m_from = day(2026, 1, 1);
    const QDate m_to = day(2026, 2, 28);

    std::unique_ptr<TestStore> m_store;
    std::unique_ptr<ReportService> m_reports;
};

void TestReportService::addAccount(const QString& id, const QString& name, AccountType type, qint64 start,
                                   int sortOrder, Currency currency)
{
    Account account;
    account.currency = currency;
    account.id = id;
    account.name = name;
    account.account_type = type;
    account.starting_balance = start;
    account.sort_order = sortOrder;
    QVERIFY(m_store->accounts.insert(account));
}

void TestReportService::addCategory(const QString& id, const QString& name, const QString& taxCode)
{
    Category category;
    category.id = id;
    category.name = name;
    category.is_tax_relevant = !taxCode.isEmpty();
    category.tax_category = taxCode;
    QVERIFY(m_store->categories.insert(category));
}

Transaction TestReportService::addTransaction(const QString& id, const QString& account, const QDate& date,
                                              const QString& payee, qint64 amount, const QString& category,
                                              bool cleared)
{
    Transaction transaction;
    transaction.id = id;
    transaction.account_id = account;
    transaction.date = date;
    transaction.payee = payee;
    transaction.amount = amount;
    transaction.category_id = category;
    transaction.cleared = cleared;
    if (!m_store->transactions.insert(transaction))
        qFatal("cannot insert a transaction");
    return transaction;
}

void TestReportService::initTestCase()
{
    m_store = std::make_unique<TestStore>();
    m_reports = std::make_unique<ReportService>(&m_store->db);

    const QString chk = QStringLiteral("chk");
    const QString card = QStringLiteral("card");
    addAccount(chk, QStringLiteral("Checking"), AccountType::Checking, 100000, 0);
    addAccount(QStringLiteral("sav"), QStringLiteral("Savings"), AccountType::Savings, 50000, 1);
    addAccount(card, QStringLiteral("Visa"), AccountType::CreditCard, -5000, 1);
    addAccount(QStringLiteral("closed"), QStringLiteral("Closed"), AccountType::Cash, 777, 0);
    QVERIFY(m_store->accounts.softDelete(QStringLiteral("closed")));

    addCategory(QStringLiteral("food"), QStringLiteral("Groceries"));
    addCategory(QStringLiteral("rent"), QStringLiteral("Rent"));
    addCategory(QStringLiteral("salary"), QStringLiteral("Salary"));
    addCategory(QStringLiteral("gym"), QStringLiteral("Gym"));
    addCategory(QStringLiteral("charity"), QStringLiteral("Charity"), QStringLiteral("charitable_contributions"));
    addCategory(QStringLiteral("medical"), QStringLiteral("Medical"), QStringLiteral("medical_expenses"));
    addCategory(QStringLiteral("gone"), QStringLiteral("Gone"), QStringLiteral("medical_expenses"));
    QVERIFY(m_store->categories.softDelete(QStringLiteral("gone")));

    addTransaction(QStringLiteral("t1"), chk, day(2026, 1, 5), QStringLiteral("Employer"), 300000,
                   QStringLiteral("salary"), true);
    addTransaction(QStringLiteral("t2"), chk, day(2026, 1, 10), QStringLiteral("Market"), -5000,
                   QStringLiteral("food"), true);
    addTransaction(QStringLiteral("t3"), chk, day(2026, 1, 20), QStringLiteral("Landlord"), -100000,
                   QStringLiteral("rent"), false);

    Transaction out = addTransaction(QStringLiteral("t4"), chk, day(2026, 1, 25), QStringLiteral("Visa Payment"),
                                     -20000, {}, true);
    Transaction in = addTransaction(QStringLiteral("t5"), card, day(2026, 1, 25), QStringLiteral("Visa Payment"),
                                    20000, {}, false);
    out.transfer_link_id = in.id;
    out.transfer_dest_account_id = card;
    in.transfer_link_id = out.id;
    in.transfer_dest_account_id = chk;
    QVERIFY(m_store->transactions.update(out));
    QVERIFY(m_store->transactions.update(in));

    addTransaction(QStringLiteral("t6"), card, day(2026, 2, 3), QStringLiteral("Market"), -3000,
                   QStringLiteral("food"), false);
    Transaction split = addTransaction(QStringLiteral("t7"), card, day(2026, 2, 14), QStringLiteral("Superstore"),
                                       -10000, {}, true);
    split.is_split = true;
    split.memo = QStringLiteral("weekly \"big\" shop");
    QVERIFY(m_store->transactions.update(split));
    QVERIFY(m_store->splitLines.insert(SplitLine{QStringLiteral("s1"), split.id, QStringLiteral("food"), -6000, {},
                                           QDateTime::currentDateTimeUtc(), QDateTime::currentDateTimeUtc()}));
    QVERIFY(m_store->splitLines.insert(SplitLine{QStringLiteral("s2"), split.id, QStringLiteral("charity"), -4000, {},
                                           QDateTime::currentDateTimeUtc(), QDateTime::currentDateTimeUtc()}));

    addTransaction(QStringLiteral("t8"), chk, day(2026, 2, 20), QStringLiteral("Pharmacy"), -2500,
                   QStringLiteral("gone"), true);
    addTransaction(QStringLiteral("t9"), chk, day(2026, 2, 21), QStringLiteral("Church"), -1500,
                   QStringLiteral("charity"), false);
    Transaction refund = addTransaction(QStringLiteral("t10"), chk, day(2026, 2, 22), QStringLiteral("Refund"), 700,
                                        QStringLiteral("no-such-category"), false);
    refund.reconciled = true; // reconciled counts as cleared
    QVERIFY(m_store->transactions.update(refund));

    addTransaction(QStringLiteral("t11"), chk, day(2026, 2, 10), QStringLiteral("Ghost"), -99999,
                   QStringLiteral("food"), true);
    QVERIFY(m_store->transactions.softDelete(QStringLiteral("t11")));

    addTransaction(QStringLiteral("t12"), chk, day(2025, 12, 31), QStringLiteral("Market"), -4000,
                   QStringLiteral("food"), true);
    addTransaction(QStringLiteral("t13"), chk, day(2025, 11, 15), QStringLiteral("Clinic"), -8000,
                   QStringLiteral("medical"), true);
    addTransaction(QStringLiteral("t14"), chk, day(2026, 3, 1), QStringLiteral("Market"), -1000,
                   QStringLiteral("food"), true);
    addTransaction(QStringLiteral("t15"), chk, day(2026, 2, 28), QStringLiteral("Market"), -2000,
                   QStringLiteral("food"), false);
    addTransaction(QStringLiteral("t16"), card, day(2026, 1, 30), QStringLiteral("Clinic"), -7000,
                   QStringLiteral("medical"), true);
    addTransaction(QStringLiteral("t17"), chk, day(2025, 6, 1), QStringLiteral("Old Gym"), -3000,
                   QStringLiteral("gym"), true);
}

void TestReportService::cleanupTestCase()
{
    m_reports.reset();
    m_store.reset();
}

void TestReportService::categorySpending()
{
    QCOMPARE(m_reports->categorySpending(m_from, m_to, {}),
             (QList<CategorySpendingRow>{{QStringLiteral("Rent"), -100000},
                                         {QStringLiteral("Groceries"), -16000},
                                         {QStringLiteral("Medical"), -7000},
                                         {QStringLiteral("Charity"), -5500},
                                         // The card payment is a transfer, no spending.
                                         {QStringLiteral("Uncategorized"), -2500}}));
    QCOMPARE(m_reports->categorySpending(m_from, m_to, QStringLiteral("card")),
             (QList<CategorySpendingRow>{{QStringLiteral("Groceries"), -9000},
                                         {QStringLiteral("Medical"), -7000},
                                         {QStringLiteral("Charity"), -4000}}));
    QVERIFY(m_reports->categorySpending(day(2030, 1, 1), day(2030, 12, 31), {}).isEmpty());
}

void TestReportService::payeeSummary()
{
    QCOMPARE(m_reports->payeeSummary(m_from, m_to, {}),
             (QList<PayeeSummaryRow>{{QStringLiteral("Landlord"), -100000, 1},
                                     {QStringLiteral("Market"), -10000, 3},
                                     {QStringLiteral("Superstore"), -10000, 1},
                                     {QStringLiteral("Clinic"), -7000, 1},
                                     {QStringLiteral("Pharmacy"), -2500, 1},
                                     {QStringLiteral("Church"), -1500, 1},
                                     {QStringLiteral("Visa Payment"), 0, 2},
                                     {QStringLiteral("Refund"), 700, 1},
                                     {QStringLiteral("Employer"), 300000, 1}}));
}

void TestReportService::taxReport()
{
    // The deleted tax-relevant category does not count; the split's charity line does.
    QCOMPARE(m_reports->taxReport(m_from, m_to),
             (QList<TaxReportRow>{{QStringLiteral("Charity"), QStringLiteral("charitable_contributions"), -5500},
                                  {QStringLiteral("Medical"), QStringLiteral("medical_expenses"), -7000}}));
    QCOMPARE(m_reports->taxReport(day(2025, 1, 1), day(2025, 12, 31)),
             (QList<TaxReportRow>{{QStringLiteral("Medical"), QStringLiteral("medical_expenses"), -8000}}));
}

void TestReportService::incomeVsExpensesLeavesTransfersOut()
{
    QCOMPARE(m_reports->incomeVsExpenses(m_from, m_to, {}),
             (QList<IncomeExpenseRow>{{QStringLiteral("2026-01"), 300000, -112000, 188000},
                                      {QStringLiteral("2026-02"), 700, -19000, -18300}}));
    QCOMPARE(m_reports->incomeVsExpenses(m_from, m_to, QStringLiteral("chk")),
             (QList<IncomeExpenseRow>{{QStringLiteral("2026-01"), 300000, -105000, 195000},
                                      {QStringLiteral("2026-02"), 700, -6000, -5300}}));
}

void TestReportService::cashFlowKeepsTransfers()
{
    QCOMPARE(m_reports->cashFlow(m_from, m_to, {}),
             (QList<CashFlowRow>{{QStringLiteral("2026-01"), 320000, -132000, 188000},
                                 {QStringLiteral("2026-02"), 700, -19000, -18300}}));
    QCOMPARE(m_reports->cashFlow(m_from, m_to, QStringLiteral("card")),
             (QList<CashFlowRow>{{QStringLiteral("2026-01"), 20000, -7000, 13000},
                                 {QStringLiteral("2026-02"), 0, -13000, -13000}}));
}

void TestReportService::yearOverYear()
{
    QCOMPARE(m_reports->yearOverYear(day(2025, 1, 1), day(2025, 12, 31), m_from, m_to, {}),
             (QList<YearOverYearRow>{{QStringLiteral("Charity"), 0, -5500, -5500},
                                     {QStringLiteral("Groceries"), -4000, -16000, -12000},
                                     {QStringLiteral("Gym"), -3000, 0, 3000},
                                     {QStringLiteral("Medical"), -8000, -7000, 1000},
                                     {QStringLiteral("Rent"), 0, -100000, -100000},
                                     {QStringLiteral("Salary"), 0, 300000, 300000},
                                     {QStringLiteral("Uncategorized"), 0, -1800, -1800}}));
}

void TestReportService::categoryNamesSortIgnoringCase()
{
    // Rows of their own: a deleted account, in a year no other report here
    // reads, so the shared ledger's reports stay as worked out above.
    const QString lab = QStringLiteral("lab");
    addAccount(lab, QStringLiteral("Lab"), AccountType::Cash, 0, 9);
    QVERIFY(m_store->accounts.softDelete(lab));
    addCategory(QStringLiteral("apple"), QStringLiteral("apple"));
    addCategory(QStringLiteral("zebra"), QStringLiteral("Zebra"));
    addCategory(QStringLiteral("banana-lower"), QStringLiteral("banana"));
    addCategory(QStringLiteral("banana-upper"), QStringLiteral("Banana"));
    addTransaction(QStringLiteral("lab1"), lab, day(2027, 3, 1), QStringLiteral("Stall"), -500,
                   QStringLiteral("zebra"), false);
    addTransaction(QStringLiteral("lab2"), lab, day(2027, 3, 2), QStringLiteral("Stall"), -500,
                   QStringLiteral("apple"), false);
    addTransaction(QStringLiteral("lab3"), lab, day(2027, 9, 1), QStringLiteral("Stall"), -100,
                   QStringLiteral("zebra"), false);
    addTransaction(QStringLiteral("lab4"), lab, day(2027, 9, 2), QStringLiteral("Stall"), -200,
                   QStringLiteral("banana-lower"), false);
    addTransaction(QStringLiteral("lab5"), lab, day(2027, 9, 3), QStringLiteral("Stall"), -300,
                   QStringLiteral("banana-upper"), false);

    // Equal totals fall back to the name.
    QCOMPARE(m_reports->categorySpending(day(2027, 1, 1), day(2027, 6, 30), lab),
             (QList<CategorySpendingRow>{{QStringLiteral("apple"), -500}, {QStringLiteral("Zebra"), -500}}));
    QCOMPARE(m_reports->yearOverYear(day(2027, 1, 1), day(2027, 6, 30), day(2027, 7, 1), day(2027, 12, 31), lab),
             (QList<YearOverYearRow>{{QStringLiteral("apple"), -500, 0, 500},
                                     {QStringLiteral("Banana"), 0, -300, -300},
                                     {QStringLiteral("banana"), 0, -200, -200},
                                     {QStringLiteral("Zebra"), -500, -100, 400}}));
}

void TestReportService::transferCategoriesAreNeitherSpendingNorIncome()
{
    // As above: a deleted account and a year of its own.
    const QString box = QStringLiteral("box");
    addAccount(box, QStringLiteral("Box"), AccountType::Cash, 0, 9);
    QVERIFY(m_store->accounts.softDelete(box));
    Category moved;
    moved.id = QStringLiteral("moved");
    moved.name = QStringLiteral("Savings Transfer");
    moved.category_type = CategoryType::Transfer;
    QVERIFY(m_store->categories.insert(moved));
    addTransaction(QStringLiteral("box1"), box, day(2031, 3, 1), QStringLiteral("To savings"), -5000,
                   moved.id, false);
    addTransaction(QStringLiteral("box2"), box, day(2031, 3, 2), QStringLiteral("From savings"), 2000, moved.id,
                   false);
    addTransaction(QStringLiteral("box3"), box, day(2031, 3, 3), QStringLiteral("Market"), -700,
                   QStringLiteral("food"), false);
    Transaction split = addTransaction(QStringLiteral("box4"), box, day(2031, 3, 4), QStringLiteral("Bank"), -1300,
                                       {}, false);
    split.is_split = true;
    QVERIFY(m_store->transactions.update(split));
    QVERIFY(m_store->splitLines.insert(SplitLine{QStringLiteral("box4a"), split.id, QStringLiteral("food"), -300, {},
                                           QDateTime::currentDateTimeUtc(), QDateTime::currentDateTimeUtc()}));
    QVERIFY(m_store->splitLines.insert(SplitLine{QStringLiteral("box4b"), split.id, moved.id, -1000, {},
                                           QDateTime::currentDateTimeUtc(), QDateTime::currentDateTimeUtc()}));
    const QDate from = day(2031, 1, 1);
    const QDate to = day(2031, 12, 31);

    QCOMPARE(m_reports->categorySpending(from, to, box),
             (QList<CategorySpendingRow>{{QStringLiteral("Groceries"), -1000}}));
    QCOMPARE(m_reports->yearOverYear(day(2029, 1, 1), day(2029, 12, 31), from, to, box),
             (QList<YearOverYearRow>{{QStringLiteral("Groceries"), 0, -1000, -1000}}));
    QCOMPARE(m_reports->incomeVsExpenses(from, to, box),
             (QList<IncomeExpenseRow>{{QStringLiteral("2031-03"), 0, -1000, -1000}}));
    // Money still moved: the cash flow counts it.
    QCOMPARE(m_reports->cashFlow(from, to, box),
             (QList<CashFlowRow>{{QStringLiteral("2031-03"), 2000, -7000, -5000}}));
}

void TestReportService::accountSummary()
{
    QCOMPARE(m_reports->accountSummary(),
             (QList<AccountSummaryRow>{{QStringLiteral("Checking"), QStringLiteral("checking"), 357200, -103500, 253700},
                                       {QStringLiteral("Savings"), QStringLiteral("savings"), 50000, 0, 50000},
                                       {QStringLiteral("Visa"), QStringLiteral("credit_card"), -22000, 17000, -5000}}));
}

void TestReportService::transactionReport()
{
    const QString uncategorized = QStringLiteral("Uncategorized");
    QCOMPARE(m_reports->transactionReport(m_from, m_to, QStringLiteral("card"), {}),
             (QList<TransactionReportRow>{
                 {day(2026, 1, 25), QStringLiteral("Visa"), QStringLiteral("Visa Payment"),
                  QStringLiteral("Transfer to/from: Checking"), {}, 20000},
                 {day(2026, 1, 30), QStringLiteral("Visa"), QStringLiteral("Clinic"), QStringLiteral("Medical"), {}, -7000},
                 {day(2026, 2, 3), QStringLiteral("Visa"), QStringLiteral("Market"), QStringLiteral("Groceries"), {}, -3000},
                 {day(2026, 2, 14), QStringLiteral("Visa"), QStringLiteral("Superstore"), QStringLiteral("Split"),
                  QStringLiteral("weekly \"big\" shop"), -10000}}));

    // A category filter finds split transactions through their lines.
    QStringList payees;
    for (const TransactionReportRow& row : m_reports->transactionReport(m_from, m_to, {}, QStringLiteral("charity")))
        payees << row.payee;
    QCOMPARE(payees, (QStringList{QStringLiteral("Superstore"), QStringLiteral("Church")}));

    const QList<TransactionReportRow> all = m_reports->transactionReport(m_from, m_to, {}, {});
    QCOMPARE(all.size(), 12);
    QCOMPARE(all.first().payee, QStringLiteral("Employer"));
    QCOMPARE(all.last().date, m_to); // both ends of the range are included
    QCOMPARE(all.at(all.size() - 4).categoryName, uncategorized); // deleted category
    QCOMPARE(all.at(all.size() - 2).categoryName, uncategorized); // missing category
}

void TestReportService::readerHandsOutTheTransactionsInBatches()
{
    const QList<TransactionReportRow> whole = m_reports->transactionReport(m_from, m_to, {}, {});
    const std::unique_ptr<ReportService::TransactionReader> reader =
        m_reports->readTransactionReport(m_from, m_to, {}, {});
    QList<TransactionReportRow> batched;
    while (!reader->atEnd()) {
        const QList<TransactionReportRow> batch = reader->read(5);
        QVERIFY(batch.size() <= 5);
        batched << batch;
    }
    QVERIFY(!reader->failed());
    QCOMPARE(batched, whole);
    QVERIFY(reader->read(5).isEmpty());
}

void TestReportService::rowsOfOneAccountCarryItsCurrency()
{
    // A live account of its own, gone again at the end so the summary above
    // stays as worked out.
    const QString yen = QStringLiteral("yen");
    addAccount(yen, QStringLiteral("Tokyo"), AccountType::Cash, 5000, 9, Currency::JPY);
    addTransaction(QStringLiteral("yen1"), yen, day(2028, 4, 1), QStringLiteral("Konbini"), -800, {}, false);

    const QList<AccountSummaryRow> summary = m_reports->accountSummary();
    QCOMPARE(summary.last(), (AccountSummaryRow{QStringLiteral("Tokyo"), QStringLiteral("cash"), 5000, -800, 4200,
                                                Currency::JPY}));
    QCOMPARE(summary.first().currency, Currency::USD);
    const QList<TransactionReportRow> rows = m_reports->transactionReport(day(2028, 1, 1), day(2028, 12, 31), {}, {});
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().currency, Currency::JPY);
    QVERIFY(m_store->accounts.softDelete(yen));
}

void TestReportService::summariesKeepCurrenciesApart()
{
    // Deleted accounts of their own in a year no other report here reads:
    // their transactions still count, in their own currency.
    const QString dollars = QStringLiteral("dollars");
    const QString yen = QStringLiteral("osaka");
    addAccount(dollars, QStringLiteral("Dollars"), AccountType::Cash, 0, 9);
    addAccount(yen, QStringLiteral("Osaka"), AccountType::Cash, 0, 9, Currency::JPY);
    addTransaction(QStringLiteral("fx1"), yen, day(2032, 3, 1), QStringLiteral("Salary"), 250000,
                   QStringLiteral("salary"), false);
    addTransaction(QStringLiteral("fx2"), yen, day(2032, 3, 2), QStringLiteral("Ramen"), -1000,
                   QStringLiteral("food"), false);
    addTransaction(QStringLiteral("fx3"), dollars, day(2032, 3, 3), QStringLiteral("Diner"), -1000,
                   QStringLiteral("food"), false);
    addTransaction(QStringLiteral("fx4"), yen, day(2032, 3, 4), QStringLiteral("Temple"), -500,
                   QStringLiteral("charity"), false);
    QVERIFY(m_store->accounts.softDelete(dollars));
    QVERIFY(m_store->accounts.softDelete(yen));
    const QDate from = day(2032, 1, 1);
    const QDate to = day(2032, 12, 31);
    const Currency usd = Currency::USD;
    const Currency jpy = Currency::JPY;
    const QString groceries = QStringLiteral("Groceries");

    QCOMPARE(m_reports->categorySpending(from, to, {}),
             (QList<CategorySpendingRow>{{groceries, -1000, usd},
                                         {groceries, -1000, jpy},
                                         {QStringLiteral("Charity"), -500, jpy}}));
    QCOMPARE(m_reports->payeeSummary(from, to, {}),
             (QList<PayeeSummaryRow>{{QStringLiteral("Diner"), -1000, 1, usd},
                                     {QStringLiteral("Ramen"), -1000, 1, jpy},
                                     {QStringLiteral("Temple"), -500, 1, jpy},
                                     {QStringLiteral("Salary"), 250000, 1, jpy}}));
    QCOMPARE(m_reports->taxReport(from, to),
             (QList<TaxReportRow>{{QStringLiteral("Charity"), QStringLiteral("charitable_contributions"), -500, jpy}}));
    QCOMPARE(m_reports->incomeVsExpenses(from, to, {}),
             (QList<IncomeExpenseRow>{{QStringLiteral("2032-03"), 0, -1000, -1000, usd},
                                      {QStringLiteral("2032-03"), 250000, -1500, 248500, jpy}}));
    QCOMPARE(m_reports->cashFlow(from, to, {}),
             (QList<CashFlowRow>{{QStringLiteral("2032-03"), 0, -1000, -1000, usd},
                                 {QStringLiteral("2032-03"), 250000, -1500, 248500, jpy}}));
    QCOMPARE(m_reports->yearOverYear(from, to, day(2033, 1, 1), day(2033, 12, 31), {}),
             (QList<YearOverYearRow>{{groceries, -1000, 0, 1000, usd},
                                     {QStringLiteral("Charity"), -500, 0, 500, jpy},
                                     {groceries, -1000, 0, 1000, jpy},
                                     {QStringLiteral("Salary"), 250000, 0, -250000, jpy}}));
    // One account is one currency.
    QCOMPARE(m_reports->cashFlow(from, to, yen),
             (QList<CashFlowRow>{{QStringLiteral("2032-03"), 250000, -1500, 248500, jpy}}));
}

void TestReportService::oneSidedLinkIsOrdinaryIncomeOrSpending()
{
    // A link the partner does not return, as a faulty sync could leave it,
    // next to a proper transfer that both sides name.
    const QString shop = QStringLiteral("shop");
    addAccount(shop, QStringLiteral("Shop"), AccountType::Cash, 0, 9);
    QVERIFY(m_store->accounts.softDelete(shop));
    Transaction oneSided = addTransaction(QStringLiteral("os1"), shop, day(2034, 5, 1), QStringLiteral("Bookshop"),
                                          -2000, QStringLiteral("food"), false);
    const Transaction other = addTransaction(QStringLiteral("os2"), QStringLiteral("chk"), day(2034, 5, 1),
                                             QStringLiteral("Bookshop"), 2000, {}, false);
    oneSided.transfer_link_id = other.id;
    oneSided.transfer_dest_account_id = QStringLiteral("chk");
    QVERIFY(m_store->transactions.update(oneSided));
    Transaction out = addTransaction(QStringLiteral("os3"), shop, day(2034, 5, 2), QStringLiteral("Move"), -700,
                                     {}, false);
    Transaction in = addTransaction(QStringLiteral("os4"), QStringLiteral("chk"), day(2034, 5, 2),
                                    QStringLiteral("Move"), 700, {}, false);
    out.transfer_link_id = in.id;
    in.transfer_link_id = out.id;
    QVERIFY(m_store->transactions.update(out));
    QVERIFY(m_store->transactions.update(in));
    // A row that names itself is its own other side, which is none.
    Transaction self = addTransaction(QStringLiteral("os5"), shop, day(2034, 5, 3), QStringLiteral("Refund"), 500,
                                      {}, false);
    self.transfer_link_id = self.id;
    QVERIFY(m_store->transactions.update(self));
    const QDate from = day(2034, 1, 1);
    const QDate to = day(2034, 12, 31);

    QCOMPARE(m_reports->incomeVsExpenses(from, to, shop),
             (QList<IncomeExpenseRow>{{QStringLiteral("2034-05"), 500, -2000, -1500}}));
    QCOMPARE(m_reports->categorySpending(from, to, shop),
             (QList<CategorySpendingRow>{{QStringLiteral("Groceries"), -2000}}));
    QCOMPARE(m_reports->transactionReport(from, to, shop, {}).value(0).categoryName, QStringLiteral("Groceries"));
    QVERIFY(m_store->transactions.softDelete(other.id));
    QVERIFY(m_store->transactions.softDelete(in.id));
}

void TestReportService::csvQuoting()
{
    QCOMPARE(ReportService::toCsv({QStringLiteral("Payee"), QStringLiteral("Total")}, {}),
             QStringLiteral("\"Payee\",\"Total\"\n"));
    QCOMPARE(ReportService::toCsv({QStringLiteral("Payee"), QStringLiteral("Total")},
                                  {{QStringLiteral("Joe \"JJ\" Smith"), QStringLiteral("$1,000.00")},
                                   {QStringLiteral("two\nlines"), QString()}}),
             QStringLiteral("\"Payee\",\"Total\"\n"
                            "\"Joe \"\"JJ\"\" Smith\",\"$1,000.00\"\n"
                            "\"two\nlines\",\"\"\n"));
    // Header labels are the program's own and go out as they are.
    QCOMPARE(ReportService::toCsv({QStringLiteral("Say \"hi\"")}, {}), QStringLiteral("\"Say \"hi\"\"\n"));
}

void TestReportService::sumsBeyondSixtyFourBitsHoldAtTheLimit()
{
    // An account of its own, deleted and in 2028, like the lab above. Its
    // January passes 2^63, where SQLite's SUM stops with an error.
    constexpr qint64 nine = 9'000'000'000'000'000'000;
    const QString huge = QStringLiteral("huge");
    addAccount(huge, QStringLiteral("Huge"), AccountType::Cash, 0, 9);
    QVERIFY(m_store->accounts.softDelete(huge));
    addCategory(QStringLiteral("big"), QStringLiteral("Big"), QStringLiteral("big_tax"));
    const QString payee = QStringLiteral("Whale");
    const QString big = QStringLiteral("big");
    addTransaction(QStringLiteral("h1"), huge, day(2028, 1, 1), payee, nine, big, true);
    addTransaction(QStringLiteral("h2"), huge, day(2028, 1, 2), payee, nine, big, true);
    addTransaction(QStringLiteral("h3"), huge, day(2028, 2, 1), payee, -nine, big, false);
    const QDate from = day(2028, 1, 1);
    const QDate to = day(2028, 2, 28);

    QCOMPARE(m_reports->payeeSummary(from, to, huge), (QList<PayeeSummaryRow>{{payee, nine, 3}}));
    QCOMPARE(m_reports->taxReport(from, to),
             (QList<TaxReportRow>{{QStringLiteral("Big"), QStringLiteral("big_tax"), nine}}));
    QCOMPARE(m_reports->yearOverYear(from, day(2028, 1, 31), day(2028, 2, 1), to, huge),
             (QList<YearOverYearRow>{{QStringLiteral("Big"), kMaxBalance, -nine, -kMaxBalance}}));
    QCOMPARE(m_reports->incomeVsExpenses(from, to, huge),
             (QList<IncomeExpenseRow>{{QStringLiteral("2028-01"), kMaxBalance, 0, kMaxBalance},
                                      {QStringLiteral("2028-02"), 0, -nine, -nine}}));

    QVERIFY(m_store->accounts.restore(huge));
    QCOMPARE(m_reports->accountSummary().last(),
             (AccountSummaryRow{QStringLiteral("Huge"), QStringLiteral("cash"), kMaxBalance, -nine, nine}));
    QVERIFY(m_store->accounts.softDelete(huge));
}

QTEST_GUILESS_MAIN(TestReportService)
#include "tst_reportservice.moc"
