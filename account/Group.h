#pragma once

#include "account/GroupInvitation.h"
#include "account/GroupMember.h"

#include <QJsonObject>
#include <QList>
#include <QString>

namespace TandAccount {

// The user's family group with its members and open invitations.
struct Group
{
    QString id;
    QString name;
    int max_seats = 0;
    QList<GroupMember> members;
    QList<GroupInvitation> pending_invitations;

    static Group fromJson(const QJsonObject& json);
    bool operator==(const Group&) const = default;
};

} // namespace TandAccount
