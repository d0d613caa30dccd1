#include "account/ShareMember.h"

#include "account/JsonFieldReader.h"

using namespace Qt::StringLiterals;

namespace TandAccount {

ShareMember ShareMember::fromJson(const QJsonObject& json)
{
    const JsonFieldReader fields(json);
    ShareMember member;
    member.user_id = fields.text("user_id"_L1);
    member.id = member.user_id;
    member.email = fields.text("email"_L1);
    member.display_name = fields.text("display_name"_L1);
    member.role = fields.text("role"_L1);
    member.created_at = fields.text("created_at"_L1);
    return member;
}

} // namespace TandAccount
