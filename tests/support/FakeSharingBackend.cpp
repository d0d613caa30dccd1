#include "tests/support/FakeSharingBackend.h"

FakeSharingBackend::FakeSharingBackend(QObject* parent)
    : SharingBackend(parent)
{
}

void FakeSharingBackend::listMembers(const QString& accountId, MembersCallback callback)
{
    m_calls.append({QStringLiteral("list"), accountId, {}, {}});
    m_lists.append(std::move(callback));
}

void FakeSharingBackend::shareWith(const QString& accountId, const QString& who, const QString& role,
                                   ShareCallback callback)
{
    m_calls.append({QStringLiteral("share"), accountId, who, role});
    m_shares.append(std::move(callback));
}

void FakeSharingBackend::removeShare(const QString& accountId, const QString& userId, RemoveCallback callback)
{
    m_calls.append({QStringLiteral("remove"), accountId, userId, {}});
    m_removals.append(std::move(callback));
}

QString FakeSharingBackend::resolveShareUserId(const QString& memberAccountId) const
{
    return m_shareUserIds.value(memberAccountId, memberAccountId);
}

void FakeSharingBackend::setShareUserId(const QString& memberAccountId, const QString& userId)
{
    m_shareUserIds.insert(memberAccountId, userId);
}

QList<FakeSharingBackend::Call> FakeSharingBackend::callsOf(const QString& operation) const
{
    QList<Call> found;
    for (const Call& call : m_calls) {
        if (call.operation == operation)
            found.append(call);
    }
    return found;
}

bool FakeSharingBackend::answerList(bool ok, const QList<TandAccount::ShareMember>& members)
{
    return answerWaitingList(m_lists.isEmpty() ? -1 : 0, ok, members);
}

bool FakeSharingBackend::answerNewestList(bool ok, const QList<TandAccount::ShareMember>& members)
{
    return answerWaitingList(m_lists.size() - 1, ok, members);
}

bool FakeSharingBackend::answerWaitingList(qsizetype index, bool ok, const QList<TandAccount::ShareMember>& members)
{
    if (index < 0)
        return false;
    const MembersCallback callback = m_lists.takeAt(index);
    if (callback)
        callback(ok, ok ? members : QList<TandAccount::ShareMember>());
    return true;
}

bool FakeSharingBackend::answerShare(bool ok, const QString& error)
{
    if (m_shares.isEmpty())
        return false;
    const ShareCallback callback = m_shares.takeFirst();
    if (callback)
        callback(ok, error);
    return true;
}

bool FakeSharingBackend::answerRemove(bool ok)
{
    if (m_removals.isEmpty())
        return false;
    const RemoveCallback callback = m_removals.takeFirst();
    if (callback)
        callback(ok);
    return true;
}
