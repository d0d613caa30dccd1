#include "account/DeviceIdentity.h"

#include "account/MachineId.h"

#include <QCryptographicHash>
#include <QSysInfo>

namespace TandAccount {

QString deviceName()
{
    return QSysInfo::machineHostName();
}

QString devicePlatform()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#else
    return QStringLiteral("Linux");
#endif
}

QString deviceFingerprint(const QString& appId)
{
    const QString id = machineId(appId);
    return id.isEmpty() ? hostNameFingerprint(deviceName()) : id;
}

QString hostNameFingerprint(const QString& hostName)
{
    const QByteArray digest = QCryptographicHash::hash(hostName.toUtf8(), QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.toHex().left(32));
}

} // namespace TandAccount
