#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/SignInCallback.h"
#include "account/TokenManager.h"
#include "account/WebAuthHandler.h"
#include "tests/support/FakeAuthService.h"
#include "tests/support/FakeBrowser.h"
#include "tests/support/RawExchange.h"
#include "tests/support/TestTokens.h"

#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

#include <memory>

using namespace TandAccount;

namespace {

QString queryValue(const QUrl& url, const QString& key)
{
    return QUrlQuery(url).queryItemValue(key, QUrl::FullyDecoded);
}

quint16 portOf(const QString& redirectUri)
{
    return quint16(QUrl(redirectUri).port());
}

} // namespace

// Signing in through the service's login page, with a stand-in browser.
class SignInTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void signsInThroughTheBrowser();
    void secondLoginReopensTheWaitingSignIn();
    void callbackWithOneTokenFails();
    void callbackWithoutThisSignInsStateIsRefused();
    void callbackWithoutAStateIsTakenOnlyWhenConfirmed();
    void callbackWithoutAStateOfAnAccountNobodyNamesFails();
    void signInDuringAStartUpRefreshStaysSignedIn();
    void theUserBeforeIsNotShownToTheNext();

private:
    std::unique_ptr<Client> makeClient();

    FakeAuthService* m_auth = nullptr;
    FakeBrowser* m_browser = nullptr;
    QHash<QString, QString> m_entries;
};

void SignInTest::init()
{
    m_auth = new FakeAuthService(QStringLiteral("tandrel"), this);
    QVERIFY(m_auth->start());
    m_auth->setEchoesState(true);
    m_browser = new FakeBrowser(this);
    m_entries.clear();
}

void SignInTest::cleanup()
{
    delete m_browser;
    delete m_auth;
}

std::unique_ptr<Client> SignInTest::makeClient()
{
    ClientConfig config;
    config.authBaseUrl = m_auth->baseUrl().toString();
    config.realm = QStringLiteral("tandrel");
    config.clientId = QString::fromLatin1(FakeAuthService::kClientId);
    config.appId = QStringLiteral("ledgerine-test");
    return std::make_unique<Client>(config, std::make_unique<MemoryTokenStore>(&m_entries));
}

void SignInTest::signsInThroughTheBrowser()
{
    auto client = makeClient();
    client->initialize();
    AuthClient* auth = client->authClient();
    QStringList events;
    connect(auth, &AuthClient::stateChanged, this, [&events] { events << QStringLiteral("state"); });
    connect(auth, &AuthClient::loginSucceeded, this, [&events] { events << QStringLiteral("succeeded"); });
    connect(auth, &AuthClient::loginFailed, this, [&events](const QString& error) { events << error; });
    m_auth->setLoginUser(QStringLiteral("user-42"));

    auth->login();
    QTRY_COMPARE(events, (QStringList{QStringLiteral("state"), QStringLiteral("succeeded")}));
    QVERIFY(client->isAuthenticated());
    QCOMPARE(auth->userId(), QStringLiteral("user-42"));

    // The login page was asked for this client, with the listener's address
    // percent-encoded whole and a state of its own.
    QCOMPARE(m_browser->openedUrls().size(), 1);
    const QUrl opened = m_browser->openedUrls().at(0);
    QCOMPARE(opened.path(), QStringLiteral("/tandrel/account/login"));
    QCOMPARE(queryValue(opened, QStringLiteral("client_id")), QString::fromLatin1(FakeAuthService::kClientId));
    const QString redirect = queryValue(opened, QStringLiteral("redirect_uri"));
    QCOMPARE(redirect, QStringLiteral("http://localhost:%1/callback").arg(portOf(redirect)));
    const QByteArray encoded =
        "redirect_uri=http%3A%2F%2Flocalhost%3A" + QByteArray::number(portOf(redirect)) + "%2Fcallback&";
    QVERIFY(opened.toEncoded().contains(encoded));
    QVERIFY(queryValue(opened, QStringLiteral("state")).size() >= 22);

    // The browser was told, and the pair the service issued is the one kept.
    QTRY_VERIFY(m_browser->lastPage().contains("Authentication complete!"));
    const FakeAuthService::TokenPair stored{m_entries.value(TokenStore::kAccessTokenKey),
                                            m_entries.value(TokenStore::kRefreshTokenKey)};
    QVERIFY(m_auth->isLive(stored));
    QCOMPARE(client->tokenManager()->accessToken(), stored.access);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The listener is gone: the same callback again signs nobody in (the
    // port may be refused, or taken by another program meanwhile).
    exchangeRaw(portOf(redirect), "GET " + m_browser->lastUrl().toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority)
                                      + " HTTP/1.1\r\n\r\n");
    QTest::qWait(50);
    QCOMPARE(events, (QStringList{QStringLiteral("state"), QStringLiteral("succeeded")}));
    QVERIFY(auth->findChildren<WebAuthHandler*>().isEmpty());
    User user;
    auth->fetchCurrentUser([&user](bool, const User& fetched) { user = fetched; });
    QTRY_COMPARE(user.id, QStringLiteral("user-42"));
}

