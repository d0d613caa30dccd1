#pragma once

#include "storage/Enums.h"
#include "storage/Money.h"
#include "storage/Transaction.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <optional>

class TransactionRepository;

// The unreconciled transactions of one account, oldest first, each with the
// user's tick saying it is on the statement. The ticks live only here until
// the reconciliation is finished. An account never reconciled may have
// thousands of rows, so the ticked sums are kept as ticks change rather
// than added up again.
class ReconciliationModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { TickColumn, DateColumn, PayeeColumn, AmountColumn, ClearedColumn, ColumnCount };

    explicit ReconciliationModel(TransactionRepository* transactions, QObject* parent = nullptr);

    // Lists that account's rows, amounts in its currency; ticks start over.
    void setAccount(const QString& accountId, Currency currency);
    QString accountId() const { return m_accountId; }

    // Reads the rows again. A transaction still listed keeps its tick; one
    // new to the list starts ticked when it is cleared.
    void reload();
    // Repaints the amounts in the colours of the current palette.
    void refreshColors();

    std::optional<Transaction> transactionAt(int row) const;
    // -1 when the transaction is not listed.
    int rowOf(const QString& transactionId) const;
    bool isTicked(int row) const;
    // False outside the rows.
    bool setTicked(int row, bool ticked);
    bool toggleTick(int row);

    QList<Transaction> tickedTransactions() const;
    // The ticked amounts of zero and above, and those below zero (negative).
    qint64 tickedDeposits() const { return m_deposits.value(); }
    qint64 tickedWithdrawals() const { return m_withdrawals.value(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    // A tick changed (not sent for a reload, which resets the model).
    void ticksChanged();

private:
    struct Row
    {
        Transaction transaction;
        bool ticked = false;
    };

    void count(const Row& row, int sign);

    TransactionRepository* m_transactions;
    QString m_accountId;
    Currency m_currency = Currency::USD;
    QList<Row> m_rows;
    // Exact: thousands of large rows must not wrap.
    MoneySum m_deposits;
    MoneySum m_withdrawals;
};
