#pragma once

#include <QString>

namespace TandUpdate {

// The manifest's key for the build that is running: "windows-x64" or
// "linux-x64"; empty on any other system, which is then offered no update.
QString platformKey();

// The same for a kernel type and processor architecture as QSysInfo names them.
QString platformKeyFor(const QString& kernelType, const QString& cpuArchitecture);

} // namespace TandUpdate
