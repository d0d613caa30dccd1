#include "import/QifImportWriter.h"

#include "import/ImportCategories.h"
#include "import/ImportProgress.h"
#include "import/ImportResult.h"
#include "import/ImportService.h"
#include "import/RecordSavepoint.h"
#include "import/TransferHint.h"
#include "import/TransferPairing.h"
#include "storage/RecordId.h"
#include "storage/SplitLineRepository.h"
#include "storage/TransactionRepository.h"

#include <QtDebug>

QifImportWriter::QifImportWriter(QSqlDatabase db, TransactionRepository* transactions,
                                 SplitLineRepository* splitLines, ImportCategories* categories,
                                 QHash<QString, QString> accounts, QDateTime now)
    : m_db(std::move(db))
    , m_transactions(transactions)
    , m_splitLines(splitLines)
    , m_categories(categories)
    , m_accounts(std::move(accounts))
    , m_now(std::move(now))
{
}

QString QifImportWriter::payeeOf(const QifTransaction& record)
{
    if (!record.payee.isEmpty())
        return record.payee;
    if (!record.number.isEmpty() && !record.security.isEmpty())
        return QStringLiteral("%1: %2").arg(record.number, record.security);
    for (const QString* named : {&record.security, &record.number, &record.transferAccount}) {
        if (!named->isEmpty())
            return *named;
    }
    return tr("Imported transaction");
}

bool QifImportWriter::write(QList<QifImportRecord>& records, ImportProgress& progress, ImportResult& result)
{
    m_records = &records;
    m_result = &result;
    m_states = QList<State>(records.size(), State::Waiting);
    m_standIns = QList<qsizetype>(records.size(), -1);
    // Duplicates first: a transfer whose other side is one links to the row
    // that side stands for.
    markDuplicates();
    pairTransfers(records);
    for (int i = 0; i < records.size(); ++i) {
        progress.next();
        if (!writeRecord(i))
            return false;
    }
    return true;
}

void QifImportWriter::markDuplicates()
{
    for (qsizetype i = 0; i < m_records->size(); ++i) {
        const QifImportRecord& record = m_records->at(i);
        if (record.targetAccountId.isEmpty() || !record.amount)
            continue;
        const QString key = ImportService::matchKey(record.date, *record.amount, payeeOf(record));
        if (const std::optional<qsizetype> row = cache(record.targetAccountId).takeMatch(key)) {
            m_states[i] = State::Duplicate;
            m_standIns[i] = *row;
        }
    }
}

bool QifImportWriter::writeRecord(int index)
{
    const QifImportRecord& record = m_records->at(index);
    if (record.targetAccountId.isEmpty()) {
        ++m_result->unmappedSkipped;
        return true;
    }
    if (!record.amount) {
        ++m_result->unparseable;
        return true;
    }
    if (m_states[index] == State::Duplicate) {
        ++m_result->duplicates;
        return true;
    }

    Transaction t;
    t.id = record.transactionId;
    t.account_id = record.targetAccountId;
    t.date = record.date;
    t.payee = payeeOf(record);
    t.amount = *record.amount;
    t.memo = record.memo;
    t.check_number = record.number;
    t.cleared = record.cleared;
    t.reconciled = record.reconciled;
    t.is_split = !record.splits.isEmpty();
    t.created_at = m_now;
    t.updated_at = m_now;
    // A split is filed by its lines, as the register stores one; the L line
    // of a split names no category of its own ("--Splits--").
    if (!record.category.isEmpty() && !t.is_split) {
        const std::optional<QString> categoryId = m_categories->idFor(record.category);
        if (!categoryId)
            return recordFailed(index);
        t.category_id = *categoryId;
    }
    const std::optional<QList<SplitLine>> lines = splitLinesOf(record, t);
    if (!lines)
        return recordFailed(index);

    const Link link = chooseLink(index, t);
    switch (store(t, *lines)) {
    case Stored::Broken:
        return abort("a record could not be written or taken back whole");
    case Stored::No:
        return recordFailed(index);
    case Stored::Yes:
        break;
    }
    m_states[index] = State::Written;
    ++m_result->imported;
    return linkWritten(index, t, link);
}

std::optional<QList<SplitLine>> QifImportWriter::splitLinesOf(const QifImportRecord& record, const Transaction& t)
{
    QList<SplitLine> lines;
    lines.reserve(record.splits.size());
    for (qsizetype k = 0; k < record.splits.size(); ++k) {
        const QifSplit& split = record.splits[k];
        SplitLine line;
        line.id = newRecordId();
        line.transaction_id = t.id;
        if (!split.category.isEmpty()) {
            const std::optional<QString> categoryId = m_categories->idFor(split.category);
            if (!categoryId)
                return std::nullopt;
            line.category_id = *categoryId;
        }
        line.amount = record.splitAmounts.value(k);
        line.memo = split.transferAccount.isEmpty() ? split.memo : withTransferHint(split.memo, split.transferAccount);
        line.created_at = t.created_at;
        line.updated_at = t.created_at;
        lines.append(line);
    }
    return lines;
}

