#include "account/AccountScreenModel.h"

#include "account/AccountClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/PersonName.h"

#include <QDebug>
#include <QPointer>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace TandAccount {

namespace {

// Whether a page's list still holds the record with this id.
template <typename Record>
bool lists(const QList<Record>& records, QString Record::*idField, const QString& id)
{
    return std::any_of(records.cbegin(), records.cend(), [&](const Record& record) { return record.*idField == id; });
}

} // namespace

AccountScreenModel::AccountScreenModel(Client* client, QObject* parent)
    : QObject(parent)
    , m_client(client)
{
    connect(client->authClient(), &AuthClient::stateChanged, this, [this](AuthState state) {
        if (state != AuthState::Authenticated)
            forgetSession();
    });
}

void AccountScreenModel::forgetSession()
{
    ++m_sessionGeneration;
    // Loads in flight speak for the ended session.
    for (NewestAnswer* answer : {&m_profileAnswer, &m_groupAnswer, &m_devicesAnswer, &m_sessionsAnswer})
        answer->dropAll();
    m_user = User();
    m_group = Group();
    m_devices.clear();
    m_sessions.clear();
    m_profileState = m_groupState = m_devicesState = m_sessionsState = LoadState::Loading;
    const bool hadPending = !m_pending.isEmpty();
    m_pending.clear();
    m_removals.clear();
    emit profileChanged();
    emit groupChanged();
    emit devicesChanged();
    emit sessionsChanged();
    if (hadPending)
        emit pendingChanged();
    emit sessionEnded();
}

void AccountScreenModel::refreshProfile()
{
    const NewestAnswer::Ticket ticket = m_profileAnswer.next();
    m_client->authClient()->fetchCurrentUser([this, ticket](bool ok, const User& user) {
        if (!ticket.counts())
            return;
        // A failed load says so, even though the client hands back the user
        // of its last good answer.
        m_profileState = ok ? LoadState::Loaded : LoadState::Failed;
        m_user = ok ? user : User();
        emit profileChanged();
    });
}

void AccountScreenModel::refreshGroup()
{
    const NewestAnswer::Ticket ticket = m_groupAnswer.next();
    m_client->accountClient()->getGroup([this, ticket](bool ok, const Group& group) {
        if (!ticket.counts())
            return;
        m_groupState = ok ? LoadState::Loaded : LoadState::Failed;
        m_group = ok ? group : Group();
        emit groupChanged();
        settleRemovals(&AccountScreenModel::refreshGroup, ok);
    });
}

void AccountScreenModel::refreshDevices()
{
    const NewestAnswer::Ticket ticket = m_devicesAnswer.next();
    m_client->accountClient()->getDevices([this, ticket](bool ok, const QList<Device>& devices) {
        if (!ticket.counts())
            return;
        m_devicesState = ok ? LoadState::Loaded : LoadState::Failed;
        m_devices = devices;
        emit devicesChanged();
        settleRemovals(&AccountScreenModel::refreshDevices, ok);
    });
}

void AccountScreenModel::refreshSessions()
{
    const NewestAnswer::Ticket ticket = m_sessionsAnswer.next();
    m_client->authClient()->listSessions([this, ticket](bool ok, const QList<Session>& sessions) {
        if (!ticket.counts())
            return;
        m_sessionsState = ok ? LoadState::Loaded : LoadState::Failed;
        m_sessions = sessions;
        emit sessionsChanged();
        settleRemovals(&AccountScreenModel::refreshSessions, ok);
    });
}

bool AccountScreenModel::begin(const QString& key)
{
    if (m_pending.contains(key))
        return false;
    m_pending.insert(key);
    emit pendingChanged();
    return true;
}

void AccountScreenModel::finish(const QString& key)
{
    if (m_pending.remove(key))
        emit pendingChanged();
}

void AccountScreenModel::report(const QString& key, bool ok, const QString& success, const QString& failure)
{
    finish(key);
    if (ok)
        emit succeeded(success);
    else
        emit failed(failure);
}

bool AccountScreenModel::isCurrent(int generation) const
{
    return generation == m_sessionGeneration;
}

