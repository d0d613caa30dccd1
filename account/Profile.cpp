#include "account/Profile.h"

#include "account/JsonFieldReader.h"

using namespace Qt::StringLiterals;

namespace TandAccount {

Profile Profile::fromJson(const QJsonObject& json)
{
    const JsonFieldReader fields(json);
    Profile profile;
    profile.id = fields.text("id"_L1);
    profile.email = fields.text("email"_L1);
    profile.display_name = fields.text("display_name"_L1);
    profile.avatar_url = fields.text("avatar_url"_L1);
    profile.language = fields.text("language"_L1);
    profile.timezone = fields.text("timezone"_L1);
    profile.status = fields.text("status"_L1);
    profile.created_at = fields.dateTime("created_at"_L1);
    if (fields.has("group"_L1))
        profile.group = ProfileGroup::fromJson(fields.object("group"_L1));
    return profile;
}

} // namespace TandAccount
