#include "services/BackupRestore.h"

#include "services/BackupArchive.h"
#include "services/BackupTable.h"
#include "storage/Enums.h"
#include "storage/NativeConnection.h"
#include "storage/RecordId.h"
#include "storage/RecordSchema.h"
#include "storage/SplitLineRepository.h"
#include "storage/SqlStatement.h"
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
const QString kDeletedAt = QStringLiteral("deleted_at");
const QString kAccountId = QStringLiteral("account_id");
const QString kAmount = QStringLiteral("amount");
const QString kStartingBalance = QStringLiteral("starting_balance");
const QString kTransferLink = QStringLiteral("transfer_link_id");
const QString kIsSplit = QStringLiteral("is_split");

quint64 bit(int column)
{
    return quint64(1) << column;
}

// Whether a synced table names `table` as its parent (accounts do).
bool isParentOfSyncedRows(const BackupTable& table)
{
    for (const BackupTable* candidate : BackupTable::all()) {
        if (candidate->isSynced() && candidate->parentTable() == table.table())
            return true;
    }
    return false;
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

// The columns whose bits are set, in columns() order, then the id. Writing
// only those leaves the index entries of the others alone.
QString updateSql(const BackupTable& table, quint64 columns)
{
    QStringList assignments;
    for (int i = 0; i < table.columns().size(); ++i) {
        if (columns & bit(i))
            assignments << table.columns().at(i) + QStringLiteral(" = ?");
    }
    return QStringLiteral("UPDATE %1 SET %2 WHERE id = ?").arg(table.table(), assignments.join(QStringLiteral(", ")));
}

// The one-sided transfer links the log names one by one; a count stands for
// the rest, which a damaged or hostile backup may hold by the thousand.
constexpr int kNamedOneSidedLinks = 10;

// As every reader of the ledger counts a row.
bool isLive(const QVariant& deletedAt)
{
    return deletedAt.isNull();
}

} // namespace

BackupRestore::BackupRestore(QSqlDatabase db, const BackupArchive& archive, BackupService::ImportMode mode,
                             SplitLineRepository& splitLines, std::function<void()> step)
    : m_db(std::move(db))
    , m_archive(archive)
    , m_mode(mode)
    , m_splitLines(splitLines)
    , m_step(std::move(step))
{
}

int BackupRestore::steps() const
{
    int steps = 0;
    for (const BackupTable* table : BackupTable::all()) {
        const auto rows = int(m_archive.rows(table->folder()).size());
        steps += table->isSynced() ? rows : 2 * rows;
    }
    return steps;
}

