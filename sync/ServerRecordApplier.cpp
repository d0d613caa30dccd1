#include "sync/ServerRecordApplier.h"

#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/RecordId.h"
#include "storage/RecordSchema.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/SplitLineRepository.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"
#include "sync/ServerFields.h"

#include <QDebug>
#include <QJsonArray>

struct ServerRecordApplier::KindRules
{
    // The apply operation, which names the kind in warnings.
    const char* operation;
    // Keys a new record must carry, and that no record may leave empty.
    QList<const char*> required;
    // The date the record cannot do without; a broken one, or one before
    // 2000, gets the kind's own warning.
    const char* requiredDate = nullptr;
    const char* brokenDateWarning = nullptr;
    // A key the service leaves out for "none" rather than for "unchanged".
    const char* absentMeansNone = nullptr;
    // Whether its rows must point at an account of the store.
    bool belongsToAccount = false;
    // A choice column whose unknown texts read as one it knows, without
    // changing what the record shows; other choice columns keep the record
    // out when they hold a text this version does not know.
    const char* choiceWithFallback = nullptr;
    const char* fallbackText = nullptr;
};

namespace {

using Outcome = ServerRecordApplier::Outcome;
using Presence = serverfields::Presence;
using TandAccount::JsonFieldReader;

const ServerRecordApplier::KindRules kAccountRules{
    "applyAccount", {"name"}, nullptr, nullptr, nullptr, false, "account_type", "other"};
const ServerRecordApplier::KindRules kCategoryRules{
    "applyCategory", {"name"}, nullptr, nullptr, nullptr, false, "category_type", "expense"};
const ServerRecordApplier::KindRules kRecurringRules{
    "applyRecurring", {"account_id", "amount", "start_date", "next_due_date"}, "next_due_date",
    "applyRecurring: skipping server record with broken nextDueDate:", "end_date", true};
const ServerRecordApplier::KindRules kTransactionRules{
    "applyTransactionChange", {"account_id", "amount", "date"}, "date",
    "applyTransactionChange: skipping server record with broken date:", nullptr, true};
const ServerRecordApplier::KindRules kReconciliationRules{
    "applyReconciliation", {"account_id", "statement_date"}, "statement_date",
    "applyReconciliation: skipping server record with broken statementDate:", nullptr, true};

// Identity and sync state are the applier's to set, and a deletion time
// means more than a value.
bool filledByApplier(const char* column)
{
    for (const char* own : {"id", "version", "sync_status", "server_id", "deleted_at"}) {
        if (qstrcmp(column, own) == 0)
            return true;
    }
    return false;
}

// The keys that hold an id of this record or of one it refers to.
const char* const kIdKeys[] = {"id", "client_id", "account_id", "category_id", "parent_id",
                               "transfer_link_id", "transfer_dest_account_id", "recurring_id"};

bool isOverlongId(const QJsonValue& value)
{
    return value.isString() && value.toString().size() > kMaxRecordIdLength;
}

struct KeyValue
{
    Presence presence = Presence::Absent;
    QVariant value; // as the column's reader takes it
};

template <typename T>
KeyValue keyValue(const serverfields::Reading<T>& reading)
{
    return {reading.presence, QVariant::fromValue(reading.value)};
}

KeyValue readKey(const JsonFieldReader& fields, QLatin1String key, ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Text:
    case ColumnKind::Link:
    case ColumnKind::Choice:
        return keyValue(fields.readText(key));
    case ColumnKind::Date:
        return keyValue(serverfields::date(fields, key));
    case ColumnKind::Timestamp: {
        // An empty time keeps the local one, as an absent key does: no row
        // goes without its times.
        const serverfields::Reading<QDateTime> reading = fields.readDateTime(key);
        if (reading.isPresent() && !reading.value.isValid())
            return {};
        return keyValue(reading);
    }
    case ColumnKind::Flag:
        return keyValue(fields.readFlag(key));
    case ColumnKind::Int:
        return keyValue(fields.readInt(key));
    case ColumnKind::Money:
        return keyValue(serverfields::amount(fields, key));
    }
    return {};
}

// The stored value of one of the record's columns.
template <typename Record>
QVariant storedValue(const Record& record, const char* name)
{
    for (const Column<Record>& column : RecordSchema<Record>::columns()) {
        if (qstrcmp(column.name, name) == 0)
            return column.write(record);
    }
    return {};
}

