#include "update/PlatformKey.h"

#include <QSysInfo>

namespace TandUpdate {

QString platformKey()
{
    return platformKeyFor(QSysInfo::kernelType(), QSysInfo::currentCpuArchitecture());
}

QString platformKeyFor(const QString& kernelType, const QString& cpuArchitecture)
{
    // Only builds that are shipped have a key: another system taking one of
    // them would be offered an installer it cannot run.
    if (cpuArchitecture != QLatin1String("x86_64"))
        return {};
    if (kernelType == QLatin1String("winnt"))
        return QStringLiteral("windows-x64");
    if (kernelType == QLatin1String("linux"))
        return QStringLiteral("linux-x64");
    return {};
}

} // namespace TandUpdate
