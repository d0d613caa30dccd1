#include "account/SignInCallback.h"
#include "account/WebAuthHandler.h"
#include "tests/support/RawExchange.h"

#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <memory>
#include <vector>

using namespace TandAccount;

namespace {

// A port free on both loopback addresses just now.
quint16 freePort()
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        QTcpServer ipv4;
        QTcpServer ipv6;
        if (ipv4.listen(QHostAddress::LocalHost, 0) && ipv6.listen(QHostAddress::LocalHostIPv6, ipv4.serverPort()))
            return ipv4.serverPort();
    }
    return 0;
}

bool canBind(const QHostAddress& address, quint16 port)
{
    QTcpServer probe;
    return probe.listen(address, port);
}

QByteArray get(const QByteArray& target)
{
    return "GET " + target + " HTTP/1.1\r\nHost: localhost\r\nUser-Agent: test\r\n\r\n";
}

QByteArray callbackTarget(const QString& state, bool withRefreshToken = true)
{
    QByteArray target = "/callback?access_token=a.b.c";
    if (withRefreshToken)
        target += "&refresh_token=r-1";
    if (!state.isNull())
        target += "&state=" + state.toLatin1();
    return target;
}

// The callback, sent again until the listener takes it: a connection that
// ended makes room only once the listener has heard of it.
QByteArray callbackOnceThereIsRoom(const WebAuthHandler& handler)
{
    QByteArray page;
    (void)QTest::qWaitFor([&] {
        page = exchangeRaw(handler.port(), get(callbackTarget(handler.state())));
        return !page.isEmpty();
    }, 2000);
    return page;
}

// A connection to the listener, open before it sends anything.
std::unique_ptr<QTcpSocket> openConnection(quint16 port)
{
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QHostAddress::LocalHost, port);
    return socket->waitForConnected(2000) ? std::move(socket) : nullptr;
}

} // namespace

class WebAuthHandlerTest : public QObject
{
    Q_OBJECT

private slots:
    void listensOnBothLoopbackAddressesOnOnePort();
    void takenPortOnEitherAddressMovesToAnother_data();
    void takenPortOnEitherAddressMovesToAnother();
    void callbackWithBothTokensIsHandedOnOnce();
    void connectionsOpenBeforeTheCallbackAreClosedWithIt();
    void connectionsBeyondTheLimitAreRefused();
    void answeredConnectionsHeldOpenCountTowardTheLimit();
    void strayAndForgedRequestsLeaveItWaiting();
    void callbackWithoutBothTokensShowsAFailure();
    void oversizedRequestIsCutOff();
    void silentConnectionIsDropped();
    void waitEndsAfterItsTimeLimit();
    void stateIsLongRandomAndReadFromEitherPart();
};

void WebAuthHandlerTest::listensOnBothLoopbackAddressesOnOnePort()
{
    // Another test program may take the free port first: whichever port the
    // handler ends up on, it holds both families on it.
    WebAuthHandler handler;
    handler.setPreferredPort(freePort());
    const QString redirect = handler.start();
    const quint16 port = handler.port();
    QVERIFY(port != 0);
    QCOMPARE(redirect, QStringLiteral("http://localhost:%1/callback").arg(port));
    QVERIFY(!canBind(QHostAddress::LocalHost, port));
    QVERIFY(!canBind(QHostAddress::LocalHostIPv6, port));

    // Starting again keeps the port.
    QCOMPARE(handler.start(), handler.redirectUri());
    QCOMPARE(handler.port(), port);
    handler.stop();
    QVERIFY(canBind(QHostAddress::LocalHost, port));
}

void WebAuthHandlerTest::takenPortOnEitherAddressMovesToAnother_data()
{
    QTest::addColumn<bool>("takeIpv6");
    QTest::newRow("127.0.0.1 taken") << false;
    QTest::newRow("::1 taken") << true;
}

