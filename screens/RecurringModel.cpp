#include "screens/RecurringModel.h"

#include "appstate/ThemeHelpers.h"
#include "register/DateField.h"
#include "storage/AccountRepository.h"
#include "storage/Money.h"

#include <algorithm>

RecurringModel::RecurringModel(AccountRepository* accounts, QObject* parent)
    : QAbstractTableModel(parent)
    , m_accounts(accounts)
{
}

void RecurringModel::setItems(const QList<RecurringTransaction>& items)
{
    beginResetModel();
    m_rows = items;
    m_accountCache.clear();
    sortRows();
    endResetModel();
}

std::optional<RecurringTransaction> RecurringModel::itemAt(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return std::nullopt;
    return m_rows.at(row);
}

int RecurringModel::rowOf(const QString& id) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).id == id)
            return row;
    }
    return -1;
}

bool RecurringModel::isDue(const RecurringTransaction& item, const QDate& today)
{
    // As the recurring service counts it: an unreadable date is due, so
    // that confirming it brings the broken item to light.
    return item.is_active && (!item.next_due_date.isValid() || item.next_due_date <= today);
}

bool RecurringModel::canEnterEarly(const RecurringTransaction& item, const QDate& today)
{
    return item.is_active && item.next_due_date.isValid() && item.next_due_date > today;
}

QString RecurringModel::frequencyName(Frequency frequency)
{
    switch (frequency) {
    case Frequency::Daily:
        return tr("Daily");
    case Frequency::Weekly:
        return tr("Weekly");
    case Frequency::Biweekly:
        return tr("Bi-weekly");
    case Frequency::Monthly:
        return tr("Monthly");
    case Frequency::Semimonthly:
        return tr("Semi-monthly");
    case Frequency::Quarterly:
        return tr("Quarterly");
    case Frequency::SemiAnnual:
        return tr("Semi-annual");
    case Frequency::Annual:
        return tr("Annual");
    }
    return frequencyToString(frequency);
}

QString RecurringModel::frequencyText(const RecurringTransaction& item)
{
    if (item.frequency == Frequency::Semimonthly)
        return tr("Semi-monthly (%1 & %2)").arg(ordinal(item.semimonthly_day_1), ordinal(item.semimonthly_day_2));
    const int interval = item.interval_count;
    if (interval < 2)
        return frequencyName(item.frequency);
    switch (item.frequency) {
    case Frequency::Daily:
        return tr("Every %n day(s)", nullptr, interval);
    case Frequency::Weekly:
        return tr("Every %n week(s)", nullptr, interval);
    case Frequency::Monthly:
        return tr("Every %n month(s)", nullptr, interval);
    case Frequency::Annual:
        return tr("Every %n year(s)", nullptr, interval);
    default:
        return tr("%1 (×%2)").arg(frequencyName(item.frequency)).arg(interval);
    }
}

QString RecurringModel::ordinal(int day)
{
    if (day < 1 || day > 31)
        return tr("last day");
    // Each language writes its ordinals its own way ("1st", "1.", "1日"),
    // so each English ending is a text of its own.
    if (day < 11 || day > 13) {
        switch (day % 10) {
        case 1:
            return tr("%1st", "day of the month").arg(day);
        case 2:
            return tr("%1nd", "day of the month").arg(day);
        case 3:
            return tr("%1rd", "day of the month").arg(day);
        default:
            break;
        }
    }
    return tr("%1th", "day of the month").arg(day);
}

int RecurringModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RecurringModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecurringModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const RecurringTransaction& item = m_rows.at(index.row());

    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case AccountColumn:
            return account(item.account_id).name;
        case PayeeColumn:
            return item.payee;
        case AmountColumn:
            return formatMoney(item.amount, account(item.account_id).currency);
        case FrequencyColumn:
            return frequencyText(item);
        case NextDueColumn:
            return DateField::toText(item.next_due_date);
        case AutoColumn:
            return item.auto_post ? tr("Yes") : tr("No");
        case StatusColumn:
            return item.is_active ? tr("Active") : tr("Inactive");
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() == AmountColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ForegroundRole) {
        if (index.column() == AmountColumn && item.amount < 0)
            return negativeAmountColor();
        if (index.column() == NextDueColumn && isDue(item, QDate::currentDate()))
            return positiveAmountColor();
        if (index.column() == StatusColumn && !item.is_active)
            return mutedCaptionColor();
    }
    return {};
}

QVariant RecurringModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case AccountColumn:
        return tr("Account");
    case PayeeColumn:
        return tr("Payee");
    case AmountColumn:
        return tr("Amount");
    case FrequencyColumn:
        return tr("Frequency");
    case NextDueColumn:
        return tr("Next Due");
    case AutoColumn:
        return tr("Auto");
    case StatusColumn:
        return tr("Status");
    default:
        return {};
    }
}

void RecurringModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    beginResetModel();
    sortRows();
    endResetModel();
}

void RecurringModel::sortRows()
{
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [this](const RecurringTransaction& a, const RecurringTransaction& b) { return lessThan(a, b); });
    if (m_sortOrder == Qt::DescendingOrder)
        std::reverse(m_rows.begin(), m_rows.end());
}

bool RecurringModel::lessThan(const RecurringTransaction& a, const RecurringTransaction& b) const
{
    switch (m_sortColumn) {
    case AccountColumn: {
        // A copy: looking up the second account may grow the cache and move
        // the first one's entry.
        const QString first = account(a.account_id).name;
        return first.compare(account(b.account_id).name, Qt::CaseInsensitive) < 0;
    }
    case PayeeColumn:
        return a.payee.compare(b.payee, Qt::CaseInsensitive) < 0;
    case AmountColumn:
        return a.amount < b.amount;
    case FrequencyColumn:
        return int(a.frequency) < int(b.frequency);
    case NextDueColumn:
        return a.next_due_date < b.next_due_date;
    case AutoColumn:
        return !a.auto_post && b.auto_post;
    case StatusColumn:
        return !a.is_active && b.is_active;
    default:
        return false;
    }
}

const RecurringModel::AccountInfo& RecurringModel::account(const QString& accountId) const
{
    auto cached = m_accountCache.constFind(accountId);
    if (cached != m_accountCache.constEnd())
        return *cached;
    AccountInfo info;
    if (!accountId.isEmpty()) {
        if (const std::optional<Account> account = m_accounts->getById(accountId)) {
            info.name = account->name;
            info.currency = account->currency;
        }
    }
    return *m_accountCache.insert(accountId, info);
}
