#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace TandAccount {

// One member of a family group.
struct GroupMember
{
    QString account_id;
    QString auth_user_id;
    QString display_name;
    QString email;
    // "owner" marks the group's owner.
    QString role;
    QDateTime joined_at;

    static GroupMember fromJson(const QJsonObject& json);
    bool operator==(const GroupMember&) const = default;
};

} // namespace TandAccount
