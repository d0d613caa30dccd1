#pragma once

#include "import/QifScanResult.h"
#include "storage/Account.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// Where the transactions of each account that QIF files list may go: into an
// account of the ledger, into a new account made for them, or nowhere. The
// import window offers these choices, one row for each source account.
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

    // In the order offered: a new account, skip, then each of `accounts`.
    static QList<Choice> choices(const QifSourceAccount& source, const QList<Account>& accounts);

    // The index in choices() chosen at first: the account whose name is the
    // one the file gives, ignoring case, else a new account. The transactions
    // a file lists under no account name none, so they go to a new account
    // until the user picks one.
    static int preselected(const QifSourceAccount& source, const QList<Account>& accounts);

    // What a new account for the source is called: the name the file gives
    // it, or, for a file that names none, the file's name without its
    // extension ("my bank" for my bank.qif).
    static QString newAccountName(const QifSourceAccount& source);

    // A new account for the source, of the type its file suggests, in US
    // dollars, starting at 0 and pending for sync.
    static Account newAccount(const QifSourceAccount& source);
};
