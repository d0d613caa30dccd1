#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/TokenManager.h"
#include "tests/support/FakeAuthService.h"
#include "tests/support/TestTokens.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace TandAccount;

namespace {

// The stored pair as the token store holds it.
FakeAuthService::TokenPair storedPair(const QHash<QString, QString>& entries)
{
    return {entries.value(TokenStore::kAccessTokenKey), entries.value(TokenStore::kRefreshTokenKey)};
}

void store(QHash<QString, QString>& entries, const QString& access, const QString& refresh)
{
    entries.insert(TokenStore::kAccessTokenKey, access);
    entries.insert(TokenStore::kRefreshTokenKey, refresh);
}

// An address where nothing listens: the service is unreachable.
QUrl unreachableUrl()
{
    FakeHttpServer closed;
    closed.listen();
    return closed.baseUrl();
}

} // namespace

class AuthClientTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpWithAValidTokenSignsInWithoutARequest();
    void startUpWithoutTokensSignsOutOnce();
    void startUpOfflineKeepsTheSignIn();
    void startUpRefreshAnswers_data();
    void startUpRefreshAnswers();
    void refreshWithoutANewRefreshTokenKeepsTheOld();
    void refusalOnAnyTransportSignsOutHere();
    void logoutEndsTheSessionOnTheService();
    void logoutWithAnExpiredTokenStillReachesTheService();
    void logoutWhileSignedOut();
    void currentUserIsCachedAcrossFailures();
    void passwordChangeTellsFailureFromSuccess();
    void sessionsAreListedAndRevoked();
    void hostileSessionIdsAreRefusedBeforeARequest();
    void clientSetsUpItsTransports();

private:
    std::unique_ptr<Client> makeClient(const QUrl& authBaseUrl);
    std::unique_ptr<Client> makeClient() { return makeClient(m_auth->baseUrl()); }

    FakeAuthService* m_auth = nullptr;
    QHash<QString, QString> m_entries;
};

void AuthClientTest::init()
{
    m_auth = new FakeAuthService(QStringLiteral("tandrel"), this);
    QVERIFY(m_auth->start());
    m_entries.clear();
}

void AuthClientTest::cleanup()
{
    delete m_auth;
}

std::unique_ptr<Client> AuthClientTest::makeClient(const QUrl& authBaseUrl)
{
    ClientConfig config;
    config.authBaseUrl = authBaseUrl.toString();
    config.realm = QStringLiteral("tandrel");
    config.accountApiUrl = authBaseUrl.toString() + QStringLiteral("/account");
    config.clientId = QString::fromLatin1(FakeAuthService::kClientId);
    config.appId = QStringLiteral("ledgerine-test");
    config.appName = QStringLiteral("Ledgerine");
    config.appVersion = QStringLiteral("1.2.3");
    return std::make_unique<Client>(config, std::make_unique<MemoryTokenStore>(&m_entries));
}

void AuthClientTest::startUpWithAValidTokenSignsInWithoutARequest()
{
    const QString access = makeToken(QJsonObject{
        {QStringLiteral("sub"), QStringLiteral("user-7")},
        {QStringLiteral("exp"), QDateTime::currentSecsSinceEpoch() + 600},
        {QStringLiteral("custom"),
         QJsonObject{{QStringLiteral("tnd"),
                      QJsonObject{{QStringLiteral("group_id"), QStringLiteral("g-1")},
                                  {QStringLiteral("role"), QStringLiteral("owner")}}}}}});
    store(m_entries, access, QStringLiteral("r"));
    auto client = makeClient();

    QStringList order;
    connect(client.get(), &Client::authStateChanged, this, [&order] { order << QStringLiteral("client"); });
    connect(client.get(), &Client::claimsUpdated, this, [&order](const TndClaims& claims) {
        order << QStringLiteral("claims:") + claims.group_id + u'/' + claims.role;
    });
    client->initialize();

    QVERIFY(client->isAuthenticated());
    QCOMPARE(order, (QStringList{QStringLiteral("client"), QStringLiteral("claims:g-1/owner")}));
    QCOMPARE(client->authClient()->userId(), QStringLiteral("user-7"));
    QTest::qWait(50);
    QVERIFY(m_auth->server()->requests().isEmpty());
}