QifImportWriter::Link QifImportWriter::chooseLink(int index, Transaction& t)
{
    const QifImportRecord& record = m_records->at(index);
    const auto hint = [&] {
        t.memo = withTransferHint(t.memo, record.transferAccount);
        return Link{};
    };
    const auto existing = [&](const QString& accountId, qsizetype row) {
        t.transfer_link_id = cache(accountId).row(row).id;
        t.transfer_dest_account_id = accountId;
        return Link{Link::Kind::Existing, accountId, row};
    };

    if (record.partnerIndex >= 0) {
        const QifImportRecord& partner = m_records->at(record.partnerIndex);
        switch (m_states[record.partnerIndex]) {
        case State::Duplicate: {
            const qsizetype row = m_standIns[record.partnerIndex];
            return cache(partner.targetAccountId).isLinkable(row) ? existing(partner.targetAccountId, row) : hint();
        }
        case State::Failed:
            return hint();
        case State::Written: // written before this one
        case State::Waiting: // written after this one, or taken back if it fails
            t.transfer_link_id = partner.transactionId;
            t.transfer_dest_account_id = partner.targetAccountId;
            return Link{Link::Kind::Partner, {}, -1};
        }
    }
    if (record.transferAccount.isEmpty() || isSelfTransfer(record))
        return Link{};
    const QString destination = m_accounts.value(record.transferAccount.toLower());
    if (destination.isEmpty() || destination == record.targetAccountId)
        return hint();
    const std::optional<qsizetype> row =
        cache(destination).findRetroactivePartner(record.sourceAccount, record.date, *record.amount);
    return row ? existing(destination, *row) : hint();
}

QifImportWriter::Stored QifImportWriter::store(const Transaction& t, const QList<SplitLine>& lines)
{
    if (lines.isEmpty())
        return m_transactions->insert(t) ? Stored::Yes : Stored::No;
    RecordSavepoint savepoint(m_db);
    if (!savepoint.isActive())
        return Stored::Broken;
    bool stored = m_transactions->insert(t);
    for (qsizetype k = 0; stored && k < lines.size(); ++k)
        stored = m_splitLines->insert(lines[k]);
    if (stored)
        return savepoint.release() ? Stored::Yes : Stored::Broken;
    return savepoint.rollback() ? Stored::No : Stored::Broken;
}

bool QifImportWriter::linkWritten(int index, const Transaction& t, const Link& link)
{
    switch (link.kind) {
    case Link::Kind::None:
        return true;
    case Link::Kind::Existing:
        return linkExisting(link, t);
    case Link::Kind::Partner:
        break;
    }
    const int partner = m_records->at(index).partnerIndex;
    if (m_states[partner] == State::Written) {
        m_awaitingPartner.remove(partner);
        ++m_result->transfersLinked;
    } else {
        m_awaitingPartner.insert(index, t);
    }
    return true;
}

bool QifImportWriter::linkExisting(const Link& link, const Transaction& t)
{
    AccountImportCache& accountCache = cache(link.accountId);
    // Read again: the event loop ran since the account was read.
    std::optional<Transaction> other = m_transactions->getById(accountCache.row(link.row).id);
    if (!other || other->deleted_at || other->isTransfer())
        return abort("an earlier transfer side changed during the import");
    if (const std::optional<TransferHint> hint = parseTransferHint(other->memo))
        other->memo = hint->rest;
    other->transfer_link_id = t.id;
    other->transfer_dest_account_id = t.account_id;
    other->updated_at = m_now;
    ++other->version;
    other->sync_status = SyncStatus::Pending;
    if (!m_transactions->update(*other))
        return abort("failed to update an earlier transfer side");
    accountCache.markLinked(link.row);
    ++m_result->transfersLinked;
    ++m_result->retroactiveLinked;
    return true;
}

bool QifImportWriter::recordFailed(int index)
{
    const QifImportRecord& record = m_records->at(index);
    qWarning() << "QIF import: insert failed for" << record.date.toString(Qt::ISODate) << record.payee << "amount"
               << *record.amount << "account" << record.targetAccountId;
    ++m_result->dbErrorSkipped;
    m_states[index] = State::Failed;

    // The partner written before it names a row that will not exist: it
    // waits for a later import instead.
    const auto awaiting = m_awaitingPartner.find(record.partnerIndex);
    if (record.partnerIndex < 0 || awaiting == m_awaitingPartner.end())
        return true;
    Transaction partner = *awaiting;
    m_awaitingPartner.erase(awaiting);
    partner.transfer_link_id.clear();
    partner.transfer_dest_account_id.clear();
    partner.memo = withTransferHint(partner.memo, m_records->at(record.partnerIndex).transferAccount);
    return m_transactions->update(partner) || abort("failed to take back a link to a record that was not written");
}

bool QifImportWriter::abort(const char* reason) const
{
    qWarning() << "QIF import aborted:" << reason;
    return false;
}

AccountImportCache& QifImportWriter::cache(const QString& accountId)
{
    auto found = m_caches.find(accountId);
    if (found == m_caches.end())
        found = m_caches.try_emplace(accountId, m_transactions->listByAccount(accountId)).first;
    return found->second;
}
