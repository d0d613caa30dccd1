#include "register/RegisterModel.h"

#include "appstate/ThemeHelpers.h"
#include "register/CategoryChoices.h"
#include "register/DateField.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Money.h"
#include "storage/PreferencesRepository.h"
#include "storage/TransactionRepository.h"

#include <algorithm>

namespace {

const QString kNewestFirstKey = QStringLiteral("registerNewestFirst");
const QString kTwoLineKey = QStringLiteral("registerTwoLine");

// The amount without its sign, for the payment and deposit columns.
QString magnitudeText(qint64 amount, Currency currency)
{
    QString text = formatAmount(amount, currency);
    if (amount < 0)
        text.remove(0, 1);
    return text;
}

} // namespace

RegisterModel::RegisterModel(TransactionRepository* transactions, AccountRepository* accounts,
                             CategoryRepository* categories, PreferencesRepository* preferences, QObject* parent)
    : QAbstractTableModel(parent)
    , m_transactions(transactions)
    , m_accounts(accounts)
    , m_preferences(preferences)
{
    m_reloadTimer.setSingleShot(true);
    m_reloadTimer.setInterval(0);
    connect(&m_reloadTimer, &QTimer::timeout, this, &RegisterModel::reload);

    connect(m_transactions, &TransactionRepository::transactionsChanged, this, &RegisterModel::onTransactionsChanged);
    connect(m_preferences, &PreferencesRepository::changed, this, &RegisterModel::onPreferenceChanged);
    // The balances start from the account's starting balance and transfers
    // show the other account's name: both change with the accounts.
    connect(m_accounts, &AccountRepository::accountsChanged, this, &RegisterModel::scheduleReload);
    // The category column shows the names as they are now, a deleted one as none.
    connect(categories, &CategoryRepository::categoriesChanged, this, &RegisterModel::scheduleReload);
}

void RegisterModel::setAccount(const QString& accountId)
{
    m_accountId = accountId;
    reload();
}

void RegisterModel::reload()
{
    m_reloadTimer.stop();
    beginResetModel();
    m_rows.clear();
    m_currency = Currency::USD;
    m_twoLine = m_preferences->getBool(kTwoLineKey, false);
    if (!m_accountId.isEmpty()) {
        if (const std::optional<Account> account = m_accounts->getById(m_accountId))
            m_currency = account->currency;
        m_rows = m_transactions->listRegisterRows(m_accountId);
        m_newestFirst = m_preferences->getBool(kNewestFirstKey, false);
        if (m_newestFirst)
            std::reverse(m_rows.begin(), m_rows.end());
    }
    findWidestTexts();
    endResetModel();
}

void RegisterModel::findWidestTexts()
{
    // By the numbers and lengths alone: texts are made for the few rows
    // that win, not for every row of a long register.
    qint64 payment = 0;
    qint64 deposit = 0;
    qint64 lowestBalance = 0;
    qint64 highestBalance = 0;
    int categoryRow = -1;
    qsizetype categoryLength = -1;
    int numberRow = -1;
    qsizetype numberLength = 0;
    const qsizetype transferWords = CategoryChoices::transferFromText(QString()).size();
    for (int i = 0; i < m_rows.size(); ++i) {
        const RegisterRow& row = m_rows.at(i);
        const qint64 amount = row.transaction.amount;
        payment = std::min(payment, amount);
        deposit = std::max(deposit, amount);
        lowestBalance = std::min(lowestBalance, row.runningBalance);
        highestBalance = std::max(highestBalance, row.runningBalance);
        // A transfer shows the other account's name in a sentence.
        const qsizetype length = row.categoryText.size() + (row.transfer ? transferWords : 0);
        if (length > categoryLength) {
            categoryLength = length;
            categoryRow = i;
        }
        if (row.transaction.check_number.size() > numberLength) {
            numberLength = row.transaction.check_number.size();
            numberRow = i;
        }
    }
    const bool any = !m_rows.isEmpty();
    m_widestPayment = any && payment < 0 ? magnitudeText(payment, m_currency) : QString();
    m_widestDeposit = any && deposit > 0 ? magnitudeText(deposit, m_currency) : QString();
    const QString lowest = formatMoney(lowestBalance, m_currency);
    const QString highest = formatMoney(highestBalance, m_currency);
    m_widestBalance = !any ? QString() : lowest.size() >= highest.size() ? lowest : highest;
    m_widestCategory = categoryRow < 0 ? QString() : displayText(m_rows.at(categoryRow), CategoryColumn).toString();
    m_widestNumber = numberRow < 0 ? QString() : m_rows.at(numberRow).transaction.check_number;
}

