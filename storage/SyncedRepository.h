#pragma once

#include "storage/Database.h"
#include "storage/RecordSchema.h"
#include "storage/SqlStatement.h"
#include "storage/SyncSnapshot.h"
#include "storage/Timestamp.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <map>
#include <optional>

// What the five synced tables (accounts, transactions, categories, recurring
// transactions, reconciliations) have in common: reading and writing whole
// records through their RecordSchema, soft delete and restore, and the sync
// marks. Subclasses add their own queries and say how they announce a change.
class SyncedRepository : public QObject
{
    Q_OBJECT

public:
    // Whether a ChangeHold keeps this repository's change signal back. The
    // sync gate stays shut meanwhile: a pass would push rows that may yet be
    // rolled back.
    bool changesHeld() const { return m_holds > 0; }

    // Marks the row synced under `serverId`. No change signal: nothing a
    // window shows has changed. An empty serverId keeps the stored one.
    bool markSynced(const QString& id, const QString& serverId);

    // As markSynced, but only while the row still holds what was sent, so an
    // edit made while the push was in flight stays pending. True when marked.
    bool markSyncedIfUnchanged(const QString& id, const QString& serverId, const SyncSnapshot& pushed);

    // Puts every live row that is not pending back to pending for a full
    // resync; the number of rows changed, or -1 when the statement failed.
    int markAllPendingForResync();

    // The local id of the row the sync service knows as `serverId`,
    // soft-deleted rows included; empty when there is none. `ok` (when
    // given) is false when the table could not be read.
    QString findLocalIdByServerId(const QString& serverId, bool* ok = nullptr) const;
    // The local id of the row whose id is `reference`, or else whose server
    // id is (the service's records may name a row either way), soft-deleted
    // rows included; empty when there is none. `ok` as above.
    QString findLocalId(const QString& reference, bool* ok = nullptr) const;

Q_SIGNALS:
    // The last ChangeHold on this repository has ended, after the change
    // signal it held back (when anything changed). What waited for the long
    // write may run now, unless another repository is still held.
    void holdReleased();

protected:
    SyncedRepository(Database* database, const char* table, const char* className, QObject* parent);

    // Announces a change through announceChange, at once or, while a
    // ChangeHold holds this repository, once when the last hold ends.
    void noteChange(const QString& accountId);

    // Emits the subclass's change signal; `accountId` says which account's
    // rows changed where the signal carries one (empty: any).
    virtual void announceChange(const QString& accountId) = 0;

    QSqlDatabase db() const { return m_database->connection(); }
    QString table() const { return QString::fromLatin1(m_table); }
    // "AccountRepository::insert" for the failure log line.
    QByteArray where(const char* method) const;

    // `ok` (when given) is false when the table could not be read.
    template <typename Record>
    std::optional<Record> fetchById(const QString& id, bool* ok = nullptr) const;

    // Records matching `condition` (the text after WHERE, with ORDER BY as
    // needed); `ok` as for fetchById.
    template <typename Record>
    QList<Record> fetchWhere(const QString& condition, const QVariantList& values, const char* method,
                             bool* ok = nullptr) const;

    template <typename Record>
    bool insertRecord(const Record& record);

    // Writes the columns update() writes; with `whole`, every column but the
    // id, created_at and deleted_at among them (a record without times gets
    // them now).
    template <typename Record>
    bool updateRecord(const Record& record, bool whole = false);

    // Soft-deletes one row; false when it failed or no such row exists.
    bool softDeleteRow(const QString& id, const QDateTime& at);
    // Soft-deletes the live rows of one account under one timestamp; the
    // count, or -1 on failure.
    int softDeleteRowsOfAccount(const QString& accountId, const QDateTime& at);
    // Revives the rows of one account deleted at or after `deletedSince`; the count.
    int restoreRowsOfAccount(const QString& accountId, const QString& deletedSince);

    // The id of the first row matching `condition` (the text after WHERE);
    // empty when there is none. `ok` as for fetchById.
    QString firstId(const QString& condition, const QVariantList& values, const char* method, bool* ok) const;

    // A query prepared once for this SQL text and reused after: the same few
    // statements run thousands of times in an import or a sync pass. A
    // reader must finish() it once read.
    QSqlQuery& prepared(const QString& sql) const;

private:
    friend class ChangeHold;
    void hold();
    void releaseHold();

    Database* m_database;
    struct PreparedQuery
    {
        QSqlQuery query;
        bool ready = false;
    };
    // A map keeps each query in place, so a reference to one stays valid.
    mutable std::map<QString, PreparedQuery> m_prepared;
    const char* m_table;
    const char* m_className;

    int m_holds = 0;
    bool m_changedWhileHeld = false;
    // The one account whose rows changed while held; empty once several did.
    QString m_heldAccountId;
};

template <typename Record>
std::optional<Record> SyncedRepository::fetchById(const QString& id, bool* ok) const
{
    const QList<Record> found = fetchWhere<Record>(QStringLiteral("id = ?"), {id}, "getById", ok);
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

template <typename Record>
QList<Record> SyncedRepository::fetchWhere(const QString& condition, const QVariantList& values,
                                           const char* method, bool* ok) const
{
    static const QString select = QStringLiteral("SELECT %1 FROM %2 WHERE ")
                                      .arg(schema::selectList<Record>(), QLatin1String(RecordSchema<Record>::table()));
    SqlStatement statement(prepared(select + condition), where(method));
    QList<Record> records;
    if (statement.bindAll(values).exec()) {
        while (statement.next())
            records.append(schema::read<Record>(statement.query()));
    }
    statement.query().finish();
    if (ok)
        *ok = !statement.failed();
    // Part of a list passes for all of it: a sync pass would miss rows, and a
    // window would show a total that is not the account's.
    if (statement.failed())
        records.clear();
    return records;
}

template <typename Record>
bool SyncedRepository::insertRecord(const Record& record)
{
    static const QString sql = schema::insertSql<Record>();
    const Record stamped = schema::stampedForInsert(record);
    SqlStatement statement(prepared(sql), where("insert"));
    for (const Column<Record>& column : RecordSchema<Record>::columns()) {
        if (schema::isInserted(column))
            statement.bind(column.write(stamped));
    }
    return statement.exec();
}

template <typename Record>
bool SyncedRepository::updateRecord(const Record& record, bool whole)
{
    const auto written = [whole](const Column<Record>& column) {
        return column.updated || (whole && qstrcmp(column.name, "id") != 0);
    };
    const auto statementText = [](bool everyColumn) {
        QStringList assignments;
        for (const Column<Record>& column : RecordSchema<Record>::columns()) {
            if (column.updated || (everyColumn && qstrcmp(column.name, "id") != 0))
                assignments << QStringLiteral("%1 = ?").arg(QLatin1String(column.name));
        }
        return QStringLiteral("UPDATE %1 SET %2 WHERE id = ?")
            .arg(QLatin1String(RecordSchema<Record>::table()), assignments.join(QStringLiteral(", ")));
    };
    static const QString usualSql = statementText(false);
    static const QString wholeSql = statementText(true);

    Record stamped = record;
    if (!stamped.updated_at.isValid())
        stamped.updated_at = nowUtc();
    if (!stamped.created_at.isValid())
        stamped.created_at = stamped.updated_at;

    SqlStatement statement(prepared(whole ? wholeSql : usualSql), where("update"));
    for (const Column<Record>& column : RecordSchema<Record>::columns()) {
        if (written(column))
            statement.bind(column.write(stamped));
    }
    statement.bind(record.id);
    return statement.exec() && statement.rowsAffected() > 0;
}
