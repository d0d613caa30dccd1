#pragma once

#include "storage/Enums.h"
#include "storage/RegisterRow.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QTimer>

#include <optional>

class AccountRepository;
class CategoryRepository;
class PreferencesRepository;
class TransactionRepository;

// The rows of one account's register, read in one query with their running
// balances and held here, so that showing even years of history asks the
// database nothing per row. It follows the repositories' change signals by
// itself; a burst of them (an import, a sync page) brings one reload.
class RegisterModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        DateColumn,
        NumberColumn,
        PayeeColumn,
        CategoryColumn,
        MemoColumn,
        PaymentColumn,
        DepositColumn,
        ClearedColumn,
        BalanceColumn,
        ColumnCount
    };

    RegisterModel(TransactionRepository* transactions, AccountRepository* accounts, CategoryRepository* categories,
                  PreferencesRepository* preferences, QObject* parent = nullptr);

    // Shows that account's register (nothing for an empty id).
    void setAccount(const QString& accountId);
    QString accountId() const { return m_accountId; }
    Currency currency() const { return m_currency; }
    // The preference "registerTwoLine": the payee column shows the memo on a
    // second line, and the memo column is not needed.
    bool twoLine() const { return m_twoLine; }

    // Reads the rows again now.
    void reload();

    // The transaction shown in that row; empty outside the rows.
    std::optional<Transaction> transactionAt(int row) const;
    // The row that shows the transaction, or -1.
    int rowOf(const QString& transactionId) const;
    // The row of the latest transaction (first or last by the order
    // preference), or -1 for an empty register.
    int newestRow() const;
    // The longest text the rows show in the number, payment, deposit,
    // balance or category column (empty for any other, and for an empty register), so
    // that a column can be as wide as its contents need and no wider.
    QString widestText(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void onTransactionsChanged(const QString& accountId);
    void onPreferenceChanged(const QString& key);
    void scheduleReload();
    QVariant displayText(const RegisterRow& row, int column) const;
    void findWidestTexts();

    TransactionRepository* m_transactions;
    AccountRepository* m_accounts;
    PreferencesRepository* m_preferences;
    QString m_accountId;
    Currency m_currency = Currency::USD;
    QList<RegisterRow> m_rows;
    QString m_widestPayment;
    QString m_widestDeposit;
    QString m_widestBalance;
    QString m_widestCategory;
    QString m_widestNumber;
    bool m_newestFirst = false;
    bool m_twoLine = false;
    QTimer m_reloadTimer;
};
