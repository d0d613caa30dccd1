#include "storage/SyncedRepository.h"

SyncedRepository::SyncedRepository(Database* database, const char* table, const char* className, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_table(table)
    , m_className(className)
{
}

QByteArray SyncedRepository::where(const char* method) const
{
    return QByteArray(m_className) + "::" + method;
}

QSqlQuery SyncedRepository::preparedWriter(const QString& sql) const
{
    auto found = m_writers.find(sql);
    if (found == m_writers.end()) {
        QSqlQuery query(db());
        query.prepare(sql); // a failure shows when the statement runs
        found = m_writers.insert(sql, query);
    }
    return *found;
}

bool SyncedRepository::markSynced(const QString& id, const QString& serverId)
{
    // Logs nothing by design: a sync pass marks thousands of rows and reports
    // its own failures.
    QSqlQuery query(db());
    query.prepare(QStringLiteral("UPDATE %1 SET sync_status='synced', server_id=COALESCE(NULLIF(?, ''), server_id) "
                                 "WHERE id=?")
                      .arg(table()));
    query.addBindValue(serverId);
    query.addBindValue(id);
    return query.exec() && query.numRowsAffected() > 0;
}

bool SyncedRepository::markSyncedIfUnchanged(const QString& id, const QString& serverId, const SyncSnapshot& pushed)
{
    QSqlQuery query(db());
    query.prepare(QStringLiteral("UPDATE %1 SET sync_status='synced', server_id=COALESCE(NULLIF(?, ''), server_id) "
                                 "WHERE id=? AND version=? AND updated_at IS ? AND deleted_at IS ?")
                      .arg(table()));
    query.addBindValue(serverId);
    query.addBindValue(id);
    query.addBindValue(pushed.version);
    query.addBindValue(schema::timestamp(pushed.updated_at));
    query.addBindValue(pushed.deleted_at ? schema::timestamp(*pushed.deleted_at)
                                         : QVariant(QMetaType::fromType<QString>()));
    return query.exec() && query.numRowsAffected() > 0;
}

int SyncedRepository::markAllPendingForResync()
{
    SqlStatement statement(
        db(),
        QStringLiteral("UPDATE %1 SET sync_status = 'pending' WHERE deleted_at IS NULL AND sync_status != 'pending'")
            .arg(table()),
        where("markAllPendingForResync"));
    if (!statement.execText())
        return 0;
    const int changed = statement.rowsAffected();
    if (changed > 0)
        announceChange(QString());
    return changed;
}

bool SyncedRepository::softDeleteRow(const QString& id, const QDateTime& at)
{
    const QString stamp = toIsoUtc(at.isValid() ? at : nowUtc());
    SqlStatement statement(
        db(),
        QStringLiteral("UPDATE %1 SET deleted_at = ?, updated_at = ?, sync_status = 'pending' WHERE id = ?").arg(table()),
        where("softDelete"));
    return statement.bind(stamp).bind(stamp).bind(id).exec() && statement.rowsAffected() > 0;
}

int SyncedRepository::softDeleteRowsOfAccount(const QString& accountId, const QDateTime& at)
{
    const QString stamp = toIsoUtc(at.isValid() ? at : nowUtc());
    SqlStatement statement(db(),
                           QStringLiteral("UPDATE %1 SET deleted_at = ?, updated_at = ?, sync_status = 'pending' "
                                          "WHERE account_id = ? AND deleted_at IS NULL")
                               .arg(table()),
                           where("softDeleteByAccount"));
    if (!statement.bind(stamp).bind(stamp).bind(accountId).exec())
        return -1;
    return statement.rowsAffected();
}

int SyncedRepository::restoreRowsOfAccount(const QString& accountId, const QString& deletedSince)
{
    SqlStatement statement(db(),
                           QStringLiteral("UPDATE %1 SET deleted_at = NULL, updated_at = ?, sync_status = 'pending' "
                                          "WHERE account_id = ? AND deleted_at >= ?")
                               .arg(table()),
                           where("restoreByAccount"));
    if (!statement.bind(toIsoUtc(nowUtc())).bind(accountId).bind(deletedSince).exec())
        return 0;
    return statement.rowsAffected();
}
