#include "services/ReportService.h"

#include "storage/Database.h"
#include "storage/Money.h"
#include "storage/SqlStatement.h"
#include "storage/SqliteCursor.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"

#include <QMap>

#include <algorithm>
#include <limits>

namespace {

// The WHERE condition on the live transactions `t` of a date range and,
// when given, one account, with the values it binds.
struct RangeFilter
{
    QString condition;
    QVariantList values;
};

RangeFilter rangeFilter(const QDate& from, const QDate& to, const QString& accountId,
                        const QStringList& accountIds = {})
{
    RangeFilter filter{QStringLiteral("t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"),
                       {toIsoDate(from), toIsoDate(to)}};
    if (!accountId.isEmpty()) {
        filter.condition += QStringLiteral(" AND t.account_id = ?");
        filter.values << accountId;
    }
    if (!accountIds.isEmpty()) {
        QStringList marks(accountIds.size(), QStringLiteral("?"));
        filter.condition += QStringLiteral(" AND t.account_id IN (%1)").arg(marks.join(u','));
        for (const QString& id : accountIds)
            filter.values << id;
    }
    return filter;
}

// The accounts of one currency that a report covers.
struct CurrencyGroup
{
    Currency currency = Currency::USD;
    QStringList accountIds; // empty: no limit beyond the report's own filter
};

// Amounts of different currencies are never added up: a report over the
// accounts of several currencies runs once per currency, in the order the
// currencies are listed everywhere. One account, or a ledger of one
// currency, needs no limit of its own and runs as one query as before.
// Deleted accounts count, since their transactions are in the reports.
QList<CurrencyGroup> currencyGroups(const QSqlDatabase& db, const QString& accountId)
{
    SqlStatement statement(db,
                           accountId.isEmpty() ? QStringLiteral("SELECT id, currency FROM accounts")
                                               : QStringLiteral("SELECT id, currency FROM accounts WHERE id = ?"),
                           "ReportService::currencyGroups");
    if (!(accountId.isEmpty() ? statement.execText() : statement.bind(accountId).exec()))
        return {};
    QMap<Currency, QStringList> idsByCurrency;
    while (statement.next())
        idsByCurrency[currencyFromString(statement.value(1).toString())] << statement.value(0).toString();
    if (statement.failed())
        return {};
    if (idsByCurrency.size() <= 1)
        return {CurrencyGroup{idsByCurrency.isEmpty() ? Currency::USD : idsByCurrency.firstKey(), {}}};
    QList<CurrencyGroup> groups;
    for (auto it = idsByCurrency.cbegin(); it != idsByCurrency.cend(); ++it)
        groups << CurrencyGroup{it.key(), it.value()};
    return groups;
}

// The rows `report` gives for the account ids of each group, marked with
// the group's currency, one currency after another.
template <typename Row, typename Report>
QList<Row> perCurrency(const QList<CurrencyGroup>& groups, const Report& report)
{
    QList<Row> rows;
    for (const CurrencyGroup& group : groups) {
        QList<Row> part = report(group.accountIds);
        for (Row& row : part)
            row.currency = group.currency;
        rows << part;
    }
    return rows;
}

// A transfer is two rows that name each other. A row naming a partner that
// does not name it back (a one-sided link left by a faulty service or
// backup) moved money to no account of the user's: it is ordinary income or
// spending.
const QString kLinkedTransfer = TransactionRepository::hasTransferPartnerSql(QStringLiteral("t"));

// Whether the category in `column` is of the transfer type: money moved
// between accounts under it is no one's spending or income, even when the
// category was deleted since.
QString isTransferCategory(const QString& column)
{
    return QStringLiteral("EXISTS (SELECT 1 FROM categories xc WHERE xc.id = %1 AND xc.category_type = 'transfer')")
        .arg(column);
}

// The exact sum of the two split-sum columns starting at `first` (see splitSumSql).
qint64 splitSum(const SqlStatement& statement, int first)
{
    return MoneySum::fromSplit(statement.value(first).toLongLong(), statement.value(first + 1).toLongLong()).value();
}

// The totals per category id of the filtered transactions, as a subquery
// `g(category_id, total_high, total_low)` (split sums, see splitSumSql, so
// that summing them again per name cannot overflow either): a split
// transaction counts by its split lines, any
// other transaction (a split without lines included) by itself. Summing by id
// first keeps the name lookups to one per category. `amountCondition` (such
// as "< 0") limits the amounts summed. The filter's values are bound twice.
QString categoryTotals(const RangeFilter& filter, const QString& amountCondition = {})
{
    const auto amountIn = [&amountCondition](const char* alias) {
        return amountCondition.isEmpty() ? QString()
                                         : QStringLiteral(" AND %1.amount %2").arg(QLatin1String(alias), amountCondition);
    };
    // Money moved between accounts is no one's income or spending: a
    // transfer counts under no category (both sides of a linked one, and a
    // row that names only the account the money went to, such as one side
    // of a transfer between currencies), and nor does anything filed under
    // a category of the transfer type.
    return QStringLiteral("(SELECT t.category_id AS category_id, %4 FROM transactions t "
                          "WHERE %1%2 AND %6 AND NOT %7 AND (t.is_split = 0 OR NOT EXISTS "
                          "(SELECT 1 FROM split_lines s WHERE s.transaction_id = t.id)) GROUP BY t.category_id "
                          "UNION ALL "
                          "SELECT s.category_id, %5 FROM transactions t "
                          "JOIN split_lines s ON s.transaction_id = t.id "
                          "WHERE %1%3 AND %6 AND NOT %8 AND t.is_split = 1 GROUP BY s.category_id) g ")
        .arg(filter.condition, amountIn("t"), amountIn("s"),
             splitSumSql(QStringLiteral("t.amount"), QStringLiteral("total")), splitSumSql(QStringLiteral("s.amount")),
             QStringLiteral("NOT %1 AND (COALESCE(t.transfer_link_id, '') <> '' "
                            "OR COALESCE(t.transfer_dest_account_id, '') = '')")
                 .arg(kLinkedTransfer),
             isTransferCategory(QStringLiteral("t.category_id")), isTransferCategory(QStringLiteral("s.category_id")));
}

// Category names as a reader looks them up, whatever their case; names that
// differ only in case keep a fixed order between them.
bool nameBefore(const QString& a, const QString& b)
{
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

QString quoted(const QString& field)
{
    QString escaped = field;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

} // namespace

ReportService::ReportService(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QHash<QString, qint64> ReportService::totalsByCategoryName(const QDate& from, const QDate& to,
                                                           const QString& accountId, const QStringList& accountIds,
                                                           Amounts amounts, const char* where) const
{
    const RangeFilter filter = rangeFilter(from, to, accountId, accountIds);
    const QString sql =
        QStringLiteral("SELECT COALESCE(c.name, ?) AS category, SUM(g.total_high), SUM(g.total_low) FROM %1"
                       "LEFT JOIN categories c ON c.id = g.category_id AND c.deleted_at IS NULL GROUP BY category")
            .arg(categoryTotals(filter, amounts == Amounts::NegativeOnly ? QStringLiteral("< 0") : QString()));

    SqlStatement statement(m_database->connection(), sql, where);
    statement.bind(tr("Uncategorized")).bindAll(filter.values).bindAll(filter.values);
    QHash<QString, qint64> totals;
    if (!statement.exec())
        return totals;
    while (statement.next())
        totals.insert(statement.value(0).toString(), splitSum(statement, 1));
    return totals;
}

QList<CategorySpendingRow> ReportService::categorySpending(const QDate& from, const QDate& to,
                                                           const QString& accountId) const
{
    return perCurrency<CategorySpendingRow>(
        currencyGroups(m_database->connection(), accountId), [&](const QStringList& accountIds) {
            const QHash<QString, qint64> totals = totalsByCategoryName(
                from, to, accountId, accountIds, Amounts::NegativeOnly, "ReportService::categorySpending");
            QList<CategorySpendingRow> rows;
            rows.reserve(totals.size());
            for (auto it = totals.cbegin(); it != totals.cend(); ++it)
                rows << CategorySpendingRow{it.key(), it.value()};
            std::sort(rows.begin(), rows.end(), [](const CategorySpendingRow& a, const CategorySpendingRow& b) {
                return a.total != b.total ? a.total < b.total : nameBefore(a.category, b.category);
            });
            return rows;
        });
}

QList<PayeeSummaryRow> ReportService::payeeSummary(const QDate& from, const QDate& to,
                                                   const QString& accountId) const
{
    return perCurrency<PayeeSummaryRow>(
        currencyGroups(m_database->connection(), accountId), [&](const QStringList& accountIds) {
            const RangeFilter filter = rangeFilter(from, to, accountId, accountIds);
            SqlStatement statement(m_database->connection(),
                                   QStringLiteral("SELECT t.payee, %2, COUNT(*) FROM transactions t "
                                                  "WHERE %1 GROUP BY t.payee ORDER BY t.payee")
                                       .arg(filter.condition, splitSumSql(QStringLiteral("t.amount"))),
                                   "ReportService::payeeSummary");
            QList<PayeeSummaryRow> rows;
            if (!statement.bindAll(filter.values).exec())
                return rows;
            while (statement.next())
                rows << PayeeSummaryRow{statement.value(0).toString(), splitSum(statement, 1),
                                        statement.value(3).toInt()};
            // By total here: the database has no exact total to order by.
            // Payees of one total keep the database's order.
            std::stable_sort(rows.begin(), rows.end(),
                             [](const PayeeSummaryRow& a, const PayeeSummaryRow& b) { return a.total < b.total; });
            return rows;
        });
}

QList<TaxReportRow> ReportService::taxReport(const QDate& from, const QDate& to) const
{
    return perCurrency<TaxReportRow>(
        currencyGroups(m_database->connection(), QString()), [&](const QStringList& accountIds) {
            const RangeFilter filter = rangeFilter(from, to, QString(), accountIds);
            SqlStatement statement(
                m_database->connection(),
                QStringLiteral("SELECT c.name, c.tax_category, SUM(g.total_high), SUM(g.total_low) FROM %1"
                               "JOIN categories c ON c.id = g.category_id AND c.deleted_at IS NULL "
                               "AND c.is_tax_relevant = 1 "
                               "GROUP BY c.name, c.tax_category ORDER BY c.tax_category, c.name")
                    .arg(categoryTotals(filter)),
                "ReportService::taxReport");
            QList<TaxReportRow> rows;
            if (!statement.bindAll(filter.values).bindAll(filter.values).exec())
                return rows;
            while (statement.next())
                rows << TaxReportRow{statement.value(0).toString(), statement.value(1).toString(),
                                     splitSum(statement, 2)};
            return rows;
        });
}

QList<ReportService::MonthTotals> ReportService::monthlyTotals(const QDate& from, const QDate& to,
                                                               const QString& accountId,
                                                               const QStringList& accountIds, bool withTransfers,
                                                               const char* where) const
{
    const RangeFilter filter = rangeFilter(from, to, accountId, accountIds);
    // Without transfers, what was filed under a category of the transfer
    // type (a whole transaction, or a split's lines) is left out as well.
    const QString transfersLeftOut = QStringLiteral(" AND NOT %1 AND NOT %2")
                                         .arg(kLinkedTransfer, isTransferCategory(QStringLiteral("t.category_id")));
    const QString amountLeft =
        QStringLiteral("t.amount - COALESCE((SELECT SUM(s.amount) FROM split_lines s WHERE t.is_split = 1 "
                       "AND s.transaction_id = t.id AND %1), 0)")
            .arg(isTransferCategory(QStringLiteral("s.category_id")));
    SqlStatement statement(
        m_database->connection(),
        QStringLiteral("SELECT substr(m.date, 1, 7) AS month, %3, %4 "
                       "FROM (SELECT t.date AS date, %5 AS amount FROM transactions t WHERE %1%2) m "
                       "GROUP BY month ORDER BY month")
            .arg(filter.condition, withTransfers ? QString() : transfersLeftOut,
                 splitSumSql(QStringLiteral("CASE WHEN m.amount > 0 THEN m.amount ELSE 0 END")),
                 splitSumSql(QStringLiteral("CASE WHEN m.amount < 0 THEN m.amount ELSE 0 END")),
                 withTransfers ? QStringLiteral("t.amount") : amountLeft),
        where);
    QList<MonthTotals> months;
    if (!statement.bindAll(filter.values).exec())
        return months;
    while (statement.next())
        months << MonthTotals{statement.value(0).toString(), splitSum(statement, 1), splitSum(statement, 3)};
    return months;
}

QList<IncomeExpenseRow> ReportService::incomeVsExpenses(const QDate& from, const QDate& to,
                                                        const QString& accountId) const
{
    return perCurrency<IncomeExpenseRow>(
        currencyGroups(m_database->connection(), accountId), [&](const QStringList& accountIds) {
            QList<IncomeExpenseRow> rows;
            for (const MonthTotals& month :
                 monthlyTotals(from, to, accountId, accountIds, false, "ReportService::incomeVsExpenses"))
                rows << IncomeExpenseRow{month.month, month.in, month.out, saturatingAdd(month.in, month.out)};
            return rows;
        });
}

QList<CashFlowRow> ReportService::cashFlow(const QDate& from, const QDate& to, const QString& accountId) const
{
    return perCurrency<CashFlowRow>(
        currencyGroups(m_database->connection(), accountId), [&](const QStringList& accountIds) {
            QList<CashFlowRow> rows;
            for (const MonthTotals& month :
                 monthlyTotals(from, to, accountId, accountIds, true, "ReportService::cashFlow"))
                rows << CashFlowRow{month.month, month.in, month.out, saturatingAdd(month.in, month.out)};
            return rows;
        });
}

QList<YearOverYearRow> ReportService::yearOverYear(const QDate& from1, const QDate& to1, const QDate& from2,
                                                   const QDate& to2, const QString& accountId) const
{
    return perCurrency<YearOverYearRow>(
        currencyGroups(m_database->connection(), accountId), [&](const QStringList& accountIds) {
            const QHash<QString, qint64> first = totalsByCategoryName(from1, to1, accountId, accountIds,
                                                                      Amounts::All, "ReportService::yearOverYear");
            const QHash<QString, qint64> second = totalsByCategoryName(from2, to2, accountId, accountIds,
                                                                       Amounts::All, "ReportService::yearOverYear");
            QHash<QString, YearOverYearRow> byName;
            for (auto it = first.cbegin(); it != first.cend(); ++it) {
                YearOverYearRow& row = byName[it.key()];
                row.category = it.key();
                row.firstTotal = it.value();
            }
            for (auto it = second.cbegin(); it != second.cend(); ++it) {
                YearOverYearRow& row = byName[it.key()];
                row.category = it.key();
                row.secondTotal = it.value();
            }
            QList<YearOverYearRow> rows;
            rows.reserve(byName.size());
            for (YearOverYearRow row : std::as_const(byName)) {
                MoneySum change(row.secondTotal);
                change -= row.firstTotal;
                row.change = change.value();
                rows << row;
            }
            std::sort(rows.begin(), rows.end(), [](const YearOverYearRow& a, const YearOverYearRow& b) {
                return nameBefore(a.category, b.category);
            });
            return rows;
        });
}

QList<AccountSummaryRow> ReportService::accountSummary() const
{
    // A reconciled transaction has cleared the bank even if its cleared flag
    // was never set. Split sums rather than TOTAL keep the sums exact integers.
    SqlStatement statement(
        m_database->connection(),
        QStringLiteral("SELECT a.name, a.account_type, a.starting_balance, %1, %2, a.currency "
                       "FROM accounts a "
                       "LEFT JOIN transactions t ON t.account_id = a.id AND t.deleted_at IS NULL "
                       "WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY a.sort_order, a.name")
            .arg(splitSumSql(QStringLiteral("CASE WHEN t.cleared = 1 OR t.reconciled = 1 THEN t.amount ELSE 0 END")),
                 splitSumSql(QStringLiteral("CASE WHEN t.cleared = 0 AND t.reconciled = 0 THEN t.amount ELSE 0 END"))),
        "ReportService::accountSummary");
    QList<AccountSummaryRow> rows;
    if (!statement.execText())
        return rows;
    while (statement.next()) {
        const MoneySum start(statement.value(2).toLongLong());
        MoneySum cleared = start;
        cleared += MoneySum::fromSplit(statement.value(3).toLongLong(), statement.value(4).toLongLong());
        const MoneySum uncleared =
            MoneySum::fromSplit(statement.value(5).toLongLong(), statement.value(6).toLongLong());
        MoneySum balance = cleared;
        balance += uncleared;
        rows << AccountSummaryRow{statement.value(0).toString(), statement.value(1).toString(), cleared.value(),
                                  uncleared.value(), balance.value(), currencyFromString(statement.value(7).toString())};
    }
    return rows;
}

QList<TransactionReportRow> ReportService::transactionReport(const QDate& from, const QDate& to,
                                                             const QString& accountId,
                                                             const QString& categoryId) const
{
    const std::unique_ptr<TransactionReader> reader = readTransactionReport(from, to, accountId, categoryId);
    QList<TransactionReportRow> rows = reader->read(std::numeric_limits<int>::max());
    if (reader->failed())
        rows.clear();
    return rows;
}

std::unique_ptr<ReportService::TransactionReader>
ReportService::readTransactionReport(const QDate& from, const QDate& to, const QString& accountId,
                                     const QString& categoryId) const
{
    RangeFilter filter = rangeFilter(from, to, accountId);
    if (!categoryId.isEmpty()) {
        // A split transaction belongs to every category of its lines.
        filter.condition += QStringLiteral(" AND (t.category_id = ? OR (t.is_split = 1 AND EXISTS "
                                           "(SELECT 1 FROM split_lines s WHERE s.transaction_id = t.id "
                                           "AND s.category_id = ?)))");
        filter.values << categoryId << categoryId;
    }
    // Every matching transaction comes back, a whole ledger for a long range:
    // read straight from SQLite like the register.
    auto cursor = std::make_unique<SqliteCursor>(
        m_database->connection(),
        QStringLiteral("SELECT t.date, a.name, t.payee, CASE WHEN t.is_split = 1 THEN ? "
                       "WHEN da.name IS NOT NULL AND (COALESCE(t.transfer_link_id, '') = '' OR %2) "
                       "THEN ? || da.name ELSE COALESCE(c.name, ?) END, "
                       "t.memo, t.amount, a.currency FROM transactions t "
                       "LEFT JOIN accounts a ON a.id = t.account_id "
                       "LEFT JOIN accounts da ON da.id = t.transfer_dest_account_id "
                       "LEFT JOIN categories c ON c.id = t.category_id AND c.deleted_at IS NULL "
                       "WHERE %1 ORDER BY t.date, t.payee")
            .arg(filter.condition, kLinkedTransfer),
        "ReportService::transactionReport");
    // A transfer names the other account, as the register does; a row whose
    // partner does not name it back is no transfer and shows its category.
    cursor->bind(tr("Split")).bind(tr("Transfer to/from: ")).bind(tr("Uncategorized")).bindAll(filter.values);
    return std::unique_ptr<TransactionReader>(new TransactionReader(std::move(cursor)));
}

ReportService::TransactionReader::TransactionReader(std::unique_ptr<SqliteCursor> cursor)
    : m_cursor(std::move(cursor))
{
}

ReportService::TransactionReader::~TransactionReader() = default;

bool ReportService::TransactionReader::failed() const { return m_cursor->failed(); }

QList<TransactionReportRow> ReportService::TransactionReader::read(int count)
{
    QList<TransactionReportRow> rows;
    while (!m_atEnd && rows.size() < count) {
        if (!m_cursor->next()) {
            m_atEnd = true;
            break;
        }
        rows.append(TransactionReportRow{m_cursor->value(0, ColumnKind::Date).toDate(), m_cursor->value(1).toString(),
                                         m_cursor->value(2).toString(), m_cursor->value(3).toString(),
                                         m_cursor->value(4).toString(), m_cursor->value(5).toLongLong(),
                                         currencyFromString(m_cursor->value(6).toString())});
    }
    return rows;
}

QString ReportService::toCsv(const QStringList& headers, const QList<QStringList>& rows)
{
    QString csv;
    QStringList fields;
    for (const QString& header : headers)
        fields << u'"' + header + u'"';
    csv += fields.join(u',') + u'\n';
    for (const QStringList& row : rows) {
        fields.clear();
        for (const QString& field : row)
            fields << quoted(field);
        csv += fields.join(u',') + u'\n';
    }
    return csv;
}
