#pragma once

#include "storage/Transaction.h"

#include <QObject>
#include <QString>

class Database;
class SplitLineRepository;
class TransactionRepository;

// The register's writes, each one user action in one database transaction:
// a new transaction, an edit (with the other side of a transfer kept in
// step), and a delete (both sides of a transfer, the lines of a split).
// Every method says whether the action was stored; on false nothing of it
// was, and the log says why.
class RegisterEditor : public QObject
{
    Q_OBJECT

public:
    RegisterEditor(Database* database, TransactionRepository* transactions, SplitLineRepository* splitLines,
                   QObject* parent = nullptr);

    bool addTransaction(const Transaction& transaction);

    // Stores the user's edit of a live transaction: its version one above the
    // stored one, pending, updated now. Account, transfer link and split
    // state stay as stored, and a split keeps its amount, which is the sum of
    // its lines. The other side of a transfer takes the new date and the
    // opposite amount, with its own version raised.
    bool updateTransaction(const Transaction& edited);

    // Soft-deletes a live transaction and, for a transfer, its live other
    // side under the same time; split lines of the deleted rows go with them.
    bool deleteTransaction(const QString& transactionId);

private:
    // The stored row when it exists and is not deleted.
    std::optional<Transaction> liveTransaction(const QString& id) const;
    static void markEdited(Transaction& transaction, int storedVersion);

    Database* m_database;
    TransactionRepository* m_transactions;
    SplitLineRepository* m_splitLines;
};
