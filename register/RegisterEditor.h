#pragma once

#include "storage/Transaction.h"

#include <QObject>
#include <QString>

class AccountRepository;
class Database;
class TransactionRepository;

// The register's writes, each one user action in one database transaction:
// a new transaction, an edit (with the other side of a transfer kept in
// step), and a delete (both sides of a transfer).
// Every method says whether the action was stored; on false nothing of it
// was, and the log says why.
class RegisterEditor : public QObject
{
    Q_OBJECT

public:
    RegisterEditor(Database* database, TransactionRepository* transactions, AccountRepository* accounts,
                   QObject* parent = nullptr);

    bool addTransaction(const Transaction& transaction);

    // Stores the user's edit of a live transaction: the fields the form
    // shows (date, number, payee, memo, category, amount, cleared) go onto
    // the row as stored now, so that whatever else changed meanwhile (a sync
    // pass marking it synced, a reconciliation) stays. Its version goes one
    // above the stored one, pending, updated now. A split keeps its category
    // and its amount, which come from its lines. The other side of a
    // transfer takes the new date, and the opposite amount when both
    // accounts share a currency, with its own version raised.
    bool updateTransaction(const Transaction& edited);

    // Soft-deletes a live transaction and, for a transfer, its live other
    // side under the same time. Split lines stay with their transaction, so
    // that a restored split still has them.
    bool deleteTransaction(const QString& transactionId);

private:
    // The stored row when it exists and is not deleted.
    std::optional<Transaction> liveTransaction(const QString& id) const;
    bool shareCurrency(const QString& accountId, const QString& otherAccountId) const;
    static void markEdited(Transaction& transaction, int storedVersion);

    Database* m_database;
    TransactionRepository* m_transactions;
    AccountRepository* m_accounts;
};