void SignInTest::secondLoginReopensTheWaitingSignIn()
{
    m_browser->setLoadsPages(false);
    auto client = makeClient();
    client->initialize();
    QSignalSpy succeeded(client->authClient(), &AuthClient::loginSucceeded);
    QSignalSpy failed(client->authClient(), &AuthClient::loginFailed);

    client->authClient()->login();
    client->authClient()->login();
    QCOMPARE(m_browser->openedUrls().size(), 2);
    QCOMPARE(m_browser->openedUrls().at(1), m_browser->openedUrls().at(0));

    m_browser->visit(m_browser->openedUrls().at(0));
    QTRY_COMPARE(succeeded.size(), 1);
    QTest::qWait(50);
    QCOMPARE(failed.size(), 0);
    QCOMPARE(m_auth->liveSessionCount(), 1);
}

void SignInTest::callbackWithOneTokenFails()
{
    m_browser->setLoadsPages(false);
    auto client = makeClient();
    client->initialize();
    QSignalSpy succeeded(client->authClient(), &AuthClient::loginSucceeded);
    QSignalSpy failed(client->authClient(), &AuthClient::loginFailed);
    QSignalSpy changes(client->authClient(), &AuthClient::stateChanged);

    client->authClient()->login();
    const QUrl opened = m_browser->openedUrls().at(0);
    const quint16 port = portOf(queryValue(opened, QStringLiteral("redirect_uri")));
    const QByteArray page = exchangeRaw(port, "GET /callback?access_token=" + tokenExpiringIn(3600).toLatin1()
                                                  + "&state=" + queryValue(opened, QStringLiteral("state")).toLatin1()
                                                  + " HTTP/1.1\r\n\r\n");
    QVERIFY2(page.startsWith("HTTP/1.1 400"), page.constData());

    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("No tokens received"));
    QCOMPARE(succeeded.size(), 0);
    QCOMPARE(changes.size(), 0);
    QVERIFY(m_entries.isEmpty());
    QVERIFY(!client->isAuthenticated());
}

void SignInTest::callbackWithoutThisSignInsStateIsRefused()
{
    auto client = makeClient();
    client->initialize();
    QSignalSpy failed(client->authClient(), &AuthClient::loginFailed);
    QSignalSpy succeeded(client->authClient(), &AuthClient::loginSucceeded);
    const QString tokens = QStringLiteral("http://localhost:19876/callback?access_token=") + tokenExpiringIn(3600)
                           + QStringLiteral("&refresh_token=r");

    // No sign-in waits: a callback someone else made up signs nobody in.
    QTest::ignoreMessage(QtWarningMsg,
                         "AuthClient: refused a sign-in callback without the state of a waiting sign-in");
    client->authClient()->handleAuthCallback(QUrl(tokens + QStringLiteral("&state=anything")));
    // Nor does one with another sign-in's state.
    m_browser->setLoadsPages(false);
    client->authClient()->login();
    QTest::ignoreMessage(QtWarningMsg,
                         "AuthClient: refused a sign-in callback without the state of a waiting sign-in");
    client->authClient()->handleAuthCallback(QUrl(tokens + QStringLiteral("&state=") + SignInCallback::newState()));
    QVERIFY(m_entries.isEmpty());
    QVERIFY(!client->isAuthenticated());

    // Neither is an outcome of the sign-in that waits: it still completes
    // when the user finishes on the real page.
    QCOMPARE(failed.size(), 0);
    m_browser->visit(m_browser->openedUrls().at(0));
    QTRY_COMPARE(succeeded.size(), 1);
    QVERIFY(client->isAuthenticated());
    QCOMPARE(failed.size(), 0);
}

