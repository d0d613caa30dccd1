#include "account/Group.h"

#include "account/JsonFieldReader.h"

using namespace Qt::StringLiterals;

namespace TandAccount {

Group Group::fromJson(const QJsonObject& json)
{
    const JsonFieldReader fields(json);
    Group group;
    group.id = fields.text("id"_L1);
    group.name = fields.text("name"_L1);
    group.max_seats = fields.integer("max_seats"_L1);
    group.members = fields.list("members"_L1, &GroupMember::fromJson);
    group.pending_invitations = fields.list("pending_invitations"_L1, &GroupInvitation::fromJson);
    return group;
}

} // namespace TandAccount