bool BackupRestore::run()
{
    noteMissingEntries();
    if (!loadLiveTotals())
        return false;
    for (int index = 0; index < BackupTable::all().size(); ++index) {
        const bool done = BackupTable::all().at(index)->isSynced() ? restoreSyncedTable(index)
                                                                   : restoreSplitLines(index) && makeSplitsWhole();
        if (!done)
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
    result.splitRemaindersAdded = m_splitRemainders;
    result.errors = m_errors;
    return result;
}

// An archive short of rows its manifest lists lost entries on the way; what
// it still holds is restored, and the result says what is missing.
void BackupRestore::noteMissingEntries()
{
    for (const BackupTable* table : BackupTable::all()) {
        const std::optional<qint64> listed = m_archive.listedCount(table->folder());
        const qsizetype held = m_archive.rows(table->folder()).size();
        if (!listed || *listed <= held)
            continue;
        m_errors << tr("%1: the backup holds %2 of the %3 rows its manifest lists")
                        .arg(table->folder())
                        .arg(held)
                        .arg(*listed);
        if (!table->isSynced())
            m_linesIncomplete = true;
    }
}

bool BackupRestore::restoreSyncedTable(int index)
{
    TableRun run{index, *BackupTable::all().at(index), {}, QSqlQuery(m_db), {}};
    const BackupTable& table = run.table;
    if (!prepareStatement(run.insert, insertSql(table)))
        return false;
    if (!run.local.load(m_db, table))
        return fail(run.local.error());
    if (table.table() == QLatin1String(RecordSchema<Transaction>::table()) && !loadStartingBalances())
        return false;

    for (const ZipReader::Entry& entry : m_archive.rows(table.folder())) {
        step();
        std::optional<QVariantList> values = readRow(table, entry);
        if (!values) {
            ++m_skipped[index];
            continue;
        }
        switch (restoreRow(run, *values, entry.name)) {
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
    if (isParentOfSyncedRows(table))
        m_localParents.insert(table.table(), run.local);
    if (table.table() == QLatin1String(RecordSchema<Transaction>::table()))
        return checkTransferSides(run);
    return true;
}

// A transfer side whose other side the restore skipped (and the ledger does
// not hold either) would name a row that does not exist: it stays as an
// ordinary transaction of its account, and the result says so. One whose
// other side is there but names another row (a backup made by hand, or a
// link the sync service sent one way) is no transfer either; its link is
// left as it came, since nothing follows it.
bool BackupRestore::checkTransferSides(const TableRun& run)
{
    const QSet<QString>& restored = m_restored.value(run.table.table());
    QHash<QString, QString> restoredLinks;
    for (const RestoredTransfer& side : std::as_const(m_restoredTransfers))
        restoredLinks.insert(side.id, side.link);
    const int linkColumn = run.table.indexOf(kTransferLink);
    int oneSided = 0;
    QSqlQuery unlink(m_db);
    bool prepared = false;
    for (const RestoredTransfer& side : std::as_const(m_restoredTransfers)) {
        if (restored.contains(side.link) || run.local.contains(side.link)) {
            const QString linkBack = restored.contains(side.link) ? restoredLinks.value(side.link)
                                                                  : run.local.value(side.link, linkColumn).toString();
            if ((linkBack != side.id || side.link == side.id) && ++oneSided <= kNamedOneSidedLinks) {
                qWarning().noquote() << "Backup restore:" << side.entry << "names"
                                     << shortRecordId(side.link)
                                     << "as the other side of its transfer, which does not name it back;"
                                     << "it counts as an ordinary transaction";
            }
            continue;
        }
        if (!prepared && !prepareStatement(unlink, QStringLiteral("UPDATE transactions SET transfer_link_id = NULL, "
                                                                  "transfer_dest_account_id = NULL WHERE id = ?")))
            return false;
        prepared = true;
        if (!exec(unlink, {side.id}))
            return false;
        m_errors << tr("%1: the other side of its transfer, %2, is not restored; it is kept as an ordinary transaction")
                        .arg(side.entry, shortRecordId(side.link));
    }
    if (oneSided > kNamedOneSidedLinks) {
        qWarning().noquote() << "Backup restore:" << oneSided - kNamedOneSidedLinks
                             << "more transactions name another as the other side of their transfer, which does "
                                "not name them back; they count as ordinary transactions";
    }
    return true;
}

// Lines lost on the way or refused leave a split that does not add up,
// which the register cannot show or edit as one; as the file import does,
// an uncategorized line takes the difference. One pass over the lines finds
// the splits that need it, so a restore of whole splits reads no more.
bool BackupRestore::makeSplitsWhole()
{
    QSqlQuery sums(m_db);
    sums.setForwardOnly(true);
    if (!sums.exec(QStringLiteral("SELECT transaction_id, %1 FROM split_lines GROUP BY transaction_id")
                       .arg(splitSumSql(kAmount))))
        return fail(sums);
    QHash<QString, MoneySum> lineTotals;
    while (sums.next())
        lineTotals.insert(sums.value(0).toString(),
                          MoneySum::fromSplit(sums.value(1).toLongLong(), sums.value(2).toLongLong()));

    const QDateTime stamp = nowUtc();
    for (const QString& id : std::as_const(m_restoredSplits)) {
        const MoneySum total = lineTotals.value(id);
        if (total.fits() && total.value() == m_restoredAmounts.value(id))
            continue;
        if (!nativeconnection::inTransaction(m_db))
            return fail(tr("the database ended the restore's transaction after an error"));
        switch (m_splitLines.balance(id, m_restoredAmounts.value(id), stamp)) {
        case SplitLineRepository::Balance::Whole:
            break;
        case SplitLineRepository::Balance::RemainderAdded:
            ++m_splitRemainders;
            break;
        case SplitLineRepository::Balance::BeyondAnyAmount:
            m_errors << tr("split_lines: the lines of transaction %1 do not add up to its amount, and no line could "
                           "be added for the difference")
                            .arg(shortRecordId(id));
            break;
        case SplitLineRepository::Balance::Failed:
            return fail(SqlStatement::lastFailure());
        }
    }
    return true;
}

// Every line is read before any is written, so that a transaction's lines
// are replaced all together and only by lines the archive holds for it.
bool BackupRestore::restoreSplitLines(int index)
{
    const BackupTable& table = *BackupTable::all().at(index);
    BackupLocalRows local;
    if (!local.load(m_db, table, table.parentColumn()))
        return fail(local.error());

    const int parentColumn = table.indexOf(table.parentColumn());
    QHash<QString, QList<ArchivedLine>> byTransaction;
    QStringList transactions;
    for (const ZipReader::Entry& entry : m_archive.rows(table.folder())) {
        std::optional<QVariantList> values = readRow(table, entry);
        if (!values) {
            m_linesIncomplete = true;
            ++m_skipped[index];
            step(2);
            continue;
        }
        const QString parentId = values->at(parentColumn).toString();
        if (!m_restoredAmounts.contains(parentId)) {
            ++m_skipped[index];
            step(2);
            // The parent's own row already says why it stayed out.
            if (!holds(m_archived, table.parentTable(), parentId))
                m_errors << tr("%1: %2 %3 is not restored from this backup")
                                .arg(entry.name, table.parentColumn(), shortRecordId(parentId));
            continue;
        }
        step();
        QList<ArchivedLine>& lines = byTransaction[parentId];
        if (lines.isEmpty())
            transactions << parentId;
        lines << ArchivedLine{entry.name, *std::move(values)};
    }

    LineStatements statements{QSqlQuery(m_db), QSqlQuery(m_db), {}};
    if (!prepareStatement(statements.insert, insertSql(table))
        || !prepareStatement(statements.drop,
                             QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(table.table(), table.parentColumn())))
        return false;
    for (const QString& transactionId : std::as_const(transactions)) {
        const QList<ArchivedLine>& lines = byTransaction[transactionId];
        if (!replaceLines(index, transactionId, lines, local, statements))
            return false;
        step(int(lines.size()));
    }
    return true;
}

bool BackupRestore::replaceLines(int index, const QString& transactionId, const QList<ArchivedLine>& lines,
                                 BackupLocalRows& local, LineStatements& statements)
{
    const BackupTable& table = *BackupTable::all().at(index);
    const int idColumn = table.indexOf(kId);
    const int amountColumn = table.indexOf(kAmount);
    const QStringList own = local.group(transactionId);

    // The same lines in the same order: each is brought to the archive's
    // values where it differs, if it does.
    bool sameLines = own.size() == lines.size();
    for (qsizetype i = 0; sameLines && i < own.size(); ++i)
        sameLines = own[i] == lines[i].values.at(idColumn).toString();
    if (sameLines) {
        for (qsizetype i = 0; i < own.size(); ++i) {
            const quint64 changed = local.differences(own[i], lines[i].values) & ~bit(idColumn);
            if (changed != 0 && !updateColumns(statements.updates, table, own[i], lines[i].values, changed))
                return false;
        }
        m_imported[index] += int(lines.size());
        return true;
    }

    // When lines of the archive were lost, its lines of a transaction are
    // whole only if they add up to its amount, as the split editor keeps them.
    if (m_linesIncomplete && !own.isEmpty()) {
        MoneySum sum;
        for (const ArchivedLine& line : lines)
            sum += line.values.at(amountColumn).toLongLong();
        if (!sum.fits() || sum.value() != m_restoredAmounts.value(transactionId)) {
            m_skipped[index] += int(lines.size());
            m_errors << tr("split_lines: the lines of transaction %1 in the backup do not add up to its amount; "
                           "its lines in the ledger are kept")
                            .arg(transactionId);
            return true;
        }
    }

    if (!own.isEmpty()) {
        if (!exec(statements.drop, {transactionId}))
            return false;
        for (const QString& id : own)
            local.remove(id);
    }
    for (const ArchivedLine& line : lines) {
        const QString id = line.values.at(idColumn).toString();
        if (local.contains(id)) {
            ++m_skipped[index];
            m_errors << tr("%1: id %2 is already in use").arg(line.entry, id);
            continue;
        }
        if (!exec(statements.insert, line.values))
            return false;
        ++m_imported[index];
    }
    return true;
}

std::optional<QVariantList> BackupRestore::readRow(const BackupTable& table, const ZipReader::Entry& entry)
{
    QString problem;
    const std::optional<QJsonObject> object = m_archive.readObject(entry, &problem);
    std::optional<QVariantList> values;
    if (object)
        values = table.fromJson(*object, entry.name, &problem);
    if (!values) {
        m_errors << problem;
        return std::nullopt;
    }
    // The id comes from the row itself; the entry's name proves nothing.
    const QString id = values->at(table.indexOf(kId)).toString();
    // No id of ours is anywhere near this long, and a longer one could not
    // even name its entry in the next backup.
    if (id.size() > kMaxRecordIdLength) {
        m_errors << tr("%1: the id starting \"%2\" is longer than %3 characters; the row is not restored")
                        .arg(table.folder(), shortRecordId(id))
                        .arg(kMaxRecordIdLength);
        return std::nullopt;
    }
    QSet<QString>& archived = m_archived[table.table()];
    if (archived.contains(id)) {
        m_errors << tr("%1: id %2 appears more than once").arg(entry.name, id);
        return std::nullopt;
    }
    archived.insert(id);
    return values;
}

BackupRestore::Outcome BackupRestore::restoreRow(TableRun& run, QVariantList& values, const QString& entry)
{
    const BackupTable& table = run.table;
    const QString id = values.at(table.indexOf(kId)).toString();
    if (!table.parentTable().isEmpty()) {
        const QString parentId = values.at(table.indexOf(table.parentColumn())).toString();
        if (!holds(m_localParents, table.parentTable(), parentId) && !holds(m_restored, table.parentTable(), parentId))
            return skip(
                tr("%1: %2 %3 does not exist").arg(entry, table.parentColumn(), shortRecordId(parentId)));
    }

    values[table.indexOf(kSyncStatus)] = syncStatusToString(SyncStatus::Pending);
    const bool exists = run.local.contains(id);
    quint64 changed = ~quint64(0);
    if (exists) {
        if (!replaces(run, id, values.at(table.indexOf(kUpdatedAt)).toString()))
            return Outcome::Skipped;
        const int serverId = table.indexOf(kServerId);
        const QString localServerId = run.local.value(id, serverId).toString();
        if (!localServerId.isEmpty())
            values[serverId] = localServerId;
        // Version and sync status follow from whether anything else changed.
        const quint64 syncStatus = bit(table.indexOf(kSyncStatus));
        const quint64 differing = run.local.differences(id, values);
        changed = differing & ~(bit(table.indexOf(kId)) | bit(table.indexOf(kVersion)) | syncStatus);
        if (changed != 0)
            changed |= differing & syncStatus;
    }
    if (changed != 0) {
        if (!keepsBalances(run, id, values, entry))
            return Outcome::Skipped;
        const Outcome written = exists ? update(run, id, values, changed)
                                       : (exec(run.insert, values) ? Outcome::Written : Outcome::Failed);
        if (written != Outcome::Written)
            return written;
    }
    m_restored[table.table()].insert(id);
    if (table.table() == QLatin1String(RecordSchema<Transaction>::table())) {
        m_restoredAmounts.insert(id, values.at(table.indexOf(kAmount)).toLongLong());
        if (values.at(table.indexOf(kIsSplit)).toBool())
            m_restoredSplits << id;
        const QString link = values.at(table.indexOf(kTransferLink)).toString();
        if (!link.isEmpty())
            m_restoredTransfers.append({id, link, entry});
    }
    return Outcome::Written;
}

BackupRestore::Outcome BackupRestore::update(TableRun& run, const QString& id, QVariantList& values, quint64 columns)
{
    const BackupTable& table = run.table;
    const int version = table.indexOf(kVersion);
    values[version] = nextVersion(values.at(version).toInt(), run.local.value(id, version).toInt());
    return updateColumns(run.updates, table, id, values, columns | bit(version)) ? Outcome::Written : Outcome::Failed;
}

bool BackupRestore::updateColumns(QHash<quint64, QSqlQuery>& statements, const BackupTable& table, const QString& id,
                                  const QVariantList& values, quint64 columns)
{
    auto query = statements.find(columns);
    if (query == statements.end()) {
        query = statements.insert(columns, QSqlQuery(m_db));
        if (!prepareStatement(*query, updateSql(table, columns)))
            return false;
    }
    QVariantList bound;
    bound.reserve(values.size());
    for (int i = 0; i < values.size(); ++i) {
        if (columns & bit(i))
            bound << values.at(i);
    }
    bound << id;
    return exec(*query, bound);
}

bool BackupRestore::replaces(const TableRun& run, const QString& id, const QString& archiveUpdatedAt) const
{
    switch (m_mode) {
    case BackupService::ReplaceAll:
        return true;
    case BackupService::KeepNewer: {
        // Parsed, not compared as text: rows written by SQLite's datetime()
        // or with an offset order differently as text.
        const QDateTime localTime =
            parseTimestamp(run.local.value(id, run.table.indexOf(kUpdatedAt)).toString());
        return !localTime.isValid() || parseTimestamp(archiveUpdatedAt) > localTime;
    }
    case BackupService::SkipExisting:
        break;
    }
    return false;
}

bool BackupRestore::loadLiveTotals()
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT account_id, %1 FROM transactions WHERE deleted_at IS NULL "
                                   "GROUP BY account_id")
                        .arg(splitSumSql(kAmount))))
        return fail(query);
    while (query.next())
        m_liveTotals.insert(query.value(0).toString(),
                            MoneySum::fromSplit(query.value(1).toLongLong(), query.value(2).toLongLong()));
    return true;
}

