#include "account/CredentialVault.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace TandAccount {

namespace {

constexpr mode_t kFolderMode = 0700;
constexpr mode_t kFileMode = 0600;

// Closes a descriptor when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// Gives the file or folder behind `fd` exactly `mode`, unless it has it.
bool narrow(int fd, const struct stat& status, mode_t mode)
{
    return (status.st_mode & 07777) == mode || ::fchmod(fd, mode) == 0;
}

QByteArray fileName(const QString& path)
{
    return QFile::encodeName(QFileInfo(path).fileName());
}

} // namespace

CredentialVault::CredentialVault(const QString& directory)
    : m_directory(directory)
{
}

QString CredentialVault::filePathFor(const QString& target) const
{
    // Dots are encoded too, so no target can name "." or "..".
    const QByteArray name = QUrl::toPercentEncoding(target, QByteArray(), QByteArrayLiteral("."));
    return QDir(m_directory).filePath(QString::fromLatin1(name));
}

int CredentialVault::openFolder(bool create) const
{
    if (create && !QDir().mkpath(m_directory)) {
        qWarning() << "CredentialVault: cannot create the credential folder" << m_directory;
        return -1;
    }
    Descriptor folder(::open(QFile::encodeName(m_directory).constData(),
                             O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.isOpen()) {
        if (errno != ENOENT)
            qWarning() << "CredentialVault: the credential folder is a link or no folder; no token is kept there:"
                       << m_directory;
        return -1;
    }
    struct stat status{};
    if (::fstat(folder.fd(), &status) != 0 || status.st_uid != ::geteuid()) {
        qWarning() << "CredentialVault: the credential folder belongs to another user; its tokens are not used:"
                   << m_directory;
        return -1;
    }
    if (!narrow(folder.fd(), status, kFolderMode)) {
        qWarning() << "CredentialVault: cannot restrict the credential folder" << m_directory;
        return -1;
    }
    return folder.release();
}

std::optional<QByteArray> CredentialVault::read(const QString& target) const
{
    const Descriptor folder(openFolder(false));
    if (!folder.isOpen())
        return std::nullopt;
    // Without O_NONBLOCK a named pipe would hold the open until somebody
    // writes to it; the kind of file is asked of the opened descriptor.
    const Descriptor file(::openat(folder.fd(), fileName(filePathFor(target)).constData(),
                                   O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen()) {
        if (errno != ENOENT)
            qWarning() << "CredentialVault: a credential file is a link or cannot be read; no token is read from it";
        return std::nullopt;
    }
    struct stat status{};
    // A second link to the file would be a way to a file elsewhere.
    if (::fstat(file.fd(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_nlink != 1) {
        qWarning() << "CredentialVault: a credential file is not a regular file; no token is read from it";
        return std::nullopt;
    }
    if (status.st_uid != ::geteuid()) {
        qWarning() << "CredentialVault: a credential file belongs to another user; its token is not used";
        return std::nullopt;
    }
    if (!narrow(file.fd(), status, kFileMode)) {
        qWarning() << "CredentialVault: cannot restrict a credential file; its token is not used";
        return std::nullopt;
    }
    // The size is read as well as asked: the file may grow meanwhile.
    QByteArray blob(kMaxBlobBytes + 1, Qt::Uninitialized);
    qsizetype length = 0;
    if (status.st_size <= kMaxBlobBytes) {
        while (length < blob.size()) {
            const ssize_t got = ::read(file.fd(), blob.data() + length, size_t(blob.size() - length));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            length += got;
        }
    }
    if (status.st_size > kMaxBlobBytes || length > kMaxBlobBytes) {
        qWarning() << "CredentialVault: a credential file is larger than any token; it is not used";
        return std::nullopt;
    }
    blob.truncate(length);
    return blob;
}

bool CredentialVault::write(const QString& target, const QByteArray& blob)
{
    const Descriptor folder(openFolder(true));
    if (!folder.isOpen())
        return false;

    QSaveFile file(filePathFor(target));
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning() << "CredentialVault: cannot write a credential:" << file.errorString();
        return false;
    }
    // Applies to the temporary file, before a byte of the secret is in it.
    if (!file.setPermissions(QFile::ReadOwner | QFile::WriteOwner)) {
        qWarning() << "CredentialVault: cannot restrict a credential file";
        file.cancelWriting();
        return false;
    }
    if (file.write(blob) != blob.size() || !file.commit()) {
        qWarning() << "CredentialVault: cannot write a credential:" << file.errorString();
        return false;
    }
    return true;
}

bool CredentialVault::remove(const QString& target)
{
    const Descriptor folder(openFolder(false));
    return folder.isOpen() && ::unlinkat(folder.fd(), fileName(filePathFor(target)).constData(), 0) == 0;
}

} // namespace TandAccount
