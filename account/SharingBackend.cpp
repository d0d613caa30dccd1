#include "account/SharingBackend.h"

namespace TandAccount {

SharingBackend::SharingBackend(QObject* parent)
    : QObject(parent)
{
}

QString SharingBackend::resolveShareUserId(const QString& memberAccountId) const
{
    return memberAccountId;
}

} // namespace TandAccount
