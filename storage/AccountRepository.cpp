#include "storage/AccountRepository.h"

AccountRepository::AccountRepository(Database* database, QObject* parent)
    : SyncedTableRepository(database, "accounts", "AccountRepository", parent)
{
}

bool AccountRepository::restore(const QString& id)
{
    SqlStatement statement(db(), QStringLiteral("UPDATE accounts SET deleted_at=NULL, sync_status='pending', updated_at=? WHERE id=?"),
                           "AccountRepository::restore");
    if (!statement.bind(toIsoUtc(nowUtc())).bind(id).exec() || statement.rowsAffected() == 0)
        return false;
    noteChange(id);
    return true;
}

QList<Account> AccountRepository::listActive() const
{
    return fetchWhere<Account>(QStringLiteral("deleted_at IS NULL ORDER BY sort_order, name COLLATE NOCASE"), {}, "listActive");
}

QList<Account> AccountRepository::listDeleted() const
{
    return fetchWhere<Account>(QStringLiteral("deleted_at IS NOT NULL ORDER BY name COLLATE NOCASE"), {}, "listDeleted");
}

void AccountRepository::announceChange(const QString&)
{
    Q_EMIT accountsChanged();
}