void AuthClientTest::startUpWithoutTokensSignsOutOnce()
{
    auto client = makeClient();
    QSignalSpy changes(client->authClient(), &AuthClient::stateChanged);
    QSignalSpy expired(client->authClient(), &AuthClient::sessionExpired);
    QCOMPARE(client->authClient()->state(), AuthState::Unknown);
    client->initialize();

    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).value<AuthState>(), AuthState::Unauthenticated);
    QCOMPARE(expired.size(), 0);
    QCOMPARE(client->authClient()->userId(), QString());
    QTest::qWait(50);
    QVERIFY(m_auth->server()->requests().isEmpty());
}

void AuthClientTest::startUpOfflineKeepsTheSignIn()
{
    const QString expired = tokenExpiringIn(-60);
    store(m_entries, expired, QStringLiteral("r"));
    auto client = makeClient(unreachableUrl());
    client->initialize();
    QCOMPARE(client->authClient()->state(), AuthState::Unknown);

    QTRY_COMPARE(client->authClient()->state(), AuthState::Authenticated);
    QCOMPARE(storedPair(m_entries).access, expired);
    QCOMPARE(storedPair(m_entries).refresh, QStringLiteral("r"));
}

void AuthClientTest::startUpRefreshAnswers_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("staysSignedIn");

    QTest::newRow("400 refused") << 400 << QByteArray(R"({"error":"invalid_grant"})") << false;
    QTest::newRow("401 refused") << 401 << QByteArray("{}") << false;
    QTest::newRow("403 refused") << 403 << QByteArray("{}") << false;
    QTest::newRow("404 transient") << 404 << QByteArray("{}") << true;
    QTest::newRow("408 transient") << 408 << QByteArray("{}") << true;
    QTest::newRow("429 transient") << 429 << QByteArray("{}") << true;
    QTest::newRow("500 transient") << 500 << QByteArray("{}") << true;
    QTest::newRow("503 transient") << 503 << QByteArray("{}") << true;
    QTest::newRow("200 without access token") << 200 << QByteArray(R"({"refresh_token":"x"})") << true;
    QTest::newRow("200 with an empty access token") << 200 << QByteArray(R"({"access_token":""})") << true;
}

void AuthClientTest::startUpRefreshAnswers()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, staysSignedIn);

    const FakeAuthService::TokenPair pair{tokenExpiringIn(-60), QStringLiteral("r")};
    store(m_entries, pair.access, pair.refresh);
    m_auth->server()->respondAlways("POST", m_auth->realmPath(QStringLiteral("/auth/token/refresh")),
                                    FakeResponse::raw(status, body, "application/json"));
    auto client = makeClient();
    QSignalSpy expired(client->authClient(), &AuthClient::sessionExpired);
    if (status == 200)
        QTest::ignoreMessage(QtWarningMsg, "AuthClient: the token refresh answer holds no access token");
    else if (!staysSignedIn)
        QTest::ignoreMessage(QtWarningMsg, "AuthClient: the service refused the sign-in; signing out");
    client->initialize();

    const AuthState expected = staysSignedIn ? AuthState::Authenticated : AuthState::Unauthenticated;
    QTRY_COMPARE(client->authClient()->state(), expected);
    QCOMPARE(m_auth->server()->requests().size(), 1);
    QCOMPARE(m_auth->server()->requests().at(0).json().value(QLatin1String("refresh_token")).toString(),
             QStringLiteral("r"));
    QVERIFY(!m_auth->server()->requests().at(0).hasHeader("Authorization"));
    if (staysSignedIn) {
        QCOMPARE(storedPair(m_entries).access, pair.access);
        QCOMPARE(storedPair(m_entries).refresh, pair.refresh);
        QCOMPARE(expired.size(), 0);
    } else {
        QVERIFY(m_entries.isEmpty());
        QCOMPARE(expired.size(), 1);
    }
}

void AuthClientTest::refreshWithoutANewRefreshTokenKeepsTheOld()
{
    store(m_entries, tokenExpiringIn(-60), QStringLiteral("r"));
    const QString fresh = tokenExpiringIn(3600);
    m_auth->server()->respondOnce("POST", m_auth->realmPath(QStringLiteral("/auth/token/refresh")),
                                  FakeResponse::json(200, {{QStringLiteral("access_token"), fresh}}));
    auto client = makeClient();
    client->initialize();

    QTRY_VERIFY(client->isAuthenticated());
    QCOMPARE(client->tokenManager()->accessToken(), fresh);
    QCOMPARE(storedPair(m_entries).access, fresh);
    QCOMPARE(storedPair(m_entries).refresh, QStringLiteral("r"));
}

