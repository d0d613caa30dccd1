#include "import/ImportFile.h"

#include "services/RegularFile.h"

#include <QFile>
#include <QtDebug>

std::optional<QByteArray> ImportFile::readBytes(const QString& path, QString* failure)
{
    const auto refuse = [&](const QString& reason) -> std::optional<QByteArray> {
        qWarning().noquote() << "Import of" << path << "refused:" << reason;
        if (failure)
            *failure = reason;
        return std::nullopt;
    };

    QFile file(path);
    QString error;
    switch (RegularFile::openForReading(file, &error)) {
    case RegularFile::Opened::Unreadable:
        return refuse(tr("The file could not be opened: %1").arg(error));
    case RegularFile::Opened::NotRegular:
        return refuse(tr("The file could not be read: it is not a regular file."));
    case RegularFile::Opened::Yes:
        break;
    }
    const qint64 size = file.size();
    if (size > kMaxBytes)
        return refuse(tr("The file is larger than 100 MB, more than any bank statement holds."));
    const QByteArray bytes = file.read(size);
    if (bytes.size() != size || !file.read(1).isEmpty())
        return refuse(file.error() != QFileDevice::NoError
                          ? tr("The file could not be read: %1").arg(file.errorString())
                          : tr("The file changed while it was read."));
    return bytes;
}
