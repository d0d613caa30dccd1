#pragma once

#include <QComboBox>
#include <QString>

class AccountRepository;

// "All Accounts" and then every live account in the account list's order,
// for windows that show one account or all of them.
class AccountPicker : public QComboBox
{
    Q_OBJECT

public:
    explicit AccountPicker(AccountRepository* accounts, QWidget* parent = nullptr);

    // Lists the accounts again. The chosen account stays chosen while it is
    // live, so a change elsewhere does not undo the user's choice; a deleted
    // one gives way to All Accounts, which is announced.
    void reload();

    // Empty for All Accounts.
    QString accountId() const;
    // An account not listed chooses All Accounts.
    void setAccountId(const QString& accountId);

Q_SIGNALS:
    void accountChanged(const QString& accountId);

private:
    AccountRepository* m_accounts;
    bool m_reloading = false;
};
