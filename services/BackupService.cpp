#include "services/BackupService.h"

#include "services/BackupArchive.h"
#include "services/BackupRestore.h"
#include "services/BackupTable.h"
#include "services/RegularFile.h"
#include "services/ZipWriter.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/ChangeHold.h"
#include "storage/Database.h"
#include "storage/RecordId.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/RunPageCache.h"
#include "storage/ScopedTransaction.h"
#include "storage/SplitLineRepository.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QScopeGuard>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QtDebug>

#include <cstring>
#include <type_traits>

namespace {

// A restore reads its file in steps of this size.
constexpr qint64 kReadChunkBytes = qint64(4) << 20;

// Long exports and restores run on the GUI thread, as the program starts no
// other. Like the file import, they let the event loop run every so many
// rows, briefly and without user input, so that the window repaints and a
// user cannot start anything in the middle of them.
constexpr int kRowsBetweenEvents = 100;
constexpr int kEventMilliseconds = 5;

// The rows left out of a backup that its message lists by name.
constexpr int kListedRows = 10;

void keepResponsive()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, kEventMilliseconds);
}

QString runningText()
{
    return BackupService::tr("A backup or restore is already running.");
}

QString unreadableText()
{
    return BackupService::tr("The ledger could not be read into a backup.");
}

// The rows of one kind left out of a backup, under a line that says why.
QString leftOutList(const QString& why, const QStringList& rows)
{
    if (rows.isEmpty())
        return {};
    QStringList lines{why};
    for (const QString& row : rows.mid(0, kListedRows))
        lines << QStringLiteral("  ") + row;
    if (rows.size() > kListedRows)
        lines << QStringLiteral("  ") + BackupService::tr("...and %n more.", nullptr, int(rows.size() - kListedRows));
    return lines.join(u'\n');
}

// Refuses an export or restore asked for while another runs: from a slot
// connected to progress(), or from a timer that fires while the event loop
// runs in the middle of the first.
template <typename Result>
Result refuseWhileRunning()
{
    qWarning().noquote() << "Backup refused:" << runningText();
    if constexpr (std::is_same_v<Result, BackupImportResult>) {
        BackupImportResult result;
        result.errors << runningText();
        return result;
    } else {
        return {};
    }
}

// Marks an export or restore as running for its scope.
class Running
{
public:
    explicit Running(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~Running() { m_flag = false; }

    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    bool& m_flag;
};

// Counts the rows of an export or restore, tells how far it has come and
// lets the event loop run, every kRowsBetweenEvents rows.
class Progress
{
public:
    Progress(BackupService* service, int total)
        : m_service(service)
        , m_total(total)
    {
        Q_EMIT m_service->progress(0, m_total);
    }

    void step()
    {
        if (++m_done % kRowsBetweenEvents != 0)
            return;
        Q_EMIT m_service->progress(m_done, m_total);
        keepResponsive();
    }

