#pragma once

#include "services/BackupImportResult.h"
#include "services/BackupService.h"
#include "services/ZipReader.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <array>
#include <optional>

class BackupArchive;
class BackupTable;

// One restore of an opened archive into the database, table by table,
// parents first. It writes with its own statements inside the caller's
// transaction (the caller commits, or rolls back after a failed run) and
// keeps the counts and the error texts.
//
// The mode decides only about rows whose id the database already holds:
// SkipExisting keeps them, KeepNewer replaces them when the archive's
// updated_at is the later time, ReplaceAll replaces them. No mode deletes a
// row that the archive lacks: the restore dialog asks how existing data meets
// the backup's rows, and deleting would silently lose everything entered
// since the backup was made.
//
// A written row is pending, so the next sync sends it. A replaced row gets a
// version above both its local and its archived one, so the next pull does
// not put the replaced data back; a new row keeps the archive's version and
// server id, so a newer copy on the service still wins.
class BackupRestore
{
    Q_DECLARE_TR_FUNCTIONS(BackupRestore)

public:
    BackupRestore(QSqlDatabase db, const BackupArchive& archive, BackupService::ImportMode mode);

    // False on a database error, which failure() then holds.
    bool run();

    BackupImportResult result() const;
    QString failure() const { return m_failure; }

private:
    enum class Outcome { Written, Skipped, Failed };

    // A row the database held when its table's restore began.
    struct LocalRow
    {
        int version = 0;
        QString updatedAt;
        QString serverId;
    };

    // One table's restore: its statements, prepared once for all its rows,
    // and what the database held of it at the start.
    struct TableRun
    {
        const BackupTable& table;
        QSqlQuery insert;
        QSqlQuery update;
        std::optional<QSqlQuery> dropFollowers;
        // The ids of local rows that have followers (transactions with split lines).
        QSet<QString> withFollowers;
    };

    bool restoreTable(int index);
    bool prepare(TableRun& run);
    bool loadLocalRows(const BackupTable& table);
    Outcome restoreEntry(TableRun& run, const ZipReader::Entry& entry);
    Outcome restoreSyncedRow(TableRun& run, QVariantList& values, const QString& entry);
    Outcome restoreFollower(TableRun& run, const QVariantList& values, const QString& entry);
    bool replaces(const LocalRow& local, const QString& archiveUpdatedAt) const;

    bool prepareStatement(QSqlQuery& query, const QString& sql);
    bool exec(QSqlQuery& query, const QVariantList& values);
    Outcome skip(const QString& error);
    bool fail(const QSqlQuery& query);

    QSqlDatabase m_db;
    const BackupArchive& m_archive;
    BackupService::ImportMode m_mode;

    std::array<int, 6> m_imported{};
    std::array<int, 6> m_skipped{};
    QStringList m_errors;
    QString m_failure;

    // By table: the rows the database held, the ids of the archive's valid
    // rows, and the ids of the rows written.
    QHash<QString, QHash<QString, LocalRow>> m_local;
    QHash<QString, QSet<QString>> m_archived;
    QHash<QString, QSet<QString>> m_restored;
};
