#include "account/MachineId.h"

#include <QFile>
#include <QMessageAuthenticationCode>

#include <cctype>

namespace TandAccount {

namespace {

constexpr int kMachineIdLength = 32;

bool isMachineId(const QByteArray& text)
{
    if (text.size() != kMachineIdLength)
        return false;
    for (const char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

} // namespace

QString machineId(const QString& appId)
{
#ifdef Q_OS_LINUX
    return machineIdFromFile(QStringLiteral("/etc/machine-id"), appId);
#else
    Q_UNUSED(appId);
    return {};
#endif
}

QString machineIdFromFile(const QString& path, const QString& appId)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The id and a line break; anything longer is not a machine id.
    const QByteArray id = file.read(kMachineIdLength + 2).trimmed();
    if (!isMachineId(id))
        return {};
    const QByteArray digest = QMessageAuthenticationCode::hash(id, appId.toUtf8(), QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.toHex().left(kMachineIdLength));
}

} // namespace TandAccount
