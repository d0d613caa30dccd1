#include "account/GroupInvitation.h"

#include "account/JsonFieldReader.h"

using namespace Qt::StringLiterals;

namespace TandAccount {

GroupInvitation GroupInvitation::fromJson(const QJsonObject& json)
{
    const JsonFieldReader fields(json);
    GroupInvitation invitation;
    invitation.id = fields.text("id"_L1);
    invitation.invited_email = fields.text("invited_email"_L1);
    invitation.invite_code = fields.text("invite_code"_L1);
    invitation.status = fields.text("status"_L1);
    invitation.expires_at = fields.dateTime("expires_at"_L1);
    return invitation;
}

} // namespace TandAccount
