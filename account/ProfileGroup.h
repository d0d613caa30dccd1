#pragma once

#include <QJsonObject>
#include <QString>

namespace TandAccount {

// The summary of the user's family group inside their profile.
struct ProfileGroup
{
    QString id;
    QString name;
    // The user's role in the group.
    QString role;
    int member_count = 0;

    static ProfileGroup fromJson(const QJsonObject& json);
    bool operator==(const ProfileGroup&) const = default;
};

} // namespace TandAccount
