#pragma once

#include "sync/PendingRecord.h"

#include <QList>
#include <QString>

#include <optional>

// Walks the pending rows of the five synced tables, kind after kind in the
// order a pass sends them, a page at a time. Reading the backlog in pages
// keeps each step short: a pass over tens of thousands of pending rows never
// holds the event loop for long, and never holds them all in memory.
//
// Rows go in storage order within a kind, so a row is read at most once per
// walk. A row that turns pending behind the walk's position waits for the
// next pass.
class PendingRecordReader
{
public:
    // How many rows of every kind are pending right now; empty on failure.
    static std::optional<int> countPending();

    // Starts the walk again from the first kind.
    void restart();
    // Up to `limit` further pending records; fewer only at the end of the
    // walk. Empty on a database failure.
    std::optional<QList<PendingRecord>> next(int limit);

private:
    template <typename Record>
    struct Page
    {
        QList<Record> records;
        qint64 lastRowid = 0;
    };

    template <typename Record>
    std::optional<Page<Record>> readPage(int limit) const;
    // Reads from the current kind into `out`; false on failure.
    template <typename Record>
    bool readKind(int limit, QList<PendingRecord>& out);

    std::size_t m_kind = 0;
    qint64 m_afterRowid = 0;
};
