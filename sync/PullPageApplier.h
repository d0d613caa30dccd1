#pragma once

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
// past records that were not written. Records that arrive before the account
// they belong to are kept (foreign keys are not enforced while a page is
// written) and show once it arrives. The repositories' change signals are
// held while a page is written and given once per changed repository after.
class PullPageApplier
{
public:
    PullPageApplier(AccountRepository* accounts, CategoryRepository* categories, RecurringRepository* recurring,
                    TransactionRepository* transactions, ReconciliationRepository* reconciliations,
                    SplitLineRepository* splitLines, PreferencesRepository* preferences);

    // False when the database failed; then nothing of the page is stored.
    // Another writer's transaction must not be open.
    bool apply(const PullPage& page);

    // How many records of the pages written wait for their account.
    static std::optional<int> recordsAwaitingParent();

private:
    bool applyRecords(const PullPage& page);

    AccountRepository* m_accounts;
    CategoryRepository* m_categories;
    RecurringRepository* m_recurring;
    TransactionRepository* m_transactions;
    ReconciliationRepository* m_reconciliations;
    PreferencesRepository* m_preferences;
    ServerRecordApplier m_records;
};
