#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace TandAccount {

// One computer registered with the account service.
struct Device
{
    QString id;
    QString device_name;
    QString platform;
    QString app_id;
    QString app_version;
    QDateTime last_sync_at;
    QString device_fingerprint;
    QDateTime created_at;

    static Device fromJson(const QJsonObject& json);
    bool operator==(const Device&) const = default;
};

} // namespace TandAccount
