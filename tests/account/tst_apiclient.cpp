#include "account/ApiClient.h"
#include "account/TokenManager.h"
#include "tests/support/FakeHttpServer.h"
#include "tests/support/TestTokens.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

using namespace TandAccount;

namespace {

struct Outcome
{
    int calls = 0;
    bool ok = false;
    int status = -1;
    QJsonObject body;

    ResponseCallback callback()
    {
        return [this](bool isOk, int httpStatus, const QJsonObject& answer) {
            ++calls;
            ok = isOk;
            status = httpStatus;
            body = answer;
        };
    }
};

QByteArray bearer(const QString& token)
{
    return "Bearer " + token.toUtf8();
}

// Every message logged while it lives, whatever its level.
class LogCapture
{
public:
    LogCapture() { s_previous = qInstallMessageHandler(&LogCapture::handle); }
    ~LogCapture() { qInstallMessageHandler(s_previous); }
    QStringList lines() const { return s_lines; }

private:
    static void handle(QtMsgType, const QMessageLogContext&, const QString& message) { s_lines.append(message); }

    static inline QtMessageHandler s_previous = nullptr;
    static inline QStringList s_lines;
};

} // namespace

class ApiClientTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void joinsPathsAndQueries();
    void sendsJsonAndApplicationHeaders();
    void readsAnswersOfEveryShape();
    void retriesOnceAfter401WithTheRefreshedToken();
    void rejectedRefreshRequiresAuthentication();
    void concurrentRequestsShareOneProactiveRefresh();
    void proactiveRefreshFailuresEndTheRequest();
    void requestsGoOnOnlyAsTheUserTheyWereMadeFor();
    void answersReachOnlyTheUserTheyWereMadeFor();
    void publicRequestsCarryNoTokenAndNeverRetry();
    void requestsThatNeedASignInAreNotSentWithoutOne();
    void networkFailuresEndWithStatusZero();
    void redirectsToAnotherOriginAreNotFollowed();
    void answersBeyondTheLimitsFail();
    void logsNameNoCodeOrToken();

private:
    FakeHttpServer* m_server = nullptr;
    QHash<QString, QString> m_storedTokens;
    TokenManager* m_tokens = nullptr;
    ApiClient* m_api = nullptr;
    int m_refreshes = 0;
    // Each refresh hands out the next token of this list, or is rejected.
    QStringList m_nextAccessTokens;
};

void ApiClientTest::init()
{
    m_server = new FakeHttpServer(this);
    QVERIFY(m_server->listen());
    m_storedTokens.clear();
    m_tokens = new TokenManager(std::make_unique<MemoryTokenStore>(&m_storedTokens), this);
    // Signed in: a request that needs a sign-in is not sent without one.
    m_tokens->setTokens(tokenExpiringIn(3600), QStringLiteral("r"));
    m_api = new ApiClient(m_tokens, this);
    m_api->setBaseUrl(m_server->baseUrl());
    m_refreshes = 0;
    m_nextAccessTokens.clear();
    m_tokens->setRefresher([this](const QString&, TokenManager::RefreshSucceeded ok, TokenManager::RefreshFailed no) {
        ++m_refreshes;
        if (m_nextAccessTokens.isEmpty())
            no(true);
        else
            ok(m_nextAccessTokens.takeFirst(), QStringLiteral("refresh-%1").arg(m_refreshes));
    });
}

void ApiClientTest::cleanup()
{
    delete m_api;
    delete m_tokens;
    delete m_server;
}

