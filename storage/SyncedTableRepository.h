#pragma once

#include "storage/SyncedRepository.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The record-typed operations of a synced table. Each repository derives
// from this with its record type, publishes the optional operations it
// offers with `using`, and adds its own queries and its change signal.
template <typename Record>
class SyncedTableRepository : public SyncedRepository
{
public:
    // The row with that id, soft-deleted rows included.
    std::optional<Record> getById(const QString& id) const { return fetchById<Record>(id); }

    // Writes every column but deleted_at, version, sync status and server id
    // as the record holds them.
    bool insert(const Record& record)
    {
        if (!insertRecord(record))
            return false;
        noteChange(accountOf(record));
        return true;
    }

    // Writes the updatable columns as the record holds them: the caller sets
    // version and sync status. False when no row has the record's id.
    bool update(const Record& record)
    {
        if (!updateRecord(record))
            return false;
        noteChange(accountOf(record));
        return true;
    }

    // What a server record stands for here: the row with `clientId`, else
    // the row the service knows as `serverId` (either may be empty),
    // soft-deleted rows included.
    struct Counterpart
    {
        std::optional<Record> row;
        bool readFailed = false;
    };
    Counterpart findCounterpart(const QString& clientId, const QString& serverId) const
    {
        Counterpart found;
        bool ok = true;
        if (!clientId.isEmpty())
            found.row = fetchById<Record>(clientId, &ok);
        if (ok && !found.row && !serverId.isEmpty()) {
            const QString localId = findLocalIdByServerId(serverId, &ok);
            if (ok && !localId.isEmpty())
                found.row = fetchById<Record>(localId, &ok);
        }
        found.readFailed = !ok;
        return found;
    }

    // Makes the row `replaced` hold exactly what the sync service holds:
    // every column but the id, created_at and deleted_at among them, as
    // `record` holds them. A row may move to another account this way; the
    // change is announced for both. False when no row has the record's id.
    bool updateFromServer(const Record& record, const Record& replaced)
    {
        if (!updateRecord(record, true))
            return false;
        noteChange(accountOf(record));
        if (accountOf(replaced) != accountOf(record))
            noteChange(accountOf(replaced));
        return true;
    }

    // Every row waiting for the sync service, soft-deleted ones included.
    QList<Record> listPending() const
    {
        return fetchWhere<Record>(QStringLiteral("sync_status = 'pending'"), {}, "listPending");
    }

protected:
    using SyncedRepository::SyncedRepository;

    // Stamps deleted_at and updated_at (now, or `at` so that one user action
    // shares one time) and sets the row pending; the version stays.
    bool softDelete(const QString& id, const QDateTime& at = {})
    {
        const std::optional<Record> existing = getById(id);
        if (!existing || !softDeleteRow(id, at))
            return false;
        noteChange(accountOf(*existing));
        return true;
    }

    // Soft-deletes the account's live rows under one time; the number of rows
    // deleted, or -1 when the statement failed (so a caller deleting an
    // account can tell "none" from "could not").
    int softDeleteByAccount(const QString& accountId, const QDateTime& at)
    {
        const int changed = softDeleteRowsOfAccount(accountId, at);
        if (changed > 0)
            noteChange(accountId);
        return changed;
    }

    // Revives the account's rows deleted at or after `deletedSince` (stored
    // timestamp text, which orders as time).
    int restoreByAccount(const QString& accountId, const QString& deletedSince)
    {
        const int changed = restoreRowsOfAccount(accountId, deletedSince);
        if (changed > 0)
            noteChange(accountId);
        return changed;
    }

private:
    static QString accountOf(const Record& record)
    {
        if constexpr (requires { record.account_id; })
            return record.account_id;
        else
            return QString();
    }
};
