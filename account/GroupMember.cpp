#include "account/GroupMember.h"

#include "account/JsonFieldReader.h"

using namespace Qt::StringLiterals;

namespace TandAccount {

GroupMember GroupMember::fromJson(const QJsonObject& json)
{
    const JsonFieldReader fields(json);
    GroupMember member;
    member.account_id = fields.text("account_id"_L1);
    member.auth_user_id = fields.text("auth_user_id"_L1);
    member.display_name = fields.text("display_name"_L1);
    member.email = fields.text("email"_L1);
    member.role = fields.text("role"_L1);
    member.joined_at = fields.dateTime("joined_at"_L1);
    return member;
}

} // namespace TandAccount