void WebAuthHandlerTest::takenPortOnEitherAddressMovesToAnother()
{
    QFETCH(bool, takeIpv6);
    const quint16 port = freePort();
    QTcpServer other;
    QVERIFY(other.listen(takeIpv6 ? QHostAddress::LocalHostIPv6 : QHostAddress::LocalHost, port));

    WebAuthHandler handler;
    handler.setPreferredPort(port);
    const QString redirect = handler.start();
    QVERIFY(!redirect.isEmpty());
    QVERIFY(handler.port() != port);
    QCOMPARE(redirect, QStringLiteral("http://localhost:%1/callback").arg(handler.port()));
    QVERIFY(!canBind(QHostAddress::LocalHost, handler.port()));
    QVERIFY(!canBind(QHostAddress::LocalHostIPv6, handler.port()));
}

void WebAuthHandlerTest::callbackWithBothTokensIsHandedOnOnce()
{
    WebAuthHandler handler;
    handler.setPreferredPort(freePort());
    handler.start();
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);

    const QByteArray page = exchangeRaw(handler.port(), get(callbackTarget(handler.state())));
    QVERIFY(page.startsWith("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"));
    QVERIFY(page.contains("Authentication complete!"));
    QCOMPARE(received.size(), 1);
    const QUrl url = received.at(0).at(0).toUrl();
    QCOMPARE(url.port(), handler.port());
    QCOMPARE(SignInCallback::fromUrl(url).accessToken(), QStringLiteral("a.b.c"));
    QCOMPARE(SignInCallback::fromUrl(url).refreshToken(), QStringLiteral("r-1"));

    // One callback only: the listener is closed.
    QVERIFY(!handler.isListening());
    bool refused = false;
    QVERIFY(exchangeRaw(handler.port(), get(callbackTarget(handler.state())), &refused).isEmpty());
    QVERIFY(refused);
    QCOMPARE(received.size(), 1);
}

void WebAuthHandlerTest::connectionsOpenBeforeTheCallbackAreClosedWithIt()
{
    WebAuthHandler handler;
    handler.setPreferredPort(freePort());
    handler.start();
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);

    // A browser may hold a second connection open (a preload, a retried tab).
    const std::unique_ptr<QTcpSocket> first = openConnection(handler.port());
    const std::unique_ptr<QTcpSocket> second = openConnection(handler.port());
    QVERIFY(first && second);
    QVERIFY(exchangeOn(*first, get(callbackTarget(handler.state()))).contains("Authentication complete!"));
    QCOMPARE(received.size(), 1);

    // The callback on it comes too late: its connection ended with the first.
    QVERIFY(!exchangeOn(*second, get(callbackTarget(handler.state()))).contains("HTTP/1.1"));
    QCOMPARE(received.size(), 1);
}

void WebAuthHandlerTest::connectionsBeyondTheLimitAreRefused()
{
    WebAuthHandler handler;
    handler.setPreferredPort(freePort());
    handler.start();
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);

    std::vector<std::unique_ptr<QTcpSocket>> held;
    for (qsizetype i = 0; i < WebAuthHandler::kMaxConnections; ++i) {
        held.push_back(openConnection(handler.port()));
        QVERIFY(held.back());
    }
    const std::unique_ptr<QTcpSocket> extra = openConnection(handler.port());
    QVERIFY(extra);
    QVERIFY(exchangeOn(*extra, get(callbackTarget(handler.state()))).isEmpty());
    QCOMPARE(received.size(), 0);
    QVERIFY(handler.isListening());

    // The connections within the limit are served, and one that ends makes
    // room for the next.
    QVERIFY(exchangeOn(*held.front(), get("/favicon.ico")).startsWith("HTTP/1.1 404"));
    QVERIFY(callbackOnceThereIsRoom(handler).contains("Authentication complete!"));
    QCOMPARE(received.size(), 1);
}

void WebAuthHandlerTest::answeredConnectionsHeldOpenCountTowardTheLimit()
{
    WebAuthHandler handler;
    handler.setPreferredPort(freePort());
    handler.start();
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);

    // Clients that were answered and hold on to the connection, reading no
    // further than the first byte of the page.
    std::vector<std::unique_ptr<QTcpSocket>> held;
    for (qsizetype i = 0; i < WebAuthHandler::kMaxConnections; ++i) {
        held.push_back(openConnection(handler.port()));
        QTcpSocket* socket = held.back().get();
        QVERIFY(socket);
        socket->setReadBufferSize(1);
        socket->write(get("/favicon.ico"));
        QVERIFY(QTest::qWaitFor([socket] { return socket->bytesAvailable() > 0; }, 2000));
    }
    QVERIFY(exchangeRaw(handler.port(), get(callbackTarget(handler.state()))).isEmpty());
    QCOMPARE(received.size(), 0);

    // One that lets go makes room.
    held.front()->abort();
    QVERIFY(callbackOnceThereIsRoom(handler).contains("Authentication complete!"));
    QCOMPARE(received.size(), 1);
}

