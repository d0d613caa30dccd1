#include "sync/PushQueue.h"

#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/ScopedTransaction.h"
#include "storage/TransactionRepository.h"

#include <QDebug>
#include <QJsonObject>
#include <QSqlDatabase>

PushQueue::PushQueue(AccountRepository* accounts, CategoryRepository* categories, RecurringRepository* recurring,
                     TransactionRepository* transactions, ReconciliationRepository* reconciliations,
                     const SplitLineRepository* splitLines)
    : m_repositories{accounts, categories, recurring, transactions, reconciliations}
    , m_builder(splitLines)
{
}

std::optional<int> PushQueue::start()
{
    m_reader.restart();
    m_taken = 0;
    m_inFlight.clear();
    const std::optional<int> total = PendingRecordReader::countPending();
    m_total = total.value_or(0);
    return total;
}

std::optional<QJsonArray> PushQueue::takeBatch()
{
    m_inFlight.clear();
    const std::optional<QList<PendingRecord>> records = m_reader.next(kBatchSize);
    if (!records)
        return std::nullopt;

    QJsonArray batch;
    for (const PendingRecord& pending : *records) {
        const std::size_t kind = pending.index();
        std::visit(
            [&](const auto& record) {
                m_inFlight.insert({entityTypeAt(kind), record.id}, {kind, SyncSnapshot::of(record)});
            },
            pending);
        batch.append(m_builder.build(pending));
    }
    m_taken += int(batch.size());
    return batch;
}

std::optional<PushQueue::BatchOutcome> PushQueue::acknowledge(const QJsonArray& results)
{
    // One commit for the batch instead of one per row. The marks never join
    // a transaction someone else has open, which might yet roll them back:
    // beginning ours fails then, and nothing is marked.
    ScopedTransaction transaction(QSqlDatabase::database());
    if (!transaction.isActive())
        return std::nullopt;

    BatchOutcome outcome;
    for (const QJsonValue& value : results) {
        const QJsonObject result = value.toObject();
        const QJsonValue entityType = result.value(QLatin1String("entity_type"));
        const QJsonValue entityId = result.value(QLatin1String("entity_id"));
        const auto sent = m_inFlight.constFind({entityType.toString(), entityId.toString()});
        if (!entityType.isString() || !entityId.isString() || sent == m_inFlight.constEnd())
            continue;

        const QString status = result.value(QLatin1String("status")).toString();
        if (status != QLatin1String("ok")) {
            ++outcome.errors;
            qWarning() << "Push result not ok — leaving record pending:" << entityType.toString()
                       << entityId.toString() << "status=" << status
                       << "message=" << result.value(QLatin1String("message")).toString();
            continue;
        }
        // Marked synced without a server id, the row could never be matched
        // with the service's copy again.
        const QJsonValue serverId = result.value(QLatin1String("server_id"));
        if (!serverId.isString() || serverId.toString().isEmpty()) {
            ++outcome.errors;
            qWarning() << "Push result ok without a server id — leaving record pending:" << entityType.toString()
                       << entityId.toString();
            continue;
        }
        ++outcome.acknowledged;
        const auto& [kind, snapshot] = *sent;
        m_repositories[kind]->markSyncedIfUnchanged(entityId.toString(), serverId.toString(), snapshot);
    }
    m_inFlight.clear();

    if (!transaction.commit())
        return std::nullopt;
    return outcome;
}
