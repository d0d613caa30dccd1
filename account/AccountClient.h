#pragma once

#include "account/ClientConfig.h"
#include "account/Device.h"
#include "account/Group.h"
#include "account/GroupInvitation.h"
#include "account/Profile.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace TandAccount {

class ApiClient;
class AuthClient;

// The account API: the user's profile, their family group (members,
// invitations, joining and leaving) and the devices registered to the
// account. Every request is authenticated through the account-API transport.
//
// Each answer tells failure from success: a record comes with `ok`, so an
// empty record from a failed request is never taken for an empty answer.
// Ids and invite codes go into request paths as one encoded segment each;
// one that cannot stand there (see PathId.h) is refused before any request,
// and the callback then hears a failure. Callbacks may be empty; the request and its side effects still
// happen.
class AccountClient : public QObject
{
    Q_OBJECT

public:
    using ProfileCallback = std::function<void(bool ok, const Profile& profile)>;
    using GroupCallback = std::function<void(bool ok, const Group& group)>;
    using InvitationCallback = std::function<void(bool ok, const GroupInvitation& invitation)>;
    using DevicesCallback = std::function<void(bool ok, const QList<Device>& devices)>;
    using DoneCallback = std::function<void(bool ok)>;

    AccountClient(ApiClient* transport, AuthClient* auth, const ClientConfig& config, QObject* parent = nullptr);

    void getProfile(ProfileCallback callback);
    // Schedules the account for deletion; signing out afterwards is the caller's.
    void deleteAccount(DoneCallback callback);

    // A user in no group gets `ok` with an empty group.
    void getGroup(GroupCallback callback);
    void inviteByEmail(const QString& email, InvitationCallback callback);
    // The invitation's `invite_code` is the code to hand on.
    void generateInviteCode(InvitationCallback callback);
    // Joining or leaving renews the token pair (it carries the group and the
    // role) and emits groupChanged(), before the callback.
    void joinGroup(const QString& inviteCode, DoneCallback callback);
    void leaveGroup(DoneCallback callback = {});
    // `memberId` is the member's `account_id`.
    void removeMember(const QString& memberId, DoneCallback callback = {});
    void revokeInvitation(const QString& invitationId, DoneCallback callback = {});

    void getDevices(DevicesCallback callback);
    // Tells the service about this computer: its name, platform, fingerprint
    // and the application's id and version.
    void registerDevice(DoneCallback callback = {});
    void removeDevice(const QString& deviceId, DoneCallback callback = {});

signals:
    // The user's group changed on the service: joined, left or a member removed.
    void groupChanged();

private:
    // Sends a request whose answer is only a success flag, or refuses it
    // when `id` may not stand in its path.
    void deleteById(const char* what, const QString& pathPrefix, const QString& id, DoneCallback callback,
                    std::function<void()> onSuccess = {});
    void afterGroupChange();

    ApiClient* m_api;
    AuthClient* m_auth;
    QString m_appId;
    QString m_appVersion;
};

} // namespace TandAccount
