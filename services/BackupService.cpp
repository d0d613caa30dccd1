#include "services/BackupService.h"

#include "services/BackupArchive.h"
#include "services/BackupRestore.h"
#include "services/BackupTable.h"
#include "services/ZipWriter.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/ScopedTransaction.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"

#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QtDebug>

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

QByteArray BackupService::exportBackup()
{
    const QDateTime exportedAt = nowUtc();
    ZipWriter zip(exportedAt);
    BackupArchive::Limits limits;
    const auto add = [&zip, &limits](const QString& name, const QByteArray& data) {
        if (const std::optional<QString> breach = limits.add(name, data.size())) {
            qWarning().noquote() << "Backup export failed: a restore would refuse the backup:" << *breach;
            return false;
        }
        if (!zip.addFile(name, data)) {
            qWarning().noquote() << "Backup export failed: an id is too long to name its entry";
            return false;
        }
        return true;
    };
    QJsonObject counts;
    for (const BackupTable* table : BackupTable::all()) {
        QSqlQuery query(m_database->connection());
        query.setForwardOnly(true);
        if (!query.exec(table->selectStatement())) {
            qWarning().noquote() << "Backup export failed:" << query.lastError().text();
            return {};
        }
        int count = 0;
        const int idColumn = table->indexOf(QStringLiteral("id"));
        while (query.next()) {
            const QJsonObject row = table->toJson(query);
            if (!add(BackupArchive::rowEntryName(table->folder(), query.value(idColumn).toString()),
                     QJsonDocument(row).toJson(QJsonDocument::Compact)))
                return {};
            ++count;
        }
        counts.insert(table->folder(), count);
    }
    if (!add(BackupArchive::manifestName(), BackupArchive::manifest(exportedAt, counts)))
        return {};
    return zip.finish();
}

BackupImportResult BackupService::importBackup(const QByteArray& zip, ImportMode mode)
{
    BackupImportResult result;
    BackupArchive archive;
    if (!archive.open(zip)) {
        result.errors << archive.error();
        return result;
    }

    ScopedTransaction transaction(m_database->connection());
    BackupRestore restore(m_database->connection(), archive, mode);
    if (!transaction.isActive() || !restore.run() || !transaction.commit()) {
        const QString failure =
            restore.failure().isEmpty() ? m_database->connection().lastError().text() : restore.failure();
        result.errors = restore.result().errors;
        result.errors << tr("Nothing was restored: database error: %1").arg(failure);
        return result;
    }
    result = restore.result();
    announce(result);
    return result;
}

bool BackupService::exportToFile(const QString& path, QString* errorText)
{
    const auto fail = [&](const QString& reason) {
        qWarning().noquote() << "Backup export to" << path << "failed:" << reason;
        if (errorText)
            *errorText = reason;
        return false;
    };
    const QByteArray archive = exportBackup();
    if (archive.isEmpty())
        return fail(tr("The ledger could not be read into a backup."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(archive) != archive.size())
        return fail(file.errorString());
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

BackupImportResult BackupService::importFromFile(const QString& path, ImportMode mode)
{
    BackupImportResult result;
    QFile file(path);
    if (file.size() > kMaxBackupFileBytes) {
        result.errors << tr("The file is larger than any backup this program writes.");
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.errors << tr("The file could not be read: %1").arg(file.errorString());
        return result;
    }
    return importBackup(file.readAll(), mode);
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
