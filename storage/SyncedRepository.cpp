#include "storage/SyncedRepository.h"

#include <utility>

SyncedRepository::SyncedRepository(Database* database, const char* table, const char* className, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_table(table)
    , m_className(className)
{
}

void SyncedRepository::noteChange(const QString& accountId)
{
    if (m_holds == 0) {
        announceChange(accountId);
        return;
    }
    if (!m_changedWhileHeld) {
        m_changedWhileHeld = true;
        m_heldAccountId = accountId;
    } else if (accountId != m_heldAccountId) {
        m_heldAccountId.clear();
    }
}

void SyncedRepository::hold() { ++m_holds; }

void SyncedRepository::releaseHold()
{
    if (m_holds == 0 || --m_holds > 0)
        return;
    if (std::exchange(m_changedWhileHeld, false))
        announceChange(std::exchange(m_heldAccountId, QString()));
    Q_EMIT holdReleased();
}

QByteArray SyncedRepository::where(const char* method) const
{
    return QByteArray(m_className) + "::" + method;
}

QSqlQuery& SyncedRepository::prepared(const QString& sql) const
{
    auto found = m_prepared.find(sql);
    if (found == m_prepared.end()) {
        found = m_prepared.emplace(sql, PreparedQuery{QSqlQuery(db())}).first;
        found->second.query.setForwardOnly(true);
    }
    // A statement that failed to prepare is tried again next time; this run
    // fails when it executes, with its log line.
    PreparedQuery& entry = found->second;
    if (!entry.ready)
        entry.ready = entry.query.prepare(sql);
    return entry.query;
}

bool SyncedRepository::markSynced(const QString& id, const QString& serverId)
{
    // Logs nothing by design: a sync pass marks thousands of rows and reports
    // its own failures.
    QSqlQuery& query = prepared(
        QStringLiteral("UPDATE %1 SET sync_status='synced', server_id=COALESCE(NULLIF(?, ''), server_id) WHERE id=?")
            .arg(table()));
    query.bindValue(0, serverId);
    query.bindValue(1, id);
    return query.exec() && query.numRowsAffected() > 0;
}

bool SyncedRepository::markSyncedIfUnchanged(const QString& id, const QString& serverId, const SyncSnapshot& pushed)
{
    // Times are compared as instants, not as text: a row may hold any form
    // the readers accept (milliseconds, SQLite's own "yyyy-MM-dd HH:mm:ss"),
    // and a text comparison would keep such a row pending for ever.
    QSqlQuery& query = prepared(
        QStringLiteral("UPDATE %1 SET sync_status='synced', server_id=COALESCE(NULLIF(?, ''), server_id) "
                       "WHERE id=? AND version=? AND julianday(updated_at) IS julianday(?) "
                       "AND julianday(deleted_at) IS julianday(?)")
            .arg(table()));
    const auto instant = [](const QDateTime& time) {
        return time.isValid() ? QVariant(time.toUTC().toString(Qt::ISODateWithMs))
                              : QVariant(QMetaType::fromType<QString>());
    };
    query.bindValue(0, serverId);
    query.bindValue(1, id);
    query.bindValue(2, pushed.version);
    query.bindValue(3, instant(pushed.updated_at));
    query.bindValue(4, instant(pushed.deleted_at.value_or(QDateTime())));
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
        return -1;
    const int changed = statement.rowsAffected();
    if (changed > 0)
        noteChange(QString());
    return changed;
}

QString SyncedRepository::findLocalIdByServerId(const QString& serverId, bool* ok) const
{
    return firstId(QStringLiteral("server_id = ?"), {serverId}, "findLocalIdByServerId", ok);
}

QString SyncedRepository::findLocalId(const QString& reference, bool* ok) const
{
    return firstId(QStringLiteral("id = ? OR server_id = ? ORDER BY id = ? DESC LIMIT 1"),
                   {reference, reference, reference}, "findLocalId", ok);
}

QString SyncedRepository::firstId(const QString& condition, const QVariantList& values, const char* method,
                                  bool* ok) const
{
    SqlStatement statement(prepared(QStringLiteral("SELECT id FROM %1 WHERE %2").arg(table(), condition)),
                           where(method));
    const bool executed = statement.bindAll(values).exec();
    if (ok)
        *ok = executed;
    QString id;
    if (executed && statement.next())
        id = statement.value(0).toString();
    statement.query().finish();
    return id;
}

bool SyncedRepository::softDeleteRow(const QString& id, const QDateTime& at)
{
    const QString stamp = toIsoUtc(at.isValid() ? at : nowUtc());
    SqlStatement statement(
        db(),
        QStringLiteral("UPDATE %1 SET deleted_at = ?, updated_at = ?, sync_status = 'pending' "
                       "WHERE id = ? AND deleted_at IS NULL")
            .arg(table()),
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
