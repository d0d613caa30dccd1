#include "register/RegisterEditor.h"

#include "storage/AccountRepository.h"
#include "storage/Database.h"
#include "storage/ScopedTransaction.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"

#include <QList>
#include <QtDebug>

RegisterEditor::RegisterEditor(Database* database, TransactionRepository* transactions, AccountRepository* accounts,
                               QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_transactions(transactions)
    , m_accounts(accounts)
{
}

bool RegisterEditor::addTransaction(const Transaction& transaction)
{
    if (!m_transactions->insert(transaction)) {
        qWarning().noquote() << "RegisterEditor: the new transaction" << transaction.id << "was not stored";
        return false;
    }
    return true;
}

bool RegisterEditor::updateTransaction(const Transaction& edited)
{
    const std::optional<Transaction> stored = liveTransaction(edited.id);
    if (!stored) {
        qWarning().noquote() << "RegisterEditor: transaction" << edited.id << "is gone; the edit was not stored";
        return false;
    }
    if (stored->is_split && edited.amount != stored->amount) {
        qWarning().noquote() << "RegisterEditor: the amount of split transaction" << edited.id
                             << "is the sum of its lines; the edit was not stored";
        return false;
    }

    // The dialog's copy was read when it opened; only what the form shows
    // comes from it.
    Transaction record = *stored;
    record.date = edited.date;
    record.check_number = edited.check_number;
    record.payee = edited.payee;
    record.memo = edited.memo;
    record.cleared = edited.cleared;
    if (!record.is_split) {
        record.category_id = edited.category_id;
        record.amount = edited.amount;
    }
    markEdited(record, stored->version);

    std::optional<Transaction> otherSide;
    if (record.isTransfer()) {
        if (const std::optional<Transaction> linked = liveTransaction(record.transfer_link_id)) {
            Transaction mirrored = *linked;
            mirrored.date = record.date;
            // An amount in another currency is no mirror of this one: each
            // side keeps its own.
            if (shareCurrency(record.account_id, linked->account_id))
                mirrored.amount = -record.amount;
            if (mirrored != *linked) {
                markEdited(mirrored, linked->version);
                otherSide = mirrored;
            }
        }
    }

    ScopedTransaction transaction(m_database->connection());
    if (!transaction.isActive())
        return false;
    if (!m_transactions->update(record) || (otherSide && !m_transactions->update(*otherSide))) {
        qWarning().noquote() << "RegisterEditor: the edit of transaction" << record.id << "was not stored";
        return false;
    }
    return transaction.commit();
}

bool RegisterEditor::deleteTransaction(const QString& transactionId)
{
    const std::optional<Transaction> stored = liveTransaction(transactionId);
    if (!stored) {
        qWarning().noquote() << "RegisterEditor: transaction" << transactionId << "is already gone";
        return false;
    }
    QList<Transaction> rows{*stored};
    if (stored->isTransfer()) {
        if (const std::optional<Transaction> otherSide = liveTransaction(stored->transfer_link_id))
            rows << *otherSide;
    }

    const QDateTime at = nowUtc();
    ScopedTransaction transaction(m_database->connection());
    if (!transaction.isActive())
        return false;
    for (const Transaction& row : rows) {
        if (!m_transactions->softDelete(row.id, at)) {
            qWarning().noquote() << "RegisterEditor: transaction" << transactionId << "was not deleted";
            return false;
        }
    }
    return transaction.commit();
}

std::optional<Transaction> RegisterEditor::liveTransaction(const QString& id) const
{
    std::optional<Transaction> stored = m_transactions->getById(id);
    if (stored && stored->deleted_at)
        stored.reset();
    return stored;
}

bool RegisterEditor::shareCurrency(const QString& accountId, const QString& otherAccountId) const
{
    const std::optional<Account> account = m_accounts->getById(accountId);
    const std::optional<Account> other = m_accounts->getById(otherAccountId);
    return account && other && account->currency == other->currency;
}

void RegisterEditor::markEdited(Transaction& transaction, int storedVersion)
{
    // From the stored version, not the edited copy's, so that an edit raises
    // it by exactly one however the copy was made.
    transaction.version = storedVersion + 1;
    transaction.sync_status = SyncStatus::Pending;
    transaction.updated_at = nowUtc();
}
