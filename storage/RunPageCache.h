#pragma once

#include <QSqlDatabase>

#include <optional>

// A long write (a restore, an import) changes pages all over the tables and
// their indexes in one transaction. Past SQLite's default cache of 2 MB it
// spills changed pages before the commit and reads pages in again and again.
// For the run the cache holds the whole database and what the run adds, up
// to kMaxKiB, and goes back to its setting after.
class RunPageCache
{
public:
    static constexpr qint64 kMaxKiB = 256 * 1024;

    RunPageCache(QSqlDatabase db, qint64 addedKiB);
    ~RunPageCache();

    RunPageCache(const RunPageCache&) = delete;
    RunPageCache& operator=(const RunPageCache&) = delete;

private:
    QSqlDatabase m_db;
    std::optional<qint64> m_setting;
};
