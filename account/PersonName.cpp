#include "account/PersonName.h"

namespace TandAccount {

QString personName(const QString& displayName, const QString& email, const QString& id)
{
    if (!displayName.isEmpty())
        return displayName;
    return email.isEmpty() ? id : email;
}

} // namespace TandAccount