// Read once the accounts are restored, as the transactions then meet them.
bool BackupRestore::loadStartingBalances()
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, starting_balance FROM accounts")))
        return fail(query);
    while (query.next())
        m_startingBalances.insert(query.value(0).toString(), query.value(1).toLongLong());
    return true;
}

bool BackupRestore::keepsBalances(const TableRun& run, const QString& id, const QVariantList& values,
                                  const QString& entry)
{
    const BackupTable& table = run.table;
    if (table.table() == QLatin1String(RecordSchema<Account>::table())) {
        MoneySum balance = m_liveTotals.value(id);
        balance += values.at(table.indexOf(kStartingBalance)).toLongLong();
        if (balance.fits())
            return true;
        skip(tr("%1: the starting balance would take the account's balance beyond what a balance can hold")
                 .arg(entry));
        return false;
    }
    if (table.table() != QLatin1String(RecordSchema<Transaction>::table()))
        return true;

    const int account = table.indexOf(kAccountId);
    const int amount = table.indexOf(kAmount);
    const int deletedAt = table.indexOf(kDeletedAt);
    // The totals of the accounts the row leaves and joins, as they would be.
    QHash<QString, MoneySum> totals;
    const auto totalOf = [&](const QString& accountId) -> MoneySum& {
        if (!totals.contains(accountId))
            totals.insert(accountId, m_liveTotals.value(accountId));
        return totals[accountId];
    };
    if (run.local.contains(id) && isLive(run.local.value(id, deletedAt)))
        totalOf(run.local.value(id, account).toString()) -= run.local.value(id, amount).toLongLong();
    if (isLive(values.at(deletedAt)))
        totalOf(values.at(account).toString()) += values.at(amount).toLongLong();
    for (auto it = totals.cbegin(); it != totals.cend(); ++it) {
        MoneySum balance = it.value();
        balance += m_startingBalances.value(it.key());
        if (!balance.fits()) {
            skip(tr("%1: the amount would take the balance of account %2 beyond what a balance can hold")
                     .arg(entry, shortRecordId(it.key())));
            return false;
        }
    }
    for (auto it = totals.cbegin(); it != totals.cend(); ++it)
        m_liveTotals.insert(it.key(), it.value());
    return true;
}

void BackupRestore::step(int count)
{
    for (int i = 0; m_step && i < count; ++i)
        m_step();
}

bool BackupRestore::prepareStatement(QSqlQuery& query, const QString& sql)
{
    query.setForwardOnly(true);
    return query.prepare(sql) || fail(query);
}

bool BackupRestore::exec(QSqlQuery& query, const QVariantList& values)
{
    // SQLite ends the transaction itself after some errors, even one of
    // another part of the program while the event loop ran; a write now
    // would be stored on its own, outside the restore's all or nothing.
    if (!nativeconnection::inTransaction(m_db))
        return fail(tr("the database ended the restore's transaction after an error"));
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
    return fail(query.lastError().text());
}

bool BackupRestore::fail(const QString& error)
{
    m_failure = error;
    qWarning().noquote() << "Backup restore failed:" << m_failure;
    return false;
}