void ApiClientTest::joinsPathsAndQueries()
{
    m_api->setBaseUrl(QUrl(m_server->baseUrl().toString() + "/api/v1/realms/tandrel"));
    Outcome realm;
    m_api->get(QStringLiteral("/users/me"), realm.callback());

    Outcome pull;
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("cursor"), QStringLiteral("a b"));
    query.addQueryItem(QStringLiteral("limit"), QStringLiteral("200"));
    m_api->setBaseUrl(QUrl(m_server->baseUrl().toString() + "/sync/"));
    m_api->get(QStringLiteral("/pull"), pull.callback(), query);

    QTRY_COMPARE(m_server->requests().size(), 2);
    const RecordedRequest first = m_server->requests().at(0);
    QCOMPARE(first.path, QStringLiteral("/api/v1/realms/tandrel/users/me"));
    QVERIFY(!first.hasQuery);

    const RecordedRequest second = m_server->requests().at(1);
    QCOMPARE(second.path, QStringLiteral("/sync//pull"));
    QCOMPARE(second.query.queryItemValue(QStringLiteral("cursor")), QStringLiteral("a b"));
    QCOMPARE(second.query.queryItemValue(QStringLiteral("limit")), QStringLiteral("200"));
    QTRY_COMPARE(pull.calls, 1);
    QCOMPARE(pull.status, 404);
}

void ApiClientTest::sendsJsonAndApplicationHeaders()
{
    const QString token = tokenExpiringIn(3600);
    m_tokens->setTokens(token, QStringLiteral("r"));
    m_api->setAppInfo(QStringLiteral("ledgerine"), QStringLiteral("1.1.4"), QStringLiteral("linux-x64"));
    m_server->route("POST", "/things", [](const RecordedRequest&) { return FakeResponse::json(201, {{"id", "t1"}}); });
    m_server->route("PATCH", "/things/t1", [](const RecordedRequest&) { return FakeResponse::json(200, {}); });
    m_server->route("DELETE", "/things/t1", [](const RecordedRequest&) { return FakeResponse::empty(204); });

    Outcome created, emptyPost, patched, deleted;
    m_api->post(QStringLiteral("/things"), {{"name", "ü"}, {"n", 1}}, created.callback());
    m_api->post(QStringLiteral("/things"), {}, emptyPost.callback());
    m_api->patch(QStringLiteral("/things/t1"), {{"name", "x"}}, patched.callback());
    m_api->deleteResource(QStringLiteral("/things/t1"), deleted.callback());
    QTRY_VERIFY(created.calls && emptyPost.calls && patched.calls && deleted.calls);

    QCOMPARE(created.ok, true);
    QCOMPARE(created.status, 201);
    QCOMPARE(created.body.value("id").toString(), QStringLiteral("t1"));
    QCOMPARE(deleted.ok, true);
    QCOMPARE(deleted.status, 204);
    QVERIFY(deleted.body.isEmpty());

    // The two posts travel on separate connections and may arrive in either order.
    QList<RecordedRequest> posts = m_server->requestsTo("POST", "/things");
    QCOMPARE(posts.size(), 2);
    if (posts.at(0).body.isEmpty())
        posts.swapItemsAt(0, 1);
    const RecordedRequest post = posts.at(0);
    QCOMPARE(post.header("Content-Type"), QByteArray("application/json"));
    QCOMPARE(post.header("Accept"), QByteArray("application/json"));
    QCOMPARE(post.header("X-App-Id"), QByteArray("ledgerine"));
    QCOMPARE(post.header("X-App-Version"), QByteArray("1.1.4"));
    QCOMPARE(post.header("X-Platform"), QByteArray("linux-x64"));
    QCOMPARE(post.header("Authorization"), bearer(token));
    QCOMPARE(post.body, QStringLiteral(R"({"n":1,"name":"ü"})").toUtf8());

    const RecordedRequest empty = posts.at(1);
    QVERIFY(empty.body.isEmpty());
    QCOMPARE(empty.header("Content-Type"), QByteArray("application/json"));

    QCOMPARE(m_server->requestsTo("PATCH", "/things/t1").at(0).json().value("name").toString(), QStringLiteral("x"));
    QCOMPARE(m_server->requestsTo("DELETE", "/things/t1").size(), 1);

    // Empty application texts send no header at all.
    m_api->setAppInfo(QString(), QString(), QString());
    Outcome bare;
    m_api->get(QStringLiteral("/bare"), bare.callback());
    QTRY_COMPARE(bare.calls, 1);
    const RecordedRequest plain = m_server->requestsTo("GET", "/bare").at(0);
    QVERIFY(!plain.hasHeader("X-App-Id"));
    QVERIFY(!plain.hasHeader("X-App-Version"));
    QVERIFY(!plain.hasHeader("X-Platform"));
}

