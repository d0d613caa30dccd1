#include "app/AccountEditor.h"

#include "appstate/AppState.h"
#include "storage/AccountRepository.h"
#include "storage/Database.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecordVersion.h"
#include "storage/RecurringRepository.h"
#include "storage/ScopedTransaction.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"

#include <QtDebug>

AccountEditor::AccountEditor(AppState* appState, QObject* parent)
    : QObject(parent)
    , m_appState(appState)
{
}

bool AccountEditor::createAccount(const Account& account)
{
    return m_appState->accountRepository()->insert(account);
}

bool AccountEditor::updateAccount(const Account& edited)
{
    const std::optional<Account> stored = m_appState->accountRepository()->getById(edited.id);
    if (!stored || stored->deleted_at) {
        qWarning().noquote() << "Account" << edited.id << "is gone; the edit was not stored";
        return false;
    }
    // Only what the form edits is taken from it: the rest of the dialog's
    // copy may be older than the row (a sync pass runs while it is open).
    Account account = *stored;
    account.name = edited.name;
    account.account_type = edited.account_type;
    account.currency = edited.currency;
    account.institution = edited.institution;
    account.account_number_last4 = edited.account_number_last4;
    account.starting_balance = edited.starting_balance;
    account.version = nextRecordVersion(stored->version);
    account.sync_status = SyncStatus::Pending;
    account.updated_at = nowUtc();
    return m_appState->accountRepository()->update(account);
}

bool AccountEditor::deleteAccount(const QString& accountId)
{
    ScopedTransaction transaction(m_appState->database()->connection());
    if (!transaction.isActive())
        return false;

    // One time for the account and everything that goes with it, so that
    // restoring the account brings back exactly these rows.
    const QDateTime at = nowUtc();
    if (m_appState->transactionRepository()->softDeleteByAccount(accountId, at) < 0
        || m_appState->recurringRepository()->softDeleteByAccount(accountId, at) < 0
        || m_appState->reconciliationRepository()->softDeleteByAccount(accountId, at) < 0
        || !m_appState->accountRepository()->softDelete(accountId, at)) {
        qWarning().noquote() << "Deleting account" << accountId << "failed; nothing was deleted";
        return false;
    }
    return transaction.commit();
}
