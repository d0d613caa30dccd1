#pragma once

#include "storage/Enums.h"
#include "storage/RecurringTransaction.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class AccountRepository;

// The recurring items of every account as the recurring window lists them,
// in the order the user last sorted them, each amount in its account's
// currency. It also says what an item allows: due items can be confirmed or
// skipped, items not yet due entered early.
class RecurringModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        AccountColumn,
        PayeeColumn,
        AmountColumn,
        FrequencyColumn,
        NextDueColumn,
        AutoColumn,
        StatusColumn,
        ColumnCount
    };

    explicit RecurringModel(AccountRepository* accounts, QObject* parent = nullptr);

    // Replaces the rows, sorted as before; account names and currencies are
    // read again.
    void setItems(const QList<RecurringTransaction>& items);
    std::optional<RecurringTransaction> itemAt(int row) const;
    // -1 when the item is not listed.
    int rowOf(const QString& id) const;

    // Active, with its next due date today or earlier.
    static bool isDue(const RecurringTransaction& item, const QDate& today);
    // Active and not due yet: it can be entered before its date.
    static bool canEnterEarly(const RecurringTransaction& item, const QDate& today);
    // "Monthly", "Semi-annual": how every window names a frequency.
    static QString frequencyName(Frequency frequency);
    // "Monthly", "Every 3 months", "Quarterly (×2)",
    // "Semi-monthly (1st & last day)".
    static QString frequencyText(const RecurringTransaction& item);
    // "1st", "22nd", "13th"; a day outside 1 to 31 (0 is how the last day
    // of the month is stored) is "last day".
    static QString ordinal(int day);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Stable: a descending sort lists equal rows in the reverse of their
    // ascending order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    struct AccountInfo
    {
        QString name;
        Currency currency = Currency::USD;
    };

    // Read once per account between two reloads: painting and sorting ask
    // for it on every row.
    const AccountInfo& account(const QString& accountId) const;
    bool lessThan(const RecurringTransaction& a, const RecurringTransaction& b) const;
    void sortRows();

    AccountRepository* m_accounts;
    QList<RecurringTransaction> m_rows;
    mutable QHash<QString, AccountInfo> m_accountCache;
    int m_sortColumn = NextDueColumn;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
