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
