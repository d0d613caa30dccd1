#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace TandAccount {

// One place where the user is signed in.
struct Session
{
    QString id;
    QString user_agent;
    QString ip_address;
    QDateTime created_at;
    QDateTime last_active_at;
    // The service's mark of the session that asked for the list.
    bool is_current = false;

    static Session fromJson(const QJsonObject& json);
    bool operator==(const Session&) const = default;
};

} // namespace TandAccount
