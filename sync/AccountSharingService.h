#pragma once

#include "account/SharingBackend.h"

namespace TandAccount {
class ApiClient;
}

// Shares local accounts through the sync API: who may see an account
// ("/accounts/<id>/members"), sharing it ("/accounts/<id>/share") and
// withdrawing a share ("/accounts/<id>/share/<user id>"). Account and user
// ids go into the path as one encoded segment each; one that cannot stand
// there is refused before any request.
class AccountSharingService : public TandAccount::SharingBackend
{
    Q_OBJECT

public:
    // Answers longer than this from the service are cut: they are shown in a
    // window, and a service may send anything.
    static constexpr qsizetype kMaxErrorLength = 300;

    // `api` is the sync transport; it outlives the service.
    explicit AccountSharingService(TandAccount::ApiClient* api, QObject* parent = nullptr);

    void listMembers(const QString& accountId, MembersCallback callback) override;
    // `who` holding an '@' is an e-mail address and travels as "email" as well
    // as "user_id"; the role is "member" unless one is given.
    void shareWith(const QString& accountId, const QString& who, const QString& role,
                   ShareCallback callback) override;
    void removeShare(const QString& accountId, const QString& userId, RemoveCallback callback) override;

signals:
    // The service accepted a share or a withdrawal for the account: who sees
    // it has changed, and a sync brings the account's state up to date.
    void sharingChanged(const QString& accountId);

private:
    TandAccount::ApiClient* m_api;
};
