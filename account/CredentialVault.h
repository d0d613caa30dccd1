#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace TandAccount {

// The platform's secret storage, with the semantics of the Windows credential
// calls: a blob per target name, read, written whole and deleted.
//
// On Linux each target is one file in a folder only the user may enter (0700),
// readable only by the user (0600) and replaced atomically, so a crash never
// leaves half a token behind. The folder and its files are trusted only when
// they are the user's own and no link leads elsewhere: wider modes are
// narrowed before a byte is read, and anything else counts as no credential,
// so no other local user can read the tokens or plant their own.
class CredentialVault
{
public:
    // No token comes near this; a file beyond it is not one of ours.
    static constexpr qint64 kMaxBlobBytes = 64 * 1024;

    explicit CredentialVault(const QString& directory);

    // No value when nothing usable is stored: no file, or one that is too
    // large, not a regular file or not the user's own.
    std::optional<QByteArray> read(const QString& target) const;
    bool write(const QString& target, const QByteArray& blob);
    // True when a credential was deleted.
    bool remove(const QString& target);

    // The file that holds a target. Target names carry slashes and any text a
    // caller chose, so they are percent-encoded into one plain file name.
    QString filePathFor(const QString& target) const;

private:
    // The folder opened as a descriptor, when it is the user's own folder
    // (made first when `create`), narrowed to 0700; -1 otherwise.
    int openFolder(bool create) const;

    QString m_directory;
};

} // namespace TandAccount
