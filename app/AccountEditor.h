#pragma once

#include "storage/Account.h"

#include <QObject>
#include <QString>

class AppState;

// Stores what the account forms produce: a new account, an edit and a
// delete that takes the account's rows with it.
class AccountEditor : public QObject
{
    Q_OBJECT

public:
    explicit AccountEditor(AppState* appState, QObject* parent = nullptr);

    bool createAccount(const Account& account);

    // Stores the edited fields one version above the stored row, pending for
    // sync. False when the account is gone or the write failed.
    bool updateAccount(const Account& edited);

    // Soft-deletes the account with its transactions, recurring items and
    // reconciliations under one timestamp in one database transaction, so a
    // later restore brings them all back together. False (nothing changed)
    // when any part failed.
    bool deleteAccount(const QString& accountId);

private:
    AppState* m_appState;
};
