#include "screens/ReportRunner.h"

#include "storage/AccountRepository.h"
#include "storage/Money.h"

#include <QSet>
#include <QtDebug>

namespace {

using TableColumn = ReportTableModel::Column;
using Format = ReportTableModel::Format;
using Row = ReportTableModel::Row;

// The stored type code as a reader knows it.
QString accountTypeLabel(const QString& code)
{
    bool known = false;
    switch (accountTypeFromString(code, &known)) {
    case AccountType::Checking:
        return known ? ReportRunner::tr("Checking") : ReportRunner::tr("Other");
    case AccountType::Savings:
        return ReportRunner::tr("Savings");
    case AccountType::CreditCard:
        return ReportRunner::tr("Credit Card");
    case AccountType::Cash:
        return ReportRunner::tr("Cash");
    case AccountType::Investment:
        return ReportRunner::tr("Investment");
    case AccountType::Other:
        break;
    }
    return ReportRunner::tr("Other");
}

// The bold row that sums the amounts and counts of `rows`, which are all in
// one currency.
Row totalRow(const QList<Row>& rows, const QList<TableColumn>& columns)
{
    Row total{{}, rows.constFirst().currency, true};
    for (int column = 0; column < columns.size(); ++column) {
        const Format format = columns.at(column).format;
        if (format != Format::Money && format != Format::Count) {
            total.cells << (column == 0 ? ReportRunner::tr("Total") : QString());
            continue;
        }
        MoneySum sum;
        for (const Row& row : rows)
            sum += row.cells.value(column).toLongLong();
        total.cells << (format == Format::Money ? QVariant(sum.value()) : QVariant(int(sum.value())));
    }
    return total;
}

// After each currency's rows (they come one currency after another), a
// total of their own.
QList<Row> withTotalPerCurrency(const QList<Row>& rows, const QList<TableColumn>& columns)
{
    QList<Row> withTotals;
    for (qsizetype first = 0; first < rows.size();) {
        qsizetype end = first;
        while (end < rows.size() && rows.at(end).currency == rows.at(first).currency)
            ++end;
        const QList<Row> part = rows.mid(first, end - first);
        withTotals << part << totalRow(part, columns);
        first = end;
    }
    return withTotals;
}

} // namespace

ReportRunner::ReportRunner(ReportService* reports, AccountRepository* accounts, QObject* parent)
    : QObject(parent)
    , m_reports(reports)
    , m_accounts(accounts)
{
    m_batchTimer.setSingleShot(true);
    m_batchTimer.setInterval(0);
    connect(&m_batchTimer, &QTimer::timeout, this, &ReportRunner::fillBatch);
}

ReportRunner::~ReportRunner() = default;

QList<ReportRunner::Kind> ReportRunner::kinds()
{
    return {Kind::CategorySpending, Kind::PayeeSummary,   Kind::TaxReport,      Kind::IncomeVsExpenses,
            Kind::CashFlow,         Kind::YearOverYear,   Kind::AccountSummary, Kind::Transactions};
}

QString ReportRunner::title(Kind kind)
{
    switch (kind) {
    case Kind::CategorySpending:
        return tr("Category Spending");
    case Kind::PayeeSummary:
        return tr("Payee Summary");
    case Kind::TaxReport:
        return tr("Tax Report");
    case Kind::IncomeVsExpenses:
        return tr("Income vs Expenses");
    case Kind::CashFlow:
        return tr("Cash Flow");
    case Kind::YearOverYear:
        return tr("Year-over-Year");
    case Kind::AccountSummary:
        return tr("Account Summary");
    case Kind::Transactions:
        return tr("Transactions");
    }
    return {};
}

QString ReportRunner::fileName(Kind kind)
{
    switch (kind) {
    case Kind::CategorySpending:
        return QStringLiteral("category_spending.csv");
    case Kind::PayeeSummary:
        return QStringLiteral("payee_summary.csv");
    case Kind::TaxReport:
        return QStringLiteral("tax_report.csv");
    case Kind::IncomeVsExpenses:
        return QStringLiteral("income_vs_expenses.csv");
    case Kind::CashFlow:
        return QStringLiteral("cash_flow.csv");
    case Kind::YearOverYear:
        return QStringLiteral("year_over_year.csv");
    case Kind::AccountSummary:
        return QStringLiteral("account_summary.csv");
    case Kind::Transactions:
        return QStringLiteral("transactions.csv");
    }
    return {};
}

QList<ReportTableModel::Column> ReportRunner::columns(Kind kind)
{
    const TableColumn total{tr("Total"), Format::Money};
    switch (kind) {
    case Kind::CategorySpending:
        return {{tr("Category")}, total};
    case Kind::PayeeSummary:
        return {{tr("Payee")}, total, {tr("Count"), Format::Count}};
    case Kind::TaxReport:
        return {{tr("Category")}, {tr("Tax Code")}, total};
    case Kind::IncomeVsExpenses:
        return {{tr("Month")},
                {tr("Income"), Format::Money},
                {tr("Expenses"), Format::Money},
                {tr("Net"), Format::Money}};
    case Kind::CashFlow:
        return {{tr("Month")},
                {tr("Inflows"), Format::Money},
                {tr("Outflows"), Format::Money},
                {tr("Net"), Format::Money}};
    case Kind::YearOverYear:
        return {{tr("Category")},
                {tr("Period 1"), Format::Money},
                {tr("Period 2"), Format::Money},
                {tr("Difference"), Format::Money}};
    case Kind::AccountSummary:
        return {{tr("Account")},
                {tr("Type")},
                {tr("Cleared"), Format::Money},
                {tr("Uncleared"), Format::Money},
                total};
    case Kind::Transactions:
        return {{tr("Date"), Format::Date}, {tr("Account")}, {tr("Payee")}, {tr("Category")}, {tr("Memo")},
                {tr("Amount"), Format::Money}};
    }
    return {};
}

