#include "services/BackupRestore.h"

#include "services/BackupArchive.h"
#include "services/BackupTable.h"
#include "storage/Enums.h"
#include "storage/Timestamp.h"

#include <QSqlError>
#include <QtDebug>

#include <limits>

namespace {

const QString kId = QStringLiteral("id");
const QString kVersion = QStringLiteral("version");
const QString kSyncStatus = QStringLiteral("sync_status");
const QString kServerId = QStringLiteral("server_id");
const QString kUpdatedAt = QStringLiteral("updated_at");

// Rows without sync columns of their own (split lines) belong to a parent
// row of this table and are restored only together with it.
const BackupTable* followerOf(const BackupTable& table)
{
    for (const BackupTable* candidate : BackupTable::all()) {
        if (!candidate->isSynced() && candidate->parentTable() == table.table())
            return candidate;
    }
    return nullptr;
}

// Whether the rows kept for `table` in `byTable` include `id`.
template <typename Rows>
bool holds(const QHash<QString, Rows>& byTable, const QString& table, const QString& id)
{
    const auto rows = byTable.constFind(table);
    return rows != byTable.constEnd() && rows->contains(id);
}

// Above both versions, so that the next pull does not put the replaced data
// back; held at the largest version a column reader takes rather than
// wrapping to a negative one.
int nextVersion(int archived, int local)
{
    const int higher = qMax(archived, local);
    return higher < std::numeric_limits<int>::max() ? higher + 1 : higher;
}

QString insertSql(const BackupTable& table)
{
    QStringList marks;
    for (qsizetype i = 0; i < table.columns().size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(table.table(), table.columns().join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
}

// Every column but the id, in columns() order, then the id.
QString updateSql(const BackupTable& table)
{
    QStringList assignments;
    for (const QString& column : table.columns()) {
        if (column != kId)
            assignments << column + QStringLiteral(" = ?");
    }
    return QStringLiteral("UPDATE %1 SET %2 WHERE id = ?").arg(table.table(), assignments.join(QStringLiteral(", ")));
}

} // namespace

BackupRestore::BackupRestore(QSqlDatabase db, const BackupArchive& archive, BackupService::ImportMode mode)
    : m_db(std::move(db))
    , m_archive(archive)
    , m_mode(mode)
{
}

bool BackupRestore::run()
{
    for (int index = 0; index < BackupTable::all().size(); ++index) {
        if (!restoreTable(index))
            return false;
    }
    return true;
}

BackupImportResult BackupRestore::result() const
{
    // BackupTable::all() lists the tables in the result's order.
    BackupImportResult result;
    result.accountsImported = m_imported[0];
    result.categoriesImported = m_imported[1];
    result.transactionsImported = m_imported[2];
    result.splitLinesImported = m_imported[3];
    result.recurringImported = m_imported[4];
    result.reconciliationsImported = m_imported[5];
    result.accountsSkipped = m_skipped[0];
    result.categoriesSkipped = m_skipped[1];
    result.transactionsSkipped = m_skipped[2];
    result.splitLinesSkipped = m_skipped[3];
    result.recurringSkipped = m_skipped[4];
    result.reconciliationsSkipped = m_skipped[5];
    result.errors = m_errors;
    return result;
}

bool BackupRestore::restoreTable(int index)
{
    TableRun run{*BackupTable::all().at(index), QSqlQuery(m_db), QSqlQuery(m_db), std::nullopt, {}};
    if (!prepare(run) || !loadLocalRows(run.table))
        return false;
    for (const ZipReader::Entry& entry : m_archive.rows(run.table.folder())) {
        switch (restoreEntry(run, entry)) {
        case Outcome::Written:
            ++m_imported[index];
            break;
        case Outcome::Skipped:
            ++m_skipped[index];
            break;
        case Outcome::Failed:
            return false;
        }
    }
    return true;
}

bool BackupRestore::prepare(TableRun& run)
{
    const BackupTable& table = run.table;
    if (!prepareStatement(run.insert, insertSql(table)))
        return false;
    if (table.isSynced() && !prepareStatement(run.update, updateSql(table)))
        return false;

    const BackupTable* follower = followerOf(table);
    if (!follower)
        return true;
    QSqlQuery parents(m_db);
    parents.setForwardOnly(true);
    if (!parents.exec(QStringLiteral("SELECT DISTINCT %1 FROM %2").arg(follower->parentColumn(), follower->table())))
        return fail(parents);
    while (parents.next())
        run.withFollowers.insert(parents.value(0).toString());
    run.dropFollowers.emplace(m_db);
    return prepareStatement(*run.dropFollowers,
                            QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(follower->table(), follower->parentColumn()));
}

// One read of the whole table instead of a lookup per restored row.
bool BackupRestore::loadLocalRows(const BackupTable& table)
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    const QString columns = table.isSynced() ? QStringLiteral("id, version, updated_at, server_id") : kId;
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2").arg(columns, table.table())))
        return fail(query);
    QHash<QString, LocalRow>& rows = m_local[table.table()];
    while (query.next()) {
        LocalRow& row = rows[query.value(0).toString()];
        if (table.isSynced()) {
            row.version = query.value(1).toInt();
            row.updatedAt = query.value(2).toString();
            row.serverId = query.value(3).toString();
        }
    }
    return true;
}

BackupRestore::Outcome BackupRestore::restoreEntry(TableRun& run, const ZipReader::Entry& entry)
{
    QString problem;
    const std::optional<QJsonObject> object = m_archive.readObject(entry, &problem);
    if (!object)
        return skip(problem);
    std::optional<QVariantList> values = run.table.fromJson(*object, entry.name, &problem);
    if (!values)
        return skip(problem);

    // The id comes from the row itself; the entry's name proves nothing.
    const QString id = values->at(run.table.indexOf(kId)).toString();
    QSet<QString>& archived = m_archived[run.table.table()];
    if (archived.contains(id))
        return skip(tr("%1: id %2 appears more than once").arg(entry.name, id));
    archived.insert(id);

    if (run.table.isSynced())
        return restoreSyncedRow(run, *values, entry.name);
    return restoreFollower(run, *values, entry.name);
}

BackupRestore::Outcome BackupRestore::restoreSyncedRow(TableRun& run, QVariantList& values, const QString& entry)
{
    const BackupTable& table = run.table;
    const QString id = values.at(table.indexOf(kId)).toString();
    if (!table.parentTable().isEmpty()) {
        const QString parentId = values.at(table.indexOf(table.parentColumn())).toString();
        if (!holds(m_local, table.parentTable(), parentId) && !holds(m_restored, table.parentTable(), parentId))
            return skip(tr("%1: %2 %3 does not exist").arg(entry, table.parentColumn(), parentId));
    }

    values[table.indexOf(kSyncStatus)] = syncStatusToString(SyncStatus::Pending);
    const QHash<QString, LocalRow>& localRows = m_local[table.table()];
    const auto local = localRows.constFind(id);
    if (local == localRows.constEnd()) {
        if (!exec(run.insert, values))
            return Outcome::Failed;
    } else {
        if (!replaces(*local, values.at(table.indexOf(kUpdatedAt)).toString()))
            return Outcome::Skipped;
        QVariant& version = values[table.indexOf(kVersion)];
        version = nextVersion(version.toInt(), local->version);
        if (!local->serverId.isEmpty())
            values[table.indexOf(kServerId)] = local->serverId;
        QVariantList bound = values;
        bound.removeAt(table.indexOf(kId));
        bound << id;
        if (!exec(run.update, bound))
            return Outcome::Failed;
        // The archive's split lines replace the row's own, never join them.
        if (run.withFollowers.contains(id) && !exec(*run.dropFollowers, {id}))
            return Outcome::Failed;
    }
    m_restored[table.table()].insert(id);
    return Outcome::Written;
}

BackupRestore::Outcome BackupRestore::restoreFollower(TableRun& run, const QVariantList& values, const QString& entry)
{
    const BackupTable& table = run.table;
    const QString parentId = values.at(table.indexOf(table.parentColumn())).toString();
    if (!holds(m_restored, table.parentTable(), parentId)) {
        // The parent's own row already says why it stayed out.
        if (holds(m_archived, table.parentTable(), parentId))
            return Outcome::Skipped;
        return skip(tr("%1: %2 %3 is not restored from this backup").arg(entry, table.parentColumn(), parentId));
    }
    // The restored parents' own lines are gone by now: an id still present
    // belongs to another parent's line.
    const QString id = values.at(table.indexOf(kId)).toString();
    if (holds(m_local, table.table(), id))
        return skip(tr("%1: id %2 is already in use").arg(entry, id));
    if (!exec(run.insert, values))
        return Outcome::Failed;
    return Outcome::Written;
}

bool BackupRestore::replaces(const LocalRow& local, const QString& archiveUpdatedAt) const
{
    switch (m_mode) {
    case BackupService::ReplaceAll:
        return true;
    case BackupService::KeepNewer: {
        // Parsed, not compared as text: rows written by SQLite's datetime()
        // or with an offset order differently as text.
        const QDateTime localTime = parseTimestamp(local.updatedAt);
        return !localTime.isValid() || parseTimestamp(archiveUpdatedAt) > localTime;
    }
    case BackupService::SkipExisting:
        break;
    }
    return false;
}

bool BackupRestore::prepareStatement(QSqlQuery& query, const QString& sql)
{
    query.setForwardOnly(true);
    return query.prepare(sql) || fail(query);
}

bool BackupRestore::exec(QSqlQuery& query, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    return query.exec() || fail(query);
}

BackupRestore::Outcome BackupRestore::skip(const QString& error)
{
    m_errors << error;
    return Outcome::Skipped;
}

bool BackupRestore::fail(const QSqlQuery& query)
{
    m_failure = query.lastError().text();
    qWarning().noquote() << "Backup restore failed:" << m_failure;
    return false;
}