void ApiClientTest::readsAnswersOfEveryShape()
{
    m_server->respondOnce("GET", "/a", FakeResponse::raw(200, "<html>oops</html>", "text/html"));
    m_server->respondOnce("GET", "/b", FakeResponse::raw(200, "[1,2]"));
    m_server->respondOnce("GET", "/c", FakeResponse::raw(500, R"({"error":"boom"})", "application/json"));
    m_server->respondOnce("GET", "/d", FakeResponse::raw(200, "{broken"));
    m_server->respondOnce("GET", "/e", FakeResponse::raw(200, "", "application/json"));
    m_server->respondOnce("GET", "/f", FakeResponse::raw(502, "<html>Bad gateway</html>", "text/html"));
    QSignalSpy networkErrors(m_api, &ApiClient::networkError);

    Outcome html, array, error, broken, empty, gateway;
    m_api->get(QStringLiteral("/a"), html.callback());
    m_api->get(QStringLiteral("/b"), array.callback());
    m_api->get(QStringLiteral("/c"), error.callback());
    m_api->get(QStringLiteral("/d"), broken.callback());
    m_api->get(QStringLiteral("/e"), empty.callback());
    m_api->get(QStringLiteral("/f"), gateway.callback());
    QTRY_VERIFY(html.calls && array.calls && error.calls && broken.calls && empty.calls && gateway.calls);

    // A 200 that is not a JSON object (a captive portal's page) is no
    // answer of the service: a failure that keeps its status, never an
    // empty answer.
    for (const Outcome* notJson : {&html, &array, &broken}) {
        QCOMPARE(notJson->ok, false);
        QCOMPARE(notJson->status, 200);
        QVERIFY(notJson->body.isEmpty());
    }
    // An empty 200 says nothing and is still a success.
    QVERIFY(empty.ok && empty.body.isEmpty());
    QCOMPARE(error.ok, false);
    QCOMPARE(error.status, 500);
    QCOMPARE(error.body.value("error").toString(), QStringLiteral("boom"));
    QCOMPARE(gateway.ok, false);
    QCOMPARE(gateway.status, 502);
    QVERIFY(gateway.body.isEmpty());
    QCOMPARE(networkErrors.count(), 0);
}

void ApiClientTest::retriesOnceAfter401WithTheRefreshedToken()
{
    const QString stale = tokenExpiringIn(3600, QStringLiteral("stale"));
    m_tokens->setTokens(stale, QStringLiteral("r"));
    // The refreshed token is already inside the 30 s margin; the retry must
    // still carry it instead of going out without a token.
    const QString refreshed = tokenExpiringIn(20, QStringLiteral("refreshed"));
    m_nextAccessTokens << refreshed;
    QSignalSpy authRequired(m_api, &ApiClient::authenticationRequired);

    m_server->respondOnce("POST", "/sync/push", FakeResponse::json(401, {{"error", "expired"}}));
    m_server->respondOnce("POST", "/sync/push", FakeResponse::json(200, {{"results", QJsonArray()}}));
    Outcome outcome;
    m_api->post(QStringLiteral("/sync/push"), {{"changes", QJsonArray{1}}}, outcome.callback());
    QTRY_COMPARE(outcome.calls, 1);
    QVERIFY(outcome.ok);
    QCOMPARE(m_refreshes, 1);

    const QList<RecordedRequest> sent = m_server->requestsTo("POST", "/sync/push");
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent.at(0).header("Authorization"), bearer(stale));
    QCOMPARE(sent.at(1).header("Authorization"), bearer(refreshed));
    QCOMPARE(sent.at(1).body, sent.at(0).body);

    // A second 401 after a good refresh is final: one retry, no sign-out.
    m_server->clearLog();
    m_tokens->setTokens(tokenExpiringIn(3600), QStringLiteral("r"));
    m_nextAccessTokens << tokenExpiringIn(3600);
    m_server->respondAlways("GET", "/x", FakeResponse::json(401, {{"error", "still"}}));
    Outcome twice;
    m_api->get(QStringLiteral("/x"), twice.callback());
    QTRY_COMPARE(twice.calls, 1);
    QCOMPARE(twice.ok, false);
    QCOMPARE(twice.status, 401);
    QCOMPARE(twice.body.value("error").toString(), QStringLiteral("still"));
    QCOMPARE(m_server->requestsTo("GET", "/x").size(), 2);
    QCOMPARE(m_refreshes, 2);
    QCOMPARE(authRequired.count(), 0);
}

