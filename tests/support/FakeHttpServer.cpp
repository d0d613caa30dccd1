#include "tests/support/FakeHttpServer.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 201: return "Created";
    case 204: return "No Content";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

} // namespace

bool RecordedRequest::hasHeader(const QByteArray& name) const
{
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QByteArray RecordedRequest::header(const QByteArray& name) const
{
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

QJsonObject RecordedRequest::json() const
{
    return QJsonDocument::fromJson(body).object();
}

FakeResponse FakeResponse::json(int status, const QJsonObject& body)
{
    FakeResponse response;
    response.status = status;
    response.body = QJsonDocument(body).toJson(QJsonDocument::Compact);
    return response;
}

FakeResponse FakeResponse::raw(int status, const QByteArray& body, const QByteArray& contentType)
{
    FakeResponse response;
    response.status = status;
    response.body = body;
    response.contentType = contentType;
    return response;
}

FakeResponse FakeResponse::empty(int status)
{
    FakeResponse response;
    response.status = status;
    response.contentType.clear();
    return response;
}

FakeResponse FakeResponse::silence()
{
    FakeResponse response;
    response.noAnswer = true;
    return response;
}

FakeHttpServer::FakeHttpServer(QObject* parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &FakeHttpServer::onNewConnection);
}

FakeHttpServer::~FakeHttpServer() = default;

bool FakeHttpServer::listen()
{
    return m_server->listen(QHostAddress::LocalHost, 0);
}

quint16 FakeHttpServer::port() const
{
    return m_server->serverPort();
}

QUrl FakeHttpServer::baseUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port()));
}

void FakeHttpServer::route(const QByteArray& method, const QString& path, Handler handler)
{
    m_handlers.insert({method, path}, std::move(handler));
}

void FakeHttpServer::routePrefix(const QByteArray& method, const QString& prefix, Handler handler)
{
    m_prefixHandlers.insert({method, prefix}, std::move(handler));
}

const FakeHttpServer::Handler* FakeHttpServer::prefixHandlerFor(const RecordedRequest& request) const
{
    const Handler* found = nullptr;
    qsizetype foundLength = -1;
    for (auto it = m_prefixHandlers.cbegin(); it != m_prefixHandlers.cend(); ++it) {
        const auto& [method, prefix] = it.key();
        if (method == request.method && request.path.startsWith(prefix) && prefix.size() > foundLength) {
            found = &it.value();
            foundLength = prefix.size();
        }
    }
    return found;
}

void FakeHttpServer::respondOnce(const QByteArray& method, const QString& path, const FakeResponse& response)
{
    m_queued[{method, path}].append(response);
}

void FakeHttpServer::respondAlways(const QByteArray& method, const QString& path, const FakeResponse& response)
{
    m_standing.insert({method, path}, response);
}

void FakeHttpServer::delayRoute(const QByteArray& method, const QString& path, int delayMs)
{
    m_delays.insert({method, path}, delayMs);
}

QList<RecordedRequest> FakeHttpServer::requestsTo(const QByteArray& method, const QString& path) const
{
    QList<RecordedRequest> matching;
    for (const RecordedRequest& request : m_log) {
        if (request.method == method && request.path == path)
            matching.append(request);
    }
    return matching;
}

void FakeHttpServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        m_buffers.insert(socket, {});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void FakeHttpServer::onReadyRead(QTcpSocket* socket)
{
    auto buffer = m_buffers.find(socket);
    if (buffer == m_buffers.end())
        return;
#ifdef Q_OS_LINUX
    // Acknowledge at once. Qt's HTTP client leaves Nagle's algorithm on, so
    // the last piece of a large body waits for the acknowledgement of the
    // piece before; a delayed acknowledgement would add some 40 ms to every
    // such request. Linux turns quick acknowledgement off again by itself,
    // hence on every read.
    const int quickAck = 1;
    ::setsockopt(int(socket->socketDescriptor()), IPPROTO_TCP, TCP_QUICKACK, &quickAck, sizeof quickAck);
#endif
    buffer->append(socket->readAll());

    RecordedRequest request;
    while (takeRequest(*buffer, request)) {
        m_log.append(request);
        emit requestReceived(request);
        send(socket, answerFor(request));
        buffer = m_buffers.find(socket);
        if (buffer == m_buffers.end())
            return;
    }
}

bool FakeHttpServer::takeRequest(QByteArray& buffer, RecordedRequest& request)
{
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return false;

    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    if (requestLine.size() < 2)
        return false;

    request = {};
    request.method = requestLine.at(0);
    qsizetype contentLength = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.left(colon).trimmed();
        const QByteArray value = line.mid(colon + 1).trimmed();
        request.headers.append({name, value});
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
            contentLength = value.toLongLong();
    }

    const qsizetype bodyStart = headerEnd + 4;
    if (buffer.size() - bodyStart < contentLength)
        return false;
    request.body = buffer.mid(bodyStart, contentLength);
    buffer.remove(0, bodyStart + contentLength);

    request.target = requestLine.at(1);
    const QUrl target(QString::fromLatin1(requestLine.at(1)));
    request.path = target.path(QUrl::FullyDecoded);
    request.hasQuery = target.hasQuery();
    request.query = QUrlQuery(target);
    return true;
}

FakeResponse FakeHttpServer::answerFor(const RecordedRequest& request)
{
    const RouteKey key{request.method, request.path};
    FakeResponse response;
    if (auto queued = m_queued.find(key); queued != m_queued.end() && !queued->isEmpty())
        response = queued->takeFirst();
    else if (auto standing = m_standing.constFind(key); standing != m_standing.constEnd())
        response = *standing;
    else if (auto handler = m_handlers.constFind(key); handler != m_handlers.constEnd())
        response = (*handler)(request);
    else if (const Handler* prefixHandler = prefixHandlerFor(request))
        response = (*prefixHandler)(request);
    else
        response = FakeResponse::json(404, {{QStringLiteral("error"), QStringLiteral("not found")}});

    response.delayMs = qMax(response.delayMs, m_delays.value(key, 0));
    return response;
}

void FakeHttpServer::send(QTcpSocket* socket, const FakeResponse& response)
{
    if (response.noAnswer)
        return;

    const bool hasBody = response.status != 204;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status) + "\r\n";
    if (!response.contentType.isEmpty())
        head += "Content-Type: " + response.contentType + "\r\n";
    for (const auto& [name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    if (hasBody && !response.undeclaredLength)
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    head += response.undeclaredLength ? "Connection: close\r\n\r\n" : "Connection: keep-alive\r\n\r\n";
    const QByteArray body = hasBody ? response.body : QByteArray();

    const bool close = response.undeclaredLength;
    const int dripMs = response.dripIntervalMs;
    auto write = [this, socket, head, body, close, dripMs] {
        if (dripMs > 0) {
            socket->write(head);
            drip(socket, body, dripMs);
            return;
        }
        socket->write(head + body);
        if (close)
            socket->disconnectFromHost();
    };
    if (response.delayMs <= 0)
        write();
    else
        QTimer::singleShot(response.delayMs, socket, write);
}

void FakeHttpServer::drip(QTcpSocket* socket, const QByteArray& body, int intervalMs)
{
    if (body.isEmpty())
        return;
    socket->write(body.left(1));
    QTimer::singleShot(intervalMs, socket, [this, socket, rest = body.mid(1), intervalMs] {
        drip(socket, rest, intervalMs);
    });
}
