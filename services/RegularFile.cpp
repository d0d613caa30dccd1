#include "services/RegularFile.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

RegularFile::Opened RegularFile::openForReading(QFile& file, QString* error)
{
#ifdef Q_OS_UNIX
    // Without O_NONBLOCK opening a pipe waits for a writer; the kind is
    // taken from the descriptor, so the file cannot be swapped in between.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return Opened::Unreadable;
    }
    struct stat status{};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return Opened::NotRegular;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (error)
            *error = file.errorString();
        return Opened::Unreadable;
    }
    return Opened::Yes;
#else
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile())
        return Opened::NotRegular;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return Opened::Unreadable;
    }
    return file.isSequential() ? (file.close(), Opened::NotRegular) : Opened::Yes;
#endif
}