void WebAuthHandlerTest::strayAndForgedRequestsLeaveItWaiting()
{
    WebAuthHandler handler;
    handler.setPreferredPort(freePort());
    handler.start();
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);
    const QString wrongState = SignInCallback::newState();
    QString lastCharacterOff = handler.state();
    lastCharacterOff.back() = lastCharacterOff.back() == u'A' ? u'B' : u'A';

    const QList<QPair<QByteArray, QByteArray>> strays{
        {get("/favicon.ico"), "HTTP/1.1 404"},
        {get("/"), "HTTP/1.1 404"},
        {"POST " + callbackTarget(handler.state()) + " HTTP/1.1\r\nContent-Length: 0\r\n\r\n", "HTTP/1.1 404"},
        {get("//evil.example" + callbackTarget(handler.state())), "HTTP/1.1 404"},
        {get("/callback/?state=" + handler.state().toLatin1()), "HTTP/1.1 404"},
        {"GET\r\n\r\n", "HTTP/1.1 404"},
        {get(callbackTarget(QStringLiteral(""))), "HTTP/1.1 400"},
        {get(callbackTarget(wrongState)), "HTTP/1.1 400"},
        {get(callbackTarget(lastCharacterOff)), "HTTP/1.1 400"},
        {get(callbackTarget(handler.state().chopped(1))), "HTTP/1.1 400"},
    };
    for (const auto& [request, status] : strays) {
        const QByteArray answer = exchangeRaw(handler.port(), request);
        QVERIFY2(answer.startsWith(status), request.constData());
        QVERIFY(!answer.contains("Authentication complete!"));
        QVERIFY(handler.isListening());
    }
    QCOMPARE(received.size(), 0);

    QVERIFY(exchangeRaw(handler.port(), get(callbackTarget(handler.state()))).contains("Authentication complete!"));
    QCOMPARE(received.size(), 1);
}

void WebAuthHandlerTest::callbackWithoutBothTokensShowsAFailure()
{
    WebAuthHandler handler;
    handler.setPreferredPort(freePort());
    handler.start();
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);

    // The user cancelled on the service's page: the sign-in is over, and the
    // browser says so instead of claiming success.
    const QByteArray page = exchangeRaw(handler.port(), get(callbackTarget(handler.state(), false)));
    QVERIFY(page.startsWith("HTTP/1.1 400"));
    QVERIFY(page.contains("Sign-in did not complete"));
    QVERIFY(!page.contains("Authentication complete!"));
    QCOMPARE(received.size(), 1);
    QVERIFY(!handler.isListening());
}

void WebAuthHandlerTest::oversizedRequestIsCutOff()
{
    WebAuthHandler handler;
    handler.setPreferredPort(freePort());
    handler.start();
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);

    // A head of 9 KiB that never ends, then one that ends just past the limit.
    const QByteArray endless = "GET " + callbackTarget(handler.state()) + "&pad=" + QByteArray(9 * 1024, 'x');
    QVERIFY(exchangeRaw(handler.port(), endless).startsWith("HTTP/1.1 431"));
    QByteArray tooLong = get(callbackTarget(handler.state()));
    tooLong.insert(tooLong.size() - 2, "X-Pad: " + QByteArray(WebAuthHandler::kMaxRequestBytes, 'x') + "\r\n");
    QVERIFY(exchangeRaw(handler.port(), tooLong).startsWith("HTTP/1.1 431"));
    QCOMPARE(received.size(), 0);
    QVERIFY(handler.isListening());

    // Just within the limit is fine.
    QByteArray fits = get(callbackTarget(handler.state()));
    const qsizetype room = WebAuthHandler::kMaxRequestBytes - fits.size() - qsizetype(strlen("X-Pad: \r\n"));
    fits.insert(fits.size() - 2, "X-Pad: " + QByteArray(room, 'x') + "\r\n");
    QCOMPARE(fits.size(), WebAuthHandler::kMaxRequestBytes);
    QVERIFY(exchangeRaw(handler.port(), fits).startsWith("HTTP/1.1 200"));
    QCOMPARE(received.size(), 1);
}