void AuthClientTest::refusalOnAnyTransportSignsOutHere()
{
    const FakeAuthService::TokenPair pair = m_auth->signIn();
    store(m_entries, pair.access, pair.refresh);
    auto client = makeClient();
    client->syncApiClient()->setBaseUrl(m_auth->baseUrl());
    client->initialize();
    QVERIFY(client->isAuthenticated());

    // The service has ended the session: the request is refused, and so is
    // the refresh it brings about.
    m_auth->server()->respondAlways("GET", QStringLiteral("/sync/pull"), FakeResponse::json(401, {}));
    m_auth->server()->respondAlways("POST", m_auth->realmPath(QStringLiteral("/auth/token/refresh")),
                                    FakeResponse::json(401, {}));
    QSignalSpy expired(client->authClient(), &AuthClient::sessionExpired);
    QSignalSpy changes(client.get(), &Client::authStateChanged);
    int status = -1;
    QTest::ignoreMessage(QtWarningMsg, "AuthClient: the service refused the sign-in; signing out");
    client->syncApiClient()->get(QStringLiteral("/sync/pull"),
                                 [&status](bool, int httpStatus, const QJsonObject&) { status = httpStatus; });

    QTRY_COMPARE(status, 401);
    QCOMPARE(client->authClient()->state(), AuthState::Unauthenticated);
    QVERIFY(m_entries.isEmpty());
    QCOMPARE(expired.size(), 1);
    QCOMPARE(changes.size(), 1);
}

void AuthClientTest::logoutEndsTheSessionOnTheService()
{
    const FakeAuthService::TokenPair pair = m_auth->signIn();
    store(m_entries, pair.access, pair.refresh);
    auto client = makeClient();
    client->initialize();
    QSignalSpy completed(client->authClient(), &AuthClient::logoutCompleted);
    QSignalSpy changes(client->authClient(), &AuthClient::stateChanged);

    client->authClient()->logout();
    // Signed out here at once, whatever the network does.
    QCOMPARE(client->authClient()->state(), AuthState::Unauthenticated);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(completed.size(), 1);
    QVERIFY(m_entries.isEmpty());

    QTRY_COMPARE(m_auth->liveSessionCount(), 0);
    const QList<RecordedRequest> logouts =
        m_auth->server()->requestsTo("POST", m_auth->realmPath(QStringLiteral("/auth/logout")));
    QCOMPARE(logouts.size(), 1);
    QCOMPARE(logouts.at(0).header("Authorization"), "Bearer " + pair.access.toUtf8());
    QVERIFY(logouts.at(0).body.isEmpty());
}

void AuthClientTest::logoutWithAnExpiredTokenStillReachesTheService()
{
    m_auth->setAccessLifetime(20);
    const FakeAuthService::TokenPair pair = m_auth->signIn();
    store(m_entries, pair.access, pair.refresh);
    auto client = makeClient();
    client->initialize();
    QTRY_VERIFY(client->isAuthenticated());
    QCOMPARE(client->tokenManager()->accessToken(), QString());

    m_auth->setAccessLifetime(3600);
    client->authClient()->logout();
    QVERIFY(m_entries.isEmpty());

    // The old refresh token buys the access token the sign-out is sent with,
    // and the pair it brings is not stored.
    QTRY_COMPARE(m_auth->liveSessionCount(), 0);
    QCOMPARE(m_auth->server()->requestsTo("POST", m_auth->realmPath(QStringLiteral("/auth/logout"))).size(), 1);
    QTest::qWait(50);
    QVERIFY(m_entries.isEmpty());
    QCOMPARE(client->tokenManager()->refreshToken(), QString());
    QVERIFY(!client->isAuthenticated());
}

void AuthClientTest::logoutWhileSignedOut()
{
    auto client = makeClient();
    client->initialize();
    QSignalSpy completed(client->authClient(), &AuthClient::logoutCompleted);
    QSignalSpy changes(client->authClient(), &AuthClient::stateChanged);

    client->authClient()->logout();
    QCOMPARE(changes.size(), 0);
    QCOMPARE(completed.size(), 1);
    QTest::qWait(50);
    QVERIFY(m_auth->server()->requests().isEmpty());
}

