#include "account/Device.h"

#include "account/JsonFieldReader.h"

using namespace Qt::StringLiterals;

namespace TandAccount {

Device Device::fromJson(const QJsonObject& json)
{
    const JsonFieldReader fields(json);
    Device device;
    device.id = fields.text("id"_L1);
    device.device_name = fields.text("device_name"_L1);
    device.platform = fields.text("platform"_L1);
    device.app_id = fields.text("app_id"_L1);
    device.app_version = fields.text("app_version"_L1);
    device.last_sync_at = fields.dateTime("last_sync_at"_L1);
    device.device_fingerprint = fields.text("device_fingerprint"_L1);
    device.created_at = fields.dateTime("created_at"_L1);
    return device;
}

} // namespace TandAccount
