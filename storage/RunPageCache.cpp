#include "storage/RunPageCache.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtDebug>

RunPageCache::RunPageCache(QSqlDatabase db, qint64 addedKiB)
    : m_db(std::move(db))
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT cache_size, page_size, page_count "
                                   "FROM pragma_cache_size(), pragma_page_size(), pragma_page_count()"))
        || !query.next())
        return;
    const qint64 setting = query.value(0).toLongLong();
    const qint64 pageSize = query.value(1).toLongLong();
    const qint64 databaseKiB = query.value(2).toLongLong() * pageSize / 1024;
    // A negative setting counts KiB, a positive one pages.
    const qint64 settingKiB = setting < 0 ? -setting : setting * pageSize / 1024;
    const qint64 wanted = qMin(kMaxKiB, databaseKiB + addedKiB);
    if (wanted > settingKiB && query.exec(QStringLiteral("PRAGMA cache_size = -%1").arg(wanted)))
        m_setting = setting;
}

RunPageCache::~RunPageCache()
{
    QSqlQuery query(m_db);
    if (m_setting && !query.exec(QStringLiteral("PRAGMA cache_size = %1").arg(*m_setting)))
        qWarning().noquote() << "The page cache could not be set back after a long write:" << query.lastError().text();
}
