#pragma once

#include "account/SharingBackend.h"

#include <QHash>
#include <QList>
#include <QString>

// A sharing backend whose answers the test gives, one call at a time, so
// that what a window shows while it waits can be looked at. Calls are kept
// in the order they came; each answer goes to the oldest unanswered call of
// its kind.
class FakeSharingBackend : public TandAccount::SharingBackend
{
    Q_OBJECT

public:
    struct Call
    {
        QString operation;
        QString accountId;
        // The user id or address shared with or withdrawn.
        QString who;
        QString role;
    };

    explicit FakeSharingBackend(QObject* parent = nullptr);

    void listMembers(const QString& accountId, MembersCallback callback) override;
    void shareWith(const QString& accountId, const QString& who, const QString& role,
                   ShareCallback callback) override;
    void removeShare(const QString& accountId, const QString& userId, RemoveCallback callback) override;
    QString resolveShareUserId(const QString& memberAccountId) const override;

    // Group members' share user ids, where they differ from their account ids.
    void setShareUserId(const QString& memberAccountId, const QString& userId);

    // Each answers the oldest waiting call of its kind; false when none waits.
    bool answerList(bool ok, const QList<TandAccount::ShareMember>& members = {});
    // Answers the latest waiting list instead, as a service may.
    bool answerNewestList(bool ok, const QList<TandAccount::ShareMember>& members = {});
    bool answerShare(bool ok, const QString& error = {});
    bool answerRemove(bool ok);

    QList<Call> calls() const { return m_calls; }
    QList<Call> callsOf(const QString& operation) const;
    int waitingLists() const { return int(m_lists.size()); }
    int waitingShares() const { return int(m_shares.size()); }

private:
    bool answerWaitingList(qsizetype index, bool ok, const QList<TandAccount::ShareMember>& members);

    QList<Call> m_calls;
    QList<MembersCallback> m_lists;
    QList<ShareCallback> m_shares;
    QList<RemoveCallback> m_removals;
    QHash<QString, QString> m_shareUserIds;
};
