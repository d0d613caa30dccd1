#pragma once

#include "storage/SyncSnapshot.h"
#include "sync/ChangeRecordBuilder.h"
#include "sync/PendingRecord.h"

#include <QHash>
#include <QJsonArray>
#include <QList>
#include <QPair>
#include <QString>

#include <array>

class AccountRepository;
class CategoryRepository;
class ReconciliationRepository;
class RecurringRepository;
class SyncedRepository;
class TransactionRepository;

// The push stage's work list: the pending records of one pass, handed out in
// batches, and the marking of what the service acknowledged.
//
// Change records are built per batch, not for the whole backlog at once, so
// a large backlog neither holds every payload in memory nor stalls the event
// loop while they are built.
class PushQueue
{
public:
    static constexpr int kBatchSize = 500;

    struct BatchOutcome
    {
        int acknowledged = 0;
        int errors = 0;
    };

    PushQueue(AccountRepository* accounts, CategoryRepository* categories, RecurringRepository* recurring,
              TransactionRepository* transactions, ReconciliationRepository* reconciliations,
              const SplitLineRepository* splitLines);

    // Replaces the list with every pending record of every kind, in the
    // order the pass sends them; returns how many there are.
    int collect();
    void clear();
    int remaining() const { return int(m_records.size() - m_next); }
    bool isEmpty() const { return remaining() == 0; }

    // The next change records, at most kBatchSize. What each one held is
    // remembered until its answer arrives.
    QJsonArray takeBatch();

    // Marks the records of the last batch that the service answered with
    // "ok". A record edited since it was collected stays pending, and so does
    // every record the answer does not name.
    BatchOutcome acknowledge(const QJsonArray& results);

private:
    using RecordKey = QPair<QString, QString>; // entity type, local id

    template <typename Repository>
    void collectFrom(const Repository* repository);

    AccountRepository* m_accounts;
    CategoryRepository* m_categories;
    RecurringRepository* m_recurring;
    TransactionRepository* m_transactions;
    ReconciliationRepository* m_reconciliations;
    // The same five, indexed like PendingRecord's alternatives.
    std::array<SyncedRepository*, kRecordKinds> m_byKind;
    ChangeRecordBuilder m_builder;
    QList<PendingRecord> m_records;
    qsizetype m_next = 0;
    QHash<RecordKey, QPair<std::size_t, SyncSnapshot>> m_inFlight;
};