bool sameLines(const QList<SplitLine>& stored, const QList<SplitLine>& server)
{
    return std::equal(stored.cbegin(), stored.cend(), server.cbegin(), server.cend(),
                      [](const SplitLine& a, const SplitLine& b) {
                          return a.category_id == b.category_id && a.amount == b.amount && a.memo == b.memo;
                      });
}

} // namespace

ServerRecordApplier::ServerRecordApplier(AccountRepository* accounts, CategoryRepository* categories,
                                         RecurringRepository* recurring, TransactionRepository* transactions,
                                         ReconciliationRepository* reconciliations, SplitLineRepository* splitLines)
    : m_accounts(accounts)
    , m_categories(categories)
    , m_recurring(recurring)
    , m_transactions(transactions)
    , m_reconciliations(reconciliations)
    , m_splitLines(splitLines)
{
}

template <typename Record, typename AfterWrite>
ServerRecordApplier::Outcome ServerRecordApplier::apply(SyncedTableRepository<Record>& repository,
                                                        const QJsonObject& json, const KindRules& rules,
                                                        const char* splitLinesProblem, AfterWrite afterWrite)
{
    const JsonFieldReader fields(json);
    const QByteArray operation = QByteArray(rules.operation).append(':');
    const auto skip = [&operation](const QString& id, const char* key, const char* reason) {
        qWarning() << operation.constData() << "skipping server record the store cannot hold:" << shortRecordId(id)
                   << key << reason;
        return Outcome::Skipped;
    };

    const serverfields::Reading<QString> serverId = fields.readText(QLatin1String("id"));
    const serverfields::Reading<QString> clientId = fields.readText(QLatin1String("client_id"));
    if (serverId.presence == Presence::WrongKind || clientId.presence == Presence::WrongKind)
        return skip(clientId.value + serverId.value, "id", "is not a text");
    // A record without either id could never be matched again: every pull
    // of it would add another copy.
    if (serverId.value.isEmpty() && clientId.value.isEmpty())
        return skip(QString(), "id", "is missing");
    // Stored, such an id would stop every later backup, which names its
    // files by id.
    for (const char* key : kIdKeys) {
        if (isOverlongId(json.value(QLatin1String(key))))
            return skip(clientId.value.isEmpty() ? serverId.value : clientId.value, key, "is too long for an id");
    }

    const auto counterpart = repository.findCounterpart(clientId.value, serverId.value);
    if (counterpart.readFailed)
        return Outcome::DatabaseFailed;
    const std::optional<Record>& local = counterpart.row;

    // A key the service leaves out keeps what the row holds.
    Record record = local.value_or(Record{});
    if (!local)
        record.id = clientId.value.isEmpty() ? newRecordId() : clientId.value;
    if (!serverId.value.isEmpty())
        record.server_id = serverId.value;

    const char* problemKey = nullptr;
    const char* problem = nullptr;
    const char* unknownKey = nullptr;
    QString unknownText;
    const auto note = [&](const char* key, const char* reason) {
        if (!problem) {
            problemKey = key;
            problem = reason;
        }
    };
    for (const Column<Record>& column : RecordSchema<Record>::columns()) {
        if (filledByApplier(column.name))
            continue;
        const QLatin1String key(column.name);
        const KeyValue read = readKey(fields, key, column.kind);
        if (read.presence == Presence::Absent) {
            if (rules.absentMeansNone && key == QLatin1String(rules.absentMeansNone))
                column.read(record, QVariant());
            continue;
        }
        if (read.presence == Presence::WrongKind) {
            // A required date that does not read is a broken date, which
            // the kind's own warning reports below.
            if (rules.requiredDate && key == QLatin1String(rules.requiredDate))
                column.read(record, QVariant(QDate()));
            else
                note(column.name, "holds a value of the wrong kind");
            continue;
        }
        column.read(record, read.value);
        // The store reads an unknown text as its own default, which writes
        // back as another text: it would hold a guess.
        if (column.kind != ColumnKind::Choice || column.write(record).toString() == read.value.toString())
            continue;
        if (rules.choiceWithFallback && key == QLatin1String(rules.choiceWithFallback)) {
            qWarning() << operation.constData() << "reading" << column.name << shortRecordId(read.value.toString())
                       << "of" << shortRecordId(record.id) << "as" << rules.fallbackText;
            column.read(record, QString::fromLatin1(rules.fallbackText));
        } else if (!unknownKey) {
            unknownKey = column.name;
            unknownText = read.value.toString();
        }
    }

    // Without a version a record is older than any local row.
    const serverfields::Reading<int> version = fields.readInt(QLatin1String("version"));
    if (version.presence == Presence::WrongKind)
        note("version", "holds a value of the wrong kind");
    record.version = version.value;
    const serverfields::Reading<QDateTime> deletedAt = fields.readDateTime(QLatin1String("deleted_at"));
    if (deletedAt.presence == Presence::WrongKind)
        note("deleted_at", "holds a value of the wrong kind");
    record.deleted_at = deletedAt.value.isValid() ? std::optional<QDateTime>(deletedAt.value) : std::nullopt;
    record.sync_status = SyncStatus::Synced;

    if (rules.requiredDate) {
        const QDate date = parseIsoDate(storedValue(record, rules.requiredDate).toString());
        if (!date.isValid() || date.year() < 2000) {
            if constexpr (requires { record.payee; })
                qWarning() << rules.brokenDateWarning << record.id << record.payee << date;
            else
                qWarning() << rules.brokenDateWarning << record.id << date;
            return Outcome::Skipped;
        }
    }
    if (problem)
        return skip(record.id, problemKey, problem);
    if (splitLinesProblem)
        return skip(record.id, "split_lines", splitLinesProblem);
    for (const char* key : rules.required) {
        const QVariant value = storedValue(record, key);
        if ((!local && !fields.has(QLatin1String(key))) || value.isNull() || value.toString().isEmpty())
            return skip(record.id, key, "is missing");
    }

    if (!record.updated_at.isValid())
        record.updated_at = nowUtc();
    if (!record.created_at.isValid())
        record.created_at = record.updated_at;

    if (!local) {
        // A record deleted before this store ever saw it stays unseen.
        if (record.deleted_at)
            return Outcome::LeftAlone;
    } else if (local->sync_status == SyncStatus::Pending) {
        // The user's change not yet pushed goes to the service first; only
        // a version beyond it, made elsewhere meanwhile, replaces it. A
        // deletion not yet pushed stands against any version.
        if (local->deleted_at || record.version <= local->version)
            return Outcome::LeftAlone;
    } else if (record.version < local->version) {
        return Outcome::LeftAlone;
    }
    if (unknownKey) {
        qWarning() << operation.constData() << "keeping server record this version cannot read yet:"
                   << shortRecordId(record.id) << unknownKey << shortRecordId(unknownText);
        return Outcome::NotReadable;
    }
    if constexpr (requires { record.account_id; }) {
        if (rules.belongsToAccount) {
            if (const std::optional<Outcome> held = placeInAccount(record, local))
                return *held;
        }
    }

    if (!local) {
        if (!repository.insert(record) || !afterWrite(record, local))
            return Outcome::DatabaseFailed;
        return Outcome::Written;
    }
    // The service sends back what this store pushed: nothing to write then.
    const bool changed = !(record == *local);
    if (changed && !repository.updateFromServer(record, *local))
        return Outcome::DatabaseFailed;
    if (!afterWrite(record, local))
        return Outcome::DatabaseFailed;
    return changed ? Outcome::Written : Outcome::LeftAlone;
}

