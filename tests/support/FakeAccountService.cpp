#include "tests/support/FakeAccountService.h"

#include "tests/support/FakeAuthService.h"

#include <QJsonArray>

namespace {

const QString kOwner = QStringLiteral("owner");
const QString kMember = QStringLiteral("member");

FakeResponse refused(int status, const QString& error)
{
    return FakeResponse::json(status, {{QStringLiteral("error"), error}});
}

// The last segment of a path below a prefix route.
QString lastSegment(const RecordedRequest& request)
{
    return request.path.section(u'/', -1);
}

} // namespace

FakeAccountService::FakeAccountService(FakeAuthService* auth, QObject* parent)
    : QObject(parent)
    , m_auth(auth)
    , m_server(new FakeHttpServer(this))
{
    routeForCaller("GET", QStringLiteral("/profile"),
                   [this](const QString& caller, const RecordedRequest&) { return profile(caller); });
    routeForCaller("DELETE", QStringLiteral("/profile"), [this](const QString& caller, const RecordedRequest&) {
        m_scheduledForDeletion.append(caller);
        return FakeResponse::empty(204);
    });
    routeForCaller("GET", QStringLiteral("/group"),
                   [this](const QString& caller, const RecordedRequest&) { return group(caller); });
    routeForCaller("POST", QStringLiteral("/group/invite"),
                   [this](const QString& caller, const RecordedRequest& request) { return invite(caller, request); });
    routeForCaller("POST", QStringLiteral("/group/leave"),
                   [this](const QString& caller, const RecordedRequest&) { return leave(caller); });
    routeForCaller(
        "POST", QStringLiteral("/group/join/"),
        [this](const QString& caller, const RecordedRequest& request) { return join(caller, lastSegment(request)); },
        true);
    routeForCaller(
        "DELETE", QStringLiteral("/group/members/"),
        [this](const QString& caller, const RecordedRequest& request) {
            return removeMember(caller, lastSegment(request));
        },
        true);
    routeForCaller(
        "DELETE", QStringLiteral("/group/invitations/"),
        [this](const QString& caller, const RecordedRequest& request) {
            return revokeInvitation(caller, lastSegment(request));
        },
        true);
    routeForCaller("GET", QStringLiteral("/devices"), [this](const QString& caller, const RecordedRequest&) {
        QJsonArray devices;
        for (const QJsonObject& device : m_devices.value(caller))
            devices.append(device);
        return FakeResponse::json(200, {{QStringLiteral("devices"), devices}});
    });
    routeForCaller("POST", QStringLiteral("/devices/register"),
                   [this](const QString& caller, const RecordedRequest& request) {
                       return registerDevice(caller, request);
                   });
    routeForCaller(
        "DELETE", QStringLiteral("/devices/"),
        [this](const QString& caller, const RecordedRequest& request) {
            return removeDevice(caller, lastSegment(request));
        },
        true);
}

bool FakeAccountService::start()
{
    return m_server->listen();
}

void FakeAccountService::routeForCaller(
    const QByteArray& method, const QString& path,
    std::function<FakeResponse(const QString& caller, const RecordedRequest&)> handler, bool prefix)
{
    auto guarded = [this, handler = std::move(handler)](const RecordedRequest& request) {
        const QString caller = callerOf(request);
        return caller.isEmpty() ? refused(401, QStringLiteral("unauthorized")) : handler(caller, request);
    };
    if (prefix)
        m_server->routePrefix(method, path, guarded);
    else
        m_server->route(method, path, guarded);
}

QString FakeAccountService::callerOf(const RecordedRequest& request) const
{
    const QString authUserId = m_auth->userOf(request);
    if (authUserId.isEmpty())
        return {};
    for (const Person& person : m_people) {
        if (person.authUserId == authUserId)
            return person.accountId;
    }
    return {};
}

QString FakeAccountService::nextId(const QString& kind)
{
    return kind + u'-' + QString::number(++m_lastId);
}

void FakeAccountService::addUser(const Person& person)
{
    m_people.insert(person.accountId, person);
}

QString FakeAccountService::createGroup(const QString& name, const QString& ownerAccountId, int maxSeats)
{
    const QString id = nextId(QStringLiteral("grp"));
    m_groups.insert(id, {id, name, maxSeats, {}});
    setMembership(ownerAccountId, id);
    return id;
}

void FakeAccountService::addToGroup(const QString& groupId, const QString& accountId)
{
    setMembership(accountId, groupId);
}

