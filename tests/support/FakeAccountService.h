#pragma once

#include "tests/support/FakeHttpServer.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class FakeAuthService;

// The account API on 127.0.0.1, as far as the client needs it: each user's
// profile, family groups with their members and invitations (by e-mail or by
// code), joining, leaving and removing members, and the devices registered to
// an account. Only requests carrying a live access token of `auth` are
// served, as that token's user; a change of group changes the claims of the
// tokens `auth` hands out from then on.
class FakeAccountService : public QObject
{
    Q_OBJECT

public:
    struct Person
    {
        // The account service's id of the user, which groups and shares name.
        QString accountId;
        // The subject of the user's tokens.
        QString authUserId;
        QString email;
        QString displayName;
    };

    explicit FakeAccountService(FakeAuthService* auth, QObject* parent = nullptr);

    bool start();
    // What ACCOUNT_API_URL names.
    QUrl baseUrl() const { return m_server->baseUrl(); }
    FakeHttpServer* server() const { return m_server; }

    void addUser(const Person& person);
    // A group owned by `ownerAccountId`; returns its id.
    QString createGroup(const QString& name, const QString& ownerAccountId, int maxSeats = 5);
    // A user is in one group at most: joining one leaves the other.
    void addToGroup(const QString& groupId, const QString& accountId);
    void removeFromGroup(const QString& accountId);
    // A pending invitation to `groupId` that anybody holding the code may use.
    QString addInviteCode(const QString& groupId);

    // The group's members' account ids, the owner first; empty for no group.
    QStringList memberIds(const QString& groupId) const;
    QString groupOf(const QString& accountId) const;
    int pendingInvitationCount(const QString& groupId) const;
    // Adds a device as if another computer had registered it; returns its id.
    QString addDevice(const QString& accountId, const QString& name);
    bool isScheduledForDeletion(const QString& accountId) const;

private:
    struct Invitation
    {
        QString id;
        QString groupId;
        QString invitedEmail;
        QString code;
    };
    struct FamilyGroup
    {
        QString id;
        QString name;
        int maxSeats = 5;
        QStringList members;
    };

    // The account id of the user the request speaks for; empty when its
    // token is not live.
    QString callerOf(const RecordedRequest& request) const;
    // Runs `handler` for a caller with a live token; 401 otherwise.
    void routeForCaller(const QByteArray& method, const QString& path,
                        std::function<FakeResponse(const QString& caller, const RecordedRequest&)> handler,
                        bool prefix = false);

    FakeResponse profile(const QString& caller) const;
    FakeResponse group(const QString& caller) const;
    FakeResponse invite(const QString& caller, const RecordedRequest& request);
    FakeResponse join(const QString& caller, const QString& code);
    FakeResponse leave(const QString& caller);
    FakeResponse removeMember(const QString& caller, const QString& memberId);
    FakeResponse revokeInvitation(const QString& caller, const QString& invitationId);
    FakeResponse registerDevice(const QString& caller, const RecordedRequest& request);
    FakeResponse removeDevice(const QString& caller, const QString& deviceId);

    // The group `accountId` owns; empty when it owns none.
    QString ownedGroupOf(const QString& accountId) const;
    QJsonObject memberJson(const QString& accountId, const FamilyGroup& group) const;
    QJsonObject invitationJson(const Invitation& invitation) const;
    void setMembership(const QString& accountId, const QString& groupId);
    QString nextId(const QString& kind);

    FakeAuthService* m_auth;
    FakeHttpServer* m_server;
    QHash<QString, Person> m_people;
    QHash<QString, FamilyGroup> m_groups;
    QHash<QString, Invitation> m_invitations;
    // Account id to its devices, in the order they registered.
    QHash<QString, QList<QJsonObject>> m_devices;
    QStringList m_scheduledForDeletion;
    int m_lastId = 0;
};