template <typename Record>
std::optional<ServerRecordApplier::Outcome> ServerRecordApplier::placeInAccount(Record& record,
                                                                               const std::optional<Record>& local) const
{
    // The service may name the account by the id it gave it.
    bool ok = true;
    const QString accountId = m_accounts->findLocalId(record.account_id, &ok);
    if (!ok)
        return Outcome::DatabaseFailed;
    if (!accountId.isEmpty()) {
        record.account_id = accountId;
        return std::nullopt;
    }
    // A deletion needs no account of its own: the row it deletes stays
    // where it is.
    if (record.deleted_at && local) {
        record.account_id = local->account_id;
        return std::nullopt;
    }
    return Outcome::AwaitsAccount;
}

bool ServerRecordApplier::writeSplitLines(const Transaction& written, const std::optional<Transaction>& before,
                                          const std::optional<QList<SplitLine>>& serverLines)
{
    if (!written.is_split) {
        // Lines left from when it was split are not its lines any more.
        return !(before && before->is_split) || m_splitLines->deleteByTransaction(written.id);
    }
    // A service that sends no lines leaves the local ones as they are.
    if (!serverLines)
        return true;
    if (before) {
        if (sameLines(m_splitLines->listByTransaction(written.id), *serverLines))
            return true;
        if (!m_splitLines->deleteByTransaction(written.id))
            return false;
    }
    for (SplitLine line : *serverLines) {
        line.id = newRecordId();
        line.transaction_id = written.id;
        line.created_at = written.created_at;
        line.updated_at = written.updated_at;
        if (!m_splitLines->insert(line))
            return false;
    }
    return true;
}

