#include "account/CredentialVault.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QUrl>

namespace TandAccount {

namespace {

constexpr QFile::Permissions kFolderMode = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kFileMode = QFile::ReadOwner | QFile::WriteOwner;

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

std::optional<QByteArray> CredentialVault::read(const QString& target) const
{
    QFile file(filePathFor(target));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool CredentialVault::write(const QString& target, const QByteArray& blob)
{
    if (!ensureDirectory())
        return false;

    QSaveFile file(filePathFor(target));
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning() << "CredentialVault: cannot write a credential:" << file.errorString();
        return false;
    }
    // Applies to the temporary file, before a byte of the secret is in it.
    if (!file.setPermissions(kFileMode)) {
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
    return QFile::remove(filePathFor(target));
}

bool CredentialVault::ensureDirectory()
{
    if (!QDir().mkpath(m_directory)) {
        qWarning() << "CredentialVault: cannot create the credential folder" << m_directory;
        return false;
    }
    // Narrowed on every write: a folder left with wider rights is not trusted.
    if (!QFile::setPermissions(m_directory, kFolderMode)) {
        qWarning() << "CredentialVault: cannot restrict the credential folder" << m_directory;
        return false;
    }
    return true;
}

} // namespace TandAccount
