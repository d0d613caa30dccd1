#pragma once

#include "services/BackupImportResult.h"
#include "services/BackupLocalRows.h"
#include "services/BackupService.h"
#include "services/ZipReader.h"
#include "storage/Money.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <array>
#include <functional>
#include <optional>

class BackupArchive;
class BackupTable;
class SplitLineRepository;

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
// since the backup was made. For the same reason a transaction's split lines
// are replaced only by lines read from the archive: a transaction whose lines
// the archive lacks keeps its own.
//
// A replaced row that already holds the archive's values is left as it is
// (it counts as restored); otherwise only the columns that differ are
// written. A written row is pending, so the next sync sends it. A replaced
// row gets a version above both its local and its archived one, so the next
// pull does not put the replaced data back; a new row keeps the archive's
// version and server id, so a newer copy on the service still wins.
//
// A row whose id is longer than kMaxRecordIdLength is skipped with an error
// text. An account's balance (its starting balance and its live transactions)
// must stay a number a balance holds: a row that would take it beyond
// ±kMaxBalance is skipped with an error text. A transfer side whose other side
// is neither restored nor in the ledger loses its link, with an error text;
// one whose other side does not name it back keeps its link, which counts
// for nothing (see TransactionRepository::transferPartner), and the log says
// so. A restored split whose lines do not add up to its amount gets an
// uncategorized line for the difference (through `splitLines`, on the same
// connection), and the result counts it.
class BackupRestore
{
    Q_DECLARE_TR_FUNCTIONS(BackupRestore)

public:
    // `step` is called steps() times in all as the restore goes on.
    BackupRestore(QSqlDatabase db, const BackupArchive& archive, BackupService::ImportMode mode,
                  SplitLineRepository& splitLines, std::function<void()> step = {});

    // One for each row entry read, and one more for each split line, which
    // is written only once its transaction's lines are all read.
    int steps() const;

    // False on a database error, which failure() then holds.
    bool run();

    BackupImportResult result() const;
    QString failure() const { return m_failure; }

private:
    enum class Outcome { Written, Skipped, Failed };

    // One synced table's restore: its insert, its updates by the columns
    // they write, and what the database held of it at the start.
    struct TableRun
    {
        int index;
        const BackupTable& table;
        BackupLocalRows local;
        QSqlQuery insert;
        QHash<quint64, QSqlQuery> updates;
    };

    // A split line read from the archive, waiting for the rest of its
    // transaction's lines.
    struct ArchivedLine
    {
        QString entry;
        QVariantList values;
    };

    struct LineStatements
    {
        QSqlQuery insert;
        QSqlQuery drop;
        QHash<quint64, QSqlQuery> updates;
    };

    void noteMissingEntries();
    bool restoreSyncedTable(int index);
    bool restoreSplitLines(int index);
    std::optional<QVariantList> readRow(const BackupTable& table, const ZipReader::Entry& entry);
    Outcome restoreRow(TableRun& run, QVariantList& values, const QString& entry);
    Outcome update(TableRun& run, const QString& id, QVariantList& values, quint64 columns);
    // Writes the columns whose bits are set, with a statement prepared once
    // for each such set of columns.
    bool updateColumns(QHash<quint64, QSqlQuery>& statements, const BackupTable& table, const QString& id,
                       const QVariantList& values, quint64 columns);
    bool replaces(const TableRun& run, const QString& id, const QString& archiveUpdatedAt) const;

    bool checkTransferSides(const TableRun& run);
    bool makeSplitsWhole();

    bool loadLiveTotals();
    bool loadStartingBalances();
    bool keepsBalances(const TableRun& run, const QString& id, const QVariantList& values, const QString& entry);

    bool replaceLines(int index, const QString& transactionId, const QList<ArchivedLine>& lines,
                      BackupLocalRows& local, LineStatements& statements);
    void step(int count = 1);

    bool prepareStatement(QSqlQuery& query, const QString& sql);
    bool exec(QSqlQuery& query, const QVariantList& values);
    Outcome skip(const QString& error);
    bool fail(const QSqlQuery& query);
    bool fail(const QString& error);

    QSqlDatabase m_db;
    const BackupArchive& m_archive;
    BackupService::ImportMode m_mode;
    SplitLineRepository& m_splitLines;
    std::function<void()> m_step;

    std::array<int, 6> m_imported{};
    std::array<int, 6> m_skipped{};
    int m_splitRemainders = 0;
    QStringList m_errors;
    QString m_failure;

    // By table: the rows the database held at the start (tables that synced
    // rows name as their parent only), the ids of the archive's valid rows,
    // and the ids of the rows now holding the archive's values.
    QHash<QString, BackupLocalRows> m_localParents;
    QHash<QString, QSet<QString>> m_archived;
    QHash<QString, QSet<QString>> m_restored;

    // The sum of each account's live transactions as the restore goes, and
    // each account's starting balance once the accounts are restored.
    QHash<QString, MoneySum> m_liveTotals;
    QHash<QString, qint64> m_startingBalances;
    // The archived amount of every restored transaction, by id, and the
    // restored split transactions in restore order.
    QHash<QString, qint64> m_restoredAmounts;
    QStringList m_restoredSplits;
    // Some split lines of the archive are missing or unreadable.
    bool m_linesIncomplete = false;

    // Each restored transaction that names the other side of a transfer.
    struct RestoredTransfer
    {
        QString id;
        QString link;
        QString entry;
    };
    QList<RestoredTransfer> m_restoredTransfers;
};
