#include "account/User.h"

#include "account/JsonFieldReader.h"

using namespace Qt::StringLiterals;

namespace TandAccount {

User User::fromJson(const QJsonObject& json)
{
    const JsonFieldReader fields(json);
    User user;
    user.id = fields.text("id"_L1);
    user.email = fields.text("email"_L1);
    user.display_name = fields.text("display_name"_L1);
    user.username = fields.text("username"_L1);
    user.avatar_url = fields.text("avatar_url"_L1);
    user.created_at = fields.dateTime("created_at"_L1);
    return user;
}

} // namespace TandAccount