    void finish()
    {
        if (m_done != m_total || m_done % kRowsBetweenEvents != 0)
            Q_EMIT m_service->progress(m_total, m_total);
    }

private:
    BackupService* m_service;
    int m_total;
    int m_done = 0;
};

// Whether the open save file holds exactly `archive`, read back through its
// own handle before it replaces anything. True when the platform gives no
// handle to read through: the write and the size checks still hold.
bool writtenAsMade(QSaveFile& file, const QByteArray& archive)
{
    if (file.size() != archive.size())
        return false;
    QFile reader;
    if (!reader.open(file.handle(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle) || !reader.seek(0))
        return true;
    QByteArray chunk;
    for (qint64 at = 0; at < archive.size(); at += chunk.size()) {
        chunk = reader.read(qMin(kReadChunkBytes, archive.size() - at));
        if (chunk.isEmpty() || std::memcmp(chunk.constData(), archive.constData() + at, size_t(chunk.size())) != 0)
            return false;
    }
    return true;
}

} // namespace

BackupService::BackupService(Database* database, AccountRepository* accounts, TransactionRepository* transactions,
                             CategoryRepository* categories, RecurringRepository* recurring,
                             ReconciliationRepository* reconciliations, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
{
}

QByteArray BackupService::exportBackup(QString* leftOut)
{
    if (m_running)
        return refuseWhileRunning<QByteArray>();
    const Running running(m_running);
    Made made = makeBackup();
    if (leftOut)
        *leftOut = made.leftOutText();
    return made.archive;
}

QString BackupService::Made::leftOutText() const
{
    QStringList parts{
        leftOutList(BackupService::tr("These rows have an id longer than %1 characters, which no restore takes, and "
                                      "were left out of the backup:")
                        .arg(kMaxRecordIdLength),
                    idTooLong),
        leftOutList(BackupService::tr("These rows are larger than a restore reads and were left out of the backup:"),
                    tooLarge)};
    parts.removeAll(QString());
    return parts.join(QStringLiteral("\n\n"));
}

BackupImportResult BackupService::importBackup(const QByteArray& zip, ImportMode mode)
{
    if (m_running)
        return refuseWhileRunning<BackupImportResult>();
    const Running running(m_running);
    return restoreBackup(zip, mode);
}

BackupService::Made BackupService::makeBackup()
{
    QSqlDatabase db = m_database->connection();
    // One snapshot for every table, though the event loop runs in between.
    // Committed whatever happens: a write made meanwhile on the connection
    // joins this transaction and must not be rolled back with it.
    const bool snapshot = db.transaction();
    const auto endSnapshot = qScopeGuard([&db, snapshot] {
        if (snapshot && !db.commit())
            qWarning().noquote() << "Backup export could not end its read:" << db.lastError().text();
    });

    int total = 0;
    for (const BackupTable* table : BackupTable::all()) {
        QSqlQuery count(db);
        if (!count.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table->table())) || !count.next()) {
            qWarning().noquote() << "Backup export failed:" << count.lastError().text();
            return Made::failed(unreadableText());
        }
        total += count.value(0).toInt();
    }
    Progress progress(this, total);

    const QDateTime exportedAt = nowUtc();
    ZipWriter zip(exportedAt);
    BackupArchive::Limits limits;
    Made made;
    const auto add = [&zip, &limits, &made](const QString& name, const QByteArray& data) {
        if (const std::optional<QString> breach = limits.add(name, data.size())) {
            qWarning().noquote() << "Backup export failed: a restore would refuse the backup:" << *breach;
            made.failure = tr("The ledger is too large for one backup: %1.").arg(*breach);
            return false;
        }
        if (!zip.addFile(name, data)) {
            made.failure = unreadableText();
            return false;
        }
        return true;
    };
    QJsonObject counts;
    for (const BackupTable* table : BackupTable::all()) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(table->selectStatement())) {
            qWarning().noquote() << "Backup export failed:" << query.lastError().text();
            return Made::failed(unreadableText());
        }
        int count = 0;
        const int idColumn = table->indexOf(QStringLiteral("id"));
        while (query.next()) {
            progress.step();
            const QString id = query.value(idColumn).toString();
            const QByteArray document = QJsonDocument(table->toJson(query)).toJson(QJsonDocument::Compact);
            // Rows a restore would refuse are left out, named, rather than
            // make every later backup fail.
            const QString row = QStringLiteral("%1 \"%2\"").arg(table->folder(), shortRecordId(id));
            if (id.size() > kMaxRecordIdLength) {
                qWarning().noquote() << "Backup export left out" << row << "- its id is longer than"
                                     << kMaxRecordIdLength << "characters";
                made.idTooLong << row;
                continue;
            }
            if (document.size() > BackupArchive::kMaxEntrySize) {
                qWarning().noquote() << "Backup export left out" << row << "- it is larger than a restore reads";
                made.tooLarge << row;
                continue;
            }
            if (!add(BackupArchive::rowEntryName(table->folder(), id), document))
                return Made::failed(made.failure);
            ++count;
        }
        counts.insert(table->folder(), count);
    }
    if (!add(BackupArchive::manifestName(), BackupArchive::manifest(exportedAt, counts)))
        return Made::failed(made.failure);
    progress.finish();
    made.archive = zip.finish();
    if (made.archive.isEmpty())
        made.failure = unreadableText();
    return made;
}

