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
// leaves half a token behind.
class CredentialVault
{
public:
    explicit CredentialVault(const QString& directory);

    std::optional<QByteArray> read(const QString& target) const;
    bool write(const QString& target, const QByteArray& blob);
    // True when a credential was deleted.
    bool remove(const QString& target);

    // The file that holds a target. Target names carry slashes and any text a
    // caller chose, so they are percent-encoded into one plain file name.
    QString filePathFor(const QString& target) const;

private:
    bool ensureDirectory();

    QString m_directory;
};

} // namespace TandAccount
