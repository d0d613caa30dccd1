#include "import/QifImportWriter.h"

#include "import/ImportCategories.h"
#include "import/ImportProgress.h"
#include "import/ImportResult.h"
#include "import/ImportService.h"
#include "import/TransferHint.h"
#include "import/TransferPairing.h"
#include "storage/RecordId.h"
#include "storage/SplitLineRepository.h"
#include "storage/TransactionRepository.h"

#include <QFileInfo>
#include <QtDebug>

QifImportWriter::QifImportWriter(TransactionRepository* transactions, SplitLineRepository* splitLines,
                                 ImportCategories* categories, QHash<QString, QString> accounts,
                                 QHash<QString, qint64> startingBalances, QDateTime now)
    : m_transactions(transactions)
    , m_inserter(transactions)
    , m_splitLines(splitLines)
    , m_categories(categories)
    , m_accounts(std::move(accounts))
    , m_startingBalances(std::move(startingBalances))
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
    // that side stands for. One that an earlier file of the run writes pairs
    // in its duplicate's place, as if the files were imported one after the
    // other.
    markDuplicates();
    pairTransfers(records, [this](int i) {
        return m_states[i] == State::Duplicate && m_standIns[i] == AccountImportCache::kWrittenByRun;
    });
    for (int i = 0; i < records.size(); ++i) {
        if (!progress.next() || !writeRecord(i))
            return false;
    }
    return true;
}

void QifImportWriter::markDuplicates()
{
    // File by file: once a file is done, the records of it that are written
    // join their accounts' transactions for the files after it; a file's own
    // equal records never stand for each other.
    const QList<QifImportRecord>& records = *m_records;
    qsizetype fileStart = 0;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QifImportRecord& record = records[i];
        if (record.fileIndex != records[fileStart].fileIndex) {
            joinWritten(fileStart, i);
            fileStart = i;
        }
        if (!isWritable(record))
            continue;
        if (const std::optional<qsizetype> match =
                cache(record.targetAccountId).takeMatch(matchKeyOf(record), record.fileIndex)) {
            m_states[i] = State::Duplicate;
            m_standIns[i] = *match;
        }
    }
}

void QifImportWriter::joinWritten(qsizetype first, qsizetype end)
{
    for (qsizetype i = first; i < end; ++i) {
        const QifImportRecord& record = m_records->at(i);
        if (m_states[i] == State::Waiting && isWritable(record))
            cache(record.targetAccountId).addWritten(matchKeyOf(record));
    }
}

bool QifImportWriter::isWritable(const QifImportRecord& record)
{
    return !record.targetAccountId.isEmpty() && record.amount;
}

QString QifImportWriter::matchKeyOf(const QifImportRecord& record)
{
    return ImportService::matchKey(record.date, *record.amount, payeeOf(record));
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
    if (!keepsBalance(index))
        return false;

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
            return notStored(index);
        t.category_id = *categoryId;
    }
    const std::optional<QList<SplitLine>> lines = splitLinesOf(record, t);
    if (!lines)
        return notStored(index);

    const Link link = chooseLink(index, t);
    if (!store(t, *lines))
        return notStored(index);
    m_states[index] = State::Written;
    ++m_result->imported;
    if (record.remainderAdded)
        ++m_result->splitRemaindersAdded;
    return linkWritten(index, link, t);
}

std::optional<QList<SplitLine>> QifImportWriter::splitLinesOf(const QifImportRecord& record, const Transaction& t)
{
    QList<SplitLine> lines;
    lines.reserve(record.splits.size());
    for (qsizetype k = 0; k < record.splits.size(); ++k) {
        const QifSplit& split = record.splits[k];
        SplitLine line;
        line.id = newOrderedRecordId();
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
        case State::Written: // written before this one
        case State::Waiting: // written after this one
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

bool QifImportWriter::store(const Transaction& t, const QList<SplitLine>& lines)
{
    if (!m_inserter.insert(t))
        return false;
    return std::all_of(lines.cbegin(), lines.cend(), [this](const SplitLine& line) { return m_splitLines->insert(line); });
}

bool QifImportWriter::linkWritten(int index, const Link& link, const Transaction& t)
{
    switch (link.kind) {
    case Link::Kind::None:
        return true;
    case Link::Kind::Existing:
        return linkExisting(link, t);
    case Link::Kind::Partner:
        break;
    }
    // A pair counts once, when its second side is written.
    if (m_states[m_records->at(index).partnerIndex] == State::Written)
        ++m_result->transfersLinked;
    return true;
}

bool QifImportWriter::linkExisting(const Link& link, const Transaction& t)
{
    AccountImportCache& accountCache = cache(link.accountId);
    // Read again: the event loop ran since the account was read.
    std::optional<Transaction> other = m_transactions->getById(accountCache.row(link.row).id);
    if (!other || other->deleted_at || other->isTransfer())
        return abort(tr("A transfer stored before changed while the import ran: nothing was imported."));
    if (const std::optional<TransferHint> hint = parseTransferHint(other->memo))
        other->memo = hint->rest;
    other->transfer_link_id = t.id;
    other->transfer_dest_account_id = t.account_id;
    other->updated_at = m_now;
    ++other->version;
    other->sync_status = SyncStatus::Pending;
    if (!m_transactions->update(*other))
        return ImportService::notStored(*m_result, tr("The other side of a transfer stored before"));
    accountCache.markLinked(link.row);
    ++m_result->transfersLinked;
    ++m_result->retroactiveLinked;
    return true;
}

bool QifImportWriter::keepsBalance(int index)
{
    const QifImportRecord& record = m_records->at(index);
    auto balance = m_balances.find(record.targetAccountId);
    if (balance == m_balances.end()) {
        MoneySum start(m_startingBalances.value(record.targetAccountId));
        start += cache(record.targetAccountId).liveTotal();
        balance = m_balances.insert(record.targetAccountId, start);
    }
    MoneySum after = *balance;
    after += *record.amount;
    if (!after.fits())
        return ImportService::beyondBalance(*m_result, placeOf(index));
    *balance = after;
    return true;
}

QString QifImportWriter::placeOf(int index) const
{
    const QifImportRecord& record = m_records->at(index);
    return placeOf(record.file, record.line);
}

QString QifImportWriter::placeOf(const QString& file, int line)
{
    return tr("%1, line %2").arg(QFileInfo(file).fileName()).arg(line);
}

bool QifImportWriter::notStored(int index) const
{
    return ImportService::notStored(*m_result, placeOf(index));
}

bool QifImportWriter::abort(const QString& reason) const
{
    qWarning().noquote() << "QIF import stopped:" << reason;
    m_result->failure = reason;
    return false;
}

AccountImportCache& QifImportWriter::cache(const QString& accountId)
{
    auto found = m_caches.find(accountId);
    if (found == m_caches.end())
        found = m_caches.try_emplace(accountId, m_transactions->listByAccount(accountId)).first;
    return found->second;
}
