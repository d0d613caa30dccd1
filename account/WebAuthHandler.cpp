#include "account/WebAuthHandler.h"

#include "account/SignInCallback.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

namespace TandAccount {

namespace {

// Ends the page for the client (it reads to the end of the stream) while the
// connection stays open until the client closes it. Closing outright would
// free the connection's place at once, however long the client holds on.
bool endSending(QTcpSocket* socket)
{
#ifdef Q_OS_WIN
    return ::shutdown(SOCKET(socket->socketDescriptor()), SD_SEND) == 0;
#else
    return ::shutdown(int(socket->socketDescriptor()), SHUT_WR) == 0;
#endif
}

// Tries with a system-chosen port, when the preferred one is taken, until
// one is free on both addresses.
constexpr int kPortAttempts = 20;

QByteArray page(const QByteArray& statusLine, const QByteArray& heading, const QByteArray& text)
{
    return "HTTP/1.1 " + statusLine
           + "\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
             "<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'><h2>"
           + heading + "</h2><p>" + text + "</p></body></html>";
}

const QByteArray& completedPage()
{
    static const QByteArray bytes =
        page("200 OK", "Authentication complete!", "You can close this tab and return to the application.");
    return bytes;
}

const QByteArray& noTokensPage()
{
    static const QByteArray bytes = page("400 Bad Request", "Sign-in did not complete",
                                         "No sign-in arrived. Return to the application and try again.");
    return bytes;
}

// Honest while the application still asks the user whether to take it.
const QByteArray& unconfirmedPage()
{
    static const QByteArray bytes =
        page("200 OK", "Confirm the sign-in in the application",
             "Return to the application and confirm the account you signed in with. You can then close this tab.");
    return bytes;
}

const QByteArray& pageFor(const SignInCallback& callback, const QString& state)
{
    if (!callback.hasTokens())
        return noTokensPage();
    return callback.carriesState(state) ? completedPage() : unconfirmedPage();
}

const QByteArray& unverifiedPage()
{
    static const QByteArray bytes =
        page("400 Bad Request", "Sign-in could not be verified",
             "This page does not answer the sign-in the application started. Sign in from the application.");
    return bytes;
}

const QByteArray& notFoundPage()
{
    static const QByteArray bytes = page("404 Not Found", "Not found", "");
    return bytes;
}

const QByteArray& tooLargePage()
{
    static const QByteArray bytes = page("431 Request Header Fields Too Large", "Request too large", "");
    return bytes;
}

} // namespace

WebAuthHandler::WebAuthHandler(QObject* parent)
    : QObject(parent)
    , m_ipv4(new QTcpServer(this))
    , m_ipv6(new QTcpServer(this))
    , m_waitTimer(new QTimer(this))
    , m_state(SignInCallback::newState())
{
    m_waitTimer->setSingleShot(true);
    m_waitTimer->setInterval(kWaitTimeoutMs);
    connect(m_waitTimer, &QTimer::timeout, this, [this] {
        stop();
        emit timedOut();
    });
    for (QTcpServer* server : {m_ipv4, m_ipv6})
        connect(server, &QTcpServer::newConnection, this, [this, server] { onNewConnection(server); });
}

WebAuthHandler::~WebAuthHandler()
{
    stop();
}

void WebAuthHandler::setWaitTimeout(int milliseconds)
{
    m_waitTimer->setInterval(milliseconds);
}

bool WebAuthHandler::isListening() const
{
    return m_ipv4->isListening();
}

QString WebAuthHandler::redirectUri() const
{
    return QStringLiteral("http://localhost:%1/callback").arg(m_port);
}

QString WebAuthHandler::start()
{
    if (!isListening()) {
        bool listening = listenOnBoth(m_preferredPort);
        for (int attempt = 0; !listening && attempt < kPortAttempts; ++attempt)
            listening = listenOnBoth(0);
        if (!listening)
            return {};
        m_port = m_ipv4->serverPort();
    }
    m_waitTimer->start();
    return redirectUri();
}

bool WebAuthHandler::listenOnBoth(quint16 port)
{
    if (!m_ipv4->listen(QHostAddress::LocalHost, port))
        return false;
    if (m_ipv6->listen(QHostAddress::LocalHostIPv6, m_ipv4->serverPort()))
        return true;
    // A machine without IPv6 has no "::1" for another program to hold
    // either; only a taken port sends the search on.
    if (m_ipv6->serverError() != QAbstractSocket::AddressInUseError)
        return true;
    m_ipv4->close();
    return false;
}

void WebAuthHandler::stop()
{
    m_waitTimer->stop();
    m_ipv4->close();
    m_ipv6->close();
    // A connection accepted before could still bring a callback; the answer
    // has been handed on (or the wait is over), so none of them is heard.
    const QList<QTcpSocket*> open = m_requests.keys();
    m_requests.clear();
    for (QTcpSocket* socket : open) {
        disconnect(socket, nullptr, this, nullptr);
        drop(socket);
    }
}

void WebAuthHandler::drop(QTcpSocket* socket)
{
    socket->abort();
    socket->deleteLater();
}

void WebAuthHandler::onNewConnection(QTcpServer* server)
{
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        // A browser opens a few at a time; beyond that some other program
        // only holds sockets and memory.
        if (m_requests.size() + m_answered.size() >= kMaxConnections) {
            drop(socket);
            continue;
        }
        // Nothing of what a client sends beyond the limit is kept.
        socket->setReadBufferSize(kMaxRequestBytes + 1);
        m_requests.insert(socket, {});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_requests.remove(socket);
            socket->deleteLater();
        });
        QTimer::singleShot(m_connectionTimeoutMs, socket, [self = QPointer<WebAuthHandler>(this), socket] {
            if (self)
                self->m_requests.remove(socket);
            drop(socket);
        });
    }
}

