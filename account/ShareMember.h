#pragma once

#include <QJsonObject>
#include <QString>

namespace TandAccount {

// One person with whom an account is shared, as the sync service lists them.
struct ShareMember
{
    // What revokes the share; the service names the person by their user id.
    QString id;
    // Compared with group members' share user ids.
    QString user_id;
    QString email;
    QString display_name;
    // "owner" marks the account's owner; "member" is the role a share gives
    // unless another is asked for.
    QString role;
    // When the share was made, the service's text as it came.
    QString created_at;

    static ShareMember fromJson(const QJsonObject& json);
    bool operator==(const ShareMember&) const = default;
};

} // namespace TandAccount
