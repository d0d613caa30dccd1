#include "sync/PullPageApplier.h"

#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/ChangeHold.h"
#include "storage/ForeignKeySuspension.h"
#include "storage/NativeConnection.h"
#include "storage/PreferencesRepository.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/ScopedTransaction.h"
#include "storage/TransactionRepository.h"
#include "sync/PullPage.h"

#include <QDebug>
#include <QSqlDatabase>

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

bool PullPageApplier::apply(const PullPage& page)
{
    QSqlDatabase db = QSqlDatabase::database();
    // Declared in this order so that the transaction ends first, then the
    // foreign keys are enforced again, then the held signals go out.
    ChangeHold hold{m_accounts, m_categories, m_recurring, m_transactions, m_reconciliations};
    ForeignKeySuspension references(db);
    if (!references.isActive())
        return false;
    ScopedTransaction transaction(db);
    if (!transaction.isActive())
        return false;

    if (!applyRecords(page))
        return false;
    // A failed statement may have made SQLite roll the transaction back on
    // its own; the cursor written then would stand alone.
    if (!nativeconnection::inTransaction(db))
        return false;
    if (!page.cursor.isEmpty()
        && !m_preferences->set(QString::fromLatin1(PreferencesRepository::kSyncCursorKey), page.cursor))
        return false;
    return transaction.commit();
}

bool PullPageApplier::applyRecords(const PullPage& page)
{
    using Apply = ServerRecordApplier::Outcome (ServerRecordApplier::*)(const QJsonObject&);
    // Parents first, so that most records find what they belong to.
    const std::pair<const QJsonArray&, Apply> kinds[] = {
        {page.accounts, &ServerRecordApplier::applyAccount},
        {page.categories, &ServerRecordApplier::applyCategory},
        {page.recurring, &ServerRecordApplier::applyRecurring},
        {page.transactions, &ServerRecordApplier::applyTransactionChange},
        {page.reconciliations, &ServerRecordApplier::applyReconciliation},
    };
    for (const auto& [records, applyOne] : kinds) {
        for (const QJsonValue& record : records) {
            if ((m_records.*applyOne)(record.toObject()) == ServerRecordApplier::Outcome::DatabaseFailed)
                return false;
        }
    }
    return true;
}

std::optional<int> PullPageApplier::recordsAwaitingParent()
{
    return ForeignKeySuspension::rowsWithoutParent(QSqlDatabase::database());
}