void SignInTest::callbackWithoutAStateIsTakenOnlyWhenConfirmed()
{
    m_auth->setEchoesState(false);
    m_auth->setLoginUser(QStringLiteral("user-42"));
    auto client = makeClient();
    client->initialize();
    AuthClient* auth = client->authClient();
    QSignalSpy asked(auth, &AuthClient::signInNeedsConfirmation);
    QSignalSpy succeeded(auth, &AuthClient::loginSucceeded);

    // Asked about the account the service names, with nothing taken up yet,
    // and the browser not told it is done.
    auth->login();
    QTRY_COMPARE(asked.size(), 1);
    QCOMPARE(asked.at(0).at(0).toString(), QStringLiteral("user-42@example.org"));
    QTRY_COMPARE(m_browser->loadsFinished(), 1);
    QVERIFY(!m_browser->lastPage().contains("Authentication complete!"));
    QVERIFY(m_entries.isEmpty());
    QVERIFY(!client->isAuthenticated());

    // Declined, nothing is kept, and the session ends on the service.
    auth->declineSignIn();
    auth->confirmSignIn();
    QVERIFY(m_entries.isEmpty());
    QVERIFY(client->tokenManager()->heldAccessToken().isEmpty());
    QVERIFY(!client->isAuthenticated());
    QTRY_COMPARE(m_auth->liveSessionCount(), 0);

    auth->login();
    QTRY_COMPARE(asked.size(), 2);
    auth->confirmSignIn();
    QCOMPARE(succeeded.size(), 1);
    QVERIFY(m_auth->isLive({m_entries.value(TokenStore::kAccessTokenKey),
                            m_entries.value(TokenStore::kRefreshTokenKey)}));
}

void SignInTest::callbackWithoutAStateOfAnAccountNobodyNamesFails()
{
    m_auth->setEchoesState(false);
    m_auth->server()->respondAlways("GET", m_auth->realmPath(QStringLiteral("/users/me")), FakeResponse::empty(500));
    auto client = makeClient();
    client->initialize();
    QSignalSpy asked(client->authClient(), &AuthClient::signInNeedsConfirmation);
    QSignalSpy failed(client->authClient(), &AuthClient::loginFailed);

    QTest::ignoreMessage(QtWarningMsg,
                         "AuthClient: the service did not name the account of an unconfirmed sign-in");
    client->authClient()->login();
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("The account signing in could not be identified"));
    QCOMPARE(asked.size(), 0);
    QVERIFY(m_entries.isEmpty());
    QVERIFY(!client->isAuthenticated());
}

void SignInTest::signInDuringAStartUpRefreshStaysSignedIn()
{
    // Stored tokens the service no longer takes, refused slowly.
    m_entries.insert(TokenStore::kAccessTokenKey, tokenExpiringIn(-60, QStringLiteral("old-user")));
    m_entries.insert(TokenStore::kRefreshTokenKey, QStringLiteral("revoked"));
    const QString refreshPath = m_auth->realmPath(QStringLiteral("/auth/token/refresh"));
    m_auth->server()->delayRoute("POST", refreshPath, 400);
    auto client = makeClient();
    QSignalSpy expired(client->authClient(), &AuthClient::sessionExpired);
    // Every answer the account service gives comes through this one.
    QSignalSpy answered(client->authApiClient()->findChild<QNetworkAccessManager*>(),
                        &QNetworkAccessManager::finished);
    client->initialize();
    QCOMPARE(client->authClient()->state(), AuthState::Unknown);

    // The user signs in while that refresh is out.
    QSignalSpy succeeded(client->authClient(), &AuthClient::loginSucceeded);
    client->authClient()->login();
    QTRY_COMPARE(succeeded.size(), 1);
    QCOMPARE(m_auth->server()->requestsTo("POST", refreshPath).size(), 1);
    // The refusal has come and been acted on.
    QTRY_COMPARE_WITH_TIMEOUT(answered.size(), 1, 5000);

    // The old session's refusal does not sign out the new one.
    QCOMPARE(client->authClient()->state(), AuthState::Authenticated);
    QCOMPARE(expired.size(), 0);
    QCOMPARE(client->authClient()->userId(), QStringLiteral("user-1"));
    QVERIFY(m_auth->isLive({m_entries.value(TokenStore::kAccessTokenKey),
                            m_entries.value(TokenStore::kRefreshTokenKey)}));
}

void SignInTest::theUserBeforeIsNotShownToTheNext()
{
    auto client = makeClient();
    client->initialize();
    AuthClient* auth = client->authClient();
    QSignalSpy succeeded(auth, &AuthClient::loginSucceeded);
    m_auth->setLoginUser(QStringLiteral("user-ann"));
    auth->login();
    QTRY_COMPARE(succeeded.size(), 1);

    // Ann's details are on their way when Bob signs in on this computer.
    m_auth->server()->delayRoute("GET", m_auth->realmPath(QStringLiteral("/users/me")), 1000);
    QList<QPair<bool, QString>> answers;
    auth->fetchCurrentUser([&answers](bool ok, const User& user) { answers.append({ok, user.id}); });
    m_auth->setLoginUser(QStringLiteral("user-bob"));
    auth->login();
    QTRY_COMPARE(succeeded.size(), 2);
    QCOMPARE(auth->userId(), QStringLiteral("user-bob"));
    QVERIFY(answers.isEmpty());

    QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, 5000);
    QCOMPARE(answers.at(0), (QPair<bool, QString>{false, QString()}));
    QCOMPARE(auth->currentUser(), User());
}

QTEST_MAIN(SignInTest)
#include "tst_signin.moc"
