#pragma once

#include "register/TransactionDraft.h"

#include <QObject>
#include <QString>

#include <optional>

class AppState;
struct Account;

// The one place where a user's transaction is written: a new transaction, an
// edit and a delete, each one action in one database transaction, with the
// other side of a transfer, the lines of a split and a category typed into
// the form going with it. Every window that edits a transaction comes here.
// Every method says whether the action was stored; on false nothing of it
// was, and the log says why.
class RegisterEditor : public QObject
{
    Q_OBJECT

public:
    explicit RegisterEditor(AppState* appState, QObject* parent = nullptr);

    // Stores a new transaction; a transfer gets its other side in the other
    // account (same date, opposite amount) and both sides name each other.
    bool addTransaction(const TransactionDraft& draft);

    // Stores the user's edit of a live transaction: the fields a form shows
    // (date, number, payee, memo, category or lines, amount, cleared) go onto
    // the row as stored now, so that whatever else changed meanwhile (a sync
    // pass marking it synced, a reconciliation) stays. Its version goes one
    // above the stored one, pending, updated now. The other side of a
    // transfer follows: it takes the new date and the opposite amount (its
    // own amount when the currencies differ), moves with a new other account,
    // and goes when the transaction stops being a transfer.
    bool updateTransaction(const TransactionDraft& draft);

    // Soft-deletes a live transaction and, for a transfer, its live other
    // side under the same time. Split lines stay with their transaction, so
    // that a restored split still has them.
    bool deleteTransaction(const QString& transactionId);

    // Why the last action was not stored, in words for the user ("its split
    // lines do not add up to its amount"); empty after one that was.
    QString lastError() const { return m_lastError; }

    // The other side of a transfer, when it is there, names this one back
    // and is not deleted. Only that side is ever edited or deleted with it.
    std::optional<Transaction> liveOtherSide(const Transaction& transaction) const;

private:
    struct Writes;

    // The stored row when it exists and is not deleted.
    std::optional<Transaction> liveTransaction(const QString& id) const;
    std::optional<Account> liveAccount(const QString& id) const;
    // Whether the draft can be stored as it stands, over `before` when it
    // edits a stored transaction; logs why not.
    bool isStorable(const TransactionDraft& draft, const TransactionDraft* before = nullptr) const;
    // The other side of a new transfer from `record`, linking both.
    bool addOtherSide(Transaction& record, const TransactionDraft& draft, Writes& writes) const;
    bool shareCurrency(const QString& accountId, const QString& otherAccountId) const;
    // Writes in one database transaction: all of it, or nothing.
    bool store(const Writes& writes);
    bool write(const Writes& writes);
    // Notes why an action was refused and logs it; always false.
    bool refuse(const QString& reason, const QString& logLine) const;
    static void markEdited(Transaction& transaction, int storedVersion);

    AppState* m_appState;
    // Set by the checks, which read only.
    mutable QString m_lastError;
};