void FakeAccountService::removeFromGroup(const QString& accountId)
{
    setMembership(accountId, {});
}

QString FakeAccountService::addInviteCode(const QString& groupId)
{
    const Invitation invitation{nextId(QStringLiteral("inv")), groupId, {}, nextId(QStringLiteral("CODE"))};
    m_invitations.insert(invitation.id, invitation);
    return invitation.code;
}

void FakeAccountService::setMembership(const QString& accountId, const QString& groupId)
{
    QString role;
    for (FamilyGroup& group : m_groups)
        group.members.removeAll(accountId);
    if (!groupId.isEmpty()) {
        FamilyGroup& group = m_groups[groupId];
        group.members.append(accountId);
        role = group.members.size() == 1 ? kOwner : kMember;
    }
    m_auth->setGroupClaims(m_people.value(accountId).authUserId, groupId, role);
}

QStringList FakeAccountService::memberIds(const QString& groupId) const
{
    return m_groups.value(groupId).members;
}

QString FakeAccountService::groupOf(const QString& accountId) const
{
    for (const FamilyGroup& group : m_groups) {
        if (group.members.contains(accountId))
            return group.id;
    }
    return {};
}

QString FakeAccountService::ownedGroupOf(const QString& accountId) const
{
    const QString groupId = groupOf(accountId);
    return !groupId.isEmpty() && m_groups[groupId].members.first() == accountId ? groupId : QString();
}

int FakeAccountService::pendingInvitationCount(const QString& groupId) const
{
    int count = 0;
    for (const Invitation& invitation : m_invitations)
        count += invitation.groupId == groupId ? 1 : 0;
    return count;
}

QString FakeAccountService::addDevice(const QString& accountId, const QString& name)
{
    const QString id = nextId(QStringLiteral("dev"));
    m_devices[accountId].append({{QStringLiteral("id"), id},
                                 {QStringLiteral("device_name"), name},
                                 {QStringLiteral("platform"), QStringLiteral("Windows")},
                                 {QStringLiteral("device_fingerprint"), id}});
    return id;
}

bool FakeAccountService::isScheduledForDeletion(const QString& accountId) const
{
    return m_scheduledForDeletion.contains(accountId);
}

QJsonObject FakeAccountService::memberJson(const QString& accountId, const FamilyGroup& group) const
{
    const Person person = m_people.value(accountId);
    return {{QStringLiteral("account_id"), accountId},
            {QStringLiteral("auth_user_id"), person.authUserId},
            {QStringLiteral("display_name"), person.displayName},
            {QStringLiteral("email"), person.email},
            {QStringLiteral("role"), group.members.value(0) == accountId ? kOwner : kMember},
            {QStringLiteral("joined_at"), QStringLiteral("2024-03-05T14:07:00Z")}};
}

QJsonObject FakeAccountService::invitationJson(const Invitation& invitation) const
{
    return {{QStringLiteral("id"), invitation.id},
            {QStringLiteral("invited_email"), invitation.invitedEmail},
            {QStringLiteral("invite_code"), invitation.code},
            {QStringLiteral("status"), QStringLiteral("pending")},
            {QStringLiteral("expires_at"), QStringLiteral("2030-01-01T00:00:00Z")}};
}

FakeResponse FakeAccountService::profile(const QString& caller) const
{
    const Person person = m_people.value(caller);
    QJsonObject body{{QStringLiteral("id"), person.accountId},
                     {QStringLiteral("email"), person.email},
                     {QStringLiteral("display_name"), person.displayName},
                     {QStringLiteral("status"), QStringLiteral("active")},
                     {QStringLiteral("created_at"), QStringLiteral("2024-03-05T14:07:00Z")}};
    const QString groupId = groupOf(caller);
    if (!groupId.isEmpty()) {
        const FamilyGroup& group = m_groups[groupId];
        body.insert(QStringLiteral("group"),
                    QJsonObject{{QStringLiteral("id"), group.id},
                                {QStringLiteral("name"), group.name},
                                {QStringLiteral("role"), group.members.first() == caller ? kOwner : kMember},
                                {QStringLiteral("member_count"), int(group.members.size())}});
    }
    return FakeResponse::json(200, body);
}

