#include "account/Session.h"

#include "account/JsonFieldReader.h"

using namespace Qt::StringLiterals;

namespace TandAccount {

Session Session::fromJson(const QJsonObject& json)
{
    const JsonFieldReader fields(json);
    Session session;
    session.id = fields.text("id"_L1);
    session.user_agent = fields.text("user_agent"_L1);
    session.ip_address = fields.text("ip_address"_L1);
    session.created_at = fields.dateTime("created_at"_L1);
    session.last_active_at = fields.dateTime("last_active_at"_L1);
    session.is_current = fields.boolean("is_current"_L1);
    return session;
}

} // namespace TandAccount