BackupImportResult BackupService::restoreBackup(const QByteArray& zip, ImportMode mode)
{
    BackupImportResult result;
    BackupArchive archive;
    if (!archive.open(zip)) {
        result.errors << archive.error();
        return result;
    }

    std::optional<Progress> progress;
    // Room for as much again as the archive holds, which a restore into an
    // empty ledger adds.
    const RunPageCache cache(m_database->connection(), zip.size() / 1024);
    // The event loop runs inside the transaction: whatever must wait for it
    // to end (a timed write, a sync pass) sees the repositories held until
    // then. The restore writes past them, and announce() says what it changed.
    ChangeHold hold{m_accounts, m_transactions, m_categories, m_recurring, m_reconciliations};
    bool stored = false;
    {
        ScopedTransaction transaction(m_database->connection());
        SplitLineRepository splitLines(m_database);
        BackupRestore restore(m_database->connection(), archive, mode, splitLines, [&progress] { progress->step(); });
        progress.emplace(this, restore.steps());
        stored = transaction.isActive() && restore.run() && transaction.commit();
        if (!stored) {
            const QString failure =
                restore.failure().isEmpty() ? m_database->connection().lastError().text() : restore.failure();
            result.errors = restore.result().errors;
            result.errors << tr("Nothing was restored: database error: %1").arg(failure);
        } else {
            result = restore.result();
        }
    }
    // The transaction has ended. Whatever was written under the hold went
    // with it when it rolled back, and announcing it would have the windows
    // reload and a pass start for nothing.
    if (!stored) {
        hold.discard();
        return result;
    }
    progress->finish();
    announce(result);
    return result;
}

bool BackupService::exportToFile(const QString& path, QString* message)
{
    const auto fail = [&](const QString& reason) {
        qWarning().noquote() << "Backup export to" << path << "failed:" << reason;
        if (message)
            *message = reason;
        return false;
    };
    if (m_running)
        return fail(runningText());
    const Running running(m_running);
    const Made made = makeBackup();
    const QByteArray& archive = made.archive;
    if (archive.isEmpty())
        return fail(made.failure);
    // What a restore would read first: a backup that it refuses is no backup.
    BackupArchive readBack;
    if (!readBack.open(archive))
        return fail(tr("The backup made does not read back: %1").arg(readBack.error()));

    // Until commit() the file at `path` stays as it was; an early return
    // discards what was written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    const qint64 written = file.write(archive);
    if (written != archive.size() || !file.flush())
        return fail(tr("%1 of %2 bytes were written: %3")
                        .arg(qMax<qint64>(written, 0))
                        .arg(archive.size())
                        .arg(file.errorString()));
    if (!writtenAsMade(file, archive))
        return fail(tr("The file written does not hold the backup made."));
    if (!file.commit())
        return fail(file.errorString());
    if (message)
        *message = made.leftOutText();
    return true;
}

BackupImportResult BackupService::importFromFile(const QString& path, ImportMode mode)
{
    const auto refuse = [&path](const QString& reason) {
        qWarning().noquote() << "Backup import from" << path << "refused:" << reason;
        BackupImportResult result;
        result.errors << reason;
        return result;
    };
    if (m_running)
        return refuse(runningText());
    const Running running(m_running);
    QFile file(path);
    QString error;
    switch (RegularFile::openForReading(file, &error)) {
    case RegularFile::Opened::Unreadable:
        return refuse(tr("The file could not be read: %1").arg(error));
    case RegularFile::Opened::NotRegular:
        return refuse(tr("The file could not be read: it is not a regular file."));
    case RegularFile::Opened::Yes:
        break;
    }
    // Measured once open, so the size is the one of the file being read.
    const qint64 size = file.size();
    if (size > kMaxBackupFileBytes)
        return refuse(tr("The file is larger than any backup this program writes."));

    QByteArray bytes(size, Qt::Uninitialized);
    qint64 done = 0;
    while (done < size) {
        const qint64 read = file.read(bytes.data() + done, qMin(kReadChunkBytes, size - done));
        if (read < 0)
            return refuse(tr("The file could not be read: %1").arg(file.errorString()));
        if (read == 0)
            return refuse(tr("The file changed while it was read."));
        done += read;
        keepResponsive();
    }
    char more;
    if (file.read(&more, 1) != 0)
        return refuse(tr("The file changed while it was read."));
    file.close();
    return restoreBackup(bytes, mode);
}

void BackupService::announce(const BackupImportResult& result)
{
    if (result.accountsImported > 0)
        Q_EMIT m_accounts->accountsChanged();
    if (result.categoriesImported > 0)
        Q_EMIT m_categories->categoriesChanged();
    if (result.transactionsImported > 0 || result.splitLinesImported > 0)
        Q_EMIT m_transactions->transactionsChanged(QString());
    if (result.recurringImported > 0)
        Q_EMIT m_recurring->recurringChanged();
    if (result.reconciliationsImported > 0)
        Q_EMIT m_reconciliations->reconciliationsChanged();
}
