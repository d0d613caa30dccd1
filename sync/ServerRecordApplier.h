#pragma once

#include "storage/SplitLine.h"

#include <QJsonObject>
#include <QList>
#include <QStringList>

#include <optional>

class AccountRepository;
class CategoryRepository;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;
struct Transaction;

template <typename Record>
class SyncedTableRepository;

// Writes one record from the sync service into the store, by kind. Every kind
// goes the same way: its local counterpart is found by client id, then by
// server id; its keys are read by the kind of column they fill, an absent key
// keeping the local value; a record the store could only hold by guessing (a
// value of the wrong kind, an amount beyond the store's range, a required
// field missing, an id longer than kMaxRecordIdLength) is skipped with a
// warning before anything is written. An account type or a category type
// this version does not know reads as Other or Expense, which shows the
// record as it is; a currency or a frequency it does not know would change
// what the record means, so such a record is left for a version that knows
// it. The service's version decides against a counterpart, and a local
// change not yet pushed is only replaced by a higher version; a local
// deletion not yet pushed is never replaced. A server deletion gives the row
// the service's deletion time. A recurring item, transaction or
// reconciliation goes into the store only with its account there, named by
// its id or its server id; until then it is not written.
class ServerRecordApplier
{
public:
    enum class Outcome {
        Written,
        LeftAlone, // older than the local row, a tombstone of a row never seen, or nothing new
        Skipped,   // unreadable; a warning says why
        AwaitsAccount, // readable, but its account is not in the store yet
        NotReadable,   // holds a text this version does not know; a warning says which
        DatabaseFailed,
    };

    // What the records written since the last call leave to look at once
    // the pass is over.
    struct Notes
    {
        // Transactions that name another as the other side of their transfer.
        QStringList linkedTransactions;
        // Splits whose lines did not add up, given a line for the difference.
        int splitsMadeWhole = 0;
    };

    ServerRecordApplier(AccountRepository* accounts, CategoryRepository* categories, RecurringRepository* recurring,
                        TransactionRepository* transactions, ReconciliationRepository* reconciliations,
                        SplitLineRepository* splitLines);

    Outcome applyAccount(const QJsonObject& record);
    Outcome applyCategory(const QJsonObject& record);
    Outcome applyRecurring(const QJsonObject& record);
    // With the transaction's split lines.
    Outcome applyTransactionChange(const QJsonObject& record);
    Outcome applyReconciliation(const QJsonObject& record);

    Notes takeNotes();

    // What each kind adds to the shared steps.
    struct KindRules;

private:
    // Points the record at the local id of its account; empty when it may be
    // written, else why not.
    template <typename Record>
    std::optional<Outcome> placeInAccount(Record& record, const std::optional<Record>& local) const;

    template <typename Record, typename AfterWrite>
    Outcome apply(SyncedTableRepository<Record>& repository, const QJsonObject& json, const KindRules& rules,
                  const char* splitLinesProblem, AfterWrite afterWrite);

    // Rewrites the lines of a written transaction from the service's, keeps
    // them when the service sent none, drops them when it is no longer split.
    bool writeSplitLines(const Transaction& written, const std::optional<Transaction>& before,
                         const std::optional<QList<SplitLine>>& serverLines);
    // False when the store failed.
    bool makeSplitWhole(const Transaction& written);

    AccountRepository* m_accounts;
    CategoryRepository* m_categories;
    RecurringRepository* m_recurring;
    TransactionRepository* m_transactions;
    ReconciliationRepository* m_reconciliations;
    SplitLineRepository* m_splitLines;
    Notes m_notes;
};