FakeResponse FakeAccountService::group(const QString& caller) const
{
    const QString groupId = groupOf(caller);
    if (groupId.isEmpty())
        return refused(404, QStringLiteral("not in a group"));
    const FamilyGroup& group = m_groups[groupId];
    QJsonArray members;
    for (const QString& member : group.members)
        members.append(memberJson(member, group));
    QJsonArray invitations;
    if (group.members.first() == caller) {
        for (const Invitation& invitation : m_invitations) {
            if (invitation.groupId == groupId)
                invitations.append(invitationJson(invitation));
        }
    }
    return FakeResponse::json(200, {{QStringLiteral("id"), group.id},
                                    {QStringLiteral("name"), group.name},
                                    {QStringLiteral("max_seats"), group.maxSeats},
                                    {QStringLiteral("members"), members},
                                    {QStringLiteral("pending_invitations"), invitations}});
}

FakeResponse FakeAccountService::invite(const QString& caller, const RecordedRequest& request)
{
    const QString groupId = ownedGroupOf(caller);
    if (groupId.isEmpty())
        return refused(403, QStringLiteral("only the group's owner invites"));
    const QJsonObject body = request.json();
    const QString email = body.value(QLatin1String("email")).toString();
    if (body.contains(QLatin1String("email")) && !email.contains(u'@'))
        return refused(400, QStringLiteral("not an e-mail address"));
    const Invitation invitation{nextId(QStringLiteral("inv")), groupId, email, nextId(QStringLiteral("CODE"))};
    m_invitations.insert(invitation.id, invitation);
    return FakeResponse::json(201, invitationJson(invitation));
}

FakeResponse FakeAccountService::join(const QString& caller, const QString& code)
{
    for (auto it = m_invitations.begin(); it != m_invitations.end(); ++it) {
        if (it->code != code)
            continue;
        const FamilyGroup& group = m_groups[it->groupId];
        if (group.members.size() >= group.maxSeats)
            return refused(409, QStringLiteral("the group is full"));
        setMembership(caller, it->groupId);
        m_invitations.erase(it);
        return FakeResponse::empty(204);
    }
    return refused(404, QStringLiteral("invalid or expired invite code"));
}

FakeResponse FakeAccountService::leave(const QString& caller)
{
    const QString groupId = groupOf(caller);
    if (groupId.isEmpty())
        return refused(404, QStringLiteral("not in a group"));
    if (m_groups[groupId].members.first() == caller)
        return refused(403, QStringLiteral("the owner cannot leave the group"));
    setMembership(caller, {});
    return FakeResponse::empty(204);
}

FakeResponse FakeAccountService::removeMember(const QString& caller, const QString& memberId)
{
    const QString groupId = ownedGroupOf(caller);
    if (groupId.isEmpty())
        return refused(403, QStringLiteral("only the group's owner removes members"));
    if (memberId == caller || !m_groups[groupId].members.contains(memberId))
        return refused(404, QStringLiteral("no such member"));
    setMembership(memberId, {});
    return FakeResponse::empty(204);
}

FakeResponse FakeAccountService::revokeInvitation(const QString& caller, const QString& invitationId)
{
    const QString groupId = ownedGroupOf(caller);
    if (groupId.isEmpty())
        return refused(403, QStringLiteral("only the group's owner revokes invitations"));
    if (m_invitations.value(invitationId).groupId != groupId)
        return refused(404, QStringLiteral("no such invitation"));
    m_invitations.remove(invitationId);
    return FakeResponse::empty(204);
}

FakeResponse FakeAccountService::registerDevice(const QString& caller, const RecordedRequest& request)
{
    QJsonObject device = request.json();
    const QString fingerprint = device.value(QLatin1String("device_fingerprint")).toString();
    if (fingerprint.isEmpty())
        return refused(400, QStringLiteral("device_fingerprint missing"));
    QList<QJsonObject>& devices = m_devices[caller];
    for (QJsonObject& known : devices) {
        if (known.value(QLatin1String("device_fingerprint")).toString() == fingerprint) {
            device.insert(QStringLiteral("id"), known.value(QLatin1String("id")));
            known = device;
            return FakeResponse::json(200, device);
        }
    }
    device.insert(QStringLiteral("id"), nextId(QStringLiteral("dev")));
    devices.append(device);
    return FakeResponse::json(201, device);
}

FakeResponse FakeAccountService::removeDevice(const QString& caller, const QString& deviceId)
{
    QList<QJsonObject>& devices = m_devices[caller];
    for (qsizetype i = 0; i < devices.size(); ++i) {
        if (devices.at(i).value(QLatin1String("id")).toString() == deviceId) {
            devices.removeAt(i);
            return FakeResponse::empty(204);
        }
    }
    return refused(404, QStringLiteral("no such device"));
}
