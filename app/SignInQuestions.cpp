#include "app/SignInQuestions.h"

#include "appstate/PlainMessage.h"

bool SignInQuestions::confirmAccount(QWidget* parent, const QString& email)
{
    return askPlainQuestion(parent, tr("Confirm Sign-In"),
                            tr("Sign in as %1?").arg(email) + QStringLiteral("\n\n")
                                + tr("Choose Yes only if this is the account you just signed in with in your "
                                     "browser."));
}
