#pragma once

#include "storage/Account.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

class AccountRepository;
class TransactionRepository;

// The live accounts in their sort order with their balances (starting
// balance plus every live transaction), for the main window's account list.
class AccountListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { NameColumn, BalanceColumn, ColumnCount };
    enum Role { AccountIdRole = Qt::UserRole + 1, BalanceRole };

    AccountListModel(AccountRepository* accounts, TransactionRepository* transactions, QObject* parent = nullptr);

    // Reads the accounts and their totals again.
    void reload();
    // Repaints with the colours of the current palette.
    void refreshColors();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // -1 when the account is not listed.
    int rowOf(const QString& accountId) const;
    const Account& accountAt(int row) const { return m_accounts.at(row); }
    qint64 balanceAt(int row) const;

private:
    AccountRepository* m_accountRepository;
    TransactionRepository* m_transactionRepository;
    QList<Account> m_accounts;
    QHash<QString, qint64> m_totals;
};