void ApiClientTest::rejectedRefreshRequiresAuthentication()
{
    // The service refuses the token, and then its refresh.
    QSignalSpy authRequired(m_api, &ApiClient::authenticationRequired);
    m_server->respondOnce("GET", "/users/me", FakeResponse::json(401, {{"error", "no"}}));
    Outcome outcome;
    m_api->get(QStringLiteral("/users/me"), outcome.callback());
    QTRY_COMPARE(outcome.calls, 1);

    QCOMPARE(m_refreshes, 1);
    QVERIFY(m_server->requests().at(0).hasHeader("Authorization"));
    QCOMPARE(outcome.ok, false);
    QCOMPARE(outcome.status, 401);
    QVERIFY(outcome.body.isEmpty());
    QCOMPARE(authRequired.count(), 1);
    QCOMPARE(m_server->requests().size(), 1);

    // A transient refresh failure after a 401 ends with status 0 and keeps
    // the user signed in.
    m_tokens->setTokens(tokenExpiringIn(3600), QStringLiteral("r"));
    m_tokens->setRefresher([](const QString&, TokenManager::RefreshSucceeded, TokenManager::RefreshFailed no) {
        no(false);
    });
    m_server->respondOnce("GET", "/users/me", FakeResponse::json(401, {}));
    Outcome transient;
    m_api->get(QStringLiteral("/users/me"), transient.callback());
    QTRY_COMPARE(transient.calls, 1);
    QCOMPARE(transient.status, 0);
    QCOMPARE(authRequired.count(), 1);
}

void ApiClientTest::concurrentRequestsShareOneProactiveRefresh()
{
    m_tokens->setTokens(tokenExpiringIn(-10), QStringLiteral("r"));
    TokenManager::RefreshSucceeded finish;
    m_tokens->setRefresher([&](const QString&, TokenManager::RefreshSucceeded ok, TokenManager::RefreshFailed) {
        ++m_refreshes;
        finish = std::move(ok);
    });

    QList<Outcome> outcomes(3);
    for (int i = 0; i < 3; ++i)
        m_api->get(QStringLiteral("/item/%1").arg(i), outcomes[i].callback());

    QCOMPARE(m_refreshes, 1);
    QTest::qWait(50);
    QVERIFY(m_server->requests().isEmpty());

    const QString fresh = tokenExpiringIn(3600);
    finish(fresh, QStringLiteral("r2"));
    QTRY_VERIFY(outcomes[0].calls && outcomes[1].calls && outcomes[2].calls);
    QCOMPARE(m_server->requests().size(), 3);
    for (const RecordedRequest& request : m_server->requests())
        QCOMPARE(request.header("Authorization"), bearer(fresh));
}

