#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace TandAccount {

// An invitation to join a family group.
struct GroupInvitation
{
    QString id;
    QString invited_email;
    QString invite_code;
    QString status;
    QDateTime expires_at;

    static GroupInvitation fromJson(const QJsonObject& json);
    bool operator==(const GroupInvitation&) const = default;
};

} // namespace TandAccount
