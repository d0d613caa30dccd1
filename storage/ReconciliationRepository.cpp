#include "storage/ReconciliationRepository.h"

ReconciliationRepository::ReconciliationRepository(Database* database, QObject* parent)
    : SyncedTableRepository(database, "reconciliations", "ReconciliationRepository", parent)
{
}

QList<Reconciliation> ReconciliationRepository::listByAccount(const QString& accountId) const
{
    return fetchWhere<Reconciliation>(
        QStringLiteral("account_id = ? AND deleted_at IS NULL ORDER BY statement_date DESC, created_at DESC"),
        {accountId}, "listByAccount");
}

std::optional<Reconciliation> ReconciliationRepository::latestByAccount(const QString& accountId) const
{
    const QList<Reconciliation> latest = fetchWhere<Reconciliation>(
        QStringLiteral("account_id = ? AND deleted_at IS NULL ORDER BY statement_date DESC, created_at DESC LIMIT 1"),
        {accountId}, "latestByAccount");
    if (latest.isEmpty())
        return std::nullopt;
    return latest.first();
}

void ReconciliationRepository::announceChange(const QString&)
{
    Q_EMIT reconciliationsChanged();
}