void ApiClientTest::proactiveRefreshFailuresEndTheRequest()
{
    QSignalSpy authRequired(m_api, &ApiClient::authenticationRequired);
    m_tokens->setTokens(tokenExpiringIn(5), QStringLiteral("r"));

    QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh rejected for GET \"/me\"");
    Outcome rejected;
    m_api->get(QStringLiteral("/me"), rejected.callback());
    QCOMPARE(rejected.calls, 1);
    QCOMPARE(rejected.status, 401);
    QCOMPARE(authRequired.count(), 1);

    m_tokens->setRefresher([](const QString&, TokenManager::RefreshSucceeded, TokenManager::RefreshFailed no) {
        no(false);
    });
    QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh failed (transient) for DELETE \"/me\"");
    Outcome transient;
    m_api->deleteResource(QStringLiteral("/me"), transient.callback());
    QCOMPARE(transient.calls, 1);
    QCOMPARE(transient.status, 0);
    QCOMPARE(authRequired.count(), 1);
    QVERIFY(m_server->requests().isEmpty());
}

void ApiClientTest::requestsGoOnOnlyAsTheUserTheyWereMadeFor()
{
    // Alice's rename waits for her refresh; she signs in again meanwhile:
    // it goes out with her new token.
    m_tokens->setTokens(tokenExpiringIn(-10, QStringLiteral("alice")), QStringLiteral("alice-refresh"));
    TokenManager::RefreshSucceeded finish;
    m_tokens->setRefresher([&](const QString&, TokenManager::RefreshSucceeded ok, TokenManager::RefreshFailed) {
        ++m_refreshes;
        finish = std::move(ok);
    });
    Outcome renamed;
    m_api->patch(QStringLiteral("/users/me"), {{"display_name", "Alice"}}, renamed.callback());
    const QString aliceAgain = tokenExpiringIn(3600, QStringLiteral("alice"));
    m_tokens->setTokens(aliceAgain, QStringLiteral("alice-refresh-2"));
    finish(tokenExpiringIn(3600, QStringLiteral("alice")), QStringLiteral("stale"));
    QTRY_COMPARE(renamed.calls, 1);
    QCOMPARE(m_server->requests().size(), 1);
    QCOMPARE(m_server->requests().first().header("Authorization"), bearer(aliceAgain));

    // Now Bob signs in while Alice's next rename waits: it never goes out as his.
    m_server->clearLog();
    m_tokens->setTokens(tokenExpiringIn(-10, QStringLiteral("alice")), QStringLiteral("alice-refresh-3"));
    Outcome notSent;
    m_api->patch(QStringLiteral("/users/me"), {{"display_name", "Alice"}}, notSent.callback());
    const QString bob = tokenExpiringIn(3600, QStringLiteral("bob"));
    m_tokens->setTokens(bob, QStringLiteral("bob-refresh"));
    finish(tokenExpiringIn(3600, QStringLiteral("alice")), QStringLiteral("stale"));
    // Answered at once, so never sent.
    QCOMPARE(notSent.calls, 1);
    QCOMPARE(notSent.ok, false);
    QCOMPARE(notSent.status, 0);
    QCOMPARE(m_tokens->heldAccessToken(), bob);

    // Alice's push is refused as expired just after Bob has signed in: no
    // refresh of Bob's pair, no second push as Bob, nobody signed out.
    QSignalSpy authRequired(m_api, &ApiClient::authenticationRequired);
    const QString alice = tokenExpiringIn(3600, QStringLiteral("alice"));
    m_tokens->setTokens(alice, QStringLiteral("alice-refresh-4"));
    const int refreshesBefore = m_refreshes;
    m_server->respondAlways("POST", "/sync/push", FakeResponse::json(401, {{"error", "expired"}}));
    connect(m_server, &FakeHttpServer::requestReceived, this,
            [&](const RecordedRequest&) { m_tokens->setTokens(bob, QStringLiteral("bob-refresh")); });
    Outcome pushed;
    QTest::ignoreMessage(QtWarningMsg,
                         "ApiClient: POST \"/sync/...\" answer dropped: another user has signed in since it was sent");
    m_api->post(QStringLiteral("/sync/push"), {{"changes", QJsonArray{1}}}, pushed.callback());
    QTRY_COMPARE(pushed.calls, 1);
    disconnect(m_server, &FakeHttpServer::requestReceived, this, nullptr);
    QCOMPARE(pushed.status, 0);
    QCOMPARE(m_refreshes, refreshesBefore);
    QCOMPARE(m_server->requestsTo("POST", "/sync/push").size(), 1);
    QCOMPARE(m_server->requestsTo("POST", "/sync/push").first().header("Authorization"), bearer(alice));
    QCOMPARE(authRequired.count(), 0);
    QCOMPARE(m_tokens->heldAccessToken(), bob);
}

