#pragma once

#include "appstate/AppState.h"
#include "storage/AccountRepository.h"
#include "storage/Timestamp.h"
#include "storage/Transaction.h"
#include "storage/TransactionRepository.h"

#include <QUuid>

// Records for the register tests, stored through the application's own
// repositories so that the tests see what the register sees.
namespace registertest {

inline QString newId() { return QUuid::createUuid().toString(QUuid::WithoutBraces); }

inline Account addAccount(AppState& state, const QString& name, qint64 startingBalance = 0,
                          Currency currency = Currency::USD)
{
    Account account;
    account.id = newId();
    account.name = name;
    account.currency = currency;
    account.starting_balance = startingBalance;
    account.created_at = nowUtc();
    account.updated_at = account.created_at;
    state.accountRepository()->insert(account);
    return account;
}

inline Transaction makeTransaction(const QString& accountId, QDate date, qint64 amount, const QString& payee)
{
    Transaction transaction;
    transaction.id = newId();
    transaction.account_id = accountId;
    transaction.date = date;
    transaction.amount = amount;
    transaction.payee = payee;
    transaction.created_at = nowUtc();
    transaction.updated_at = transaction.created_at;
    return transaction;
}

inline Transaction addTransaction(AppState& state, const QString& accountId, QDate date, qint64 amount,
                                  const QString& payee)
{
    const Transaction transaction = makeTransaction(accountId, date, amount, payee);
    state.transactionRepository()->insert(transaction);
    return transaction;
}

} // namespace registertest
