#include "app/AccountEditor.h"

#include "app/AppState.h"
#include "services/ScopedTransaction.h"
#include "storage/AccountRepository.h"
#include "storage/Database.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"

#include <QSqlQuery>
#include <QtDebug>

namespace {

// softDeleteByAccount cannot tell "nothing to delete" from a failed
// statement, so the delete checks that no live row of the account is left
// before it commits. A failed check counts as rows left.
bool liveRowsRemain(const QSqlDatabase& db, const char* table, const QString& accountId)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE account_id = ? AND deleted_at IS NULL")
                      .arg(QLatin1String(table)));
    query.addBindValue(accountId);
    if (!query.exec() || !query.next()) {
        qWarning().noquote() << "Could not count the rows left in" << table << "for account" << accountId;
        return true;
    }
    return query.value(0).toInt() > 0;
}

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

bool AccountEditor::updateAccount(const Account& edited)
{
    const std::optional<Account> stored = m_appState->accountRepository()->getById(edited.id);
    if (!stored || stored->deleted_at) {
        qWarning().noquote() << "Account" << edited.id << "is gone; the edit was not stored";
        return false;
    }
    Account account = edited;
    account.version = stored->version + 1;
    account.sync_status = SyncStatus::Pending;
    account.updated_at = nowUtc();
    return m_appState->accountRepository()->update(account);
}

bool AccountEditor::deleteAccount(const QString& accountId)
{
    ScopedTransaction transaction(m_appState->database()->connection());
    if (!transaction.isActive())
        return false;

    const QDateTime at = nowUtc();
    m_appState->transactionRepository()->softDeleteByAccount(accountId, at);
    m_appState->recurringRepository()->softDeleteByAccount(accountId, at);
    m_appState->reconciliationRepository()->softDeleteByAccount(accountId, at);
    if (!m_appState->accountRepository()->softDelete(accountId, at))
        return false;

    const QSqlDatabase db = m_appState->database()->connection();
    for (const char* table : {"transactions", "recurring_transactions", "reconciliations"}) {
        if (liveRowsRemain(db, table, accountId)) {
            qWarning().noquote() << "Deleting account" << accountId << "left rows in" << table
                                 << "- nothing was deleted";
            return false;
        }
    }
    return transaction.commit();
}
