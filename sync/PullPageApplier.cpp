#include "sync/PullPageApplier.h"

#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/ChangeHold.h"
#include "storage/NativeConnection.h"
#include "storage/PreferencesRepository.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/ScopedTransaction.h"
#include "storage/TransactionRepository.h"
#include "sync/PendingRecord.h"
#include "sync/PullPage.h"

#include <QSqlDatabase>

namespace {

using Apply = ServerRecordApplier::Outcome (ServerRecordApplier::*)(const QJsonObject&);

// By the push's entity types, parents first, so that most records find what
// they belong to.
struct Kind
{
    const QString& name;
    QJsonArray PullPage::*records;
    Apply apply;
};
const Kind kKinds[] = {
    {entityTypeAt(0), &PullPage::accounts, &ServerRecordApplier::applyAccount},
    {entityTypeAt(1), &PullPage::categories, &ServerRecordApplier::applyCategory},
    {entityTypeAt(2), &PullPage::recurring, &ServerRecordApplier::applyRecurring},
    {entityTypeAt(3), &PullPage::transactions, &ServerRecordApplier::applyTransactionChange},
    {entityTypeAt(4), &PullPage::reconciliations, &ServerRecordApplier::applyReconciliation},
};

} // namespace

PullPageApplier::PullPageApplier(AccountRepository* accounts, CategoryRepository* categories,
                                 RecurringRepository* recurring, TransactionRepository* transactions,
                                 ReconciliationRepository* reconciliations, SplitLineRepository* splitLines,
                                 PreferencesRepository* preferences)
    : m_accounts(accounts)
    , m_categories(categories)
    , m_recurring(recurring)
    , m_transactions(transactions)
    , m_reconciliations(reconciliations)
    , m_preferences(preferences)
    , m_records(accounts, categories, recurring, transactions, reconciliations, splitLines)
{
}

PullPageApplier::Result PullPageApplier::apply(const PullPage& page, const QString& requestCursor)
{
    // Declared first so that the signals go out after the transaction ends.
    ChangeHold hold{m_accounts, m_categories, m_recurring, m_transactions, m_reconciliations};
    const Result result = writePage(page, requestCursor);
    const ServerRecordApplier::Notes notes = m_records.takeNotes();
    // Nothing of the page is stored otherwise: announced, its rows would
    // only make the windows reload and ask for a pass that meets the same
    // fault.
    if (result != Result::Stored) {
        hold.discard();
        return result;
    }
    m_retryNotReadable = false;
    m_passNotes.linkedTransactions += notes.linkedTransactions;
    m_passNotes.splitsMadeWhole += notes.splitsMadeWhole;
    return result;
}

void PullPageApplier::startPass()
{
    m_retryNotReadable = true;
    m_passNotes = {};
}

PullPageApplier::Result PullPageApplier::writePage(const PullPage& page, const QString& requestCursor)
{
    QSqlDatabase db = QSqlDatabase::database();
    ScopedTransaction transaction(db);
    if (!transaction.isActive())
        return Result::DatabaseFailed;

    // Read inside the transaction, so nothing can move it between this
    // check and the write of the page's own.
    const QString cursorKey = QString::fromLatin1(PreferencesRepository::kSyncCursorKey);
    if (m_preferences->getString(cursorKey) != requestCursor)
        return Result::CursorMoved;
    if (requestCursor.isEmpty() && !m_parked.clear())
        return Result::DatabaseFailed;
    // Most pages find nothing parked: one look at the table spares a lookup
    // per record and the search for records now ready.
    std::optional<bool> anyParked = requestCursor.isEmpty() ? std::optional(false) : m_parked.hasAny();
    if (!anyParked)
        return Result::DatabaseFailed;
    // Before the page's records, which would otherwise be tried twice.
    if (m_retryNotReadable && *anyParked && !applyParkedRecords(ParkedRecords::Reason::NotReadable))
        return Result::DatabaseFailed;
    if (!applyRecords(page, *anyParked) || (*anyParked && !applyParkedRecords(ParkedRecords::Reason::AwaitsAccount)))
        return Result::DatabaseFailed;
    // A failed statement may have made SQLite roll the transaction back on
    // its own; the cursor written then would stand alone.
    if (!nativeconnection::inTransaction(db))
        return Result::DatabaseFailed;
    if (!page.cursor.isEmpty() && !m_preferences->set(cursorKey, page.cursor))
        return Result::DatabaseFailed;
    return transaction.commit() ? Result::Stored : Result::DatabaseFailed;
}

bool PullPageApplier::applyRecords(const PullPage& page, bool& anyParked)
{
    for (const Kind& kind : kKinds) {
        for (const QJsonValue& value : page.*kind.records) {
            const QJsonObject record = value.toObject();
            switch ((m_records.*kind.apply)(record)) {
            case ServerRecordApplier::Outcome::DatabaseFailed:
                return false;
            case ServerRecordApplier::Outcome::AwaitsAccount:
                if (!m_parked.park(kind.name, record))
                    return false;
                anyParked = true;
                break;
            case ServerRecordApplier::Outcome::NotReadable:
                if (!m_parked.park(kind.name, record, ParkedRecords::Reason::NotReadable))
                    return false;
                anyParked = true;
                break;
            case ServerRecordApplier::Outcome::Written:
            case ServerRecordApplier::Outcome::LeftAlone:
                if (anyParked && !m_parked.dropSuperseded(kind.name, record))
                    return false;
                break;
            case ServerRecordApplier::Outcome::Skipped:
                break;
            }
        }
    }
    return true;
}

bool PullPageApplier::applyParkedRecords(ParkedRecords::Reason upTo)
{
    // Until a round applies nothing, so that what one round writes is looked
    // at again for the records it lets in.
    for (;; upTo = ParkedRecords::Reason::AwaitsAccount) {
        bool appliedAny = false;
        for (const Kind& kind : kKinds) {
            const std::optional<QList<ParkedRecords::Entry>> ready = m_parked.listReady(kind.name, upTo);
            if (!ready)
                return false;
            for (const ParkedRecords::Entry& entry : *ready) {
                const ServerRecordApplier::Outcome outcome = (m_records.*kind.apply)(entry.record);
                if (outcome == ServerRecordApplier::Outcome::DatabaseFailed)
                    return false;
                if (outcome == ServerRecordApplier::Outcome::NotReadable)
                    continue;
                if (outcome == ServerRecordApplier::Outcome::AwaitsAccount) {
                    // Readable now, it waits for its account like any other.
                    if (entry.reason == ParkedRecords::Reason::NotReadable && !m_parked.park(kind.name, entry.record))
                        return false;
                    continue;
                }
                if (!m_parked.remove(entry))
                    return false;
                appliedAny = true;
            }
        }
        if (!appliedAny)
            return true;
    }
}

std::optional<int> PullPageApplier::recordsAwaitingAccount() const
{
    return m_parked.count();
}

std::optional<int> PullPageApplier::recordsNotReadable() const
{
    return m_parked.countNotReadable();
}