bool AccountScreenModel::updateDisplayName(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || !begin(displayNameKey()))
        return false;
    QPointer<AccountScreenModel> self(this);
    const int generation = m_sessionGeneration;
    m_client->authClient()->updateProfile(trimmed, [self, generation](bool ok, const User& user) {
        if (!self || !self->isCurrent(generation))
            return;
        if (ok && !user.id.isEmpty()) {
            self->m_user = user;
            self->m_profileState = LoadState::Loaded;
            emit self->profileChanged();
        }
        self->report(displayNameKey(), ok, u"Display name updated."_s, u"Failed to update profile."_s);
    });
    return true;
}

bool AccountScreenModel::startChange(const QString& key, const std::function<void(DoneCallback)>& send,
                                     const QString& success, const QString& failure,
                                     void (AccountScreenModel::*thenRefresh)())
{
    if (!begin(key))
        return false;
    QPointer<AccountScreenModel> self(this);
    const int generation = m_sessionGeneration;
    send([self, generation, key, success, failure, thenRefresh](bool ok) {
        if (!self || !self->isCurrent(generation))
            return;
        self->report(key, ok, success, failure);
        if (ok && thenRefresh)
            (self.data()->*thenRefresh)();
    });
    return true;
}

bool AccountScreenModel::startRemoval(const QString& key, const std::function<void(DoneCallback)>& send,
                                      const std::function<bool()>& stillListed, const QString& success,
                                      const QString& failure, Refresh refresh)
{
    if (!begin(key))
        return false;
    QPointer<AccountScreenModel> self(this);
    const int generation = m_sessionGeneration;
    send([self, generation, key, stillListed, success, failure, refresh](bool ok) {
        if (!self || !self->isCurrent(generation))
            return;
        if (!ok) {
            self->report(key, false, success, failure);
            return;
        }
        self->m_removals.append({refresh, key, stillListed, success, failure});
        (self.data()->*refresh)();
    });
    return true;
}

void AccountScreenModel::settleRemovals(Refresh refresh, bool loaded)
{
    const QList<Removal> removals = std::exchange(m_removals, {});
    for (const Removal& removal : removals) {
        if (removal.refresh != refresh) {
            m_removals.append(removal);
            continue;
        }
        // A page that could not be loaded cannot gainsay the service's yes.
        const bool removed = !loaded || !removal.stillListed();
        if (!removed)
            qWarning().noquote() << "AccountScreenModel: the service accepted a removal, but still lists what was removed";
        report(removal.key, removed, removal.success, removal.failure);
    }
}

bool AccountScreenModel::changePassword(const QString& currentPassword, const QString& newPassword)
{
    if (currentPassword.isEmpty() || !passwordProblem(newPassword).isEmpty())
        return false;
    return startChange(
        passwordKey(),
        [this, currentPassword, newPassword](DoneCallback done) {
            m_client->authClient()->changePassword(currentPassword, newPassword, std::move(done));
        },
        u"Password changed."_s, u"Failed to change password."_s);
}

bool AccountScreenModel::revokeSession(const QString& sessionId)
{
    return startRemoval(
        sessionKey(sessionId),
        [this, sessionId](DoneCallback done) { m_client->authClient()->revokeSession(sessionId, std::move(done)); },
        [this, sessionId] { return lists(m_sessions, &Session::id, sessionId); },
        u"Session revoked."_s, u"Failed to revoke session."_s, &AccountScreenModel::refreshSessions);
}

bool AccountScreenModel::joinGroup(const QString& inviteCode)
{
    const QString code = inviteCode.trimmed();
    if (code.isEmpty())
        return false;
    return startChange(
        joinKey(), [this, code](DoneCallback done) { m_client->accountClient()->joinGroup(code, std::move(done)); },
        u"Joined group."_s, u"Invalid or expired invite code."_s, &AccountScreenModel::refreshGroup);
}

bool AccountScreenModel::leaveGroup()
{
    return startChange(
        leaveKey(), [this](DoneCallback done) { m_client->accountClient()->leaveGroup(std::move(done)); },
        u"Left group."_s, u"Failed to leave group."_s, &AccountScreenModel::refreshGroup);
}

bool AccountScreenModel::removeMember(const GroupMember& member)
{
    const QString name = memberName(member);
    return startRemoval(
        memberKey(member.account_id),
        [this, id = member.account_id](DoneCallback done) {
            m_client->accountClient()->removeMember(id, std::move(done));
        },
        [this, id = member.account_id] { return lists(m_group.members, &GroupMember::account_id, id); },
        u"%1 removed."_s.arg(name), u"Failed to remove %1."_s.arg(name), &AccountScreenModel::refreshGroup);
}

