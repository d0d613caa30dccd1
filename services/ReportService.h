#pragma once

#include "services/ReportRows.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class Database;
class SqliteCursor;

// The eight reports over the live transactions. Dated reports include both
// ends of their range; an empty account id means every account. The sums are
// made by the database, so a report costs one grouped query however long the
// history is. Transfers, and whatever is filed under a category of the
// transfer type, are nobody's spending or income: the category reports and
// Income vs Expenses leave them out. The summaries never add up amounts of
// different currencies: over accounts of several, each currency has rows of
// its own, one currency after another.
class ReportService : public QObject
{
    Q_OBJECT

public:
    explicit ReportService(Database* database, QObject* parent = nullptr);

    // Spending (negative amounts) per category name, the most negative first.
    QList<CategorySpendingRow> categorySpending(const QDate& from, const QDate& to, const QString& accountId) const;
    // All amounts per payee with their number, the lowest total first.
    QList<PayeeSummaryRow> payeeSummary(const QDate& from, const QDate& to, const QString& accountId) const;
    // Amounts in tax-relevant categories over every account, by tax key, then name.
    QList<TaxReportRow> taxReport(const QDate& from, const QDate& to) const;
    // Per month, deposits and payments without transfers.
    QList<IncomeExpenseRow> incomeVsExpenses(const QDate& from, const QDate& to, const QString& accountId) const;
    // Per month, money in and out, transfers included.
    QList<CashFlowRow> cashFlow(const QDate& from, const QDate& to, const QString& accountId) const;
    // Per category name, the totals of two ranges side by side, by name.
    QList<YearOverYearRow> yearOverYear(const QDate& from1, const QDate& to1, const QDate& from2, const QDate& to2,
                                        const QString& accountId) const;
    // Every live account's balances, undated.
    QList<AccountSummaryRow> accountSummary() const;
    // The transactions themselves by date, then payee; an empty category id means every category.
    QList<TransactionReportRow> transactionReport(const QDate& from, const QDate& to, const QString& accountId,
                                                  const QString& categoryId) const;

    // The transactions report read a batch at a time, so that a window can
    // show a long history as it arrives instead of waiting for all of it.
    // The query stays open until the reader is destroyed or at its end; the
    // database must outlive it.
    class TransactionReader
    {
    public:
        ~TransactionReader();
        TransactionReader(const TransactionReader&) = delete;
        TransactionReader& operator=(const TransactionReader&) = delete;

        // Up to `count` further rows: fewer at the end, none after it or
        // after a failure.
        QList<TransactionReportRow> read(int count);
        bool atEnd() const { return m_atEnd; }
        // The query failed (and was logged): the rows read are incomplete.
        bool failed() const;

    private:
        friend class ReportService;
        explicit TransactionReader(std::unique_ptr<SqliteCursor> cursor);

        std::unique_ptr<SqliteCursor> m_cursor;
        bool m_atEnd = false;
    };
    std::unique_ptr<TransactionReader> readTransactionReport(const QDate& from, const QDate& to,
                                                             const QString& accountId,
                                                             const QString& categoryId) const;

    // Comma-separated text with every field in double quotes and a line feed
    // after each line. Quotes inside row fields are doubled; the headers are
    // the program's own texts and are written as they are.
    static QString toCsv(const QStringList& headers, const QList<QStringList>& rows);

private:
    struct MonthTotals
    {
        QString month;
        qint64 in = 0;
        qint64 out = 0;
    };

    enum class Amounts { All, NegativeOnly };

    // Category totals by category name, split transactions by their lines;
    // `accountIds`, when given, limits them to those accounts.
    QHash<QString, qint64> totalsByCategoryName(const QDate& from, const QDate& to, const QString& accountId,
                                                const QStringList& accountIds, Amounts amounts,
                                                const char* where) const;
    QList<MonthTotals> monthlyTotals(const QDate& from, const QDate& to, const QString& accountId,
                                     const QStringList& accountIds, bool withTransfers, const char* where) const;

    Database* m_database;
};
