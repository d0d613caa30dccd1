#include "storage/RecurringRepository.h"

RecurringRepository::RecurringRepository(Database* database, QObject* parent)
    : SyncedTableRepository(database, "recurring_transactions", "RecurringRepository", parent)
{
}

QList<RecurringTransaction> RecurringRepository::listAll() const
{
    return fetchWhere<RecurringTransaction>(QStringLiteral("deleted_at IS NULL"), {}, "listAll");
}

void RecurringRepository::announceChange(const QString&)
{
    Q_EMIT recurringChanged();
}