bool AccountScreenModel::revokeInvitation(const QString& invitationId)
{
    return startRemoval(
        invitationKey(invitationId),
        [this, invitationId](DoneCallback done) {
            m_client->accountClient()->revokeInvitation(invitationId, std::move(done));
        },
        [this, invitationId] { return lists(m_group.pending_invitations, &GroupInvitation::id, invitationId); },
        u"Invitation revoked."_s, u"Failed to revoke invitation."_s, &AccountScreenModel::refreshGroup);
}

bool AccountScreenModel::removeDevice(const Device& device)
{
    return startRemoval(
        deviceKey(device.id),
        [this, id = device.id](DoneCallback done) { m_client->accountClient()->removeDevice(id, std::move(done)); },
        [this, id = device.id] { return lists(m_devices, &Device::id, id); },
        u"Device removed."_s, u"Failed to remove device."_s, &AccountScreenModel::refreshDevices);
}

bool AccountScreenModel::inviteByEmail(const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty() || !begin(inviteKey()))
        return false;
    QPointer<AccountScreenModel> self(this);
    const int generation = m_sessionGeneration;
    m_client->accountClient()->inviteByEmail(trimmed, [self, generation](bool ok, const GroupInvitation& invitation) {
        if (!self || !self->isCurrent(generation))
            return;
        const bool sent = ok && !invitation.id.isEmpty();
        self->report(inviteKey(), sent, u"Invitation sent."_s, u"Failed to send invitation."_s);
        if (sent)
            self->refreshGroup();
    });
    return true;
}

bool AccountScreenModel::generateInviteCode()
{
    if (!begin(inviteCodeKey()))
        return false;
    QPointer<AccountScreenModel> self(this);
    const int generation = m_sessionGeneration;
    m_client->accountClient()->generateInviteCode([self, generation](bool ok, const GroupInvitation& invitation) {
        if (!self || !self->isCurrent(generation))
            return;
        self->finish(inviteCodeKey());
        if (!ok || invitation.invite_code.isEmpty()) {
            emit self->failed(u"Failed to generate code."_s);
            return;
        }
        // The new invitation is pending: the group page lists it.
        self->refreshGroup();
        emit self->inviteCodeReady(invitation.invite_code);
    });
    return true;
}

bool AccountScreenModel::deleteAccount()
{
    if (!begin(deleteAccountKey()))
        return false;
    QPointer<AccountScreenModel> self(this);
    const int generation = m_sessionGeneration;
    m_client->accountClient()->deleteAccount([self, generation](bool ok) {
        if (!self || !self->isCurrent(generation))
            return;
        self->finish(deleteAccountKey());
        if (ok)
            emit self->accountDeleted();
        else
            emit self->failed(u"Failed to delete account."_s);
    });
    return true;
}

QString AccountScreenModel::passwordProblem(const QString& newPassword)
{
    if (newPassword.size() < kMinimumPasswordLength)
        return u"Password must be at least 8 characters."_s;
    return {};
}

QString AccountScreenModel::sessionClientText(const QString& userAgent)
{
    if (userAgent.isEmpty())
        return u"Unknown client"_s;
    if (userAgent.size() <= kMaximumUserAgentLength)
        return userAgent;
    // Never half of a character outside the basic plane.
    qsizetype length = kMaximumUserAgentLength;
    if (userAgent.at(length - 1).isHighSurrogate())
        --length;
    return userAgent.left(length) + "..."_L1;
}

QString AccountScreenModel::memberName(const GroupMember& member)
{
    return personName(member.display_name, member.email, member.account_id);
}

QString AccountScreenModel::deviceName(const Device& device)
{
    return device.device_name.isEmpty() ? u"Unknown Device"_s : device.device_name;
}

QString AccountScreenModel::deviceDetail(const Device& device)
{
    QStringList parts;
    if (!device.platform.isEmpty())
        parts << device.platform;
    if (!device.app_version.isEmpty())
        parts << u"v"_s + device.app_version;
    return parts.join(u"  \u00b7  "_s);
}

} // namespace TandAccount