QString RegisterModel::widestText(int column) const
{
    switch (column) {
    case PaymentColumn:
        return m_widestPayment;
    case DepositColumn:
        return m_widestDeposit;
    case BalanceColumn:
        return m_widestBalance;
    case CategoryColumn:
        return m_widestCategory;
    case NumberColumn:
        return m_widestNumber;
    default:
        return {};
    }
}

std::optional<Transaction> RegisterModel::transactionAt(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return std::nullopt;
    return m_rows.at(row).transaction;
}

int RegisterModel::rowOf(const QString& transactionId) const
{
    const auto found = std::find_if(m_rows.cbegin(), m_rows.cend(), [&](const RegisterRow& row) {
        return row.transaction.id == transactionId;
    });
    return found == m_rows.cend() ? -1 : int(found - m_rows.cbegin());
}

int RegisterModel::newestRow() const
{
    if (m_rows.isEmpty())
        return -1;
    return m_newestFirst ? 0 : int(m_rows.size()) - 1;
}

int RegisterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RegisterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const RegisterRow& row = m_rows.at(index.row());
    const int column = index.column();

    switch (role) {
    case Qt::DisplayRole:
        return displayText(row, column);
    case Qt::TextAlignmentRole:
        if (column == PaymentColumn || column == DepositColumn || column == BalanceColumn)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (column == ClearedColumn)
            return QVariant(Qt::AlignCenter);
        return {};
    case Qt::ForegroundRole:
        if (column == BalanceColumn && row.runningBalance < 0)
            return negativeAmountColor();
        return {};
    default:
        return {};
    }
}

QVariant RegisterModel::displayText(const RegisterRow& row, int column) const
{
    const Transaction& transaction = row.transaction;
    switch (column) {
    case DateColumn:
        return DateField::toText(transaction.date);
    case NumberColumn:
        return transaction.check_number;
    case PayeeColumn:
        // Always two lines, so that every payee stands at the top of its row.
        return m_twoLine ? transaction.payee + QLatin1Char('\n') + transaction.memo : transaction.payee;
    case CategoryColumn:
        // A transfer says where the money went, or where it came from.
        if (row.transfer)
            return transaction.amount < 0 ? CategoryChoices::transferToText(row.categoryText)
                                          : CategoryChoices::transferFromText(row.categoryText);
        return row.categoryText;
    case MemoColumn:
        return transaction.memo;
    case PaymentColumn:
        return transaction.amount < 0 ? magnitudeText(transaction.amount, m_currency) : QString();
    case DepositColumn:
        return transaction.amount > 0 ? magnitudeText(transaction.amount, m_currency) : QString();
    case ClearedColumn:
        if (transaction.reconciled)
            return tr("R");
        return transaction.cleared ? tr("C") : QString();
    case BalanceColumn:
        return formatMoney(row.runningBalance, m_currency);
    default:
        return {};
    }
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case DateColumn:
        return tr("Date");
    case NumberColumn:
        return tr("Num");
    case PayeeColumn:
        return tr("Payee");
    case CategoryColumn:
        return tr("Category");
    case MemoColumn:
        return tr("Memo");
    case PaymentColumn:
        return tr("Payment");
    case DepositColumn:
        return tr("Deposit");
    case ClearedColumn:
        return tr("Clr");
    case BalanceColumn:
        return tr("Balance");
    default:
        return {};
    }
}

void RegisterModel::onTransactionsChanged(const QString& accountId)
{
    if (accountId.isEmpty() || accountId == m_accountId)
        scheduleReload();
}

void RegisterModel::onPreferenceChanged(const QString& key)
{
    // Other keys change often (the sync cursor on every pass) and nothing here.
    if (key == kNewestFirstKey || key == kTwoLineKey)
        scheduleReload();
}

void RegisterModel::scheduleReload()
{
    if (!m_accountId.isEmpty())
        m_reloadTimer.start();
}
