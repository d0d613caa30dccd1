#include "register/RegisterEditor.h"

#include "appstate/AppState.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/RecordId.h"
#include "storage/RecordVersion.h"
#include "storage/ScopedTransaction.h"
#include "storage/SplitLineRepository.h"
#include "storage/SqlStatement.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"

#include <QList>
#include <QSqlError>
#include <QtDebug>

// What one user action writes, gathered first so that it is written in one go.
struct RegisterEditor::Writes
{
    QList<Category> newCategories;
    QList<Transaction> inserts;
    QList<Transaction> updates;
    QStringList deletes;
    // The transaction whose lines are replaced by `lines` (none to clear them).
    QString replaceLinesOf;
    QList<SplitLine> lines;
};

RegisterEditor::RegisterEditor(AppState* appState, QObject* parent)
    : QObject(parent)
    , m_appState(appState)
{
}

bool RegisterEditor::addTransaction(const TransactionDraft& draft)
{
    if (!isStorable(draft))
        return false;

    Writes writes;
    writes.newCategories = draft.newCategories;
    Transaction record = draft.transaction;
    if (record.id.isEmpty())
        record.id = newRecordId();
    record.transfer_link_id.clear();
    record.transfer_dest_account_id.clear();
    if (draft.isTransfer()) {
        record.category_id.clear();
        if (!addOtherSide(record, draft, writes))
            return false;
    }
    if (record.is_split) {
        record.category_id.clear();
        writes.replaceLinesOf = record.id;
        writes.lines = draft.splitLines;
    }
    writes.inserts.prepend(record);
    return store(writes);
}

bool RegisterEditor::updateTransaction(const TransactionDraft& draft)
{
    const Transaction& edited = draft.transaction;
    const std::optional<Transaction> stored = liveTransaction(edited.id);
    if (!stored) {
        return refuse(tr("it was deleted meanwhile"),
                      QStringLiteral("transaction %1 is gone; the edit was not stored").arg(edited.id));
    }
    const TransactionDraft before = storedDraft(m_appState, *stored);
    if (!isStorable(draft, &before))
        return false;

    // The form's copy was read when it opened; only what the form shows
    // comes from it.
    Writes writes;
    writes.newCategories = draft.newCategories;
    Transaction record = *stored;
    record.date = edited.date;
    record.check_number = edited.check_number;
    record.payee = edited.payee;
    record.memo = edited.memo;
    // A reconciled transaction was on a statement: it stays cleared.
    record.cleared = edited.cleared || stored->reconciled;
    record.amount = edited.amount;
    record.is_split = edited.is_split;
    record.category_id = edited.is_split || draft.isTransfer() ? QString() : edited.category_id;
    if (record.is_split || stored->is_split) {
        writes.replaceLinesOf = record.id;
        writes.lines = record.is_split ? draft.splitLines : QList<SplitLine>();
    }
    markEdited(record, stored->version);

    const std::optional<Transaction> otherSide = liveOtherSide(*stored);
    const auto dropOtherSide = [&] {
        if (otherSide)
            writes.deletes.append(otherSide->id);
        record.transfer_link_id.clear();
        record.transfer_dest_account_id.clear();
    };
    if (record.is_split) {
        // A split keeps whatever links it came with (an import may link
        // one), but a transfer made into a split is a transfer no more: left
        // linked, its other side would keep the old amount for ever.
        if (!stored->is_split && before.isTransfer())
            dropOtherSide();
    } else if (draft.isTransfer() && draft.transferAccountId == before.transferAccountId) {
        if (otherSide) {
            Transaction mirrored = *otherSide;
            mirrored.date = record.date;
            if (shareCurrency(record.account_id, otherSide->account_id))
                mirrored.amount = -record.amount;
            else if (draft.transferAmount)
                mirrored.amount = *draft.transferAmount;
            if (mirrored != *otherSide) {
                markEdited(mirrored, otherSide->version);
                writes.updates.append(mirrored);
            }
        }
        // A side whose other side is gone (its account deleted), never
        // arrived or does not name it back stays as it is: there is nothing
        // to mirror, and inventing one would count it twice when it does
        // arrive.
    } else {
        dropOtherSide();
        if (draft.isTransfer() && !addOtherSide(record, draft, writes))
            return false;
    }
    writes.updates.prepend(record);

    return store(writes);
}

