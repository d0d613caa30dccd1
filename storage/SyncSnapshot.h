#pragma once

#include <QDateTime>

#include <optional>

// What a record held when it was sent to the sync service. An answer for it
// may only mark the row synced while the row still holds exactly this, so an
// edit made while the request was in flight stays pending.
struct SyncSnapshot
{
    int version = 1;
    QDateTime updated_at;
    std::optional<QDateTime> deleted_at;

    template <typename Record>
    static SyncSnapshot of(const Record& record)
    {
        return {record.version, record.updated_at, record.deleted_at};
    }
};