void WebAuthHandler::onReadyRead(QTcpSocket* socket)
{
    auto request = m_requests.find(socket);
    if (request == m_requests.end())
        return;
    request->append(socket->read(kMaxRequestBytes + 1 - request->size()));
    const qsizetype headEnd = request->indexOf("\r\n\r\n");
    if (headEnd < 0 || headEnd + 4 > kMaxRequestBytes) {
        if (request->size() > kMaxRequestBytes)
            answer(socket, tooLargePage());
        return;
    }
    const QByteArray head = request->left(headEnd);
    handleRequest(socket, head);
}

void WebAuthHandler::handleRequest(QTcpSocket* socket, const QByteArray& head)
{
    const qsizetype lineEnd = head.indexOf("\r\n");
    const QList<QByteArray> requestLine = (lineEnd < 0 ? head : head.first(lineEnd)).split(' ');
    const QByteArray target = requestLine.value(1);
    // Only a path of this listener: "//host/..." would name another host.
    const bool originForm = target.startsWith('/') && !target.startsWith("//");
    const QUrl url(QStringLiteral("http://localhost:%1").arg(m_port) + QString::fromLatin1(target),
                   QUrl::TolerantMode);
    if (requestLine.size() != 3 || requestLine.at(0) != "GET" || !originForm || !url.isValid()
        || url.path() != QLatin1String("/callback")) {
        answer(socket, notFoundPage());
        return;
    }

    const SignInCallback callback = SignInCallback::fromUrl(url);
    if (callback.hasState() && !callback.carriesState(m_state)) {
        // Not the browser coming back from this sign-in's login page (another
        // page may send the browser here): refused, and the wait goes on.
        answer(socket, unverifiedPage());
        return;
    }
    answer(socket, pageFor(callback, m_state));
    stop();
    emit callbackReceived(url);
}

void WebAuthHandler::answer(QTcpSocket* socket, const QByteArray& response)
{
    m_requests.remove(socket);
    disconnect(socket, nullptr, this, nullptr);
    socket->write(response);
    socket->flush();
    // The socket outlives the handler if need be, until the client closes it
    // (10 s after it connected at most). Until then it holds a place among
    // the connections: a client that never lets go would otherwise open ever
    // more.
    socket->setParent(nullptr);
    m_answered.insert(socket);
    const auto release = [this, socket] { m_answered.remove(socket); };
    connect(socket, &QTcpSocket::disconnected, this, release);
    connect(socket, &QObject::destroyed, this, release);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    // Whatever more the client sends is read and dropped, so that its close
    // is seen.
    connect(socket, &QTcpSocket::readyRead, socket, [socket] { socket->readAll(); });
    // A page the system could not take whole goes out before the close.
    if (socket->bytesToWrite() > 0 || !endSending(socket))
        socket->disconnectFromHost();
}

} // namespace TandAccount
