#include "screens/Reconciler.h"

#include "appstate/AppState.h"
#include "storage/AccountRepository.h"
#include "storage/Database.h"
#include "storage/Money.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecordId.h"
#include "storage/RecordVersion.h"
#include "storage/ScopedTransaction.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"

#include <QtDebug>

#include <algorithm>

Reconciler::Reconciler(AppState* appState)
    : m_appState(appState)
{
}

std::optional<Reconciler::Opening> Reconciler::open(const QString& accountId) const
{
    const std::optional<Account> account = m_appState->accountRepository()->getById(accountId);
    if (!account || account->deleted_at) {
        qWarning().noquote() << "Reconciler: account" << accountId << "is missing or deleted";
        return std::nullopt;
    }

    Opening opening;
    opening.account = *account;
    const TransactionRepository::ReconciledTotal reconciled =
        m_appState->transactionRepository()->reconciledTotal(accountId);
    opening.previousBalance = saturatingAdd(account->starting_balance, reconciled.sum);
    const std::optional<QDate> lastReconciled = reconciled.latestDate;

    // On a tie the statement's own date counts; the result is the same day.
    std::optional<QDate> last;
    if (const std::optional<Reconciliation> latest =
            m_appState->reconciliationRepository()->latestByAccount(accountId))
        last = latest->statement_date;
    if (lastReconciled && (!last || *lastReconciled > *last))
        last = lastReconciled;
    // addMonths keeps the day, or takes the month's last when it has fewer
    // days: a statement of January 31 is followed by one of February 28/29.
    // A statement describes the past: never propose a day still to come.
    if (last && last->isValid())
        opening.statementDate = std::min(last->addMonths(1), QDate::currentDate());
    return opening;
}

std::optional<Reconciliation> Reconciler::finish(const Opening& opening, const QDate& statementDate,
                                                 qint64 statementBalance, const QList<Transaction>& ticked)
{
    TransactionRepository* transactions = m_appState->transactionRepository();
    const QString& accountId = opening.account.id;
    ScopedTransaction transaction(m_appState->database()->connection());
    if (!transaction.isActive()) {
        qWarning().noquote() << "Reconciler: no database transaction for account" << accountId;
        return std::nullopt;
    }

    // The statement was balanced against this previous balance: a reconciled
    // transaction changed since (from the register, or by a sync) would make
    // the record disagree with its own figures.
    const std::optional<Account> account = m_appState->accountRepository()->getById(accountId);
    if (!account || account->deleted_at
        || saturatingAdd(account->starting_balance, transactions->reconciledTotal(accountId).sum)
            != opening.previousBalance) {
        qWarning().noquote() << "Reconciler: the previous balance of account" << accountId
                             << "changed since it was shown; the reconciliation was not stored";
        return std::nullopt;
    }

    const QDateTime now = nowUtc();
    qint64 reconciledBalance = opening.previousBalance;
    for (const Transaction& shown : ticked) {
        // Written from the stored row, so that what changed since it was
        // read (a sync pass marking it synced) is kept.
        std::optional<Transaction> stored = transactions->getById(shown.id);
        if (!stored || stored->deleted_at || stored->reconciled || stored->account_id != accountId
            || stored->amount != shown.amount) {
            qWarning().noquote() << "Reconciler: transaction" << shown.id
                                 << "changed since it was shown; the reconciliation was not stored";
            return std::nullopt;
        }
        stored->cleared = true;
        stored->reconciled = true;
        stored->version = nextRecordVersion(stored->version);
        stored->sync_status = SyncStatus::Pending;
        stored->updated_at = now;
        if (!transactions->update(*stored)) {
            qWarning().noquote() << "Reconciler: transaction" << shown.id << "could not be marked reconciled";
            return std::nullopt;
        }
        reconciledBalance = saturatingAdd(reconciledBalance, stored->amount);
    }

    Reconciliation record;
    record.id = newRecordId();
    record.account_id = accountId;
    record.statement_date = statementDate;
    record.statement_balance = statementBalance;
    record.reconciled_balance = reconciledBalance;
    record.completed_at = now;
    record.created_at = now;
    record.updated_at = now;
    if (!m_appState->reconciliationRepository()->insert(record)) {
        qWarning().noquote() << "Reconciler: the reconciliation of account" << accountId << "could not be stored";
        return std::nullopt;
    }
    if (!transaction.commit()) {
        qWarning().noquote() << "Reconciler: the reconciliation of account" << accountId << "could not be committed";
        return std::nullopt;
    }
    return record;
}
