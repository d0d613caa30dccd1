#pragma once

#include <QString>

namespace TandAccount {

// The platform's id of this machine, in a form the application may send: on
// Linux the first 32 lower-case hex digits of HMAC-SHA256 of /etc/machine-id
// keyed by the application id, since the raw id must not leave the machine
// (other programs use it as a secret). Empty where there is none.
QString machineId(const QString& appId);

// The same from a given machine-id file. Empty when the file is missing or
// does not hold a machine id (32 hex digits).
QString machineIdFromFile(const QString& path, const QString& appId);

} // namespace TandAccount