void AuthClientTest::currentUserIsCachedAcrossFailures()
{
    const FakeAuthService::TokenPair pair = m_auth->signIn();
    store(m_entries, pair.access, pair.refresh);
    auto client = makeClient();
    client->initialize();
    AuthClient* auth = client->authClient();

    QList<User> fetched;
    QList<bool> named;
    const auto fetch = [&] {
        auth->fetchCurrentUser([&](bool ok, const User& user) {
            named.append(ok);
            fetched.append(user);
        });
    };
    fetch();
    QTRY_COMPARE(fetched.size(), 1);
    QCOMPARE(named.at(0), true);
    QCOMPARE(fetched.at(0).id, QStringLiteral("user-1"));
    QCOMPARE(fetched.at(0).display_name, QStringLiteral("Test User"));
    QCOMPARE(fetched.at(0).created_at, QDateTime(QDate(2024, 3, 5), QTime(14, 7), Qt::UTC));

    // A failure, and a success that names nobody, hand back the cached user
    // and say that it is not the service's answer.
    const QString path = m_auth->realmPath(QStringLiteral("/users/me"));
    m_auth->server()->respondOnce("GET", path, FakeResponse::json(500, {{QStringLiteral("id"), QStringLiteral("bogus")}}));
    m_auth->server()->respondOnce("GET", path, FakeResponse::json(200, {{QStringLiteral("display_name"), QStringLiteral("?")}}));
    fetch();
    QTRY_COMPARE(fetched.size(), 2);
    fetch();
    QTRY_COMPARE(fetched.size(), 3);
    QCOMPARE(named, (QList<bool>{true, false, false}));
    QCOMPARE(fetched.at(1), fetched.at(0));
    QCOMPARE(fetched.at(2), fetched.at(0));
    QCOMPARE(auth->currentUser(), fetched.at(0));

    QList<QPair<bool, QString>> renames;
    const auto record = [&renames](bool ok, const User& user) { renames.append({ok, user.display_name}); };
    auth->updateProfile(QStringLiteral("Ann"), record);
    QTRY_COMPARE(renames.size(), 1);
    m_auth->server()->respondOnce("PATCH", m_auth->realmPath(QStringLiteral("/users/me")), FakeResponse::json(503, {}));
    auth->updateProfile(QStringLiteral("Bea"), record);
    QTRY_COMPARE(renames.size(), 2);
    auth->updateProfile(QStringLiteral(" "), record);
    QTRY_COMPARE(renames.size(), 3);

    // A failed rename says so, and the name shown stays the one the service has.
    QCOMPARE(renames, (QList<QPair<bool, QString>>{{true, QStringLiteral("Ann")},
                                                   {false, QStringLiteral("Ann")},
                                                   {false, QStringLiteral("Ann")}}));
    QCOMPARE(auth->currentUser().display_name, QStringLiteral("Ann"));
    QCOMPARE(m_auth->displayName(), QStringLiteral("Ann"));

    auth->logout();
    QCOMPARE(auth->currentUser(), User());
}

void AuthClientTest::passwordChangeTellsFailureFromSuccess()
{
    const FakeAuthService::TokenPair pair = m_auth->signIn();
    store(m_entries, pair.access, pair.refresh);
    auto client = makeClient();
    client->initialize();

    QList<bool> answers;
    const auto record = [&answers](bool ok) { answers.append(ok); };
    client->authClient()->changePassword(QStringLiteral("wrong"), QStringLiteral("new-secret"), record);
    QTRY_COMPARE(answers.size(), 1);
    client->authClient()->changePassword(QStringLiteral("old-secret"), QStringLiteral("new-secret"), record);
    QTRY_COMPARE(answers.size(), 2);
    QCOMPARE(answers, (QList<bool>{false, true}));
    const RecordedRequest sent =
        m_auth->server()->requestsTo("POST", m_auth->realmPath(QStringLiteral("/users/me/password"))).last();
    QCOMPARE(sent.json().value(QLatin1String("new_password")).toString(), QStringLiteral("new-secret"));
}

