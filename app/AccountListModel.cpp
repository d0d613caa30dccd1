#include "app/AccountListModel.h"

#include "appstate/ThemeHelpers.h"
#include "storage/AccountRepository.h"
#include "storage/Money.h"
#include "storage/TransactionRepository.h"

AccountListModel::AccountListModel(AccountRepository* accounts, TransactionRepository* transactions,
                                   QObject* parent)
    : QAbstractTableModel(parent)
    , m_accountRepository(accounts)
    , m_transactionRepository(transactions)
{
    reload();
}

void AccountListModel::reload()
{
    beginResetModel();
    m_accounts = m_accountRepository->listActive();
    m_totals = m_transactionRepository->totalsByAccount();
    endResetModel();
}

void AccountListModel::refreshColors()
{
    if (!m_accounts.isEmpty())
        emit dataChanged(index(0, BalanceColumn), index(rowCount() - 1, BalanceColumn), {Qt::ForegroundRole});
}

int AccountListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_accounts.size());
}

int AccountListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AccountListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_accounts.size())
        return {};
    const Account& account = m_accounts.at(index.row());
    const qint64 balance = balanceAt(index.row());

    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == NameColumn)
            return account.name;
        return formatMoney(balance, account.currency);
    case Qt::ForegroundRole:
        if (index.column() == BalanceColumn && balance < 0)
            return negativeAmountColor();
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == BalanceColumn)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case AccountIdRole:
        return account.id;
    case BalanceRole:
        return balance;
    default:
        return {};
    }
}

int AccountListModel::rowOf(const QString& accountId) const
{
    for (int row = 0; row < m_accounts.size(); ++row) {
        if (m_accounts.at(row).id == accountId)
            return row;
    }
    return -1;
}

qint64 AccountListModel::balanceAt(int row) const
{
    const Account& account = m_accounts.at(row);
    return saturatingAdd(account.starting_balance, m_totals.value(account.id));
}
