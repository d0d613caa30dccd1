#pragma once

#include "account/ProfileGroup.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace TandAccount {

// The user's account profile.
struct Profile
{
    QString id;
    QString email;
    QString display_name;
    QString avatar_url;
    QString language;
    QString timezone;
    QString status;
    QDateTime created_at;
    // Present exactly when the answer has the key "group", whatever its value.
    std::optional<ProfileGroup> group;

    static Profile fromJson(const QJsonObject& json);
    bool operator==(const Profile&) const = default;
};

} // namespace TandAccount
