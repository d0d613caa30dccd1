#pragma once

#include "import/QifScanResult.h"
#include "storage/Account.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>

// Where the transactions of each account that QIF files list may go: into an
// account of the ledger, into a new account made for them, or nowhere. The
// import window offers these choices, one row for each source account, over
// the ledger's accounts as they were when the mapping was made; it looks an
// account up by id or name without going through them all, so that many
// rows over many accounts cost no more than filling their choices.
class QifAccountMapping
{
    Q_DECLARE_TR_FUNCTIONS(QifAccountMapping)

public:
    // The value of the choice to make a new account, and of the one to skip
    // the transactions; every other choice's value is an account id.
    static const QString kCreate;
    static const QString kSkip;

    struct Choice
    {
        QString text;
        QString value;
    };

    explicit QifAccountMapping(const QList<Account>& accounts);

    // In the order offered: a new account, skip, then each account.
    QList<Choice> choices(const QifSourceAccount& source) const;

    // The index in choices() of the choice of that value; -1 for an account
    // not among them.
    int indexOf(const QString& value) const;

    // The index in choices() chosen at first: `madeForIt`, the account made
    // for this source by an import that then failed, while it is among the
    // accounts; else the first account whose name is the one the file
    // gives, ignoring case, else a new account. The transactions a file
    // lists under no account name none, so they go to a new account until
    // the user picks one.
    int preselected(const QifSourceAccount& source, const QString& madeForIt = {}) const;

    // What a new account for the source is called: the name the file gives
    // it, or, for a file that names none, the file's name without its
    // extension ("my bank" for my bank.qif).
    static QString newAccountName(const QifSourceAccount& source);

    // A new account for the source, of the type its file suggests, in US
    // dollars, starting at 0 and pending for sync.
    static Account newAccount(const QifSourceAccount& source);

private:
    // The choices every source is offered after its own two.
    QList<Choice> m_accountChoices;
    // Account id -> its index in choices().
    QHash<QString, int> m_indexById;
    // Account name, case-folded -> the index of its first account in choices().
    QHash<QString, int> m_indexByName;
};
