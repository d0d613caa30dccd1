#include "screens/ReconciliationModel.h"

#include "appstate/ThemeHelpers.h"
#include "register/DateField.h"
#include "storage/Money.h"
#include "storage/TransactionRepository.h"

#include <QHash>

ReconciliationModel::ReconciliationModel(TransactionRepository* transactions, QObject* parent)
    : QAbstractTableModel(parent)
    , m_transactions(transactions)
{
}

void ReconciliationModel::setAccount(const QString& accountId, Currency currency)
{
    beginResetModel();
    m_accountId = accountId;
    m_currency = currency;
    m_rows.clear();
    m_deposits = MoneySum();
    m_withdrawals = MoneySum();
    endResetModel();
    reload();
}

void ReconciliationModel::reload()
{
    if (m_accountId.isEmpty())
        return;
    QHash<QString, bool> ticks;
    ticks.reserve(m_rows.size());
    for (const Row& row : std::as_const(m_rows))
        ticks.insert(row.transaction.id, row.ticked);

    beginResetModel();
    m_rows.clear();
    m_deposits = MoneySum();
    m_withdrawals = MoneySum();
    const QList<Transaction> unreconciled = m_transactions->listUnreconciled(m_accountId);
    m_rows.reserve(unreconciled.size());
    for (const Transaction& transaction : unreconciled) {
        const Row row{transaction, ticks.value(transaction.id, transaction.cleared)};
        count(row, 1);
        m_rows.append(row);
    }
    endResetModel();
}

void ReconciliationModel::refreshColors()
{
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0, AmountColumn), index(rowCount() - 1, AmountColumn), {Qt::ForegroundRole});
}

std::optional<Transaction> ReconciliationModel::transactionAt(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return std::nullopt;
    return m_rows.at(row).transaction;
}

int ReconciliationModel::rowOf(const QString& transactionId) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).transaction.id == transactionId)
            return row;
    }
    return -1;
}

bool ReconciliationModel::isTicked(int row) const
{
    return row >= 0 && row < m_rows.size() && m_rows.at(row).ticked;
}

bool ReconciliationModel::setTicked(int row, bool ticked)
{
    if (row < 0 || row >= m_rows.size())
        return false;
    Row& entry = m_rows[row];
    if (entry.ticked == ticked)
        return true;
    count(entry, -1);
    entry.ticked = ticked;
    count(entry, 1);
    const QModelIndex tick = index(row, TickColumn);
    Q_EMIT dataChanged(tick, tick, {Qt::CheckStateRole});
    Q_EMIT ticksChanged();
    return true;
}

bool ReconciliationModel::toggleTick(int row)
{
    return setTicked(row, !isTicked(row));
}

QList<Transaction> ReconciliationModel::tickedTransactions() const
{
    QList<Transaction> ticked;
    for (const Row& row : m_rows) {
        if (row.ticked)
            ticked.append(row.transaction);
    }
    return ticked;
}

void ReconciliationModel::count(const Row& row, int sign)
{
    if (!row.ticked)
        return;
    const qint64 amount = row.transaction.amount;
    (amount >= 0 ? m_deposits : m_withdrawals) += sign * amount;
}

int ReconciliationModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ReconciliationModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReconciliationModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row& row = m_rows.at(index.row());
    const Transaction& transaction = row.transaction;

    switch (role) {
    case Qt::CheckStateRole:
        if (index.column() == TickColumn)
            return row.ticked ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::DisplayRole:
        switch (index.column()) {
        case DateColumn:
            return DateField::toText(transaction.date);
        case PayeeColumn:
            return transaction.payee;
        case AmountColumn:
            return formatMoney(transaction.amount, m_currency);
        case ClearedColumn:
            return transaction.cleared ? tr("C") : QString();
        default:
            return {};
        }
    case Qt::ForegroundRole:
        if (index.column() == AmountColumn && transaction.amount < 0)
            return negativeAmountColor();
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == AmountColumn)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (index.column() == ClearedColumn)
            return QVariant(Qt::AlignCenter);
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool ReconciliationModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != TickColumn || role != Qt::CheckStateRole)
        return false;
    return setTicked(index.row(), value.toInt() == Qt::Checked);
}

Qt::ItemFlags ReconciliationModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == TickColumn)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant ReconciliationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DateColumn:
        return tr("Date");
    case PayeeColumn:
        return tr("Payee");
    case AmountColumn:
        return tr("Amount");
    case ClearedColumn:
        return tr("Clr");
    default:
        return QString();
    }
}
