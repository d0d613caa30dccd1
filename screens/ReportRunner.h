#pragma once

#include "screens/DateRange.h"
#include "screens/ReportComparison.h"
#include "screens/ReportTableModel.h"
#include "services/ReportService.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>

class AccountRepository;

// Runs the eight reports into table models: their columns, their rows with
// each amount in the right currency, their totals rows and their export
// file names. The windows that show reports only lay them out.
//
// Every amount is in its own currency: a row of one account (a transaction,
// an account's balances) in that account's, a sum in the currency of the
// accounts summed. A summary over accounts of several currencies never adds
// them up: a first column names each row's currency, and each currency's
// rows end in a total of their own.
class ReportRunner : public QObject
{
    Q_OBJECT

public:
    enum class Kind {
        CategorySpending,
        PayeeSummary,
        TaxReport,
        IncomeVsExpenses,
        CashFlow,
        YearOverYear,
        AccountSummary,
        Transactions
    };
    Q_ENUM(Kind)

    struct Filter
    {
        QString accountId; // empty for every account
        DateRange period;
        ReportComparison comparison; // the year-over-year report's two periods
    };

    static constexpr int kDefaultBatchSize = 5000;

    ReportRunner(ReportService* reports, AccountRepository* accounts, QObject* parent = nullptr);
    ~ReportRunner() override;

    // In the order the window shows them.
    static QList<Kind> kinds();
    static QString title(Kind kind);
    // The name an export of the report suggests.
    static QString fileName(Kind kind);
    static QList<ReportTableModel::Column> columns(Kind kind);

    // Fills the model with the report and stops any fill still going on.
    // Every report but the transactions is complete on return; the
    // transactions arrive a batch per turn of the event loop, so that a
    // window over a long history keeps answering while they fill.
    void run(Kind kind, const Filter& filter, ReportTableModel* model);
    // Leaves a model being filled as far as it got.
    void stop();
    bool isFilling() const { return m_reader != nullptr; }
    // Rows per batch of the transactions.
    void setBatchSize(int rows) { m_batchSize = qMax(1, rows); }

Q_SIGNALS:
    // The model holds the report: all of it, or as much as could be read
    // when `complete` is false.
    void filled(ReportRunner::Kind kind, bool complete);

private:
    QList<ReportTableModel::Row> summaryRows(Kind kind, const Filter& filter) const;
    // Whether the rows, or the live accounts the summary covers, are in
    // more than one currency.
    bool coversSeveralCurrencies(Kind kind, const Filter& filter, const QList<ReportTableModel::Row>& rows) const;
    void fillBatch();

    ReportService* m_reports;
    AccountRepository* m_accounts;
    int m_batchSize = kDefaultBatchSize;
    std::unique_ptr<ReportService::TransactionReader> m_reader;
    QPointer<ReportTableModel> m_filling;
    QTimer m_batchTimer;
};
