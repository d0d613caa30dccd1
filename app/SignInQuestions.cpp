#include "app/SignInQuestions.h"

#include "appstate/PlainMessage.h"

namespace {

// An address may be wider than the widest box: it may wrap after "@" and
// after each ".", which leaves no part longer than a name or a domain label.
QString wrappable(QString address)
{
    address.replace(u'@', QStringLiteral("@\u200B"));
    address.replace(u'.', QStringLiteral(".\u200B"));
    return address;
}

} // namespace

bool SignInQuestions::confirmAccount(QWidget* parent, const QString& email)
{
    return askPlainQuestion(parent, tr("Confirm Sign-In"),
                            tr("Sign in as %1?").arg(wrappable(email)) + QStringLiteral("\n\n")
                                + tr("Choose Yes only if this is the account you just signed in with in your "
                                     "browser."));
}

bool SignInQuestions::confirmHandOver(QWidget* parent, const QString& lastAccount, const QString& newAccount,
                                      int transactionCount)
{
    return askPlainQuestion(
        parent, tr("Upload Ledger"),
        tr("Upload this ledger to the account %1?").arg(wrappable(newAccount)) + QStringLiteral("\n\n")
            + tr("This ledger holds %n transaction(s) and last synced with the account %1.", nullptr, transactionCount)
                  .arg(wrappable(lastAccount))
            + u' '
            + tr("If you choose No, %1 is signed out and the ledger stays as it is.").arg(wrappable(newAccount)));
}