// A split shows its lines as the whole of its amount: lines that do not add
// up to it (none at all, say) get one more for the difference. Lines so far
// from the amount that no line can hold the difference stay as they came;
// the store refuses no page for that.
bool ServerRecordApplier::makeSplitWhole(const Transaction& written)
{
    switch (m_splitLines->balance(written.id, written.amount, written.updated_at)) {
    case SplitLineRepository::Balance::RemainderAdded:
        ++m_notes.splitsMadeWhole;
        return true;
    case SplitLineRepository::Balance::Whole:
    case SplitLineRepository::Balance::BeyondAnyAmount:
        return true;
    case SplitLineRepository::Balance::Failed:
        break;
    }
    return false;
}

ServerRecordApplier::Notes ServerRecordApplier::takeNotes()
{
    return std::exchange(m_notes, Notes{});
}

namespace {

constexpr auto kNothingMore = [](const auto&, const auto&) { return true; };

} // namespace

ServerRecordApplier::Outcome ServerRecordApplier::applyAccount(const QJsonObject& record)
{
    return apply(*m_accounts, record, kAccountRules, nullptr, kNothingMore);
}

ServerRecordApplier::Outcome ServerRecordApplier::applyCategory(const QJsonObject& record)
{
    return apply(*m_categories, record, kCategoryRules, nullptr, kNothingMore);
}

ServerRecordApplier::Outcome ServerRecordApplier::applyRecurring(const QJsonObject& record)
{
    return apply(*m_recurring, record, kRecurringRules, nullptr, kNothingMore);
}

ServerRecordApplier::Outcome ServerRecordApplier::applyReconciliation(const QJsonObject& record)
{
    return apply(*m_reconciliations, record, kReconciliationRules, nullptr, kNothingMore);
}

ServerRecordApplier::Outcome ServerRecordApplier::applyTransactionChange(const QJsonObject& record)
{
    // Read before anything is written: a line the store cannot hold keeps
    // the whole transaction out.
    std::optional<QList<SplitLine>> serverLines;
    const char* linesProblem = nullptr;
    const QJsonValue lines = record.value(QLatin1String("split_lines"));
    if (lines.isArray()) {
        serverLines.emplace();
        for (const QJsonValue& value : lines.toArray()) {
            const JsonFieldReader fields(value.toObject());
            const auto category = fields.readText(QLatin1String("category_id"));
            const auto amount = serverfields::amount(fields, QLatin1String("amount"));
            const auto memo = fields.readText(QLatin1String("memo"));
            if (!value.isObject() || category.presence == Presence::WrongKind || !amount.isPresent()
                || memo.presence == Presence::WrongKind || category.value.size() > kMaxRecordIdLength) {
                linesProblem = "holds a line the store cannot hold";
                break;
            }
            SplitLine line;
            line.category_id = category.value;
            line.amount = amount.value;
            line.memo = memo.value;
            serverLines->append(line);
        }
    } else if (!lines.isUndefined() && !lines.isNull()) {
        linesProblem = "is not a list";
    }
    return apply(*m_transactions, record, kTransactionRules, linesProblem,
                 [this, &serverLines](const Transaction& written, const std::optional<Transaction>& before) {
                     if (!writeSplitLines(written, before, serverLines))
                         return false;
                     if (written.isTransfer() && !written.deleted_at)
                         m_notes.linkedTransactions.append(written.id);
                     return !written.is_split || written.deleted_at || makeSplitWhole(written);
                 });
}
