#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace TandAccount {

// The signed-in user, as "/users/me" describes them.
struct User
{
    QString id;
    QString email;
    QString display_name;
    QString username;
    QString avatar_url;
    QDateTime created_at;

    static User fromJson(const QJsonObject& json);
    bool operator==(const User&) const = default;
};

} // namespace TandAccount
