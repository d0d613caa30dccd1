#pragma once

#include "account/Device.h"
#include "account/Group.h"
#include "account/LoadState.h"
#include "account/NewestAnswer.h"
#include "account/Session.h"
#include "account/User.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>

namespace TandAccount {

class Client;

// What the account window shows and does: the signed-in user, their sign-in
// sessions, family group and devices, each loaded on its own, and the
// changes the user asks for. Every change is reported by what the service
// answered, never ahead of it. A load that failed is told from an empty
// answer; an answer older than one already taken, or one for a session that
// has since ended, changes nothing.
class AccountScreenModel : public QObject
{
    Q_OBJECT

public:
    using LoadState = TandAccount::LoadState;

    // `client` is not owned and must outlive the model.
    explicit AccountScreenModel(Client* client, QObject* parent = nullptr);

    void refreshProfile();
    void refreshGroup();
    void refreshDevices();
    void refreshSessions();

    LoadState profileState() const { return m_profileState; }
    const User& user() const { return m_user; }
    LoadState groupState() const { return m_groupState; }
    // A group without `id` when the user is in none.
    const Group& group() const { return m_group; }
    LoadState devicesState() const { return m_devicesState; }
    const QList<Device>& devices() const { return m_devices; }
    LoadState sessionsState() const { return m_sessionsState; }
    const QList<Session>& sessions() const { return m_sessions; }

    // Changes. Each ends in succeeded() or failed() with the text to show.
    // One of a kind runs at a time: while it waits, its key is pending
    // (actionKey) and asking again sends nothing and returns false, as does
    // a change with nothing to send (a blank name or code). A removal the
    // service says yes to waits for its page to be loaded again, and fails
    // when the page still lists what was removed: a yes that did nothing
    // is no success.
    bool updateDisplayName(const QString& name);
    bool changePassword(const QString& currentPassword, const QString& newPassword);
    bool revokeSession(const QString& sessionId);
    bool joinGroup(const QString& inviteCode);
    bool leaveGroup();
    bool removeMember(const GroupMember& member);
    bool revokeInvitation(const QString& invitationId);
    bool inviteByEmail(const QString& address);
    // Success comes as inviteCodeReady() instead of succeeded().
    bool generateInviteCode();
    bool removeDevice(const Device& device);
    // Success comes as accountDeleted() instead of succeeded().
    bool deleteAccount();

    bool isPending(const QString& actionKey) const { return m_pending.contains(actionKey); }

    // The keys of the changes, for telling which one waits.
    static QString displayNameKey() { return QStringLiteral("name"); }
    static QString passwordKey() { return QStringLiteral("password"); }
    static QString sessionKey(const QString& sessionId) { return QStringLiteral("session:") + sessionId; }
    static QString joinKey() { return QStringLiteral("join"); }
    static QString leaveKey() { return QStringLiteral("leave"); }
    static QString memberKey(const QString& accountId) { return QStringLiteral("member:") + accountId; }
    static QString invitationKey(const QString& invitationId) { return QStringLiteral("invitation:") + invitationId; }
    static QString inviteKey() { return QStringLiteral("invite"); }
    static QString inviteCodeKey() { return QStringLiteral("code"); }
    static QString deviceKey(const QString& deviceId) { return QStringLiteral("device:") + deviceId; }
    static QString deleteAccountKey() { return QStringLiteral("delete"); }

    // Why a new password cannot be used; empty when it can.
    static QString passwordProblem(const QString& newPassword);
    static constexpr int kMinimumPasswordLength = 8;
    // A session's client as listed: its user agent, cut after 60 characters.
    static QString sessionClientText(const QString& userAgent);
    static constexpr int kMaximumUserAgentLength = 60;
    // A member by their display name, else their address, else their id.
    static QString memberName(const GroupMember& member);
    // A device by its name, else "Unknown Device".
    static QString deviceName(const Device& device);
    // The platform and the version, where known: "Windows  ·  v1.2".
    static QString deviceDetail(const Device& device);

signals:
    void profileChanged();
    void groupChanged();
    void devicesChanged();
    void sessionsChanged();
    // A change started or was answered.
    void pendingChanged();
    void succeeded(const QString& message);
    void failed(const QString& message);
    void inviteCodeReady(const QString& code);
    // The service scheduled the account for deletion.
    void accountDeleted();
    // The user signed out: what was shown is cleared, and nothing asked on
    // their behalf may be sent any more.
    void sessionEnded();

private:
    // Clears what the last user's session showed, and drops its answers.
    void forgetSession();
    // Whether an answer asked for in session `generation` still counts: a
    // sign-out drops everything that waits.
    bool isCurrent(int generation) const;
    // Marks `key` pending; false when it already is.
    bool begin(const QString& key);
    void finish(const QString& key);
    using DoneCallback = std::function<void(bool ok)>;
    // Starts a change whose answer is only a success flag: `send` makes the
    // request with the callback given. Reported as `success` or `failure`;
    // after a success `thenRefresh` (where given) loads its page again.
    bool startChange(const QString& key, const std::function<void(DoneCallback)>& send, const QString& success,
                     const QString& failure, void (AccountScreenModel::*thenRefresh)() = nullptr);
    void report(const QString& key, bool ok, const QString& success, const QString& failure);
    using Refresh = void (AccountScreenModel::*)();
    // Starts a removal: like startChange, but a yes is reported once the page
    // that `refresh` loads has come back, as a failure while `stillListed`.
    bool startRemoval(const QString& key, const std::function<void(DoneCallback)>& send,
                      const std::function<bool()>& stillListed, const QString& success, const QString& failure,
                      Refresh refresh);
    // The page of `refresh` has come back (`loaded` false when it failed):
    // the removals that waited for it are reported.
    void settleRemovals(Refresh refresh, bool loaded);

    Client* m_client;

    LoadState m_profileState = LoadState::Loading;
    LoadState m_groupState = LoadState::Loading;
    LoadState m_devicesState = LoadState::Loading;
    LoadState m_sessionsState = LoadState::Loading;
    User m_user;
    Group m_group;
    QList<Device> m_devices;
    QList<Session> m_sessions;

    // Only the latest load of a page counts.
    NewestAnswer m_profileAnswer;
    NewestAnswer m_groupAnswer;
    NewestAnswer m_devicesAnswer;
    NewestAnswer m_sessionsAnswer;
    // Raised when the user signs out: answers to the ended session count for nothing.
    int m_sessionGeneration = 0;

    QSet<QString> m_pending;

    // A removal the service said yes to, waiting for its page.
    struct Removal
    {
        Refresh refresh;
        QString key;
        std::function<bool()> stillListed;
        QString success;
        QString failure;
    };
    QList<Removal> m_removals;
};

} // namespace TandAccount
