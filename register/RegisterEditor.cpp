#include "register/RegisterEditor.h"

#include "services/ScopedTransaction.h"
#include "storage/Database.h"
#include "storage/SplitLineRepository.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"

#include <QList>
#include <QtDebug>

RegisterEditor::RegisterEditor(Database* database, TransactionRepository* transactions,
                               SplitLineRepository* splitLines, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_transactions(transactions)
    , m_splitLines(splitLines)
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

    Transaction record = edited;
    record.account_id = stored->account_id;
    record.transfer_link_id = stored->transfer_link_id;
    record.transfer_dest_account_id = stored->transfer_dest_account_id;
    record.is_split = stored->is_split;
    markEdited(record, stored->version);

    std::optional<Transaction> otherSide;
    if (record.isTransfer()) {
        otherSide = liveTransaction(record.transfer_link_id);
        if (otherSide && otherSide->date == record.date && otherSide->amount == -record.amount)
            otherSide.reset();
    }
    if (otherSide) {
        const int otherVersion = otherSide->version;
        otherSide->date = record.date;
        otherSide->amount = -record.amount;
        markEdited(*otherSide, otherVersion);
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
        if ((row.is_split && !m_splitLines->deleteByTransaction(row.id)) || !m_transactions->softDelete(row.id, at)) {
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

void RegisterEditor::markEdited(Transaction& transaction, int storedVersion)
{
    // From the stored version, not the edited copy's, so that an edit raises
    // it by exactly one however the copy was made.
    transaction.version = storedVersion + 1;
    transaction.sync_status = SyncStatus::Pending;
    transaction.updated_at = nowUtc();
}