void ApiClientTest::answersReachOnlyTheUserTheyWereMadeFor()
{
    // Alice's profile is on its way when Bob signs in: it never reaches him.
    const QString alice = tokenExpiringIn(3600, QStringLiteral("alice"));
    m_tokens->setTokens(alice, QStringLiteral("alice-refresh"));
    m_server->respondAlways("GET", "/users/me", FakeResponse::json(200, {{"id", "alice"}, {"email", "a@example.org"}}));
    m_server->delayRoute("GET", "/users/me", 300);
    QSignalSpy networkErrors(m_api, &ApiClient::networkError);
    Outcome forAlice;
    m_api->get(QStringLiteral("/users/me"), forAlice.callback());
    QTRY_COMPARE(m_server->requests().size(), 1);
    m_tokens->setTokens(tokenExpiringIn(3600, QStringLiteral("bob")), QStringLiteral("bob-refresh"));
    QTest::ignoreMessage(QtWarningMsg,
                         "ApiClient: GET \"/users/...\" answer dropped: another user has signed in since it was sent");
    QTRY_COMPARE(forAlice.calls, 1);
    QCOMPARE(forAlice.ok, false);
    QCOMPARE(forAlice.status, 0);
    QVERIFY(forAlice.body.isEmpty());
    QCOMPARE(networkErrors.count(), 0);

    // Alice signing in again, or signing out, leaves nobody else to reach:
    // her answer is hers.
    for (const QString& next : {tokenExpiringIn(3600, QStringLiteral("alice")), QString()}) {
        m_tokens->setTokens(alice, QStringLiteral("alice-refresh"));
        Outcome answered;
        m_api->get(QStringLiteral("/users/me"), answered.callback());
        QTest::qWait(50);
        if (next.isEmpty())
            m_tokens->clear();
        else
            m_tokens->setTokens(next, QStringLiteral("alice-refresh-2"));
        QTRY_COMPARE(answered.calls, 1);
        QCOMPARE(answered.ok, true);
        QCOMPARE(answered.body.value("id").toString(), QStringLiteral("alice"));
    }
}

void ApiClientTest::publicRequestsCarryNoTokenAndNeverRetry()
{
    m_tokens->setTokens(tokenExpiringIn(3600), QStringLiteral("r"));
    m_server->respondAlways("POST", "/token", FakeResponse::json(401, {{"error", "bad refresh"}}));
    Outcome refresh;
    m_api->postPublic(QStringLiteral("/token"), {{"refresh_token", "r"}}, refresh.callback());
    Outcome publicGet;
    m_api->getPublic(QStringLiteral("/status"), publicGet.callback());
    QTRY_VERIFY(refresh.calls && publicGet.calls);

    QCOMPARE(refresh.status, 401);
    QCOMPARE(refresh.body.value("error").toString(), QStringLiteral("bad refresh"));
    QCOMPARE(m_refreshes, 0);
    QCOMPARE(m_server->requests().size(), 2);
    for (const RecordedRequest& request : m_server->requests())
        QVERIFY(!request.hasHeader("Authorization"));
}

