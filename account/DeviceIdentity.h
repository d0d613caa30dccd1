#pragma once

#include <QString>

namespace TandAccount {

// What the application tells the account service about this computer when
// it registers it.

// The host name as the operating system reports it.
QString deviceName();
// The operating system's name: "Windows", "Linux" or "macOS".
QString devicePlatform();
// Stable for this machine and application: the machine id (see MachineId.h),
// else derived from the host name.
QString deviceFingerprint(const QString& appId);
// The fallback: the first 32 lower-case hex digits of SHA-256 of the host name.
QString hostNameFingerprint(const QString& hostName);

} // namespace TandAccount
