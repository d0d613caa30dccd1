#pragma once

#include "services/BackupImportResult.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

class AccountRepository;
class CategoryRepository;
class Database;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// Backup and restore of every table as one ZIP archive in memory: a manifest
// and one JSON document per row (see BackupArchive and BackupTable). The
// repositories are used only to announce a restore's changes, once per
// table, after its single database transaction is committed, and to hold
// their change signals (a ChangeHold) while that transaction is open.
//
// Everything runs on the GUI thread. A long export or restore reports its
// progress and lets the event loop run in between (user input excluded);
// meanwhile any other export or restore is refused, whatever asks for it.
class BackupService : public QObject
{
    Q_OBJECT

public:
    enum ImportMode { SkipExisting = 0, ReplaceAll = 1, KeepNewer = 2 };
    Q_ENUM(ImportMode)

    BackupService(Database* database, AccountRepository* accounts, TransactionRepository* transactions,
                  CategoryRepository* categories, RecurringRepository* recurring,
                  ReconciliationRepository* reconciliations, QObject* parent = nullptr);

    // Every row of every table, soft-deleted ones included, but for a row a
    // restore would refuse (an id longer than kMaxRecordIdLength, a document
    // larger than BackupArchive::kMaxEntrySize): such a row is left out, so
    // that it cannot make every later backup fail, and `leftOut` (a message
    // for the user, empty when nothing was left out) and the log name it by
    // its table and the start of its id and say why. Empty (and a log line)
    // when the database cannot be read or the archive would break a limit a
    // restore holds the whole of it to (see BackupArchive): never write that
    // as a backup. Empty too while another export or restore runs.
    QByteArray exportBackup(QString* leftOut = nullptr);

    // Restores the archive in one database transaction (see BackupRestore
    // for the modes). An archive that is refused writes nothing and gives
    // one error text; a database error rolls everything back and gives zero
    // counts, the row errors met until then and the database's error text.
    // Refused with one error text while another export or restore runs.
    BackupImportResult importBackup(const QByteArray& zip, ImportMode mode);

    // The largest backup file a restore reads; a larger one is refused unread.
    static constexpr qint64 kMaxBackupFileBytes = 2LL * 1024 * 1024 * 1024;

    // Writes a backup to `path` through a save file, so that a file already
    // there is replaced only by a complete backup: the archive must read back
    // as a backup with its manifest, and the file must hold every byte of it
    // before it takes the name. False, with the reason in `message`, when
    // nothing usable was written; the file at `path` is then as it was. True
    // when it was written, with `message` empty, or naming the rows left out
    // of it and why (see exportBackup).
    bool exportToFile(const QString& path, QString* message = nullptr);

    // Reads the backup at `path` and restores it. A file that cannot be read,
    // is larger than kMaxBackupFileBytes (measured before a byte is read) or
    // changes its size while it is read gives no writes and one error text.
    BackupImportResult importFromFile(const QString& path, ImportMode mode);

Q_SIGNALS:
    // How far an export or restore has come, in rows: (0, total) at its
    // start, then every 100 rows, and (total, total) when it succeeded.
    void progress(int done, int total);

private:
    // What an export made: the archive, or empty with the reason why; and
    // the rows left out of it ("accounts \"<start of id>\""), by why.
    struct Made
    {
        QByteArray archive;
        QString failure;
        QStringList idTooLong;
        QStringList tooLarge;

        static Made failed(const QString& why)
        {
            Made made;
            made.failure = why;
            return made;
        }
        // The user's message naming them; empty when none was left out.
        QString leftOutText() const;
    };

    // The work of exportBackup and importBackup, which the file operations
    // share once they have marked a run as begun.
    Made makeBackup();
    BackupImportResult restoreBackup(const QByteArray& zip, ImportMode mode);
    void announce(const BackupImportResult& result);

    Database* m_database;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    RecurringRepository* m_recurring;
    ReconciliationRepository* m_reconciliations;
    // An export or restore is under way (the event loop runs inside it).
    bool m_running = false;
};
