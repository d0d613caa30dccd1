#pragma once

#include <QSqlDatabase>

#include <optional>

// An import adds rows all over the transactions table and its indexes (the
// ids are random) in one transaction. Past SQLite's default cache of 2 MB it
// spills changed pages before the commit and reads them in again and again.
// For the run the cache holds the whole database and what the import adds,
// up to kMaxKiB, and goes back to its setting after.
class ImportPageCache
{
public:
    static constexpr qint64 kMaxKiB = 256 * 1024;
    // Generously what one imported transaction takes with its index entries.
    static constexpr qint64 kKiBPerRecord = 1;

    ImportPageCache(QSqlDatabase db, int records);
    ~ImportPageCache();

    ImportPageCache(const ImportPageCache&) = delete;
    ImportPageCache& operator=(const ImportPageCache&) = delete;

private:
    QSqlDatabase m_db;
    std::optional<qint64> m_setting;
};
