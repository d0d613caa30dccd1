#include "screens/AccountPicker.h"

#include "storage/AccountRepository.h"

AccountPicker::AccountPicker(AccountRepository* accounts, QWidget* parent)
    : QComboBox(parent)
    , m_accounts(accounts)
{
    // Names are the user's and can be long: the list shows them whole while
    // the box keeps to its place in a row of filters.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(14);
    reload();
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_reloading)
            Q_EMIT accountChanged(accountId());
    });
}

void AccountPicker::reload()
{
    const QString chosen = accountId();
    m_reloading = true;
    clear();
    addItem(tr("All Accounts"), QString());
    for (const Account& account : m_accounts->listActive())
        addItem(account.name, account.id);
    const int index = findData(chosen);
    setCurrentIndex(qMax(index, 0));
    m_reloading = false;
    if (index < 0 && !chosen.isEmpty())
        Q_EMIT accountChanged(QString());
}

QString AccountPicker::accountId() const { return currentData().toString(); }

void AccountPicker::setAccountId(const QString& accountId)
{
    setCurrentIndex(qMax(findData(accountId), 0));
}
