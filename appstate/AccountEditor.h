#pragma once

#include "storage/Account.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

class AppState;

// Stores what the account windows produce: a new account, an edit, a
// delete that takes the account's rows with it and the restore that brings
// them back.
class AccountEditor : public QObject
{
    Q_OBJECT

public:
    explicit AccountEditor(AppState* appState, QObject* parent = nullptr);

    bool createAccount(const Account& account);

    // Stores a new account whose starting balance becomes its first
    // transaction: the account starts at 0, and a cleared and reconciled
    // "Opening Balance" of that amount stands on `asOf`, where the register
    // shows it and a reconciliation can count it. Both are stored or
    // neither; a balance of 0 stores the account alone.
    bool createAccountWithOpeningBalance(const Account& account, const QDate& asOf);

    // Stores the new accounts all together, or none of them.
    bool createAccounts(const QList<Account>& accounts);

    // Stores the edited fields one version above the stored row, pending for
    // sync. False when the account is gone or the write failed.
    bool updateAccount(const Account& edited);

    // Soft-deletes the account with its transactions, recurring items and
    // reconciliations under one timestamp in one database transaction, so a
    // later restore brings them all back together. False (nothing changed)
    // when any part failed.
    bool deleteAccount(const QString& accountId);

    // Brings back a deleted account with the transactions, recurring items
    // and reconciliations deleted together with it, in one database
    // transaction. Rows of the account deleted more than ten seconds before
    // it stay deleted. False (nothing changed) when the account is not
    // deleted or any part failed.
    bool restoreAccount(const QString& accountId);

private:
    // Rows of the account's tables deleted at or after that time; -1 when
    // they cannot be counted.
    int rowsStillDeleted(const QString& accountId, const QString& deletedSince) const;

    AppState* m_appState;
};
