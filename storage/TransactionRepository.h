#pragma once

#include "storage/RegisterRow.h"
#include "storage/SyncedTableRepository.h"
#include "storage/Transaction.h"

#include <QHash>
#include <QStringList>

class TransactionRepository : public SyncedTableRepository<Transaction>
{
    Q_OBJECT

public:
    explicit TransactionRepository(Database* database, QObject* parent = nullptr);

    using SyncedTableRepository::restoreByAccount;
    using SyncedTableRepository::softDelete;
    using SyncedTableRepository::softDeleteByAccount;

    // The account's live transactions, newest date first, then newest created first.
    QList<Transaction> listByAccount(const QString& accountId) const;
    // The account's live unreconciled transactions, oldest first.
    QList<Transaction> listUnreconciled(const QString& accountId) const;

    // Every payee of a live transaction, sorted, without blanks.
    QStringList listPayees() const;
    // The same list: payees are shared by every account.
    QStringList listPayees(const QString& accountId) const;

    // Each payee of the live transactions with the number of them, sorted,
    // without blanks. Payees that differ only in letter case are apart, as
    // they are for a rename.
    struct PayeeCount
    {
        QString payee;
        int count = 0;

        bool operator==(const PayeeCount&) const = default;
    };
    QList<PayeeCount> payeeCounts() const;

    // The other side of the transfer `transaction` names: the row its
    // transfer_link_id names, but only when that row names it back. A link
    // that points one way (the sync service or a backup may bring one) makes
    // no transfer, and following it would touch an unrelated transaction.
    // Soft-deleted rows included.
    std::optional<Transaction> transferPartner(const Transaction& transaction) const;
    // The same rule as an SQL condition on the transactions row `alias`
    // ("t"), for queries that tell transfers apart over many rows: true when
    // that row has an other side that names it back.
    static QString hasTransferPartnerSql(const QString& alias);
    // Of `ids`, the live transactions that name another as the other side of
    // their transfer without being named back, in id order. Empty when the
    // store could not be read.
    std::optional<QStringList> withOneSidedLink(const QStringList& ids) const;

    // The latest live transaction of that payee (ignoring case), one of the
    // given account's when there is one, else of any account.
    std::optional<Transaction> latestByPayee(const QString& payee, const QString& accountId) const;

    // The account's live transactions in date order with the balance after
    // each (from the account's starting balance, held within ±kMaxBalance;
    // see Money.h) and its category text: the category's name, "Split" for
    // a split, the other account's name for a transfer (see RegisterRow).
    // One query, so it stays fast on years of history.
    QList<RegisterRow> listRegisterRows(const QString& accountId) const;

    // The sum of the live transactions of every account that has any, by
    // account id, held within ±kMaxBalance (add the account's starting
    // balance with saturatingAdd for its balance).
    QHash<QString, qint64> totalsByAccount() const;

    // The sum of the account's live reconciled transactions and the latest
    // date among them (none when there is none).
    struct ReconciledTotal
    {
        qint64 sum = 0;
        std::optional<QDate> latestDate;
    };
    ReconciledTotal reconciledTotal(const QString& accountId) const;

    // Whether the account holds any transaction, deleted ones included (a
    // restore brings those back in the account's currency).
    bool hasTransactions(const QString& accountId) const;
    // The number of live transactions of every account; 0 when it cannot be read.
    int count() const;

Q_SIGNALS:
    // `accountId` is empty when rows of any account may have changed.
    void transactionsChanged(const QString& accountId);

protected:
    void announceChange(const QString& accountId) override;

private:
    friend class TransactionInserter;
};
