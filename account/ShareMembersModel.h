#pragma once

#include "account/GroupMember.h"
#include "account/LoadState.h"
#include "account/NewestAnswer.h"
#include "account/ShareMember.h"

#include <QList>
#include <QObject>
#include <QString>

namespace TandAccount {

class AccountClient;
class SharingBackend;

// Who may see one local account, and which members of the user's family
// group could be let in: the account's shares come from a sharing backend,
// the user and their group from the account client. Shares are given and
// withdrawn one at a time. Answers that arrive after the model is gone, or
// after a newer request of the same kind was answered, change nothing.
class ShareMembersModel : public QObject
{
    Q_OBJECT

public:
    using LoadState = TandAccount::LoadState;

    // One row of either list.
    struct Person
    {
        // The id shares name the person by; what a share or removal sends.
        QString shareUserId;
        QString name;
        // Shown under the name; empty when there is none to add.
        QString email;
        QString initials;

        bool operator==(const Person&) const = default;
    };

    // An empty `role` leaves the role to the backend.
    ShareMembersModel(AccountClient* accounts, SharingBackend* backend, const QString& accountId, const QString& role,
                      QObject* parent = nullptr);

    // Loads the shares, and the user's profile and then their group. What is
    // shown stays until the new answers replace it.
    void refresh();

    LoadState sharesState() const { return m_sharesState; }
    // Loaded once the profile and the group both are.
    LoadState membersState() const { return m_membersState; }
    // Everybody with access except the account's owner.
    const QList<Person>& peopleWithAccess() const { return m_withAccess; }
    // Group members without access, the user left out; known only once
    // both the shares and the group are loaded.
    const QList<Person>& membersToAdd() const { return m_toAdd; }
    // Whether the group has anybody in it besides the user.
    bool hasOtherMembers() const { return m_hasOtherMembers; }
    // A share or removal is in flight; no other starts until it is answered.
    bool isBusy() const { return m_busy; }

    // Start a change; false, with nothing sent, while another is in flight.
    bool share(const Person& member);
    bool removeAccess(const Person& person);

    // Two letters for a name of several words (first and last), one for a
    // single word or for an e-mail address alone, "?" for neither.
    static QString initialsFor(const QString& name, const QString& email);

signals:
    // The lists or their load states changed.
    void changed();
    void busyChanged(bool busy);
    // `error` is the service's reason; it may be empty.
    void shareFailed(const QString& name, const QString& error);
    void removeFailed(const QString& name);
    // The service accepted a share or a removal.
    void sharingChanged();

private:
    void loadShares();
    void loadGroupMembers();
    void rebuild();
    Person personWithAccess(const ShareMember& share) const;
    Person memberToAdd(const GroupMember& member) const;
    // Ends a change: clears busy, and after a success announces it and reloads
    // the shares.
    void finishChange(bool ok);
    void setBusy(bool busy);

    AccountClient* m_accounts;
    SharingBackend* m_backend;
    QString m_accountId;
    QString m_role;

    QList<ShareMember> m_shares;
    QList<GroupMember> m_members;
    QString m_ownAccountId;
    LoadState m_sharesState = LoadState::Loading;
    LoadState m_membersState = LoadState::Loading;
    // Only the latest load of each list counts.
    NewestAnswer m_sharesAnswer;
    NewestAnswer m_membersAnswer;

    QList<Person> m_withAccess;
    QList<Person> m_toAdd;
    bool m_hasOtherMembers = false;
    bool m_busy = false;
};

} // namespace TandAccount