void ReportRunner::run(Kind kind, const Filter& filter, ReportTableModel* model)
{
    stop();
    if (kind != Kind::Transactions) {
        QList<Row> rows = summaryRows(kind, filter);
        // An account summary sums nothing across accounts: each row is in its own currency.
        const bool several = kind != Kind::AccountSummary && coversSeveralCurrencies(kind, filter, rows);
        if (several)
            rows = withTotalPerCurrency(rows, columns(kind));
        else if ((kind == Kind::IncomeVsExpenses || kind == Kind::CashFlow) && !rows.isEmpty())
            rows << totalRow(rows, columns(kind));
        model->setRows(std::move(rows), several);
        Q_EMIT filled(kind, true);
        return;
    }
    model->clear();
    m_filling = model;
    m_reader = m_reports->readTransactionReport(filter.period.from, filter.period.to, filter.accountId, {});
    // The first rows show at once; a short report needs no second turn.
    fillBatch();
}

void ReportRunner::stop()
{
    m_batchTimer.stop();
    m_reader.reset();
    m_filling.clear();
}

void ReportRunner::fillBatch()
{
    if (!m_reader || !m_filling) {
        stop();
        return;
    }
    QList<Row> rows;
    QList<TransactionReportRow> batch = m_reader->read(m_batchSize);
    rows.reserve(batch.size());
    for (TransactionReportRow& row : batch)
        rows << Row{{row.date, std::move(row.accountName), std::move(row.payee), std::move(row.categoryName),
                     std::move(row.memo), row.amount},
                    row.currency};
    m_filling->appendRows(std::move(rows));
    if (!m_reader->atEnd()) {
        m_batchTimer.start();
        return;
    }
    const bool complete = !m_reader->failed();
    stop();
    Q_EMIT filled(Kind::Transactions, complete);
}

bool ReportRunner::coversSeveralCurrencies(Kind kind, const Filter& filter, const QList<Row>& rows) const
{
    // One account is one currency; the tax report is over every account.
    if (!filter.accountId.isEmpty() && kind != Kind::TaxReport)
        return false;
    // A live account's currency counts even without rows in the period: a
    // "$" alone would not tell dollars of one kind from another's.
    QSet<Currency> currencies;
    for (const Account& account : m_accounts->listActive())
        currencies.insert(account.currency);
    for (const Row& row : rows)
        currencies.insert(row.currency);
    return currencies.size() > 1;
}

QList<ReportTableModel::Row> ReportRunner::summaryRows(Kind kind, const Filter& filter) const
{
    const QDate& from = filter.period.from;
    const QDate& to = filter.period.to;
    const QString& accountId = filter.accountId;
    QList<Row> rows;
    switch (kind) {
    case Kind::CategorySpending:
        for (const CategorySpendingRow& row : m_reports->categorySpending(from, to, accountId))
            rows << Row{{row.category, row.total}, row.currency};
        break;
    case Kind::PayeeSummary:
        for (const PayeeSummaryRow& row : m_reports->payeeSummary(from, to, accountId))
            rows << Row{{row.payee, row.total, row.count}, row.currency};
        break;
    case Kind::TaxReport:
        // Over every account, whatever the filter.
        for (const TaxReportRow& row : m_reports->taxReport(from, to))
            rows << Row{{row.category, row.taxCategory, row.total}, row.currency};
        break;
    case Kind::IncomeVsExpenses:
        for (const IncomeExpenseRow& row : m_reports->incomeVsExpenses(from, to, accountId))
            rows << Row{{row.month, row.income, row.expenses, row.net}, row.currency};
        break;
    case Kind::CashFlow:
        for (const CashFlowRow& row : m_reports->cashFlow(from, to, accountId))
            rows << Row{{row.month, row.inflows, row.outflows, row.net}, row.currency};
        break;
    case Kind::YearOverYear: {
        const ReportComparison& periods = filter.comparison;
        for (const YearOverYearRow& row : m_reports->yearOverYear(periods.first.from, periods.first.to,
                                                                  periods.second.from, periods.second.to, accountId))
            rows << Row{{row.category, row.firstTotal, row.secondTotal, row.change}, row.currency};
        break;
    }
    case Kind::AccountSummary:
        // Every live account, undated.
        for (const AccountSummaryRow& row : m_reports->accountSummary())
            rows << Row{{row.name, accountTypeLabel(row.accountType), row.clearedBalance, row.unclearedAmount,
                         row.balance},
                        row.currency};
        break;
    case Kind::Transactions:
        break;
    }
    return rows;
}
