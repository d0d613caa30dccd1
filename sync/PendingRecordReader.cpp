#include "sync/PendingRecordReader.h"

#include "storage/RecordSchema.h"

#include <QDebug>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

template <typename Record>
QString tableOf()
{
    return QString::fromLatin1(RecordSchema<Record>::table());
}

bool report(const QSqlQuery& query)
{
    qWarning() << "PendingRecordReader: cannot read pending records:" << query.lastError().text();
    return false;
}

template <typename Record>
std::optional<int> countOf()
{
    QSqlQuery query(QSqlDatabase::database());
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE sync_status = 'pending'").arg(tableOf<Record>()))
        || !query.next()) {
        report(query);
        return std::nullopt;
    }
    return query.value(0).toInt();
}

} // namespace

std::optional<int> PendingRecordReader::countPending()
{
    int total = 0;
    for (const std::optional<int> count : {countOf<RecordKindAt<0>>(), countOf<RecordKindAt<1>>(),
                                           countOf<RecordKindAt<2>>(), countOf<RecordKindAt<3>>(),
                                           countOf<RecordKindAt<4>>()}) {
        if (!count)
            return std::nullopt;
        total += *count;
    }
    return total;
}

void PendingRecordReader::restart()
{
    m_kind = 0;
    m_afterRowid = 0;
}

template <typename Record>
std::optional<PendingRecordReader::Page<Record>> PendingRecordReader::readPage(int limit) const
{
    // Paging by rowid walks the sync-status index in its own order, so every
    // page costs the same however far into the backlog it lies.
    static const QString sql =
        QStringLiteral("SELECT rowid, %1 FROM %2 WHERE sync_status = 'pending' AND rowid > ? ORDER BY rowid LIMIT ?")
            .arg(schema::selectList<Record>(), tableOf<Record>());
    QSqlQuery query(QSqlDatabase::database());
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        report(query);
        return std::nullopt;
    }
    query.addBindValue(m_afterRowid);
    query.addBindValue(limit);
    if (!query.exec()) {
        report(query);
        return std::nullopt;
    }
    Page<Record> page;
    while (query.next()) {
        page.lastRowid = query.value(0).toLongLong();
        page.records.append(schema::read<Record>(query, 1));
    }
    return page;
}

template <typename Record>
bool PendingRecordReader::readKind(int limit, QList<PendingRecord>& out)
{
    const std::optional<Page<Record>> page = readPage<Record>(limit);
    if (!page)
        return false;
    for (const Record& record : page->records)
        out.append(PendingRecord(record));
    if (page->records.size() < limit) {
        ++m_kind;
        m_afterRowid = 0;
    } else {
        m_afterRowid = page->lastRowid;
    }
    return true;
}

std::optional<QList<PendingRecord>> PendingRecordReader::next(int limit)
{
    QList<PendingRecord> records;
    while (records.size() < limit && m_kind < kRecordKinds) {
        const int wanted = limit - int(records.size());
        bool ok = false;
        switch (m_kind) {
        case 0:
            ok = readKind<RecordKindAt<0>>(wanted, records);
            break;
        case 1:
            ok = readKind<RecordKindAt<1>>(wanted, records);
            break;
        case 2:
            ok = readKind<RecordKindAt<2>>(wanted, records);
            break;
        case 3:
            ok = readKind<RecordKindAt<3>>(wanted, records);
            break;
        case 4:
            ok = readKind<RecordKindAt<4>>(wanted, records);
            break;
        }
        if (!ok)
            return std::nullopt;
    }
    return records;
}
