#include "account/ShareMembersModel.h"

#include "account/AccountClient.h"
#include "account/PersonName.h"
#include "account/SharingBackend.h"

#include <QPointer>
#include <QSet>

using namespace Qt::StringLiterals;

namespace TandAccount {

namespace {

const QString kOwnerRole = u"owner"_s;

// The first character as a person reads it: a letter outside the basic
// plane is two UTF-16 units, and half of one is no letter at all.
QString firstLetter(const QString& text)
{
    if (text.isEmpty())
        return {};
    const qsizetype length = text.at(0).isHighSurrogate() && text.size() > 1 ? 2 : 1;
    return text.left(length).toUpper();
}

} // namespace

ShareMembersModel::ShareMembersModel(AccountClient* accounts, SharingBackend* backend, const QString& accountId,
                                     const QString& role, QObject* parent)
    : QObject(parent)
    , m_accounts(accounts)
    , m_backend(backend)
    , m_accountId(accountId)
    , m_role(role)
{
}

void ShareMembersModel::refresh()
{
    loadGroupMembers();
    loadShares();
}

void ShareMembersModel::loadShares()
{
    const NewestAnswer::Ticket ticket = m_sharesAnswer.next();
    m_backend->listMembers(m_accountId, [this, ticket](bool ok, const QList<ShareMember>& shares) {
        if (!ticket.counts())
            return;
        m_shares = ok ? shares : QList<ShareMember>();
        m_sharesState = ok ? LoadState::Loaded : LoadState::Failed;
        rebuild();
    });
}

void ShareMembersModel::loadGroupMembers()
{
    const NewestAnswer::Ticket ticket = m_membersAnswer.next();
    const auto failed = [this] {
        m_members.clear();
        m_membersState = LoadState::Failed;
        rebuild();
    };
    m_accounts->getProfile([this, ticket, failed](bool ok, const Profile& profile) {
        if (!ticket.counts())
            return;
        // Without the user's own id the user cannot be told from the other
        // members, and would be offered a share of their own account.
        if (!ok || profile.id.isEmpty()) {
            failed();
            return;
        }
        m_ownAccountId = profile.id;
        m_accounts->getGroup([this, ticket, failed](bool groupOk, const Group& group) {
            if (!ticket.counts())
                return;
            if (!groupOk) {
                failed();
                return;
            }
            m_members = group.members;
            m_membersState = LoadState::Loaded;
            rebuild();
        });
    });
}

void ShareMembersModel::rebuild()
{
    m_withAccess.clear();
    m_toAdd.clear();
    m_hasOtherMembers = false;

    // The owner has access without a share of their own: no row, but no
    // offer of a share either.
    QSet<QString> hasAccess;
    for (const ShareMember& share : std::as_const(m_shares)) {
        hasAccess.insert(share.user_id);
        if (share.role != kOwnerRole)
            m_withAccess.append(personWithAccess(share));
    }

    const QString ownShareId = m_backend->resolveShareUserId(m_ownAccountId);
    for (const GroupMember& member : std::as_const(m_members)) {
        const QString shareId = m_backend->resolveShareUserId(member.account_id);
        if (shareId.isEmpty() || shareId == ownShareId)
            continue;
        m_hasOtherMembers = true;
        if (m_sharesState == LoadState::Loaded && !hasAccess.contains(shareId))
            m_toAdd.append(memberToAdd(member));
    }
    emit changed();
}

ShareMembersModel::Person ShareMembersModel::personWithAccess(const ShareMember& share) const
{
    QString name = share.display_name;
    QString email = share.email;
    if ((name.isEmpty() || email.isEmpty()) && !share.user_id.isEmpty()) {
        for (const GroupMember& member : m_members) {
            if (m_backend->resolveShareUserId(member.account_id) == share.user_id) {
                if (name.isEmpty())
                    name = member.display_name;
                if (email.isEmpty())
                    email = member.email;
                break;
            }
        }
    }
    Person person;
    person.shareUserId = share.id;
    person.initials = initialsFor(name, email);
    person.name = personName(name, email, share.user_id);
    person.email = email != person.name ? email : QString();
    return person;
}

ShareMembersModel::Person ShareMembersModel::memberToAdd(const GroupMember& member) const
{
    Person person;
    person.shareUserId = m_backend->resolveShareUserId(member.account_id);
    person.initials = initialsFor(member.display_name, member.email);
    person.name = personName(member.display_name, member.email, member.account_id);
    person.email = !member.display_name.isEmpty() && member.email != member.display_name ? member.email : QString();
    return person;
}

QString ShareMembersModel::initialsFor(const QString& name, const QString& email)
{
    const QStringList parts = name.simplified().split(u' ', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return email.trimmed().isEmpty() ? u"?"_s : firstLetter(email.trimmed());
    if (parts.size() < 2)
        return firstLetter(parts.first());
    return firstLetter(parts.first()) + firstLetter(parts.last());
}

bool ShareMembersModel::share(const Person& member)
{
    if (m_busy)
        return false;
    setBusy(true);
    QPointer<ShareMembersModel> self(this);
    m_backend->shareWith(m_accountId, member.shareUserId, m_role,
                         [self, name = member.name](bool ok, const QString& error) {
                             if (!self)
                                 return;
                             self->finishChange(ok);
                             if (!ok)
                                 emit self->shareFailed(name, error);
                         });
    return true;
}

bool ShareMembersModel::removeAccess(const Person& person)
{
    if (m_busy)
        return false;
    setBusy(true);
    QPointer<ShareMembersModel> self(this);
    m_backend->removeShare(m_accountId, person.shareUserId, [self, name = person.name](bool ok) {
        if (!self)
            return;
        self->finishChange(ok);
        if (!ok)
            emit self->removeFailed(name);
    });
    return true;
}

void ShareMembersModel::finishChange(bool ok)
{
    setBusy(false);
    if (!ok)
        return;
    emit sharingChanged();
    // A share changes who has access, not who is in the group.
    loadShares();
}

void ShareMembersModel::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    emit busyChanged(busy);
}

} // namespace TandAccount
