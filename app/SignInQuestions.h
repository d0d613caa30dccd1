#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// The questions put to the user before anything of a sign-in is kept, or
// anything of the ledger is sent for it. Each names accounts as the service
// does, in plain text; No is the default, as Escape gives.
class SignInQuestions
{
    Q_DECLARE_TR_FUNCTIONS(SignInQuestions)

public:
    // The service's redirect did not show that it answers the sign-in
    // started here: true to sign in as `email` all the same.
    static bool confirmAccount(QWidget* parent, const QString& email);
    // True to upload the ledger last synced with `lastAccount` to
    // `newAccount`, signed in now.
    static bool confirmHandOver(QWidget* parent, const QString& lastAccount, const QString& newAccount,
                                int transactionCount);
};
