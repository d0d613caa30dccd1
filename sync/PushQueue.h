#pragma once

#include "storage/SyncSnapshot.h"
#include "sync/ChangeRecordBuilder.h"
#include "sync/PendingRecordReader.h"

#include <QHash>
#include <QJsonArray>
#include <QPair>
#include <QString>

#include <array>
#include <optional>

class AccountRepository;
class CategoryRepository;
class ReconciliationRepository;
class RecurringRepository;
class SyncedRepository;
class TransactionRepository;

// The push stage's work list: the pending records of one pass, read and
// turned into change records one batch at a time, and the marking of what
// the service acknowledged.
class PushQueue
{
public:
    static constexpr int kBatchSize = 500;

    struct BatchOutcome
    {
        int acknowledged = 0;
        int errors = 0;
        // Results that named a record of the batch, whatever their status.
        // None at all for a batch that was sent means the answer was not
        // an answer to it.
        int matched() const { return acknowledged + errors; }
    };

    PushQueue(AccountRepository* accounts, CategoryRepository* categories, RecurringRepository* recurring,
              TransactionRepository* transactions, ReconciliationRepository* reconciliations,
              const SplitLineRepository* splitLines);

    // Starts a pass over the records pending now; how many there are, or
    // empty when the database cannot tell.
    std::optional<int> start();
    int remaining() const { return qMax(0, m_total - m_taken); }

    // The next change records, at most kBatchSize; an empty array once every
    // record has gone, no value on a database failure. What each record held
    // is remembered until its answer arrives.
    std::optional<QJsonArray> takeBatch();

    // Marks the records of the last batch that the service answered with
    // "ok" and a server id. A record edited since it was read stays pending,
    // and so does every record the answer does not name or names without a
    // server id. Results that name no record of the batch (or not as texts)
    // count neither way. No value when the marks could not be stored; then
    // none is.
    std::optional<BatchOutcome> acknowledge(const QJsonArray& results);

private:
    using RecordKey = QPair<QString, QString>; // entity type, local id

    // Indexed like PendingRecord's alternatives.
    std::array<SyncedRepository*, kRecordKinds> m_repositories;
    ChangeRecordBuilder m_builder;
    PendingRecordReader m_reader;
    int m_total = 0;
    int m_taken = 0;
    QHash<RecordKey, QPair<std::size_t, SyncSnapshot>> m_inFlight;
};
