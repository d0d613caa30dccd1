#pragma once

#include "storage/Account.h"
#include "storage/Reconciliation.h"
#include "storage/Transaction.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class AppState;

// What reconciling an account reads from the store and writes back to it,
// apart from any window: where the last statement left the account, and the
// finished reconciliation as one action.
class Reconciler
{
public:
    // Where the next reconciliation of an account starts.
    struct Opening
    {
        Account account;
        // The starting balance plus every reconciled transaction.
        qint64 previousBalance = 0;
        // One month after the later of the last statement and the last
        // reconciled transaction, today at the latest; none when the account
        // has neither.
        std::optional<QDate> statementDate;
    };

    explicit Reconciler(AppState* appState);

    // Empty (with a log line) when the account is missing or deleted.
    std::optional<Opening> open(const QString& accountId) const;

    // Marks each ticked transaction cleared and reconciled, which counts as
    // an edit (version one up, pending, updated now), and records the
    // statement with the balance those transactions add up to, all in one
    // database transaction. Refuses, writing nothing, when the previous
    // balance or a ticked transaction is no longer as it was shown (gone,
    // reconciled meanwhile or of another amount): the user balanced against
    // what was shown.
    // The stored record, or empty after a log line saying why.
    std::optional<Reconciliation> finish(const Opening& opening, const QDate& statementDate,
                                         qint64 statementBalance, const QList<Transaction>& ticked);

private:
    AppState* m_appState;
};
