#include "register/TransactionDraft.h"

#include "appstate/AppState.h"
#include "storage/SplitLineRepository.h"
#include "storage/TransactionRepository.h"


qint64 TransactionDraft::splitTotal() const
{
    qint64 total = 0;
    for (const SplitLine& line : splitLines)
        total += line.amount;
    return total;
}

TransactionDraft storedDraft(AppState* appState, const Transaction& transaction)
{
    TransactionDraft draft;
    draft.transaction = transaction;
    if (transaction.is_split)
        draft.splitLines = appState->splitLineRepository()->listByTransaction(transaction.id);
    draft.transferAccountId = transaction.transfer_dest_account_id;
    if (draft.transferAccountId.isEmpty()) {
        if (const std::optional<Transaction> other = appState->transactionRepository()->transferPartner(transaction))
            draft.transferAccountId = other->account_id;
    }
    return draft;
}