bool RegisterEditor::deleteTransaction(const QString& transactionId)
{
    const std::optional<Transaction> stored = liveTransaction(transactionId);
    if (!stored) {
        return refuse(tr("it was deleted meanwhile"), QStringLiteral("transaction %1 is already gone").arg(transactionId));
    }
    Writes writes;
    writes.deletes.append(stored->id);
    if (const std::optional<Transaction> otherSide = liveOtherSide(*stored))
        writes.deletes.append(otherSide->id);
    return store(writes);
}

bool RegisterEditor::isStorable(const TransactionDraft& draft, const TransactionDraft* before) const
{
    const Transaction& transaction = draft.transaction;
    if (!liveAccount(transaction.account_id)) {
        return refuse(tr("its account was deleted"),
                      QStringLiteral("account %1 is gone").arg(transaction.account_id));
    }
    if (transaction.is_split) {
        if (draft.splitLines.isEmpty() || draft.splitTotal() != transaction.amount) {
            return refuse(tr("its split lines do not add up to its amount"),
                          QStringLiteral("the lines of split transaction %1 do not add up to its amount")
                              .arg(transaction.id));
        }
        if (draft.isTransfer()) {
            return refuse(tr("a split cannot also be a transfer"),
                          QStringLiteral("a split transaction cannot also be a transfer"));
        }
    }
    // What the transaction already had may stay (a category deleted since);
    // anything else must be a live category this account can use.
    QStringList allowed;
    for (const Category& created : draft.newCategories) {
        if (created.id.isEmpty())
            return refuse(tr("the new category has no id"), QStringLiteral("a new category needs an id"));
        allowed << created.id;
    }
    if (before) {
        allowed << before->transaction.category_id;
        for (const SplitLine& line : before->splitLines)
            allowed << line.category_id;
    }
    QStringList used{transaction.category_id};
    for (const SplitLine& line : draft.splitLines)
        used << line.category_id;
    for (const QString& categoryId : std::as_const(used)) {
        if (categoryId.isEmpty() || allowed.contains(categoryId))
            continue;
        const std::optional<Category> category = m_appState->categoryRepository()->getById(categoryId);
        if (!category || category->deleted_at
            || (!category->account_id.isEmpty() && category->account_id != transaction.account_id)) {
            return refuse(tr("one of its categories cannot be used in this account"),
                          QStringLiteral("category %1 cannot be used in account %2")
                              .arg(categoryId, transaction.account_id));
        }
    }
    return true;
}

bool RegisterEditor::addOtherSide(Transaction& record, const TransactionDraft& draft, Writes& writes) const
{
    // Only a new other side needs a live account: an edit that keeps a
    // transfer into an account deleted since must still store.
    if (draft.transferAccountId == record.account_id || !liveAccount(draft.transferAccountId)) {
        return refuse(tr("the other account of the transfer cannot take it"),
                      QStringLiteral("account %1 cannot take the other side of a transfer")
                          .arg(draft.transferAccountId));
    }
    Transaction other;
    other.id = newRecordId();
    other.account_id = draft.transferAccountId;
    other.date = record.date;
    other.payee = record.payee;
    other.memo = record.memo;
    if (shareCurrency(record.account_id, other.account_id)) {
        other.amount = -record.amount;
    } else if (draft.transferAmount) {
        other.amount = *draft.transferAmount;
    } else {
        return refuse(tr("a transfer between currencies needs the amount the other account receives"),
                      QStringLiteral("a transfer between currencies needs the amount the other account receives"));
    }
    other.transfer_link_id = record.id;
    other.transfer_dest_account_id = record.account_id;
    other.created_at = nowUtc();
    other.updated_at = other.created_at;
    record.transfer_link_id = other.id;
    record.transfer_dest_account_id = other.account_id;
    writes.inserts.append(other);
    return true;
}