void ApiClientTest::requestsThatNeedASignInAreNotSentWithoutOne()
{
    QSignalSpy authRequired(m_api, &ApiClient::authenticationRequired);
    // Signed out; and a pair whose access token ran out with no refresh
    // token to renew it.
    for (const QString& access : {QString(), tokenExpiringIn(-60)}) {
        m_tokens->setTokens(access, QString());
        Outcome get, post, patch, remove;
        m_api->get(QStringLiteral("/sync/pull"), get.callback());
        m_api->post(QStringLiteral("/sync/push"), {{"changes", QJsonArray()}}, post.callback());
        m_api->patch(QStringLiteral("/users/me"), {{"display_name", "x"}}, patch.callback());
        m_api->deleteResource(QStringLiteral("/devices/d1"), remove.callback());
        for (const Outcome* outcome : {&get, &post, &patch, &remove}) {
            QCOMPARE(outcome->calls, 1);
            QCOMPARE(outcome->ok, false);
            QCOMPARE(outcome->status, 401);
        }
    }
    // Public requests still go.
    Outcome open;
    m_api->getPublic(QStringLiteral("/public"), open.callback());
    QTRY_COMPARE(open.calls, 1);
    QCOMPARE(m_server->requests().size(), 1);
    QCOMPARE(m_refreshes, 0);
    QCOMPARE(authRequired.count(), 0);
}

void ApiClientTest::networkFailuresEndWithStatusZero()
{
    QSignalSpy networkErrors(m_api, &ApiClient::networkError);

    // A port held by a socket that never listens: connections to it are
    // refused, and no other program can take it meanwhile.
    QTcpSocket holder;
    QVERIFY(holder.bind(QHostAddress::LocalHost, 0, QAbstractSocket::DontShareAddress));
    m_api->setBaseUrl(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(holder.localPort())));
    Outcome refused;
    m_api->get(QStringLiteral("/x"), refused.callback());
    QTRY_COMPARE(refused.calls, 1);
    QCOMPARE(refused.ok, false);
    QCOMPARE(refused.status, 0);
    QVERIFY(refused.body.isEmpty());
    QCOMPARE(networkErrors.count(), 1);

    // A server that accepts and never answers is cut off by the timeout.
    m_api->setBaseUrl(m_server->baseUrl());
    m_api->setTransferTimeout(300);
    m_server->respondOnce("POST", "/slow", FakeResponse::silence());
    Outcome silent;
    QElapsedTimer clock;
    clock.start();
    m_api->post(QStringLiteral("/slow"), {{"a", 1}}, silent.callback());
    QTRY_COMPARE_WITH_TIMEOUT(silent.calls, 1, 10000);
    QCOMPARE(silent.ok, false);
    QCOMPARE(silent.status, 0);
    QCOMPARE(networkErrors.count(), 2);
    QCOMPARE(m_server->requestsTo("POST", "/slow").size(), 1);
    QVERIFY(clock.elapsed() < 5000);
}

void ApiClientTest::redirectsToAnotherOriginAreNotFollowed()
{
    m_tokens->setTokens(tokenExpiringIn(3600), QStringLiteral("r"));
    FakeHttpServer elsewhere;
    QVERIFY(elsewhere.listen());
    FakeResponse moved = FakeResponse::empty(302);
    moved.headers.append({"Location", elsewhere.baseUrl().toEncoded() + "/collect"});
    m_server->respondAlways("GET", "/me", moved);
    m_server->respondAlways("POST", "/sync/push", moved);
    moved.headers = {{"Location", "/there"}};
    m_server->respondOnce("GET", "/here", moved);

    Outcome get, post;
    m_api->get(QStringLiteral("/me"), get.callback());
    m_api->post(QStringLiteral("/sync/push"), {{"changes", QJsonArray()}}, post.callback());
    QTRY_VERIFY(get.calls && post.calls);
    QCOMPARE(get.ok, false);
    QCOMPARE(get.status, 302);
    QCOMPARE(post.ok, false);
    QCOMPARE(post.status, 302);
    QVERIFY(elsewhere.requests().isEmpty());

    // On the same origin a redirect is still followed, token and all.
    Outcome local;
    m_api->get(QStringLiteral("/here"), local.callback());
    QTRY_COMPARE(local.calls, 1);
    QCOMPARE(local.status, 404);
    const QList<RecordedRequest> followed = m_server->requestsTo("GET", "/there");
    QCOMPARE(followed.size(), 1);
    QCOMPARE(followed.at(0).header("Authorization"), bearer(m_tokens->accessToken()));
}

