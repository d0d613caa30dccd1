#pragma once

#include "account/ShareMember.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace TandAccount {

// Who may see one local account (one register), and changes to it: what the
// share dialog talks to. Every operation answers through its callback, once,
// on the GUI thread; a callback may be empty.
class SharingBackend : public QObject
{
    Q_OBJECT

public:
    // `ok` false means the list could not be read, never that it is empty.
    using MembersCallback = std::function<void(bool ok, const QList<ShareMember>& members)>;
    // `error` says why a share failed, in words a person can read.
    using ShareCallback = std::function<void(bool ok, const QString& error)>;
    using RemoveCallback = std::function<void(bool ok)>;

    explicit SharingBackend(QObject* parent = nullptr);

    virtual void listMembers(const QString& accountId, MembersCallback callback) = 0;
    // `who` is a user id or an e-mail address; an empty `role` gives the
    // service's default one.
    virtual void shareWith(const QString& accountId, const QString& who, const QString& role,
                           ShareCallback callback) = 0;
    virtual void removeShare(const QString& accountId, const QString& userId, RemoveCallback callback) = 0;
    // The user id that shares carry for a group member, from the member's
    // account id as the group lists it. The same id unless a backend knows better.
    virtual QString resolveShareUserId(const QString& memberAccountId) const;
};

} // namespace TandAccount
