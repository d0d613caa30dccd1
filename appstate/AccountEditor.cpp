#include "appstate/AccountEditor.h"

#include "appstate/AppState.h"
#include "storage/AccountRepository.h"
#include "storage/ChangeHold.h"
#include "storage/Database.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecordId.h"
#include "storage/RecordVersion.h"
#include "storage/RecurringRepository.h"
#include "storage/ScopedTransaction.h"
#include "storage/SqlStatement.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"

#include <QtDebug>

namespace {

// How long before the account a row of it may have been deleted and still
// count as deleted together with it.
constexpr int kRestoreMarginSeconds = 10;

} // namespace

AccountEditor::AccountEditor(AppState* appState, QObject* parent)
    : QObject(parent)
    , m_appState(appState)
{
}

bool AccountEditor::createAccount(const Account& account)
{
    return m_appState->accountRepository()->insert(account);
}

bool AccountEditor::createAccountWithOpeningBalance(const Account& account, const QDate& asOf)
{
    if (account.starting_balance == 0)
        return createAccount(account);

    Account opened = account;
    opened.starting_balance = 0;
    Transaction opening;
    opening.id = newRecordId();
    opening.account_id = account.id;
    opening.date = asOf;
    opening.payee = tr("Opening Balance");
    opening.amount = account.starting_balance;
    opening.cleared = true;
    opening.reconciled = true;
    opening.created_at = nowUtc();
    opening.updated_at = opening.created_at;

    // Windows that list the accounts hear of them once the transaction has
    // ended: read inside it, a rolled-back account would stay listed.
    ChangeHold hold{m_appState->accountRepository(), m_appState->transactionRepository()};
    ScopedTransaction transaction(m_appState->database()->connection());
    if (!transaction.isActive() || !m_appState->accountRepository()->insert(opened)
        || !m_appState->transactionRepository()->insert(opening)) {
        qWarning().noquote() << "Creating account" << account.id
                             << "with its opening balance failed; nothing was stored";
        return false;
    }
    return transaction.commit();
}

bool AccountEditor::createAccounts(const QList<Account>& accounts)
{
    // One signal for them all, once they are stored or rolled back.
    ChangeHold hold{m_appState->accountRepository()};
    ScopedTransaction transaction(m_appState->database()->connection());
    if (!transaction.isActive())
        return false;
    for (const Account& account : accounts) {
        if (!m_appState->accountRepository()->insert(account)) {
            qWarning().noquote() << "Creating account" << account.id << "failed; none of" << accounts.size()
                                 << "accounts was stored";
            return false;
        }
    }
    return transaction.commit();
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

bool AccountEditor::restoreAccount(const QString& accountId)
{
    const std::optional<Account> account = m_appState->accountRepository()->getById(accountId);
    if (!account || !account->deleted_at) {
        qWarning().noquote() << "Account" << accountId << "is not deleted; there is nothing to restore";
        return false;
    }

    ScopedTransaction transaction(m_appState->database()->connection());
    if (!transaction.isActive())
        return false;

    // deleteAccount stamps the account and its rows with one time, but rows
    // that came by sync keep the stamps of the device that deleted them,
    // which may have reached the rows some seconds before the account. A row
    // stamped well before was deleted on its own (a transaction removed the
    // day before) and must not come back with the account.
    const QString deletedSince = toIsoUtc(account->deleted_at->addSecs(-kRestoreMarginSeconds));
    m_appState->transactionRepository()->restoreByAccount(accountId, deletedSince);
    m_appState->recurringRepository()->restoreByAccount(accountId, deletedSince);
    m_appState->reconciliationRepository()->restoreByAccount(accountId, deletedSince);
    // A failed restore of the rows reads as "none restored": what is still
    // deleted since that time tells the two apart.
    if (!m_appState->accountRepository()->restore(accountId) || rowsStillDeleted(accountId, deletedSince) != 0) {
        qWarning().noquote() << "Restoring account" << accountId << "failed; nothing was restored";
        return false;
    }
    return transaction.commit();
}

int AccountEditor::rowsStillDeleted(const QString& accountId, const QString& deletedSince) const
{
    SqlStatement statement(
        m_appState->database()->connection(),
        QStringLiteral("SELECT (SELECT COUNT(*) FROM transactions WHERE account_id = ? AND deleted_at >= ?)"
                       " + (SELECT COUNT(*) FROM recurring_transactions WHERE account_id = ? AND deleted_at >= ?)"
                       " + (SELECT COUNT(*) FROM reconciliations WHERE account_id = ? AND deleted_at >= ?)"),
        "AccountEditor::rowsStillDeleted");
    for (int table = 0; table < 3; ++table)
        statement.bind(accountId).bind(deletedSince);
    if (!statement.exec() || !statement.next())
        return -1;
    return statement.value(0).toInt();
}
