#include "account/ProfileGroup.h"

#include "account/JsonFieldReader.h"

using namespace Qt::StringLiterals;

namespace TandAccount {

ProfileGroup ProfileGroup::fromJson(const QJsonObject& json)
{
    const JsonFieldReader fields(json);
    ProfileGroup group;
    group.id = fields.text("id"_L1);
    group.name = fields.text("name"_L1);
    group.role = fields.text("role"_L1);
    group.member_count = fields.integer("member_count"_L1);
    return group;
}

} // namespace TandAccount