void AuthClientTest::sessionsAreListedAndRevoked()
{
    const FakeAuthService::TokenPair here = m_auth->signIn();
    const FakeAuthService::TokenPair elsewhere = m_auth->signIn();
    m_auth->signIn(QStringLiteral("someone-else"));
    store(m_entries, here.access, here.refresh);
    auto client = makeClient();
    client->initialize();
    AuthClient* auth = client->authClient();

    QList<Session> sessions;
    bool listed = false;
    auth->listSessions([&](bool ok, const QList<Session>& list) {
        listed = ok;
        sessions = list;
    });
    QTRY_VERIFY(listed);
    QCOMPARE(sessions.size(), 2);
    const Session other = sessions.at(0).is_current ? sessions.at(1) : sessions.at(0);
    QVERIFY(sessions.at(0).is_current != sessions.at(1).is_current);

    int revoked = -1;
    auth->revokeSession(other.id, [&revoked](bool ok) { revoked = ok; });
    QTRY_COMPARE(revoked, 1);
    QVERIFY(!m_auth->isLive(elsewhere));
    QVERIFY(m_auth->isLive(here));

    // A failed list is told apart from an empty one.
    m_auth->server()->respondOnce("GET", m_auth->realmPath(QStringLiteral("/users/me/sessions")),
                                  FakeResponse::json(500, {}));
    sessions = {Session()};
    int answered = 0;
    auth->listSessions([&](bool ok, const QList<Session>& list) {
        ++answered;
        listed = ok;
        sessions = list;
    });
    QTRY_COMPARE(answered, 1);
    QVERIFY(!listed);
    QVERIFY(sessions.isEmpty());
}

void AuthClientTest::hostileSessionIdsAreRefusedBeforeARequest()
{
    const FakeAuthService::TokenPair pair = m_auth->signIn();
    store(m_entries, pair.access, pair.refresh);
    auto client = makeClient();
    client->initialize();

    const QStringList hostile{QStringLiteral(".."), QStringLiteral("."), QString(), QString(257, u's')};
    QList<bool> answers;
    for (const QString& id : hostile) {
        QTest::ignoreMessage(QtWarningMsg, "AuthClient: refused to revoke a session whose id cannot stand in a request path");
        client->authClient()->revokeSession(id, [&answers](bool ok) { answers.append(ok); });
    }
    QCOMPARE(answers, QList<bool>(hostile.size(), false));
    QTest::qWait(50);
    QVERIFY(m_auth->server()->requests().isEmpty());
    QCOMPARE(m_auth->liveSessionCount(), 1);

    // Any other id goes as one segment.
    client->authClient()->revokeSession(QStringLiteral("../../users/me"), {});
    QTRY_COMPARE(m_auth->server()->requests().size(), 1);
    QVERIFY(m_auth->server()->requests().at(0).target.endsWith("/users/me/sessions/..%2F..%2Fusers%2Fme"));
}

void AuthClientTest::clientSetsUpItsTransports()
{
    const FakeAuthService::TokenPair pair = m_auth->signIn();
    store(m_entries, pair.access, pair.refresh);
    auto client = makeClient();
    client->initialize();
    const QString base = m_auth->baseUrl().toString();
    QCOMPARE(client->authApiClient()->baseUrl(), QUrl(base + QStringLiteral("/api/v1/realms/tandrel")));
    QCOMPARE(client->accountApiClient()->baseUrl(), QUrl(base + QStringLiteral("/account")));
    QVERIFY(client->syncApiClient()->baseUrl().isEmpty());

    client->authClient()->fetchCurrentUser({});
    QTRY_COMPARE(m_auth->server()->requests().size(), 1);
    const RecordedRequest sent = m_auth->server()->requests().at(0);
    QCOMPARE(sent.header("X-Platform"), QByteArray("linux"));
    QCOMPARE(sent.header("X-App-Id"), QByteArray("ledgerine-test"));
    QCOMPARE(sent.header("X-App-Version"), QByteArray("1.2.3"));

    QCOMPARE(Client::platformName(QStringLiteral("Custom OS")), QStringLiteral("Custom OS"));
    QCOMPARE(Client::platformName(QString()), QStringLiteral("linux"));
}

QTEST_GUILESS_MAIN(AuthClientTest)
#include "tst_authclient.moc"