bool RegisterEditor::store(const Writes& writes)
{
    QSqlDatabase db = m_appState->database()->connection();
    ScopedTransaction transaction(db);
    if (!transaction.isActive())
        return refuse(tr("the ledger could not be written (%1)").arg(db.lastError().text()),
                      QStringLiteral("no database transaction; nothing was stored"));
    if (!write(writes))
        return refuse(tr("the ledger could not be written (%1)").arg(SqlStatement::lastFailure()),
                      QStringLiteral("a write failed; nothing of the change was stored"));
    if (!transaction.commit())
        return refuse(tr("the ledger could not be written (%1)").arg(db.lastError().text()),
                      QStringLiteral("the change could not be committed; nothing of it was stored"));
    m_lastError.clear();
    return true;
}

bool RegisterEditor::write(const Writes& writes)
{
    TransactionRepository* transactions = m_appState->transactionRepository();
    SplitLineRepository* splitLines = m_appState->splitLineRepository();
    for (const Category& created : writes.newCategories) {
        if (!m_appState->categoryRepository()->insert(created))
            return false;
    }
    for (const Transaction& row : writes.inserts) {
        if (!transactions->insert(row))
            return false;
    }
    for (const Transaction& row : writes.updates) {
        if (!transactions->update(row))
            return false;
    }
    const QDateTime at = nowUtc();
    for (const QString& id : writes.deletes) {
        if (!transactions->softDelete(id, at))
            return false;
    }
    if (writes.replaceLinesOf.isEmpty())
        return true;
    if (!splitLines->deleteByTransaction(writes.replaceLinesOf))
        return false;
    for (SplitLine line : writes.lines) {
        line.id = newRecordId();
        line.transaction_id = writes.replaceLinesOf;
        line.created_at = at;
        line.updated_at = at;
        if (!splitLines->insert(line))
            return false;
    }
    return true;
}

bool RegisterEditor::refuse(const QString& reason, const QString& logLine) const
{
    m_lastError = reason;
    qWarning().noquote() << "RegisterEditor:" << logLine;
    return false;
}

std::optional<Transaction> RegisterEditor::liveOtherSide(const Transaction& transaction) const
{
    std::optional<Transaction> otherSide = m_appState->transactionRepository()->transferPartner(transaction);
    if (otherSide && otherSide->deleted_at)
        otherSide.reset();
    return otherSide;
}

std::optional<Transaction> RegisterEditor::liveTransaction(const QString& id) const
{
    std::optional<Transaction> stored = m_appState->transactionRepository()->getById(id);
    if (stored && stored->deleted_at)
        stored.reset();
    return stored;
}

std::optional<Account> RegisterEditor::liveAccount(const QString& id) const
{
    std::optional<Account> account = m_appState->accountRepository()->getById(id);
    if (account && account->deleted_at)
        account.reset();
    return account;
}

bool RegisterEditor::shareCurrency(const QString& accountId, const QString& otherAccountId) const
{
    const std::optional<Account> account = m_appState->accountRepository()->getById(accountId);
    const std::optional<Account> other = m_appState->accountRepository()->getById(otherAccountId);
    return account && other && account->currency == other->currency;
}

void RegisterEditor::markEdited(Transaction& transaction, int storedVersion)
{
    // From the stored version, not the edited copy's, so that an edit raises
    // it by exactly one however the copy was made.
    transaction.version = nextRecordVersion(storedVersion);
    transaction.sync_status = SyncStatus::Pending;
    transaction.updated_at = nowUtc();
}
