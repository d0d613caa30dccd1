#include "account/AccountClient.h"

#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/DeviceIdentity.h"
#include "account/ListAnswer.h"
#include "account/PathId.h"

#include <QDebug>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace TandAccount {

namespace {

constexpr int kHttpNotFound = 404;

// A record answer: the callback hears whether it came, and the record read
// from it (empty when it did not).
template <typename Record>
ResponseCallback recordAnswer(std::function<void(bool, const Record&)> callback)
{
    return [callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
        if (callback)
            callback(ok, ok ? Record::fromJson(body) : Record());
    };
}

ResponseCallback flagAnswer(AccountClient::DoneCallback callback)
{
    return [callback = std::move(callback)](bool ok, int, const QJsonObject&) {
        if (callback)
            callback(ok);
    };
}

// `id` as a segment of a request path; logs a refusal without the id
// itself, which may be a secret (an invite code) or junk of any length.
std::optional<QString> segmentFor(const QString& id, const char* what)
{
    std::optional<QString> segment = pathSegment(id);
    if (!segment)
        qWarning().nospace() << "AccountClient: refused a request for a " << what
                             << " whose id cannot stand in a request path";
    return segment;
}

} // namespace

AccountClient::AccountClient(ApiClient* transport, AuthClient* auth, const ClientConfig& config, QObject* parent)
    : QObject(parent)
    , m_api(transport)
    , m_auth(auth)
    , m_appId(config.appId)
    , m_appVersion(config.appVersion)
{
}

void AccountClient::getProfile(ProfileCallback callback)
{
    m_api->get(u"/profile"_s, recordAnswer<Profile>(std::move(callback)));
}

void AccountClient::deleteAccount(DoneCallback callback)
{
    m_api->deleteResource(u"/profile"_s, flagAnswer(std::move(callback)));
}

void AccountClient::getGroup(GroupCallback callback)
{
    m_api->get(u"/group"_s, [callback = std::move(callback)](bool ok, int status, const QJsonObject& body) {
        if (!callback)
            return;
        // The service knows no group for a user who is in none; that is an
        // answer, not a failure.
        if (status == kHttpNotFound) {
            callback(true, Group());
            return;
        }
        const Group group = ok ? Group::fromJson(body) : Group();
        // Without its id a group answer names no group: "no group" is a 404.
        if (ok && group.id.isEmpty()) {
            qWarning() << "AccountClient: the group answer names no group";
            callback(false, Group());
            return;
        }
        callback(ok, group);
    });
}

void AccountClient::inviteByEmail(const QString& email, InvitationCallback callback)
{
    m_api->post(u"/group/invite"_s, {{u"email"_s, email}}, recordAnswer<GroupInvitation>(std::move(callback)));
}

void AccountClient::generateInviteCode(InvitationCallback callback)
{
    m_api->post(u"/group/invite"_s, {}, recordAnswer<GroupInvitation>(std::move(callback)));
}

void AccountClient::joinGroup(const QString& inviteCode, DoneCallback callback)
{
    const std::optional<QString> code = segmentFor(inviteCode, "group invitation");
    if (!code) {
        if (callback)
            callback(false);
        return;
    }
    QPointer<AccountClient> self(this);
    m_api->post(u"/group/join/"_s + *code, {},
                [self, callback = std::move(callback)](bool ok, int, const QJsonObject&) {
                    if (ok && self)
                        self->afterGroupChange();
                    if (callback)
                        callback(ok);
                });
}

void AccountClient::leaveGroup(DoneCallback callback)
{
    QPointer<AccountClient> self(this);
    m_api->post(u"/group/leave"_s, {}, [self, callback = std::move(callback)](bool ok, int, const QJsonObject&) {
        if (ok && self)
            self->afterGroupChange();
        if (callback)
            callback(ok);
    });
}

void AccountClient::afterGroupChange()
{
    // The access token carries the user's group and role: a new pair brings
    // the new ones. Whatever the refresh answers is the token manager's.
    m_auth->refreshToken({});
    emit groupChanged();
}

void AccountClient::removeMember(const QString& memberId, DoneCallback callback)
{
    QPointer<AccountClient> self(this);
    deleteById("group member", u"/group/members/"_s, memberId, std::move(callback), [self] {
        if (self)
            emit self->groupChanged();
    });
}

void AccountClient::revokeInvitation(const QString& invitationId, DoneCallback callback)
{
    deleteById("group invitation", u"/group/invitations/"_s, invitationId, std::move(callback));
}

void AccountClient::removeDevice(const QString& deviceId, DoneCallback callback)
{
    deleteById("device", u"/devices/"_s, deviceId, std::move(callback));
}

void AccountClient::deleteById(const char* what, const QString& pathPrefix, const QString& id, DoneCallback callback,
                               std::function<void()> onSuccess)
{
    const std::optional<QString> segment = segmentFor(id, what);
    if (!segment) {
        if (callback)
            callback(false);
        return;
    }
    m_api->deleteResource(pathPrefix + *segment, [callback = std::move(callback), onSuccess = std::move(onSuccess)](
                                                     bool ok, int, const QJsonObject&) {
        if (ok && onSuccess)
            onSuccess();
        if (callback)
            callback(ok);
    });
}

void AccountClient::getDevices(DevicesCallback callback)
{
    m_api->get(u"/devices"_s, listAnswer("devices"_L1, &Device::fromJson, std::move(callback)));
}

void AccountClient::registerDevice(DoneCallback callback)
{
    const QJsonObject device{{u"device_name"_s, deviceName()},
                             {u"platform"_s, devicePlatform()},
                             {u"app_id"_s, m_appId},
                             {u"app_version"_s, m_appVersion},
                             {u"device_fingerprint"_s, deviceFingerprint(m_appId)}};
    m_api->post(u"/devices/register"_s, device, flagAnswer(std::move(callback)));
}

} // namespace TandAccount