void WebAuthHandlerTest::silentConnectionIsDropped()
{
    WebAuthHandler handler;
    handler.setPreferredPort(freePort());
    handler.setConnectionTimeout(200);
    handler.start();

    QTcpSocket idle;
    idle.connectToHost(QHostAddress::LocalHost, handler.port());
    QVERIFY(idle.waitForConnected(2000));
    QTRY_COMPARE_WITH_TIMEOUT(idle.state(), QAbstractSocket::UnconnectedState, 3000);
    QVERIFY(handler.isListening());

    // Half a request, then silence, ends the same way.
    QTcpSocket slow;
    slow.connectToHost(QHostAddress::LocalHost, handler.port());
    QVERIFY(slow.waitForConnected(2000));
    slow.write("GET /callback?state=");
    QTRY_COMPARE_WITH_TIMEOUT(slow.state(), QAbstractSocket::UnconnectedState, 3000);
    QVERIFY(handler.isListening());
}

void WebAuthHandlerTest::waitEndsAfterItsTimeLimit()
{
    WebAuthHandler handler;
    handler.setPreferredPort(freePort());
    handler.setWaitTimeout(150);
    handler.start();
    QSignalSpy timedOut(&handler, &WebAuthHandler::timedOut);
    QSignalSpy received(&handler, &WebAuthHandler::callbackReceived);
    const std::unique_ptr<QTcpSocket> open = openConnection(handler.port());
    QVERIFY(open);

    QVERIFY(timedOut.wait(3000));
    QVERIFY(!handler.isListening());
    bool refused = false;
    exchangeRaw(handler.port(), get(callbackTarget(handler.state())), &refused);
    QVERIFY(refused);
    // Nor does a connection opened while it waited bring a late callback.
    QVERIFY(!exchangeOn(*open, get(callbackTarget(handler.state()))).contains("HTTP/1.1"));
    QCOMPARE(received.size(), 0);
    QCOMPARE(timedOut.size(), 1);
}

void WebAuthHandlerTest::stateIsLongRandomAndReadFromEitherPart()
{
    const QString first = SignInCallback::newState();
    const QString second = SignInCallback::newState();
    QVERIFY(first != second);
    const QByteArray bits = QByteArray::fromBase64(first.toLatin1(), QByteArray::Base64UrlEncoding);
    QVERIFY(bits.size() >= 16);
    QCOMPARE(QUrl::toPercentEncoding(first), first.toLatin1());

    const QString state = first;
    const SignInCallback inFragment =
        SignInCallback::fromUrl(QUrl(QStringLiteral("http://localhost:1/callback?access_token=q&state=x#access_token=f"
                                                     "&refresh_token=fr&state=") + state));
    QCOMPARE(inFragment.accessToken(), QStringLiteral("f"));
    QCOMPARE(inFragment.refreshToken(), QStringLiteral("fr"));
    QVERIFY(inFragment.carriesState(state));
    QVERIFY(!inFragment.carriesState(second));
    QVERIFY(!inFragment.carriesState(QString()));

    const SignInCallback inQuery = SignInCallback::fromUrl(
        QUrl(QStringLiteral("http://localhost:1/callback?access_token=q&refresh_token=qr&state=") + state));
    QCOMPARE(inQuery.accessToken(), QStringLiteral("q"));
    QVERIFY(inQuery.hasTokens());
    QVERIFY(inQuery.carriesState(state));

    // A callback without a state never matches, not even an empty one.
    QVERIFY(!SignInCallback::fromUrl(QUrl(QStringLiteral("http://localhost:1/callback?state="))).carriesState({}));
}

QTEST_GUILESS_MAIN(WebAuthHandlerTest)
#include "tst_webauthhandler.moc"
