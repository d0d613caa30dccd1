#pragma once

#include "tests/support/FakeAccountService.h"
#include "tests/support/FakeAuthService.h"
#include "tests/support/FakeSyncService.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>

namespace TandAccount {
class Client;
}

// The sign-in, account and sync services on 127.0.0.1 that a test runs the
// client or the whole program against. Once started, the environment the
// program reads its service addresses from (AUTH_BASE_URL, ACCOUNT_API_URL,
// SYNC_API_URL, AUTH_CLIENT_ID) names them for as long as the fixture lives;
// what it named before comes back after.
class FakeServices
{
public:
    // Where the program's account-service requests go.
    enum class AccountApi {
        Served,
        // To the sign-in service, which knows none of them: for tests whose
        // users the account service does not know, where its refusal would
        // have the client refresh their tokens.
        AtTheSignInService,
    };

    explicit FakeServices(AccountApi accountApi = AccountApi::Served);
    ~FakeServices();

    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    bool start();

    // A user both the account service and the sync service's sharing
    // endpoints know: "acc-<name>", signing in as "user-<name>", with the
    // address "<name>@example.org".
    void addPerson(const QString& name, const QString& displayName);

    // A client of its own, signed in as `authUserId` through a new session
    // and started up; its tokens are kept in this fixture, which must
    // outlive it.
    std::unique_ptr<TandAccount::Client> signedInClient(const QString& authUserId);

    FakeAuthService auth;
    FakeAccountService accounts;
    FakeSyncService sync;

private:
    struct SavedVariable
    {
        const char* name;
        QByteArray value;
        bool wasSet;
    };

    AccountApi m_accountApi;
    QList<SavedVariable> m_saved;
    QHash<QString, QString> m_clientTokens;
};
