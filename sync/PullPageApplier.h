#pragma once

#include "sync/ParkedRecords.h"
#include "sync/ServerRecordApplier.h"

class AccountRepository;
class CategoryRepository;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;
struct PullPage;

// Stores the pages of a pull. A page goes into the store whole, in one
// database transaction with its cursor, or not at all: the cursor never moves
// past records that were not kept. Records that arrive before the account
// they belong to are parked (see ParkedRecords) in that transaction, and
// applied by the usual rules after the first page that brings their account;
// the ledger's tables never hold a row whose account is missing. Records
// this version cannot read are parked too, and tried again with the first
// page of every pass, so that a version that reads them takes them in; a
// readable record of the same key at least as new takes their place. The
// repositories' change signals are held while a page is written and given
// once per changed repository after it is stored; a page that is not stored
// gives none.
class PullPageApplier
{
public:
    PullPageApplier(AccountRepository* accounts, CategoryRepository* categories, RecurringRepository* recurring,
                    TransactionRepository* transactions, ReconciliationRepository* reconciliations,
                    SplitLineRepository* splitLines, PreferencesRepository* preferences);

    enum class Result {
        Stored,
        // The stored cursor is no longer the one the page was asked for
        // from (the sync started over meanwhile): nothing of it is stored.
        CursorMoved,
        // Nothing of the page is stored.
        DatabaseFailed,
    };

    // `requestCursor` is the cursor the page was asked for from; without one
    // the service sends every record again, so the parked ones are dropped
    // first. Another writer's transaction must not be open.
    Result apply(const PullPage& page, const QString& requestCursor);

    // A pass begins: its first page stored tries again the records this
    // version could not read, and the notes of the last pass are forgotten.
    void startPass();
    // What the pages stored in this pass left to look at.
    const ServerRecordApplier::Notes& passNotes() const { return m_passNotes; }

    // How many records wait, for their account or for a version that reads
    // them; empty when unreadable.
    std::optional<int> recordsAwaitingAccount() const;
    // How many records this version cannot read, with the records waiting
    // for an account among them; empty when unreadable.
    std::optional<int> recordsNotReadable() const;

private:
    // The page and its cursor in one transaction, ended when this returns.
    Result writePage(const PullPage& page, const QString& requestCursor);
    // `anyParked` says whether records wait already, and is set when one of
    // the page's is parked.
    bool applyRecords(const PullPage& page, bool& anyParked);
    // Applies the parked records whose account is now here, until none is;
    // with NotReadable the first round tries the unreadable ones as well.
    bool applyParkedRecords(ParkedRecords::Reason upTo);

    AccountRepository* m_accounts;
    CategoryRepository* m_categories;
    RecurringRepository* m_recurring;
    TransactionRepository* m_transactions;
    ReconciliationRepository* m_reconciliations;
    PreferencesRepository* m_preferences;
    ServerRecordApplier m_records;
    ParkedRecords m_parked;
    bool m_retryNotReadable = false;
    ServerRecordApplier::Notes m_passNotes;
};
