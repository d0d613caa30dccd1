#include "register/TransactionActions.h"

#include "appstate/AppState.h"
#include "appstate/PlainMessage.h"
#include "register/RegisterEditor.h"
#include "register/TransactionFormDialog.h"
#include "storage/AccountRepository.h"

TransactionActions::TransactionActions(AppState* appState, QWidget* window)
    : QObject(window)
    , m_appState(appState)
    , m_window(window)
    , m_editor(new RegisterEditor(appState, this))
{
}

QString TransactionActions::addTransaction(const QString& accountId)
{
    TransactionFormDialog form(m_appState, accountId, m_window);
    while (form.exec() == QDialog::Accepted) {
        const TransactionDraft draft = form.draft();
        if (m_editor->addTransaction(draft))
            return draft.transaction.id;
        Q_EMIT failed(tr("The new transaction could not be saved: %1.").arg(m_editor->lastError()));
    }
    return {};
}

bool TransactionActions::editTransaction(const Transaction& transaction)
{
    TransactionFormDialog form(m_appState, transaction, m_window);
    while (form.exec() == QDialog::Accepted) {
        const TransactionDraft draft = form.draft();
        if (!confirmReconciledChange(transaction, draft))
            continue;
        if (m_editor->updateTransaction(draft))
            return true;
        Q_EMIT failed(tr("The changes to the transaction could not be saved: %1.").arg(m_editor->lastError()));
    }
    return false;
}

bool TransactionActions::deleteTransaction(const Transaction& transaction)
{
    const std::optional<Transaction> otherSide = m_editor->liveOtherSide(transaction);
    QString question = otherSide
        ? tr("Delete the transfer for %1? Its other side, in %2, is deleted too.")
              .arg(transaction.payee, accountName(otherSide->account_id))
        : tr("Delete the transaction for %1?").arg(transaction.payee);
    if (transaction.reconciled)
        question += u' ' + tr("This transaction is reconciled: its statement will no longer add up.");
    else if (otherSide && otherSide->reconciled)
        question += u' ' + tr("The other side is reconciled: its statement will no longer add up.");
    if (!askPlainQuestion(m_window, tr("Delete Transaction"), question))
        return false;
    if (m_editor->deleteTransaction(transaction.id))
        return true;
    Q_EMIT failed(tr("The transaction could not be deleted: %1.").arg(m_editor->lastError()));
    return false;
}

bool TransactionActions::confirmReconciledChange(const Transaction& stored, const TransactionDraft& draft)
{
    // Only the amount counts towards a statement; a new memo does not.
    const TransactionDraft before = storedDraft(m_appState, stored);
    const bool amountChanges = draft.transaction.amount != stored.amount;
    const bool otherSideChanges = amountChanges || draft.transferAccountId != before.transferAccountId
        || draft.transaction.is_split != stored.is_split || draft.transferAmount.has_value();
    const std::optional<Transaction> otherSide = m_editor->liveOtherSide(stored);
    const bool reconciledHere = stored.reconciled && amountChanges;
    const bool reconciledThere = otherSide && otherSide->reconciled && otherSideChanges
        && !(draft.transferAmount && *draft.transferAmount == otherSide->amount && !amountChanges);
    if (!reconciledHere && !reconciledThere)
        return true;
    const QString where = reconciledHere ? tr("This transaction is reconciled")
                                         : tr("Its other side, in %1, is reconciled").arg(accountName(otherSide->account_id));
    return askPlainQuestion(m_window, tr("Change a Reconciled Transaction"),
                            tr("%1: changing it means its statement will no longer add up. Change it anyway?")
                                .arg(where));
}

QString TransactionActions::accountName(const QString& accountId) const
{
    const std::optional<Account> account = m_appState->accountRepository()->getById(accountId);
    return account ? account->name : tr("another account");
}