void ApiClientTest::answersBeyondTheLimitsFail()
{
    m_tokens->setTokens(tokenExpiringIn(3600), QStringLiteral("r"));
    QSignalSpy networkErrors(m_api, &ApiClient::networkError);
    m_api->setMaxAnswerBytes(64);
    const QByteArray filling = "{\"a\":\"" + QByteArray(100, 'x') + "\"}";

    // Too large, whether the server says so up front or only sends it.
    FakeResponse declared = FakeResponse::raw(200, filling, "application/json");
    FakeResponse undeclared = declared;
    undeclared.undeclaredLength = true;
    m_server->respondOnce("GET", "/big", declared);
    m_server->respondOnce("GET", "/big", undeclared);
    Outcome first, second;
    m_api->get(QStringLiteral("/big"), first.callback());
    QTRY_COMPARE(first.calls, 1);
    m_api->get(QStringLiteral("/big"), second.callback());
    QTRY_COMPARE(second.calls, 1);
    for (const Outcome* outcome : {&first, &second}) {
        QCOMPARE(outcome->ok, false);
        QCOMPARE(outcome->status, 0);
        QVERIFY(outcome->body.isEmpty());
    }

    // An answer that fills the cap exactly is an answer.
    const QByteArray exact = "{\"a\":\"" + QByteArray(64 - 8, 'x') + "\"}";
    QCOMPARE(exact.size(), 64);
    m_server->respondOnce("GET", "/exact", FakeResponse::raw(200, exact, "application/json"));
    Outcome fits;
    m_api->get(QStringLiteral("/exact"), fits.callback());
    QTRY_COMPARE(fits.calls, 1);
    QCOMPARE(fits.ok, true);
    QCOMPARE(fits.body.value("a").toString().size(), 56);

    // A byte every 50 ms never lets the transfer timeout fire; the deadline ends it.
    m_api->setDeadline(400);
    FakeResponse dripping = FakeResponse::raw(200, QByteArray(60, ' '), "application/json");
    dripping.dripIntervalMs = 50;
    m_server->respondOnce("GET", "/drip", dripping);
    Outcome dripped;
    QElapsedTimer clock;
    clock.start();
    m_api->get(QStringLiteral("/drip"), dripped.callback());
    QTRY_COMPARE_WITH_TIMEOUT(dripped.calls, 1, 10000);
    QCOMPARE(dripped.ok, false);
    QCOMPARE(dripped.status, 0);
    QVERIFY(clock.elapsed() < 2500);
    QCOMPARE(networkErrors.count(), 3);
}

void ApiClientTest::logsNameNoCodeOrToken()
{
    const QString code = QStringLiteral("Inv1te-C0de_x");
    const QString memberId = QStringLiteral("user-4711");
    const QString access = tokenExpiringIn(5);
    m_tokens->setTokens(access, QStringLiteral("refresh-secret"));

    LogCapture log;
    // One refresh refused and one failing for the moment, so that every
    // line the transport logs about a refresh is written.
    Outcome join, remove;
    m_api->post(QStringLiteral("/group/join/%1").arg(code), {}, join.callback());
    m_tokens->setRefresher([](const QString&, TokenManager::RefreshSucceeded, TokenManager::RefreshFailed no) {
        no(false);
    });
    m_api->deleteResource(QStringLiteral("/group/members/%1").arg(memberId), remove.callback());
    QVERIFY(join.calls && remove.calls);

    const QStringList lines = log.lines();
    QVERIFY(lines.filter(QStringLiteral("/group")).size() >= 4);
    for (const QString& line : lines) {
        for (const QString& secret : {code, memberId, access, QStringLiteral("refresh-secret")})
            QVERIFY2(!line.contains(secret), qPrintable(line));
    }
}

QTEST_GUILESS_MAIN(ApiClientTest)
#include "tst_apiclient.moc"
